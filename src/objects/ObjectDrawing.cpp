// How a design object draws itself: fill and border shape, picture fitting, the text
// with alignment, wrapping, ellipsis, margins, rotation, full justification and
// mini-HTML, the selection frame, the handles and the lock mark.
#include "objects/DesignObject.h"

#include "objects/DesignImage.h"
#include "objects/MiniHTML.h"
#include "platform/Rounding.h"

#include <QPainter>
#include <QPicture>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

bool IsQuarterTurn(int Rotation)
{
  return Rotation == 90 || Rotation == 180 || Rotation == 270;
}

// The largest object area rendered through the offscreen rotation bitmap; larger
// objects (absurd sizes from a file) draw their rotated text without it.
constexpr long long kMaxOffscreenPixels = 64LL * 1024 * 1024;

} // namespace

// --- Screen painting -------------------------------------------------------------------

void TDesignObject::Paint(TCanvas& Canvas)
{
  if (FSelectMode != smNone) {
    DrawSelectionFrame(Canvas);
    if (!FIsMoving)
      DrawObjectImageOn(Canvas, false);
    DrawHandles(Canvas);
    if (!FIsMoving)
      DrawObjectText(Canvas, false, 0, false);
  } else {
    DrawObjectBordersOn(Canvas, false);
    DrawObjectImageOn(Canvas, false);
    DrawObjectText(Canvas, false, 0, false);
  }
}

void TDesignObject::DrawSelectionFrame(TCanvas& Canvas)
{
  const int W = Width(), H = Height(), BW = FBorderWidth;
  Canvas.Brush().Style = bsClear;
  Canvas.Pen().Width = 2;
  Canvas.Pen().Style = psSolid;
  Canvas.Pen().Color = FLocked ? clRed : clGray;
  switch (FBorderShape) {
  case bshHLine:
    Canvas.MoveTo(0, (H - BW) / 2);
    Canvas.LineTo(W, (H - BW) / 2);
    break;
  case bshVLine:
    Canvas.MoveTo((W - BW) / 2, 0);
    Canvas.LineTo((W - BW) / 2, H);
    break;
  default: Canvas.Rectangle(0, 0, W, H); break;
  }
}

void TDesignObject::DrawLockMark(TCanvas& Canvas)
{
  Canvas.Brush().Style = bsClear;
  Canvas.Pen().Width = 1;
  Canvas.Pen().Style = psSolid;
  Canvas.Pen().Color = 1;
  // The shackle, then the body of the padlock.
  Canvas.Arc(0, 0, 10, 10, 10, 10, 0, 10);
  Canvas.Brush().Style = bsSolid;
  Canvas.Brush().Color = clYellow;
  Canvas.Rectangle(0, 5, 10, 15);
}

void TDesignObject::DrawHandles(TCanvas& Canvas)
{
  if (FLocked) {
    DrawLockMark(Canvas);
    return;
  }
  if (FSelectMode == smNone)
    return;
  Canvas.Brush().Style = bsSolid;
  Canvas.Brush().Color = FSelectMode == smFirst ? clWhite : clBlack;
  Canvas.Pen().Color = clBlack;
  Canvas.Pen().Style = psSolid;
  Canvas.Pen().Width = 1;
  const int W = Width(), H = Height(), my = H / 2, mx = W / 2;
  switch (FBorderShape) {
  case bshHLine:
    Canvas.Rectangle(0, my - 2, 4, my + 2);
    Canvas.Rectangle(W - 4, my - 2, W, my + 2);
    break;
  case bshVLine:
    Canvas.Rectangle(mx - 2, 0, mx + 2, 4);
    Canvas.Rectangle(mx - 2, H - 4, mx + 2, H);
    break;
  default:
    Canvas.Rectangle(0, 0, 4, 4);
    Canvas.Rectangle(0, my - 2, 4, my + 2);
    Canvas.Rectangle(0, H - 4, 4, H);
    Canvas.Rectangle(mx - 2, 0, mx + 2, 4);
    Canvas.Rectangle(mx - 2, H - 4, mx + 2, H);
    Canvas.Rectangle(W - 4, 0, W, 4);
    Canvas.Rectangle(W - 4, my - 2, W, my + 2);
    Canvas.Rectangle(W - 4, H - 4, W, H);
    break;
  }
}

