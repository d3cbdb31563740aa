// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The open log's upkeep: daily backups (one copy a day, the last 30 kept,
// other stations' copies left alone); what the started program does for
// the open log, its backup of the day and its lock, through start-up and a
// station change; a backup that fails; a log another program holds.
#include "state/daily_backup.h"
#include "state/log_lock.h"
#include "station_fixture.h"
#include "test_files.h"

#include <QtTest>

using namespace ktl;

namespace {

const QByteArray kLog = logLine("G1AAA", "G", "00001", "01/01/16", "12:00", "SSB", "14 Mhz", "HRAD") + "\r\n";

}  // namespace

class LogUpkeepTest : public QObject {
  Q_OBJECT
 private slots:
  // One copy a day, the last 30 kept. A clock set back (a dead RTC) leaves
  // copies dated after today: today's copy is made and kept, the oldest of
  // the others goes.
  void onceADayLastThirtyKept() {
    QTemporaryDir tmp;
    const QString data = tmp.path();
    QCOMPARE(backupLogOfTheDay(data, "F0ORB", QDate(2016, 3, 1)).status, BackupResult::NoLog);
    // Other stations' copies, the oldest by name: never F0ORB's to prune.
    for (const char* other : {"F0ORB_P", "EA8_F0ORB"}) {
      QVERIFY(writeFile(data + "/" + other + "_KTL.log", "other\r\n"));
      QCOMPARE(backupLogOfTheDay(data, other, QDate(2016, 2, 1)).status, BackupResult::Made);
    }
    for (int day = 0; day < 35; ++day) {
      const QDate date = QDate(2016, 3, 1).addDays(day);
      QVERIFY(writeFile(data + "/F0ORB_KTL.log", "day " + QByteArray::number(day) + "\r\n"));
      QCOMPARE(backupLogOfTheDay(data, "F0ORB", date).status, BackupResult::Made);
      QVERIFY(writeFile(data + "/F0ORB_KTL.log", "later the same day\r\n"));
      QCOMPARE(backupLogOfTheDay(data, "F0ORB", date).status, BackupResult::AlreadyMade);
    }
    QStringList copies = QDir(data + "/backups").entryList(QDir::Files, QDir::Name);
    QVERIFY(copies.removeOne("F0ORB_P_KTL_20160201.log") && copies.removeOne("EA8_F0ORB_KTL_20160201.log"));
    QCOMPARE(copies.size(), 30);
    QCOMPARE(copies.first() + ' ' + copies.last(), "F0ORB_KTL_20160306.log F0ORB_KTL_20160404.log");
    QCOMPARE(readFile(data + "/backups/F0ORB_KTL_20160404.log"), "day 34\r\n");

    const BackupResult back = backupLogOfTheDay(data, "F0ORB", QDate(2016, 2, 20));
    QVERIFY(back.status == BackupResult::Made && back.removed == 1);
    copies = QDir(data + "/backups").entryList({"F0ORB_KTL_*"}, QDir::Files, QDir::Name);
    QCOMPARE(copies.size(), 30);
    QCOMPARE(copies[0] + ' ' + copies[1], "F0ORB_KTL_20160220.log F0ORB_KTL_20160307.log");
  }

  void startBacksUpTheLog() {
    // The UTC day names the copy, already the 5th where the operator is.
    StationFixture s(kLog, "Francais", "F0ORB", [](FakePlatform& p) {
      p.clock_.instant = QDateTime(QDate(2016, 3, 4), QTime(23, 30), Qt::UTC);
    });
    const QString backups = s.p.dataDir() + "/backups/";
    QCOMPARE(readFile(backups + "F0ORB_KTL_20160304.log"), kLog);

    // A new station: its log is backed up too.
    QVERIFY(s.state.changeStation("F0ORB_P").ok());
    QVERIFY(QFile::exists(backups + "F0ORB_P_KTL_20160304.log"));
    QVERIFY(s.p.messages.isEmpty());
  }

