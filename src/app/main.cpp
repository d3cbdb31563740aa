#include "app/program.h"
#include "platform/desktop_platform.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ORB_KTL"));
  ktl::DesktopPlatform platform;
  ktl::Program program(platform);
  program.main.startUp();
  return app.exec();
}
