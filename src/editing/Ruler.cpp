#include "editing/Ruler.h"

#include "platform/Canvas.h"
#include "platform/Rounding.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

TDesignRuler::TDesignRuler(QWidget* Parent)
  : QWidget(Parent)
{
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(100, 25);
}

void TDesignRuler::SetOrientation(TRulerOrientation v)
{
  FOrientation = v;
  update();
}

void TDesignRuler::SetUnits(TRulerUnits v)
{
  FUnits = v;
  update();
}

void TDesignRuler::SetShowNumbers(bool v)
{
  FShowNumbers = v;
  update();
}

void TDesignRuler::SetStart(int v)
{
  FStart = v;
  update();
}

void TDesignRuler::SetRulerColour(TColor v)
{
  FRulerColour = v;
  update();
}

void TDesignRuler::ComputePPU()
{
  double dpi = logicalDpiX();
  if (dpi <= 0)
    dpi = 600;
  FPPU = FUnits == ruInch ? dpi : dpi / 2.54;
}

QImage TDesignRuler::UnitPattern()
{
  ComputePPU();
  const int length = std::max(1, RoundEven(FPPU));
  const int depth = std::max(1, Horizontal() ? height() : width());
  QImage pattern = Horizontal() ? QImage(length, depth, QImage::Format_RGB32)
                                : QImage(depth, length, QImage::Format_RGB32);
  QPainter painter(&pattern);
  TCanvas c(&painter);
  c.Brush().Color = FRulerColour;
  c.Brush().Style = bsSolid;
  c.FillRect(0, 0, pattern.width(), pattern.height());
  c.Pen().Color = clBlack;
  c.Pen().Width = 1;
  const int D = depth;
  const int L = (2 * D) / 3;
  const int S = D / 2;
  // The unit line across the full depth.
  c.MoveTo(0, 0);
  if (Horizontal())
    c.LineTo(0, D);
  else
    c.LineTo(D, 0);
  for (int i = 1; i <= 9; ++i) {
    const int t = FloorToInt(FPPU * i / 10.0);
    const bool half = i == 5;
    switch (FOrientation) {
    case roTop:
      c.MoveTo(t, 0);
      c.LineTo(t, half ? L : S);
      break;
    case roBottom:
      c.MoveTo(t, half ? D - L : S);
      c.LineTo(t, D);
      break;
    case roLeft:
      c.MoveTo(0, t);
      c.LineTo(half ? L : S, t);
      break;
    case roRight:
      c.MoveTo(half ? D - L : S, t);
      c.LineTo(D, t);
      break;
    }
  }
  return pattern;
}

void TDesignRuler::DrawRuler(TCanvas& Canvas)
{
  const int W = width(), H = height();
  const QImage pattern = UnitPattern();
  // The scale: the one-unit pattern tiled from the control's origin.
  Canvas.Brush().Bitmap = pattern;
  Canvas.Brush().Style = bsSolid;
  Canvas.FillRect(FStart > 0 ? FStart : 0, 0, W, H);
  Canvas.Brush().Bitmap = QImage();

  if (FShowNumbers) {
    Canvas.Brush().Style = bsClear;
    Canvas.Font().Name = QStringLiteral("Tahoma");
    Canvas.Font().Size = 7;
    Canvas.Font().Color = clBlack;
    const int count = Horizontal() ? RoundEven((W - FStart) / FPPU) : RoundEven(H / FPPU);
    const int textHeight = Canvas.TextHeight(QStringLiteral("A"));
    const int numberWidth = Canvas.TextWidth(QStringLiteral("99"));
    for (int n = 1; n <= count; ++n) {
      const int at = RoundEven(n * FPPU);
      const QString text = QString::number(n);
      switch (FOrientation) {
      case roTop: Canvas.TextOut(at + FStart, H - textHeight, text); break;
      case roBottom: Canvas.TextOut(at + FStart, 0, text); break;
      case roLeft: Canvas.TextOut(W - numberWidth, at, text); break;
      case roRight: Canvas.TextOut(0, at, text); break;
      }
    }
    Canvas.Brush().Style = bsSolid;
    Canvas.Pen().Style = psSolid;
  }

  Canvas.Pen().Color = clBlack;
  Canvas.Pen().Width = 1;
  switch (FOrientation) {
  case roTop:
    Canvas.MoveTo(0, 0);
    Canvas.LineTo(W, 0);
    break;
  case roBottom:
    Canvas.MoveTo(0, H - 2);
    Canvas.LineTo(W, H - 2);
    Canvas.Pen().Color = cl3DDkShadow;
    Canvas.MoveTo(0, H - 1);
    Canvas.LineTo(W, H - 1);
    break;
  case roLeft:
    Canvas.MoveTo(0, 0);
    Canvas.LineTo(0, H);
    break;
  case roRight:
    Canvas.MoveTo(W - 2, 0);
    Canvas.LineTo(W - 2, H);
    Canvas.Pen().Color = cl3DDkShadow;
    Canvas.MoveTo(W - 1, 0);
    Canvas.LineTo(W - 1, H);
    break;
  }
  Canvas.Pen().Color = clBlack;
}

QRect TDesignRuler::MarkerRect(int Position) const
{
  return Horizontal() ? QRect(Position, 0, 1, height()) : QRect(0, Position, width(), 1);
}

void TDesignRuler::DrawMarker(TCanvas& Canvas, int Position)
{
  // Not-XOR with a black pen inverts the pixels under the line, so the marker shows on
  // every part of the scale.
  Canvas.Pen().Mode = pmNotXor;
  Canvas.Pen().Color = clBlack;
  Canvas.Pen().Width = 1;
  Canvas.Pen().Style = psSolid;
  if (Horizontal()) {
    Canvas.MoveTo(Position, 0);
    Canvas.LineTo(Position, height());
  } else {
    Canvas.MoveTo(0, Position);
    Canvas.LineTo(width(), Position);
  }
  Canvas.Pen().Mode = pmCopy;
}

void TDesignRuler::SetPosition(int Value)
{
  if (!FShowPosition)
    return;
  // The old marker's strip is repainted without it and the new one with it, so exactly
  // one marker is visible however often the position changes.
  if (FMarkerShown)
    update(MarkerRect(FLastPosition));
  FLastPosition = Value;
  FMarkerShown = true;
  update(MarkerRect(Value));
}

void TDesignRuler::paintEvent(QPaintEvent*)
{
  QPainter painter(this);
  TCanvas canvas(&painter);
  DrawRuler(canvas);
  if (FShowPosition && FMarkerShown)
    DrawMarker(canvas, FLastPosition);
}
