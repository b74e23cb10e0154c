// Reading and writing large layouts beside pugixml parsing and serialising the same
// text, a layout with large embedded pictures, and undo snapshots of a big selection.
#include "editing/Undo.h"
#include "format/DesignHeader.h"
#include "model/Band.h"
#include "model/Container.h"
#include "model/Surface.h"
#include "objects/DesignObject.h"
#include "platform/XmlWriter.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>

#include <pugixml.hpp>

#include <sstream>

namespace {

struct Layout {
  TDesignContainer container;
  TDesignHeader header;
  TDesignSurface* surface;
  Layout()
  {
    TDesignBand* band = container.AppendBand();
    band->SetStoreWidth(2100);
    band->SetStoreHeight(2970);
    band->SetShowTopRuler(true);
    band->SetShowLeftRuler(true);
    surface = band->Surface();
  }
};

// A layout of Count mixed objects, optionally Pictures of them holding a large picture.
QString MakeLayout(int Count, int Pictures = 0, int PictureSide = 0)
{
  Layout l;
  QByteArray picture;
  if (Pictures > 0) {
    // Noise does not compress, so the embedded PNG is as large as real photographs are.
    QImage img(PictureSide, PictureSide, QImage::Format_RGB32);
    QRandomGenerator rng(7);
    for (int y = 0; y < img.height(); ++y) {
      auto* line = reinterpret_cast<quint32*>(img.scanLine(y));
      for (int x = 0; x < img.width(); ++x)
        line[x] = rng.generate();
    }
    QBuffer buf(&picture);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
  }
  for (int i = 0; i < Count; ++i) {
    auto* o = new TDesignObject;
    o->SetBorderShape(TBorderShape(i % 6));
    o->SetText(QStringLiteral("Object %1 with some text & symbols").arg(i));
    o->SetFontBold(i % 3 == 0);
    if (i % 10 == 0)
      o->PropList().Add("Field", QStringLiteral("value=%1").arg(i));
    l.surface->AddControlAt(o, QRect((i % 40) * 19, (i / 40) * 4, 17, 3));
    if (i < Pictures) {
      o->SetImageType(ditPNG);
      o->LoadEncodedImage(picture.toBase64());
    }
  }
  QString text;
  l.container.ToXMLString(&l.header, text);
  return text;
}

const QString& Layout10000()
{
  static const QString text = MakeLayout(10000);
  return text;
}

const QString& LayoutWithPictures()
{
  static const QString text = MakeLayout(200, 20, 800); // 20 pictures of about 2.5 MB
  return text;
}

// Reading as opening a file does: from the file's UTF-8 bytes.
void ReadLayout(benchmark::State& state, const QString& Text)
{
  Layout l;
  const QByteArray text = Text.toUtf8();
  for (auto _ : state) {
    // The bytes as a file read hands them over, taken by the reader.
    state.PauseTiming();
    QByteArray bytes(text.constData(), text.size());
    state.ResumeTiming();
    TLayoutReadResult r;
    l.container.FromXMLBytes(&l.header, std::move(bytes), &r);
    if (r.Status != TLayoutReadResult::Ok)
      state.SkipWithError("the layout was not read");
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}

void PugixmlParse(benchmark::State& state, const QString& text)
{
  const QByteArray utf8 = text.toUtf8();
  for (auto _ : state) {
    pugi::xml_document doc;
    const pugi::xml_parse_result r = doc.load_buffer(utf8.constData(), size_t(utf8.size()),
                                                     pugi::parse_default & ~pugi::parse_eol);
    benchmark::DoNotOptimize(r.status);
  }
  state.SetBytesProcessed(state.iterations() * utf8.size());
}

void BM_ReadLayout10000(benchmark::State& state) { ReadLayout(state, Layout10000()); }
BENCHMARK(BM_ReadLayout10000)->Unit(benchmark::kMillisecond);

void BM_PugixmlParse10000(benchmark::State& state) { PugixmlParse(state, Layout10000()); }
BENCHMARK(BM_PugixmlParse10000)->Unit(benchmark::kMillisecond);

void BM_ReadLayoutLargePictures(benchmark::State& state) { ReadLayout(state, LayoutWithPictures()); }
BENCHMARK(BM_ReadLayoutLargePictures)->Unit(benchmark::kMillisecond);

void BM_PugixmlParseLargePictures(benchmark::State& state) { PugixmlParse(state, LayoutWithPictures()); }
BENCHMARK(BM_PugixmlParseLargePictures)->Unit(benchmark::kMillisecond);

void BM_WriteLayout10000(benchmark::State& state)
{
  Layout l;
  l.container.FromXMLString(&l.header, Layout10000());
  qsizetype size = 0;
  for (auto _ : state) {
    const QByteArray text = l.container.ToXMLBytes(&l.header);
    size = text.size();
    benchmark::DoNotOptimize(text.constData());
  }
  state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteLayout10000)->Unit(benchmark::kMillisecond);

struct StringWriter : pugi::xml_writer {
  std::string out;
  void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

void BM_PugixmlSerialise10000(benchmark::State& state)
{
  const QByteArray utf8 = Layout10000().toUtf8();
  pugi::xml_document doc;
  doc.load_buffer(utf8.constData(), size_t(utf8.size()), pugi::parse_default & ~pugi::parse_eol);
  for (auto _ : state) {
    StringWriter w;
    w.out.reserve(size_t(utf8.size()));
    doc.save(w, "  ", pugi::format_default, pugi::encoding_utf8);
    benchmark::DoNotOptimize(w.out.data());
  }
  state.SetBytesProcessed(state.iterations() * utf8.size());
}
BENCHMARK(BM_PugixmlSerialise10000)->Unit(benchmark::kMillisecond);

// The start of a drag of 1,000 selected objects: one moved record each.
void BM_UndoSnapshot1000(benchmark::State& state)
{
  Layout l;
  l.container.FromXMLString(&l.header, MakeLayout(1000));
  TDesignUndoManager* undo = l.container.UndoManager();
  for (auto _ : state) {
    undo->StartUndo();
    for (TDesignObject* o : l.surface->Controls())
      undo->AddMoved(l.surface, o);
    undo->EndUndo();
    state.PauseTiming();
    undo->ClearAll();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_UndoSnapshot1000)->Unit(benchmark::kMillisecond);

// Writing the same 1,000 objects as a layout does.
void BM_Write1000Objects(benchmark::State& state)
{
  Layout l;
  l.container.FromXMLString(&l.header, MakeLayout(1000));
  for (auto _ : state) {
    TXmlWriter w;
    w.Declaration();
    l.surface->ControlsToXML(w, false);
    benchmark::DoNotOptimize(w.TakeBytes().constData());
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Write1000Objects)->Unit(benchmark::kMillisecond);

} // namespace