// --- Output onto any canvas --------------------------------------------------------------

void TDesignObject::DrawOn(TCanvas& Canvas, bool WithOffset)
{
  DrawObjectBordersOn(Canvas, WithOffset);
  DrawObjectImageOn(Canvas, WithOffset);
  DrawObjectTextOn(Canvas, WithOffset);
}

void TDesignObject::DrawBackgroundOn(TCanvas& Canvas, bool WithOffset)
{
  DrawObjectBordersOn(Canvas, WithOffset);
  DrawObjectImageOn(Canvas, WithOffset);
}

void TDesignObject::DrawTextOn(TCanvas& Canvas, bool WithOffset)
{
  DrawObjectTextOn(Canvas, WithOffset);
}

void TDesignObject::DrawTextAt(TCanvas& Canvas, int OffSetY)
{
  DrawObjectTextAt(Canvas, OffSetY);
}

void TDesignObject::DrawObjectTextOn(TCanvas& Canvas, bool WithOffset)
{
  DrawObjectText(Canvas, WithOffset, 0, true);
}

void TDesignObject::DrawObjectTextAt(TCanvas& Canvas, int OffSetY)
{
  DrawObjectText(Canvas, true, OffSetY, true);
}

void TDesignObject::DrawObjectBordersOn(TCanvas& Canvas, bool WithOffset)
{
  Canvas.Pen().Color = FBorderColour;
  Canvas.Pen().Style = FBorderStyle;
  Canvas.Pen().Width = FBorderWidth;
  Canvas.Brush().Color = FFillColour;
  Canvas.Brush().Style = FFillStyle;
  const int W = Width(), H = Height(), BW = FBorderWidth;
  const int x0 = WithOffset ? Left() : 0, y0 = WithOffset ? Top() : 0;
  switch (FBorderShape) {
  case bshNone: Canvas.FillRect(x0, y0, x0 + W, y0 + H); break;
  case bshRect:
    if (BW >= 1 && FBorderStyle != psClear)
      Canvas.Rectangle(x0, y0, x0 + W, y0 + H);
    else
      Canvas.FillRect(x0, y0, x0 + W, y0 + H);
    break;
  case bshRoundRect: Canvas.RoundRect(x0, y0, x0 + W, y0 + H, 10, 10); break;
  case bshEllipse: Canvas.Ellipse(x0, y0, x0 + W, y0 + H); break;
  case bshCircle: {
    const int s = std::min(W, H);
    const int cx = x0 + (W - s) / 2, cy = y0 + (H - s) / 2;
    Canvas.Ellipse(cx, cy, cx + s, cy + s);
    break;
  }
  case bshHLine: {
    // "Bind to section top" keeps the line on the top edge; every other sizing rule
    // centres it in the box.
    const int y = FAutoSize == 4 ? y0 : y0 + (H - BW) / 2;
    Canvas.MoveTo(x0, y);
    Canvas.LineTo(x0 + W, y);
    break;
  }
  case bshVLine: {
    const int x = x0 + (W - BW) / 2;
    Canvas.MoveTo(x, y0);
    Canvas.LineTo(x, y0 + H);
    break;
  }
  case bshLine: break;
  }
}

void TDesignObject::DrawObjectImageOn(TCanvas& Canvas, bool WithOffset)
{
  if (!FHasImage || !FImage || FEditing)
    return;
  const int x0 = WithOffset ? Left() : 0, y0 = WithOffset ? Top() : 0;
  const int W = Width(), H = Height();
  switch (FImageMode) {
  case imNone: FImage->Draw(Canvas, x0, y0); break;
  case imStretch: FImage->StretchDraw(Canvas, TRect{x0, y0, x0 + W, y0 + H}); break;
  case imScale: {
    const int w = FImage->PictureWidth(), h = FImage->PictureHeight();
    switch (FHAlign) {
    case daLeft: FImage->Draw(Canvas, x0, y0); break;
    case daRight: FImage->Draw(Canvas, x0 + W - w, y0); break;
    case daCenter: FImage->Draw(Canvas, x0 + (W - w) / 2, y0 + (H - h) / 2); break;
    case daFull: break;
    }
    break;
  }
  }
}

// --- Text ----------------------------------------------------------------------------------

