// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ktl-window-bench [QSOS] [--million]: the operator's actions through the
// real windows on a log of QSOS QSOs (100,000 by default): how long from the
// key (or click) until the window answers again, measured as a screen
// reader would see it: the action, every event it queued, then an
// accessibility call on the window, which waits for all that. The splash's
// delay is set to nothing and every question answered Yes at once, so what
// is timed is the program's own work. Run it under X with and without
// accessibility (bench/window_bench.sh does both). Figures only.
#include "bench.h"
#include "app/program.h"
#include "log/qso_record.h"
#include "platform/data_dir.h"
#include "platform/desktop_platform.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <sys/resource.h>

namespace {

struct BenchPlatform : ktl::DesktopPlatform {
  void message(QWidget*, const QString&) override {}
  void message(QWidget*, const QString&, const QString&) override {}
  bool question(QWidget*, const QString&) override { return true; }
  int splashMilliseconds() const override { return 0; }
};

// A log of `n` QSOs over 100 countries, nearly every one a castle of its
// own (as a hunter's log is), dated in order; written in pieces, so that
// the bench's own memory does not count in the program's.
bool writeGeneratedLog(const QString& path, int n) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QByteArray log;
  for (int i = 0; i < n; ++i) {
    const int day = 1 + i % 28, month = 1 + (i / 28) % 12, year = 1 + (i / 336) % 25;
    const QByteArray prefix = "P" + QByteArray::number(i % 100);
    ktl::QsoRecord q;
    q.callsign = "K" + QByteArray::number(i);
    q.countryPrefix = prefix;
    q.castleNumber = QByteArray::number(i % 99991).rightJustified(5, '0');
    q.qsoDate = QByteArray::number(day).rightJustified(2, '0') + '/' + QByteArray::number(month).rightJustified(2, '0') +
                '/' + QByteArray::number(year).rightJustified(2, '0');
    q.qsoTime = "12:00";
    q.mode = "CW";
    q.band = "14 Mhz";
    q.rstReceived = "599";
    q.rstSent = "599";
    q.castleName = "Castle " + QByteArray::number(i % 99991);
    q.qslReceived = i % 3 == 0;
    log += ktl::toLogLine(q) + "\r\n";
    if (log.size() > (1 << 20)) {
      if (file.write(log) < 0) return false;
      log.clear();
    }
  }
  return file.write(log) >= 0;
}

QElapsedTimer timer;

// Until the window answers: queued events, then an accessibility call.
void settle(QWidget* window) {
  QApplication::processEvents();
  if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window)) (void)a->text(QAccessible::Name);
}

