#include "app/BordersDialog.h"

#include "app/RibbonWidgets.h"
#include "model/TextHelpers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The list positions are the brush and pen style ordinals of the property lists.
const char* const kFillStyles[] = {"solid", "clear", "horizontal", "vertical",
                                   "forward diag", "backward diag", "cross", "cross diag"};
const char* const kBorderStyles[] = {"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "Inside Frame"};

TColorSelector* ColourBox(const QString& Icon, const QString& Hint, TColor Automatic)
{
  auto* selector = new TColorSelector(Icon, QString(), Hint, Automatic);
  selector->SetAutomaticColour(Automatic);
  selector->setAutoRaise(false);
  selector->setPopupMode(QToolButton::InstantPopup);
  selector->setIconSize(QSize(20, 20));
  selector->setMinimumWidth(52);
  return selector;
}

template <std::size_t N>
QComboBox* ListBox(const char* const (&Items)[N])
{
  auto* box = new QComboBox;
  for (const char* item : Items)
    box->addItem(QString::fromLatin1(item));
  box->setMinimumWidth(140);
  return box;
}

// Gives the labels of several forms one width, so that their fields line up.
void AlignLabels(std::initializer_list<QFormLayout*> Forms)
{
  int width = 0;
  QList<QWidget*> labels;
  for (QFormLayout* form : Forms)
    for (int row = 0; row < form->rowCount(); ++row)
      if (QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole); item && item->widget()) {
        labels << item->widget();
        width = std::max(width, item->widget()->sizeHint().width());
      }
  for (QWidget* label : labels)
    label->setMinimumWidth(width);
}

} // namespace

TfDesignBorders::TfDesignBorders(QWidget* Parent)
  : TPropListDialog(Parent)
{
  setWindowTitle(QStringLiteral("Borders and Shading"));

  auto* background = new QGroupBox(QStringLiteral("Background:"));
  auto* backgroundForm = new QFormLayout(background);
  FFillColour = ColourBox(QStringLiteral("fill-colour"), QStringLiteral("Background Colour"), clWhite);
  FFillStyle = ListBox(kFillStyles);
  backgroundForm->addRow(QStringLiteral("Background Colour:"), FFillColour);
  backgroundForm->addRow(QStringLiteral("Background Style:"), FFillStyle);

  auto* borders = new QGroupBox(QStringLiteral("Borders:"));
  auto* bordersForm = new QFormLayout(borders);
  FBorderColour = ColourBox(QStringLiteral("outline-colour"), QStringLiteral("Line Colour"), clBlack);
  FBorderStyle = ListBox(kBorderStyles);
  FBorderWidth = new QSpinBox;
  FBorderWidth->setRange(0, 999);
  bordersForm->addRow(QStringLiteral("Line Colour:"), FBorderColour);
  bordersForm->addRow(QStringLiteral("Line Style:"), FBorderStyle);
  bordersForm->addRow(QStringLiteral("Border Width:"), FBorderWidth);

  AlignLabels({backgroundForm, bordersForm});

  auto* buttons = new QDialogButtonBox;
  FOk = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
  FCancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  FOk->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(background);
  layout->addWidget(borders);
  layout->addStretch();
  layout->addWidget(buttons);

  connect(FFillColour, &TColorSelector::colourChosen, this,
          [this](TColor colour) { Record(QStringLiteral("FILLCOLOUR"), QString::number(colour)); });
  connect(FBorderColour, &TColorSelector::colourChosen, this,
          [this](TColor colour) { Record(QStringLiteral("BORDERCOLOUR"), QString::number(colour)); });
  const auto recordPosition = [this](QComboBox* box, const QString& key) {
    connect(box, &QComboBox::currentIndexChanged, this, [this, key](int index) {
      if (index >= 0)
        Record(key, QString::number(index));
    });
  };
  recordPosition(FFillStyle, QStringLiteral("FILLSTYLE"));
  recordPosition(FBorderStyle, QStringLiteral("BORDERSTYLE"));
  connect(FBorderWidth, &QSpinBox::valueChanged, this,
          [this](int value) { Record(QStringLiteral("BORDERWIDTH"), QString::number(value)); });

  FLoading = true;
  ResetControls();
  FLoading = false;
}

// Before any list: a white background, a black line, both styles blank, width 0.
void TfDesignBorders::ResetControls()
{
  FFillColour->SetColour(clWhite);
  FFillStyle->setCurrentIndex(-1);
  FBorderColour->SetColour(clBlack);
  FBorderStyle->setCurrentIndex(-1);
  FBorderWidth->setValue(0);
}

void TfDesignBorders::SetFromPropList(const TNameValueList& PropList)
{
  FLoading = true;
  ResetControls();
  const auto has = [&PropList](const char* key) { return PropList.IndexOfName(QString::fromLatin1(key)) >= 0; };
  const auto number = [&PropList](const char* key) { return StrToIntLenient(PropList.Values(QString::fromLatin1(key))); };
  if (has("FILLCOLOUR"))
    FFillColour->SetColour(number("FILLCOLOUR"));
  if (has("BORDERCOLOUR"))
    FBorderColour->SetColour(number("BORDERCOLOUR"));
  if (has("FILLSTYLE"))
    FFillStyle->setCurrentIndex(number("FILLSTYLE"));
  if (has("BORDERSTYLE"))
    FBorderStyle->setCurrentIndex(number("BORDERSTYLE"));
  if (has("BORDERWIDTH"))
    FBorderWidth->setValue(number("BORDERWIDTH"));
  FLoading = false;
}

bool TfDesignBorders::ShowBorderDialog(const TNameValueList& PropList, TNameValueList& NewPropList)
{
  return RunOn(PropList, NewPropList);
}
