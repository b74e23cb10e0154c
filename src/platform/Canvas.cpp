#include "platform/Canvas.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QHash>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <unordered_map>

namespace {

// The largest font pixel size the canvas asks for; larger requests are capped so that a
// stored size of 10,000 points cannot exhaust memory in the glyph cache.
constexpr int kMaxFontPixels = 2000;

Qt::BrushStyle QtBrushStyle(TBrushStyle s)
{
  switch (s) {
  case bsSolid: return Qt::SolidPattern;
  case bsClear: return Qt::NoBrush;
  case bsHorizontal: return Qt::HorPattern;
  case bsVertical: return Qt::VerPattern;
  case bsFDiagonal: return Qt::FDiagPattern;
  case bsBDiagonal: return Qt::BDiagPattern;
  case bsCross: return Qt::CrossPattern;
  case bsDiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

bool IsBreak(QChar c) { return c == u'\r' || c == u'\n'; }

} // namespace

QFont MakeQFont(const TFont& f, int Dpi)
{
  QFont font(f.Name.isEmpty() ? QStringLiteral("Arial") : f.Name);
  const int points = f.Size > 0 ? f.Size : 8;
  const long long px = (static_cast<long long>(points) * Dpi + 36) / 72;
  font.setPixelSize(int(std::clamp<long long>(px, 1, kMaxFontPixels)));
  font.setBold(f.Style & fsBold);
  font.setItalic(f.Style & fsItalic);
  font.setUnderline(f.Style & fsUnderline);
  font.setStrikeOut(f.Style & fsStrikeOut);
  font.setKerning(false);
  font.setStyleStrategy(QFont::PreferDefault);
  return font;
}

TCanvas::TCanvas(QPainter* Painter, QPaintDevice* ReferenceDevice)
  : FPainter(Painter)
{
  FInitial = FPainter->worldTransform();
  FBase = FInitial;
  FMetricsDevice = ReferenceDevice ? ReferenceDevice : FPainter->device();
  if (FMetricsDevice && FMetricsDevice->logicalDpiY() > 0)
    FFontDpi = FMetricsDevice->logicalDpiY();
  FPainter->setRenderHint(QPainter::Antialiasing, false);
  FPainter->setBackgroundMode(Qt::TransparentMode);
}

TCanvas::~TCanvas() = default;

void TCanvas::ApplyMode()
{
  if (FAppliedMode == FPen.Mode)
    return;
  FPainter->setCompositionMode(FPen.Mode == pmNotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
  FAppliedMode = FPen.Mode;
}

void TCanvas::ApplyPen()
{
  ApplyMode();
  if (FAppliedPen == FPen)
    return;
  if (FPen.Style == psClear) {
    FPainter->setPen(Qt::NoPen);
  } else {
    QPen pen(ColorToQColor(FPen.Color));
    const int w = std::max(FPen.Width, 0);
    pen.setWidth(w <= 1 ? 0 : w);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(w <= 1 ? Qt::FlatCap : Qt::RoundCap);
    // Dashed styles exist only for thin pens; wider pens draw solid lines.
    if (w <= 1) {
      switch (FPen.Style) {
      case psDash: pen.setDashPattern({18, 6}); break;
      case psDot: pen.setDashPattern({3, 3}); break;
      case psDashDot: pen.setDashPattern({9, 6, 3, 6}); break;
      case psDashDotDot: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
      default: break;
      }
    }
    FPainter->setPen(pen);
  }
  FAppliedPen = FPen;
}

void TCanvas::ApplyBrush()
{
  if (FAppliedBrush == FBrush)
    return;
  if (!FBrush.Bitmap.isNull() && FBrush.Style != bsClear) {
    FPainter->setBrush(QBrush(FBrush.Bitmap));
    FPainter->setBrushOrigin(0, 0);
  } else {
    FPainter->setBrush(QBrush(ColorToQColor(FBrush.Color), QtBrushStyle(FBrush.Style)));
  }
  FAppliedBrush = FBrush;
}

void TCanvas::ApplyFont()
{
  if (FAppliedFont && FAppliedFont->Name == FFont.Name && FAppliedFont->Size == FFont.Size &&
      FAppliedFont->Style == FFont.Style) {
    FAppliedFont = FFont;
    return;
  }
  FQFont = MakeQFont(FFont, FFontDpi);
  FPainter->setFont(FQFont);
  FMetrics = std::make_unique<QFontMetrics>(FQFont, FMetricsDevice);
  // Node-based, so the pointer to one font's widths stays valid as fonts are added.
  static std::unordered_map<QString, QHash<QString, int>> widthsByFont;
  FWidths = &widthsByFont[FQFont.key() + u'/' + QString::number(FFontDpi)];
  FAppliedFont = FFont;
}

QFont TCanvas::CurrentQFont()
{
  ApplyFont();
  return FQFont;
}

QFontMetrics& TCanvas::Metrics()
{
  ApplyFont();
  return *FMetrics;
}

void TCanvas::SetOrigin(const QPoint& Origin)
{
  FBase = QTransform::fromTranslate(Origin.x(), Origin.y()) * FInitial;
  FPainter->setWorldTransform(FWorld * FBase);
}

void TCanvas::ResetState()
{
  FPen = TPen();
  FBrush = TBrush();
  FFont = TFont();
  FJustifyExtra = FJustifyCount = 0;
}

void TCanvas::SetWorldTransform(const QTransform& t)
{
  FWorld = t;
  FPainter->setWorldTransform(t * FBase);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
  if (x2 < x1)
    std::swap(x1, x2);
  if (y2 < y1)
    std::swap(y1, y2);
  if (x2 - x1 < 1 || y2 - y1 < 1)
    return;
  ApplyPen();
  ApplyBrush();
  QRect r(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
  if (FPen.Style == psInsideFrame && FPen.Width > 1) {
    const int h = FPen.Width / 2;
    r.adjust(h, h, -(FPen.Width - 1 - h), -(FPen.Width - 1 - h));
  }
  if (r.width() == 0 || r.height() == 0) {
    // A rectangle one pixel thin: paint it as a filled strip in the pen (or brush).
    if (PenVisible())
      FPainter->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), FPainter->pen().color());
    else if (BrushVisible())
      FPainter->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), FPainter->brush());
    return;
  }
  FPainter->drawRect(r);
}

