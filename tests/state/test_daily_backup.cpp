// Daily backups of a station's log: one copy a day, the last 30 kept, other
// stations' copies left alone, a failure leaving nothing half-written.
#include "state/daily_backup.h"

#include <QtTest>

using namespace ktl;

namespace {
void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}
QByteArray read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
}  // namespace

class TestDailyBackup : public QObject {
  Q_OBJECT
 private slots:
  void onceADayLastThirtyKept() {
    QTemporaryDir tmp;
    const QString data = tmp.path();
    write(data + "/F0ORB_KTL.log", "day 0\r\n");
    write(data + "/F0ORB_P_KTL.log", "portable\r\n");
    QCOMPARE(backupLogOfTheDay(data, "F0ORB_P", QDate(2016, 3, 1)).status, BackupResult::Made);
    for (int day = 0; day < 35; ++day) {
      const QDate date = QDate(2016, 3, 1).addDays(day);
      QCOMPARE(backupLogOfTheDay(data, "F0ORB", date).status, BackupResult::Made);
      write(data + "/F0ORB_KTL.log", "later the same day\r\n");
      QCOMPARE(backupLogOfTheDay(data, "F0ORB", date).status, BackupResult::AlreadyMade);
      write(data + "/F0ORB_KTL.log", "day " + QByteArray::number(day + 1) + "\r\n");
    }
    QStringList copies = QDir(data + "/backups").entryList(QDir::Files, QDir::Name);
    QVERIFY(copies.removeOne("F0ORB_P_KTL_20160301.log"));
    QCOMPARE(copies.size(), 30);
    QCOMPARE(copies.first(), "F0ORB_KTL_20160306.log");
    QCOMPARE(copies.last(), "F0ORB_KTL_20160404.log");
    QCOMPARE(read(data + "/backups/F0ORB_KTL_20160404.log"), "day 34\r\n");
    QCOMPARE(read(data + "/backups/F0ORB_P_KTL_20160301.log"), "portable\r\n");
  }

  void noLogOrNoFolder() {
    QTemporaryDir tmp;
    QCOMPARE(backupLogOfTheDay(tmp.path(), "F0ORB", QDate(2016, 3, 4)).status, BackupResult::NoLog);
    write(tmp.path() + "/F0ORB_KTL.log", "x\r\n");
    write(tmp.path() + "/backups", "a file where the folder should be");
    const BackupResult r = backupLogOfTheDay(tmp.path(), "F0ORB", QDate(2016, 3, 4));
    QCOMPARE(r.status, BackupResult::Failed);
    QCOMPARE(r.path, tmp.path() + "/backups/F0ORB_KTL_20160304.log");
    QVERIFY(!r.detail.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestDailyBackup)
#include "test_daily_backup.moc"
