#include "entry/main_window.h"
#include "platform/desktop_platform.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ORB_KTL"));
  ktl::DesktopPlatform platform;
  ktl::MainWindow window(platform);
  window.startUp();
  return app.exec();
}