void TCanvas::FillRect(int x1, int y1, int x2, int y2)
{
  if (x2 <= x1 || y2 <= y1 || !BrushVisible())
    return;
  ApplyMode();
  ApplyBrush();
  FPainter->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), FPainter->brush());
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int rx, int ry)
{
  if (x2 < x1)
    std::swap(x1, x2);
  if (y2 < y1)
    std::swap(y1, y2);
  if (x2 - x1 < 2 || y2 - y1 < 2) {
    Rectangle(x1, y1, x2, y2);
    return;
  }
  ApplyPen();
  ApplyBrush();
  FPainter->drawRoundedRect(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1), rx / 2.0, ry / 2.0);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
  if (x2 < x1)
    std::swap(x1, x2);
  if (y2 < y1)
    std::swap(y1, y2);
  if (x2 - x1 < 2 || y2 - y1 < 2) {
    Rectangle(x1, y1, x2, y2);
    return;
  }
  ApplyPen();
  ApplyBrush();
  FPainter->drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
  if (!PenVisible())
    return;
  ApplyPen();
  const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
  auto angle = [&](int x, int y) {
    double a = std::atan2(-(y - cy), x - cx) * 180.0 / std::numbers::pi;
    return a < 0 ? a + 360.0 : a;
  };
  const double start = angle(x3, y3);
  double span = angle(x4, y4) - start;
  if (span <= 0)
    span += 360.0;
  FPainter->drawArc(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1), int(std::lround(start * 16)), int(std::lround(span * 16)));
}

void TCanvas::Polygon(const std::vector<QPoint>& Points)
{
  if (Points.size() < 2)
    return;
  ApplyPen();
  ApplyBrush();
  FPainter->drawPolygon(Points.data(), int(Points.size()));
}

void TCanvas::Polyline(const std::vector<QPoint>& Points)
{
  if (Points.size() < 2 || !PenVisible())
    return;
  ApplyPen();
  FPainter->drawPolyline(Points.data(), int(Points.size()));
}

