#include "objects/MiniHTML.h"

#include "platform/Canvas.h"
#include "support/Support.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int kImageW = 400, kImageH = 300;
// The layout rectangle of most tests.
constexpr TRect kBox{10, 10, 390, 290};

TFont BaseFont()
{
  TFont f;
  f.Name = QStringLiteral("Arial");
  f.Size = 10;
  return f;
}

// The base font with some settings changed.
struct TFontChange {
  std::optional<int> Style = std::nullopt;
  std::optional<int> Size = std::nullopt;
  std::optional<TColor> Color = std::nullopt;
  const char* Name = nullptr;
};

TFont Font(const TFontChange& c)
{
  TFont f = BaseFont();
  f.Style = c.Style.value_or(f.Style);
  f.Size = c.Size.value_or(f.Size);
  f.Color = c.Color.value_or(f.Color);
  if (c.Name)
    f.Name = QString::fromUtf8(c.Name);
  return f;
}

const TFontChange kPlain{};
const TFontChange kBold{.Style = fsBold};
const TFont kH1 = Font({.Style = 0, .Size = 16, .Color = clBlue});

// A white image with the steps painted on it through a fresh canvas.
QImage Paint(const std::function<void(TCanvas&)>& Steps, int W = kImageW, int H = kImageH)
{
  QImage image(W, H, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  TCanvas c(&p);
  Steps(c);
  p.end();
  return image;
}

// Width and height of Text in Font, as a canvas at the test resolution measures them.
int TextW(const TFont& Font, const QString& Text)
{
  static QImage image(8, 8, QImage::Format_RGB32);
  static QPainter p(&image);
  static TCanvas c(&p);
  c.Font() = Font;
  return c.TextWidth(Text);
}

int TextH(const TFont& Font)
{
  static QImage image(8, 8, QImage::Format_RGB32);
  static QPainter p(&image);
  static TCanvas c(&p);
  c.Font() = Font;
  return c.TextHeight(QStringLiteral("Ag"));
}

struct TResult {
  QImage Image;
  int nx = 0, ny = 0, Consumed = 0;
  TFont FontAfter;
};

// One call of a fresh renderer on a fresh white image, starting from Base.
TResult Render(const QString& Text, const TRect& R = kBox, bool SizingOnly = false, const TFont& Base = BaseFont())
{
  TResult r;
  r.Image = Paint([&](TCanvas& c) {
    c.Font() = Base;
    TRenderMiniHTML html;
    r.Consumed = html.drawHTML(&c, SizingOnly, R.Left, R.Top, R.Right, R.Bottom, Text, r.nx, r.ny);
    r.FontAfter = c.Font();
  });
  return r;
}

int DifferentPixels(const QImage& A, const QImage& B)
{
  int n = 0;
  for (int y = 0; y < A.height(); ++y)
    for (int x = 0; x < A.width(); ++x)
      n += A.pixel(x, y) != B.pixel(x, y);
  return n;
}

bool IsBlank(const QImage& Image)
{
  QImage white(Image.size(), QImage::Format_RGB32);
  white.fill(Qt::white);
  return DifferentPixels(Image, white) == 0;
}

// The smallest rectangle holding the non-white pixels of Area (empty when there are none).
QRect InkBounds(const QImage& Image, const QRect& Area)
{
  QRect ink;
  for (int y = Area.top(); y <= Area.bottom(); ++y)
    for (int x = Area.left(); x <= Area.right(); ++x)
      if (PixelRgb(Image, x, y) != 0xFFFFFFu)
        ink |= QRect(x, y, 1, 1);
  return ink;
}

// Draws pieces of text one after the other on one line from (X, Y); returns the x after them.
struct TPiece {
  QString Text;
  TFont Font;
};

int DrawLine(TCanvas& c, int X, int Y, const std::vector<TPiece>& Pieces)
{
  for (const TPiece& p : Pieces) {
    c.Font() = p.Font;
    c.TextOut(X, Y, p.Text);
    X += c.TextWidth(p.Text);
  }
  return X;
}

// The bullet of a list item whose text is H pixels high, at (X, Y).
void DrawBullet(TCanvas& c, int X, int Y, int H)
{
  const int m = Y + H / 2;
  c.Ellipse(X, m - 2, X + 4, m + 2);
}

QString Q(const char* Utf8)
{
  return QString::fromUtf8(Utf8);
}

} // namespace

