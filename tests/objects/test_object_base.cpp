#include "model/PageLayout.h"
#include "objects/DesignObject.h"

#include <gtest/gtest.h>

TEST(ObjectBase, HandleZonesGrowWithTheObject)
{
  TDesignObject o;
  o.SetBounds(0, 0, 40, 20); // zones 10 wide, 5 high
  const struct {
    int x, y, handle;
  } cases[] = {
    {10, 5, 0}, {11, 5, 3}, {10, 6, 1}, {0, 19, 2}, {30, 0, 5}, {29, 10, 8}, {39, 10, 6}, {39, 15, 7}, {20, 15, 4},
    {20, 14, 8},
  };
  for (const auto& c : cases)
    EXPECT_EQ(o.HandleAt(c.x, c.y), c.handle) << c.x << "," << c.y;
  o.SetBounds(0, 0, 8, 8); // zones of 2
  EXPECT_EQ(o.HandleAt(2, 2), 0);
  EXPECT_EQ(o.HandleAt(3, 3), 8);
  EXPECT_EQ(o.HandleAt(6, 6), 7);

  TDesignObject line;
  line.SetBorderShape(bshHLine);
  line.SetBounds(0, 0, 40, 20);
  EXPECT_EQ(line.HandleAt(5, 0), 1) << "the left quarter, whatever the height";
  EXPECT_EQ(line.HandleAt(5, 19), 1);
  EXPECT_EQ(line.HandleAt(20, 0), 8);
  line.SetBounds(0, 0, 3, 20); // both ends' zones overlap: east wins
  EXPECT_EQ(line.HandleAt(1, 5), 6);

  TDesignObject vline;
  vline.SetBorderShape(bshVLine);
  vline.SetBounds(0, 0, 20, 40);
  EXPECT_EQ(vline.HandleAt(0, 3), 3);
  EXPECT_EQ(vline.HandleAt(19, 39), 4);
  EXPECT_EQ(vline.HandleAt(19, 20), 8);

  EXPECT_EQ(TDesignObject::MoveModeOfHandle(0), mmNW);
  EXPECT_EQ(TDesignObject::MoveModeOfHandle(6), mmE);
  EXPECT_EQ(TDesignObject::CursorOfHandle(2), Qt::SizeBDiagCursor);
  EXPECT_EQ(TDesignObject::CursorOfHandle(8), Qt::SizeAllCursor);
}

TEST(ObjectBase, MoveModesChangeTheRightBounds)
{
  const struct {
    TMoveMode mode;
    QRect expected;
  } cases[] = {
    {mmMove, QRect(13, 24, 50, 30)}, {mmW, QRect(13, 20, 47, 30)}, {mmE, QRect(10, 20, 53, 30)},
    {mmN, QRect(10, 24, 50, 26)},    {mmS, QRect(10, 20, 50, 34)}, {mmNW, QRect(13, 24, 47, 26)},
    {mmSW, QRect(13, 20, 47, 34)},   {mmNE, QRect(10, 24, 53, 26)}, {mmSE, QRect(10, 20, 53, 34)},
  };
  for (const auto& c : cases) {
    TDesignObject o;
    o.SetBounds(10, 20, 50, 30);
    o.UpdateStoreAll();
    o.Move(c.mode, 3, 4);
    EXPECT_EQ(o.BoundsRect(), c.expected) << c.mode;
    EXPECT_EQ(o.StoreLeft(), o.Left()) << "without units store values are pixels";
    EXPECT_EQ(o.StoreHeight(), o.Height());
  }
  TDesignObject locked;
  locked.SetBounds(10, 20, 50, 30);
  locked.SetLocked(true);
  locked.Move(mmMove, 5, 5);
  EXPECT_EQ(locked.BoundsRect(), QRect(10, 20, 50, 30));
  // No minimum size: an edge dragged past the opposite one gives a negative width.
  TDesignObject o;
  o.SetBounds(0, 0, 10, 10);
  o.Move(mmE, -15, 0);
  EXPECT_EQ(o.Width(), -5);
}

TEST(ObjectBase, DraggingTheRightEdgeInStepsFollowsThePointer)
{
  TDesignObject o;
  o.SetBounds(0, 0, 40, 20);
  int moved = 0;
  o.OnMoved = [&](TDesignObject*, TMoveMode, int, int) { ++moved; };
  o.BeginMove(38, 10);
  EXPECT_EQ(o.MoveMode, mmE);
  o.DragMove(41, 10);
  o.DragMove(43, 10);
  EXPECT_EQ(o.Width(), 45);
  EXPECT_TRUE(o.IsMoving());
  o.EndMove();
  EXPECT_EQ(o.MoveMode, mmNone);
  EXPECT_FALSE(o.IsMoving());
  EXPECT_EQ(moved, 3) << "the start and each step are reported";
}

TEST(ObjectBase, StoreValuesAndTheirRounding)
{
  TDesignUnits units;
  units.SetResolution(96);
  TDesignObject o;
  o.SetUnits(&units);
  o.SetStoreWidth(100);
  EXPECT_EQ(o.Width(), 38);
  EXPECT_EQ(o.StoreWidth(), 100) << "a value set directly is kept";
  o.SetBounds(o.Left(), o.Top(), 38, 0);
  o.Move(mmE, 0, 0);
  EXPECT_EQ(o.StoreWidth(), 101) << "recomputed from the 38 pixels";
  o.SetStoreLeft(25);
  EXPECT_EQ(o.Left(), 9); // 9.45
  o.SetStoreTop(-50);
  EXPECT_EQ(o.Top(), -19);
}

TEST(ObjectBase, PropertiesAndDefaults)
{
  TDesignObject o;
  EXPECT_EQ(o.FontName(), "Arial");
  EXPECT_EQ(o.FontSize(), 9);
  EXPECT_EQ(o.FillColour(), clWhite);
  EXPECT_EQ(o.BorderWidth(), 1);
  EXPECT_TRUE(o.ExpandTabs());
  o.SetFontName("  Courier New  ");
  EXPECT_EQ(o.FontName(), "Courier New");
  o.SetFontName("   ");
  EXPECT_EQ(o.FontName(), "Arial");
  o.SetFontBold(true);
  o.SetFontItalic(true);
  o.SetFontBold(false);
  EXPECT_EQ(o.FontStyle(), int(fsItalic));
  o.SetHAlign(daFull);
  EXPECT_EQ(o.Alignment(), Qt::AlignLeft);
  o.SetHAlign(daRight);
  EXPECT_EQ(o.Alignment(), Qt::AlignRight);
  o.SetData(3, "data");
  EXPECT_EQ(o.Text(), "data");
  o.ResizeImage(); // no picture: nothing happens
  EXPECT_FALSE(o.HasImage());
  o.SetImagePath("/no/such/picture.png");
  EXPECT_FALSE(o.HasImage());
  EXPECT_EQ(o.ImagePath(), "");
  EXPECT_EQ(TDesignObject::GetImageTypeFromPath("a.JPEG"), ditJPG);
  EXPECT_EQ(TDesignObject::GetImageTypeFromPath("report.tar.png"), ditPNG);
  EXPECT_EQ(TDesignObject::GetImageTypeFromPath("scan.tif"), ditBMP);
  EXPECT_EQ(TDesignObject::GetImageTypeFromPath("noext"), ditBMP);

  TDesignObject other;
  EXPECT_NE(other.Name(), o.Name());
  const int a = o.Name().mid(6).toInt(), b = other.Name().mid(6).toInt();
  EXPECT_EQ(b, a + 1) << "names come from one counter";
}