void TCanvas::LineTo(int x, int y)
{
  const QPoint from = FPenPos;
  FPenPos = QPoint(x, y);
  if (!PenVisible() || from == FPenPos)
    return;
  ApplyPen();
  // A thin pen has flat caps, which leave the end point unpainted.
  FPainter->drawLine(from, FPenPos);
}

void TCanvas::Draw(int x, int y, const QImage& Image)
{
  if (Image.isNull())
    return;
  ApplyMode();
  FPainter->drawImage(QPoint(x, y), Image);
}

void TCanvas::StretchDraw(const TRect& r, const QImage& Image)
{
  if (Image.isNull() || r.Width() == 0 || r.Height() == 0)
    return;
  ApplyMode();
  FPainter->drawImage(r.ToQRect().normalized(), Image);
}

int TCanvas::TextWidth(const QString& Text)
{
  ApplyFont();
  return Advance(Text);
}

int TCanvas::TextHeight(const QString&)
{
  return Metrics().ascent() + Metrics().descent();
}

int TCanvas::TextAscent()
{
  return Metrics().ascent();
}

int TCanvas::AverageCharWidth()
{
  return std::max(1, Metrics().averageCharWidth());
}

void TCanvas::SetTextJustification(int Extra, int Count)
{
  FJustifyExtra = Count > 0 ? Extra : 0;
  FJustifyCount = Count > 0 ? Count : 0;
}

void TCanvas::TextOut(int x, int y, const QString& Text)
{
  ApplyFont();
  ApplyMode();
  FPainter->setPen(ColorToQColor(FFont.Color));
  FAppliedPen.reset();
  const int ascent = FMetrics->ascent();
  const bool rotated = FFont.Orientation % 3600 != 0;
  if (rotated) {
    FPainter->save();
    FPainter->translate(x, y);
    FPainter->rotate(-FFont.Orientation / 10.0);
    x = 0;
    y = 0;
  }
  if (FJustifyCount > 0 && FJustifyExtra != 0) {
    // Spread the extra pixels over the spaces, the remainder going to the first ones.
    const int each = FJustifyExtra / FJustifyCount;
    int remainder = FJustifyExtra - each * FJustifyCount;
    int pos = x;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= Text.size(); ++i) {
      if (i == Text.size() || Text.at(i) == u' ') {
        const QString run = Text.mid(start, i - start);
        if (!run.isEmpty())
          FPainter->drawText(QPoint(pos, y + ascent), run);
        pos += FMetrics->horizontalAdvance(run);
        if (i < Text.size()) {
          pos += FMetrics->horizontalAdvance(u' ') + each;
          if (remainder > 0) {
            ++pos;
            --remainder;
          } else if (remainder < 0) {
            --pos;
            ++remainder;
          }
        }
        start = i + 1;
      }
    }
  } else {
    FPainter->drawText(QPoint(x, y + ascent), Text);
  }
  if (rotated)
    FPainter->restore();
  FJustifyExtra = FJustifyCount = 0;
}

int TCanvas::Advance(const QString& s)
{
  // Widths are remembered per font: repainting a design measures the same texts again
  // and again, and shaping them is the dearest part of drawing text.
  if (s.size() > 256)
    return FMetrics->horizontalAdvance(s);
  auto it = FWidths->constFind(s);
  if (it != FWidths->constEnd())
    return *it;
  if (FWidths->size() > 20000)
    FWidths->clear();
  const int w = FMetrics->horizontalAdvance(s);
  FWidths->insert(s, w);
  return w;
}

int TCanvas::LineWidth(const QString& s, unsigned Flags)
{
  if (!(Flags & DT::EXPANDTABS) || !s.contains(u'\t'))
    return Advance(s);
  const int tab = 8 * AverageCharWidth();
  int x = 0;
  qsizetype start = 0;
  for (qsizetype i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s.at(i) == u'\t') {
      x += Advance(s.mid(start, i - start));
      if (i < s.size())
        x = (x / tab + 1) * tab;
      start = i + 1;
    }
  }
  return x;
}

