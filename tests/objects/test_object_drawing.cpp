#include "objects/DesignImage.h"
#include "objects/DesignObject.h"
#include "platform/Canvas.h"

#include "support/Support.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr unsigned kBackdrop = 0xCCDDEE; // what the object does not paint stays this colour

// Paints the object as the screen does, on a W x H image.
QImage Paint(TDesignObject& o, int W, int H, unsigned Backdrop = kBackdrop)
{
  o.SetBounds(0, 0, W, H);
  QImage img(W, H, QImage::Format_RGB32);
  img.fill(QColor::fromRgb(Backdrop));
  QPainter p(&img);
  TCanvas c(&p);
  o.Paint(c);
  return img;
}

bool IsDark(unsigned rgb)
{
  return ((rgb >> 16 & 0xFF) + (rgb >> 8 & 0xFF) + (rgb & 0xFF)) < 3 * 110;
}

// The bounding box of the dark (text) pixels inside Area.
QRect InkBox(const QImage& img, QRect Area = QRect())
{
  if (Area.isNull())
    Area = img.rect();
  int l = INT_MAX, t = INT_MAX, r = INT_MIN, b = INT_MIN;
  for (int y = Area.top(); y <= Area.bottom(); ++y)
    for (int x = Area.left(); x <= Area.right(); ++x)
      if (IsDark(PixelRgb(img, x, y))) {
        l = std::min(l, x);
        t = std::min(t, y);
        r = std::max(r, x);
        b = std::max(b, y);
      }
  return l == INT_MAX ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

// A text object with a clear fill and no border, so only the text is dark.
void TextOnly(TDesignObject& o, const QString& Text)
{
  o.SetText(Text);
  o.SetFillStyle(bsClear);
  o.SetBorderShape(bshNone);
  o.SetBorderWidth(0);
  o.SetFontName("Arial");
  o.SetFontSize(12);
}

} // namespace

TEST(ObjectDrawing, ShapesFillAndBorder)
{
  TDesignObject circle;
  circle.SetBorderShape(bshCircle);
  circle.SetFillColour(clYellow);
  QImage img = Paint(circle, 100, 40);
  EXPECT_EQ(PixelRgb(img, 30, 20), 0u) << "the circle's left edge";
  EXPECT_EQ(PixelRgb(img, 69, 20), 0u) << "its right edge (70 exclusive)";
  EXPECT_EQ(PixelRgb(img, 29, 20), kBackdrop);
  EXPECT_EQ(PixelRgb(img, 70, 20), kBackdrop);
  EXPECT_EQ(PixelRgb(img, 50, 20), 0xFFFF00u);

  TDesignObject rect;
  rect.SetBorderShape(bshRect);
  rect.SetBorderColour(clRed);
  rect.SetFillColour(clLime);
  img = Paint(rect, 30, 20);
  EXPECT_EQ(PixelRgb(img, 0, 0), 0xFF0000u);
  EXPECT_EQ(PixelRgb(img, 29, 19), 0xFF0000u);
  EXPECT_EQ(PixelRgb(img, 15, 10), 0x00FF00u);
  rect.SetBorderWidth(0);
  img = Paint(rect, 30, 20);
  EXPECT_EQ(PixelRgb(img, 0, 0), 0x00FF00u) << "no outline at width 0, the box is filled";
  EXPECT_EQ(PixelRgb(img, 29, 19), 0x00FF00u);
  rect.SetFillStyle(bsClear);
  EXPECT_EQ(PixelRgb(Paint(rect, 30, 20), 15, 10), kBackdrop);

  TDesignObject line;
  line.SetBorderShape(bshLine);
  img = Paint(line, 30, 20);
  EXPECT_EQ(InkBox(img), QRect()) << "a line object draws nothing";
  for (int y = 0; y < 20; ++y)
    EXPECT_EQ(PixelRgb(img, 10, y), kBackdrop);

  TDesignObject hline;
  hline.SetBorderShape(bshHLine);
  hline.SetBorderWidth(1);
  img = Paint(hline, 40, 11);
  EXPECT_EQ(PixelRgb(img, 20, 5), 0u) << "centred: (11 - 1) / 2";
  EXPECT_EQ(PixelRgb(img, 20, 4), kBackdrop) << "a line has no fill";
  hline.SetAutosize(4);
  EXPECT_EQ(PixelRgb(Paint(hline, 40, 11), 20, 0), 0u) << "bound to the section top: on the top edge";

  TDesignObject vline;
  vline.SetBorderShape(bshVLine);
  img = Paint(vline, 11, 40);
  EXPECT_EQ(PixelRgb(img, 5, 20), 0u);
}

