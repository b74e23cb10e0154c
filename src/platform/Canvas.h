#pragma once
// TCanvas: the drawing surface every object, ruler and page draws through. It wraps a
// QPainter with a pen, a brush and a font in the model's own terms (colours as TColor,
// pen and brush styles by their stored ordinals, font size in points) and offers the
// operations of the classic canvas with its pixel rules: rectangles exclude their right
// and bottom edges, LineTo does not paint its end point, a pen of width 0 paints one
// pixel, clear styles paint nothing. Screen, printer and PDF output share this one path.
#include "platform/Colors.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTransform>

#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;

enum TPenStyle : int { psSolid = 0, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TBrushStyle : int { bsSolid = 0, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TPenMode : int { pmCopy = 0, pmNotXor };

// Font style bits: bold, italic, underline, strike-out.
enum TFontStyleBit : int { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// Text output flags of DrawText.
namespace DT {
constexpr unsigned LEFT = 0x0;
constexpr unsigned CENTER = 0x1;
constexpr unsigned RIGHT = 0x2;
constexpr unsigned VCENTER = 0x4;
constexpr unsigned BOTTOM = 0x8;
constexpr unsigned WORDBREAK = 0x10;
constexpr unsigned SINGLELINE = 0x20;
constexpr unsigned EXPANDTABS = 0x40;
constexpr unsigned NOCLIP = 0x100;
constexpr unsigned CALCRECT = 0x400;
constexpr unsigned NOPREFIX = 0x800;
constexpr unsigned END_ELLIPSIS = 0x8000;
// With CALCRECT: only the height is wanted, so line widths are not measured.
constexpr unsigned HEIGHTONLY = 0x40000000;
} // namespace DT

// A rectangle as the canvas takes it: right and bottom edges exclusive.
struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
  static TRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
  bool operator==(const TRect&) const = default;
};

struct TPen {
  TColor Color = clBlack;
  TPenStyle Style = psSolid;
  int Width = 1;
  TPenMode Mode = pmCopy;
  bool operator==(const TPen&) const = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  // When not null, the brush paints this pattern, tiled from the canvas origin.
  QImage Bitmap;
  bool operator==(const TBrush& o) const
  {
    return Color == o.Color && Style == o.Style && Bitmap.cacheKey() == o.Bitmap.cacheKey();
  }
};

struct TFont {
  QString Name = QStringLiteral("Tahoma");
  int Size = 8;          // points
  TColor Color = clBlack;
  int Style = 0;         // TFontStyleBit bits
  int Orientation = 0;   // tenths of a degree, counter-clockwise
  bool operator==(const TFont&) const = default;
};

class TCanvas {
public:
  // Draws on Painter, which must stay active while the canvas is used. Font sizes are
  // turned into pixels with the painter's device resolution, or with the resolution of
  // ReferenceDevice when one is given (a recording canvas measures like its reference).
  explicit TCanvas(QPainter* Painter, QPaintDevice* ReferenceDevice = nullptr);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  QPainter* Painter() const { return FPainter; }

  // The state. Changes take effect on the next drawing call.
  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }
  TFont& Font() { return FFont; }

  // Vertical pixels per inch used for font sizes.
  int FontResolution() const { return FFontDpi; }

  // Outline with the pen, interior with the brush; right and bottom edges exclusive.
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  // Paints the rectangle with the brush only (x2 and y2 exclusive).
  void FillRect(int x1, int y1, int x2, int y2);
  void FillRect(const TRect& r) { FillRect(r.Left, r.Top, r.Right, r.Bottom); }
  // A rounded rectangle whose corners are quarter ellipses of rx × ry.
  void RoundRect(int x1, int y1, int x2, int y2, int rx, int ry);
  // The ellipse inscribed in the rectangle (x2 and y2 exclusive).
  void Ellipse(int x1, int y1, int x2, int y2);
  // Counter-clockwise arc of the ellipse inscribed in (x1, y1, x2, y2), from the radial
  // through (x3, y3) to the radial through (x4, y4).
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  // Closed polygon: outline with the pen, interior with the brush.
  void Polygon(const std::vector<QPoint>& Points);
  // Open polyline with the pen.
  void Polyline(const std::vector<QPoint>& Points);
  void MoveTo(int x, int y) { FPenPos = QPoint(x, y); }
  // A line from the pen position to (x, y), the end point itself not painted.
  void LineTo(int x, int y);
  QPoint PenPos() const { return FPenPos; }

