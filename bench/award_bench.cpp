// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ktl-award-bench [--quick]: the award's progress on a generated log of
// 100,000 QSOs and a list of 50,000 castles (10,000 and 5,000 with
// --quick): the list imported and read back, the figures counted, the
// whole window built and shown, and the window's share of a commit, an
// edit and a deletion (the entry's own reload of the log printed beside
// it), each beside a plain read of the log. Headless unless a display is
// given. Figures only; medians of several runs.
#include "bench.h"

#include "awards/award_bands.h"
#include "awards/award_list.h"
#include "awards/award_tally.h"
#include "awards/awards_window.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "platform/data_dir.h"
#include "platform/desktop_platform.h"
#include "state/program_state.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {
using namespace ktl;

struct QuietPlatform : DesktopPlatform {
  void message(QWidget*, const QString&) override {}
};

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// 60 countries; castle i of the list is in country i % 60.
QByteArray countryOf(int i) {
  static const char* kPrefixes[] = {"OK", "F", "DL", "I", "EA", "ON", "PA", "OE", "HB", "SP", "OM", "HA",
                                    "YO", "LZ", "SV", "9A", "S5", "E7", "YU", "Z3", "ZA", "LY", "YL", "ES",
                                    "OH", "SM", "LA", "OZ", "TF", "EI", "G", "GM", "GW", "GI", "GD", "GJ",
                                    "GU", "CT", "EA6", "IS", "IT9", "TK", "HV", "T7", "3A", "C3", "LX", "UR",
                                    "EW", "ER", "UA", "UA2", "4O", "Z6", "OY", "JW", "SV5", "SV9", "EA8", "CU"};
  return kPrefixes[i % 60];
}

QByteArray listFile(int castles) {
  QByteArray out = "Reference;Name;Region;Latitude;Longitude\r\n";
  for (int i = 0; i < castles; ++i)
    out += countryOf(i) + '-' + QByteArray::number(i / 60 + 1).rightJustified(5, '0') + ";Castle number " +
           QByteArray::number(i) + ";Region " + QByteArray::number(i % 97) + ";49.5;16.25\r\n";
  return out;
}