TEST(ObjectDrawing, SelectionShowsFrameAndHandlesInsteadOfFill)
{
  TDesignObject o;
  o.SetBorderShape(bshRect);
  o.SetFillColour(clLime);
  o.SetSelectMode(smFirst);
  QImage img = Paint(o, 40, 30);
  EXPECT_EQ(PixelRgb(img, 20, 15), kBackdrop) << "no fill while selected";
  EXPECT_EQ(PixelRgb(img, 10, 0), 0x808080u) << "grey selection frame";
  EXPECT_EQ(PixelRgb(img, 1, 1), 0xFFFFFFu) << "white handle for the primary selection";
  EXPECT_EQ(PixelRgb(img, 0, 3), 0u) << "handle outline";
  EXPECT_EQ(PixelRgb(img, 38, 28), 0xFFFFFFu) << "bottom-right handle";
  EXPECT_EQ(PixelRgb(img, 20, 1), 0xFFFFFFu) << "top-middle handle (mx - 2 .. mx + 2)";
  EXPECT_EQ(PixelRgb(img, 21, 1), 0u);

  o.SetSelectMode(smAny);
  img = Paint(o, 40, 30);
  EXPECT_EQ(PixelRgb(img, 1, 1), 0u) << "black handles for group members";

  o.SetLocked(true);
  img = Paint(o, 40, 30);
  EXPECT_EQ(PixelRgb(img, 20, 0), 0xFF0000u) << "red frame when locked, no handle over it";
  EXPECT_EQ(PixelRgb(img, 5, 10), 0xFFFF00u) << "the padlock's yellow body";
  EXPECT_EQ(PixelRgb(img, 38, 28), 0xFF0000u) << "no handles, only the frame";
}

TEST(ObjectDrawing, MovingObjectsPaintOnlyFrameAndHandles)
{
  TDesignObject o;
  TextOnly(o, "Hello world");
  o.SetSelectMode(smAny);
  const QRect inner(6, 6, 188, 28);
  EXPECT_FALSE(InkBox(Paint(o, 200, 40), inner).isNull());
  o.SetIsMoving(true);
  EXPECT_TRUE(InkBox(Paint(o, 200, 40), inner).isNull()) << "no text while moving";
}

TEST(ObjectDrawing, HorizontalAndVerticalAlignment)
{
  TDesignObject o;
  TextOnly(o, "Wide");
  const int W = 200, H = 100;
  o.SetHAlign(daLeft);
  const QRect left = InkBox(Paint(o, W, H));
  o.SetHAlign(daRight);
  const QRect right = InkBox(Paint(o, W, H));
  o.SetHAlign(daCenter);
  const QRect centre = InkBox(Paint(o, W, H));
  ASSERT_FALSE(left.isNull());
  EXPECT_LE(left.left(), 2);
  EXPECT_GE(right.right(), W - 3);
  EXPECT_NEAR(centre.center().x(), W / 2, 3);
  EXPECT_EQ(left.width(), right.width());
  EXPECT_LE(left.top(), 5);

  o.SetVAlign(vaBottom);
  const QRect bottom = InkBox(Paint(o, W, H));
  EXPECT_GE(bottom.bottom(), H - 6);
  o.SetVAlign(vaCenter);
  const QRect middle = InkBox(Paint(o, W, H));
  EXPECT_NEAR(middle.center().y(), H / 2, 4);

  // Margins and the border width inset the text.
  o.SetHAlign(daLeft);
  o.SetVAlign(vaTop);
  o.SetTextMargin(20);
  o.SetBorderWidth(5);
  const QRect inset = InkBox(Paint(o, W, H));
  EXPECT_GE(inset.left(), 25);
  EXPECT_LE(inset.left(), 27);
}

TEST(ObjectDrawing, WordWrapAndEllipsis)
{
  TDesignObject o;
  TextOnly(o, "alpha beta gamma delta epsilon");
  const QRect oneLine = InkBox(Paint(o, 120, 100));
  o.SetWordWrap(true);
  const QRect wrapped = InkBox(Paint(o, 120, 100));
  EXPECT_GT(wrapped.height(), 2 * oneLine.height()) << "several lines";
  EXPECT_LT(wrapped.right(), 120);

  // Without room the line is cut so that it ends with "..." inside the width: it looks
  // exactly like the cut text with the dots typed out.
  const QString word = "Supercalifragilistic";
  TDesignObject e;
  TextOnly(e, word);
  e.SetEllipsis(true);
  const QImage cut = Paint(e, 80, 30);
  EXPECT_LT(InkBox(cut).right(), 80);
  bool matched = false;
  for (int n = 1; n < word.size() && !matched; ++n) {
    TDesignObject typed;
    TextOnly(typed, word.left(n) + "...");
    matched = Paint(typed, 80, 30) == cut;
  }
  EXPECT_TRUE(matched);
  e.SetEllipsis(false);
  EXPECT_NE(Paint(e, 80, 30), cut);
}

