#include "editing/Ruler.h"

#include "support/Support.h"

#include <gtest/gtest.h>

namespace {

// Columns (horizontal ruler) at which the pattern has a black pixel in row Y.
std::vector<int> BlackColumns(const QImage& img, int y)
{
  std::vector<int> cols;
  for (int x = 0; x < img.width(); ++x)
    if (PixelRgb(img, x, y) == 0)
      cols.push_back(x);
  return cols;
}

bool IsDark(unsigned rgb)
{
  return ((rgb >> 16 & 0xFF) + (rgb >> 8 & 0xFF) + (rgb & 0xFF)) < 3 * 96;
}

} // namespace

TEST(Ruler, CentimetrePatternAt96Dpi)
{
  TDesignRuler ruler;
  ruler.SetOrientation(roBottom);
  ruler.resize(400, 25);
  const QImage pattern = ruler.UnitPattern();
  EXPECT_NEAR(ruler.PPU(), 37.795, 0.001);
  EXPECT_EQ(pattern.width(), 38);
  EXPECT_EQ(pattern.height(), 25);
  // Every tick reaches the bottom edge; the unit line spans the full depth.
  EXPECT_EQ(BlackColumns(pattern, 24), (std::vector<int>{0, 3, 7, 11, 15, 18, 22, 26, 30, 34}));
  EXPECT_EQ(BlackColumns(pattern, 12), (std::vector<int>{0, 3, 7, 11, 15, 18, 22, 26, 30, 34}));
  EXPECT_EQ(BlackColumns(pattern, 11), (std::vector<int>{0, 18})) << "short ticks start at y 12";
  EXPECT_EQ(BlackColumns(pattern, 9), (std::vector<int>{0, 18})) << "the half-unit tick starts at y 9";
  EXPECT_EQ(BlackColumns(pattern, 8), (std::vector<int>{0}));
  EXPECT_EQ(BlackColumns(pattern, 0), (std::vector<int>{0}));
  EXPECT_EQ(PixelRgb(pattern, 1, 0), 0xC0C0C0u);
}

TEST(Ruler, InchPatternAt96Dpi)
{
  TDesignRuler ruler;
  ruler.SetOrientation(roBottom);
  ruler.SetUnits(ruInch);
  ruler.resize(400, 25);
  const QImage pattern = ruler.UnitPattern();
  EXPECT_DOUBLE_EQ(ruler.PPU(), 96.0);
  EXPECT_EQ(pattern.width(), 96);
  EXPECT_EQ(BlackColumns(pattern, 24), (std::vector<int>{0, 9, 19, 28, 38, 48, 57, 67, 76, 86}));
}

TEST(Ruler, VerticalPatternsRunDownTheRuler)
{
  TDesignRuler ruler;
  ruler.SetOrientation(roRight);
  ruler.resize(25, 400);
  const QImage pattern = ruler.UnitPattern();
  EXPECT_EQ(pattern.width(), 25);
  EXPECT_EQ(pattern.height(), 38);
  EXPECT_EQ(PixelRgb(pattern, 24, 3), 0u);
  EXPECT_EQ(PixelRgb(pattern, 12, 3), 0u);
  EXPECT_EQ(PixelRgb(pattern, 11, 3), 0xC0C0C0u);
  EXPECT_EQ(PixelRgb(pattern, 9, 18), 0u);
  EXPECT_EQ(PixelRgb(pattern, 0, 0), 0u);
  EXPECT_EQ(PixelRgb(pattern, 5, 1), 0xC0C0C0u);

  ruler.SetOrientation(roLeft);
  const QImage left = ruler.UnitPattern();
  EXPECT_EQ(PixelRgb(left, 0, 3), 0u);
  EXPECT_EQ(PixelRgb(left, 11, 3), 0u);
  EXPECT_EQ(PixelRgb(left, 12, 3), 0xC0C0C0u);
  EXPECT_EQ(PixelRgb(left, 15, 18), 0u) << "half tick reaches 2/3 of the depth";
}

TEST(Ruler, DrawsTheTiledScaleNumbersAndEdge)
{
  TDesignRuler ruler;
  ruler.SetOrientation(roBottom);
  ruler.resize(794, 25);
  const QImage img = RenderWidget(&ruler);
  SaveShot(img, "ruler-cm");
  // The pattern repeats every 38 pixels from the control's origin.
  EXPECT_EQ(PixelRgb(img, 38, 20), 0u);
  EXPECT_EQ(PixelRgb(img, 38 * 10 + 3, 20), 0u);
  EXPECT_EQ(PixelRgb(img, 38 * 10 + 1, 20), 0xC0C0C0u);
  // The edge facing the page: black at H-2, dark shadow at H-1.
  EXPECT_EQ(PixelRgb(img, 1, 23), 0u);
  EXPECT_EQ(PixelRgb(img, 1, 24), 0x696969u);
  // Number 10 starts at x 378 (round(10 * 37.795)), at the top of the ruler.
  auto darkIn = [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x)
      for (int y = 0; y <= 8; ++y)
        if (IsDark(PixelRgb(img, x, y)))
          return true;
    return false;
  };
  EXPECT_FALSE(darkIn(376, 377));
  EXPECT_TRUE(darkIn(378, 379));
  // Number 1 at 38 overlaps the unit line; number 2 at 76: nothing dark just before it.
  EXPECT_FALSE(darkIn(73, 74));
  EXPECT_TRUE(darkIn(76, 78));
}

TEST(Ruler, NumbersCanBeHidden)
{
  TDesignRuler ruler;
  ruler.SetOrientation(roBottom);
  ruler.resize(400, 25);
  ruler.SetShowNumbers(false);
  const QImage img = RenderWidget(&ruler);
  for (int x = 77; x < 90; ++x)
    EXPECT_EQ(PixelRgb(img, x, 3), 0xC0C0C0u) << x;
}

TEST(Ruler, OneMarkerIsVisibleAfterSuccessivePositions)
{
  TDesignRuler ruler;
  ruler.SetOrientation(roBottom);
  ruler.resize(400, 25);
  ruler.SetShowPosition(true);
  ruler.SetPosition(101);
  ruler.SetPosition(203);
  EXPECT_EQ(ruler.LastPosition(), 203);
  const QImage img = RenderWidget(&ruler);
  // Not-XOR with black inverts the silver background.
  EXPECT_EQ(PixelRgb(img, 203, 5), 0x3F3F3Fu);
  EXPECT_EQ(PixelRgb(img, 203, 24), 0x969696u) << "the shadow edge is inverted too";
  EXPECT_EQ(PixelRgb(img, 101, 5), 0xC0C0C0u) << "the old marker is gone";

  TDesignRuler quiet;
  quiet.resize(400, 25);
  quiet.SetPosition(101);
  EXPECT_EQ(quiet.LastPosition(), 0) << "without ShowPosition the marker does not move";
}

TEST(Ruler, VerticalMarkerIsAHorizontalLine)
{
  TDesignRuler ruler;
  ruler.SetOrientation(roRight);
  ruler.resize(25, 400);
  ruler.SetShowPosition(true);
  ruler.SetPosition(50);
  const QImage img = RenderWidget(&ruler);
  EXPECT_EQ(PixelRgb(img, 5, 50), 0x3F3F3Fu);
  EXPECT_EQ(PixelRgb(img, 5, 51), 0xC0C0C0u);
}
