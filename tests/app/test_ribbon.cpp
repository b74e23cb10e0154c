// The designer's ribbon: its controls, the exclusive tool group and tool numbers, the
// selectors and split buttons, and the layout of each page in a 1280-pixel window.
#include "app/DesignRibbon.h"
#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFontComboBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>

namespace {

using TButtonMember = QToolButton* TDesignRibbon::*;

// The controls a user works with on a page: buttons and combo boxes, not their insides.
QList<QWidget*> Controls(QWidget* page)
{
  QList<QWidget*> result;
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QComboBox*>(w))
      continue;
    if (w->window() != page->window())
      continue; // inside a drop-down panel

    bool inner = false;
    for (QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
      inner = inner || qobject_cast<QComboBox*>(p);
    if (!inner)
      result.append(w);
  }
  return result;
}

QString GroupOf(const QWidget* control)
{
  for (const QWidget* p = control->parentWidget(); p; p = p->parentWidget())
    if (auto* group = qobject_cast<const TRibbonGroup*>(p))
      return group->Title();
  return QString();
}

QStringList Titles(const TRibbonPage* page)
{
  QStringList titles;
  for (const TRibbonGroup* group : page->Groups())
    titles << group->Title();
  return titles;
}

QStringList Captions(const QMenu* menu)
{
  QStringList captions;
  for (const QAction* action : menu->actions())
    if (!action->isSeparator())
      captions << action->text();
  return captions;
}

QAbstractButton* Swatch(const TColorSelector* selector, const QString& name)
{
  for (QAbstractButton* b : selector->Panel()->findChildren<QAbstractButton*>())
    if (b->toolTip() == name)
      return b;
  return nullptr;
}

QColor BarColour(const QAbstractButton* button)
{
  return button->icon().pixmap(24, 24).toImage().pixelColor(12, 20);
}

QString ShotsDir()
{
  const QString dir = QDir::cleanPath(QStringLiteral(ZENTAF_TEST_DATA "/../../shots"));
  QDir().mkpath(dir);
  return dir;
}

class RibbonTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    Ribbon.resize(1280, Ribbon.sizeHint().height());
    Ribbon.show();
    QApplication::processEvents();
  }
  void ShowPage(TRibbonPage* page)
  {
    Ribbon.Bar->setCurrentWidget(page);
    Ribbon.resize(1280, Ribbon.height());
    QApplication::processEvents();
  }
  QList<TRibbonPage*> Pages() const { return {Ribbon.pgHome, Ribbon.pgDesign, Ribbon.pgShapes}; }
  TDesignRibbon Ribbon;
};

TEST_F(RibbonTest, PagesHoldTheirGroupsInOrder)
{
  ASSERT_EQ(Ribbon.Bar->count(), 3);
  EXPECT_EQ(Ribbon.Bar->tabText(0), "Home");
  EXPECT_EQ(Ribbon.Bar->tabText(1), "Design");
  EXPECT_EQ(Ribbon.Bar->tabText(2), "Shapes");
  EXPECT_EQ(Titles(Ribbon.pgHome), QStringList({"File", "Clipboard", "Text", "Drawing", "Tools", "Data", "Nudge"}));
  EXPECT_EQ(Titles(Ribbon.pgDesign), QStringList({"Layout", "Edit", "Object"}));
  EXPECT_EQ(Titles(Ribbon.pgShapes), QStringList({"Arrows", "Borders"}));

  const struct {
    QWidget* Control;
    const char* Group;
    const char* Hint;
  } cases[] = {
    {Ribbon.btnNew, "File", "New Design"},
    {Ribbon.btnPrint, "File", "Print Design"},
    {Ribbon.btnPrintPreview, "File", "Print Preview"},
    {Ribbon.btnCut, "Clipboard", "Cut"},
    {Ribbon.cbFontSize, "Text", "Font Size"},
    {Ribbon.btnFontDecrease, "Text", "Decrease Font"},
    {Ribbon.selFontColour, "Text", "Font Color"},
    {Ribbon.btnVAlign, "Text", "Vertical Alignment"},
    {Ribbon.selFillColour, "Drawing", "Shape Fill"},
    {Ribbon.selOutlineWidth, "Drawing", "Outline Width"},
    {Ribbon.btnArrange, "Drawing", "Arrange"},
    {Ribbon.btnNudgeLeft, "Nudge", "Nudge Legt"},
    {Ribbon.btnVSize, "Layout", "Nudge Right"},
    {Ribbon.btnHSize, "Layout", "Horizontal Size"},
    {Ribbon.btnSnap, "Layout", "Snap to Grid"},
    {Ribbon.btnInvertSelection, "Edit", "Invert Selection"},
    {Ribbon.btnToggleLock, "Object", "Toggle Lock"},
    {Ribbon.tbSelect2, "Borders", "Select"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GroupOf(c.Control), c.Group) << c.Hint;
    EXPECT_EQ(c.Control->toolTip(), c.Hint);
  }
}