// QSOs on castles of the list (one in twenty not listed), twelve bands,
// one in three with its QSL, dates from 2010 on in order.
QByteArray qsoLine(QRandomGenerator& rng, int castles, int n, int count) {
  const int i = rng.bounded(castles);
  const bool unlisted = rng.bounded(20) == 0;
  const QByteArrayList& bands = awardBands();
  const int day = int(qint64(n) * 5000 / count);
  const QDate date = QDate(2010, 1, 1).addDays(day);
  QsoRecord q;
  q.callsign = "F" + QByteArray::number(rng.bounded(10)) + "ABC";
  q.countryPrefix = countryOf(i);
  q.castleNumber = QByteArray::number(unlisted ? 90000 + i % 9999 : i / 60 + 1).rightJustified(5, '0');
  q.qsoDate = date.toString(QStringLiteral("dd/MM/yy")).toLatin1();
  q.qsoTime = "12:00";
  q.mode = "SSB";
  q.band = bands[rng.bounded(int(bands.size()))];
  q.rstReceived = q.rstSent = "59";
  q.castleName = "Castle";
  q.qslReceived = rng.bounded(3) == 0;
  return toLogLine(q) + "\r\n";
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  useFoldersIn(home.path());
  if (qgetenv("DISPLAY").isEmpty() && qgetenv("WAYLAND_DISPLAY").isEmpty() && qgetenv("QT_QPA_PLATFORM").isEmpty())
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const bool quick = app.arguments().contains(QStringLiteral("--quick"));
  const int count = quick ? 10000 : 100000, castles = quick ? 5000 : 50000, runs = quick ? 3 : 7;

  QuietPlatform platform;
  const QString data = platform.dataDir();
  const QString logPath = logFilePath(data, QStringLiteral("F0ORB"));
  QRandomGenerator rng(11);
  QByteArray log;
  log.reserve(qsizetype(count) * (kLogLineWidth + 2));
  for (int n = 0; n < count; ++n) log += qsoLine(rng, castles, n, count);
  writeBytes(logPath, log);
  const QString listPath = home.filePath(QStringLiteral("list.csv"));
  writeBytes(listPath, listFile(castles));
  const QString tag = QStringLiteral("%1 QSOs, list of %2 castles: ").arg(count).arg(castles);

  plainRead(logPath);
  report(tag + QStringLiteral("plain read of the log, cached"), medianMs(runs, [&] { plainRead(logPath); }), "ms");
  report(tag + QStringLiteral("list imported (read, checked, stored)"),
         medianMs(runs, [&] { importAwardList(listPath, data, QDateTime::currentDateTimeUtc()); }), "ms");
  std::shared_ptr<const AwardList> list;
  report(tag + QStringLiteral("stored list read"), medianMs(runs, [&] { list = loadAwardList(awardListPath(data)); }),
         "ms");

  platform.settings().write(keys::StationCallsign, {}, QStringLiteral("F0ORB"));
  ProgramState state(platform.settings(), data);
  state.loadFromSettings();
  report(tag + QStringLiteral("log loaded into the QSO list (the entry's reload)"),
         medianMs(runs, [&] { state.loadLog(); }), "ms");
  report(tag + QStringLiteral("figures counted from the whole log"), medianMs(runs, [&] {
           AwardTally tally(awardBands());
           tally.setList(list);
           tally.update(state.logModel());
         }), "ms");

  // The window built, shown and painted once, with its grid, totals and
  // needed list (the charts are drawn when their tab is chosen).
  // From nothing: the program's copy of the list is read again each time.
  report(tag + QStringLiteral("window built and shown, the list read from disk"), medianMs(runs, [&] {
           AwardsWindow window(state, platform);
           window.show();
           QApplication::processEvents();
         }, [&] { delete state.findChild<AwardListStore*>(); }), "ms");
  // Connected before the window's own slot, so it runs first: the time
  // from here to the end of the reload is the window's.
  QElapsedTimer clock;
  clock.start();
  double resetAt = 0;
  QObject::connect(&state.logModel(), &QAbstractItemModel::modelReset, [&] { resetAt = clock.nsecsElapsed() / 1e6; });
  AwardsWindow window(state, platform);
  window.show();
  QApplication::processEvents();
  auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("Onglets"));
  const double before = clock.nsecsElapsed() / 1e6;
  tabs->setCurrentIndex(2);
  QApplication::processEvents();
  report(tag + QStringLiteral("charts drawn and painted"), clock.nsecsElapsed() / 1e6 - before, "ms");
  tabs->setCurrentIndex(0);
  QApplication::processEvents();

  // The window's share of one change: from the QSO list's reset at the
  // end of the entry's reload to the end of the window's update.
  const auto change = [&](const QString& what, const std::function<void()>& write, int tab) {
    tabs->setCurrentIndex(tab);
    QApplication::processEvents();
    std::vector<double> ours, reloads;
    for (int r = 0; r < runs; ++r) {
      write();
      const double start = clock.nsecsElapsed() / 1e6;
      state.loadLog();
      const double end = clock.nsecsElapsed() / 1e6;
      reloads.push_back(end - start);
      ours.push_back(end - resetAt);
      QApplication::processEvents();
    }
    std::sort(ours.begin(), ours.end());
    std::sort(reloads.begin(), reloads.end());
    report(tag + what + QStringLiteral(": window update"), ours[ours.size() / 2], "ms");
    report(tag + what + QStringLiteral(": the entry's whole reload with it"), reloads[reloads.size() / 2], "ms");
  };
  QRandomGenerator more(5);
  int n = count;
  change(QStringLiteral("commit (one QSO appended), grid shown"),
         [&] { appendQso(logPath, qsoLine(more, castles, n++, count).chopped(2)); }, 0);
  change(QStringLiteral("commit (one QSO appended), chart shown"),
         [&] { appendQso(logPath, qsoLine(more, castles, n++, count).chopped(2)); }, 2);
  change(QStringLiteral("edit (middle line, QSL ticked)"), [&] {
    const QByteArray middle = state.logModel().logLine(state.logModel().rowCount() / 2).toByteArray();
    QByteArray edited = middle;
    edited[116] = edited[116] == '*' ? ' ' : '*';
    replaceQso(logPath, edited, middle);
  }, 0);
  change(QStringLiteral("delete (middle line)"), [&] {
    deleteQso(logPath, state.logModel().logLine(state.logModel().rowCount() / 2).toByteArray());
  }, 0);
  return 0;
}
