#include "model/Band.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "objects/DesignObject.h"

#include "support/Support.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

// A surface in a band at 96 pixels per inch, driven with real mouse events.
struct SelectionFixture : ::testing::Test {
  TDesignContainer container;
  TDesignBand* band = container.AppendBand();
  TDesignSurface* s = band->Surface();
  int selectionChanges = 0;
  QPoint lastPosition{-1, -1};

  SelectionFixture()
  {
    band->SetStoreWidth(2100);
    band->SetStoreHeight(2970);
    s->OnSelectionChanged = [this](TDesignSurface*) { ++selectionChanges; };
    s->OnShowPosition = [this](TDesignSurface*, int x, int y) { lastPosition = QPoint(x, y); };
  }

  // An object whose pixel bounds are exactly R (adopted with a rectangle 2 smaller).
  TDesignObject* Add(const QRect& R)
  {
    auto* o = new TDesignObject;
    o->SetCanEdit(true);
    o->SetText("text");
    s->AddControlAt(o, R.adjusted(2, 2, -2, -2));
    EXPECT_EQ(o->BoundsRect(), R);
    return o;
  }
};

} // namespace

TEST_F(SelectionFixture, RubberBandSelectsWhatItEnclosesInAnyDirection)
{
  TDesignObject* inside = Add(QRect(100, 100, 50, 30));
  TDesignObject* edge = Add(QRect(50, 100, 40, 30));       // left edge on the band's left edge
  TDesignObject* sticking = Add(QRect(49, 150, 40, 30));   // one pixel outside
  TDesignObject* outside = Add(QRect(400, 400, 20, 20));
  for (bool reverse : {false, true}) {
    const QPoint a(50, 90), b(200, 200);
    Mouse::Drag(s, reverse ? b : a, reverse ? a : b);
    EXPECT_EQ(inside->SelectMode(), smAny) << reverse;
    EXPECT_EQ(edge->SelectMode(), smAny) << reverse;
    EXPECT_EQ(sticking->SelectMode(), smNone) << reverse;
    EXPECT_EQ(outside->SelectMode(), smNone) << reverse;
    EXPECT_FALSE(s->RubberBandShowing());
  }
  // Pressing on the empty surface clears the selection; an empty band still notifies.
  const int before = selectionChanges;
  Mouse::Drag(s, QPoint(600, 600), QPoint(650, 650));
  EXPECT_FALSE(s->HasSelection());
  EXPECT_EQ(selectionChanges, before + 2) << "the press and the release both notify";
}

TEST_F(SelectionFixture, RubberBandIsDrawnDottedWhileStretched)
{
  Mouse::Press(s, QPoint(300, 300));
  Mouse::Move(s, QPoint(250, 260));
  ASSERT_TRUE(s->RubberBandShowing());
  EXPECT_EQ(s->RubberBand().width(), -50);
  EXPECT_EQ(lastPosition, QPoint(250, 260));
  const QImage img = RenderWidget(s);
  int dark = 0;
  for (int x = 250; x < 300; ++x)
    dark += PixelRgb(img, x, 260) == 0;
  EXPECT_GT(dark, 10);
  EXPECT_LT(dark, 45) << "dotted, not solid";
  Mouse::Release(s, QPoint(250, 260));
}

TEST_F(SelectionFixture, ClicksAndShiftClicks)
{
  TDesignObject* a = Add(QRect(100, 100, 50, 30));
  TDesignObject* b = Add(QRect(200, 100, 50, 30));
  TDesignObject* c = Add(QRect(300, 100, 50, 30));

  Mouse::Click(s, QPoint(120, 110));
  EXPECT_EQ(a->SelectMode(), smFirst);
  EXPECT_EQ(lastPosition, QPoint(100, 100));
  Mouse::Click(s, QPoint(220, 110));
  EXPECT_EQ(a->SelectMode(), smNone) << "a plain click leaves only the clicked object selected";
  EXPECT_EQ(b->SelectMode(), smFirst);

  Mouse::Click(s, QPoint(320, 110), Qt::ShiftModifier);
  EXPECT_EQ(c->SelectMode(), smFollow);
  EXPECT_EQ(b->SelectMode(), smFirst);
  Mouse::Click(s, QPoint(220, 110), Qt::ShiftModifier);
  EXPECT_EQ(b->SelectMode(), smNone);
  Mouse::Click(s, QPoint(320, 110), Qt::ShiftModifier);
  const int before = selectionChanges;
  EXPECT_FALSE(s->HasSelection());
  Mouse::Click(s, QPoint(320, 110), Qt::ShiftModifier);
  Mouse::Click(s, QPoint(320, 110), Qt::ShiftModifier);
  EXPECT_EQ(selectionChanges, before + 2) << "deselecting the only selected object still notifies";

  // A plain click on a member of a group keeps the group and raises nothing.
  Mouse::Drag(s, QPoint(90, 90), QPoint(400, 140));
  const int group = selectionChanges;
  Mouse::Click(s, QPoint(220, 110));
  EXPECT_EQ(a->SelectMode(), smAny);
  EXPECT_EQ(b->SelectMode(), smAny);
  EXPECT_EQ(c->SelectMode(), smAny);
  EXPECT_EQ(selectionChanges, group);

  // Right-clicks do not touch the selection.
  Mouse::Press(s, QPoint(120, 110), Qt::RightButton);
  Mouse::Release(s, QPoint(120, 110), Qt::RightButton);
  EXPECT_EQ(a->SelectMode(), smAny);
}

