// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ktl-import-bench FILE.adi: the ADIF import through the real windows, on a
// log that already holds the same records: from the file chosen (the file
// dialog answers at once) to the list shown with its last line selected. It
// prints when each step ended, counted from the click on "Importer": the
// file chosen, the merge written (the splash appears), the splash gone
// (its delay set to nothing, so it is left out), the list reloaded, the
// last line selected (the click returns), the list painted. Run it under X
// with and without QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (bench/import_window.sh
// does both). Settings and the log go to a temporary folder. Figures only.
#include "bench.h"
#include "adif/adif_import.h"
#include "app/program.h"
#include "platform/data_dir.h"
#include "platform/desktop_platform.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QElapsedTimer clock_;
double ms() { return clock_.nsecsElapsed() / 1e6; }

struct BenchPlatform : ktl::DesktopPlatform {
  QString file;
  double chosenMs = -1;
  QString openFileName(QWidget*, const QString&, const QString&) override {
    chosenMs = ms();
    return file;
  }
  void message(QWidget*, const QString&) override {}  // the summary of replaced fields
  int splashMilliseconds() const override { return 0; }
};

// Notes when the splash comes and goes and when the list is first painted.
struct Watch : QObject {
  double splashShown = -1, splashHidden = -1, listPainted = -1;
  QWidget* list = nullptr;
  bool armed = false, clickReturned = false;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (!armed) return false;
    if (o->objectName() == QStringLiteral("Chargement")) {
      if (e->type() == QEvent::Show && splashShown < 0) splashShown = ms();
      if (e->type() == QEvent::Hide && splashHidden < 0) splashHidden = ms();
    }
    if (o == list && e->type() == QEvent::Paint && clickReturned && listPainted < 0) listPainted = ms();
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  useFoldersIn(home.path());
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: ktl-import-bench FILE.adi\n");
    return 2;
  }
  BenchPlatform platform;
  platform.file = QString::fromLocal8Bit(argv[1]);
  platform.settings().write(ktl::keys::StationCallsign, {}, QStringLiteral("F0ORB"));
  // The log: the same file imported once before.
  const ktl::AdifImportResult first =
      ktl::importAdif(platform.file, ktl::logFilePath(platform.dataDir(), QStringLiteral("F0ORB")));
  ktl::Program program(platform);
  program.main.show();
  program.main.startUp();
  QApplication::processEvents();

  Watch watch;
  watch.list = program.main.findChild<QListView*>(QStringLiteral("Liste_KTL"))->viewport();
  app.installEventFilter(&watch);
  program.main.findChild<QAction*>(QStringLiteral("Mnu_Import_ADIF"))->trigger();
  QApplication::processEvents();
  QPushButton* importer = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (!importer) importer = w->findChild<QPushButton*>(QStringLiteral("Importer"));
  double reloaded = -1;
  QObject::connect(&program.state.logModel(), &QAbstractItemModel::modelReset, [&] {
    if (watch.armed && reloaded < 0) reloaded = ms();
  });
  watch.armed = true;
  clock_.start();
  importer->click();
  const double returned = ms();
  watch.clickReturned = true;
  while (watch.listPainted < 0 && ms() < 30000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  std::printf("accessibility %s; log of %lld QSOs, %d rows after the import\n",
              QAccessible::isActive() ? "on" : "off", static_cast<long long>(first.recordsImported),
              program.state.logModel().rowCount());
  std::printf("  file chosen                        %8.1f ms\n", platform.chosenMs);
  std::printf("  merged and written (splash shown)  %8.1f ms\n", watch.splashShown);
  std::printf("  splash gone                        %8.1f ms\n", watch.splashHidden);
  std::printf("  list reloaded                      %8.1f ms\n", reloaded);
  std::printf("  last line selected (click returns) %8.1f ms\n", returned);
  std::printf("  list painted                       %8.1f ms\n", watch.listPainted);
  return 0;
}
