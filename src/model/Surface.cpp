#include "model/Surface.h"

#include "editing/Undo.h"
#include "model/Band.h"
#include "model/PageLayout.h"
#include "objects/DesignImage.h"
#include "objects/DesignObject.h"
#include "platform/Canvas.h"
#include "platform/Rounding.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

TDesignSurface::TDesignSurface(QWidget* Parent)
  : QWidget(Parent)
{
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);
}

TDesignSurface::~TDesignSurface()
{
  ClearControls();
}

// --- Objects -------------------------------------------------------------------------

void TDesignSurface::AddControlAt(TDesignObject* AControl, const QRect& Position)
{
  if (!AControl)
    return;
  AControl->SetParent(this);
  AControl->SetInDesigner(true);
  AControl->OnMoved = [this](TDesignObject* o, TMoveMode m, int x, int y) { ControlMoved(o, m, x, y); };
  AControl->OnSelected = [this](TDesignObject* o, TSelectMode m) { ControlSelected(o, m); };
  AControl->OnBeginCreateChild = [this](TDesignObject*, TShiftState s, int x, int y) {
    SurfaceMouseDown(mbLeft, s, x, y);
  };
  AControl->OnInCreateChild = [this](TDesignObject*, TShiftState s, int x, int y) { SurfaceMouseMove(s, x, y); };
  AControl->OnEndCreateChild = [this](TDesignObject*, TShiftState s, int x, int y) {
    SurfaceMouseUp(mbLeft, s, x, y);
  };
  AControl->OnEdited = [this](TDesignObject* o, const QString& a, const QString& b) { ControlEdited(o, a, b); };
  AControl->SetUnits(FUnits);
  AControl->SetBounds(Position.left() - 2, Position.top() - 2, Position.width() + 4, Position.height() + 4);
  AControl->UpdateStoreAll();
  SnapControl(AControl);
  AControl->SetVisible(true);
  FCtrls.push_back(AControl);
  AControl->Invalidate();
  if (TDesignUndoManager* undo = GetUndoManager())
    undo->AddCreated(this, AControl);
}

void TDesignSurface::AddControl(TDesignObject* AControl)
{
  AddControlAt(AControl, QRect(0, 0, 20, 20));
}

void TDesignSurface::DeleteControl(int Index)
{
  if (Index < 0 || Index >= ControlCount())
    return;
  TDesignObject* obj = FCtrls[size_t(Index)];
  FCtrls.erase(FCtrls.begin() + Index);
  if (FMouseTarget == obj)
    FMouseTarget = nullptr;
  InvalidateObjectRect(obj->BoundsRect());
  obj->SetParent(nullptr);
  if (FParentDeletes && OnDeleteObject) {
    OnDeleteObject(this, obj);
  } else {
    delete obj;
  }
}

void TDesignSurface::ClearControls()
{
  for (int i = ControlCount() - 1; i >= 0; --i)
    DeleteControl(i);
}

TDesignObject* TDesignSurface::GetControl(int Index) const
{
  return Index >= 0 && Index < ControlCount() ? FCtrls[size_t(Index)] : nullptr;
}

TDesignObject* TDesignSurface::ControlByName(const QString& Name) const
{
  const int i = ControlIndexByName(Name);
  return i < 0 ? nullptr : FCtrls[size_t(i)];
}

int TDesignSurface::ControlIndexByName(const QString& Name) const
{
  for (size_t i = 0; i < FCtrls.size(); ++i)
    if (FCtrls[i]->Name() == Name)
      return int(i);
  return -1;
}

void TDesignSurface::SetControlIndex(const QString& Name, int Index)
{
  const int current = ControlIndexByName(Name);
  if (current < 0)
    return;
  TDesignObject* obj = FCtrls[size_t(current)];
  FCtrls.erase(FCtrls.begin() + current);
  const int target = std::clamp(Index, 0, ControlCount());
  FCtrls.insert(FCtrls.begin() + target, obj);
  obj->Invalidate();
}

TDesignObject* TDesignSurface::FirstSelected() const
{
  for (TDesignObject* obj : FCtrls)
    if (obj->SelectMode() == smAny || obj->SelectMode() == smFirst)
      return obj;
  return nullptr;
}

