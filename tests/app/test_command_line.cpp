// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built program run from a script: help and version, an import of a
// real file with its summary, both exports, the language it speaks, and the
// runs that must fail with their exit codes and leave the log as it was.
// Which arguments start the window and which the command line.
#include "app/command_line.h"
#include "program_run.h"
#include "state/log_lock.h"
#include "test_log_lines.h"

#include <QtTest>

using namespace ktl;

namespace {

const QString kSample = KTL_SHARED_DIR "/adif-samples/qrz_m0nom-p-logbook.adi";
const QByteArray kOneQso = logLineOf("G1AAA|G-00001||01/01/16|12:00|SSB|14 Mhz|59||N|59") + "\r\n";

}  // namespace

class TestCommandLine : public QObject {
  Q_OBJECT
 private slots:
  void importThenExports() {
    ProgramFolder s;
    // 114 QSOs; 7 DIGITALVOICE, one on 60 m, three in WWFF parks.
    const Run r = s.run({"--station", "f0orb", "--import", kSample, "--sig-award"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, "114 QSOs imported from " + kSample + " into " + s.data + "/F0ORB_KTL.log\n"
                        "Missing fields replaced: 1 band (1.8 Mhz).\n"
                        "What the log's columns could not keep: 7 modes cut to three letters, 1 band not in the "
                        "table (put as 1.8 Mhz).\n"
                        "3 records whose SIG names no castle award (WWFF, POTA, SOTA...): castle columns left "
                        "empty, SIG and SIG_INFO kept beside the log.\n"
                        "114 full records kept beside the log in " + s.data + "/F0ORB_KTL.extras.sqlite\n");
    QCOMPARE(s.log().size(), 114 * 123);
    // The standard export: what the file said, and what it did not, said so.
    const QString standard = s.data + "/std.adi";
    const Run std = s.run({"--station", "F0ORB", "--export-standard", standard});
    QCOMPARE(std.code, 0);
    QCOMPARE(std.out, "The standard ADIF file was saved as: " + standard +
                          "\nStandard export: 30 QSOs written without a field whose value is not known (none is "
                          "made up): 30 without report (XX at import).\n");
    // The records' fields kept beside the log come back in it.
    const QByteArray adi = readFile(standard);
    QVERIFY(adi.count("<EOR>") == 114 && adi.count("<MODE:12>DIGITALVOICE <SUBMODE:4>C4FM ") == 7);
    QVERIFY(adi.count("<BAND:3>60m ") == 1 && adi.count("<SIG:4>WWFF <SIG_INFO:9>ONFF-0200 ") == 1);

  }

  // The run speaks the language of the first of LC_ALL, LC_MESSAGES and
  // LANG that is set, else the station's, else French; what scripts test,
  // the exit code, stays.
  void languageFromTheEnvironment_data() {
    QTest::addColumn<QStringList>("locale");
    QTest::addColumn<QString>("station");  // the default station's language
    QTest::addColumn<QString>("error");
    QTest::newRow("station's") << QStringList{"LANG=C.UTF-8"} << "Anglais" << "No log for station F0XYZ: ";
    QTest::newRow("LANG=de") << QStringList{"LANG=de_DE.UTF-8"} << "Anglais" << "Kein Log für die Station F0XYZ: ";
    QTest::newRow("LC_ALL first") << QStringList{"LC_ALL=it_IT.UTF-8", "LC_MESSAGES=de_DE", "LANG=fr_FR"} << "Anglais"
                                  << "Nessun log per la stazione F0XYZ: ";
    QTest::newRow("LANG not ours") << QStringList{"LANG=pt_BR.UTF-8"} << "Italien"
                                   << "Nessun log per la stazione F0XYZ: ";
    QTest::newRow("none at all") << QStringList{} << "" << "Aucun log pour la station F0XYZ : ";
  }
  void languageFromTheEnvironment() {
    QFETCH(QStringList, locale);
    QFETCH(QString, station);
    QFETCH(QString, error);
    ProgramFolder s;
    s.save(stationSection("F0ORB"), "Language", station);
    const Run r = s.run({"--station", "F0XYZ", "--export"}, locale);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.startsWith(error), qPrintable(r.err));
  }

