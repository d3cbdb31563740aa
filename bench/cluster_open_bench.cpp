// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ktl-cluster-bench [--address URL]: how long Main waits when the operator
// opens the cluster window. For a first and a second opening (the window is
// closed in between, so both build it) it prints the time from the menu
// click until the click's handler returns, until the window is first
// painted, and the longest pause of Main's event loop in the 3 s that
// follow while the page loads. Settings and logs go to a temporary folder.
// Figures only; nothing here passes or fails.
#include "bench.h"
#include "app/program.h"
#include "platform/data_dir.h"
#include "platform/desktop_platform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

struct BenchPlatform : ktl::DesktopPlatform {
  int splashMilliseconds() const override { return 10; }
};

// Notes the first paint of the cluster window.
struct PaintWatch : QObject {
  QElapsedTimer* clock = nullptr;
  double paintedMs = -1;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (paintedMs < 0 && e->type() == QEvent::Paint && o->objectName() == QStringLiteral("Cluster"))
      paintedMs = clock->nsecsElapsed() / 1e6;
    return false;
  }
};

void run(int round, QAction* item) {
  QElapsedTimer clock;
  PaintWatch watch;
  watch.clock = &clock;
  qApp->installEventFilter(&watch);
  // A 5 ms tick on Main's loop: the longest gap between ticks is the longest
  // time Main could not answer the operator.
  double lastTick = 0, longestGap = 0;
  QTimer tick;
  tick.setInterval(5);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const double now = clock.nsecsElapsed() / 1e6;
    longestGap = std::max(longestGap, now - lastTick);
    lastTick = now;
  });
  clock.start();
  tick.start();
  item->trigger();
  const double handlerMs = clock.nsecsElapsed() / 1e6;
  longestGap = std::max(longestGap, handlerMs);
  lastTick = handlerMs;
  QEventLoop loop;
  QTimer::singleShot(3000, &loop, &QEventLoop::quit);
  loop.exec();
  qApp->removeEventFilter(&watch);
  std::printf("opening %d: click to handler returned %.1f ms, to window painted %.1f ms, "
              "longest pause of Main in 3 s %.1f ms\n",
              round, handlerMs, watch.paintedMs, longestGap);
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  useFoldersIn(home.path());
  // As the program does (main.cpp).
  if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  const qsizetype at = args.indexOf(QStringLiteral("--address"));
  const QString address = at >= 0 ? args.value(at + 1) : QString();

  BenchPlatform platform;
  platform.settings().write(ktl::keys::StationCallsign, {}, QStringLiteral("F0ORB"));
  platform.settings().write(ktl::keys::ClusterAddress, {}, address);
  QFile log(ktl::logFilePath(platform.dataDir(), QStringLiteral("F0ORB")));
  log.open(QIODevice::WriteOnly);
  log.close();
  ktl::Program program(platform);
  program.main.startUp();
  std::printf("server: %s\n", address.isEmpty() ? "none (the page of ours)" : qPrintable(address));
  auto* item = program.main.findChild<QAction*>(QStringLiteral("Mnu_Cluster"));
  for (int round = 1; round <= 2; ++round) {
    run(round, item);
    if (QWidget* w = program.main.findChild<QWidget*>(QStringLiteral("Cluster"))) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return 0;
}
