#pragma once
// Helpers shared by the tests: rendering widgets to images, pixel checks, and running
// a modal dialog's interaction from inside its event loop.
#include <QColor>
#include <QPoint>
#include <QImage>
#include <QString>

#include <functional>

class QWidget;

// Renders Widget (and its children) into an RGB32 image of its size.
QImage RenderWidget(QWidget* Widget);
// The colour of a pixel as 0xRRGGBB, for readable expectations.
unsigned PixelRgb(const QImage& Image, int X, int Y);
// Runs Action on the next modal dialog that opens (of the given type, or any), from
// within that dialog's own event loop. Returns immediately; the action runs later.
void WhenModalOpens(std::function<void(QWidget* Dialog)> Action);
// A temporary directory for the current test (removed with the process).
QString TestTempDir();
// Saves Image under the directory named by ZENTAF_SHOT_DIR (if set) as Name.png.
void SaveShot(const QImage& Image, const QString& Name);

// Real mouse events sent to a widget, with the buttons held stated explicitly.
namespace Mouse {
void Press(QWidget* W, QPoint P, Qt::MouseButton B = Qt::LeftButton, Qt::KeyboardModifiers M = Qt::NoModifier);
void Move(QWidget* W, QPoint P, Qt::MouseButtons Held = Qt::LeftButton, Qt::KeyboardModifiers M = Qt::NoModifier);
void Release(QWidget* W, QPoint P, Qt::MouseButton B = Qt::LeftButton, Qt::KeyboardModifiers M = Qt::NoModifier);
// Press, release, double-click and release, as a real double-click arrives.
void DoubleClick(QWidget* W, QPoint P);
// Press at From, move in Steps steps to To, release there.
void Drag(QWidget* W, QPoint From, QPoint To, int Steps = 4, Qt::KeyboardModifiers M = Qt::NoModifier);
void Click(QWidget* W, QPoint P, Qt::KeyboardModifiers M = Qt::NoModifier);
} // namespace Mouse