  // Scripts get what they expect: every help, an error for anything else
  // (never a window, which would need a display), "-" for standard output.
  void scripts_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");       // the start of standard output
    QTest::addColumn<QString>("contained");  // in standard output
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "orb-ktl 1.0.1\n" << "";
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: " << "--export-standard <FILE>";
    QTest::newRow("--help-all") << QStringList{"--help-all"} << 0 << "Usage: " << "-platform NAME";
    QTest::newRow("single dash long option") << QStringList{"-station", "F0ORB", "-import", kSample} << 2 << "" << "";
    QTest::newRow("a bare file name") << QStringList{kSample} << 2 << "" << "";
    QTest::newRow("a second file") << QStringList{"--import", kSample, kSample} << 2 << "" << "";
    QTest::newRow("--sig-award without an import") << QStringList{"--export", "--sig-award"} << 2 << "" << "";
    QTest::newRow("--json without --progress") << QStringList{"--export", "--json"} << 2 << "" << "";
    QTest::newRow("export to standard output") << QStringList{"--export", "-"} << 0
                                               << "Exporting the log of the station F0ORB to ADIF format\r\n"
                                               << "<CALL:5>G1AAA";
  }
  void scripts() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, contained);
    ProgramFolder s(kOneQso);
    const Run r = s.run(args);
    QCOMPARE(r.code, code);
    QVERIFY2(out.isEmpty() ? r.out.isEmpty() : r.out.startsWith(out), qPrintable(r.out));
    QVERIFY2(r.out.contains(contained), qPrintable(r.out));
    if (code == 2) QVERIFY2(r.err.endsWith("Try 'orb-ktl --help'.\n"), qPrintable(r.err));
    QCOMPARE(QDir(s.data).entryList(QDir::Files), QStringList{"F0ORB_KTL.log"});
  }

  // Qt's own window options (with their values) start the window; anything
  // else is the command line's.
  void windowOrCommandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("commandLine");
    QTest::newRow("none") << QStringList{} << false;
    QTest::newRow("option and its value") << QStringList{"-style", "fusion", "--platform=offscreen"} << false;
    QTest::newRow("a flag takes no value") << QStringList{"-reverse", "fusion"} << true;
    QTest::newRow("a file after a window option") << QStringList{"-platform", "offscreen", "in.adi"} << true;
    QTest::newRow("ours") << QStringList{"--version"} << true;
  }
  void windowOrCommandLine() {
    QFETCH(QStringList, args);
    QList<QByteArray> bytes{"orb-ktl"};
    for (const QString& a : args) bytes << a.toUtf8();
    std::vector<char*> argv;
    for (QByteArray& b : bytes) argv.push_back(b.data());
    QTEST(isCommandLineRun(int(argv.size()), argv.data()), "commandLine");
  }

  void failuresLeaveTheLogAlone_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("storedStation");  // in the settings file, when not empty
    QTest::addColumn<bool>("readOnlyLog");       // chmod a-w
    QTest::newRow("a read-only log") << QStringList{"--import", kSample} << 1
                                     << "This file could not be written; it is unchanged:\n" << "" << true;
    QTest::newRow("stored station climbing out") << QStringList{"--import", kSample} << 2
                                                 << "Pas un indicatif de station : ../../x" << "../../x" << false;
    QTest::newRow("missing file") << QStringList{"--import", "/nonexistent/x.adi"} << 1
                                  << "This file cannot be read, nothing was imported: \n/nonexistent/x.adi\n" << "" << false;
    QTest::newRow("no record") << QStringList{"--import", KTL_SHARED_DIR "/adif-samples/cqgma_dp9x-malformed.adi"}
                               << 1 << "This file holds no QSO (no <EOR>): nothing was imported." << "" << false;
  }
  void failuresLeaveTheLogAlone() {
    QFETCH(QStringList, args);
    QFETCH(QString, storedStation);
    QFETCH(bool, readOnlyLog);
    QFETCH(QString, error);
    ProgramFolder s;
    if (!storedStation.isEmpty()) s.save(kCommonSection, "Indicatif Station", storedStation);
    if (readOnlyLog) QVERIFY(QFile::setPermissions(s.data + "/F0ORB_KTL.log", QFile::ReadOwner | QFile::ReadGroup));
    const Run r = s.run(args);
    QTEST(r.code, "code");
    QVERIFY2(r.err.startsWith(error), qPrintable(r.err));
    if (readOnlyLog) QVERIFY2(r.err.endsWith("\nPermission denied\n"), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(s.log(), QByteArray());
  }

  // Another program holds the log (a window, for as long as it has it open;
  // another import) or its lock cannot be tried: no import, with the
  // reason and its exit code; exports go on. A lock file whose holder is
  // gone is taken over.
  void lockHeldOrUnusable_data() {
    QTest::addColumn<QString>("holder");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("error");
    const QString pid = QString::number(QCoreApplication::applicationPid());
    QTest::newRow("a window") << "window" << 3 << "The log of F0ORB is open in an ORB_KTL window (process " + pid +
                                     "): close that window or import from it. Nothing was imported.\n";
    QTest::newRow("another import") << "import" << 3
                                    << "The log of F0ORB is being imported into by another orb-ktl (process " + pid +
                                           "). Nothing was imported.\n";
    QTest::newRow("a folder in its place") << "folder" << 4
                                           << "The lock of the log of F0ORB (%1/F0ORB_KTL.log.lock) could not be "
                                              "taken: Is a directory. Nothing was imported.\n";
    QTest::newRow("left empty by a killed import") << "empty" << 0 << "";
  }
  void lockHeldOrUnusable() {
    QFETCH(QString, holder);
    QFETCH(int, code);
    QFETCH(QString, error);
    ProgramFolder s;
    const QString lockFile = s.data + "/F0ORB_KTL.log.lock";
    LogLock other(s.data + "/F0ORB_KTL.log", holder == u"import" ? LogLock::Role::Import : LogLock::Role::Window);
    if (holder == u"window" || holder == u"import") QVERIFY(other.tryTake().taken());
    if (holder == u"folder") QVERIFY(QDir().mkpath(lockFile));
    if (holder == u"empty") QVERIFY(writeFile(lockFile, ""));
    const Run r = s.run({"--import", kSample});
    QCOMPARE(r.code, code);
    QCOMPARE(r.err, error.contains("%1") ? error.arg(s.data) : error);
    QCOMPARE(s.log().count('\n'), code ? 0 : 114);
    if (code) QCOMPARE(s.run({"--export"}).code, 0);
    QCOMPARE(QFile::exists(lockFile), code != 0);  // ours let go at the end of the run
  }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