TEST_F(RibbonTest, EveryControlHasAHintAndAFace)
{
  for (TRibbonPage* page : Pages()) {
    const QList<QWidget*> controls = Controls(page);
    ASSERT_FALSE(controls.isEmpty());
    for (QWidget* control : controls) {
      EXPECT_FALSE(control->toolTip().isEmpty()) << control->metaObject()->className();
      if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        EXPECT_TRUE(!button->icon().isNull() || !button->text().isEmpty()) << button->toolTip().toStdString();
      }
    }
  }
  // Every icon of the ribbon comes from the compiled-in resources and draws something.
  for (QWidget* control : Controls(Ribbon.pgHome) + Controls(Ribbon.pgDesign) + Controls(Ribbon.pgShapes)) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (!button)
      continue;
    const QImage image = button->icon().pixmap(24, 24).toImage();
    bool painted = false;
    for (int y = 0; y < image.height() && !painted; ++y)
      for (int x = 0; x < image.width() && !painted; ++x)
        painted = qAlpha(image.pixel(x, y)) > 0;
    EXPECT_TRUE(painted) << button->toolTip().toStdString();
  }
}

TEST_F(RibbonTest, ToolNumbersFollowTheToolTables)
{
  const struct {
    TButtonMember Button;
    int Number;
    const char* Hint;
  } cases[] = {
    {&TDesignRibbon::tbToolRect, 0, "Rectangle"},
    {&TDesignRibbon::tbToolText, 0, "Text Box"},
    {&TDesignRibbon::tbToolRoundRect, 1, "Round Rect"},
    {&TDesignRibbon::tbToolEllipse, 2, "Ellipse"},
    {&TDesignRibbon::tbToolVLine, 4, "Vertical Line"},
    {&TDesignRibbon::tbToolHLine, 5, "Horizontal Line"},
    {&TDesignRibbon::tbToolPicture, 6, "Picture"},
    {&TDesignRibbon::tbToolLabel, 7, "Label"},
    {&TDesignRibbon::tbToolBarcode, 8, "Barcode"},
    {&TDesignRibbon::tbTool2D, 9, "2D Barcode"},
    {&TDesignRibbon::tbToolImage, 10, "Dynamic Image"},
    {&TDesignRibbon::tbTopleft, 11, "Top Left"},
    {&TDesignRibbon::tbLeft, 17, "Left"},
    {&TDesignRibbon::tbBox, 21, "All"},
    {&TDesignRibbon::tbL, 22, nullptr},
    {&TDesignRibbon::tbX, 30, nullptr},
    {&TDesignRibbon::tbTVB, 32, nullptr},
    {&TDesignRibbon::tbArrowLeft, 41, "Left Arrow"},
    {&TDesignRibbon::tbArrowRight, 42, "Right Arrow"},
    {&TDesignRibbon::tbArrowUp, 43, "Up Arrow"},
    {&TDesignRibbon::tbArrowDown, 44, "Down Arrow"},
    {&TDesignRibbon::tbStar, 45, "Star"},
    {&TDesignRibbon::tbCallout, 46, "Callout"},
    {&TDesignRibbon::tbAll, 47, "All"},
    {&TDesignRibbon::tbPointerRight, 48, "Right pointer"},
    {&TDesignRibbon::tbPointerUp, 49, "Pointer Up"},
    {&TDesignRibbon::tbPointerDown, 50, "Pointer Down"},
    {&TDesignRibbon::tbLeftBox, 51, "Left"},
    {&TDesignRibbon::tbRightBox, 52, "Right"},
  };
  QSignalSpy chosen(&Ribbon, &TDesignRibbon::toolChosen);
  for (const auto& c : cases) {
    QToolButton* button = Ribbon.*c.Button;
    EXPECT_EQ(Ribbon.ToolNumber(button), c.Number);
    if (c.Hint) {
      EXPECT_EQ(button->toolTip(), c.Hint);
    }
    button->click();
    ASSERT_FALSE(chosen.isEmpty());
    EXPECT_EQ(chosen.takeLast().at(0).toInt(), c.Number);
  }
  for (QAbstractButton* none : {static_cast<QAbstractButton*>(Ribbon.tbSelect), static_cast<QAbstractButton*>(Ribbon.tbSelect2),
                                static_cast<QAbstractButton*>(Ribbon.tbNoBorder), static_cast<QAbstractButton*>(Ribbon.btnNew)})
    EXPECT_EQ(Ribbon.ToolNumber(none), -1);
}

