// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each change to the files killed (SIGKILL) at random moments while it
// works, 30 times each: the file is then the old content or exactly the new
// one, and the same change run again works and leaves nothing beside it.
// The program is its own helper: "--change OP DIR" makes one change.
// A QSO committed with its full record, and an import keeping every
// record's fields, write the log first and the store after: killed at any
// moment, or just between the two, the store still opens, never holds a
// record whose line is not in the log, and loses at most the record.
#include "adif/adif_export.h"
#include "adif/adif_import.h"
#include "extras/adif_with_extras.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "test_files.h"

#include <QtSql>
#include <QtTest>

#include <csignal>
#include <thread>

using namespace ktl;

namespace {

const char* self;

// One change to DIR's files; says "ready" first. Replace and delete name
// the log's 101st line.
int change(const QString& op, const QString& dir) {
  const QString log = dir + "/F0ORB_KTL.log";
  const QByteArray line = toLogLine({"NEW", "OK", "08815", true, "05/05/16", "10:00", "SSB", "14 Mhz", "59", "", true, "59"});
  QByteArray old;
  int n = 0;
  forEachLine(log, [&](const QByteArray& l) { return ++n < 101 || (old = l, false); });
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // what is said reaches the test at once
  std::puts("ready");
  bool ok = false;
  if (op == u"append") ok = appendQso(log, line).ok();
  if (op == u"replace") ok = replaceQso(log, line, old).ok();
  if (op == u"insert") ok = insertQsoByDate(log, line).ok();
  if (op == u"delete") ok = deleteQso(log, old).ok();
  if (op == u"sort") ok = sortLog(log).ok();
  if (op == u"import") ok = importAdif(dir + "/in.adi", log).ok();
  if (op == u"export") ok = exportAdif(log, dir + "/F0ORB_KTL.adi", "title").ok();
  if (op.startsWith(u"commit")) {
    ok = appendQso(log, line).ok();
    if (op == u"commit-pause") {  // the log written, its record not yet
      std::puts("between");
      std::this_thread::sleep_for(std::chrono::seconds(30));
    }
    ok = ok && ExtrasStore(log).add(line, "<FREQ:6>14.074");
  }
  if (op == u"import-extras") {
    ExtrasStore store(log);
    ok = importAdifWithExtras(dir + "/in.adi", log, {}, {}, store).kept > 0;
  }
  return ok ? 0 : 1;
}

}  // namespace