TEST_F(SelectionFixture, DraggingMovesEverySelectedObjectAndSnaps)
{
  s->SetSnapToGrid(false);
  TDesignObject* a = Add(QRect(100, 100, 50, 30));
  TDesignObject* b = Add(QRect(200, 100, 50, 30));
  TDesignObject* locked = Add(QRect(300, 100, 50, 30));
  locked->SetLocked(true);
  Mouse::Drag(s, QPoint(90, 90), QPoint(400, 140));
  ASSERT_TRUE(a->SelectMode() == smAny && locked->SelectMode() == smAny);

  // Widen from the right edge: every unlocked selected object widens by the same 30. The
  // first move starts the drag; the steps after it move.
  Mouse::Press(s, QPoint(148, 115));
  Mouse::Move(s, QPoint(148, 115));
  Mouse::Move(s, QPoint(160, 115));
  Mouse::Move(s, QPoint(178, 115));
  Mouse::Release(s, QPoint(178, 115));
  EXPECT_EQ(a->BoundsRect(), QRect(100, 100, 80, 30));
  EXPECT_EQ(b->BoundsRect(), QRect(200, 100, 80, 30));
  EXPECT_EQ(locked->BoundsRect(), QRect(300, 100, 50, 30));
  EXPECT_FALSE(a->IsMoving());
  EXPECT_FALSE(b->IsMoving());

  // Holding Shift while dragging moves nothing.
  Mouse::Drag(s, QPoint(215, 115), QPoint(245, 145), 3, Qt::ShiftModifier);
  EXPECT_EQ(b->Left(), 200);
}

TEST_F(SelectionFixture, SnapToWholeMillimetresAfterADrag)
{
  s->SetSnapToGrid(false);
  TDesignObject* o = Add(QRect(100, 100, 50, 30));
  s->SetSnapToGrid(true);
  Mouse::Click(s, QPoint(120, 110));
  // Drag so that the store left becomes 25 (9 px = 23.8 -> 24; use store values directly).
  o->SetStoreLeft(25);
  Mouse::Drag(s, QPoint(o->Left() + 20, 110), QPoint(o->Left() + 20, 110 + 1), 1);
  EXPECT_EQ(o->StoreLeft(), 20) << "25 goes to the even millimetre";
  o->SetStoreLeft(35);
  Mouse::Drag(s, QPoint(o->Left() + 20, 111), QPoint(o->Left() + 20, 110), 1);
  EXPECT_EQ(o->StoreLeft(), 40);

  s->SetSnapToGrid(false);
  TDesignObject* p = Add(QRect(300, 300, 57, 33));
  EXPECT_NE(p->StoreWidth() % 10, 0);
  s->SetSnapToGrid(true);
  Mouse::Drag(s, QPoint(250, 250), QPoint(500, 500));
  Mouse::Drag(s, QPoint(320, 310), QPoint(337, 323), 5);
  ASSERT_EQ(p->SelectMode(), smAny);
  for (TDesignObject* x : {p}) {
    EXPECT_EQ(x->StoreLeft() % 10, 0);
    EXPECT_EQ(x->StoreTop() % 10, 0);
    EXPECT_EQ(x->StoreWidth() % 10, 0);
    EXPECT_EQ(x->StoreHeight() % 10, 0);
  }
}