TEST(MiniHTML, EmptyTextDrawsNothingAndMeasuresOneLineOfTheCanvasFont)
{
  for (const int size : {10, 0, 24}) {
    TFont base = BaseFont();
    base.Size = size;
    const TResult r = Render(QString(), kBox, false, base);
    EXPECT_TRUE(IsBlank(r.Image));
    EXPECT_EQ(r.nx, kBox.Left);
    EXPECT_EQ(r.ny, kBox.Top + TextH(base)) << size;
    EXPECT_EQ(r.Consumed, 0);
  }
}

// Markup that lays out as one line of pieces from the top-left corner: the drawing must
// equal the pieces drawn directly, and the whole text counts as consumed.
TEST(MiniHTML, SingleLineMarkupDrawsItsTextInTheRightStyles)
{
  const struct {
    const char* Markup;
    std::vector<TPiece> Pieces;
  } cases[] = {
      // Entities; unknown ones and an "&" without ";" within five characters stay literal.
      {"a&lt;b &amp c", {{"a<b &amp c", Font(kPlain)}}},
      {"&QUOT;q&apos;&gt;&Amp;", {{"\"q'>&", Font(kPlain)}}},
      {"&copy;&#65; &lt;b&gt;", {{"&copy;&#65; <b>", Font(kPlain)}}},
      {"x&;y&", {{"xy", Font(kPlain)}}},
      {"a&amp", {{"a&", Font(kPlain)}}},
      // &nbsp; is an ordinary space that is not a separator, so it survives at line start.
      {"&nbsp;x", {{" x", Font(kPlain)}}},
      {"&nbsp; x", {{" x", Font(kPlain)}}},
      // White space collapses; line ends join the words around them.
      {"   lead   and inner", {{"lead and inner", Font(kPlain)}}},
      {"line1\r\nline2", {{"line1line2", Font(kPlain)}}},
      // Block elements at the very start add no empty line; spaces after them vanish.
      {"<br><p> <div> text", {{"text", Font(kPlain)}}},
      {"<unknown a=b>text</unknown><!-- note -->", {{"text", Font(kPlain)}}},
      {"text<b", {{"text", Font(kPlain)}}},
      // Closing tags pop whatever is on top, not the tag they name.
      {"<b>bold <span>x</span> plain</b>", {{"bold ", Font(kBold)}, {"x", Font(kBold)}, {" plain", Font(kPlain)}}},
      {"<b><i>x</i>y</b>z", {{"x", Font({.Style = fsBold | fsItalic})}, {"y", Font(kBold)}, {"z", Font(kPlain)}}},
      {"<i>a</i><u>b</u>", {{"a", Font({.Style = fsItalic})}, {"b", Font({.Style = fsUnderline})}}},
      {"<biu>x<ub>y", {{"x", Font({.Style = fsBold | fsItalic | fsUnderline})}, {"y", Font({.Style = 7})}}},
      // An empty token (two spaces) ends the tag.
      {"<b  i>text", {{"text", Font(kBold)}}},
      // Every token of a tag changes the one state the tag pushed, in order.
      {"<b h1>x", {{"x", kH1}}},
      {"<h1 b>x", {{"x", Font({.Style = fsBold, .Size = 16, .Color = clBlue})}}},
      {"<fw=bold>x</fw><b fw=normal>y", {{"x", Font(kBold)}, {"y", Font(kPlain)}}},
      {"<font ff=\"Courier New\" fs=12>mono", {{"mono", Font({.Size = 12, .Name = "Courier New"})}}},
      {"<ff='Courier New'>mono", {{"mono", Font({.Name = "Courier New"})}}},
      // A quote left open by the end of the tag still gives the face.
      {"<ff=\"Courier New>mono", {{"mono", Font({.Name = "Courier New"})}}},
      {"<fs=12pt>x<fs=0>y", {{"x", Font({.Size = 12})}, {"y", Font({.Size = 8})}}},
      // Colours: names, #RRGGBB and the decimal colour value.
      {"<fc=#FF0000>r<fc=255>r<fc=clRed>r<FC=CLRED>r",
       {{"r", Font({.Color = clRed})},
        {"r", Font({.Color = clRed})},
        {"r", Font({.Color = clRed})},
        {"r", Font({.Color = clRed})}}},
      {"<fc=clblue>b<fc=#00ff00zz>g<fc=clMoneyGreen>m",
       {{"b", Font({.Color = clBlue})}, {"g", Font({.Color = clLime})}, {"m", Font({.Color = 0xC0DCC0})}}},
      {"<font-color=clBtnFace>s<fc=-16777201>s",
       {{"s", Font({.Color = clBtnFace})}, {"s", Font({.Color = clBtnFace})}}},
      // Colour text that cannot be read gives black (inside red text, so black is visible).
      {"<fc=clRed><fc=#12>k</fc><fc=clNoSuchColour>k</fc><fc=#GG0000>k</fc><fc=red>k</fc><fc=>k",
       {{"k", Font(kPlain)}, {"k", Font(kPlain)}, {"k", Font(kPlain)}, {"k", Font(kPlain)}, {"k", Font(kPlain)}}},
  };
  for (const auto& c : cases) {
    const QString markup = Q(c.Markup);
    SCOPED_TRACE(c.Markup);
    TResult r;
    EXPECT_NO_THROW(r = Render(markup));
    int end = 0;
    const QImage expected = Paint([&](TCanvas& cv) { end = DrawLine(cv, kBox.Left, kBox.Top, c.Pieces); });
    EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
    EXPECT_EQ(r.nx, end);
    EXPECT_EQ(r.ny, kBox.Top + TextH(c.Pieces.back().Font));
    EXPECT_EQ(r.Consumed, markup.size());
  }
}

