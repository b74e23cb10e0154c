// A design object's own mouse handling: the handle zones, selecting with a click or a
// Shift-click, dragging to move or resize, and editing the text in place.
#include "objects/DesignObject.h"

#include "model/Surface.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPointer>

#include <algorithm>

namespace {

// Ends the in-place edit when the editor loses the keyboard focus.
class TEditorWatch : public QObject {
public:
  TEditorWatch(TDesignObject* Owner, QObject* Parent)
    : QObject(Parent), FOwner(Owner) {}
  bool eventFilter(QObject* Watched, QEvent* Event) override
  {
    if (Event->type() == QEvent::FocusOut)
      FOwner->StopEdit();
    return QObject::eventFilter(Watched, Event);
  }

private:
  TDesignObject* FOwner;
};

// The text as the editor shows it: every CR LF, CR or LF becomes one LF.
QString EditorText(QString Text)
{
  Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Text.replace(u'\r', u'\n');
  return Text;
}

} // namespace

int TDesignObject::HandleAt(int X, int Y) const
{
  const int W = Width(), H = Height();
  int zx = 6, zy = 6;
  if (FPerceptual) {
    zx = std::max(W / 4, 2);
    zy = std::max(H / 4, 2);
  }
  if (FBorderShape == bshHLine) {
    int result = 8;
    if (X <= zx)
      result = 1;
    if (X >= W - zx)
      result = 6;
    return result;
  }
  if (FBorderShape == bshVLine) {
    if (Y <= zy)
      return 3;
    if (Y >= H - zy)
      return 4;
    return 8;
  }
  const int column = X <= zx ? 0 : (X >= W - zx ? 2 : 1);
  const int row = Y <= zy ? 0 : (Y >= H - zy ? 2 : 1);
  static const int table[3][3] = {
    {0, 1, 2}, // left column: top, middle, bottom
    {3, 8, 4}, // middle column
    {5, 6, 7}, // right column
  };
  return table[column][row];
}

TMoveMode TDesignObject::MoveModeOfHandle(int Handle)
{
  static const TMoveMode modes[] = {mmNW, mmW, mmSW, mmN, mmS, mmNE, mmE, mmSE, mmMove};
  return Handle >= 0 && Handle <= 8 ? modes[Handle] : mmMove;
}

Qt::CursorShape TDesignObject::CursorOfHandle(int Handle)
{
  switch (Handle) {
  case 0:
  case 7: return Qt::SizeFDiagCursor;
  case 1:
  case 6: return Qt::SizeHorCursor;
  case 2:
  case 5: return Qt::SizeBDiagCursor;
  case 3:
  case 4: return Qt::SizeVerCursor;
  default: return Qt::SizeAllCursor;
  }
}

void TDesignObject::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
  if (Button != mbLeft)
    return;
  if (HostSurface() && HostSurface()->DesignMode() == dmCreate && OnBeginCreateChild) {
    OnBeginCreateChild(this, Shift, X + Left(), Y + Top());
    return;
  }
  bool changed = false;
  if (Shift & ssShift) {
    SetSelectMode(FSelectMode != smNone ? smNone : smFollow);
    changed = true;
  } else if (FSelectMode == smNone) {
    SetSelectMode(smFirst);
    changed = true;
  }
  if (changed && OnSelected)
    OnSelected(this, FSelectMode);
}

void TDesignObject::MouseMove(TShiftState Shift, int X, int Y)
{
  if (HostSurface() && HostSurface()->DesignMode() == dmCreate && OnInCreateChild) {
    OnInCreateChild(this, Shift, X + Left(), Y + Top());
    return;
  }
  if (FEditing || FLocked)
    return;
  if (Shift == ssLeft) {
    if (MoveMode == mmNone)
      BeginMove(X, Y);
    else
      DragMove(X, Y);
  } else if (Shift == 0) {
    SetCursor(CursorOfHandle(HandleAt(X, Y)));
  }
}

void TDesignObject::MouseUp(TMouseButton, TShiftState Shift, int X, int Y)
{
  if (HostSurface() && HostSurface()->DesignMode() == dmCreate && OnEndCreateChild) {
    OnEndCreateChild(this, Shift, X + Left(), Y + Top());
    return;
  }
  if (MoveMode != mmNone)
    EndMove();
}

void TDesignObject::DblClick()
{
  if (OnDblClick)
    OnDblClick(this);
  if (FCanEdit && FSelectMode == smFirst)
    StartEdit();
}

