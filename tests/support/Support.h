#pragma once
// Helpers shared by the tests: rendering widgets to images, pixel checks, and running
// a modal dialog's interaction from inside its event loop.
#include <QColor>
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