TEST_F(RibbonTest, ExclusiveGroupKeepsOneToolDown)
{
  const QList<QToolButton*> momentary = {Ribbon.tbL,  Ribbon.tbR,  Ribbon.tbT, Ribbon.tbB,   Ribbon.tbLT, Ribbon.tbRT,
                                         Ribbon.tbBT, Ribbon.tbTT, Ribbon.tbX, Ribbon.tbLHR, Ribbon.tbTVB};
  // The group holds every tool button of the pages except the momentary outline tools.
  for (TRibbonPage* page : Pages()) {
    for (QWidget* control : Controls(page)) {
      auto* button = qobject_cast<QToolButton*>(control);
      const bool tool = Ribbon.ToolNumber(button) >= 0 || button == Ribbon.tbSelect || button == Ribbon.tbSelect2;
      const bool expected = tool && !momentary.contains(button);
      EXPECT_EQ(Ribbon.ToolGroup->buttons().contains(button), expected) << control->toolTip().toStdString();
    }
  }
  auto down = [this] {
    QList<QAbstractButton*> checked;
    for (QAbstractButton* b : Ribbon.ToolGroup->buttons())
      if (b->isChecked())
        checked << b;
    return checked;
  };
  EXPECT_EQ(down(), QList<QAbstractButton*>{Ribbon.tbSelect});

  QSignalSpy selects(&Ribbon, &TDesignRibbon::selectChosen);
  for (QToolButton* button : {Ribbon.tbToolRect, Ribbon.tbArrowUp, Ribbon.tbTopleft, Ribbon.tbSelect2}) {
    button->click();
    EXPECT_EQ(down(), QList<QAbstractButton*>{button}) << button->toolTip().toStdString();
  }
  EXPECT_EQ(selects.count(), 1);

  Ribbon.tbBox->click();
  for (QToolButton* button : momentary) {
    button->click();
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(down(), QList<QAbstractButton*>{Ribbon.tbBox});
  }
  Ribbon.tbNoBorder->click();
  EXPECT_FALSE(Ribbon.tbNoBorder->isChecked());

  Ribbon.ShowSelectDown();
  EXPECT_EQ(down(), QList<QAbstractButton*>{Ribbon.tbSelect});
  EXPECT_EQ(selects.count(), 1);
}