bool TDesignSurface::HasSelection() const
{
  return std::any_of(FCtrls.begin(), FCtrls.end(), [](TDesignObject* o) { return o->SelectMode() != smNone; });
}

void TDesignSurface::SelectedControls(std::vector<TDesignObject*>& AList) const
{
  AList.clear();
  for (TDesignObject* obj : FCtrls) {
    if (obj->SelectMode() == smFirst)
      AList.insert(AList.begin(), obj);
    else if (obj->SelectMode() != smNone)
      AList.push_back(obj);
  }
}

// --- Settings ------------------------------------------------------------------------

void TDesignSurface::SetDrawMargin(bool v)
{
  FDrawMargin = v;
  update();
}

void TDesignSurface::SetColor(TColor v)
{
  FColor = v;
  update();
}

int TDesignSurface::PixelsFromStore(int Store, bool Horizontal) const
{
  if (!FUnits)
    return Store;
  return FloorToInt((Horizontal ? FUnits->StoreToPixelsX(Store) : FUnits->StoreToPixelsY(Store)) + 1e-9);
}

int TDesignSurface::ReadStore(const TStoreLength& L, int Pixels, bool Horizontal) const
{
  if (L.FromStore && L.Pixels == Pixels)
    return L.Store;
  if (!FUnits)
    return Pixels;
  return FloorToInt((Horizontal ? FUnits->PixelsToStoreX(Pixels) : FUnits->PixelsToStoreY(Pixels)) + 1e-9);
}

void TDesignSurface::WriteStore(TStoreLength& L, int Store, bool Horizontal)
{
  L.Store = Store;
  L.Pixels = PixelsFromStore(Store, Horizontal);
  L.FromStore = true;
}

int TDesignSurface::StoreWidth() const { return ReadStore(FWidth, width(), true); }
int TDesignSurface::StoreHeight() const { return ReadStore(FHeight, height(), false); }

void TDesignSurface::SetStoreWidth(int v)
{
  WriteStore(FWidth, v, true);
  resize(std::max(FWidth.Pixels, 0), height());
}

void TDesignSurface::SetStoreHeight(int v)
{
  WriteStore(FHeight, v, false);
  resize(width(), std::max(FHeight.Pixels, 0));
}

int TDesignSurface::StoreLeftMargin() const { return ReadStore(FLeftMargin, FLeftMargin.Pixels, true); }
int TDesignSurface::StoreTopMargin() const { return ReadStore(FTopMargin, FTopMargin.Pixels, false); }
int TDesignSurface::StoreRightMargin() const { return ReadStore(FRightMargin, FRightMargin.Pixels, true); }
int TDesignSurface::StoreBottomMargin() const { return ReadStore(FBottomMargin, FBottomMargin.Pixels, false); }

void TDesignSurface::SetStoreLeftMargin(int v) { WriteStore(FLeftMargin, v, true); update(); }
void TDesignSurface::SetStoreTopMargin(int v) { WriteStore(FTopMargin, v, false); update(); }
void TDesignSurface::SetStoreRightMargin(int v) { WriteStore(FRightMargin, v, true); update(); }
void TDesignSurface::SetStoreBottomMargin(int v) { WriteStore(FBottomMargin, v, false); update(); }

void TDesignSurface::SetLeftMargin(int v) { FLeftMargin = {0, v, false}; update(); }
void TDesignSurface::SetTopMargin(int v) { FTopMargin = {0, v, false}; update(); }
void TDesignSurface::SetRightMargin(int v) { FRightMargin = {0, v, false}; update(); }
void TDesignSurface::SetBottomMargin(int v) { FBottomMargin = {0, v, false}; update(); }

void TDesignSurface::SetGridSize(double Value)
{
  if (!FUnits)
    return;
  FIntGridSize = FloorToInt(FUnits->PixelsFromMMX(Value));
  FGridSize = Value;
}

void TDesignSurface::SetImage(std::shared_ptr<TDesignImage> v)
{
  FImage = std::move(v);
  update();
}

void TDesignSurface::SetImageMode(TImageMode v)
{
  FImageMode = v;
  update();
}

void TDesignSurface::SetHasImage(bool Value)
{
  FHasImage = Value;
  update();
}

