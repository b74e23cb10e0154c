#pragma once
// TDesignRibbon: the designer's ribbon with the pages "Home", "Design" and "Shapes". It
// only builds and exposes the controls; the main window connects them to its commands.
// The tool buttons form one exclusive group and report the tool number they choose.
#include "app/RibbonWidgets.h"

#include <QWidget>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QComboBox;
class QFontComboBox;
class QMenu;

class TDesignRibbon : public QWidget {
  Q_OBJECT
public:
  explicit TDesignRibbon(QWidget* parent = nullptr);

  // The tool number a button chooses, or -1 for buttons that choose no tool.
  int ToolNumber(const QAbstractButton* button) const;
  // Shows the Select button down again, releasing the tool buttons.
  void ShowSelectDown();

  TRibbonBar* Bar = nullptr;
  TRibbonPage* pgHome = nullptr;
  TRibbonPage* pgDesign = nullptr;
  TRibbonPage* pgShapes = nullptr;
  QButtonGroup* ToolGroup = nullptr;

  // Home / File
  QToolButton* btnNew = nullptr;
  QToolButton* btnOpen = nullptr;
  QToolButton* btnSave = nullptr;
  QToolButton* btnPrint = nullptr;
  QToolButton* btnPrintPreview = nullptr;
  // Home / Clipboard
  QToolButton* btnPaste = nullptr;
  QToolButton* btnCopy = nullptr;
  QToolButton* btnCut = nullptr;
  // Home / Text
  QFontComboBox* cbFontName = nullptr;
  QComboBox* cbFontSize = nullptr;
  QToolButton* btnBold = nullptr;
  QToolButton* btnItalic = nullptr;
  QToolButton* btnFontDecrease = nullptr;
  QToolButton* btnFontIncrease = nullptr;
  TColorSelector* selFontColour = nullptr;
  TSplitButton* btnVAlign = nullptr;
  TSplitButton* btnHAlign = nullptr;
  // Home / Drawing
  TColorSelector* selFillColour = nullptr;
  TColorSelector* selOutlineColour = nullptr;
  TPenWidthSelector* selOutlineWidth = nullptr;
  QToolButton* btnArrange = nullptr;
  TPenStyleSelector* selOutlineStyle = nullptr;
  // Home / Tools
  QToolButton* tbToolRect = nullptr;
  QToolButton* tbToolEllipse = nullptr;
  QToolButton* tbToolRoundRect = nullptr;
  QToolButton* tbToolPicture = nullptr;
  QToolButton* tbToolHLine = nullptr;
  QToolButton* tbToolVLine = nullptr;
  // Home / Data
  QToolButton* tbToolLabel = nullptr;
  QToolButton* tbToolText = nullptr;
  QToolButton* tbSelect = nullptr;
  QToolButton* tbToolImage = nullptr;
  QToolButton* tbTool2D = nullptr;
  QToolButton* tbToolBarcode = nullptr;
  // Home / Nudge
  QToolButton* btnNudgeLeft = nullptr;
  QToolButton* btnNudgeRight = nullptr;
  QToolButton* btnNudgeUp = nullptr;
  QToolButton* btnNudgeDown = nullptr;

  // Design / Layout
  QToolButton* btnProperties = nullptr;
  TSplitButton* btnVSize = nullptr;
  QToolButton* btnPageLayout = nullptr;
  TSplitButton* btnHSize = nullptr;
  QToolButton* btnDuplicate = nullptr;
  QToolButton* btnSnap = nullptr;
  // Design / Edit
  QToolButton* btnSelectNone = nullptr;
  QToolButton* btnSelectAll = nullptr;
  QToolButton* btnInvertSelection = nullptr;
  // Design / Object
  QToolButton* btnDeleteObject = nullptr;
  QToolButton* btnToggleLock = nullptr;