  // Pictures at their natural size, or stretched into a rectangle (x2, y2 exclusive).
  void Draw(int x, int y, const QImage& Image);
  void StretchDraw(const TRect& r, const QImage& Image);

  // Single-line text with the top-left corner of its cell at (x, y). Honours the font
  // orientation and a pending text justification (which it then clears).
  void TextOut(int x, int y, const QString& Text);
  int TextWidth(const QString& Text);
  // Height of a line of the font: ascent plus descent.
  int TextHeight(const QString& Text);
  QSize TextExtent(const QString& Text) { return QSize(TextWidth(Text), TextHeight(Text)); }
  // Ascent of the current font.
  int TextAscent();
  // Average character width of the current font (the width of "x").
  int AverageCharWidth();

  // Multi-line text in R with the DT flags: lines end at CR, LF or CR LF; DT::WORDBREAK
  // breaks them at spaces to fit R's width; DT::END_ELLIPSIS ends a line that still does
  // not fit with "..."; output is clipped to R unless DT::NOCLIP. Returns the height of
  // the text. With DT::CALCRECT nothing is drawn and R's bottom (and right) are set to the
  // measured extent.
  int DrawText(const QString& Text, TRect& R, unsigned Flags);

  // Spreads Extra pixels over the Count break characters (spaces) of the next TextOut.
  void SetTextJustification(int Extra, int Count);

  // Moves the canvas origin to Origin (in the painter's coordinates at construction);
  // the world transform applies on top of it.
  void SetOrigin(const QPoint& Origin);
  // Back to a fresh canvas: black solid pen of width 1, white solid brush, the default
  // font, no justification, copy mode. Objects start their painting from this state.
  void ResetState();

  // World transform applied to everything drawn after it (on top of the origin).
  void SetWorldTransform(const QTransform& t);
  QTransform WorldTransform() const { return FWorld; }

  // The font the canvas would draw with now.
  QFont CurrentQFont();
  QFontMetrics& Metrics();

private:
  void ApplyPen();
  void ApplyBrush();
  void ApplyFont();
  void ApplyMode();
  bool PenVisible() const { return FPen.Style != psClear; }
  bool BrushVisible() const { return FBrush.Style != bsClear; }
  struct Line {
    QString Text;
    int Width = 0;
  };
  std::vector<Line> LayoutLines(const QString& Text, int Width, unsigned Flags, size_t MaxLines);
  int LineWidth(const QString& s, unsigned Flags);
  int Advance(const QString& s);
  void DrawLineText(int x, int y, const QString& s, unsigned Flags, int VisibleWidth);

  QPainter* FPainter;
  QTransform FInitial;
  QTransform FBase;
  QTransform FWorld;
  int FFontDpi = 96;
  QPaintDevice* FMetricsDevice = nullptr;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  std::optional<TPen> FAppliedPen;
  std::optional<TBrush> FAppliedBrush;
  std::optional<TFont> FAppliedFont;
  std::optional<TPenMode> FAppliedMode;
  QFont FQFont;
  std::unique_ptr<QFontMetrics> FMetrics;
  QHash<QString, int>* FWidths = nullptr;
  QPoint FPenPos;
  int FJustifyExtra = 0;
  int FJustifyCount = 0;
};

// Makes the QFont for a model font at Dpi: the pixel size is the point size × Dpi ÷ 72,
// rounded; sizes of 0 or less give the default 8-point size, absurd sizes are capped.
QFont MakeQFont(const TFont& f, int Dpi);
