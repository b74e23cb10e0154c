#include "app/TextDialog.h"

#include "app/RibbonWidgets.h"
#include "model/PageLayout.h"
#include "model/TextHelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QComboBox* ListBox(std::initializer_list<const char*> Items)
{
  auto* box = new QComboBox;
  for (const char* item : Items)
    box->addItem(QString::fromLatin1(item));
  return box;
}

QSpinBox* NumberBox(int Min, int Max)
{
  auto* box = new QSpinBox;
  box->setRange(Min, Max);
  return box;
}

} // namespace

TfDesignText::TfDesignText(QWidget* Parent)
  : TPropListDialog(Parent)
{
  setWindowTitle(QStringLiteral("Text"));
  FPages = new QTabWidget;

  // Page "Style": the font, the paragraph settings and a sample of the font.
  auto* stylePage = new QWidget;
  auto* general = new QGroupBox(QStringLiteral("General"));
  auto* generalForm = new QFormLayout(general);
  FFontName = new QFontComboBox;
  FFontName->setEditable(true);
  FFontName->setInsertPolicy(QComboBox::NoInsert);
  FFontName->setMinimumWidth(180);
  FFontStyle = ListBox({"Regular", "Bold", "Italic", "Bold + Italic"});
  FFontSize = new QComboBox;
  FFontSize->setEditable(true);
  FFontSize->setInsertPolicy(QComboBox::NoInsert);
  FFontSize->setValidator(new QIntValidator(1, 999, FFontSize));
  FFontSize->setMaxVisibleItems(18);
  const TDesignFontSize ladder;
  for (int i = 0; i < ladder.Count(); ++i)
    FFontSize->addItem(QString::number(ladder.Size(i)));
  FFontColour = new TColorSelector(QStringLiteral("font-colour"), QString(), QStringLiteral("Font Colour"), clBlack);
  FFontColour->SetAutomaticColour(clBlack);
  FFontColour->setAutoRaise(false);
  FFontColour->setPopupMode(QToolButton::InstantPopup);
  FFontColour->setIconSize(QSize(20, 20));
  FFontColour->setMinimumWidth(52);
  FEllipsis = ListBox({"None", "Ellipsis at End"});
  generalForm->addRow(QStringLiteral("Font:"), FFontName);
  generalForm->addRow(QStringLiteral("Font Style:"), FFontStyle);
  generalForm->addRow(QStringLiteral("Size:"), FFontSize);
  generalForm->addRow(QStringLiteral("Font Colour:"), FFontColour);
  generalForm->addRow(QStringLiteral("Ellipsis:"), FEllipsis);

  auto* paragraph = new QGroupBox(QStringLiteral("Paragraph"));
  auto* paragraphForm = new QFormLayout(paragraph);
  FHAlign = ListBox({"Left Align", "Right Align", "Centre"});
  FVAlign = ListBox({"Top", "Bottom", "Middle"});
  FRotation = NumberBox(-360, 360);
  FMargin = NumberBox(0, 999);
  paragraphForm->addRow(QStringLiteral("Alignment:"), FHAlign);
  paragraphForm->addRow(QStringLiteral("Vertical:"), FVAlign);
  paragraphForm->addRow(QStringLiteral("Text Rotation:"), FRotation);
  paragraphForm->addRow(QStringLiteral("Margins:"), FMargin);

  // The sample keeps its size whatever the font size, clipping large text.
  FSample = new QLabel(QStringLiteral("Sample Text"));
  FSample->setAlignment(Qt::AlignCenter);
  FSample->setFrameShape(QFrame::StyledPanel);
  FSample->setFrameShadow(QFrame::Sunken);
  FSample->setAutoFillBackground(true);
  FSample->setFixedHeight(90);
  FSample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

  auto* groups = new QHBoxLayout;
  groups->addWidget(general, 3);
  groups->addWidget(paragraph, 2);
  auto* styleLayout = new QVBoxLayout(stylePage);
  styleLayout->addLayout(groups);
  styleLayout->addWidget(FSample);
  FPages->addTab(stylePage, QStringLiteral("Style"));

  // Page "Embedded Fields": whether field values and the text itself carry markup.
  auto* fieldsPage = new QWidget;
  auto* fieldsLayout = new QVBoxLayout(fieldsPage);
  auto* note = new QLabel(
    QStringLiteral("Embedded fields will normally be treated as plain text even if the control text has HTML."));
  note->setWordWrap(true);
  FEmbedHtml = new QCheckBox(QStringLiteral("Embedded fields contain HTML markup"));
  FWantHtml = new QCheckBox(QStringLiteral("Control text contains HTML Markup"));
  fieldsLayout->addWidget(note);
  fieldsLayout->addSpacing(6);
  fieldsLayout->addWidget(FEmbedHtml);
  fieldsLayout->addWidget(FWantHtml);
  fieldsLayout->addStretch();
  FPages->addTab(fieldsPage, QStringLiteral("Embedded Fields"));

  auto* buttons = new QDialogButtonBox;
  FOk = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
  FCancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  FOk->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FPages);
  layout->addWidget(buttons);

  connect(FFontName, &QComboBox::activated, this, [this] {
    FSampleFamily = FFontName->currentText();
    UpdateSample();
    Record(QStringLiteral("FONTNAME"), FSampleFamily);
  });
  connect(FFontSize, &QComboBox::activated, this, [this] {
    const QString size = FFontSize->currentText();
    FSampleSize = StrToIntLenient(size);
    UpdateSample();
    Record(QStringLiteral("FONTSIZE"), size);
  });
  connect(FFontStyle, &QComboBox::activated, this, [this](int index) {
    SetStyle(index == 1 || index == 3, index == 2 || index == 3);
    Record(QStringLiteral("FONTBOLD"), BoolToDigit(FSampleBold));
    Record(QStringLiteral("FONTITALIC"), BoolToDigit(FSampleItalic));
  });
  connect(FFontColour, &TColorSelector::colourChosen, this, [this](TColor colour) {
    UpdateSample();
    Record(QStringLiteral("FONTCOLOUR"), QString::number(colour));
  });
  const auto recordPosition = [this](QComboBox* box, const QString& key) {
    connect(box, &QComboBox::currentIndexChanged, this, [this, key](int index) {
      if (index >= 0)
        Record(key, QString::number(index));
    });
  };
  recordPosition(FEllipsis, QStringLiteral("ELLIPSIS"));
  recordPosition(FHAlign, QStringLiteral("HALIGN"));
  recordPosition(FVAlign, QStringLiteral("VALIGN"));
  connect(FRotation, &QSpinBox::valueChanged, this,
          [this](int value) { Record(QStringLiteral("ROTATION"), QString::number(value)); });
  connect(FMargin, &QSpinBox::valueChanged, this,
          [this](int value) { Record(QStringLiteral("MARGIN"), QString::number(value)); });
  connect(FWantHtml, &QCheckBox::clicked, this,
          [this](bool checked) { Record(QStringLiteral("WANTHTML"), BoolToDigit(checked)); });
  connect(FEmbedHtml, &QCheckBox::clicked, this,
          [this](bool checked) { Record(QStringLiteral("EMBEDHTML"), BoolToDigit(checked)); });

  FLoading = true;
  ResetControls();
  FLoading = false;
}