TDesignBand* TDesignSurface::GetBand() const
{
  return qobject_cast<TDesignBand*>(parentWidget());
}

TDesignUndoManager* TDesignSurface::GetUndoManager()
{
  TDesignUndoManager* manager = nullptr;
  if (OnGetUndoManager)
    OnGetUndoManager(this, manager);
  return manager;
}

void TDesignSurface::BeforeSave()
{
  setFocus(Qt::OtherFocusReason);
  // A rubber band still being dragged is finished as if released at its far corner.
  if (FAreaSelectVisible)
    SurfaceMouseUp(mbLeft, 0, FAreaSelect.left() + FAreaSelect.width(), FAreaSelect.top() + FAreaSelect.height());
}

void TDesignSurface::ContentPopup(TDesignObject* DesignObject)
{
  if (OnContentPopup)
    OnContentPopup(this, DesignObject);
}

void TDesignSurface::SnapControl(TDesignObject* C)
{
  if (!C || !FSnapToGrid || !FUnits || C->Locked())
    return;
  auto snap = [](int v) { return RoundEven(v / 10.0) * 10; };
  C->SetStoreLeft(snap(C->StoreLeft()));
  C->SetStoreHeight(snap(C->StoreHeight()));
  C->SetStoreTop(snap(C->StoreTop()));
  C->SetStoreWidth(snap(C->StoreWidth()));
}

// --- Painting ------------------------------------------------------------------------

void TDesignSurface::ObjectBoundsChanged(TDesignObject* Obj, const QRect& OldBounds)
{
  InvalidateObjectRect(OldBounds);
  InvalidateObjectRect(Obj->BoundsRect());
}

void TDesignSurface::InvalidateObjectRect(const QRect& R)
{
  if (!updatesEnabled())
    return;
  const QRect n = R.normalized();
  if (n.width() > 0 && n.height() > 0)
    update(n);
}

void TDesignSurface::PaintSurface(TCanvas& Canvas, const QRect& Clip)
{
  const int w = width(), h = height();
  Canvas.Brush().Color = FColor;
  Canvas.Brush().Style = bsSolid;
  Canvas.FillRect(0, 0, w, h);
  if (FHasImage && FImage && !FImage->IsEmpty()) {
    switch (FImageMode) {
    case imNone: FImage->Draw(Canvas, 0, 0); break;
    case imStretch: FImage->StretchDraw(Canvas, TRect{0, 0, w, h}); break;
    case imScale:
      FImage->Draw(Canvas, (w - FImage->PictureWidth()) / 2, (h - FImage->PictureHeight()) / 2);
      break;
    }
  }
  if (FDrawMargin) {
    const TColor oldColour = Canvas.Pen().Color;
    Canvas.Pen().Color = clAqua;
    Canvas.Brush().Style = bsClear;
    Canvas.Rectangle(LeftMargin(), TopMargin(), w - RightMargin(), h - BottomMargin());
    Canvas.Pen().Color = oldColour;
  }
  QPainter* p = Canvas.Painter();
  const QTransform base = p->worldTransform();
  for (TDesignObject* obj : FCtrls) {
    if (!obj->Visible())
      continue;
    const QRect b = obj->BoundsRect();
    if (b.width() <= 0 || b.height() <= 0 || !b.intersects(Clip))
      continue;
    p->setWorldTransform(base);
    p->setClipRect(b, Qt::ReplaceClip);
    Canvas.SetOrigin(b.topLeft());
    Canvas.ResetState();
    obj->Paint(Canvas);
  }
  Canvas.SetOrigin(QPoint(0, 0));
  p->setWorldTransform(base);
  p->setClipping(false);
  // The rubber band is in front of every object: a dotted outline, not filled.
  if (FAreaSelectVisible) {
    const QRect band = NormalisedBand(FAreaSelect);
    Canvas.ResetState();
    Canvas.Pen().Style = psDot;
    Canvas.Brush().Style = bsClear;
    Canvas.Rectangle(band.left(), band.top(), band.left() + band.width(), band.top() + band.height());
  }
}

void TDesignSurface::paintEvent(QPaintEvent* Event)
{
  QPainter painter(this);
  TCanvas canvas(&painter);
  PaintSurface(canvas, Event->rect());
}