TEST_F(RibbonTest, ColourSelectorsStartAndChoose)
{
  EXPECT_EQ(Ribbon.selFontColour->Colour(), clBlack);
  EXPECT_EQ(Ribbon.selFillColour->Colour(), clWhite);
  EXPECT_EQ(Ribbon.selOutlineColour->Colour(), clWhite);

  TColorSelector* selector = Ribbon.selFontColour;
  QSignalSpy chosen(selector, &TColorSelector::colourChosen);
  QSignalSpy clicked(selector, &QToolButton::clicked);

  for (const auto& entry : TColorSelector::Palette)
    ASSERT_NE(Swatch(selector, QString::fromLatin1(entry.Name)), nullptr) << entry.Name;
  QAbstractButton* red = Swatch(selector, QStringLiteral("Red"));
  red->click();
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.takeFirst().at(0).value<TColor>(), TColor(0x0000FF));
  EXPECT_EQ(selector->Colour(), TColor(0x0000FF));
  EXPECT_EQ(BarColour(selector), QColor(255, 0, 0));
  EXPECT_EQ(clicked.count(), 0);

  selector->click();
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(chosen.count(), 0);

  selector->Panel()->findChild<QAbstractButton*>(QStringLiteral("automatic"))->click();
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.takeFirst().at(0).value<TColor>(), clBlack);

  selector->Panel()->findChild<QAbstractButton*>(QStringLiteral("moreColors"))->click();
  QColorDialog* dialog = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QColorDialog*>(w); d && d->isVisible())
      dialog = d;
  ASSERT_NE(dialog, nullptr);
  dialog->setCurrentColor(QColor(0x10, 0x80, 0xF0));
  dialog->accept();
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.takeFirst().at(0).value<TColor>(), RGBColor(0x10, 0x80, 0xF0));
  EXPECT_EQ(selector->Colour(), TColor(0xF08010));

  Ribbon.selFillColour->Panel()->findChild<QAbstractButton*>(QStringLiteral("automatic"))->click();
  EXPECT_EQ(Ribbon.selFillColour->Colour(), clWhite);
  Ribbon.selOutlineColour->SetColour(clNavy);
  EXPECT_EQ(BarColour(Ribbon.selOutlineColour), QColor(0, 0, 0x80));
}

TEST_F(RibbonTest, PenWidthSelectorChoosesWithoutClicking)
{
  TPenWidthSelector* selector = Ribbon.selOutlineWidth;
  EXPECT_EQ(selector->Width(), 1);
  QSignalSpy chosen(selector, &TPenWidthSelector::widthChosen);
  QSignalSpy clicked(selector, &QToolButton::clicked);
  for (int width : {3, 6, 1}) {
    ASSERT_NE(selector->Entry(width), nullptr);
    selector->Entry(width)->click();
    EXPECT_EQ(selector->Width(), width);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.takeFirst().at(0).toInt(), width);
    for (int other = 1; other <= TPenWidthSelector::MaxWidth; ++other)
      EXPECT_EQ(selector->Entry(other)->isChecked(), other == width);
  }
  EXPECT_EQ(clicked.count(), 0);
  selector->Entry(4)->click();
  selector->click();
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(selector->Width(), 4);
}

TEST_F(RibbonTest, PenStyleSelectorReportsOrdinals)
{
  TPenStyleSelector* selector = Ribbon.selOutlineStyle;
  EXPECT_EQ(selector->PenStyle(), int(psSolid));
  QSignalSpy chosen(selector, &TPenStyleSelector::styleChosen);
  QSignalSpy clicked(selector, &QToolButton::clicked);
  for (int style : {psDashDot, psClear, psDot, psDash, psDashDotDot, psSolid}) {
    ASSERT_NE(selector->Entry(style), nullptr);
    selector->Entry(style)->click();
    EXPECT_EQ(selector->PenStyle(), style);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.takeFirst().at(0).toInt(), style);
  }
  EXPECT_EQ(selector->Entry(psInsideFrame), nullptr);
  selector->click();
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(chosen.count(), 0);
}

