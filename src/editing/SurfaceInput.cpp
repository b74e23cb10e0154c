// Selection and direct manipulation on a design surface: routing the mouse to the
// objects, the rubber band, carrying a drag over to the other selected objects,
// snapping, creating objects in create mode, and the selection commands.
#include "model/Surface.h"

#include "editing/Undo.h"
#include "objects/DesignObject.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

namespace {
enum { kPress = 0, kMove, kRelease, kDoubleClick };
} // namespace

QRect NormalisedBand(const QRect& Band)
{
  int left = Band.left(), top = Band.top();
  int right = left + Band.width(), bottom = top + Band.height();
  if (right < left)
    std::swap(left, right);
  if (bottom < top)
    std::swap(top, bottom);
  return QRect(left, top, right - left, bottom - top);
}

TDesignObject* TDesignSurface::ObjectAt(const QPoint& P) const
{
  for (auto it = FCtrls.rbegin(); it != FCtrls.rend(); ++it) {
    TDesignObject* obj = *it;
    if (obj->Visible() && obj->BoundsRect().contains(P))
      return obj;
  }
  return nullptr;
}

void TDesignSurface::RouteMouse(QMouseEvent* Event, int Kind)
{
  const QPoint p = Event->position().toPoint();
  const TShiftState shift = ShiftStateOf(Event);
  const TMouseButton button = MouseButtonOf(Event);
  if (Kind == kPress || Kind == kDoubleClick) {
    // The pressed target keeps the mouse until every button is released.
    if (!FMouseTarget && !FMouseOnSurface) {
      FMouseTarget = ObjectAt(p);
      FMouseOnSurface = FMouseTarget == nullptr;
    }
    if (FMouseTarget) {
      TDesignObject* target = FMouseTarget;
      if (Kind == kDoubleClick)
        target->DblClick();
      // The double-click may have opened the editor or changed the list; the target
      // is still valid because nothing deletes objects from within a click.
      if (FMouseTarget == target)
        target->MouseDown(button, shift | (Kind == kDoubleClick ? ssDouble : 0), p.x() - target->Left(),
                          p.y() - target->Top());
    } else {
      SurfaceMouseDown(button, shift | (Kind == kDoubleClick ? ssDouble : 0), p.x(), p.y());
    }
    return;
  }
  if (Kind == kMove) {
    if (FMouseTarget) {
      FMouseTarget->MouseMove(shift, p.x() - FMouseTarget->Left(), p.y() - FMouseTarget->Top());
      if (FMouseTarget)
        setCursor(FMouseTarget->Cursor());
      return;
    }
    if (FMouseOnSurface) {
      SurfaceMouseMove(shift, p.x(), p.y());
      return;
    }
    // No button held: the object under the pointer shows its hover cursor.
    if (TDesignObject* hover = ObjectAt(p)) {
      hover->MouseMove(shift, p.x() - hover->Left(), p.y() - hover->Top());
      setCursor(hover->Cursor());
    } else {
      unsetCursor();
      SurfaceMouseMove(shift, p.x(), p.y());
    }
    return;
  }
  // Release.
  TDesignObject* target = FMouseTarget;
  const bool onSurface = FMouseOnSurface;
  if (Event->buttons() == Qt::NoButton) {
    FMouseTarget = nullptr;
    FMouseOnSurface = false;
  }
  if (target)
    target->MouseUp(button, shift, p.x() - target->Left(), p.y() - target->Top());
  else if (onSurface)
    SurfaceMouseUp(button, shift, p.x(), p.y());
}

void TDesignSurface::mousePressEvent(QMouseEvent* Event)
{
  RouteMouse(Event, kPress);
}

void TDesignSurface::mouseMoveEvent(QMouseEvent* Event)
{
  RouteMouse(Event, kMove);
}

void TDesignSurface::mouseReleaseEvent(QMouseEvent* Event)
{
  RouteMouse(Event, kRelease);
}

void TDesignSurface::mouseDoubleClickEvent(QMouseEvent* Event)
{
  RouteMouse(Event, kDoubleClick);
}

void TDesignSurface::contextMenuEvent(QContextMenuEvent* Event)
{
  // The object's own menu, opened without touching the selection.
  TDesignObject* obj = ObjectAt(Event->pos());
  if (obj && obj->PopupMenu())
    obj->PopupMenu()->popup(Event->globalPos());
}

// --- The rubber band ----------------------------------------------------------------------

void TDesignSurface::InvalidateBandOutline(const QRect& Band)
{
  const QRect r = NormalisedBand(Band).adjusted(-1, -1, 1, 1);
  update(QRect(r.left(), r.top(), r.width(), 2));
  update(QRect(r.left(), r.bottom() - 1, r.width(), 2));
  update(QRect(r.left(), r.top(), 2, r.height()));
  update(QRect(r.right() - 1, r.top(), 2, r.height()));
}