  // Shapes / Arrows
  QToolButton* tbArrowLeft = nullptr;
  QToolButton* tbArrowRight = nullptr;
  QToolButton* tbArrowUp = nullptr;
  QToolButton* tbArrowDown = nullptr;
  QToolButton* tbStar = nullptr;
  QToolButton* tbCallout = nullptr;
  QToolButton* tbAll = nullptr;
  QToolButton* tbPointerRight = nullptr;
  QToolButton* tbPointerUp = nullptr;
  QToolButton* tbPointerDown = nullptr;
  QToolButton* tbLeftBox = nullptr;
  QToolButton* tbRightBox = nullptr;
  // Shapes / Borders: the outline tools that stay down
  QToolButton* tbTopleft = nullptr;
  QToolButton* tbTopRight = nullptr;
  QToolButton* tbTop = nullptr;
  QToolButton* tbBottomLeft = nullptr;
  QToolButton* tbBottomRight = nullptr;
  QToolButton* tbBottom = nullptr;
  QToolButton* tbLeft = nullptr;
  QToolButton* tbRight = nullptr;
  QToolButton* tbHorizontal = nullptr;
  QToolButton* tbVertical = nullptr;
  QToolButton* tbBox = nullptr;
  // Shapes / Borders: the outline tools that do not stay down
  QToolButton* tbL = nullptr;
  QToolButton* tbR = nullptr;
  QToolButton* tbT = nullptr;
  QToolButton* tbB = nullptr;
  QToolButton* tbLT = nullptr;
  QToolButton* tbRT = nullptr;
  QToolButton* tbBT = nullptr;
  QToolButton* tbTT = nullptr;
  QToolButton* tbX = nullptr;
  QToolButton* tbLHR = nullptr;
  QToolButton* tbTVB = nullptr;
  // Shapes / Borders: the second Select button and the button without an action
  QToolButton* tbSelect2 = nullptr;
  QToolButton* tbNoBorder = nullptr;

  // The arrange menu ("Arrange")
  QMenu* mnuArrange = nullptr;
  QAction* actArrangeSendBack = nullptr;
  QAction* actArrangeSendFront = nullptr;
  QAction* actArrangeAlignLefts = nullptr;
  QAction* actArrangeAlignCenters = nullptr;
  QAction* actArrangeAlignRights = nullptr;
  QAction* actArrangeAlignTops = nullptr;
  QAction* actArrangeAlignMiddles = nullptr;
  QAction* actArrangeAlignBases = nullptr;
  // The horizontal alignment menu ("Horizontal Alignment")
  QMenu* mnuHAlign = nullptr;
  QAction* actHAlignLeft = nullptr;
  QAction* actHAlignCenter = nullptr;
  QAction* actHAlignRight = nullptr;
  QAction* actHAlignFull = nullptr;
  // The vertical alignment menu ("Vertical Alignment")
  QMenu* mnuVAlign = nullptr;
  QAction* actVAlignTop = nullptr;
  QAction* actVAlignMiddle = nullptr;
  QAction* actVAlignBase = nullptr;
  // The width sizing menu ("Horizontal Size")
  QMenu* mnuHSize = nullptr;
  QAction* actHSizeWidest = nullptr;
  QAction* actHSizeSame = nullptr;
  QAction* actHSizeThinnest = nullptr;
  QAction* actHSizeAverage = nullptr;
  // The height sizing menu ("Vertical Size")
  QMenu* mnuVSize = nullptr;
  QAction* actVSizeTallest = nullptr;
  QAction* actVSizeSame = nullptr;
  QAction* actVSizeSmallest = nullptr;
  QAction* actVSizeAverage = nullptr;

Q_SIGNALS:
  void toolChosen(int toolNumber);
  void selectChosen();

private:
  void BuildHome();
  void BuildDesign();
  void BuildShapes();
  QToolButton* Tool(const QString& icon, const QString& caption, const QString& hint, int toolNumber,
                    bool staysDown = true);
  QToolButton* Select(const QString& caption);
};
