#include "platform/Input.h"

#include <QMouseEvent>

TShiftState ShiftStateOf(const QMouseEvent* Event)
{
  TShiftState s = 0;
  const Qt::KeyboardModifiers m = Event->modifiers();
  if (m & Qt::ShiftModifier)
    s |= ssShift;
  if (m & Qt::AltModifier)
    s |= ssAlt;
  if (m & Qt::ControlModifier)
    s |= ssCtrl;
  const Qt::MouseButtons b = Event->buttons();
  if (b & Qt::LeftButton)
    s |= ssLeft;
  if (b & Qt::RightButton)
    s |= ssRight;
  if (b & Qt::MiddleButton)
    s |= ssMiddle;
  return s;
}

TMouseButton MouseButtonOf(const QMouseEvent* Event)
{
  switch (Event->button()) {
  case Qt::RightButton: return mbRight;
  case Qt::MiddleButton: return mbMiddle;
  default: return mbLeft;
  }
}
