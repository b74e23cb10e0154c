// Program entry of the designer.
#include "app/DesignPage.h"
#include "format/DesignHeader.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
  // Without a display Qt would abort with a cryptic message; say plainly what is missing.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fprintf(stderr, "zentaf-designer: no display. Set DISPLAY (an X server or Xvfb) or WAYLAND_DISPLAY.\n");
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zentaf Page Designer"));
  QApplication::setApplicationDisplayName(QStringLiteral("Zentaf Page Designer"));
  QApplication::setApplicationVersion(QStringLiteral(ZENTAF_VERSION));

  TfDesignPage window;
  // The header exists before a file named on the command line is opened (on showing).
  TDesignHeader header;
  window.SetDesignHeader(&header);
  window.show();
  return app.exec();
}
