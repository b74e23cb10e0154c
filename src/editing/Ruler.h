#pragma once
// TDesignRuler: a centimetre or inch scale along the top or left of a band, with a
// tick every tenth of a unit, a longer one at the half unit, a full-depth line at every
// unit and the unit numbers, and a thin marker that follows the pointer.
#include "platform/Colors.h"

#include <QImage>
#include <QWidget>

class TCanvas;

enum TRulerUnits : int { ruCM = 0, ruInch };
enum TRulerOrientation : int { roTop = 0, roBottom, roLeft, roRight };

class TDesignRuler : public QWidget {
  Q_OBJECT
public:
  explicit TDesignRuler(QWidget* Parent = nullptr);

  TRulerOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TRulerOrientation v);
  TRulerUnits Units() const { return FUnits; }
  void SetUnits(TRulerUnits v);
  bool ShowNumbers() const { return FShowNumbers; }
  void SetShowNumbers(bool v);
  int Start() const { return FStart; }
  void SetStart(int v);
  TColor RulerColour() const { return FRulerColour; }
  void SetRulerColour(TColor v);
  bool ShowPosition() const { return FShowPosition; }
  void SetShowPosition(bool v) { FShowPosition = v; }
  // Pixels per unit, as computed for the last drawing.
  double PPU() const { return FPPU; }
  // Where the marker was last placed (pixels along the ruler).
  int LastPosition() const { return FLastPosition; }

  // Moves the position marker to Value pixels along the ruler (only with ShowPosition).
  void SetPosition(int Value);

  // Draws the scale onto Canvas (the control's area at the canvas origin).
  void DrawRuler(TCanvas& Canvas);
  // The one-unit pattern that DrawRuler tiles along the ruler.
  QImage UnitPattern();

protected:
  void paintEvent(QPaintEvent* Event) override;

private:
  bool Horizontal() const { return FOrientation == roTop || FOrientation == roBottom; }
  void ComputePPU();
  void DrawMarker(TCanvas& Canvas, int Position);
  QRect MarkerRect(int Position) const;

  TRulerOrientation FOrientation = roTop;
  TRulerUnits FUnits = ruCM;
  double FPPU = 0;
  bool FShowNumbers = true;
  int FStart = 0;
  TColor FRulerColour = clSilver;
  bool FShowPosition = false;
  int FLastPosition = 0;
  bool FMarkerShown = false;
};
