#include "support/Support.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <memory>

QImage RenderWidget(QWidget* Widget)
{
  QImage image(Widget->size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  Widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
  return image;
}

unsigned PixelRgb(const QImage& Image, int X, int Y)
{
  return Image.pixel(X, Y) & 0xFFFFFFu;
}

void WhenModalOpens(std::function<void(QWidget* Dialog)> Action)
{
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, Action = std::move(Action)]() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      Action(modal);
    }
  });
  timer->start();
}

QString TestTempDir()
{
  static QTemporaryDir dir;
  return dir.path();
}

void SaveShot(const QImage& Image, const QString& Name)
{
  const QString dir = qEnvironmentVariable("ZENTAF_SHOT_DIR");
  if (dir.isEmpty())
    return;
  QDir().mkpath(dir);
  Image.save(dir + QStringLiteral("/") + Name + QStringLiteral(".png"));
}

namespace {
void Send(QWidget* W, QEvent::Type T, QPoint P, Qt::MouseButton B, Qt::MouseButtons Held, Qt::KeyboardModifiers M)
{
  const QPointF local(P);
  QMouseEvent e(T, local, W->mapToGlobal(local), B, Held, M);
  QApplication::sendEvent(W, &e);
}
} // namespace

namespace Mouse {
void Press(QWidget* W, QPoint P, Qt::MouseButton B, Qt::KeyboardModifiers M)
{
  Send(W, QEvent::MouseButtonPress, P, B, B, M);
}

void Move(QWidget* W, QPoint P, Qt::MouseButtons Held, Qt::KeyboardModifiers M)
{
  Send(W, QEvent::MouseMove, P, Qt::NoButton, Held, M);
}

void Release(QWidget* W, QPoint P, Qt::MouseButton B, Qt::KeyboardModifiers M)
{
  Send(W, QEvent::MouseButtonRelease, P, B, Qt::NoButton, M);
}

void DoubleClick(QWidget* W, QPoint P)
{
  Press(W, P);
  Release(W, P);
  Send(W, QEvent::MouseButtonDblClick, P, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  Release(W, P);
}

void Drag(QWidget* W, QPoint From, QPoint To, int Steps, Qt::KeyboardModifiers M)
{
  Press(W, From, Qt::LeftButton, M);
  for (int i = 1; i <= Steps; ++i)
    Move(W, From + (To - From) * i / Steps, Qt::LeftButton, M);
  Release(W, To, Qt::LeftButton, M);
}

void Click(QWidget* W, QPoint P, Qt::KeyboardModifiers M)
{
  Press(W, P, Qt::LeftButton, M);
  Release(W, P, Qt::LeftButton, M);
}
} // namespace Mouse