void TDesignObject::BeginMove(int X, int Y)
{
  if (FLocked)
    return;
  const int h = HandleAt(X, Y);
  MoveMode = MoveModeOfHandle(h);
  SetCursor(CursorOfHandle(h));
  OldX = X;
  OldY = Y;
  if (OnMoved)
    OnMoved(this, MoveMode, 0, 0);
}

void TDesignObject::DragMove(int X, int Y)
{
  if (FLocked)
    return;
  FIsMoving = true;
  const int dx = X - OldX, dy = Y - OldY;
  Move(MoveMode, dx, dy);
  if (OnMoved)
    OnMoved(this, MoveMode, dx, dy);
}

void TDesignObject::EndMove()
{
  MoveMode = mmNone;
  FIsMoving = false;
  if (TDesignSurface* surface = HostSurface()) {
    surface->EndControlMove(this);
    surface->SnapSelected();
  }
  RefreshObject();
}

void TDesignObject::Move(TMoveMode Mode, int MoveX, int MoveY)
{
  if (FLocked)
    return;
  int l = Left(), t = Top(), w = Width(), h = Height();
  bool left = false, top = false, width = false, height = false;
  auto moveLeft = [&] { l += MoveX; w -= MoveX; left = width = true; };
  auto moveRight = [&] { w += MoveX; OldX += MoveX; width = true; };
  auto moveTop = [&] { t += MoveY; h -= MoveY; top = height = true; };
  auto moveBottom = [&] { h += MoveY; OldY += MoveY; height = true; };
  switch (Mode) {
  case mmNone:
  case mmMove:
    l += MoveX;
    t += MoveY;
    left = top = true;
    break;
  case mmW: moveLeft(); break;
  case mmE: moveRight(); break;
  case mmN: moveTop(); break;
  case mmS: moveBottom(); break;
  case mmNW: moveLeft(); moveTop(); break;
  case mmSW: moveLeft(); moveBottom(); break;
  case mmNE: moveRight(); moveTop(); break;
  case mmSE: moveRight(); moveBottom(); break;
  }
  SetBounds(l, t, w, h);
  if (left)
    UpdateStoreLeft();
  if (top)
    UpdateStoreTop();
  if (width)
    UpdateStoreWidth();
  if (height)
    UpdateStoreHeight();
}

void TDesignObject::StartEdit()
{
  if (FWantPopup) {
    if (TDesignSurface* surface = HostSurface())
      surface->ContentPopup(this);
    return;
  }
  if (!FParent)
    return;
  if (!FEditor) {
    FEditor = new QPlainTextEdit(FParent);
    FEditorWatch = new TEditorWatch(this, FEditor);
    FEditor->installEventFilter(FEditorWatch);
  }
  FEditor->hide();
  FEditor->setPlainText(EditorText(FText));
  QFont font(FFontName);
  font.setPixelSize(std::clamp((FFontSize * FEditor->logicalDpiY() + 36) / 72, 1, 2000));
  FEditor->setFont(font);
  QPalette pal = FEditor->palette();
  pal.setColor(QPalette::Text, ColorToQColor(FFontColour));
  FEditor->setPalette(pal);
  FEditor->setFrameShape(QFrame::Box);
  FEditor->setFrameShadow(QFrame::Plain);
  FEditor->setLineWidth(1);
  FEditor->setGeometry(BoundsRect().normalized());
  QTextOption option = FEditor->document()->defaultTextOption();
  option.setAlignment(Alignment());
  FEditor->document()->setDefaultTextOption(option);
  FEditor->selectAll();
  FEditor->show();
  FEditing = true;
  FEditor->setFocus(Qt::OtherFocusReason);
}

void TDesignObject::StopEdit()
{
  if (!FEditor)
    return;
  // Detach the editor first: its focus loss, or being hidden, must not end the edit twice.
  QPlainTextEdit* editor = FEditor;
  FEditor = nullptr;
  editor->removeEventFilter(FEditorWatch);
  FEditorWatch = nullptr;
  // The editor breaks lines with LF; texts keep CR LF, and an unchanged text keeps its
  // own line breaks.
  const QString oldText = FText;
  const QString edited = editor->toPlainText();
  QString newText = oldText;
  if (edited != EditorText(oldText)) {
    newText = edited;
    newText.replace(u'\n', QStringLiteral("\r\n"));
  }
  if (OnEdited)
    OnEdited(this, oldText, newText);
  SetText(newText);
  editor->hide();
  editor->deleteLater();
  FEditing = false;
  RefreshObject();
}