TEST(ObjectDrawing, TallCentredTextStartsAboveTheBox)
{
  TDesignObject o;
  TextOnly(o, "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix");
  o.SetVAlign(vaCenter);
  // Drawn onto a taller image at an offset, so what lies above the object shows.
  o.SetBounds(0, 50, 100, 40);
  QImage img(100, 140, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  TCanvas c(&p);
  o.DrawObjectText(c, true, 0, false);
  p.end();
  // The text is clipped to its (moved-up) rectangle and so begins above the object.
  const QRect ink = InkBox(img);
  EXPECT_LT(ink.top(), 50);
  EXPECT_GT(ink.bottom(), 60);
}

TEST(ObjectDrawing, PrintedTextRectangleIsOnePixelSmaller)
{
  TDesignObject o;
  TextOnly(o, "Right");
  o.SetHAlign(daRight);
  o.SetBounds(10, 10, 100, 30);
  QImage screen = Paint(o, 100, 30);
  o.SetBounds(10, 10, 100, 30);
  QImage page(200, 100, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter p(&page);
  TCanvas c(&p);
  o.DrawOn(c, true);
  p.end();
  const QRect onScreen = InkBox(screen);
  const QRect printed = InkBox(page);
  EXPECT_EQ(printed.right() - 10, onScreen.right() - 1);
}

TEST(ObjectDrawing, RotatedText)
{
  // 90 degrees on a tall object: laid out 200 x 40, reading top to bottom, all inside.
  TDesignObject o;
  TextOnly(o, "Rotated text");
  o.SetTextRotation(90);
  QImage img = Paint(o, 40, 200, 0xFFFFFF);
  SaveShot(img, "rotated-90");
  QRect ink = InkBox(img);
  ASSERT_FALSE(ink.isNull());
  EXPECT_GT(ink.height(), 2 * ink.width()) << "the text runs down the object";
  EXPECT_GE(ink.top(), 0);
  EXPECT_LT(ink.bottom(), 200);

  // The offscreen route copies a white bitmap over the object's area.
  o.SetFillStyle(bsSolid);
  o.SetFillColour(clLime);
  img = Paint(o, 40, 200);
  EXPECT_EQ(PixelRgb(img, 2, 2), 0xFFFFFFu);

  // A free angle draws once, centred, whatever the alignment.
  TDesignObject f;
  TextOnly(f, "Tilted");
  f.SetTextRotation(45);
  f.SetHAlign(daRight);
  ink = InkBox(Paint(f, 200, 200));
  EXPECT_NEAR(ink.center().x(), 100, 6);
  EXPECT_NEAR(ink.center().y(), 100, 6);
  EXPECT_GT(ink.height(), 15) << "turned, not flat";

  f.SetTextRotation(360);
  ink = InkBox(Paint(f, 200, 200));
  EXPECT_NEAR(ink.center().x(), 100, 6) << "360 looks unrotated but centred";
  EXPECT_LT(ink.height(), 20);

  f.SetTextRotation(-90);
  ink = InkBox(Paint(f, 200, 200));
  EXPECT_GE(ink.right(), 196) << "negative angles draw unrotated with normal alignment";
  EXPECT_LE(ink.top(), 5);
}

TEST(ObjectDrawing, FullJustificationStretchesEveryLine)
{
  TDesignObject o;
  TextOnly(o, "a b c\rd e\nf");
  o.SetHAlign(daFull);
  const QImage img = Paint(o, 200, 80, 0xFFFFFF);
  const int lh = 15; // a 12-point line is about 15 pixels high
  const QRect first = InkBox(img, QRect(0, 0, 200, lh));
  const QRect second = InkBox(img, QRect(0, lh + 2, 200, lh));
  ASSERT_FALSE(first.isNull());
  ASSERT_FALSE(second.isNull()) << "the carriage return ended the first line";
  EXPECT_GE(first.right(), 190) << "the line is stretched to the full width";
  EXPECT_GE(second.right(), 190) << "so is the last line, which holds d e f (the LF is ignored)";
  EXPECT_TRUE(InkBox(img, QRect(0, 2 * lh + 4, 200, 30)).isNull()) << "only two lines";
}

TEST(ObjectDrawing, PicturesByImageMode)
{
  QImage pic(20, 10, QImage::Format_RGB32);
  pic.fill(Qt::red);
  const QString file = TestTempDir() + "/obj-pic.png";
  ASSERT_TRUE(pic.save(file));
  TDesignObject o;
  o.SetFillStyle(bsClear);
  o.SetImagePath(file);
  ASSERT_TRUE(o.HasImage());
  o.SetImageMode(imScale);
  o.SetHAlign(daCenter);
  QImage img = Paint(o, 100, 50);
  EXPECT_EQ(PixelRgb(img, 40, 20), 0xFF0000u);
  EXPECT_EQ(PixelRgb(img, 59, 29), 0xFF0000u);
  EXPECT_EQ(PixelRgb(img, 39, 20), kBackdrop);
  EXPECT_EQ(PixelRgb(img, 60, 29), kBackdrop);
  o.SetHAlign(daLeft);
  img = Paint(o, 100, 50);
  EXPECT_EQ(PixelRgb(img, 0, 0), 0xFF0000u);
  EXPECT_EQ(PixelRgb(img, 20, 0), kBackdrop);
  o.SetHAlign(daRight);
  EXPECT_EQ(PixelRgb(Paint(o, 100, 50), 99, 0), 0xFF0000u);
  o.SetImageMode(imStretch);
  EXPECT_EQ(PixelRgb(Paint(o, 100, 50), 99, 49), 0xFF0000u);
  o.SetSelectMode(smFirst);
  EXPECT_EQ(PixelRgb(Paint(o, 100, 50), 50, 25), 0xFF0000u) << "a selected object shows its picture";
}

TEST(ObjectDrawing, MarkupShowsOnScreen)
{
  TDesignObject o;
  TextOnly(o, "<b>x</b>");
  o.SetWantHTML(true);
  const QRect screen = InkBox(Paint(o, 200, 40, 0xFFFFFF));
  TDesignObject plain;
  TextOnly(plain, "<b>x</b>");
  EXPECT_EQ(screen, InkBox(Paint(plain, 200, 40, 0xFFFFFF))) << "the markup is drawn as plain text";
}

TEST(ObjectDrawing, TextMeasuring)
{
  TDesignObject o;
  QImage img(10, 10, QImage::Format_RGB32);
  QPainter p(&img);
  TCanvas c(&p);
  int size = -1;
  o.GetTextHeight(c, size);
  EXPECT_EQ(size, 0) << "empty text";

  TextOnly(o, "one two three four five six seven");
  o.SetWordWrap(true);
  o.SetBounds(0, 0, 100, 200);
  o.GetTextHeight(c, size);
  const int wrapped = size;
  o.SetTextMargin(5);
  o.SetBorderWidth(1);
  o.GetTextHeight(c, size);
  EXPECT_GE(size, wrapped) << "a narrower measuring width (W - 1 - 12) needs at least as many lines";
  int zw = 0, zh = 0;
  o.GetTextArea(zw, zh);
  EXPECT_EQ(zw, 100 - 12);
  EXPECT_EQ(zh, 200 - 12);
}

TEST(ObjectDrawing, DegenerateObjectsDoNotCrash)
{
  const QString longText(100000, u'x');
  const struct {
    int w, h, fontSize, rotation;
    const char* font;
    bool longText;
  } cases[] = {
    {0, 0, 9, 0, "Arial", false},     {-20, 30, 9, 0, "Arial", false}, {30, -20, 9, 90, "Arial", false},
    {50, 30, 0, 0, "Arial", false},   {50, 30, 10000, 0, "Arial", false}, {50, 30, 9, 0, "", false},
    {200, 100, 9, 0, "Arial", true},  {200, 100, 9, 90, "Arial", true}, {40, 40, 9, 123456, "Arial", false},
    {40, 40, 9, -2147483647, "Arial", false}, {40, 40, 9, 2147483647, "Arial", false}, {1, 1, 9, 270, "Arial", false},
  };
  for (const auto& k : cases) {
    for (TBorderShape shape : {bshNone, bshRect, bshRoundRect, bshEllipse, bshCircle, bshHLine, bshVLine}) {
      TDesignObject o;
      o.SetBorderShape(shape);
      o.SetText(k.longText ? longText : QStringLiteral("Some text"));
      o.SetFontSize(k.fontSize);
      o.SetFontName(QString::fromLatin1(k.font));
      o.SetTextRotation(k.rotation);
      o.SetWordWrap(true);
      o.SetEllipsis(true);
      o.SetBounds(5, 5, k.w, k.h);
      QImage img(300, 300, QImage::Format_RGB32);
      QPainter p(&img);
      TCanvas c(&p);
      o.Paint(c);
      o.DrawOn(c, true);
      int size = 0;
      o.GetTextHeight(c, size);
      o.SetSelectMode(smFirst);
      o.Paint(c);
    }
  }
  SUCCEED() << "no object shape, size, font or angle crashed the drawing";
}