void TCanvas::DrawLineText(int x, int y, const QString& s, unsigned Flags, int VisibleWidth)
{
  const int ascent = FMetrics->ascent();
  // Of a very long line starting at the left edge only the first characters can show.
  if (VisibleWidth >= 0 && s.size() > qsizetype(VisibleWidth) + 64 && !s.contains(u'\t')) {
    FPainter->drawText(QPoint(x, y + ascent), s.left(VisibleWidth + 64));
    return;
  }
  if (!(Flags & DT::EXPANDTABS) || !s.contains(u'\t')) {
    FPainter->drawText(QPoint(x, y + ascent), s);
    return;
  }
  const int tab = 8 * AverageCharWidth();
  int pos = 0;
  qsizetype start = 0;
  for (qsizetype i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s.at(i) == u'\t') {
      const QString run = s.mid(start, i - start);
      if (!run.isEmpty())
        FPainter->drawText(QPoint(x + pos, y + ascent), run);
      pos += FMetrics->horizontalAdvance(run);
      if (i < s.size())
        pos = (pos / tab + 1) * tab;
      start = i + 1;
    }
  }
}

std::vector<TCanvas::Line> TCanvas::LayoutLines(const QString& Text, int Width, unsigned Flags, size_t MaxLines)
{
  std::vector<Line> lines;
  const bool wrap = Flags & DT::WORDBREAK;
  const bool single = Flags & DT::SINGLELINE;
  // A line's width is measured only when something needs it: the ellipsis here, the
  // alignment and the measured extent later (an unknown width is -1).
  auto addLine = [&](const QString& s, int KnownWidth = -1) {
    Line l;
    l.Text = s;
    l.Width = KnownWidth;
    if ((Flags & DT::END_ELLIPSIS) && l.Width < 0)
      l.Width = LineWidth(s, Flags);
    if ((Flags & DT::END_ELLIPSIS) && l.Width > Width) {
      // Cut the line so that it ends with "..." inside the width: the longest prefix
      // that fits, found by halving (widths grow with the prefix).
      const QString dots = QStringLiteral("...");
      const int dotsWidth = FMetrics->horizontalAdvance(dots);
      qsizetype lo = 0, hi = s.size() - 1;
      while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (LineWidth(s.left(mid), Flags) + dotsWidth <= Width)
          lo = mid;
        else
          hi = mid - 1;
      }
      l.Text = s.left(lo) + dots;
      l.Width = LineWidth(l.Text, Flags);
    }
    lines.push_back(std::move(l));
  };

  qsizetype pos = 0;
  const qsizetype n = Text.size();
  while (lines.size() < MaxLines) {
    // One paragraph: up to the next line break (or the whole text on a single line).
    qsizetype end = pos;
    if (single) {
      end = n;
    } else {
      while (end < n && !IsBreak(Text.at(end)))
        ++end;
    }
    QString para = Text.mid(pos, end - pos);
    if (single)
      para.replace(u'\r', u' ').replace(u'\n', u' ');
    // A long paragraph is wrapped word by word straight away rather than measured whole.
    const bool longPara = para.size() > 4096;
    const int paraWidth = wrap && !single && !longPara ? LineWidth(para, Flags) : -1;
    if (!wrap || single || (!longPara && paraWidth <= Width)) {
      addLine(para, paraWidth);
    } else {
      // Greedy breaking at spaces; the spaces at a break are dropped, and a word wider
      // than the line stands on a line of its own.
      const qsizetype m = para.size();
      auto wordEnd = [&](qsizetype k) {
        while (k < m && para.at(k) == u' ')
          ++k;
        while (k < m && para.at(k) != u' ')
          ++k;
        return k;
      };
      // Widths are summed word by word, so long paragraphs are laid out in linear time.
      const bool tabbed = (Flags & DT::EXPANDTABS) && para.contains(u'\t');
      qsizetype i = 0;
      while (i < m && lines.size() < MaxLines) {
        const qsizetype lineStart = i;
        qsizetype j = wordEnd(i);
        int lineWidth = LineWidth(para.mid(lineStart, j - lineStart), Flags);
        while (j < m) {
          const qsizetype k = wordEnd(j);
          // Tab stops depend on the position in the line, so lines with tabs are
          // measured whole.
          const int next = tabbed ? LineWidth(para.mid(lineStart, k - lineStart), Flags)
                                  : lineWidth + LineWidth(para.mid(j, k - j), Flags);
          if (next > Width)
            break;
          lineWidth = next;
          j = k;
        }
        addLine(para.mid(lineStart, j - lineStart), lineWidth);
        i = j;
        while (i < m && para.at(i) == u' ')
          ++i;
      }
    }
    if (end >= n)
      break;
    // Step over CR, LF or CR LF.
    if (Text.at(end) == u'\r' && end + 1 < n && Text.at(end + 1) == u'\n')
      end += 2;
    else
      end += 1;
    pos = end;
  }
  return lines;
}

