// The open log's upkeep: daily backups (one copy a day, the last 30 kept,
// other stations' copies left alone); what the started program does for
// the open log, its backup of the day and its lock, through start-up and a
// station change; a backup that fails; the two Fichier items for the
// standard export and the backups folder.
#include "state/daily_backup.h"
#include "station_fixture.h"
#include "test_files.h"

#include <QLockFile>
#include <QtTest>

using namespace ktl;

namespace {

const QByteArray kLog = logLine("G1AAA", "G", "00001", "01/01/16", "12:00", "SSB", "14 Mhz", "HRAD") + "\r\n";

}  // namespace

class LogUpkeepTest : public QObject {
  Q_OBJECT
 private slots:
  void onceADayLastThirtyKept() {
    QTemporaryDir tmp;
    const QString data = tmp.path();
    QCOMPARE(backupLogOfTheDay(data, "F0ORB", QDate(2016, 3, 1)).status, BackupResult::NoLog);
    QVERIFY(writeFile(data + "/F0ORB_P_KTL.log", "portable\r\n"));
    QCOMPARE(backupLogOfTheDay(data, "F0ORB_P", QDate(2016, 3, 1)).status, BackupResult::Made);
    for (int day = 0; day < 35; ++day) {
      const QDate date = QDate(2016, 3, 1).addDays(day);
      QVERIFY(writeFile(data + "/F0ORB_KTL.log", "day " + QByteArray::number(day) + "\r\n"));
      QCOMPARE(backupLogOfTheDay(data, "F0ORB", date).status, BackupResult::Made);
      QVERIFY(writeFile(data + "/F0ORB_KTL.log", "later the same day\r\n"));
      QCOMPARE(backupLogOfTheDay(data, "F0ORB", date).status, BackupResult::AlreadyMade);
    }
    QStringList copies = QDir(data + "/backups").entryList(QDir::Files, QDir::Name);
    QVERIFY(copies.removeOne("F0ORB_P_KTL_20160301.log"));
    QCOMPARE(copies.size(), 30);
    QCOMPARE(copies.first(), "F0ORB_KTL_20160306.log");
    QCOMPARE(copies.last(), "F0ORB_KTL_20160404.log");
    QCOMPARE(readFile(data + "/backups/F0ORB_KTL_20160404.log"), "day 34\r\n");
  }

  void startBacksUpAndHoldsTheLog() {
    StationFixture s(kLog);  // the fake clock says 04/03/2016
    const QString backups = s.p.dataDir() + "/backups/";
    QCOMPARE(readFile(backups + "F0ORB_KTL_20160304.log"), kLog);
    QLockFile other(s.p.logPath("F0ORB") + ".lock");
    QVERIFY(!other.tryLock(0));

    // A new station: its log is locked and backed up, the old one let go.
    QVERIFY(s.state.changeStation("F0ORB_P").ok());
    QVERIFY(QFile::exists(backups + "F0ORB_P_KTL_20160304.log"));
    QVERIFY(other.tryLock(0));
    QLockFile portable(s.p.logPath("F0ORB_P") + ".lock");
    QVERIFY(!portable.tryLock(0));
    QVERIFY(s.p.messages.isEmpty());
  }

  void failedBackupIsToldOnceAndTheProgramGoesOn() {
    FakePlatform p;
    QFile blocker(p.dataDir() + "/backups");  // a file where the folder goes
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    p.setSetting(kCommonSection, "Indicatif Station", "F0ORB");
    p.setSetting(stationSection("F0ORB"), "Language", "Anglais");
    p.writeLog("F0ORB", kLog);
    Program program(p);
    program.main.startUp();
    QCOMPARE(p.messages.size(), 1);
    QVERIFY(p.messages[0].startsWith("Today's backup of the log could not be made:\r\n" + p.dataDir() +
                                     "/backups/F0ORB_KTL_20160304.log\r\n"));
    QCOMPARE(program.state.logModel().rowCount(), 1);
    QVERIFY(program.state.changeStation("F0ORB_P").ok());
    QCOMPARE(p.messages.size(), 1);
  }

  void fileMenuItems() {
    StationFixture s(kLog, "Italien");
    auto* standard = s.c<QAction>("Mnu_Export_ADIF_Standard");
    QCOMPARE(standard->text(), "Esportare il log in formato ADIF standard (3.1)");
    standard->trigger();
    const QString file = s.p.dataDir() + "/F0ORB_KTL_standard.adi";
    QCOMPARE(s.p.messages, QStringList{"Il file ADIF standard è stato registrato come: " + file});
    const QByteArray adi = readFile(file);
    QVERIFY(adi.contains("<CREATED_TIMESTAMP:15>20160304 090503\r\n<EOH>\r\n<CALL:5>G1AAA <QSO_DATE:8>20160101 "));
    QVERIFY(adi.contains("<SIG:3>KTL <SIG_INFO:7>G-00001 <QTH:4>HRAD "));

    auto* backups = s.c<QAction>("Mnu_Sauvegardes");
    QCOMPARE(backups->text(), "Aprire la cartella dei backup");
    backups->trigger();
    QCOMPARE(s.p.foldersOpened, QStringList{s.p.dataDir() + "/backups"});
    s.p.openFolderAnswer = false;
    backups->trigger();
    QCOMPARE(s.p.messages.last(), "I backup sono nella cartella: " + s.p.dataDir() + "/backups");
  }
};

QTEST_MAIN(LogUpkeepTest)
#include "test_log_upkeep.moc"
