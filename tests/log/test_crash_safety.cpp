// Each change to the files killed (SIGKILL) at random moments while it
// works, 30 times each: the file is then the old content or exactly the new
// one, and the same change run again works and leaves nothing beside it.
#include "log/qso_record.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <thread>

using namespace ktl;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// 20,000 QSOs, unsorted, some marked: each change takes milliseconds.
QByteArray knownLog() {
  QByteArray out;
  for (int i = 0; i < 20000; ++i) {
    const QByteArray n = QByteArray::number(i).rightJustified(5, '0');
    const QByteArray day = QByteArray::number(1 + (i * 7) % 28).rightJustified(2, '0');
    out += toLogLine({.callsign = "F" + n, .countryPrefix = "F", .castleNumber = n, .repeatMark = i % 7 == 0,
                      .qsoDate = day + "/0" + QByteArray::number(1 + i % 9) + "/1" + QByteArray::number(i % 10),
                      .qsoTime = "12:00", .mode = "CW", .band = "7.0 Mhz", .rstReceived = "599", .rstSent = "599"}) +
           "\r\n";
  }
  return out;
}

QByteArray adifFile() {
  QByteArray out = "<EOH>\n";
  for (int i = 0; i < 2000; ++i)
    out += "<CALL:6>OK" + QByteArray::number(1000 + i) + " <QSO_DATE:8>2017" + (i % 2 ? "0315" : "1101") +
           " <TIME_ON:4>1200 <BAND:3>20m <EOR>\n";
  return out;
}

}  // namespace

class TestCrashSafety : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  const QByteArray log_ = knownLog(), adif_ = adifFile();
  int kills_ = 0;

  QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
  void reset() {
    for (const QString& f : files()) QFile::remove(dir_.filePath(f));
    write(path("F0ORB_KTL.log"), log_);
    write(path("F0ORB_KTL.adi"), "an earlier export\r\n");
    write(path("in.adi"), adif_);
  }
  // Runs the helper to its end, or kills it `killAfterUs` after it is
  // ready. The exit code, -1 when it was killed at work.
  int run(const QString& op, qint64 killAfterUs = -1, qint64* workUs = nullptr) {
    QProcess helper;
    helper.start(QStringLiteral(KTL_CRASH_HELPER), {op, dir_.path()});
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
  void killedAtWork_data() {
    QTest::addColumn<QString>("op");
    for (const char* op : {"append", "replace", "insert", "delete", "sort", "import", "export"}) QTest::newRow(op) << op;
  }
  void killedAtWork() {
    QFETCH(QString, op);
    const QString target = path(op == u"export" ? "F0ORB_KTL.adi" : "F0ORB_KTL.log");
    reset();
    const QStringList clean = files();
    const QByteArray before = readAll(target);
    qint64 workUs = 0;
    QCOMPARE(run(op, -1, &workUs), 0);
    const QByteArray after = readAll(target);
    QVERIFY(after != before);
    QRandomGenerator rng(kills_);
    int killed = 0, old = 0;
    for (int round = 0; killed < 30 && round < 200; ++round) {
      reset();
      if (run(op, rng.bounded(workUs + workUs / 10 + 1)) != -1) continue;  // done before the kill
      ++killed;
      const QByteArray got = readAll(target);
      QVERIFY2(got == before || got == after, qPrintable(QStringLiteral("killed %1: a third content").arg(op)));
      old += got == before;
      QCOMPARE(run(op), 0);
      if (got == before) QCOMPARE(readAll(target), after);
      QCOMPARE(files(), clean);
    }
    QCOMPARE(killed, 30);
    kills_ += killed;
    qInfo("%s: %d kills, %d left the old content, %d the new", qPrintable(op), killed, old, killed - old);
  }
  void cleanupTestCase() { qInfo("%d kills in all", kills_); }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"
