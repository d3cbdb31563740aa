// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ADIF exports: the record line of a log line; the standard export field
// for field, with and without the fields the import kept.
// ADIF import: records to log lines, the reading of odd files, the place of
// the block in the log, and what a failed import leaves behind.
#include "adif/adif_export.h"
#include "adif/adif_fields.h"
#include "adif/adif_import.h"
#include "adif/adif_standard.h"
#include "adif/qso_extras.h"
#include "log/qso_record.h"
#include "test_files.h"
#include "test_log_lines.h"

#include <QtTest>

using namespace ktl;

namespace {

void writeLog(const QString& path, const QByteArrayList& lines) {
  QVERIFY(writeFile(path, lines.isEmpty() ? QByteArray("") : lines.join("\r\n") + "\r\n"));
}

const StandardAdifHeader kHeader{.award = "KTL", .station = "F0ORB/P"};

QByteArray rec(const QByteArray& call, const QByteArray& time, const QByteArray& date = "20160107") {
  return "<CALL:5>" + call + " <QSO_DATE:8>" + date + " <TIME_ON:4>" + time + " <BAND:3>20m <EOR>";
}

// The log after importing `adif` into a log holding `log` (none: no log file).
QByteArrayList importBytes(const QByteArray& adif, const QByteArrayList& log = {}, AdifImportOptions options = {}) {
  QTemporaryDir tmp;
  const QString adi = tmp.filePath("in.adi"), logPath = tmp.filePath("F_KTL.log");
  writeFile(adi, adif);
  if (!log.isEmpty()) writeLog(logPath, log);
  importAdif(adi, logPath, options);
  return fileLines(logPath);
}

const QByteArray kFull = "<CALL:6>OK1ABC <BAND:3>20M <MODE:3>SSB <QSO_DATE:8>20160107 <TIME_ON:4>0835 <RST_RCVD:2>59 "
    "<RST_SENT:2>57 <SIG:8>OK-08815 <SIG_INFO:14>Hrad Karlstejn <QSL_RCVD:1>Y <EOR>";
}  // namespace

class TestAdif : public QObject {
  Q_OBJECT
 private slots:
  // The record of the log's own export: a full QSO with its QSL, and a
  // line cut short.
  void recordLine() {
    QCOMPARE(adifRecordLine(logLineOf("OK1ABC|OK-01051|*|07/01/16|08:35|SSB|1.8 Mhz|59|Hrad Karlstejn|*|57")),
             "<CALL:6>OK1ABC <BAND:4>160m <MODE:3>SSB <QSO_DATE:8>20160107 <TIME_ON:4>0835 <RST_RCVD:2>59 "
             "<RST_SENT:2>57 <SIG:8>OK-01051 <SIG_INFO:14>Hrad Karlstejn <QSL_RCVD:1>Y <eor>");
    QCOMPARE(adifRecordLine("F1ABCD"), "<CALL:6>F1ABCD <BAND:0> <MODE:0> <QSO_DATE:2>20 <TIME_ON:0> <RST_RCVD:0> "
                                       "<RST_SENT:0> <SIG:0> <SIG_INFO:0> <QSL_RCVD:1>N <eor>");
  }

