// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One log, two programs: the real window (over a scripted platform) typing
// and committing QSOs from the keyboard, and the real program's
// command-line import, started side by side at random moments and each
// killed at random moments. Whatever happens, a QSO the window committed
// without a word is in the file, an import that exited 0 left all its
// records there, the log holds whole lines only, and the next program to
// open the log finds nothing left over.
//
// The test is its own window: "--window ROOT FIRST COUNT" commits COUNT QSOs
// numbered from FIRST over the platform folder ROOT, printing "committed
// CALL" for each commit that raised no box and "refused CALL" otherwise.
#include "log/qso_record.h"
#include "platform/settings_store.h"
#include "station_fixture.h"

#include <QtTest>

#include <csignal>
#include <cstdio>

using namespace ktl;

namespace {

const char* self;

QString callOf(int n) { return QStringLiteral("W%1A").arg(n); }

int window(const QString& root, int first, int count) {
  StationFixture s(StationFixture::Existing{root});
  s.program->upkeep.setRetryInterval(5);
  std::puts("ready");
  std::fflush(stdout);
  for (int n = first; n < first + count; ++n) {
    s.c<QPushButton>("Efface_A")->click();
    s.typeQso(callOf(n), QStringLiteral("F"), QString::number(n).rightJustified(5, QLatin1Char('0')));
    s.finishQso();
    const qsizetype boxes = s.p.messages.size();
    s.commit();
    const bool silent = s.p.messages.size() == boxes && s.p.questions.size() == n - first + 1;
    std::printf("%s %s\n", silent ? "committed" : "refused", qPrintable(callOf(n)));
    std::fflush(stdout);
    QTest::qWait(3);  // the retry timer runs between two QSOs, as between two keys
  }
  return 0;
}

}  // namespace

class LogOwnershipTest : public QObject {
  Q_OBJECT
  QTemporaryDir root_;
  QString data() const { return root_.filePath("data"); }
  QString log() const { return data() + "/F0ORB_KTL.log"; }

  // 20,000 QSOs in the log, 3,000 records in the ADIF file, calls of their
  // own: the import takes long enough for the window's commits to fall in
  // the middle of it.
  void reset() {
    QDir(data()).removeRecursively();
    QDir().mkpath(data());
    QByteArray lines, adif = "<EOH>\n";
    for (int i = 0; i < 20000; ++i)
      lines += logLine(qPrintable("L" + QString::number(i) + "A"), "G", "00001", "01/01/16", "12:00") + "\r\n";
    for (int i = 0; i < 3000; ++i)
      adif += "<CALL:6>OK" + QByteArray::number(1000 + i) + " <QSO_DATE:8>20170101 <TIME_ON:4>1200 <BAND:3>20m <EOR>\n";
    QVERIFY(writeFile(log(), lines));
    QVERIFY(writeFile(root_.filePath("in.adi"), adif));
  }
  // Starts `process` over the test's data folder and settings.
  void start(QProcess& process, const QString& program, const QStringList& args) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KTL_DATA_DIR", data());
    env.insert("XDG_CONFIG_HOME", root_.filePath("config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(program, args);
  }

 private slots:
  void initTestCase() {
    SettingsStore settings(root_.filePath("config/KTL/KTL.ini"));
    settings.save(kCommonSection, "Indicatif Station", "F0ORB");
    settings.save(stationSection("F0ORB"), "Language", "Anglais");
  }

  void windowAndImportSideBySideKilledAtRandom() {
    QRandomGenerator rng(20161);
    int committed = 0, imported = 0, importRefused = 0;
    for (int round = 0; round < 24; ++round) {
      reset();
      QProcess win, import;
      const int first = 100 + round * 100;
      const bool importFirst = rng.bounded(2);
      const int gapMs = int(rng.bounded(300));
      // Who is killed, and when after both started: none, the window, the
      // import or both.
      const int victim = int(rng.bounded(4));
      const int killMs = int(rng.bounded(700));
      const auto startWindow = [&] { start(win, self, {"--window", root_.path(), QString::number(first), "12"}); };
      const auto startImport = [&] { start(import, KTL_PROGRAM, {"--import", root_.filePath("in.adi")}); };
      importFirst ? startImport() : startWindow();
      QThread::msleep(gapMs);
      importFirst ? startWindow() : startImport();
      QThread::msleep(killMs);
      if (victim & 1) ::kill(win.processId(), SIGKILL);
      if (victim & 2) ::kill(import.processId(), SIGKILL);
      QVERIFY(win.waitForFinished(60000) && import.waitForFinished(60000));

      QSet<QByteArray> calls;
      for (const QByteArray& line : fileLines(log())) {
        QCOMPARE(line.size(), 121);
        calls << logField(line, QsoField::Callsign).trimmed();
      }
      // Every QSO the window told the operator it committed is there.
      for (const QByteArray& said : win.readAllStandardOutput().split('\n')) {
        if (said.startsWith("committed ")) {
          ++committed;
          QVERIFY2(calls.contains(said.mid(10)), said.constData());
        }
      }
      // An import that said it was done is all there; one that refused
      // left the log to the window.
      const bool importKilled = import.exitStatus() == QProcess::CrashExit;
      if (!importKilled && import.exitCode() == 0) {
        ++imported;
        for (int i = 0; i < 3000; ++i) QVERIFY(calls.contains("OK" + QByteArray::number(1000 + i)));
      } else if (!importKilled) {
        QCOMPARE(import.exitCode(), 3);
        ++importRefused;
      }
      // Nothing beside the log and its store of full records once the next
      // program has opened it.
      QProcess next;
      start(next, KTL_PROGRAM, {"--import", root_.filePath("in.adi")});
      QVERIFY(next.waitForFinished(60000));
      QCOMPARE(next.exitCode(), 0);
      QStringList left = QDir(data()).entryList(QDir::Files | QDir::Hidden);
      left.removeOne("F0ORB_KTL.extras.sqlite");
      left.removeOne("Liste_DXCC.csv");
      QCOMPARE(left, QStringList{"F0ORB_KTL.log"});
    }
    // The random choices make both sides win some rounds.
    QVERIFY(committed > 0 && imported > 0 && importRefused > 0);
  }
};

int main(int argc, char** argv) {
  self = argv[0];
  if (argc == 5 && !std::strcmp(argv[1], "--window")) {
    QApplication app(argc, argv);
    return window(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
  }
  QCoreApplication app(argc, argv);
  LogOwnershipTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_log_ownership.moc"
