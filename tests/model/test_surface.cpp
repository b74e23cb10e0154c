#include "model/Container.h"
#include "model/Band.h"
#include "model/PageLayout.h"
#include "model/Surface.h"
#include "objects/DesignImage.h"
#include "objects/DesignObject.h"

#include "support/Support.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A surface inside a band of a container, at the offscreen screen's 96 pixels per inch.
struct SurfaceFixture : ::testing::Test {
  TDesignContainer container;
  TDesignBand* band = container.AppendBand();
  TDesignSurface* surface = band->Surface();
  TDesignUnits* units = container.Units();

  TDesignObject* Add(const QRect& r)
  {
    auto* o = new TDesignObject;
    surface->AddControlAt(o, r);
    return o;
  }
};

std::shared_ptr<TDesignImage> QuadrantPicture(int w, int h)
{
  // Red top-left quadrant, blue elsewhere.
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::blue);
  QPainter p(&img);
  p.fillRect(0, 0, w / 2, h / 2, Qt::red);
  p.end();
  const QString file = TestTempDir() + QStringLiteral("/quad%1x%2.png").arg(w).arg(h);
  img.save(file);
  auto image = std::make_shared<TDesignImage>();
  image->LoadFromFile(file);
  return image;
}

} // namespace

TEST_F(SurfaceFixture, AddControlGrowsTheRectangleAndStoresRoundedValues)
{
  TDesignObject* o = new TDesignObject;
  surface->AddControl(o);
  EXPECT_EQ(o->BoundsRect(), QRect(-2, -2, 24, 24));
  EXPECT_EQ(o->Parent(), surface);
  EXPECT_TRUE(o->InDesigner());
  EXPECT_EQ(o->Units(), units);
  // -2 px = -5.29 store units, 24 px = 63.5 (ties to even: 64).
  EXPECT_EQ(o->StoreLeft(), -5);
  EXPECT_EQ(o->StoreTop(), -5);
  EXPECT_EQ(o->StoreWidth(), 64);
  EXPECT_EQ(o->StoreHeight(), 64);
  EXPECT_EQ(surface->ControlCount(), 1);
}

TEST_F(SurfaceFixture, AddControlSnapsWhenSnappingIsOn)
{
  surface->SetSnapToGrid(true);
  TDesignObject* o = Add(QRect(40, 30, 100, 50));
  // 38 px = 100.5 -> 100; 28 px = 74.08 -> 70; 104 px = 275.17 -> 280; 54 px = 142.9 -> 140.
  EXPECT_EQ(o->StoreLeft(), 100);
  EXPECT_EQ(o->StoreTop(), 70);
  EXPECT_EQ(o->StoreWidth(), 280);
  EXPECT_EQ(o->StoreHeight(), 140);
  EXPECT_EQ(o->Left(), 38);
  EXPECT_EQ(o->Width(), 106);
}

TEST_F(SurfaceFixture, LookupsAndDeletion)
{
  TDesignObject* a = Add(QRect(0, 0, 10, 10));
  TDesignObject* b = Add(QRect(20, 0, 10, 10));
  EXPECT_EQ(surface->GetControl(1), b);
  EXPECT_EQ(surface->GetControl(2), nullptr);
  EXPECT_EQ(surface->GetControl(-1), nullptr);
  EXPECT_EQ(surface->ControlByName(a->Name()), a);
  EXPECT_EQ(surface->ControlIndexByName(b->Name()), 1);
  EXPECT_EQ(surface->ControlIndexByName("nobody"), -1);
  EXPECT_EQ(surface->ControlByName(a->Name().toUpper()), nullptr) << "names compare with case";
  EXPECT_NE(a->Name(), b->Name());
  EXPECT_TRUE(a->Name().startsWith("_elem_"));

  surface->DeleteControl(-1);
  surface->DeleteControl(2);
  EXPECT_EQ(surface->ControlCount(), 2);
  surface->SetControlIndex(b->Name(), 0);
  EXPECT_EQ(surface->GetControl(0), b);
  surface->SetControlIndex(b->Name(), 99);
  EXPECT_EQ(surface->GetControl(1), b);
  surface->DeleteControl(0);
  EXPECT_EQ(surface->GetControl(0), b);
  surface->ClearControls();
  EXPECT_EQ(surface->ControlCount(), 0);
}