  void recordFieldForField_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("record");
    const QByteArray tail = "<STATION_CALLSIGN:7>F0ORB/P <EOR>";
    QTest::newRow("1950, 20 m, QSL") << logLineOf("F6ABC|OK-08815|*|31/12/50|08:35|SSB|14 Mhz|57|HRAD KARLSTEJN|*|59")
        << "<CALL:5>F6ABC <QSO_DATE:8>19501231 <TIME_ON:4>0835 <BAND:3>20m <MODE:3>SSB <RST_RCVD:2>57 "
           "<RST_SENT:2>59 <SIG:3>KTL <SIG_INFO:8>OK-08815 <QTH:14>HRAD KARLSTEJN <QSL_RCVD:1>Y " + tail;
    QTest::newRow("2049, 70 cm, DLFF reference") << logLineOf("OK1ABC/P|DLFF-00123||15/06/49|12:00|SSB|432 Mhz|59|||59")
        << "<CALL:8>OK1ABC/P <QSO_DATE:8>20490615 <TIME_ON:4>1200 <BAND:4>70cm <MODE:3>SSB <RST_RCVD:2>59 "
           "<RST_SENT:2>59 <SIG:3>KTL <SIG_INFO:10>DLFF-00123 <QSL_RCVD:1>N " + tail;
    // Windows-1252 letters lose their accents; "<" would end the value for
    // simple readers; ß is SS in a word in capitals only.
    // RTT: RTTY or RTTYM, no mode is sure.
    QTest::newRow("accents, cut mode, band not in the table")
        << logLineOf("F5XYZ|F-00001||07/01/16|08:35|RTT|60 Mhz|59|Ch\xE2teau d'\xC6rsk\xF8l \x96 <tour> \xDF Schlo\xDF SCHLO\xDF||59")
        << "<CALL:5>F5XYZ <QSO_DATE:8>20160107 <TIME_ON:4>0835 <RST_RCVD:2>59 <RST_SENT:2>59 "
           "<SIG:3>KTL <SIG_INFO:7>F-00001 <QTH:45>Chateau d'AErskol - (tour) ss Schloss SCHLOSS <QSL_RCVD:1>N " + tail;
    QTest::newRow("no reference, no readable date, the entry's DIGI")
        << logLineOf("G4ABC|||7/1/2016|8h35|DIG|7.0 Mhz|59|||59")
        << "<CALL:5>G4ABC <BAND:3>40m <RST_RCVD:2>59 <RST_SENT:2>59 <QSL_RCVD:1>N " + tail;
    QTest::newRow("not a calendar date, not a time") << logLineOf("G4ABC|||31/02/16|24:00|MFS|7.0 Mhz|59|||59")
        << "<CALL:5>G4ABC <BAND:3>40m <MODE:4>MFSK <RST_RCVD:2>59 <RST_SENT:2>59 <QSL_RCVD:1>N " + tail;
    // Without the stored record the stand-ins that can never be data still
    // stay out; 1.8 Mhz and the date could be true and are written.
    QTest::newRow("the import's stand-ins, nothing stored") << logLineOf("FXXXX|||01/01/00|00:00|XXX|1.8 Mhz|XX|||XX")
        << "<QSO_DATE:8>20000101 <TIME_ON:4>0000 <BAND:4>160m <QSL_RCVD:1>N " + tail;
  }
  void recordFieldForField() {
    QFETCH(QByteArray, line);
    QTEST(standardAdifRecord(line, kHeader), "record");
  }

  // The mode of a QSO: a stored mode or submode first, then the line's
  // letters, by the ADIF 3.1.6 list; never a mode that is not sure.
  void modes_data() {
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("submode");
    QTest::addColumn<QByteArray>("lineMode");  // with no mode stored
    QTest::addColumn<QByteArray>("expected");  // "MODE/SUBMODE", "" for none
    const auto row = [](const char* name, const char* mode, const char* submode, const char* lineMode,
                        const char* expected) {
      QTest::newRow(name) << QByteArray(mode) << QByteArray(submode) << QByteArray(lineMode) << QByteArray(expected);
    };
    row("FT4 written as a mode", "FT4", "", "", "MFSK/FT4");
    row("submode of another mode dropped", "SSB", "FT4", "", "SSB/");
    row("submode without mode", "", "USB", "", "SSB/USB");
    row("with a blank", "DYNAMIC", "vara hf", "", "DYNAMIC/VARA HF");
    row("not ADIF", "DIGI", "", "", "");
    row("line: two letters, never cut", "", "", "FM", "FM/");
    row("line: one mode begins so", "", "", "MTO", "MTONE/");
    row("line: one submode", "", "", "C4F", "DIGITALVOICE/C4FM");
    row("line: JT65 or JT6M", "", "", "JT6", "");
  }
  void modes() {
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, submode);
    QFETCH(QByteArray, lineMode);
    const auto m = lineMode.isEmpty() ? exactAdifMode(mode, submode) : adifModeOfLogMode(lineMode);
    QTEST(m ? m->mode.toByteArray() + "/" + m->submode.toByteArray() : QByteArray(), "expected");
  }

  // A line with the fields the import kept for it: the file's values where
  // the line still holds what they gave it, none for a stand-in, the line's
  // own where it was changed since.
  void recordWithStoredFields_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("record");  // without QSL_RCVD and STATION_CALLSIGN
    QTest::addColumn<QByteArray>("gaps");    // call date time band mode report
    QTest::newRow("exact values back: whole call, century, seconds, band, FREQ, submode, report")
        << logLineOf("OK1ABCDEFGHI|||07/01/30|08:35|MFS|1.8 Mhz|-15|||XX")
        << QByteArray("<CALL:14>ok1abcdefghijk<QSO_DATE:8>19300107<TIME_ON:6>083512<BAND:4>13cm<FREQ:8>2400.040"
                      "<MODE:4>MFSK<SUBMODE:3>FT4<RST_RCVD:5>-15dB<GRIDSQUARE:6>JN79fx<COMMENT:5>Merci")
        << QByteArray("<CALL:14>OK1ABCDEFGHIJK <QSO_DATE:8>19300107 <TIME_ON:6>083512 <BAND:4>13cm <FREQ:8>2400.040 "
                      "<MODE:4>MFSK <SUBMODE:3>FT4 <RST_RCVD:5>-15dB <GRIDSQUARE:6>JN79fx <COMMENT:5>Merci ")
        << QByteArray("0 0 0 0 0 1");
    QTest::newRow("stand-ins left out")
        << logLineOf("FXXXX|||01/01/00|00:00|XXX|1.8 Mhz|XX|||XX") << QByteArray("<NAME:3>Bob")
        << QByteArray("<NAME:3>Bob ") << QByteArray("1 1 1 1 1 1");
    QTest::newRow("no BAND: the band of FREQ; FREQ out of the band left out")
        << logLineOf("G4ABC|||07/01/16|08:35|SSB|1.8 Mhz|59|||59") << QByteArray("<CALL:5>G4ABC<FREQ:5>5.357")
        << QByteArray("<CALL:5>G4ABC <QSO_DATE:8>20160107 <TIME_ON:4>0835 <BAND:3>60m <FREQ:5>5.357 <MODE:3>SSB "
                      "<RST_RCVD:2>59 <RST_SENT:2>59 ")
        << QByteArray("0 0 0 0 0 0");
    QTest::newRow("changed in the window since: the line's values")
        << logLineOf("G4ABC|||08/01/16|09:00|CW|7.0 Mhz|599|||599")
        << QByteArray("<CALL:5>G4ABC<QSO_DATE:8>20160107<TIME_ON:4>0835<BAND:3>20m<FREQ:6>14.074<MODE:3>FT8"
                      "<QSO_DATE_OFF:8>20160107<TIME_OFF:4>0836")
        << QByteArray("<CALL:5>G4ABC <QSO_DATE:8>20160108 <TIME_ON:4>0900 <BAND:3>40m <MODE:2>CW <RST_RCVD:3>599 "
                      "<RST_SENT:3>599 ")
        << QByteArray("0 0 0 0 0 0");
  }
  void recordWithStoredFields() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, stored);
    StandardExportGaps gaps;
    QByteArray record = standardAdifRecord(line, kHeader, stored, &gaps);
    record.replace("<QSL_RCVD:1>N ", "").replace("<STATION_CALLSIGN:7>F0ORB/P <EOR>", "");
    QTEST(record, "record");
    const QByteArray counts = QString::asprintf("%lld %lld %lld %lld %lld %lld", qlonglong(gaps.call), qlonglong(gaps.date),
        qlonglong(gaps.time), qlonglong(gaps.band), qlonglong(gaps.mode), qlonglong(gaps.report)).toLatin1();
    QTEST(counts, "gaps");
    QCOMPARE(gaps.qsos, counts == "0 0 0 0 0 0" ? 0 : 1);
  }

  // Files as log lines: the field-value rule, the replacements, the bytes,
  // and the layouts other programs write.
  void fileToLines_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("sigIsAward");
    QTest::addColumn<QByteArray>("expected");  // the log lines, joined by LF
    const QByteArray full = logLineOf("OK1ABC|OK-08815||07/01/16|08:35|SSB|14 Mhz|59|HRAD KARLSTEJN|*|57");
    QTest::newRow("own dialect") << "h<EOH>\n" + kFull << false << full;
    QTest::newRow("lower case, wrong lengths, seconds")
        << QByteArray("<call:2>ok1abc <band:3>20m <mode:1>ssb <qso_date:8>20160107 <time_on:6>083512 <rst_rcvd:9>59 "
                      "<rst_sent:2>57 <sig:3>ok-08815 <sig_info:4>hrad karlstejn <qsl_rcvd:1>y <eor>") << false << full;
    QTest::newRow("SIG_INFO before SIG")
        << QByteArray("<CALL:6>OK1ABC <SIG_INFO:19>Chateau de Chambord <SIG:7>F-01051 <QSO_DATE:8>20160107 "
                      "<TIME_ON:4>0835 <BAND:2>14 <EOR>")
        << false << logLineOf("OK1ABC|CHATEAU DE||07/01/16|08:35|XXX|14 Mhz|XX|CHATEAU DE CHAMBORD||XX");
    QTest::newRow("SIG award, nothing else usable") << QByteArray("<SIG:3>WCA <SIG_INFO:7>F-01051 <QSL_RCVD:1>N <EOR>")
                                                    << true << logLineOf("FXXXX|F-01051||01/01/00|00:00|XXX|1.8 Mhz|XX|||XX");
    // SIG = award: SIG_INFO is a castle only when SIG names a castle award.
    QTest::newRow("SIG award, a park is no castle")
        << QByteArray("<CALL:5>K1ABC <SIG_INFO:6>K-1467 <SIG:4>POTA <QTH:4>Park <QSO_DATE:8>20160107 <TIME_ON:4>0835 "
                      "<BAND:3>20m <EOR>")
        << true << logLineOf("K1ABC|||07/01/16|08:35|XXX|14 Mhz|XX|||XX");
    QTest::newRow("SIG award, the station's own award")
        << QByteArray("<CALL:5>G4ABC <SIG:9>my castle <SIG_INFO:7>G-00842 <BAND:3>20m <EOR>") << true
        << logLineOf("G4ABC|G-00842||01/01/00|00:00|XXX|14 Mhz|XX|||XX");
    QTest::newRow("14-character callsign, long mode and reports, type indicators")
        << QByteArray("<CALL:14>OK1ABCDEFGHIJK <MODE:4>RTTY <RST_RCVD:5>-15dB <RST_SENT:4>5999 "
                      "<QSO_DATE:8:D>20160107 <TIME_ON:6:T>235959 <BAND:4>432 <EOR>")
        << false << logLineOf("OK1ABCDEFGHI|||07/01/16|23:59|RTT|432 Mhz|-15|||599");
    const QByteArray ab =
        logLineOf("OK1AA|||07/01/16|00:01|XXX|14 Mhz|XX|||XX") + "\n" + logLineOf("OK1BB|||07/01/16|00:02|XXX|14 Mhz|XX|||XX");
    QTest::newRow("values and tags split across CR LF lines, report after the last record")
        << "h\r\n<eoh>\r\n<CALL:5>OK1\r\nAA <TIME_\r\nON:4>0001 <QSO_DATE:8>2016\r\n0107 <band:3>\r\n20m <eor>\r\n"
           "\r\n" + rec("OK1BB", "0002") + "\r\nTotal: 2 QSOs\r\n<CALL:5>ZZ9ZZ <BAND:3>20m\r\n" << false << ab;
  }
  void fileToLines() {
    QFETCH(QByteArray, file);
    QFETCH(bool, sigIsAward);
    AdifImportOptions options{sigIsAward};
    options.awardName = "MY-CASTLE";  // the station's own award, besides the castle awards
    QTEST(importBytes(file, {}, options).join('\n'), "expected");
  }

  // The key QSO that places the block, and every failure, which leaves the
  // log (unsorted, with a repeat mark: any rewrite would show) and its
  // folder as they were.
  void placementAndFailures_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("logName");  // "plain" is a file: no log can be written below it
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("keyRecord");
    const QByteArray ok = "<EOH>" + rec("OK1AA", "0835"), second = rec("OK1BB", "1200", "20160101");
    const QString log = "F_KTL.log";
    QTest::newRow("31/12/2050 08:35") << rec("OK1AA", "0835", "20501231") + second << log << 0 << 1;
    QTest::newRow("31/12/2050 08:36") << rec("OK1AA", "0836", "20501231") + second << log
                                      << int(AdifImportResult::FirstQsoTooLate) << 1;
    QTest::newRow("first record undated") << "<CALL:5>OK1AA <TIME_ON:4>0835 <EOR>" + second << log << 0 << 2;
    QTest::newRow("no <EOR>") << QByteArray("<EOH>\n<CALL:5>OK1AA <BAND:3>20m\n") << log
                              << int(AdifImportResult::NoRecord) << 0;
    QTest::newRow("huge record after a good one")
        << ok + "<CALL:5>OK1BB <COMMENT:1>" + QByteArray(kMaxAdifRecordBytes + 10, 'x') + "<EOR>" << log
        << int(AdifImportResult::RecordTooLarge) << 0;
    QTest::newRow("log cannot be written") << ok << "plain/" + log << int(AdifImportResult::LogWriteFailed) << 0;
  }
  void placementAndFailures() {
    QFETCH(QByteArray, content);
    QFETCH(QString, logName);
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.filePath("plain"), "x") && writeFile(tmp.filePath("in.adi"), content));
    const QString logPath = tmp.filePath("F_KTL.log");
    writeLog(logPath, {logLineOf("OK9ZZ|||02/01/16|12:00|SSB|14 Mhz|59|||59").replace(23, 1, "*"),
                       logLineOf("OK8ZZ|||01/01/16|12:00|SSB|14 Mhz|59|||59")});
    const QByteArrayList before = fileLines(logPath);
    const QStringList filesBefore = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const AdifImportResult r = importAdif(tmp.filePath("in.adi"), tmp.filePath(logName));
    QTEST(int(r.status), "status");
    if (r.ok()) {
      QTEST(int(r.keyRecord), "keyRecord");
      QCOMPARE(fileLines(logPath).size(), 4);
    } else if (r.status == AdifImportResult::FirstQsoTooLate) {  // nothing added, but sorted, marks cleared
      QCOMPARE(fileLines(logPath), QByteArrayList({before[1], QByteArray(before[0]).replace(23, 1, " ")}));
    } else {
      QCOMPARE(fileLines(logPath), before);
      QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
    }
  }

  // The merged log, sorted: blank lines gone, an undated line last, repeat
  // marks cleared, and a record tied with a log line but for case placed
  // before it (the block goes before the first log line at or after its
  // first record's date).
  void mergedAndSorted() {
    const QByteArray early = logLineOf("OK2AA|||01/01/16|00:00|CW|7.0 Mhz|59|||59"),
                     tied = logLineOf("ok1aa|ok-00001||07/01/16|08:35|ssb|14 Mhz|59|hrad||59");
    const QByteArray file = "<EOH>\n<CALL:5>OK1AA <SIG:8>OK-00001 <QSO_DATE:8>20160107 <TIME_ON:4>0835 <MODE:3>SSB "
                            "<BAND:3>20m <RST_RCVD:2>59 <RST_SENT:2>59 <SIG_INFO:4>HRAD <EOR>\n";
    QCOMPARE(importBytes(file, {"", QByteArray(early).replace(23, 1, "*"), "F1SHORT", tied, "   "}),
             QByteArrayList({early, logLineOf("OK1AA|OK-00001||07/01/16|08:35|SSB|14 Mhz|59|HRAD||59"), tied,
                             logLineOf("F1SHORT")}));
  }

  // The standard export's summary names each missing field with its own
  // count, a count of 0 left out; nothing when every QSO left whole.
  void exportGapsNamed() {
    StandardExportGaps gaps{.call = 1, .date = 0, .time = 3, .band = 4, .mode = 5, .report = 6, .qsos = 9};
    QCOMPARE(exportGapsSummary(gaps, Language::French).value_or("<none>"),
             "Export standard : 9 QSO écrits sans un champ dont la valeur n'est pas connue (aucune n'est inventée) : "
             "1 sans indicatif (FXXXX à l'import), 3 sans heure (absente du fichier ou invalide), 4 sans bande (ni "
             "bande ADIF ni fréquence connue), 5 sans mode (hors de la liste ADIF, ou trois lettres qui en nomment "
             "plusieurs), 6 sans report (XX à l'import).");
    QVERIFY(!exportGapsSummary(StandardExportGaps{}, Language::French));
  }
};

QTEST_GUILESS_MAIN(TestAdif)
#include "test_adif.moc"