void TDesignSurface::SurfaceMouseDown(TMouseButton, TShiftState, int X, int Y)
{
  SelectNone();
  if (FAreaSelectVisible)
    InvalidateBandOutline(FAreaSelect);
  FAreaSelect = QRect(X, Y, 1, 1);
  FAreaSelectVisible = true;
  InvalidateBandOutline(FAreaSelect);
}

void TDesignSurface::SurfaceMouseMove(TShiftState, int X, int Y)
{
  if (FAreaSelectVisible) {
    InvalidateBandOutline(FAreaSelect);
    FAreaSelect.setWidth(X - FAreaSelect.left());
    FAreaSelect.setHeight(Y - FAreaSelect.top());
    InvalidateBandOutline(FAreaSelect);
  }
  if (OnShowPosition)
    OnShowPosition(this, X, Y);
}

void TDesignSurface::SurfaceMouseUp(TMouseButton, TShiftState, int, int)
{
  if (!FAreaSelectVisible)
    return;
  // Normalised, so that dragging in any direction gives the same rectangle.
  const QRect band = NormalisedBand(FAreaSelect);
  const int left = band.left(), top = band.top();
  const int right = left + band.width(), bottom = top + band.height();
  if (FDesignMode == dmSelect) {
    for (TDesignObject* obj : FCtrls) {
      if (obj->Left() >= left && obj->Left() + obj->Width() <= right && obj->Top() >= top &&
          obj->Top() + obj->Height() <= bottom)
        obj->SetSelectMode(smAny);
    }
    if (OnSelectionChanged)
      OnSelectionChanged(this);
  } else if (OnCreateObject) {
    TDesignObject* obj = nullptr;
    OnCreateObject(this, obj);
    if (obj)
      AddControlAt(obj, QRect(left, top, right - left, bottom - top));
  }
  InvalidateBandOutline(FAreaSelect);
  FAreaSelectVisible = false;
}

// --- Object events ---------------------------------------------------------------------------

void TDesignSurface::ControlSelected(TDesignObject* Sender, TSelectMode Mode)
{
  if (Mode == smFirst) {
    for (TDesignObject* obj : FCtrls)
      if (obj != Sender && obj->SelectMode() != smNone)
        obj->SetSelectMode(smNone);
    if (OnShowPosition)
      OnShowPosition(this, Sender->Left(), Sender->Top());
  }
  if (OnSelectionChanged)
    OnSelectionChanged(this);
}

void TDesignSurface::ControlMoved(TDesignObject* Sender, TMoveMode Mode, int X, int Y)
{
  // Each object is recorded once, before anything has moved, so one Undo puts the
  // whole drag back.
  TDesignUndoManager* undo = GetUndoManager();
  for (TDesignObject* obj : FCtrls) {
    if (undo && (obj == Sender || obj->SelectMode() != smNone))
      undo->AddMoved(this, obj);
    if (obj == Sender) {
      if (OnShowPosition)
        OnShowPosition(this, Sender->Left(), Sender->Top());
    } else if (obj->SelectMode() != smNone) {
      // While dragged along, the object paints its frame and handles only.
      if (!obj->IsMoving()) {
        obj->SetIsMoving(true);
        obj->Invalidate();
      }
      obj->Move(Mode, X, Y);
    }
  }
}

void TDesignSurface::ControlEdited(TDesignObject* Sender, const QString&, const QString&)
{
  if (TDesignUndoManager* undo = GetUndoManager()) {
    undo->StartUndo();
    undo->AddChanged(this, Sender);
    undo->EndUndo();
  }
}

void TDesignSurface::EndControlMove(TDesignObject* Sender)
{
  for (TDesignObject* obj : FCtrls) {
    if (obj != Sender && obj->SelectMode() != smNone && obj->IsMoving()) {
      obj->SetIsMoving(false);
      obj->Invalidate();
    }
  }
  if (TDesignUndoManager* undo = GetUndoManager())
    undo->EndUndo();
}

void TDesignSurface::SnapSelected()
{
  if (!FSnapToGrid)
    return;
  for (TDesignObject* obj : FCtrls)
    if (obj->SelectMode() != smNone)
      SnapControl(obj);
}

// --- Selection commands ----------------------------------------------------------------------

void TDesignSurface::SelectAll()
{
  for (TDesignObject* obj : FCtrls)
    obj->SetSelectMode(smAny);
  if (OnSelectionChanged)
    OnSelectionChanged(this);
}

void TDesignSurface::SelectNone()
{
  for (TDesignObject* obj : FCtrls)
    if (obj->SelectMode() != smNone)
      obj->SetSelectMode(smNone);
  if (OnSelectionChanged)
    OnSelectionChanged(this);
}

void TDesignSurface::InvertSelection()
{
  for (TDesignObject* obj : FCtrls)
    obj->SetSelectMode(obj->SelectMode() == smNone ? smAny : smNone);
  if (OnSelectionChanged)
    OnSelectionChanged(this);
}