TEST_F(SurfaceFixture, DeleteGoesThroughTheHandlerWhenParentDeletes)
{
  std::vector<QString> freed;
  surface->OnDeleteObject = [&](TDesignSurface*, TDesignObject*& o) {
    freed.push_back(o->Name());
    delete o;
    o = nullptr;
  };
  Add(QRect(0, 0, 10, 10));
  surface->DeleteControl(0);
  EXPECT_TRUE(freed.empty()) << "without ParentDeletes the surface frees the object itself";
  const QString b = Add(QRect(0, 0, 10, 10))->Name();
  const QString c = Add(QRect(0, 0, 10, 10))->Name();
  surface->SetParentDeletes(true);
  surface->ClearControls();
  EXPECT_EQ(freed, (std::vector<QString>{c, b})) << "cleared from the last index down";
}

TEST_F(SurfaceFixture, SelectionQueries)
{
  TDesignObject* a = Add(QRect(0, 0, 10, 10));
  TDesignObject* b = Add(QRect(0, 0, 10, 10));
  TDesignObject* c = Add(QRect(0, 0, 10, 10));
  EXPECT_FALSE(surface->HasSelection());
  a->SetSelectMode(smFollow);
  c->SetSelectMode(smFollow);
  EXPECT_TRUE(surface->HasSelection());
  EXPECT_EQ(surface->FirstSelected(), nullptr) << "follow-only selections have no reference object";
  c->SetSelectMode(smFirst);
  b->SetSelectMode(smAny);
  EXPECT_EQ(surface->FirstSelected(), b);
  std::vector<TDesignObject*> list{a, a, a};
  surface->SelectedControls(list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], c) << "the primary selection comes first";
  EXPECT_EQ(list[1], a);
  EXPECT_EQ(list[2], b);
}

TEST_F(SurfaceFixture, StoreSizeAndMarginsKeepWhatWasSet)
{
  surface->SetStoreWidth(2100);
  surface->SetStoreHeight(2970);
  EXPECT_EQ(surface->width(), 793);
  EXPECT_EQ(surface->height(), 1122);
  EXPECT_EQ(surface->StoreWidth(), 2100);
  EXPECT_EQ(surface->StoreHeight(), 2970);
  surface->SetStoreLeftMargin(150);
  EXPECT_EQ(surface->LeftMargin(), 56);
  EXPECT_EQ(surface->StoreLeftMargin(), 150);

  // A size changed in pixels by something else is derived back, rounding down.
  surface->resize(794, surface->height());
  EXPECT_EQ(surface->StoreWidth(), 2100); // 2100.79
  surface->resize(800, surface->height());
  EXPECT_EQ(surface->StoreWidth(), 2116);
  surface->SetLeftMargin(57);
  EXPECT_EQ(surface->StoreLeftMargin(), 150); // 150.8

  // Any number of write/read cycles keep the value.
  int w = 2097;
  for (int i = 0; i < 5; ++i) {
    surface->SetStoreWidth(w);
    w = surface->StoreWidth();
  }
  EXPECT_EQ(w, 2097);
}

TEST_F(SurfaceFixture, GridSizeNeedsUnits)
{
  surface->SetGridSize(2.5);
  EXPECT_DOUBLE_EQ(surface->GridSize(), 2.5);
  EXPECT_EQ(surface->IntGridSize(), 9); // 9.45 px
  TDesignSurface loose;
  loose.SetGridSize(3);
  EXPECT_DOUBLE_EQ(loose.GridSize(), 1.0);
  EXPECT_EQ(loose.IntGridSize(), 0);
  loose.SetStoreWidth(300);
  EXPECT_EQ(loose.width(), 300) << "without units store values are pixels";
}