  void failedBackupIsToldOnceAndTheProgramGoesOn() {
    StationFixture s(kLog, "Anglais", "F0ORB", [](FakePlatform& p) {
      writeFile(p.dataDir() + "/backups", "");  // a file where the folder goes
    });
    QCOMPARE(s.p.messages, QStringList{"Today's backup of the log could not be made:\r\n" + s.p.dataDir() +
                                       "/backups/F0ORB_KTL_20160304.log\r\nNot a directory"});
    QCOMPARE(s.state.logModel().rowCount(), 1);
    QVERIFY(s.state.changeStation("F0ORB_P").ok());
    QCOMPARE(s.p.messages.size(), 1);
  }

  // Another program holds the log (here a command-line import, whose lock
  // the test takes): the window shows the log read-only and writes nothing
  // to it, leaves that program's rewrite alone, follows its changes, and
  // takes the log over as soon as it is let go.
  void readOnlyUntilTheOtherProgramLetsGo() {
    std::unique_ptr<LogLock> import;
    StationFixture s(kLog, "Anglais", "F0ORB", [&](FakePlatform& p) {
      import = std::make_unique<LogLock>(p.logPath("F0ORB"), LogLock::Role::Import);
      QVERIFY(import->tryTake().taken());
      QVERIFY(writeFile(p.logPath("F0ORB") + ".ktl-new", "the import's new log, being renamed"));
    });
    s.program->upkeep.setRetryInterval(20);
    const QString log = s.p.logPath("F0ORB");
    const QString holder = "being imported into by orb-ktl on the command line (process " +
                           QString::number(QCoreApplication::applicationPid()) + ")";
    QCOMPARE(s.p.messages, QStringList{"This log is " + holder +
                                       ".\r\nIt is shown read-only: nothing will be written to it until it is free. "
                                       "ORB_KTL will take it over as soon as it is."});
    auto* state = s.c<QLabel>("Etat_Log");
    QVERIFY(!state->isHidden() && state->text() == "Log read-only: " + holder);
    QVERIFY(QFile::exists(log + ".ktl-new") && !QFile::exists(s.p.dataDir() + "/backups/F0ORB_KTL_20160304.log"));

    // A delete, an import and a commit refused.
    const QString refused = "Nothing was written: the log is " + holder + ".";
    s.p.messages.clear();
    s.w.selectRow(0);
    s.c<QPushButton>("Annule_Saisie")->click();
    s.p.files << "never asked.adi";
    s.program->windows.open(WindowId::ImportAdif)->findChild<QPushButton*>("Importer")->click();
    s.c<QPushButton>("Efface_A")->click();
    s.typeQso("G4XYZ", "G", "00002");
    s.finishQso();
    s.commit();
    QVERIFY(s.p.messages == QStringList(3, refused) && s.p.files.size() == 1 && s.p.questions.isEmpty());
    QCOMPARE(s.c<QLineEdit>("Ind_A")->text(), "G4XYZ");  // nothing typed is lost
    QCOMPARE(s.lines(), QList<QByteArray>{kLog.chopped(2)});

    // The import writes its log and lets go: the window shows that log,
    // takes it over, clears what a cut rewrite left, backs it up.
    const QByteArray imported = kLog + logLine("OK1AB", "OK", "08815", "02/01/16", "10:00") + "\r\n";
    QVERIFY(writeFile(log, imported));
    QTRY_COMPARE(s.state.logModel().rowCount(), 2);
    QVERIFY(!s.state.logWritable());
    import.reset();
    QTRY_VERIFY(s.state.logWritable());
    QVERIFY(state->isHidden() && state->text().isEmpty() && !QFile::exists(log + ".ktl-new"));
    QCOMPARE(readFile(s.p.dataDir() + "/backups/F0ORB_KTL_20160304.log"), imported);
    s.commit();  // the QSO refused above
    QVERIFY(s.lines().size() == 3 && s.p.messages == QStringList(3, refused));
  }

};

QTEST_MAIN(LogUpkeepTest)
#include "test_log_upkeep.moc"
