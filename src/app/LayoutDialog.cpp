#include "app/LayoutDialog.h"

#include "model/PageLayout.h"
#include "model/TextHelpers.h"
#include "platform/Prompts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

QString PictureFileFilter()
{
  return QStringLiteral(
    "All (*.jpg;*.jpeg;*.bmp;*.png;*.gif;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.png;*.gif;*.emf;*.wmf|"
    "JPEG Image File (*.jpg;*.jpeg)|*.jpg;*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG Image File (*.png)|*.png|"
    "GIF Image (*.gif)|*.gif|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");
}

namespace {
QSpinBox* MarginBox()
{
  auto* box = new QSpinBox;
  box->setRange(0, 1000);
  box->setSuffix(QStringLiteral(" mm"));
  return box;
}
} // namespace

TfDesignLayout::TfDesignLayout(TPrompts* Prompts, QWidget* Parent)
  : QDialog(Parent)
  , FPrompts(Prompts)
{
  setWindowTitle(QStringLiteral("Page Layout"));
  auto* tabs = new QTabWidget;

  // Page "Paper": size, orientation and margins.
  auto* paperPage = new QWidget;
  auto* paperForm = new QFormLayout;
  FPaperSize = new QComboBox;
  FPaperSize->setEditable(true);
  FPaperSize->setInsertPolicy(QComboBox::NoInsert);
  const TDesignPageSize sizes;
  for (int i = 0; i < sizes.Count(); ++i)
    FPaperSize->addItem(sizes.GetSize(i));
  paperForm->addRow(QStringLiteral("Paper Size:"), FPaperSize);

  auto* orientation = new QGroupBox(QStringLiteral("Orientation"));
  auto* orientationLayout = new QHBoxLayout(orientation);
  FPortrait = new QRadioButton(QStringLiteral("Portrait"));
  FLandscape = new QRadioButton(QStringLiteral("Landscape"));
  orientationLayout->addWidget(FPortrait);
  orientationLayout->addWidget(FLandscape);
  orientationLayout->addStretch();

  auto* margins = new QGroupBox(QStringLiteral("Margins (mm):"));
  auto* marginForm = new QFormLayout(margins);
  FLeft = MarginBox();
  FTop = MarginBox();
  FRight = MarginBox();
  FBottom = MarginBox();
  marginForm->addRow(QStringLiteral("Left:"), FLeft);
  marginForm->addRow(QStringLiteral("Top:"), FTop);
  marginForm->addRow(QStringLiteral("Right:"), FRight);
  marginForm->addRow(QStringLiteral("Bottom:"), FBottom);

  auto* paperLayout = new QVBoxLayout(paperPage);
  paperLayout->addLayout(paperForm);
  paperLayout->addWidget(orientation);
  paperLayout->addWidget(margins);
  paperLayout->addStretch();
  tabs->addTab(paperPage, QStringLiteral("Paper"));

  // Page "Background": the picture behind the page.
  auto* backPage = new QWidget;
  auto* backLayout = new QVBoxLayout(backPage);
  FNoImage = new QRadioButton(QStringLiteral("No Background Image"));
  FUseImage = new QRadioButton(QStringLiteral("Use Background Image"));
  backLayout->addWidget(FNoImage);
  backLayout->addWidget(FUseImage);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(new QLabel(QStringLiteral("Image Path : ")));
  FImagePath = new QLineEdit;
  FImagePath->setMinimumWidth(260);
  pathRow->addWidget(FImagePath, 1);
  FBrowse = new QPushButton(QStringLiteral("..."));
  FBrowse->setToolTip(QStringLiteral("Choose the background picture"));
  FBrowse->setFixedWidth(32);
  pathRow->addWidget(FBrowse);
  backLayout->addLayout(pathRow);
  auto* scaling = new QGroupBox(QStringLiteral("Scaling Mode:"));
  auto* scalingLayout = new QHBoxLayout(scaling);
  FScaling = new QButtonGroup(this);
  const char* modes[] = {"None", "Stretch", "Scale"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QRadioButton(QString::fromLatin1(modes[i]));
    FScaling->addButton(b, i);
    scalingLayout->addWidget(b);
  }
  scalingLayout->addStretch();
  backLayout->addWidget(scaling);
  backLayout->addStretch();
  tabs->addTab(backPage, QStringLiteral("Background"));

  auto* buttons = new QDialogButtonBox;
  FOk = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
  FCancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  FOk->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(FBrowse, &QPushButton::clicked, this, &TfDesignLayout::Browse);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
}

void TfDesignLayout::Browse()
{
  TFileDialogSpec spec;
  spec.Title = QStringLiteral("Background Image");
  spec.Filter = PictureFileFilter();
  spec.InitialFile = FImagePath->text();
  const QString file = FPrompts ? FPrompts->ChooseOpenFile(spec) : QString();
  if (!file.isEmpty())
    FImagePath->setText(file);
}

void TfDesignLayout::FillFrom(const TDesignPage* Page)
{
  const int index = FPaperSize->findText(Page->PaperSize(), Qt::MatchExactly | Qt::MatchCaseSensitive);
  FPaperSize->setCurrentIndex(index);
  if (index < 0)
    FPaperSize->setEditText(Page->PaperSize());
  (Page->Orientation() == poLandscape ? FLandscape : FPortrait)->setChecked(true);
  FLeft->setValue(Page->LeftMarginMM());
  FTop->setValue(Page->TopMarginMM());
  FRight->setValue(Page->RightMarginMM());
  FBottom->setValue(Page->BaseMarginMM());
  if (Page->HasImage()) {
    FUseImage->setChecked(true);
    FImagePath->setText(Page->ImagePath());
    if (QAbstractButton* b = FScaling->button(int(Page->ImageMode())))
      b->setChecked(true);
  } else {
    FNoImage->setChecked(true);
  }
}

void TfDesignLayout::ApplyTo(TDesignPage* Page) const
{
  // The paper is the chosen entry; a typed name is kept when it resolves to a size of
  // its own (custom sizes such as "120X80"), otherwise the paper stays as it was.
  const QString typed = FPaperSize->currentText();
  if (FPaperSize->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) {
    Page->SetPaperSize(typed);
  } else {
    int w = -1, h = -1;
    LookupPaperSize(typed, h, w);
    if (w > 0 && h > 0)
      Page->SetPaperSize(typed);
  }
  Page->SetOrientation(FPortrait->isChecked() ? poPortrait : poLandscape);
  Page->SetLeftMarginMM(FLeft->value());
  Page->SetTopMarginMM(FTop->value());
  Page->SetRightMarginMM(FRight->value());
  Page->SetBaseMarginMM(FBottom->value());
  if (FNoImage->isChecked()) {
    Page->SetImagePath(QString());
  } else {
    Page->SetImagePath(FImagePath->text());
    if (FScaling->checkedId() >= 0)
      Page->SetImageMode(TImageMode(FScaling->checkedId()));
  }
}

bool TfDesignLayout::ShowDialog(TDesignPage* Page)
{
  FillFrom(Page);
  if (exec() != QDialog::Accepted)
    return false;
  ApplyTo(Page);
  return true;
}
