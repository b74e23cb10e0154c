#pragma once
// Mouse buttons and the shift state of mouse events, as objects and surfaces take them.

class QMouseEvent;

enum TMouseButton : int { mbLeft = 0, mbRight, mbMiddle };
enum TShiftFlag : int { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = int;

// The shift state of a Qt mouse event: keyboard modifiers and the buttons held.
TShiftState ShiftStateOf(const QMouseEvent* Event);
// The button of a press or release; mbLeft for anything that is not right or middle.
TMouseButton MouseButtonOf(const QMouseEvent* Event);