// With a screen reader listening, the toolkit hands each key to it first
// and takes it back a moment later: an action is done when its effect is
// there (`done`), the window answering after that.
double timed(QWidget* window, const std::function<void()>& action, const std::function<bool()>& done = {}) {
  timer.restart();
  action();
  while (done && !done() && timer.elapsed() < 5000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  settle(window);
  return timer.nsecsElapsed() / 1e6;
}

// Events run until `done` (5 s at most).
void until(const std::function<bool()>& done) {
  QElapsedTimer wait;
  wait.start();
  while (!done() && wait.elapsed() < 5000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// Keys typed into a field, there once the field shows them.
void typed(QWidget* field, const QString& text, const std::function<QString()>& shown) {
  QTest::keyClicks(field, text);
  QElapsedTimer wait;
  wait.start();
  while (shown() != text.toUpper() && wait.elapsed() < 5000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

long peakMiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss / 1024;
}

QWidget* topLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  useFoldersIn(home.path());
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  int qsos = 100000;
  for (const QString& a : args.mid(1))
    if (a == u"--million")
      qsos = 1000000;
    else if (a.toInt() > 0)
      qsos = a.toInt();

  BenchPlatform platform;
  platform.settings().write(ktl::keys::StationCallsign, {}, QStringLiteral("F0ORB"));
  if (!writeGeneratedLog(ktl::logFilePath(platform.dataDir(), QStringLiteral("F0ORB")), qsos)) return 1;
  const long before = peakMiB();
  ktl::Program program(platform);
  QWidget& main = program.main;
  timer.start();
  main.show();
  program.main.startUp();
  settle(&main);
  const double startUp = timer.nsecsElapsed() / 1e6;
  std::printf("accessibility %s; log of %d QSOs\n", QAccessible::isActive() ? "on" : "off", qsos);
  std::printf("  start-up, splash left out, last line shown   %8.1f ms  (peak memory %ld MiB, %ld before)\n", startUp,
              peakMiB(), before);
  const auto residentMiB = [] {
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly)) return 0L;
    return status.readAll().split(' ').value(1).toLong() * 4096 / (1 << 20);
  };
  std::printf("  resident memory once started                 %8ld MiB\n", residentMiB());
  if (args.contains(QStringLiteral("--million"))) return 0;

  const auto field = [&](const char* name) { return main.findChild<QLineEdit*>(QString::fromLatin1(name)); };
  const auto button = [&](QWidget* w, const char* name) { return w->findChild<QPushButton*>(QString::fromLatin1(name)); };
  const auto typeAndEnter = [&](QLineEdit* w, const QString& text) {
    w->clear();
    typed(w, text, [w] { return w->text().toUpper(); });
    QTest::keyClick(w, Qt::Key_Return);
    QApplication::processEvents();
  };
  // One QSO typed up to its castle number; `number` decides whether the
  // castle is in the log.
  const auto typeUpToNumber = [&](const QString& number) {
    button(&main, "Efface_A")->click();
    typeAndEnter(field("Ind_A"), QStringLiteral("G4BENCH"));
    until([&] { return field("Type_A")->hasFocus(); });
    typeAndEnter(field("Type_A"), QStringLiteral("G"));
    until([&] { return field("Ref_A")->hasFocus(); });
    typed(field("Ref_A"), number, [&] { return field("Ref_A")->text(); });
  };

  std::vector<double> lookup, commit, remove, search, castles, prefixes;
  for (int round = 0; round < 5; ++round) {
    typeUpToNumber(QStringLiteral("0%1").arg(4000 + round));
    lookup.push_back(timed(&main, [&] { QTest::keyClick(field("Ref_A"), Qt::Key_Return); },
                           [&] { return !field("Ref_A")->hasFocus(); }));
    for (const char* f : {"Mode_A", "Bande_A", "RST_A", "RST_B", "Rem_A", "QSL_A"}) {
      QWidget* w = main.findChild<QWidget*>(QString::fromLatin1(f));
      until([&] { return w->hasFocus(); });
      QTest::keyClick(w, Qt::Key_Return);
    }
    until([&] { return button(&main, "Valide_A")->hasFocus(); });
    const int rowsBefore = program.state.logModel().rowCount();
    commit.push_back(timed(&main, [&] { QTest::keyClick(button(&main, "Valide_A"), Qt::Key_Return); },
                           [&] { return program.state.logModel().rowCount() == rowsBefore + 1; }));
    if (program.state.logModel().rowCount() != rowsBefore + 1) std::printf("  (round %d: the commit wrote nothing)\n", round);

    auto* list = main.findChild<QListView*>(QStringLiteral("Liste_KTL"));
    list->setFocus();
    list->setCurrentIndex(list->model()->index(list->model()->rowCount() - 2, 0));
    QApplication::processEvents();
    const int rowsThen = program.state.logModel().rowCount();
    remove.push_back(timed(&main, [&] { button(&main, "Annule_Saisie")->click(); },
                           [&] { return program.state.logModel().rowCount() == rowsThen - 1; }));
    if (program.state.logModel().rowCount() != rowsThen - 1) std::printf("  (round %d: the delete removed nothing)\n", round);

    button(&main, "Rechercher")->click();
    settle(&main);
    QWidget* finder = topLevel("Recherche_Indicatif");
    auto* callsign = finder->findChild<QLineEdit*>(QStringLiteral("Indica"));
    typed(callsign, QStringLiteral("K1234"), [callsign] { return callsign->text(); });
    auto* found = finder->findChild<QListView*>(QStringLiteral("QSO_Effectues"));
    search.push_back(timed(finder, [&] { QTest::keyClick(callsign, Qt::Key_Return); },
                           [found] { return found->model()->rowCount() > 0; }));
    finder->close();

    main.findChild<QAction*>(QStringLiteral("Mnu_Aff_Contact"))->trigger();
    settle(&main);
    QWidget* list2 = topLevel("Aff_Contacte");
    auto* prefix = list2->findChild<QLineEdit*>(QStringLiteral("Type_B"));
    prefix->clear();
    typed(prefix, QStringLiteral("XX"), [prefix] { return prefix->text(); });
    auto* rows = list2->findChild<QListView*>(QStringLiteral("Liste_KTL_Contacte"));
    castles.push_back(timed(list2, [&] { button(list2, "Afficher")->click(); },
                            [rows] { return rows->model()->rowCount() > 0; }));
    if (list2->findChild<QListView*>(QStringLiteral("Liste_KTL_Contacte"))->model()->rowCount() < qsos / 2)
      std::printf("  (round %d: the castles list is short)\n", round);
    list2->close();

    prefixes.push_back(timed(&main, [&] { main.findChild<QAction*>(QStringLiteral("Mnu_Aff_Prefixes"))->trigger(); }));
    if (QWidget* p = topLevel("Liste_Prefixes")) p->close();
    settle(&main);
  }
  std::printf("  castle lookup (Enter in Ref_A)               %8.1f ms\n", median(lookup));
  std::printf("  commit (Valide_A, Yes)                       %8.1f ms\n", median(commit));
  std::printf("  delete (Annule_Saisie, Yes)                  %8.1f ms\n", median(remove));
  std::printf("  search (callsign, Enter)                     %8.1f ms\n", median(search));
  std::printf("  castles list \"XX\" (Afficher)                 %8.1f ms\n", median(castles));
  std::printf("  prefixes window opened                       %8.1f ms\n", median(prefixes));
  std::printf("  (medians of 5; peak memory %ld MiB)\n", peakMiB());
  return 0;
}
