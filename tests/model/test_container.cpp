#include "editing/Ruler.h"
#include "model/Band.h"
#include "model/Container.h"
#include "model/Surface.h"

#include "support/Support.h"

#include <gtest/gtest.h>

TEST(Container, BandLookupAndCurrentBand)
{
  TDesignContainer c;
  EXPECT_EQ(c.CurrentBand(), nullptr);
  EXPECT_EQ(c.Surface(), nullptr);
  EXPECT_EQ(c.ControlCount(), 0);
  EXPECT_FALSE(c.HasSelection());

  TDesignBand* b0 = c.AppendBand();
  EXPECT_EQ(c.Band(-1), nullptr);
  EXPECT_EQ(c.Band(1), nullptr);
  c.SetSelectedBand(5);
  EXPECT_EQ(c.CurrentBand(), b0) << "one band is always the current one";

  TDesignBand* b1 = c.AppendBand();
  TDesignBand* b2 = c.AppendBand();
  c.SetSelectedBand(2);
  EXPECT_EQ(c.Surface(), b2->Surface());
  c.SetSelectedBand(-3);
  EXPECT_EQ(c.CurrentBand(), b0);

  TDesignBand* inserted = c.InsertBand(1);
  EXPECT_EQ(c.Bands(), 4);
  EXPECT_EQ(c.Band(1), inserted);
  EXPECT_EQ(c.Band(2), b1);

  c.DeleteBand(7);
  EXPECT_EQ(c.Bands(), 4);
  c.DeleteBand(1);
  EXPECT_EQ(c.Band(1), b1);

  c.ClearBands();
  EXPECT_EQ(c.Bands(), 0);
  EXPECT_EQ(c.Surface(), nullptr);
  EXPECT_EQ(c.ControlCountAll(), 0);
}

TEST(Container, FocusBandShowsFocusOnOneBand)
{
  TDesignContainer c;
  TDesignBand* b0 = c.AppendBand();
  TDesignBand* b1 = c.AppendBand();
  c.FocusBand(1);
  EXPECT_FALSE(b0->HasFocus());
  EXPECT_TRUE(b1->HasFocus());
  EXPECT_EQ(c.SelectedBand(), 1);
  c.FocusBand(9);
  EXPECT_FALSE(b1->HasFocus());
  EXPECT_EQ(c.SelectedBand(), 1) << "a missing band does not become current";
}

TEST(Container, HandlersAreCopiedWhenABandIsMade)
{
  TDesignContainer c;
  int calls = 0;
  TDesignBand* early = c.AppendBand();
  c.OnSelectionChanged = [&](TDesignSurface*) { ++calls; };
  c.SetParentDeletes(true);
  TDesignBand* late = c.AppendBand();
  EXPECT_FALSE(early->Surface()->OnSelectionChanged);
  EXPECT_FALSE(early->Surface()->ParentDeletes());
  ASSERT_TRUE(late->Surface()->OnSelectionChanged);
  late->Surface()->OnSelectionChanged(late->Surface());
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(late->Surface()->ParentDeletes());
  EXPECT_EQ(late->Surface()->Units(), c.Units());
  EXPECT_EQ(late->Units(), c.Units());
}

TEST(Container, DesignModeReachesEverySurface)
{
  TDesignContainer c;
  c.AppendBand();
  c.AppendBand();
  c.SetDesignMode(dmCreate);
  EXPECT_EQ(c.Band(0)->Surface()->DesignMode(), dmCreate);
  EXPECT_EQ(c.Band(1)->Surface()->DesignMode(), dmCreate);
}

TEST(Band, HeightFollowsRulersAndSizeable)
{
  TDesignContainer c;
  TDesignBand* band = c.AppendBand();
  band->Surface()->resize(800, 1100);
  band->SetShowLeftRuler(true);
  band->SetShowTopRuler(true);
  EXPECT_EQ(band->height(), 1130);
  band->SetSizeable(true);
  EXPECT_EQ(band->height(), 1140);
  band->SetSizeable(false);
  band->SetShowTopRuler(false);
  band->SetShowLeftRuler(false);
  EXPECT_EQ(band->height(), 1105);
  band->SetCaption("Detail");
  EXPECT_EQ(band->height(), 1115);
}

