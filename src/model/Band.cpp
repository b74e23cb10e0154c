#include "model/Band.h"

#include "editing/Ruler.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int kRulerThickness = 25;
}

TDesignBand::TDesignBand(QWidget* Parent)
  : QWidget(Parent)
{
  setAttribute(Qt::WA_OpaquePaintEvent);
  FSurface = new TDesignSurface(this);
  FSurface->SetColor(clWhite);
  FSurface->OnShowPosition = [this](TDesignSurface*, int X, int Y) { ShowPosition(X, Y); };
  FSurface->show();
}

TDesignBand::~TDesignBand()
{
  // The surface frees its objects first, while the rulers still exist.
  delete FTopRuler;
  FTopRuler = nullptr;
  delete FLeftRuler;
  FLeftRuler = nullptr;
  delete FSurface;
  FSurface = nullptr;
}

int TDesignBand::StoreWidth() const
{
  return FSurface->StoreWidth();
}

void TDesignBand::SetStoreWidth(int v)
{
  FSurface->SetStoreWidth(v);
  if (FTopRuler)
    FTopRuler->resize(FSurface->width(), FTopRuler->height());
  SizeChanged();
}

int TDesignBand::StoreHeight() const
{
  return FSurface->StoreHeight();
}

int TDesignBand::DesignWidth() const
{
  return FSurface->width() + (FShowLeftRuler ? 30 : 5);
}

void TDesignBand::SetStoreHeight(int v)
{
  FSurface->SetStoreHeight(v);
  UpdateHeight();
}

void TDesignBand::SetImperial(bool v)
{
  FImperial = v;
  const TRulerUnits units = v ? ruInch : ruCM;
  if (FTopRuler)
    FTopRuler->SetUnits(units);
  if (FLeftRuler)
    FLeftRuler->SetUnits(units);
}

void TDesignBand::SetSizeable(bool v)
{
  FSizeable = v;
  UpdateHeight();
}

void TDesignBand::ShowRuler(TDesignRuler*& Ruler, bool Show, int Orientation)
{
  if (Show) {
    // Its marks face the page; it follows the pointer.
    Ruler = new TDesignRuler(this);
    Ruler->SetOrientation(TRulerOrientation(Orientation));
    Ruler->SetShowPosition(true);
    Ruler->show();
  } else {
    delete Ruler;
    Ruler = nullptr;
  }
}

void TDesignBand::SetShowTopRuler(bool v)
{
  if (v == FShowTopRuler)
    return;
  FShowTopRuler = v;
  ShowRuler(FTopRuler, v, roBottom);
  SetImperial(FImperial);
  UpdateHeight();
  ArrangeRulers();
}

void TDesignBand::SetShowLeftRuler(bool v)
{
  if (v == FShowLeftRuler)
    return;
  FShowLeftRuler = v;
  ShowRuler(FLeftRuler, v, roRight);
  SetImperial(FImperial);
  ArrangeRulers();
  SizeChanged();
}

void TDesignBand::SetCaption(const QString& v)
{
  FCaption = v;
  UpdateHeight();
  update();
}

void TDesignBand::ShowFocus(bool Value)
{
  FHasFocus = Value;
  update();
}

void TDesignBand::UpdateHeight()
{
  int h = FSurface->height() + (FShowTopRuler ? 30 : 5);
  if (FSizeable || !FCaption.isEmpty())
    h += 10;
  resize(width(), h);
  SizeChanged();
}

void TDesignBand::ArrangeRulers()
{
  const int w = FSurface->width(), h = FSurface->height();
  const int left = FShowLeftRuler ? kRulerThickness : 0;
  const int top = FShowTopRuler ? kRulerThickness : 0;
  if (FTopRuler)
    FTopRuler->setGeometry(left, 0, w, kRulerThickness);
  if (FLeftRuler)
    FLeftRuler->setGeometry(0, top, kRulerThickness, h);
  FSurface->move(left, top);
  update();
}

void TDesignBand::ShowPosition(int X, int Y)
{
  if (FTopRuler)
    FTopRuler->SetPosition(X);
  if (FLeftRuler)
    FLeftRuler->SetPosition(Y);
  if (FContainer && FContainer->OnShowPosition)
    FContainer->OnShowPosition(FSurface, X, Y);
}

void TDesignBand::SizeChanged()
{
  if (FContainer)
    FContainer->LayoutBands();
}

void TDesignBand::paintEvent(QPaintEvent* Event)
{
  QPainter painter(this);
  // The desktop colour behind the page, so the white surface stands out from it.
  painter.fillRect(Event->rect(), ColorToQColor(clBackground));
  if (FCaption.isEmpty())
    return;
  TCanvas canvas(&painter);
  canvas.Brush().Style = bsClear;
  const int x = (width() - canvas.TextWidth(FCaption)) / 2;
  const int y = height() - canvas.TextHeight(QStringLiteral("A"));
  canvas.TextOut(x, y, FCaption);
}