TEST_F(SurfaceFixture, PaintsTheMarginFrameInAqua)
{
  surface->resize(200, 100);
  surface->SetLeftMargin(10);
  surface->SetTopMargin(20);
  surface->SetRightMargin(30);
  surface->SetBottomMargin(40);
  surface->SetDrawMargin(true);
  const QImage img = RenderWidget(surface);
  const unsigned aqua = 0x00FFFF;
  EXPECT_EQ(PixelRgb(img, 10, 50), aqua);      // left edge
  EXPECT_EQ(PixelRgb(img, 100, 20), aqua);     // top edge
  EXPECT_EQ(PixelRgb(img, 200 - 30 - 1, 50), aqua); // right edge, exclusive end
  EXPECT_EQ(PixelRgb(img, 100, 100 - 40 - 1), aqua);
  EXPECT_EQ(PixelRgb(img, 200 - 30, 50), 0xFFFFFFu);
  EXPECT_EQ(PixelRgb(img, 50, 40), 0xFFFFFFu) << "the frame is not filled";
  EXPECT_EQ(PixelRgb(img, 5, 5), 0xFFFFFFu);
  surface->SetDrawMargin(false);
  EXPECT_EQ(PixelRgb(RenderWidget(surface), 10, 50), 0xFFFFFFu);
}

TEST_F(SurfaceFixture, PaintsTheBackgroundPictureInItsThreeModes)
{
  surface->resize(100, 80);
  surface->SetImage(QuadrantPicture(40, 20));
  surface->SetHasImage(true);

  surface->SetImageMode(imNone);
  QImage img = RenderWidget(surface);
  EXPECT_EQ(PixelRgb(img, 5, 5), 0xFF0000u);
  EXPECT_EQ(PixelRgb(img, 30, 15), 0x0000FFu);
  EXPECT_EQ(PixelRgb(img, 45, 5), 0xFFFFFFu);

  surface->SetImageMode(imStretch);
  img = RenderWidget(surface);
  EXPECT_EQ(PixelRgb(img, 45, 35), 0xFF0000u);
  EXPECT_EQ(PixelRgb(img, 55, 45), 0x0000FFu);
  EXPECT_EQ(PixelRgb(img, 99, 79), 0x0000FFu);

  surface->SetImageMode(imScale); // centred at (30, 30)
  img = RenderWidget(surface);
  EXPECT_EQ(PixelRgb(img, 29, 35), 0xFFFFFFu);
  EXPECT_EQ(PixelRgb(img, 30, 30), 0xFF0000u);
  EXPECT_EQ(PixelRgb(img, 69, 49), 0x0000FFu);
  EXPECT_EQ(PixelRgb(img, 70, 49), 0xFFFFFFu);

  surface->SetHasImage(false);
  EXPECT_EQ(PixelRgb(RenderWidget(surface), 30, 30), 0xFFFFFFu);
}

TEST_F(SurfaceFixture, ScaledPictureLargerThanTheSurfaceIsCutAtTheEdges)
{
  surface->resize(100, 80);
  surface->SetImage(QuadrantPicture(300, 200)); // offsets (-100, -60)
  surface->SetImageMode(imScale);
  surface->SetHasImage(true);
  const QImage img = RenderWidget(surface);
  EXPECT_EQ(PixelRgb(img, 0, 0), 0xFF0000u);   // picture pixel (100, 60)
  EXPECT_EQ(PixelRgb(img, 49, 39), 0xFF0000u); // (149, 99)
  EXPECT_EQ(PixelRgb(img, 50, 39), 0x0000FFu); // (150, 99)
  EXPECT_EQ(PixelRgb(img, 49, 40), 0x0000FFu); // (149, 100)
}