// The state before any list was shown: lists and font entries blank (a setting the
// selection does not share), numbers 0, boxes unchecked, the colour black.
void TfDesignText::ResetControls()
{
  FFontName->setCurrentIndex(-1);
  FFontName->setEditText(QString());
  FFontSize->setCurrentIndex(-1);
  FFontSize->setEditText(QString());
  FFontStyle->setCurrentIndex(-1);
  FFontColour->SetColour(clBlack);
  FEllipsis->setCurrentIndex(-1);
  FHAlign->setCurrentIndex(-1);
  FVAlign->setCurrentIndex(-1);
  FRotation->setValue(0);
  FMargin->setValue(0);
  FEmbedHtml->setChecked(false);
  FWantHtml->setChecked(false);
  FSampleFamily = QApplication::font().family();
  FSampleSize = QApplication::font().pointSize();
  FSampleBold = false;
  FSampleItalic = false;
  UpdateSample();
}

void TfDesignText::SetStyle(bool Bold, bool Italic)
{
  FSampleBold = Bold;
  FSampleItalic = Italic;
  FFontStyle->setCurrentIndex((Bold ? 1 : 0) + (Italic ? 2 : 0));
  UpdateSample();
}

void TfDesignText::UpdateSample()
{
  QFont font(FSampleFamily);
  if (FSampleSize > 0)
    font.setPointSize(FSampleSize);
  font.setBold(FSampleBold);
  font.setItalic(FSampleItalic);
  FSample->setFont(font);
  QPalette palette = FSample->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, ColorToQColor(FFontColour->Colour()));
  FSample->setPalette(palette);
}

void TfDesignText::SetFromPropList(const TNameValueList& PropList)
{
  FLoading = true;
  ResetControls();
  const auto has = [&PropList](const char* key) { return PropList.IndexOfName(QString::fromLatin1(key)) >= 0; };
  const auto value = [&PropList](const char* key) { return PropList.Values(QString::fromLatin1(key)); };

  if (has("FONTNAME")) {
    const QString name = value("FONTNAME");
    const int index = FFontName->findText(name, Qt::MatchFixedString);
    FFontName->setCurrentIndex(index);
    if (index < 0)
      FFontName->setEditText(name);
    FSampleFamily = name;
  }
  if (has("FONTSIZE")) {
    const QString size = value("FONTSIZE");
    FFontSize->setCurrentIndex(FFontSize->findText(size, Qt::MatchExactly));
    FFontSize->setEditText(size);
    FSampleSize = StrToIntLenient(size);
  }
  if (has("FONTCOLOUR"))
    FFontColour->SetColour(StrToIntLenient(value("FONTCOLOUR")));
  if (has("FONTBOLD") || has("FONTITALIC"))
    SetStyle(StrToBoolean(value("FONTBOLD")), StrToBoolean(value("FONTITALIC")));
  if (has("ELLIPSIS"))
    FEllipsis->setCurrentIndex(StrToBoolean(value("ELLIPSIS")) ? 1 : 0);
  if (has("HALIGN"))
    FHAlign->setCurrentIndex(StrToIntLenient(value("HALIGN")));
  if (has("VALIGN"))
    FVAlign->setCurrentIndex(StrToIntLenient(value("VALIGN")));
  if (has("MARGIN"))
    FMargin->setValue(StrToIntLenient(value("MARGIN")));
  if (has("ROTATION"))
    FRotation->setValue(StrToIntLenient(value("ROTATION")));
  if (has("WANTHTML"))
    FWantHtml->setChecked(StrToBoolean(value("WANTHTML")));
  if (has("EMBEDHTML"))
    FEmbedHtml->setChecked(StrToBoolean(value("EMBEDHTML")));
  UpdateSample();
  FLoading = false;
}

bool TfDesignText::ShowTextDialog(const TNameValueList& PropList, TNameValueList& NewPropList)
{
  return RunOn(PropList, NewPropList);
}
