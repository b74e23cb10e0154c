// Painting a large design: a full repaint of 5,000 mixed objects beside the same shapes
// and texts drawn with bare QPainter calls, and one drag step of 1,000 selected objects.
#include "model/Band.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "objects/DesignObject.h"
#include "platform/Canvas.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include <memory>

namespace {

constexpr int kColumns = 50;
constexpr int kCellW = 40, kCellH = 22;

// The same mix for both sides: text boxes, rectangles, ellipses, lines and marked-up texts.
struct Cell {
  QRect r;
  int kind; // 0 text box, 1 rectangle, 2 ellipse, 3 line, 4 marked-up text
  QString text;
};

std::vector<Cell> MakeCells(int Count)
{
  std::vector<Cell> cells;
  for (int i = 0; i < Count; ++i) {
    const QRect r((i % kColumns) * kCellW + 2, (i / kColumns) * kCellH + 2, kCellW - 4, kCellH - 4);
    const int kind = i % 5;
    QString text;
    if (kind == 0)
      text = QStringLiteral("Item %1").arg(i);
    else if (kind == 4)
      text = QStringLiteral("<b>%1</b> x").arg(i);
    cells.push_back({r, kind, text});
  }
  return cells;
}

struct Design {
  TDesignContainer container;
  TDesignBand* band = container.AppendBand();
  TDesignSurface* surface = band->Surface();
  std::vector<Cell> cells;

  explicit Design(int Count)
    : cells(MakeCells(Count))
  {
    surface->resize(kColumns * kCellW, (Count / kColumns + 1) * kCellH);
    for (const Cell& c : cells) {
      auto* o = new TDesignObject;
      switch (c.kind) {
      case 0: o->SetBorderShape(bshRect); break;
      case 1: o->SetBorderShape(bshRect); break;
      case 2: o->SetBorderShape(bshEllipse); break;
      case 3: o->SetBorderShape(bshHLine); break;
      case 4: o->SetBorderShape(bshNone); o->SetWantHTML(true); break;
      }
      o->SetText(c.text);
      o->SetWordWrap(true);
      surface->AddControlAt(o, c.r.adjusted(2, 2, -2, -2));
    }
  }
};

void BM_Repaint5000Objects(benchmark::State& state)
{
  Design d(5000);
  QImage target(d.surface->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&target);
    TCanvas canvas(&p);
    d.surface->PaintSurface(canvas, d.surface->rect());
  }
  state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_Repaint5000Objects)->Unit(benchmark::kMillisecond);

void BM_Repaint5000BareQPainter(benchmark::State& state)
{
  const std::vector<Cell> cells = MakeCells(5000);
  const QSize size(kColumns * kCellW, (5000 / kColumns + 1) * kCellH);
  QImage target(size, QImage::Format_RGB32);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  for (auto _ : state) {
    QPainter p(&target);
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.setFont(font);
    for (const Cell& c : cells) {
      p.setClipRect(c.r);
      p.setPen(QPen(Qt::black, 0));
      p.setBrush(Qt::white);
      switch (c.kind) {
      case 0:
      case 1: p.drawRect(c.r.adjusted(0, 0, -1, -1)); break;
      case 2: p.drawEllipse(c.r.adjusted(0, 0, -1, -1)); break;
      case 3: p.drawLine(c.r.left(), c.r.center().y(), c.r.right(), c.r.center().y()); break;
      case 4: p.fillRect(c.r, Qt::white); break;
      }
      if (!c.text.isEmpty())
        p.drawText(c.r.adjusted(1, 1, -1, -1), Qt::TextWordWrap, c.text);
    }
  }
  state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_Repaint5000BareQPainter)->Unit(benchmark::kMillisecond);

// One drag step of a 1,000-object selection on a shown surface of 5,000 objects: the
// step itself and the repaint of what it changed.
void BM_DragStep1000Selected(benchmark::State& state)
{
  Design d(5000);
  QWidget window;
  d.container.setParent(&window);
  window.resize(1280, 1000);
  d.container.resize(1280, 1000);
  window.show();
  QApplication::processEvents();
  for (int i = 0; i < 1000; ++i)
    d.surface->GetControl(i * 5)->SetSelectMode(smAny);
  TDesignObject* dragged = d.surface->GetControl(0);
  dragged->SetSelectMode(smFirst);
  QApplication::processEvents();
  dragged->BeginMove(dragged->Width() / 2, dragged->Height() / 2);
  int step = 1;
  for (auto _ : state) {
    // Back and forth, so the selection stays where it is over many iterations.
    dragged->DragMove(dragged->Width() / 2 + step, dragged->Height() / 2);
    step = -step;
    QApplication::processEvents();
  }
  dragged->EndMove();
  d.container.setParent(nullptr);
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_DragStep1000Selected)->Unit(benchmark::kMillisecond);

} // namespace