int TCanvas::DrawText(const QString& Text, TRect& R, unsigned Flags)
{
  ApplyFont();
  if (Text.isEmpty()) {
    if (Flags & DT::CALCRECT) {
      R.Bottom = R.Top;
      R.Right = R.Left;
    }
    return 0;
  }
  const int width = R.Width();
  const int lineHeight = FMetrics->ascent() + FMetrics->descent();
  // Drawing clipped to R needs only the lines that can show; measuring needs them all.
  size_t maxLines = SIZE_MAX;
  if (!(Flags & (DT::CALCRECT | DT::NOCLIP | DT::SINGLELINE)) && lineHeight > 0)
    maxLines = size_t(std::max(0, R.Height())) / size_t(lineHeight) + 2;
  std::vector<Line> lines = LayoutLines(Text, width, Flags, maxLines);
  const bool widthsNeeded = (Flags & (DT::CENTER | DT::RIGHT)) || ((Flags & DT::CALCRECT) && !(Flags & DT::HEIGHTONLY));
  if (widthsNeeded)
    for (Line& l : lines)
      if (l.Width < 0)
        l.Width = LineWidth(l.Text, Flags);
  const int height = int(lines.size()) * lineHeight;
  if (Flags & DT::CALCRECT) {
    int widest = 0;
    for (const Line& l : lines)
      widest = std::max(widest, l.Width);
    R.Bottom = R.Top + height;
    if (Flags & DT::WORDBREAK)
      R.Right = std::max(R.Right, R.Left + widest);
    else
      R.Right = R.Left + widest;
    return height;
  }
  ApplyMode();
  // Clipping costs a save and restore of the painter; text that lies wholly inside R
  // needs none.
  bool clip = !(Flags & DT::NOCLIP);
  if (clip && height <= R.Height() && !(Flags & (DT::CENTER | DT::RIGHT))) {
    bool inside = true;
    for (Line& l : lines) {
      if (l.Width < 0)
        l.Width = LineWidth(l.Text, Flags);
      if (l.Width > width) {
        inside = false;
        break;
      }
    }
    if (inside)
      clip = false;
  }
  if (clip) {
    FPainter->save();
    FPainter->setClipRect(R.ToQRect().normalized(), Qt::IntersectClip);
  }
  FPainter->setPen(ColorToQColor(FFont.Color));
  FAppliedPen.reset();
  int y = R.Top;
  if (Flags & DT::SINGLELINE) {
    if (Flags & DT::BOTTOM)
      y = R.Bottom - height;
    else if (Flags & DT::VCENTER)
      y = R.Top + (R.Height() - height) / 2;
  }
  for (const Line& l : lines) {
    int x = R.Left;
    if (Flags & DT::CENTER)
      x = R.Left + (width - l.Width) / 2;
    else if (Flags & DT::RIGHT)
      x = R.Right - l.Width;
    if (!l.Text.isEmpty())
      DrawLineText(x, y, l.Text, Flags, x == R.Left && clip ? R.Width() : -1);
    y += lineHeight;
    if (clip && y > R.Bottom && y - lineHeight > R.Bottom)
      break;
  }
  if (clip) {
    FPainter->restore();
    // restore() brings back the painter's own pen, brush and font; ours are re-applied.
    FAppliedPen.reset();
    FAppliedBrush.reset();
    FAppliedMode.reset();
    FPainter->setFont(FQFont);
  }
  return height;
}