TRect TDesignObject::TextRect(bool WithOffset) const
{
  if (WithOffset)
    return TRect{Left(), Top(), Left() + Width() - 1, Top() + Height() - 1};
  return TRect{0, 0, Width(), Height()};
}

unsigned TDesignObject::TextFlags() const
{
  unsigned f = DT::NOPREFIX;
  if (FHAlign == daCenter)
    f |= DT::CENTER;
  else if (FHAlign == daRight)
    f |= DT::RIGHT;
  if (FVAlign == vaBottom)
    f |= DT::BOTTOM;
  if (FWordWrap)
    f |= DT::WORDBREAK;
  if (FExpandTabs)
    f |= DT::EXPANDTABS;
  if (FEllipsis)
    f |= DT::END_ELLIPSIS;
  return f;
}

void TDesignObject::DrawPlainText(TCanvas& Target, TRect R, unsigned Flags)
{
  if (FVAlign != vaTop) {
    TRect M{R.Left, 0, R.Right, 0};
    Target.DrawText(FText, M, Flags | DT::CALCRECT | DT::HEIGHTONLY);
    const int h = M.Bottom;
    if (FVAlign == vaBottom)
      R.Top = R.Bottom - h;
    else
      R.Top = R.Top + (R.Bottom - R.Top - h) / 2;
  }
  Target.DrawText(FText, R, Flags);
}