class TestCrashSafety : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QByteArray log_, adif_ = "<EOH>\n";
  int kills_ = 0;

  QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QStringList files() const {
    QStringList out = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
    out.removeIf([](const QString& f) { return f.contains(".extras.sqlite"); });
    return out;
  }
  // The store opens cleanly and every line it has a record of is in the log.
  void storeInStep() {
    const QString log = path("F0ORB_KTL.log");
    QSet<QByteArray> keys;
    forEachLine(log, [&](const QByteArray& l) { return keys.insert(qsoKey(l)), true; });
    ExtrasStore store(log);
    QCOMPARE(store.trouble(), ExtrasStore::Trouble::None);
    {
      auto c = QSqlDatabase::addDatabase("QSQLITE", "check");
      c.setDatabaseName(store.path());
      QVERIFY(c.open());
      for (QSqlQuery q("SELECT line FROM qso", c); q.next();)
        QVERIFY2(keys.contains(q.value(0).toByteArray()), "a record without its line");
    }
    QSqlDatabase::removeDatabase("check");
  }
  void reset() {
    for (const QString& f : QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden)) QFile::remove(dir_.filePath(f));
    QVERIFY(writeFile(path("F0ORB_KTL.log"), log_));
    QVERIFY(writeFile(path("F0ORB_KTL.adi"), "an earlier export\r\n"));
    QVERIFY(writeFile(path("in.adi"), adif_));
  }
  // Runs one change to its end, or kills it `killAfterUs` after it is
  // ready ("commit-pause": once it is between the line and its record).
  // The exit code, -1 when it was killed at work.
  int run(const QString& op, qint64 killAfterUs = -1, qint64* workUs = nullptr) {
    QProcess helper;
    helper.start(QString::fromLocal8Bit(self), {"--change", op, dir_.path()});
    for (QByteArray said; !said.contains(op == u"commit-pause" ? "between" : "ready"); said += helper.readAll())
      if (!helper.waitForReadyRead(10000)) return -2;
    QElapsedTimer t;
    t.start();
    if (killAfterUs >= 0) {
      std::this_thread::sleep_for(std::chrono::microseconds(killAfterUs));
      ::kill(helper.processId(), SIGKILL);
    }
    helper.waitForFinished(30000);
    if (workUs) *workUs = t.nsecsElapsed() / 1000;
    return helper.exitStatus() == QProcess::CrashExit ? -1 : helper.exitCode();
  }

 private slots:
  // 20,000 QSOs, unsorted, some marked, and 2,000 records: each change
  // takes milliseconds.
  void initTestCase() {
    for (int i = 0; i < 20000; ++i) {
      const QByteArray n = QByteArray::number(i).rightJustified(5, '0');
      const QByteArray date = QByteArray::number(10 + i % 18) + "/0" + QByteArray::number(1 + i % 9) + "/1" + n[4];
      log_ += toLogLine({"F" + n, "F", n, i % 7 == 0, date, "12:00", "CW", "7.0 Mhz", "599", "", false, "599"}) + "\r\n";
    }
    for (int i = 0; i < 2000; ++i)
      adif_ += "<CALL:6>OK" + QByteArray::number(1000 + i) + " <QSO_DATE:8>2017110" + QByteArray::number(i % 9 + 1) +
               " <TIME_ON:4>1200 <BAND:3>20m <EOR>\n";
  }
  void killedAtWork_data() {
    QTest::addColumn<QString>("op");
    for (const char* op : {"append", "replace", "insert", "delete", "sort", "import", "export", "commit", "import-extras"})
      QTest::newRow(op) << op;
  }
  void killedAtWork() {
    QFETCH(QString, op);
    const QString target = path(op == u"export" ? "F0ORB_KTL.adi" : "F0ORB_KTL.log");
    reset();
    const QStringList clean = files();
    const QByteArray before = readFile(target);
    qint64 workUs = 0;
    QCOMPARE(run(op, -1, &workUs), 0);
    const QByteArray after = readFile(target);
    QVERIFY(after != before);
    QRandomGenerator rng(kills_);
    int killed = 0, old = 0;
    for (int round = 0; killed < 30 && round < 400; ++round) {
      reset();
      if (run(op, rng.bounded(workUs + workUs / 10 + 1)) != -1) continue;  // done before the kill
      ++killed;
      const QByteArray got = readFile(target);
      QVERIFY2(got == before || got == after, qPrintable(QStringLiteral("killed %1: a third content").arg(op)));
      old += got == before;
      storeInStep();
      QCOMPARE(run(op), 0);
      if (got == before) QCOMPARE(readFile(target), after);
      QCOMPARE(files(), clean);
    }
    QCOMPARE(killed, 30);
    kills_ += killed;
    qInfo("%s: %d kills, %d left the old content, %d the new", qPrintable(op), killed, old, killed - old);
  }
  // Killed just after the line was written: the QSO is in the log, its
  // record is not, the store opens, and the export writes the line alone;
  // the next commit keeps its record.
  void killedBetweenLineAndExtras() {
    reset();
    QCOMPARE(run("commit-pause", 0), -1);
    QCOMPARE(readFile(path("F0ORB_KTL.log")).size(), log_.size() + 123);
    storeInStep();
    QCOMPARE(ExtrasStore(path("F0ORB_KTL.log")).rowCount(), 0);
    QCOMPARE(run("commit"), 0);
    ExtrasStore store(path("F0ORB_KTL.log"));
    QCOMPARE(store.rowCount(), 1);
    QVERIFY(exportStandardWithExtras(path("F0ORB_KTL.log"), path("std.adi"), {}, store).ok());
    const QByteArray adi = readFile(path("std.adi"));
    QCOMPARE(QStringLiteral("%1 %2").arg(adi.count("<CALL:3>NEW ")).arg(adi.count("<FREQ:6>14.074 ")), "2 1");
  }
};

int main(int argc, char** argv) {
  self = argv[0];
  if (argc == 4 && !std::strcmp(argv[1], "--change")) return change(QString::fromLocal8Bit(argv[2]), argv[3]);
  TestCrashSafety test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_crash_safety.moc"
