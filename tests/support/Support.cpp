#include "support/Support.h"

#include <QApplication>
#include <QDir>
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
