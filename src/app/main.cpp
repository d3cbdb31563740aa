// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/program.h"
#include "platform/desktop_platform.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char** argv) {
  // Options make a run for scripts: no window, no QApplication at all.
  if (ktl::isCommandLineRun(argc, argv)) return ktl::runCommandLine(argc, argv);
  // The web view of the cluster window runs Chromium, whose sandbox refuses
  // to start as root (a container, a headless test machine): there, and only
  // there, it runs without it. QtWebEngine also wants shared OpenGL contexts,
  // set before the application exists.
  if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ORB_KTL"));
  // The desktop entry the window belongs to (its icon, on Wayland too).
  QGuiApplication::setDesktopFileName(QStringLiteral("org.orbktl.orb_ktl"));
  ktl::DesktopPlatform platform;
  ktl::Program program(platform);
  program.main.startUp();
  return app.exec();
}
