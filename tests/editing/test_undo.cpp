#include "editing/LimitedStack.h"
#include "editing/Undo.h"
#include "model/Band.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "objects/DesignObject.h"

#include "support/Support.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

struct UndoFixture : ::testing::Test {
  TDesignContainer container;
  TDesignBand* band = container.AppendBand();
  TDesignSurface* s = band->Surface();
  TDesignUndoManager* undo = container.UndoManager();

  UndoFixture()
  {
    band->SetStoreWidth(2100);
    band->SetStoreHeight(2970);
    s->SetSnapToGrid(false);
  }

  TDesignObject* Add(const QRect& R, const QString& Text = "x")
  {
    auto* o = new TDesignObject;
    o->SetText(Text);
    s->AddControlAt(o, R.adjusted(2, 2, -2, -2));
    return o;
  }

  // A grouped command that changes the text of Obj, as the property commands record it.
  void ChangeText(TDesignObject* Obj, const QString& Text)
  {
    undo->StartUndo();
    undo->AddChanged(s, Obj);
    undo->EndUndo();
    Obj->SetText(Text);
  }
};

} // namespace

TEST(LimitedStack, KeepsTheNewestItemsUpToItsLimit)
{
  std::vector<int> freed;
  TLimitedStack<int> stack;
  stack.SetLimit(3);
  EXPECT_THROW(stack.Pop(), std::out_of_range);
  EXPECT_THROW(stack.Peek(), std::out_of_range);
  stack.Push(1);
  stack.Push(2);
  stack.Push(3);
  stack.Push(4);
  EXPECT_EQ(stack.Count(), 4) << "without OnFreeItem nothing is dropped";
  stack.OnFreeItem = [&](TLimitedStack<int>*, int& v) { freed.push_back(v); };
  stack.AddRange({5, 6});
  EXPECT_EQ(stack.Count(), 3);
  EXPECT_EQ(freed, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(stack.Peek(), 6);
  EXPECT_EQ(stack.Pop(), 6);
  freed.clear();
  stack.Clear();
  EXPECT_EQ(freed, (std::vector<int>{5, 4})) << "newest first";
  EXPECT_EQ(stack.Count(), 0);
}

TEST_F(UndoFixture, ElevenCommandsAndElevenUndos)
{
  TDesignObject* o = Add(QRect(10, 10, 50, 20), "0");
  for (int i = 1; i <= 11; ++i)
    ChangeText(o, QString::number(i));
  EXPECT_EQ(undo->GroupCount(), 10);
  for (int i = 0; i < 10; ++i)
    container.Undo();
  EXPECT_EQ(o->Text(), "1") << "only the last ten were kept";
  container.Undo();
  EXPECT_EQ(o->Text(), "1") << "the eleventh Undo does nothing";
  // The oldest change is gone from the history but not from the design: it still
  // counts as changed, so closing it asks about saving.
  EXPECT_TRUE(container.Changed());
  EXPECT_TRUE(undo->Empty());
}

TEST_F(UndoFixture, ADragOfThreeObjectsIsUndoneInOneStep)
{
  TDesignObject* a = Add(QRect(100, 100, 50, 30));
  TDesignObject* b = Add(QRect(200, 100, 50, 30));
  TDesignObject* c = Add(QRect(300, 100, 50, 30));
  undo->ClearAll();
  Mouse::Drag(s, QPoint(90, 90), QPoint(400, 140));
  Mouse::Press(s, QPoint(120, 110));
  for (int x = 120; x <= 180; x += 10)
    Mouse::Move(s, QPoint(x, 110));
  Mouse::Release(s, QPoint(180, 110));
  ASSERT_EQ(a->Left(), 160);
  ASSERT_EQ(c->Left(), 360);
  EXPECT_EQ(undo->GroupCount(), 1);
  container.Undo();
  EXPECT_EQ(a->BoundsRect(), QRect(100, 100, 50, 30));
  EXPECT_EQ(b->BoundsRect(), QRect(200, 100, 50, 30));
  EXPECT_EQ(c->BoundsRect(), QRect(300, 100, 50, 30));
  EXPECT_FALSE(container.Changed());
}

TEST_F(UndoFixture, MoveThenChangeAreTwoSteps)
{
  TDesignObject* o = Add(QRect(100, 100, 50, 30), "before");
  undo->ClearAll();
  Mouse::Press(s, QPoint(120, 110));
  Mouse::Move(s, QPoint(120, 110));
  Mouse::Move(s, QPoint(150, 110));
  Mouse::Release(s, QPoint(150, 110));
  ChangeText(o, "after");
  container.Undo();
  EXPECT_EQ(o->Text(), "before");
  EXPECT_EQ(o->Left(), 130);
  container.Undo();
  EXPECT_EQ(o->Left(), 100);
}

TEST_F(UndoFixture, RunsOfMovesKeepTheFirstState)
{
  TDesignObject* o = Add(QRect(100, 100, 50, 30));
  undo->ClearAll();
  for (int i = 0; i < 3; ++i) {
    undo->AddMoved(s, o); // a nudge records without a group of its own
    o->Move(mmMove, 4, 0);
  }
  EXPECT_EQ(undo->PendingCount(), 1);
  container.Undo();
  EXPECT_EQ(o->Left(), 100);
}

TEST_F(UndoFixture, DeletedObjectsComeBackSelectedInFrontWithNewNames)
{
  TDesignObject* a = Add(QRect(10, 10, 50, 20), "a");
  TDesignObject* b = Add(QRect(10, 40, 50, 20), "b");
  Add(QRect(10, 70, 50, 20), "c");
  const QString nameA = a->Name();
  undo->StartUndo();
  undo->AddDeleted(s, a, 0);
  undo->AddDeleted(s, b, 1);
  undo->EndUndo();
  s->DeleteControl(s->ControlIndexByName(b->Name()));
  s->DeleteControl(s->ControlIndexByName(a->Name()));
  ASSERT_EQ(s->ControlCount(), 1);
  container.Undo();
  ASSERT_EQ(s->ControlCount(), 3);
  EXPECT_EQ(s->GetControl(1)->Text(), "a");
  EXPECT_EQ(s->GetControl(2)->Text(), "b");
  EXPECT_EQ(s->GetControl(1)->SelectMode(), smAny);
  EXPECT_NE(s->GetControl(1)->Name(), nameA);
  EXPECT_EQ(s->GetControl(1)->BoundsRect(), QRect(10, 10, 50, 20));
}

TEST_F(UndoFixture, DrawingIsUndoneUntilAGroupedCommandDiscardsIt)
{
  s->OnCreateObject = [](TDesignSurface*, TDesignObject*& o) { o = new TDesignObject; };
  s->SetDesignMode(dmCreate);
  Mouse::Drag(s, QPoint(100, 100), QPoint(150, 130));
  ASSERT_EQ(s->ControlCount(), 1);
  EXPECT_TRUE(container.Changed());
  container.Undo();
  EXPECT_EQ(s->ControlCount(), 0);
  EXPECT_FALSE(container.Changed());

  TDesignObject* other = Add(QRect(300, 300, 20, 20));
  undo->ClearAll();
  s->SetDesignMode(dmCreate);
  Mouse::Drag(s, QPoint(100, 100), QPoint(150, 130));
  ChangeText(other, "changed"); // the grouped command discards the pending creation
  container.Undo();
  EXPECT_EQ(other->Text(), "x");
  container.Undo();
  EXPECT_EQ(s->ControlCount(), 2) << "the drawn object can no longer be removed by Undo";
  EXPECT_TRUE(container.Changed()) << "but the design still counts as changed";
}

TEST_F(UndoFixture, ZOrderAndEditsAndBlocking)
{
  TDesignObject* a = Add(QRect(10, 10, 50, 20), "a");
  Add(QRect(10, 40, 50, 20), "b");
  undo->ClearAll();
  undo->StartUndo();
  undo->AddZOrder(s, a, 0);
  undo->EndUndo();
  s->SetControlIndex(a->Name(), 5);
  EXPECT_EQ(s->GetControl(1), a);
  container.Undo();
  EXPECT_EQ(s->GetControl(0), a);

  // An in-place edit is one step of its own.
  a->SetCanEdit(true);
  a->SetSelectMode(smFirst);
  a->StartEdit();
  a->Editor()->setPlainText("edited");
  a->StopEdit();
  EXPECT_EQ(undo->GroupCount(), 1);
  container.Undo();
  EXPECT_EQ(a->Text(), "a");

  undo->SetBlocked(true);
  ChangeText(a, "unrecorded");
  undo->SetBlocked(false);
  EXPECT_FALSE(container.Changed());
  container.Undo();
  EXPECT_EQ(a->Text(), "unrecorded");

  // An action whose object is gone is skipped.
  ChangeText(a, "gone");
  s->DeleteControl(0);
  container.Undo();
  EXPECT_EQ(s->ControlCount(), 1);
  undo->Rewind();
}
