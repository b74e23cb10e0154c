#include "app/DesignRibbon.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QIntValidator>
#include <QMenu>
#include <QVBoxLayout>

namespace {

const char* const kToolNumber = "toolNumber";

QAction* Entry(QMenu* menu, const QString& icon, const QString& caption)
{
  return menu->addAction(RibbonIcon(icon), caption);
}

} // namespace

TDesignRibbon::TDesignRibbon(QWidget* parent) : QWidget(parent)
{
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Bar = new TRibbonBar(this);
  layout->addWidget(Bar);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  ToolGroup = new QButtonGroup(this);
  ToolGroup->setExclusive(true);
  BuildHome();
  BuildDesign();
  BuildShapes();
  ShowSelectDown();
}

int TDesignRibbon::ToolNumber(const QAbstractButton* button) const
{
  const QVariant number = button ? button->property(kToolNumber) : QVariant();
  return number.isValid() ? number.toInt() : -1;
}

void TDesignRibbon::ShowSelectDown() { tbSelect->setChecked(true); }

QToolButton* TDesignRibbon::Tool(const QString& icon, const QString& caption, const QString& hint, int toolNumber,
                                 bool staysDown)
{
  QToolButton* button = MakeRibbonButton(icon, caption, hint, this);
  button->setProperty(kToolNumber, toolNumber);
  if (staysDown) {
    button->setCheckable(true);
    ToolGroup->addButton(button);
  }
  connect(button, &QToolButton::clicked, this, [this, toolNumber] { Q_EMIT toolChosen(toolNumber); });
  return button;
}

QToolButton* TDesignRibbon::Select(const QString& caption)
{
  QToolButton* button = MakeRibbonButton(QStringLiteral("select"), caption, QStringLiteral("Select"), this);
  button->setCheckable(true);
  ToolGroup->addButton(button);
  connect(button, &QToolButton::clicked, this, &TDesignRibbon::selectChosen);
  return button;
}