TEST(Band, RulersAndSurfaceAreArrangedForEveryCombination)
{
  TDesignContainer c;
  TDesignBand* band = c.AppendBand();
  band->SetStoreWidth(1000); // 377 pixels
  band->SetStoreHeight(500); // 188 pixels
  const int W = band->Surface()->width(), H = band->Surface()->height();
  ASSERT_EQ(W, 377);
  ASSERT_EQ(H, 188);
  const struct {
    bool top, left;
    QRect topRuler, leftRuler;
    QPoint surface;
  } cases[] = {
    {true, true, QRect(25, 0, W, 25), QRect(0, 25, 25, H), QPoint(25, 25)},
    {true, false, QRect(0, 0, W, 25), QRect(), QPoint(0, 25)},
    {false, true, QRect(), QRect(0, 0, 25, H), QPoint(25, 0)},
    {false, false, QRect(), QRect(), QPoint(0, 0)},
  };
  for (const auto& k : cases) {
    band->SetShowTopRuler(k.top);
    band->SetShowLeftRuler(k.left);
    EXPECT_EQ(band->TopRuler() ? band->TopRuler()->geometry() : QRect(), k.topRuler);
    EXPECT_EQ(band->LeftRuler() ? band->LeftRuler()->geometry() : QRect(), k.leftRuler);
    EXPECT_EQ(band->Surface()->pos(), k.surface);
  }
  band->SetShowLeftRuler(true);
  band->SetStoreWidth(1000);
  EXPECT_EQ(band->DesignWidth(), W + 30);
  band->SetShowLeftRuler(false);
  band->SetStoreWidth(1000);
  EXPECT_EQ(band->DesignWidth(), W + 5);
}

TEST(Band, RenderedBandShowsRulersSurfaceAndBackdrop)
{
  TDesignContainer c;
  c.resize(300, 300); // narrower than the band: the band keeps its own width
  TDesignBand* band = c.AppendBand();
  band->SetStoreWidth(1000);
  band->SetStoreHeight(500);
  band->SetShowTopRuler(true);
  band->SetShowLeftRuler(true);
  ASSERT_EQ(band->DesignWidth(), 377 + 30);
  const QImage img = RenderWidget(band);
  SaveShot(img, "band");
  const unsigned backdrop = 0xA0A0A0, silver = 0xC0C0C0, white = 0xFFFFFF;
  EXPECT_EQ(PixelRgb(img, 5, 5), backdrop) << "the corner where the rulers meet";
  EXPECT_EQ(PixelRgb(img, 25 + 1, 2), silver) << "top ruler, just right of its unit line";
  EXPECT_EQ(PixelRgb(img, 25, 24), 0x696969u) << "top ruler's shadow edge";
  EXPECT_EQ(PixelRgb(img, 3, 25 + 1), silver) << "left ruler";
  EXPECT_EQ(PixelRgb(img, 100, 100), white) << "the surface";
  EXPECT_EQ(PixelRgb(img, 25 + 377 + 2, 100), backdrop) << "band right of the surface";
  EXPECT_EQ(PixelRgb(img, 100, 25 + 188 + 2), backdrop) << "band below the surface";
}

TEST(Band, ImperialSwitchesTheRulers)
{
  TDesignContainer c;
  TDesignBand* band = c.AppendBand();
  band->SetShowTopRuler(true);
  band->SetShowLeftRuler(true);
  band->SetImperial(true);
  EXPECT_EQ(band->TopRuler()->Units(), ruInch);
  EXPECT_EQ(band->LeftRuler()->Units(), ruInch);
  band->SetImperial(false);
  EXPECT_EQ(band->TopRuler()->Units(), ruCM);
  // A ruler shown later takes the band's setting.
  band->SetShowTopRuler(false);
  band->SetImperial(true);
  band->SetShowTopRuler(true);
  EXPECT_EQ(band->TopRuler()->Units(), ruInch);
}

TEST(Band, SurfacePositionMovesTheRulerMarkers)
{
  TDesignContainer c;
  TDesignBand* band = c.AppendBand();
  band->SetShowTopRuler(true);
  band->SetShowLeftRuler(true);
  band->Surface()->OnShowPosition(band->Surface(), 120, 45);
  EXPECT_EQ(band->TopRuler()->LastPosition(), 120);
  EXPECT_EQ(band->LeftRuler()->LastPosition(), 45);
}
