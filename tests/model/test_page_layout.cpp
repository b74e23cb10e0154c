#include "model/PageLayout.h"
#include "objects/DesignImage.h"

#include "support/Support.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

TEST(PageLayout, DefaultsAndPaperSizesByOrientation)
{
  TDesignPage page;
  EXPECT_EQ(page.PaperSize(), "A4");
  EXPECT_EQ(page.Orientation(), poPortrait);
  EXPECT_EQ(page.LeftMarginMM(), 15);
  EXPECT_EQ(page.BaseMarginMM(), 15);
  EXPECT_FALSE(page.WantImperial());
  EXPECT_FALSE(page.HasImage());
  EXPECT_EQ(page.PaperWidthMM(), 210);
  EXPECT_EQ(page.PaperHeightMM(), 297);

  page.SetPaperSize("LETTER");
  EXPECT_EQ(page.PaperWidthMM(), 216);
  EXPECT_EQ(page.PaperHeightMM(), 279);
  page.SetOrientation(poLandscape);
  EXPECT_EQ(page.PaperWidthMM(), 279);
  EXPECT_EQ(page.PaperHeightMM(), 216);
}

TEST(PageLayout, NamesWithoutASizeReportA4)
{
  TDesignPage page;
  for (const char* name : {"B5", "B4", "", "Letter", "XX"}) {
    page.SetPaperSize(QString::fromLatin1(name));
    EXPECT_EQ(page.PaperWidthMM(), 210) << name;
    EXPECT_EQ(page.PaperHeightMM(), 297) << name;
  }
  page.SetPaperSize("120X0"); // a usable width and no usable height
  EXPECT_EQ(page.PaperWidthMM(), 120);
  EXPECT_EQ(page.PaperHeightMM(), 297);
}

TEST(PageLayout, PaperSizeAndFontLadders)
{
  TDesignPageSize sizes;
  EXPECT_EQ(sizes.Count(), 30);
  EXPECT_EQ(sizes.GetSize(0), "A4");
  EXPECT_EQ(sizes.GetSize(1), "LETTER");
  EXPECT_EQ(sizes.GetSize(29), "98X112");
  EXPECT_EQ(sizes.GetSize(30), "");
  EXPECT_EQ(sizes.GetSize(-1), "");

  TDesignFontSize fonts;
  EXPECT_EQ(fonts.Count(), 18);
  const struct {
    int size, next, prev;
  } cases[] = {{7, 8, 6}, {13, 14, 12}, {72, 72, 48}, {1000, 72, 72}, {14, 16, 12}, {6, 7, 6}, {1, 6, 6}, {48, 72, 36}};
  for (const auto& c : cases) {
    EXPECT_EQ(fonts.Next(c.size), c.next) << c.size;
    EXPECT_EQ(fonts.Prev(c.size), c.prev) << c.size;
  }
}

TEST(PageLayout, UnitsConvertWithoutRounding)
{
  TDesignUnits units;
  units.SetResolution(96);
  EXPECT_DOUBLE_EQ(units.PixelsFromMMX(254), 960.0);
  EXPECT_DOUBLE_EQ(units.PixelsToMMX(96), 25.4);
  EXPECT_DOUBLE_EQ(units.PixelsFromInchesY(2), 192.0);
  EXPECT_DOUBLE_EQ(units.PixelsToInchesY(48), 0.5);
  units.SetResolution(300, 600);
  EXPECT_DOUBLE_EQ(units.PixelsFromMMX(25.4), 300.0);
  EXPECT_DOUBLE_EQ(units.PixelsFromMMY(25.4), 600.0);
  // The screen converter of the offscreen test platform.
  EXPECT_DOUBLE_EQ(TDesignUnits().PPIX(), 96.0);
}

TEST(PageLayout, BackgroundPictureFromFile)
{
  const QString file = TestTempDir() + "/page-bg.png";
  QImage img(30, 20, QImage::Format_RGB32);
  img.fill(Qt::red);
  ASSERT_TRUE(img.save(file));

  TDesignPage page;
  page.SetImagePath(file);
  ASSERT_TRUE(page.HasImage());
  EXPECT_EQ(page.ImageType(), ditPNG);
  EXPECT_EQ(page.ImagePath(), file);
  EXPECT_EQ(page.Image()->PictureWidth(), 30);
  EXPECT_EQ(page.Image()->PictureHeight(), 20);

  // An empty path turns the background off but keeps the path text.
  page.SetImagePath(QString());
  EXPECT_FALSE(page.HasImage());
  EXPECT_EQ(page.ImagePath(), file);

  page.SetDefault();
  EXPECT_FALSE(page.HasImage());
  EXPECT_EQ(page.Image(), nullptr);
}

TEST(PageLayout, MissingOrUndecodablePictureGivesNoPicture)
{
  const QString junk = TestTempDir() + "/junk.png";
  {
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a picture");
  }
  for (const QString& file : {TestTempDir() + "/missing.png", junk}) {
    TDesignPage page;
    page.SetImagePath(file);
    EXPECT_FALSE(page.HasImage()) << file.toStdString();
    EXPECT_EQ(page.Image(), nullptr);
  }
}