void TDesignRibbon::BuildHome()
{
  pgHome = Bar->AddPage(QStringLiteral("Home"));

  TRibbonGroup* file = pgHome->AddGroup(QStringLiteral("File"));
  btnNew = MakeRibbonButton(QStringLiteral("new"), QStringLiteral("New"), QStringLiteral("New Design"));
  btnOpen = MakeRibbonButton(QStringLiteral("open"), QStringLiteral("Open"), QStringLiteral("Open Design"));
  btnSave = MakeRibbonButton(QStringLiteral("save"), QStringLiteral("Save"), QStringLiteral("Save Design"));
  btnPrint = MakeRibbonButton(QStringLiteral("print"), QStringLiteral("Print"), QStringLiteral("Print Design"));
  btnPrintPreview =
      MakeRibbonButton(QStringLiteral("print-preview"), QStringLiteral("Preview"), QStringLiteral("Print Preview"));
  file->AddLarge(btnNew);
  file->AddLarge(btnOpen);
  file->AddSmall(btnSave);
  file->AddSmall(btnPrint);
  file->AddSmall(btnPrintPreview);

  TRibbonGroup* clipboard = pgHome->AddGroup(QStringLiteral("Clipboard"));
  btnPaste = MakeRibbonButton(QStringLiteral("paste"), QStringLiteral("Paste"), QStringLiteral("Paste"));
  btnCopy = MakeRibbonButton(QStringLiteral("copy"), QStringLiteral("Copy"), QStringLiteral("Copy"));
  btnCut = MakeRibbonButton(QStringLiteral("cut"), QStringLiteral("Cut"), QStringLiteral("Cut"));
  clipboard->AddLarge(btnPaste);
  clipboard->AddSmall(btnCopy);
  clipboard->AddSmall(btnCut);

  TRibbonGroup* text = pgHome->AddGroup(QStringLiteral("Text"));
  cbFontName = new QFontComboBox;
  cbFontName->setEditable(true);
  cbFontName->setToolTip(QStringLiteral("Font Name"));
  cbFontName->setFixedWidth(124);
  cbFontSize = new QComboBox;
  cbFontSize->setEditable(true);
  cbFontSize->setToolTip(QStringLiteral("Font Size"));
  for (int size : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
    cbFontSize->addItem(QString::number(size));
  cbFontSize->setValidator(new QIntValidator(1, 999, cbFontSize));
  cbFontSize->setFixedWidth(52);
  cbFontSize->setMaxVisibleItems(18);
  cbFontSize->setCurrentText(QStringLiteral("9"));
  btnBold = MakeRibbonButton(QStringLiteral("bold"), QString(), QStringLiteral("Bold"));
  btnItalic = MakeRibbonButton(QStringLiteral("italic"), QString(), QStringLiteral("Italic"));
  btnFontDecrease = MakeRibbonButton(QStringLiteral("font-decrease"), QString(), QStringLiteral("Decrease Font"));
  btnFontIncrease = MakeRibbonButton(QStringLiteral("font-increase"), QString(), QStringLiteral("Increase Font"));
  selFontColour = new TColorSelector(QStringLiteral("font-colour"), QString(), QStringLiteral("Font Color"), clBlack);
  selFontColour->SetAutomaticColour(clBlack);
  mnuVAlign = new QMenu(Bar);
  actVAlignTop = Entry(mnuVAlign, QStringLiteral("justify-top"), QStringLiteral("Top Justify"));
  actVAlignMiddle = Entry(mnuVAlign, QStringLiteral("justify-middle"), QStringLiteral("Middle Justify"));
  actVAlignBase = Entry(mnuVAlign, QStringLiteral("justify-base"), QStringLiteral("Base Justify"));
  btnVAlign = new TSplitButton(QString(), QStringLiteral("Vertical Alignment"), mnuVAlign);
  mnuHAlign = new QMenu(Bar);
  actHAlignLeft = Entry(mnuHAlign, QStringLiteral("justify-left"), QStringLiteral("Left Justify"));
  actHAlignCenter = Entry(mnuHAlign, QStringLiteral("justify-center"), QStringLiteral("Center Justify"));
  actHAlignRight = Entry(mnuHAlign, QStringLiteral("justify-right"), QStringLiteral("Right Justify"));
  actHAlignFull = Entry(mnuHAlign, QStringLiteral("justify-full"), QStringLiteral("Full Justify"));
  btnHAlign = new TSplitButton(QString(), QStringLiteral("Horizontal Alignment"), mnuHAlign);
  text->SetRowsPerColumn(2);
  text->AddRow({cbFontName, cbFontSize, btnFontIncrease, btnFontDecrease});
  text->AddRow({btnBold, btnItalic, selFontColour, btnHAlign, btnVAlign});

  TRibbonGroup* drawing = pgHome->AddGroup(QStringLiteral("Drawing"));
  selFillColour =
      new TColorSelector(QStringLiteral("fill-colour"), QStringLiteral("Fill"), QStringLiteral("Shape Fill"), clWhite);
  selFillColour->SetAutomaticColour(clWhite);
  selOutlineColour =
      new TColorSelector(QStringLiteral("outline-colour"), QStringLiteral("Outline"), QStringLiteral("Outline"), clWhite);
  selOutlineColour->SetAutomaticColour(clBlack);
  selOutlineWidth =
      new TPenWidthSelector(QStringLiteral("outline-width"), QString(), QStringLiteral("Outline Width"));
  selOutlineStyle =
      new TPenStyleSelector(QStringLiteral("outline-style"), QString(), QStringLiteral("Outline Style"));
  mnuArrange = new QMenu(Bar);
  actArrangeSendBack = Entry(mnuArrange, QStringLiteral("send-back"), QStringLiteral("Send to Back"));
  actArrangeSendFront = Entry(mnuArrange, QStringLiteral("send-front"), QStringLiteral("Send to Front"));
  mnuArrange->addSeparator();
  actArrangeAlignLefts = Entry(mnuArrange, QStringLiteral("align-lefts"), QStringLiteral("Align Lefts"));
  actArrangeAlignCenters = Entry(mnuArrange, QStringLiteral("align-centers"), QStringLiteral("Align Centers"));
  actArrangeAlignRights = Entry(mnuArrange, QStringLiteral("align-rights"), QStringLiteral("Align Rights"));
  mnuArrange->addSeparator();
  actArrangeAlignTops = Entry(mnuArrange, QStringLiteral("align-tops"), QStringLiteral("Align Tops"));
  actArrangeAlignMiddles = Entry(mnuArrange, QStringLiteral("align-middles"), QStringLiteral("Align Middles"));
  actArrangeAlignBases = Entry(mnuArrange, QStringLiteral("align-bases"), QStringLiteral("Align Bases"));
  btnArrange =
      MakeDropDownButton(QStringLiteral("arrange"), QStringLiteral("Arrange"), QStringLiteral("Arrange"), mnuArrange);
  drawing->SetRowsPerColumn(2);
  drawing->AddSmall(selFillColour);
  drawing->AddSmall(selOutlineColour);
  drawing->AddSmall(selOutlineWidth);
  drawing->AddSmall(selOutlineStyle);
  drawing->AddLarge(btnArrange);

  TRibbonGroup* tools = pgHome->AddGroup(QStringLiteral("Tools"));
  tbToolRect = Tool(QStringLiteral("tool-rect"), QString(), QStringLiteral("Rectangle"), 0);
  tbToolEllipse = Tool(QStringLiteral("tool-ellipse"), QString(), QStringLiteral("Ellipse"), 2);
  tbToolRoundRect = Tool(QStringLiteral("tool-round-rect"), QString(), QStringLiteral("Round Rect"), 1);
  tbToolPicture = Tool(QStringLiteral("tool-picture"), QString(), QStringLiteral("Picture"), 6);
  tbToolHLine = Tool(QStringLiteral("tool-hline"), QString(), QStringLiteral("Horizontal Line"), 5);
  tbToolVLine = Tool(QStringLiteral("tool-vline"), QString(), QStringLiteral("Vertical Line"), 4);
  // A gallery of two rows: the shapes above their rounded and pictured kin, the lines last.
  tools->SetRowsPerColumn(2);
  for (QToolButton* button : {tbToolRect, tbToolRoundRect, tbToolEllipse, tbToolPicture, tbToolHLine, tbToolVLine})
    tools->AddMedium(button);

  TRibbonGroup* dataGroup = pgHome->AddGroup(QStringLiteral("Data"));
  tbToolLabel = Tool(QStringLiteral("tool-label"), QStringLiteral("Label"), QStringLiteral("Label"), 7);
  tbToolText = Tool(QStringLiteral("tool-text"), QStringLiteral("Text Box"), QStringLiteral("Text Box"), 0);
  tbSelect = Select(QStringLiteral("Select"));
  tbToolImage = Tool(QStringLiteral("tool-image"), QStringLiteral("Image"), QStringLiteral("Dynamic Image"), 10);
  tbTool2D = Tool(QStringLiteral("tool-2d"), QStringLiteral("2D Barcode"), QStringLiteral("2D Barcode"), 9);
  tbToolBarcode = Tool(QStringLiteral("tool-barcode"), QStringLiteral("Barcode"), QStringLiteral("Barcode"), 8);
  dataGroup->AddLarge(tbSelect);
  for (QToolButton* button : {tbToolLabel, tbToolText, tbToolImage, tbToolBarcode, tbTool2D})
    dataGroup->AddSmall(button);

  TRibbonGroup* nudge = pgHome->AddGroup(QStringLiteral("Nudge"));
  btnNudgeLeft = MakeRibbonButton(QStringLiteral("nudge-left"), QString(), QStringLiteral("Nudge Legt"));
  btnNudgeRight = MakeRibbonButton(QStringLiteral("nudge-right"), QString(), QStringLiteral("Nudge Right"));
  btnNudgeUp = MakeRibbonButton(QStringLiteral("nudge-up"), QString(), QStringLiteral("Nudge Up"));
  btnNudgeDown = MakeRibbonButton(QStringLiteral("nudge-down"), QString(), QStringLiteral("Nudge Down"));
  // Laid out as a cross: up above down in the middle, left and right beside them.
  nudge->SetRowsPerColumn(2);
  nudge->AddMedium(btnNudgeLeft);
  nudge->EndColumn();
  nudge->AddMedium(btnNudgeUp);
  nudge->AddMedium(btnNudgeDown);
  nudge->AddMedium(btnNudgeRight);
}

void TDesignRibbon::BuildDesign()
{
  pgDesign = Bar->AddPage(QStringLiteral("Design"));

  TRibbonGroup* layout = pgDesign->AddGroup(QStringLiteral("Layout"));
  btnProperties =
      MakeRibbonButton(QStringLiteral("properties"), QStringLiteral("Properties"), QStringLiteral("Properties"));
  mnuVSize = new QMenu(Bar);
  actVSizeTallest = Entry(mnuVSize, QStringLiteral("size-tallest"), QStringLiteral("Grow to Tallest"));
  actVSizeSame = Entry(mnuVSize, QStringLiteral("size-same-height"), QStringLiteral("Make Same Height"));
  actVSizeSmallest = Entry(mnuVSize, QStringLiteral("size-shortest"), QStringLiteral("Shrink to Smallest"));
  actVSizeAverage = Entry(mnuVSize, QStringLiteral("size-average-height"), QStringLiteral("Make Average Height"));
  // The hint of this button reads "Nudge Right", as the designer has always shown it.
  btnVSize = new TSplitButton(QStringLiteral("Vertical Size"), QStringLiteral("Nudge Right"), mnuVSize);
  btnPageLayout =
      MakeRibbonButton(QStringLiteral("page-layout"), QStringLiteral("Page Layout"), QStringLiteral("Page Layout"));
  mnuHSize = new QMenu(Bar);
  actHSizeWidest = Entry(mnuHSize, QStringLiteral("size-widest"), QStringLiteral("Grow to Widest"));
  actHSizeSame = Entry(mnuHSize, QStringLiteral("size-same-width"), QStringLiteral("Make Same Width"));
  actHSizeThinnest = Entry(mnuHSize, QStringLiteral("size-thinnest"), QStringLiteral("Shrink to Thinnest"));
  actHSizeAverage = Entry(mnuHSize, QStringLiteral("size-average-width"), QStringLiteral("Make Average Width"));
  btnHSize = new TSplitButton(QStringLiteral("Horizontal Size"), QStringLiteral("Horizontal Size"), mnuHSize);
  btnDuplicate = MakeRibbonButton(QStringLiteral("duplicate"), QStringLiteral("Duplicate"), QStringLiteral("Duplicate"));
  btnSnap = MakeRibbonButton(QStringLiteral("snap"), QStringLiteral("Snap to Grid"), QStringLiteral("Snap to Grid"));
  btnSnap->setCheckable(true);
  for (QToolButton* button : {btnProperties, static_cast<QToolButton*>(btnVSize), btnPageLayout,
                              static_cast<QToolButton*>(btnHSize), btnDuplicate, btnSnap})
    layout->AddLarge(button);

  TRibbonGroup* edit = pgDesign->AddGroup(QStringLiteral("Edit"));
  btnSelectNone =
      MakeRibbonButton(QStringLiteral("select-none"), QStringLiteral("Select None"), QStringLiteral("Select None"));
  btnSelectAll =
      MakeRibbonButton(QStringLiteral("select-all"), QStringLiteral("Select All"), QStringLiteral("Select All"));
  btnInvertSelection = MakeRibbonButton(QStringLiteral("invert-selection"), QStringLiteral("Invert Selection"),
                                        QStringLiteral("Invert Selection"));
  edit->AddSmall(btnSelectNone);
  edit->AddSmall(btnSelectAll);
  edit->AddSmall(btnInvertSelection);

  TRibbonGroup* object = pgDesign->AddGroup(QStringLiteral("Object"));
  btnDeleteObject = MakeRibbonButton(QStringLiteral("delete-object"), QStringLiteral("Delete Object"),
                                     QStringLiteral("Delete Object"));
  btnToggleLock =
      MakeRibbonButton(QStringLiteral("toggle-lock"), QStringLiteral("Toggle Lock"), QStringLiteral("Toggle Lock"));
  object->AddLarge(btnDeleteObject);
  object->AddLarge(btnToggleLock);
}

void TDesignRibbon::BuildShapes()
{
  pgShapes = Bar->AddPage(QStringLiteral("Shapes"));

  // A gallery of two rows: arrows and star above, pointers and callout below, then the
  // two slanted boxes.
  TRibbonGroup* arrows = pgShapes->AddGroup(QStringLiteral("Arrows"));
  tbArrowLeft = Tool(QStringLiteral("shape-arrow-left"), QString(), QStringLiteral("Left Arrow"), 41);
  tbArrowRight = Tool(QStringLiteral("shape-arrow-right"), QString(), QStringLiteral("Right Arrow"), 42);
  tbArrowUp = Tool(QStringLiteral("shape-arrow-up"), QString(), QStringLiteral("Up Arrow"), 43);
  tbArrowDown = Tool(QStringLiteral("shape-arrow-down"), QString(), QStringLiteral("Down Arrow"), 44);
  tbStar = Tool(QStringLiteral("shape-star"), QString(), QStringLiteral("Star"), 45);
  tbCallout = Tool(QStringLiteral("shape-callout"), QString(), QStringLiteral("Callout"), 46);
  tbAll = Tool(QStringLiteral("shape-pointer-left"), QString(), QStringLiteral("All"), 47);
  tbPointerRight = Tool(QStringLiteral("shape-pointer-right"), QString(), QStringLiteral("Right pointer"), 48);
  tbPointerUp = Tool(QStringLiteral("shape-pointer-up"), QString(), QStringLiteral("Pointer Up"), 49);
  tbPointerDown = Tool(QStringLiteral("shape-pointer-down"), QString(), QStringLiteral("Pointer Down"), 50);
  tbLeftBox = Tool(QStringLiteral("shape-box-left"), QString(), QStringLiteral("Left"), 51);
  tbRightBox = Tool(QStringLiteral("shape-box-right"), QString(), QStringLiteral("Right"), 52);
  arrows->SetRowsPerColumn(2);
  QToolButton* const gallery[][2] = {{tbArrowLeft, tbAll},        {tbArrowRight, tbPointerRight},
                                           {tbArrowUp, tbPointerUp},    {tbArrowDown, tbPointerDown},
                                           {tbStar, tbCallout},         {tbLeftBox, tbRightBox}};
  for (const auto& column : gallery) {
    arrows->AddMedium(column[0]);
    arrows->AddMedium(column[1]);
  }

  TRibbonGroup* borders = pgShapes->AddGroup(QStringLiteral("Borders"));
  tbSelect2 = Select(QStringLiteral("Select"));
  tbTopleft = Tool(QStringLiteral("outline-top-left"), QString(), QStringLiteral("Top Left"), 11);
  tbTopRight = Tool(QStringLiteral("outline-top-right"), QString(), QStringLiteral("Top Right"), 12);
  tbTop = Tool(QStringLiteral("outline-top"), QString(), QStringLiteral("Top"), 13);
  tbBottomLeft = Tool(QStringLiteral("outline-bottom-left"), QString(), QStringLiteral("Bottom Left"), 14);
  tbBottomRight = Tool(QStringLiteral("outline-bottom-right"), QString(), QStringLiteral("Bottom Right"), 15);
  tbBottom = Tool(QStringLiteral("outline-bottom"), QString(), QStringLiteral("Bottom"), 16);
  tbLeft = Tool(QStringLiteral("outline-left"), QString(), QStringLiteral("Left"), 17);
  tbRight = Tool(QStringLiteral("outline-right"), QString(), QStringLiteral("Right"), 18);
  tbHorizontal = Tool(QStringLiteral("outline-horizontal"), QString(), QStringLiteral("Horizontal"), 19);
  tbVertical = Tool(QStringLiteral("outline-vertical"), QString(), QStringLiteral("Vertical"), 20);
  tbBox = Tool(QStringLiteral("outline-box"), QString(), QStringLiteral("All"), 21);
  // These outline tools carry no hint of their own; their tooltips name the lines drawn.
  tbL = Tool(QStringLiteral("outline-l"), QString(), QStringLiteral("Left Side"), 22, false);
  tbR = Tool(QStringLiteral("outline-r"), QString(), QStringLiteral("Right Side"), 23, false);
  tbT = Tool(QStringLiteral("outline-t"), QString(), QStringLiteral("Top Side"), 24, false);
  tbB = Tool(QStringLiteral("outline-b"), QString(), QStringLiteral("Bottom Side"), 25, false);
  tbLT = Tool(QStringLiteral("outline-lh"), QString(), QStringLiteral("Left Side and Horizontal Centre Line"), 26, false);
  tbRT = Tool(QStringLiteral("outline-rh"), QString(), QStringLiteral("Right Side and Horizontal Centre Line"), 27, false);
  tbBT = Tool(QStringLiteral("outline-bv"), QString(), QStringLiteral("Bottom Side and Vertical Centre Line"), 28, false);
  tbTT = Tool(QStringLiteral("outline-tv"), QString(), QStringLiteral("Top Side and Vertical Centre Line"), 29, false);
  tbX = Tool(QStringLiteral("outline-cross"), QString(), QStringLiteral("Both Centre Lines"), 30, false);
  tbLHR = Tool(QStringLiteral("outline-lhr"), QString(), QStringLiteral("Left and Right Sides, Horizontal Centre Line"),
               31, false);
  tbTVB = Tool(QStringLiteral("outline-tvb"), QString(), QStringLiteral("Top and Bottom Sides, Vertical Centre Line"),
               32, false);
  tbNoBorder = MakeRibbonButton(QStringLiteral("outline-none"), QString(), QStringLiteral("No Border"), this);
  borders->AddLarge(tbSelect2);
  borders->SetRowsPerColumn(2);
  QToolButton* const upper[] = {tbTopleft, tbTopRight, tbTop, tbBottomLeft, tbBottomRight, tbBottom,
                                      tbLeft,    tbRight,    tbHorizontal, tbVertical, tbBox};
  QToolButton* const lower[] = {tbL, tbR, tbT, tbB, tbLT, tbRT, tbBT, tbTT, tbX, tbLHR, tbTVB};
  for (size_t i = 0; i < std::size(upper); ++i) {
    borders->AddMedium(upper[i]);
    borders->AddMedium(lower[i]);
  }
  borders->AddMedium(tbNoBorder);
  borders->AddGap(TRibbonButtonSize::Medium);
}