TEST_F(RibbonTest, DropDownMenusAndSplitButtons)
{
  EXPECT_EQ(Captions(Ribbon.mnuArrange), QStringList({"Send to Back", "Send to Front", "Align Lefts", "Align Centers",
                                                       "Align Rights", "Align Tops", "Align Middles", "Align Bases"}));
  EXPECT_EQ(Captions(Ribbon.mnuHAlign), QStringList({"Left Justify", "Center Justify", "Right Justify", "Full Justify"}));
  EXPECT_EQ(Captions(Ribbon.mnuVAlign), QStringList({"Top Justify", "Middle Justify", "Base Justify"}));
  EXPECT_EQ(Captions(Ribbon.mnuHSize),
            QStringList({"Grow to Widest", "Make Same Width", "Shrink to Thinnest", "Make Average Width"}));
  EXPECT_EQ(Captions(Ribbon.mnuVSize),
            QStringList({"Grow to Tallest", "Make Same Height", "Shrink to Smallest", "Make Average Height"}));
  EXPECT_EQ(Ribbon.btnArrange->menu(), Ribbon.mnuArrange);
  EXPECT_EQ(Ribbon.btnArrange->popupMode(), QToolButton::InstantPopup);
  EXPECT_EQ(Ribbon.actArrangeAlignCenters->text(), "Align Centers");
  EXPECT_EQ(Ribbon.actVSizeSmallest->text(), "Shrink to Smallest");

  const struct {
    TSplitButton* Button;
    QMenu* Menu;
    QAction* First;
    QAction* Other;
  } cases[] = {
    {Ribbon.btnVAlign, Ribbon.mnuVAlign, Ribbon.actVAlignTop, Ribbon.actVAlignBase},
    {Ribbon.btnHAlign, Ribbon.mnuHAlign, Ribbon.actHAlignLeft, Ribbon.actHAlignFull},
    {Ribbon.btnVSize, Ribbon.mnuVSize, Ribbon.actVSizeTallest, Ribbon.actVSizeAverage},
    {Ribbon.btnHSize, Ribbon.mnuHSize, Ribbon.actHSizeWidest, Ribbon.actHSizeThinnest},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.Button->menu(), c.Menu);
    EXPECT_EQ(c.Button->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(c.Button->lastAction(), c.First);
    QSignalSpy clicked(c.Button, &QToolButton::clicked);
    QSignalSpy triggered(c.Other, &QAction::triggered);
    c.Other->trigger();
    EXPECT_EQ(c.Button->lastAction(), c.Other);
    EXPECT_EQ(c.Button->icon().cacheKey(), c.Other->icon().cacheKey());
    c.Button->click();
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_EQ(c.Button->lastAction(), c.Other);
  }
}

TEST_F(RibbonTest, FontSelectorsOfferTheSizeLadder)
{
  EXPECT_TRUE(Ribbon.cbFontName->isEditable());
  EXPECT_TRUE(Ribbon.cbFontSize->isEditable());
  QStringList sizes;
  for (int i = 0; i < Ribbon.cbFontSize->count(); ++i)
    sizes << Ribbon.cbFontSize->itemText(i);
  EXPECT_EQ(sizes, QStringList({"6", "7", "8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28",
                                "36", "48", "72"}));
  Ribbon.cbFontSize->setEditText(QStringLiteral("13"));
  EXPECT_EQ(Ribbon.cbFontSize->currentText(), "13");
  Ribbon.cbFontName->setEditText(QStringLiteral("Liberation Sans"));
  EXPECT_EQ(Ribbon.cbFontName->currentText(), "Liberation Sans");
}

TEST_F(RibbonTest, EachPageFitsA1280PixelWindow)
{
  EXPECT_EQ(Ribbon.height(), TRibbonBar::FixedHeight);
  for (TRibbonPage* page : Pages()) {
    ShowPage(page);
    EXPECT_EQ(Ribbon.width(), 1280);
    EXPECT_LE(Ribbon.minimumSizeHint().width(), 1280);
    QList<QWidget*> items = Controls(page);
    for (QLabel* title : page->findChildren<QLabel*>(QStringLiteral("ribbonGroupTitle")))
      items << title;
    QList<QRect> rects;
    for (QWidget* item : items) {
      const QRect r(item->mapTo(&Ribbon, QPoint(0, 0)), item->size());
      const std::string name = (item->toolTip().isEmpty() ? item->objectName() : item->toolTip()).toStdString();
      EXPECT_TRUE(item->isVisible()) << name;
      EXPECT_GE(r.left(), 0) << name;
      EXPECT_LE(r.right(), 1279) << name;
      EXPECT_GE(r.top(), 0) << name;
      EXPECT_LT(r.bottom(), Ribbon.height()) << name;
      // Laid out at no less than its natural size: no caption or icon is cut off.
      const QSize natural = qobject_cast<QLabel*>(item) ? item->minimumSizeHint() : item->sizeHint();
      EXPECT_GE(r.width(), std::min(natural.width(), item->maximumWidth())) << name;
      EXPECT_GE(r.height(), std::min(natural.height(), item->maximumHeight())) << name;
      rects << r;
    }
    for (int i = 0; i < rects.size(); ++i)
      for (int j = i + 1; j < rects.size(); ++j)
        EXPECT_FALSE(rects[i].intersects(rects[j]))
            << items[i]->toolTip().toStdString() << " overlaps " << items[j]->toolTip().toStdString();
  }
}

