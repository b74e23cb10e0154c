#pragma once
// TDesignBand: a panel that holds one design surface and optionally a top ruler and a
// left ruler, whose zeros line up with the surface's edges.
#include "model/PropList.h"

#include <QWidget>

class TDesignContainer;
class TDesignRuler;
class TDesignSurface;
class TDesignUnits;
class TXmlElement;
class TXmlWriter;

class TDesignBand : public QWidget {
  Q_OBJECT
public:
  explicit TDesignBand(QWidget* Parent = nullptr);
  ~TDesignBand() override;

  TDesignSurface* Surface() const { return FSurface; }
  TDesignRuler* TopRuler() const { return FTopRuler; }
  TDesignRuler* LeftRuler() const { return FLeftRuler; }
  TDesignPropList& PropList() { return FPropList; }
  const TDesignPropList& PropList() const { return FPropList; }
  TDesignUnits* Units() const { return FUnits; }
  void SetUnits(TDesignUnits* v) { FUnits = v; }
  TDesignContainer* Container() const { return FContainer; }
  void SetContainer(TDesignContainer* v) { FContainer = v; }

  // The surface's store width; writing it also sizes the band (surface + 30 pixels
  // with the left ruler, + 5 without) and the top ruler.
  int StoreWidth() const;
  void SetStoreWidth(int v);
  // The surface's store height; writing it also updates the band's height.
  int StoreHeight() const;
  void SetStoreHeight(int v);
  bool Imperial() const { return FImperial; }
  // Rulers count in inches when true, centimetres otherwise.
  void SetImperial(bool v);
  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool v);
  bool ShowTopRuler() const { return FShowTopRuler; }
  void SetShowTopRuler(bool v);
  bool ShowLeftRuler() const { return FShowLeftRuler; }
  void SetShowLeftRuler(bool v);
  // The band's caption (empty unless a program sets one), drawn centred at the bottom.
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  bool HasFocus() const { return FHasFocus; }
  void ShowFocus(bool Value);
  void Redraw() { update(); }

  // The width the band asks for: the surface plus the ruler allowance. The container
  // stretches bands to its own width when that is larger.
  int DesignWidth() const;

  // The band's elements and, with WithControls, its objects.
  void ToXML(TXmlWriter& Writer, bool WithControls);
  void FromXML(const TXmlElement& Node, bool WithControls);

  void UpdateHeight();
  void ArrangeRulers();

protected:
  void paintEvent(QPaintEvent* Event) override;

private:
  void ShowPosition(int X, int Y);
  void ShowRuler(TDesignRuler*& Ruler, bool Show, int Orientation);
  void SizeChanged();

  TDesignRuler* FTopRuler = nullptr;
  TDesignRuler* FLeftRuler = nullptr;
  TDesignSurface* FSurface = nullptr;
  bool FShowTopRuler = false;
  bool FShowLeftRuler = false;
  TDesignUnits* FUnits = nullptr;
  TDesignContainer* FContainer = nullptr;
  bool FImperial = false;
  bool FSizeable = false;
  TDesignPropList FPropList;
  bool FHasFocus = false;
  QString FCaption;
};
