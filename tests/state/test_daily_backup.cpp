// Daily backups of a station's log: one copy a day, the last 30 kept, other
// stations' copies left alone.
#include "state/daily_backup.h"

#include <QtTest>

using namespace ktl;

namespace {
void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}
}  // namespace

class TestDailyBackup : public QObject {
  Q_OBJECT
 private slots:
  void onceADayLastThirtyKept() {
    QTemporaryDir tmp;
    const QString data = tmp.path();
    QCOMPARE(backupLogOfTheDay(data, "F0ORB", QDate(2016, 3, 1)).status, BackupResult::NoLog);
    write(data + "/F0ORB_P_KTL.log", "portable\r\n");
    QCOMPARE(backupLogOfTheDay(data, "F0ORB_P", QDate(2016, 3, 1)).status, BackupResult::Made);
    for (int day = 0; day < 35; ++day) {
      const QDate date = QDate(2016, 3, 1).addDays(day);
      write(data + "/F0ORB_KTL.log", "day " + QByteArray::number(day) + "\r\n");
      QCOMPARE(backupLogOfTheDay(data, "F0ORB", date).status, BackupResult::Made);
      write(data + "/F0ORB_KTL.log", "later the same day\r\n");
      QCOMPARE(backupLogOfTheDay(data, "F0ORB", date).status, BackupResult::AlreadyMade);
    }
    QStringList copies = QDir(data + "/backups").entryList(QDir::Files, QDir::Name);
    QVERIFY(copies.removeOne("F0ORB_P_KTL_20160301.log"));
    QCOMPARE(copies.size(), 30);
    QCOMPARE(copies.first(), "F0ORB_KTL_20160306.log");
    QCOMPARE(copies.last(), "F0ORB_KTL_20160404.log");
    QFile last(data + "/backups/F0ORB_KTL_20160404.log");
    QVERIFY(last.open(QIODevice::ReadOnly));
    QCOMPARE(last.readAll(), "day 34\r\n");
  }
};

QTEST_GUILESS_MAIN(TestDailyBackup)
#include "test_daily_backup.moc"