// Pictures of the pages, the drop-downs and all icons, for a person to look at.
TEST_F(RibbonTest, RendersScreenshots)
{
  const QString dir = ShotsDir();
  const char* const names[] = {"ribbon-home.png", "ribbon-design.png", "ribbon-shapes.png"};
  for (int i = 0; i < 3; ++i) {
    ShowPage(Pages()[i]);
    const QPixmap shot = Ribbon.grab();
    EXPECT_EQ(shot.width(), 1280);
    const QString file = dir + QLatin1Char('/') + QLatin1String(names[i]);
    EXPECT_TRUE(shot.save(file));
    // Both halves at twice the size, to judge the icons and captions up close.
    for (int half = 0; half < 2; ++half) {
      const QPixmap part = shot.copy(half * 640, 0, 640, shot.height()).scaled(1280, 2 * shot.height());
      EXPECT_TRUE(part.save(QString(file).replace(QStringLiteral(".png"), QStringLiteral("-zoom%1.png").arg(half + 1))));
    }
  }
  Ribbon.selFontColour->SetColour(clRed);
  Ribbon.selFillColour->SetColour(clYellow);
  Ribbon.selOutlineWidth->SetWidth(3);
  Ribbon.selOutlineStyle->SetPenStyle(psDash);
  ShowPage(Ribbon.pgHome);
  QWidget* drops[] = {Ribbon.selFontColour->Panel(), Ribbon.selOutlineWidth->Panel(), Ribbon.selOutlineStyle->Panel(),
                      Ribbon.mnuArrange, Ribbon.mnuHAlign, Ribbon.mnuVSize};
  QList<QPixmap> parts = {Ribbon.grab(QRect(0, 0, 1280, Ribbon.height()))};
  int width = 0;
  QList<QPixmap> row;
  for (QWidget* drop : drops) {
    drop->ensurePolished();
    drop->adjustSize();
    row << drop->grab();
    width += row.last().width() + 12;
  }
  QPixmap sheet(std::max(width, 1280), Ribbon.height() + 12 + 260);
  sheet.fill(QColor(0xee, 0xf0, 0xf3));
  QPainter painter(&sheet);
  painter.drawPixmap(0, 0, parts.first());
  int x = 6;
  for (const QPixmap& p : row) {
    painter.drawPixmap(x, Ribbon.height() + 12, p);
    x += p.width() + 12;
  }
  painter.end();
  EXPECT_TRUE(sheet.save(dir + QStringLiteral("/ribbon-dropdowns.png")));

  Ribbon.selFillColour->OpenColorDialog();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<QColorDialog*>(w); dialog && dialog->isVisible()) {
      EXPECT_TRUE(dialog->grab().save(dir + QStringLiteral("/colour-dialog.png")));
      dialog->reject();
    }
  }

  const QStringList icons = QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")});
  ASSERT_FALSE(icons.isEmpty());
  const int columns = 12;
  QPixmap iconSheet(columns * 120, ((icons.size() + columns - 1) / columns) * 64);
  iconSheet.fill(Qt::white);
  QPainter iconPainter(&iconSheet);
  QFont small = iconPainter.font();
  small.setPixelSize(9);
  iconPainter.setFont(small);
  for (int i = 0; i < icons.size(); ++i) {
    const QPoint at((i % columns) * 120, (i / columns) * 64);
    const QIcon icon(QStringLiteral(":/icons/") + icons[i]);
    iconPainter.drawPixmap(at + QPoint(4, 4), icon.pixmap(32, 32));
    iconPainter.drawPixmap(at + QPoint(42, 4), icon.pixmap(24, 24));
    iconPainter.drawPixmap(at + QPoint(72, 4), icon.pixmap(16, 16));
    iconPainter.drawText(QRect(at + QPoint(2, 40), QSize(116, 20)), Qt::AlignLeft, icons[i]);
  }
  iconPainter.end();
  EXPECT_TRUE(iconSheet.save(dir + QStringLiteral("/icons.png")));
}

} // namespace