TEST_F(SelectionFixture, CreateModeMakesAnObjectFromTheRubberBand)
{
  TDesignObject* existing = Add(QRect(100, 100, 50, 30));
  int asked = 0;
  s->OnCreateObject = [&](TDesignSurface*, TDesignObject*& o) {
    ++asked;
    o = new TDesignObject;
    s->SetDesignMode(dmSelect);
  };
  s->SetSnapToGrid(false);
  s->SetDesignMode(dmCreate);
  Mouse::Click(s, QPoint(300, 300));
  ASSERT_EQ(s->ControlCount(), 2);
  EXPECT_EQ(s->GetControl(1)->BoundsRect(), QRect(298, 298, 5, 5)) << "a click gives 1 x 1, grown by 2";

  // Over an existing object the drag still draws, and the press clears the selection.
  existing->SetSelectMode(smFirst);
  s->SetDesignMode(dmCreate);
  Mouse::Drag(s, QPoint(140, 120), QPoint(110, 105));
  ASSERT_EQ(s->ControlCount(), 3);
  EXPECT_EQ(s->GetControl(2)->BoundsRect(), QRect(108, 103, 34, 19));
  EXPECT_EQ(existing->SelectMode(), smNone);
  EXPECT_EQ(asked, 2);

  // With snapping the new object lands on whole millimetres.
  s->SetSnapToGrid(true);
  s->SetDesignMode(dmCreate);
  Mouse::Click(s, QPoint(500, 500));
  TDesignObject* snapped = s->GetControl(3);
  EXPECT_EQ(snapped->StoreLeft() % 10, 0);
  EXPECT_EQ(snapped->StoreWidth() % 10, 0);

  // A handler that makes nothing creates nothing.
  s->OnCreateObject = [](TDesignSurface*, TDesignObject*&) {};
  s->SetDesignMode(dmCreate);
  Mouse::Click(s, QPoint(600, 600));
  EXPECT_EQ(s->ControlCount(), 4);
  EXPECT_FALSE(s->RubberBandShowing());
}

TEST_F(SelectionFixture, DoubleClickEditsThePrimarySelectionOnly)
{
  TDesignObject* o = Add(QRect(100, 100, 80, 30));
  std::vector<std::pair<QString, QString>> edits;
  o->OnEdited = [&](TDesignObject*, const QString& a, const QString& b) { edits.emplace_back(a, b); };
  Mouse::Drag(s, QPoint(90, 90), QPoint(300, 300));
  ASSERT_EQ(o->SelectMode(), smAny);
  Mouse::DoubleClick(s, QPoint(140, 115));
  EXPECT_EQ(o->Editor(), nullptr) << "a rubber-band selection is not edited";

  Mouse::Click(s, QPoint(500, 500));
  Mouse::DoubleClick(s, QPoint(140, 115));
  ASSERT_NE(o->Editor(), nullptr);
  EXPECT_TRUE(o->Editing());
  EXPECT_EQ(o->Editor()->geometry(), o->BoundsRect());
  EXPECT_EQ(o->Editor()->toPlainText(), "text");
  o->Editor()->setPlainText("first\nsecond");
  // Leaving the selection ends the edit and takes the new text (lines end with CR LF).
  o->SetSelectMode(smNone);
  EXPECT_EQ(o->Text(), "first\r\nsecond");
  EXPECT_FALSE(o->Editing());
  EXPECT_EQ(o->Editor(), nullptr);
  ASSERT_EQ(edits.size(), 1u);
  EXPECT_EQ(edits[0].first, "text");
  EXPECT_EQ(edits[0].second, "first\r\nsecond");
}

TEST_F(SelectionFixture, SelectionCommands)
{
  TDesignObject* a = Add(QRect(100, 100, 50, 30));
  TDesignObject* b = Add(QRect(200, 100, 50, 30));
  s->SelectAll();
  EXPECT_EQ(a->SelectMode(), smAny);
  EXPECT_EQ(b->SelectMode(), smAny);
  b->SetSelectMode(smFirst);
  a->SetSelectMode(smNone);
  s->InvertSelection();
  EXPECT_EQ(a->SelectMode(), smAny);
  EXPECT_EQ(b->SelectMode(), smNone);
  s->SelectNone();
  EXPECT_FALSE(s->HasSelection());
  EXPECT_EQ(selectionChanges, 3);
}

TEST_F(SelectionFixture, BeforeSaveFinishesARubberBand)
{
  TDesignObject* a = Add(QRect(100, 100, 50, 30));
  Mouse::Press(s, QPoint(90, 90));
  Mouse::Move(s, QPoint(200, 200));
  s->BeforeSave();
  EXPECT_FALSE(s->RubberBandShowing());
  EXPECT_EQ(a->SelectMode(), smAny);
}

TEST_F(SelectionFixture, HoverShowsTheHandleCursor)
{
  Add(QRect(100, 100, 40, 20));
  Mouse::Move(s, QPoint(139, 119), Qt::NoButton);
  EXPECT_EQ(s->cursor().shape(), Qt::SizeFDiagCursor);
  Mouse::Move(s, QPoint(120, 110), Qt::NoButton);
  EXPECT_EQ(s->cursor().shape(), Qt::SizeAllCursor);
  Mouse::Move(s, QPoint(400, 400), Qt::NoButton);
  EXPECT_EQ(s->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(lastPosition, QPoint(400, 400));
}