TEST(MiniHTML, StartsFromTheCanvasFontAndLeavesTheLastAppliedStateOnIt)
{
  TFont base = Font({.Style = fsItalic, .Size = 12, .Color = clGreen, .Name = "Courier New"});
  TResult r = Render(Q("plain <b>bold"), kBox, false, base);
  TFont bold = base;
  bold.Style |= fsBold;
  const QImage expected = Paint([&](TCanvas& c) {
    DrawLine(c, kBox.Left, kBox.Top, {{"plain ", base}, {"bold", bold}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
  EXPECT_EQ(r.FontAfter, bold);

  r = Render(Q("<pre>x"));
  EXPECT_EQ(r.FontAfter.Name, "Courier New");
  r = Render(Q("<pre>x</pre>"));
  EXPECT_EQ(r.FontAfter.Name, "Arial");
}

TEST(MiniHTML, BlockElementsAndBreaksStartNewLinesOneRunHeightLower)
{
  const TFont plain = Font(kPlain);
  const int h = TextH(plain);
  const int x = kBox.Left, y = kBox.Top;

  // The heading in its own style at the corner; the body one heading-height lower.
  TResult r = Render(Q("<h1>Title</h1>Body"));
  QImage expected = Paint([&](TCanvas& c) {
    DrawLine(c, x, y, {{"Title", kH1}});
    DrawLine(c, x, y + TextH(kH1), {{"Body", plain}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
  EXPECT_EQ(r.ny, y + TextH(kH1) + h);

  r = Render(Q("<div>Hello <b>World</b></div>"));
  expected = Paint([&](TCanvas& c) { DrawLine(c, x, y, {{"Hello ", plain}, {"World", Font(kBold)}}); });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
  EXPECT_EQ(r.nx, x); // the closing DIV ended the line
  EXPECT_EQ(r.ny, y + 2 * h);

  // Two breaks give an empty line; value marks (U+00FC, U+00FD) end lines as well.
  const struct {
    const char* Markup;
    std::vector<int> Lines; // line number of each piece
    std::vector<const char*> Pieces;
  } cases[] = {
      {"a<br><br>b", {0, 2}, {"a", "b"}},
      {"a</br >b<br/>c<p>d</p>e", {0, 1, 2, 3, 4}, {"a", "b", "c", "d", "e"}},
      {"a\u00FCb\u00FDc", {0, 1, 2}, {"a", "b", "c"}},
      {"a</h2>b</ul>c</li>d", {0, 1, 2, 2}, {"a", "b", "c", "d"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Markup);
    r = Render(Q(c.Markup));
    int lastEnd = 0;
    expected = Paint([&](TCanvas& cv) {
      int line = -1, px = x;
      for (size_t k = 0; k < c.Pieces.size(); ++k) {
        if (c.Lines[k] != line)
          px = x;
        line = c.Lines[k];
        px = lastEnd = DrawLine(cv, px, y + line * h, {{Q(c.Pieces[k]), plain}});
      }
    });
    EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
    EXPECT_EQ(r.nx, lastEnd);
    EXPECT_EQ(r.ny, y + (c.Lines.back() + 1) * h);
  }
}

TEST(MiniHTML, PreformattedTextKeepsWhiteSpaceAndBreaksAtCarriageReturns)
{
  const TFont mono = Font({.Name = "Courier New"});
  const int h = TextH(mono);
  const TResult r = Render(Q("<pre>line1\r\n  a  b\r\n</pre>line1\r\nline2"));
  const QImage expected = Paint([&](TCanvas& c) {
    DrawLine(c, kBox.Left, kBox.Top, {{"line1", mono}});
    DrawLine(c, kBox.Left, kBox.Top + h, {{"  a  b", mono}});
    DrawLine(c, kBox.Left, kBox.Top + 2 * h, {{"line1line2", Font(kPlain)}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
  EXPECT_EQ(r.ny, kBox.Top + 2 * h + TextH(Font(kPlain)));
}

TEST(MiniHTML, ListItemsGetABulletAndTheTextTenPixelsToItsRight)
{
  const TFont plain = Font(kPlain);
  const int h = TextH(plain);
  const int x = kBox.Left, y = kBox.Top;

  TResult r = Render(Q("<ul><li>one</li><li>two</li></ul>after"));
  QImage expected = Paint([&](TCanvas& c) {
    DrawBullet(c, x, y, h);
    DrawLine(c, x + 10, y, {{"one", plain}});
    DrawBullet(c, x, y + h, h);
    DrawLine(c, x + 10, y + h, {{"two", plain}});
    DrawLine(c, x, y + 2 * h, {{"after", plain}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
  // The bullet's ink fills the 4 x 4 box at the left edge, centred on the text line.
  const QRect ink = InkBounds(r.Image, QRect(0, y, x + 10, h));
  EXPECT_EQ(ink, QRect(x, y + h / 2 - 2, 4, 4));

  // The pen advances by the text width only: the indent is a drawing offset.
  r = Render(Q("<ul><li>one"));
  EXPECT_EQ(r.nx, x + TextW(plain, "one"));

  // An item of several runs has one bullet, and its runs follow each other.
  r = Render(Q("<ul><li>one <b>two</b></li></ul>"));
  expected = Paint([&](TCanvas& c) {
    DrawBullet(c, x, y, h);
    DrawLine(c, x + 10, y, {{"one ", plain}, {"two", Font(kBold)}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);

  // A long item wraps inside the indented width, its next line indented without a bullet.
  const TRect narrow{x, y, x + 10 + TextW(plain, "aaa bbb ") + 2, kBox.Bottom};
  r = Render(Q("<ul><li>aaa bbb ccc</li></ul>"), narrow);
  expected = Paint([&](TCanvas& c) {
    DrawBullet(c, x, y, h);
    DrawLine(c, x + 10, y, {{"aaa bbb ", plain}});
    DrawLine(c, x + 10, y + h, {{"ccc", plain}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
}

TEST(MiniHTML, WordsWrapGreedilyAtTheRightEdge)
{
  const TFont plain = Font(kPlain);
  const int h = TextH(plain);
  const int x = kBox.Left, y = kBox.Top;
  // Room for "aaa bbb " but not for "aaa bbb ccc".
  const TRect box{x, y, x + TextW(plain, "aaa bbb c"), kBox.Bottom};
  const TResult r = Render(Q("aaa bbb ccc ddd"), box);
  EXPECT_EQ(r.ny, y + 2 * h);
  EXPECT_EQ(r.nx, x + TextW(plain, "ccc ") + TextW(plain, "ddd"));
  const QImage expected = Paint([&](TCanvas& c) {
    DrawLine(c, x, y, {{"aaa bbb ", plain}});
    DrawLine(c, x, y + h, {{"ccc ", plain}, {"ddd", plain}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);

  // A word wider than the rectangle is moved to the next line and drawn there in full.
  const TRect tiny{x, y, x + TextW(plain, "Wide") - 5, kBox.Bottom};
  const TResult wide = Render(Q("Wide"), tiny);
  EXPECT_EQ(DifferentPixels(wide.Image, Paint([&](TCanvas& c) { DrawLine(c, x, y + h, {{"Wide", plain}}); })), 0);
}

TEST(MiniHTML, AlignmentPlacesEachLineAsAWhole)
{
  const TFont plain = Font(kPlain);
  const TFont bold = Font(kBold);
  const int h = TextH(plain);
  const int x = kBox.Left, y = kBox.Top, x2 = kBox.Right;
  const int wHi = TextW(plain, "Hi");

  const struct {
    const char* Markup;
    int Start;
  } single[] = {
      {"<ta=right>Hi", x2 - wHi},
      {"<align=centre>Hi", x + (x2 - x - wHi) / 2},
      {"<div align=CENTER>Hi", x + (x2 - x - wHi) / 2},
      {"<ta=right><ta=justify>Hi", x},
  };
  for (const auto& c : single) {
    SCOPED_TRACE(c.Markup);
    const TResult r = Render(Q(c.Markup));
    EXPECT_EQ(DifferentPixels(r.Image, Paint([&](TCanvas& cv) { DrawLine(cv, c.Start, y, {{"Hi", plain}}); })), 0);
    EXPECT_EQ(r.nx, c.Start + wHi);
  }

  // A centred run wider than the rectangle starts at x on the next line.
  const TRect tiny{x, y, x + TextW(plain, "Wide") - 5, kBox.Bottom};
  TResult r = Render(Q("<ta=center>Wide"), tiny);
  EXPECT_EQ(DifferentPixels(r.Image, Paint([&](TCanvas& c) { DrawLine(c, x, y + h, {{"Wide", plain}}); })), 0);

  // Runs of several styles on one right-aligned line end together at x2.
  r = Render(Q("<div align=right>Hello <b>World</b></div>"));
  const int wWorld = TextW(bold, "World"), wHello = TextW(plain, "Hello ");
  QImage expected = Paint([&](TCanvas& c) {
    DrawLine(c, x2 - wWorld - wHello, y, {{"Hello ", plain}, {"World", bold}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);

  // Right-aligned text that wraps: every line ends at x2.
  const TRect box{x, y, x + TextW(plain, "aaa bbb c"), kBox.Bottom};
  r = Render(Q("<ta=right>aaa bbb ccc ddd"), box);
  expected = Paint([&](TCanvas& c) {
    DrawLine(c, box.Right - TextW(plain, "aaa bbb "), y, {{"aaa bbb ", plain}});
    DrawLine(c, box.Right - TextW(plain, "ccc ") - TextW(plain, "ddd"), y + h, {{"ccc ", plain}, {"ddd", plain}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
  EXPECT_EQ(r.nx, box.Right);

  // A left part and a right part of one line keep their own places.
  r = Render(Q("Name: <ta=right>value"));
  expected = Paint([&](TCanvas& c) {
    DrawLine(c, x, y, {{"Name: ", plain}});
    DrawLine(c, x2 - TextW(plain, "value"), y, {{"value", plain}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
}

TEST(MiniHTML, StopsWhenTheTextRunsOutOfVerticalRoom)
{
  const TFont plain = Font(kPlain);
  const int h = TextH(plain);
  const int x = kBox.Left, y = kBox.Top;

  // A run whose bottom lies exactly on y2 is drawn; one pixel less room stops the layout.
  TResult r = Render(Q("Hello"), {x, y, kBox.Right, y + h});
  EXPECT_EQ(DifferentPixels(r.Image, Paint([&](TCanvas& c) { DrawLine(c, x, y, {{"Hello", plain}}); })), 0);
  EXPECT_EQ(r.Consumed, 5);
  r = Render(Q("Hello"), {x, y, kBox.Right, y + h - 1});
  EXPECT_TRUE(IsBlank(r.Image));
  EXPECT_EQ(r.Consumed, 0);
  EXPECT_EQ(r.nx, x);
  EXPECT_EQ(r.ny, y + h);

  // A run moved to the next line must fit there as a whole.
  const TRect oneWord{x, y, x + TextW(plain, "aaa b"), y + h + h / 2};
  r = Render(Q("aaa bbb"), oneWord);
  EXPECT_EQ(DifferentPixels(r.Image, Paint([&](TCanvas& c) { DrawLine(c, x, y, {{"aaa ", plain}}); })), 0);
  EXPECT_EQ(r.ny, y + h);

  // An explicit break below y2 ends the reading: "a" and three tags were consumed.
  r = Render(Q("a<br><br><br><br>b"), {x, y, kBox.Right, y + 2 * h});
  EXPECT_EQ(DifferentPixels(r.Image, Paint([&](TCanvas& c) { DrawLine(c, x, y, {{"a", plain}}); })), 0);
  EXPECT_EQ(r.Consumed, 13);
  EXPECT_EQ(r.ny, y + 4 * h);

  // Later lines that do not fit are cut off whole, and the position stays where it was.
  r = Render(Q("one<br>two<br>three</div>"), {x, y, kBox.Right, y + 2 * h + 3});
  const QImage expected = Paint([&](TCanvas& c) {
    DrawLine(c, x, y, {{"one", plain}});
    DrawLine(c, x, y + h, {{"two", plain}});
  });
  EXPECT_EQ(DifferentPixels(r.Image, expected), 0);
  EXPECT_EQ(r.nx, x);
  EXPECT_EQ(r.ny, y + 3 * h);
}

TEST(MiniHTML, TheStyleStackGrowsOnlyForTagsThatApplyAndNeverEmpties)
{
  const struct {
    const char* Markup;
    int Count;
  } cases[] = {
      {"<b><i>x", 3},       {"<b>x</b></b></b></i>", 1}, {"<span><font><!-- c -->x", 1},
      {"<div><p><br>x", 2}, {"<br clear=all>x", 1},      {"<b fs=12 fc=clRed>x", 2},
      {"<=b>x", 1},         {"<ul><li>x</li>", 2},       {"<b>x</>", 1},
  };
  for (const auto& c : cases) {
    TFont base = BaseFont();
    Paint([&](TCanvas& cv) {
      cv.Font() = base;
      TRenderMiniHTML html;
      int nx = 0, ny = 0;
      html.drawHTML(&cv, true, kBox.Left, kBox.Top, kBox.Right, kBox.Bottom, Q(c.Markup), nx, ny);
      EXPECT_EQ(html.StateCount(), c.Count) << c.Markup;
    });
  }

  Paint([&](TCanvas& cv) {
    cv.Font() = BaseFont();
    TRenderMiniHTML html;
    int nx = 0, ny = 0;
    html.drawHTML(&cv, true, 0, 0, 300, 300, Q("<font ff=\"Courier New\" fs=12 ta=right>x"), nx, ny);
    ASSERT_EQ(html.StateCount(), 2);
    EXPECT_EQ(html.State(0).fontName, "Courier New");
    EXPECT_EQ(html.State(0).fontSize, 12);
    EXPECT_EQ(html.State(0).align, haRight);
    EXPECT_EQ(html.State(1).fontName, "Arial");
    EXPECT_EQ(html.State(1).fontSize, 10);
    EXPECT_EQ(html.State(1).align, haLeft);
  });
}

TEST(MiniHTML, MeasuringGivesTheSameLayoutAsDrawingAndDrawsNothing)
{
  const char* const cases[] = {
      "",
      "plain words that wrap over several lines of the rectangle, more than once or twice",
      "<h1>Title</h1><div align=right>right <b>bold</b> text that wraps around</div><ta=center>centre",
      "<ul><li>one</li><li>two <i>three</i> four five six seven eight nine ten eleven</li></ul>",
      "<pre>a  b\r\n\tc</pre>&lt;&amp;&nbsp;x\u00FCy",
      "many lines<br><br><br><br><br><br><br><br><br><br><br><br><br>past the bottom",
  };
  const TRect box{10, 10, 200, 120};
  for (const char* c : cases) {
    SCOPED_TRACE(c);
    const TResult drawn = Render(Q(c), box, false);
    const TResult sized = Render(Q(c), box, true);
    EXPECT_TRUE(IsBlank(sized.Image));
    EXPECT_EQ(sized.nx, drawn.nx);
    EXPECT_EQ(sized.ny, drawn.ny);
    EXPECT_EQ(sized.Consumed, drawn.Consumed);
    EXPECT_EQ(sized.FontAfter, drawn.FontAfter);
  }
}

TEST(MiniHTML, ExtremeFontSizesAreDrawnAsTheCanvasDrawsThem)
{
  const TFont huge = Font({.Size = 10000});
  // Too tall for the rectangle: nothing is drawn, only the tag was consumed.
  TResult r = Render(Q("<fs=10000>x"));
  EXPECT_TRUE(IsBlank(r.Image));
  EXPECT_EQ(r.Consumed, 10);
  EXPECT_EQ(r.ny, kBox.Top + TextH(Font(kPlain)));
  // With room enough it lays out at the canvas's size for that font.
  r = Render(Q("<fs=10000>x"), {0, 0, 100000, 100000}, true);
  EXPECT_EQ(r.ny, TextH(huge));
  EXPECT_EQ(r.nx, TextW(huge, "x"));
}

TEST(MiniHTML, HugeTextsTakeLinearTime)
{
  const QString words = QStringLiteral("word ").repeated(20000);
  QString pre = QStringLiteral("<pre>");
  for (int k = 0; k < 2000; ++k)
    pre += QStringLiteral("0123456789012345678901234567890123456789012345\r\n");
  const struct {
    const char* Name;
    QString Text;
    qsizetype Consumed; // -1: the whole text
  } cases[] = {
      {"words", words, -1},
      {"one word", QString(100000, u'x'), -1},
      // The first space of a line vanishes uncounted; the spaces after it are skipped.
      {"spaces", QString(100000, u' '), 99999},
      {"entities", QStringLiteral("&amp;").repeated(20000), -1},
      {"open tags", QStringLiteral("<b>").repeated(33333) + u'x', -1},
      {"closing tags", QStringLiteral("</b>").repeated(25000), -1},
      {"preformatted", pre, -1},
      {"unterminated tag", u'<' + QString(99999, u'a'), -1},
      {"unterminated quote", QStringLiteral("<ff=\"") + QStringLiteral("a ").repeated(49997), -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    for (const bool sizing : {true, false}) {
      QElapsedTimer timer;
      timer.start();
      const TResult r = Render(c.Text, {10, 10, 600, 1 << 30}, sizing);
      EXPECT_LT(timer.elapsed(), 4000);
      EXPECT_EQ(r.Consumed, c.Consumed < 0 ? c.Text.size() : c.Consumed);
    }
  }
}

TEST(MiniHTML, SampleDocumentRendersAsAPage)
{
  const QString sample = Q("<h1>Invoice 2024-117</h1>"
                           "<div>Thank you for your order. The items below were shipped on <b>12 March</b> "
                           "by <i>express courier</i>; prices include <u>all taxes</u> &amp; fees.</div>"
                           "<ul><li>Paper, A4, 80 g - 5 reams</li><li>Toner <fc=clRed>black</fc></li>"
                           "<li>Labels &lt;100 x 50 mm&gt;</li></ul>"
                           "<h3>Notes</h3><pre>Ref:   ZX-0042\r\nDesk:  3rd floor</pre>"
                           "<div align=right><fc=#008000>Total: <b>1,234.50</b></fc></div>"
                           "<div align=centre><fs=8>Page 1 of 1</fs></div>");
  const TRect box{10, 10, 390, 290};
  const TResult drawn = Render(sample, box);
  const TResult sized = Render(sample, box, true);
  EXPECT_EQ(sized.ny, drawn.ny);
  EXPECT_EQ(drawn.Consumed, sample.size());
  EXPECT_FALSE(IsBlank(drawn.Image));
  SaveShot(drawn.Image, QStringLiteral("minihtml_sample"));
}