void TDesignObject::DrawObjectText(TCanvas& Canvas, bool WithOffset, int OffSetY, bool AllowHTML)
{
  if (FText.isEmpty() || FEditing)
    return;
  const int W = Width(), H = Height();
  const bool offscreen = IsQuarterTurn(FTextRotation) && W > 0 && H > 0 &&
                         (long long)W * H <= kMaxOffscreenPixels;
  const bool freeAngle = !offscreen && FTextRotation > 0;
  const int Lw = FTextRotation == 180 ? W : H;
  const int Lh = FTextRotation == 180 ? H : W;

  // The offscreen route lays the text out unrotated in a recording, then plays it
  // turned onto a white bitmap of the object's size.
  std::optional<QPicture> recording;
  std::unique_ptr<QPainter> recorder;
  std::unique_ptr<TCanvas> recordCanvas;
  if (offscreen) {
    recording.emplace();
    recorder = std::make_unique<QPainter>(&*recording);
    recordCanvas = std::make_unique<TCanvas>(recorder.get(), Canvas.Painter()->device());
  }
  TCanvas& target = offscreen ? *recordCanvas : Canvas;
  target.Font().Name = FFontName;
  target.Font().Size = FFontSize;
  target.Font().Color = FFontColour;
  target.Font().Style = FFontStyle;

  TRect R = offscreen ? TRect{0, 0, Lw, Lh} : TextRect(WithOffset);
  const int inset = FTextMargin + FBorderWidth;
  R.Left += inset;
  R.Top += inset + OffSetY;
  R.Right -= inset;
  R.Bottom -= inset;
  const unsigned flags = TextFlags();

  if (AllowHTML && FWantHTML) {
    TRenderMiniHTML renderer;
    int nx = 0, ny = 0;
    renderer.drawHTML(&target, false, R.Left, R.Top, R.Right, R.Bottom, FText, nx, ny);
  } else if (FHAlign == daFull) {
    DrawJustifiedText(FText, target, R);
  } else if (freeAngle) {
    Canvas.Font().Orientation = FTextRotation * 10;
    DrawRotatedText(Canvas, R, FTextRotation, FText);
    Canvas.Font().Orientation = 0;
  } else {
    DrawPlainText(target, R, flags);
  }

  if (offscreen) {
    recordCanvas.reset();
    recorder->end();
    recorder.reset();
    QImage bitmap(W, H, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    {
      QPainter bp(&bitmap);
      bp.setRenderHint(QPainter::Antialiasing, false);
      const QTransform t = QTransform::fromTranslate(-(Lw / 2), -(Lh / 2)) *
                           QTransform().rotate(FTextRotation) * QTransform::fromTranslate(W / 2, H / 2);
      bp.setWorldTransform(t);
      bp.drawPicture(0, 0, *recording);
    }
    const int x0 = WithOffset ? Left() : 0, y0 = WithOffset ? Top() : 0;
    Canvas.Draw(x0, y0, bitmap);
  }
}

void TDesignObject::GetTextHeight(TCanvas& Canvas, int& Size)
{
  Size = 0;
  if (FText.isEmpty())
    return;
  Canvas.Font().Name = FFontName;
  Canvas.Font().Size = FFontSize;
  Canvas.Font().Color = FFontColour;
  Canvas.Font().Style = FFontStyle;
  TRect R{Left(), Top(), Left() + Width() - 1, Top() + Height() - 1};
  const int inset = FTextMargin + FBorderWidth;
  R.Left += inset;
  R.Top += inset;
  R.Right -= inset;
  R.Bottom -= inset;
  if (FWantHTML) {
    TRenderMiniHTML renderer;
    int nx = 0, ny = 0;
    renderer.drawHTML(&Canvas, true, R.Left, R.Top, R.Right, R.Bottom, FText, nx, ny);
    Size = ny - R.Top;
    return;
  }
  TRect M{R.Left, 0, R.Right, 0};
  Canvas.DrawText(FText, M, TextFlags() | DT::CALCRECT | DT::HEIGHTONLY);
  Size = M.Bottom - M.Top;
}

void TDesignObject::GetTextArea(int& ZWidth, int& ZHeight)
{
  const int inset = FTextMargin + FBorderWidth;
  ZWidth = Width() - 2 * inset;
  ZHeight = Height() - 2 * inset;
}

// --- Shared text helpers ------------------------------------------------------------------

void DrawJustifiedText(const QString& Text, TCanvas& Canvas, const TRect& R)
{
  const int available = R.Right - R.Left;
  const int advance = std::max(1, Canvas.TextHeight(QStringLiteral("A")));
  QString line;
  int lineWidth = 0;
  int breaks = 0;
  int y = R.Top;
  qsizetype pos = 0;
  const qsizetype n = Text.size();

  auto output = [&] {
    Canvas.SetTextJustification(available - lineWidth, breaks);
    Canvas.TextOut(R.Left, y, line);
    Canvas.SetTextJustification(0, 0);
    line.clear();
    lineWidth = 0;
    breaks = 0;
    y += advance;
  };

  bool first = true;
  while (first || (pos < n && y <= R.Bottom)) {
    first = false;
    // One token: the run of spaces before it, then a word, a CR or an LF.
    const qsizetype spaceStart = pos;
    while (pos < n && Text.at(pos) == u' ')
      ++pos;
    const QString spaces = Text.mid(spaceStart, pos - spaceStart);
    QString word;
    if (pos < n) {
      const QChar c = Text.at(pos);
      if (c == u'\r' || c == u'\n') {
        word = c;
        ++pos;
      } else {
        const qsizetype wordStart = pos;
        while (pos < n && Text.at(pos) != u' ' && Text.at(pos) != u'\r' && Text.at(pos) != u'\n')
          ++pos;
        word = Text.mid(wordStart, pos - wordStart);
      }
    }
    if (word == u"\r") {
      output();
    } else if (word == u"\n") {
      // Line feeds are dropped with the spaces before them.
    } else {
      const int s = spaces.isEmpty() ? 0 : Canvas.TextWidth(spaces);
      const int w = word.isEmpty() ? 0 : Canvas.TextWidth(word);
      if (lineWidth + s + w < available) {
        line += spaces;
        breaks += int(spaces.size());
        lineWidth += s;
      } else {
        output();
      }
      line += word;
      lineWidth += w;
    }
  }
  if (y < R.Bottom)
    output();
}

void DrawRotatedText(TCanvas& Canvas, const TRect& R, int Angle, const QString& Text)
{
  const int saved = Canvas.Font().Orientation;
  Canvas.Font().Orientation = Angle * 10;
  const int cx = (R.Right - R.Left) / 2;
  const int cy = (R.Bottom - R.Top) / 2;
  const int w = Canvas.TextWidth(Text);
  const int h = Canvas.TextHeight(Text);
  double b = Angle * std::numbers::pi / 180.0 + std::numbers::pi;
  int x = cx + RoundEven((w / 2) * std::cos(b));
  int y = cy - RoundEven((w / 2) * std::sin(b));
  b += std::numbers::pi / 2;
  x -= RoundEven((h / 2) * std::cos(b));
  y += RoundEven((h / 2) * std::sin(b));
  Canvas.TextOut(R.Left + x, R.Top + y, Text);
  Canvas.Font().Orientation = saved;
}
