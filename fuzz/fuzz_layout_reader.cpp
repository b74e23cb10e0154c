// Feeds arbitrary bytes to the layout reader: decoded as UTF-8, read into a container,
// and, when something was read, written out again.
#include "format/DesignHeader.h"
#include "model/Container.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_layout_reader";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
  }();
  (void)app;
  TDesignContainer container;
  TDesignHeader header;
  TLayoutReadResult result;
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size));
  container.FromXMLString(&header, text, &result);
  if (result.Status == TLayoutReadResult::Ok) {
    QString again;
    container.ToXMLString(&header, again);
  }
  return 0;
}
