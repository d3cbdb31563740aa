// The ADIF exports: the record line of a log line and the export file; the
// standard export field for field, its header, and the way back through the
// import with "SIG = award, SIG_INFO = reference".
// ADIF import: records to log lines, the reading of odd files, the place of
// the block in the log, and what a failed import leaves behind.
#include "adif/adif_export.h"
#include "adif/adif_fields.h"
#include "adif/adif_import.h"
#include "adif/adif_standard.h"
#include "adif/qso_extras.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "test_files.h"
#include "test_log_lines.h"

#include <QtTest>

using namespace ktl;
using Notices = QList<QPair<ReplacedField, qsizetype>>;

namespace {

QByteArray line(const char* call, const char* prefix, const char* date, const char* band, const char* name, bool qsl,
                bool repeat = false) {
  return toLogLine({call, prefix, "01051", repeat, date, "08:35", "SSB", band, "59", name, qsl, "57"});
}

void writeLog(const QString& path, const QByteArrayList& lines) {
  QVERIFY(writeFile(path, lines.isEmpty() ? QByteArray("") : lines.join("\r\n") + "\r\n"));
}

StandardAdifHeader header() {
  StandardAdifHeader h;
  h.award = "KTL";
  h.station = "F0ORB/P";
  h.programVersion = "1.0.1";
  h.created = QDateTime(QDate(2016, 3, 4), QTime(9, 5, 3), Qt::UTC);
  return h;
}


QByteArrayList lines(const QString& path) {
  QByteArrayList out;
  forEachLine(path, [&](const QByteArray& l) { return out.append(l), true; });
  return out;
}

QByteArray rec(const QByteArray& call, const QByteArray& time, const QByteArray& date = "20160107") {
  return "<CALL:5>" + call + " <QSO_DATE:8>" + date + " <TIME_ON:4>" + time + " <BAND:3>20m <EOR>";
}

struct Imported {
  AdifImportResult result;
  QByteArrayList log;
  Notices notices;
};

// Imports `adif` `times` times into a log holding `log` (none: no log file).
Imported importBytes(const QByteArray& adif, const QByteArrayList& log = {}, AdifImportOptions options = {},
                     int times = 1) {
  QTemporaryDir tmp;
  const QString adi = tmp.filePath("in.adi"), logPath = tmp.filePath("F_KTL.log");
  writeFile(adi, adif);
  if (!log.isEmpty()) writeLog(logPath, log);
  Imported out;
  while (times-- > 0)
    out.result = importAdif(adi, logPath, options, [&](ReplacedField f, qsizetype n) { out.notices.append({f, n}); });
  out.log = lines(logPath);
  return out;
}

const QByteArray kFull = "<CALL:6>OK1ABC <BAND:3>20M <MODE:3>SSB <QSO_DATE:8>20160107 <TIME_ON:4>0835 <RST_RCVD:2>59 "
    "<RST_SENT:2>57 <SIG:8>OK-08815 <SIG_INFO:14>Hrad Karlstejn <QSL_RCVD:1>Y <EOR>";
}  // namespace

class TestAdif : public QObject {
  Q_OBJECT
 private slots:
  void recordLine_data() {
    QTest::addColumn<QByteArray>("logLine");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("full QSO, QSL received") << line("OK1ABC", "OK", "07/01/16", "1.8 Mhz", "Hrad Karlstejn", true)
        << QByteArray("<CALL:6>OK1ABC <BAND:4>160m <MODE:3>SSB <QSO_DATE:8>20160107 <TIME_ON:4>0835 <RST_RCVD:2>59 "
                      "<RST_SENT:2>57 <SIG:8>OK-01051 <SIG_INFO:14>Hrad Karlstejn <QSL_RCVD:1>Y <eor>");
    QTest::newRow("one-letter prefix, no name, repeat mark not exported")
        << line("F5XYZ/P", "F", "31/12/99", "432 Mhz", "", false, true)
        << QByteArray("<CALL:7>F5XYZ/P <BAND:4>70cm <MODE:3>SSB <QSO_DATE:8>20991231 <TIME_ON:4>0835 <RST_RCVD:2>59 "
                      "<RST_SENT:2>57 <SIG:7>F-01051 <SIG_INFO:0> <QSL_RCVD:1>N <eor>");
    QTest::newRow("band outside the table") << line("DL1AA", "DL", "01/02/03", "5 Mhz", "Burg", false)
                                            << QByteArray("<CALL:5>DL1AA <BAND:0> <MODE:3>SSB <QSO_DATE:8>20030201 "
                                                          "<TIME_ON:4>0835 <RST_RCVD:2>59 <RST_SENT:2>57 "
                                                          "<SIG:8>DL-01051 <SIG_INFO:4>Burg <QSL_RCVD:1>N <eor>");
    QTest::newRow("short line") << QByteArray("F1ABCD")
                                << QByteArray("<CALL:6>F1ABCD <BAND:0> <MODE:0> <QSO_DATE:2>20 <TIME_ON:0> "
                                              "<RST_RCVD:0> <RST_SENT:0> <SIG:0> <SIG_INFO:0> <QSL_RCVD:1>N <eor>");
  }
  void recordLine() {
    QFETCH(QByteArray, logLine);
    QFETCH(QByteArray, expected);
    QCOMPARE(adifRecordLine(logLine), expected);
  }

  // Header, then one record per log line in file order, CR LF; a missing
  // log exports like an empty one; each export replaces the last whole; a
  // failure writes nothing.
  void exportFile() {
    QTemporaryDir tmp;
    const QString log = tmp.filePath("F_OK1ABC_KTL.log");
    const QString adi = adifExportPath(tmp.path(), "F_OK1ABC");
    QCOMPARE(adi, tmp.filePath("F_OK1ABC_KTL.adi"));
    const QByteArray title = adifTitleLine(Language::English, "F/OK1ABC");
    QCOMPARE(title, "Exporting the log of the station F/OK1ABC to ADIF format");
    QCOMPARE(adifTitleLine(Language::Other, "F/OK1ABC"), "");
    const QByteArray header = title + "\r\n\r\n" + adifBannerLine() + "\r\n\r\n\r\n<eoh>\r\n";
    QCOMPARE(exportAdif(log, adi, title).status, AdifExportResult::Exported);
    QCOMPARE(readFile(adi), header);

    writeLog(log, {line("OK1ABC", "OK", "02/01/16", "14 Mhz", "Hrad", true), line("OK2ABC", "OK", "01/01/16", "7.0 Mhz", "", false)});
    QCOMPARE(exportAdif(log, adi, title).records, 2);
    const QByteArrayList records = readFile(adi).mid(header.size()).split('\n');
    QCOMPARE(records.size(), 3);  // and nothing after the last CR LF
    QVERIFY(records[0].startsWith("<CALL:6>OK1ABC <BAND:3>20m ") && records[0].endsWith("<eor>\r"));
    QVERIFY(records[1].startsWith("<CALL:6>OK2ABC <BAND:3>40m ") && records[1].endsWith("<eor>\r"));
    writeLog(log, {});
    QCOMPARE(exportAdif(log, adi, title).records, 0);
    QCOMPARE(readFile(adi), header);
    QCOMPARE(exportAdif(tmp.path(), adi, title).status, AdifExportResult::LogReadFailed);  // a folder
    QCOMPARE(exportAdif(log, log + "/x.adi", title).status, AdifExportResult::WriteFailed);
    QVERIFY(QDir(tmp.path()).mkdir("folder.adi"));  // written, but cannot take the folder's place
    QCOMPARE(exportAdif(log, tmp.filePath("folder.adi"), title).detail, "Is a directory");
    QCOMPARE(readFile(adi), header);
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no temporary file left
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
    QFETCH(QByteArray, record);
    QCOMPARE(standardAdifRecord(line, header()), record);
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
    row("DSTAR as submode", "DIGITALVOICE", "DSTAR", "", "DIGITALVOICE/DSTAR");
    row("submode of another mode dropped", "SSB", "FT4", "", "SSB/");
    row("submode without mode", "", "USB", "", "SSB/USB");
    row("with a blank", "DYNAMIC", "vara hf", "", "DYNAMIC/VARA HF");
    row("not ADIF", "DIGI", "", "", "");
    row("line: two letters, never cut", "", "", "FM", "FM/");
    row("line: one mode begins so", "", "", "MTO", "MTONE/");
    row("line: one submode", "", "", "C4F", "DIGITALVOICE/C4FM");
    row("line: JT65 or JT6M", "", "", "JT6", "");
    row("line: PSK or PSK2K", "", "", "PSK", "");
    row("line: the import's XXX", "", "", "XXX", "");
    row("line: lower case", "", "", "ssb", "SSB/");
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
    QTest::newRow("typed in the window: a real 01/01/2000 at 00:00 on 160 m, DIGI")
        << logLineOf("G4ABC|||01/01/00|00:00|DIG|1.8 Mhz|59|||59")
        << entryFields(logLineOf("G4ABC|||01/01/00|00:00|DIG|1.8 Mhz|59|||59"), {"DIGI", {}, {}, {}})
        << QByteArray("<CALL:5>G4ABC <QSO_DATE:8>20000101 <TIME_ON:4>0000 <BAND:4>160m <RST_RCVD:2>59 <RST_SENT:2>59 ")
        << QByteArray("0 0 0 0 1 0");
    QTest::newRow("a park, not a castle; a grid and a time that are none")
        << logLineOf("G4ABC|||07/01/16|08:35|SSB|14 Mhz|59|||59")
        << QByteArray("<SIG:4>wwff<SIG_INFO:9>ONFF-0200<GRIDSQUARE:4>ZZ99<TIME_ON:6>083560")
        << QByteArray("<CALL:5>G4ABC <QSO_DATE:8>20160107 <BAND:3>20m <MODE:3>SSB <RST_RCVD:2>59 "
                      "<RST_SENT:2>59 <SIG:4>wwff <SIG_INFO:9>ONFF-0200 ")
        << QByteArray("0 0 1 0 0 0");
  }
  void recordWithStoredFields() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, stored);
    StandardExportGaps gaps;
    QByteArray record = standardAdifRecord(line, header(), stored, &gaps);
    record.replace("<QSL_RCVD:1>N ", "").replace("<STATION_CALLSIGN:7>F0ORB/P <EOR>", "");
    QTEST(record, "record");
    const QByteArray counts = QString::asprintf("%lld %lld %lld %lld %lld %lld", qlonglong(gaps.call), qlonglong(gaps.date),
        qlonglong(gaps.time), qlonglong(gaps.band), qlonglong(gaps.mode), qlonglong(gaps.report)).toLatin1();
    QTEST(counts, "gaps");
    QCOMPARE(gaps.qsos, counts == "0 0 0 0 0 0" ? 0 : 1);
  }

  // The whole file: the header, one record a line, CR LF; then the import
  // of that file, award in SIG, gives the log back but the repeat marks.
  void fileAndRoundTrip() {
    const QByteArrayList log = {
        logLineOf("F6ABC|OK-08815|*|01/01/50|08:35|SSB|1.8 Mhz|57|HRAD KARLSTEJN|*|59"),
        logLineOf("DL1ABCDEFG/P|DLFF-12345||31/12/99|23:59|MFS|3.5 Mhz|599|SCHLOSS NEUSCHWANSTEIN|*|579"),
        logLineOf("I1ABC|I-00012||01/01/00|00:00|CW|10 Mhz|5|||5"),
        logLineOf("G4ABC|G-00842||07/01/16|08:35|FM|144 Mhz|59|CORFE CASTLE DORSET||59"),
        logLineOf("OK1AA|OK-00001||31/12/49|12:00|FT8|432 Mhz|59||*|59"),
    };
    QTemporaryDir tmp;
    const QString logPath = tmp.filePath("F0ORB_P_KTL.log");
    const QString adi = tmp.filePath("out.adi");
    QVERIFY(writeFile(logPath, log.join("\r\n") + "\r\n"));
    const AdifExportResult exported = exportStandardAdif(logPath, adi, header());
    QVERIFY(exported.ok());
    QCOMPARE(exported.records, 5);
    const QByteArrayList file = readFile(adi).split('\n');
    QCOMPARE(file.mid(0, 6), QByteArrayList({"ORB_KTL log of F0ORB/P in ADIF 3.1.6\r", "<ADIF_VER:5>3.1.6\r",
                                            "<PROGRAMID:7>ORB_KTL\r", "<PROGRAMVERSION:5>1.0.1\r",
                                            "<CREATED_TIMESTAMP:15>20160304 090503\r", "<EOH>\r"}));
    QCOMPARE(file.size(), 6 + 5 + 1);
    QVERIFY(file[7].startsWith("<CALL:12>DL1ABCDEFG/P <QSO_DATE:8>19991231 "));

    const QString back = tmp.filePath("back.log");
    const AdifImportResult imported = importAdif(adi, back, AdifImportOptions{true});
    QVERIFY(imported.ok());
    QCOMPARE(imported.modesCut, 1);  // MFSK comes back as MFS
    QByteArrayList expected = log;
    expected[0][23] = ' ';
    QCOMPARE(readFile(back), expected.join("\r\n") + "\r\n");
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
    QTest::newRow("SIG award, no SIG at all") << QByteArray("<CALL:5>K1ABC <SIG_INFO:6>K-1467 <BAND:3>20m <EOR>") << true
                                              << logLineOf("K1ABC|||01/01/00|00:00|XXX|14 Mhz|XX|||XX");
    QTest::newRow("SIG award, the station's own award")
        << QByteArray("<CALL:5>G4ABC <SIG:9>my castle <SIG_INFO:7>G-00842 <BAND:3>20m <EOR>") << true
        << logLineOf("G4ABC|G-00842||01/01/00|00:00|XXX|14 Mhz|XX|||XX");
    QTest::newRow("SIG award, castle award written otherwise, SIG_INFO first")
        << QByteArray("<CALL:5>G4ABC <SIG_INFO:7>G-00842 <SIG:6>c.o.t.a <QTH:12>Corfe Castle <BAND:3>20m <EOR>") << true
        << logLineOf("G4ABC|G-00842||01/01/00|00:00|XXX|14 Mhz|XX|CORFE CASTLE||XX");
    QTest::newRow("14-character callsign, long mode and reports, type indicators")
        << QByteArray("<CALL:14>OK1ABCDEFGHIJK <MODE:4>RTTY <RST_RCVD:5>-15dB <RST_SENT:4>5999 "
                      "<QSO_DATE:8:D>20160107 <TIME_ON:6:T>235959 <BAND:4>432 <EOR>")
        << false << logLineOf("OK1ABCDEFGHI|||07/01/16|23:59|RTT|432 Mhz|-15|||599");
    QTest::newRow("UTF-8 one byte each, other bytes kept")
        << QByteArray("<CALL:5>OH1AA <SIG_INFO:40>Pet\xC3\xA4j\xC3\xA4vesi \xE2\x82\xAC ch\xE2teau "
                      "\xE5\x85\xAC\xE9\x87\x8C \xEF\xBF\xBD <QSO_DATE:8>20160107 <TIME_ON:4>0835 <BAND:3>20m <EOR>")
        << false << logLineOf("OH1AA|PET\xC4J\xC4VESI||07/01/16|08:35|XXX|14 Mhz|XX|PET\xC4J\xC4VESI \x80 CH\xC2TEAU ?? ?||XX");
    QTest::newRow("tabs only, tag found by its start")
        << QByteArray("<CALL:5>G7CDA <SIG:4>WWFF <SIG_INFO:2>\t\t <BAND_RX:3>40m <BAND:3>20m <QSO_DATE:8>20160107 "
                      "<TIME_ON:4>0835 <EOR>") << false << logLineOf("G7CDA|WWFF||07/01/16|08:35|XXX|7.0 Mhz|XX|||XX");
    const QByteArray ab =
        logLineOf("OK1AA|||07/01/16|00:01|XXX|14 Mhz|XX|||XX") + "\n" + logLineOf("OK1BB|||07/01/16|00:02|XXX|14 Mhz|XX|||XX");
    QTest::newRow("values and tags split across CR LF lines, report after the last record")
        << "h\r\n<eoh>\r\n<CALL:5>OK1\r\nAA <TIME_\r\nON:4>0001 <QSO_DATE:8>2016\r\n0107 <band:3>\r\n20m <eor>\r\n"
           "\r\n" + rec("OK1BB", "0002") + "\r\nTotal: 2 QSOs\r\n<CALL:5>ZZ9ZZ <BAND:3>20m\r\n" << false << ab;
    QTest::newRow("records on the header line, CR line ends")
        << "h <EOH>" + rec("OK1AA", "0001").replace("<TIME_ON", "<TIME_\rON") + "\r" + rec("OK1BB", "0002") + "\r"
        << false << ab;
  }
  void fileToLines() {
    QFETCH(QByteArray, file);
    QFETCH(bool, sigIsAward);
    QFETCH(QByteArray, expected);
    AdifImportOptions options{sigIsAward};
    options.awardName = "MY-CASTLE";  // the station's own award, besides the castle awards
    QCOMPARE(importBytes(file, {}, options).log.join('\n'), expected);
  }

  // Notices come in file order with the record number, counted by field; a
  // second import of the same file doubles every line.
  void importTwiceAndNotices() {
    const QByteArray file = "<EOH>\n<CALL:5>OK1AA <QSO_DATE:8>20160107 <TIME_ON:4>0835 <EOR>\n"
                            "<QSO_DATE:8>20160108 <BAND:2>2m <EOR>\n" + kFull + "\n";
    const Imported once = importBytes(file), twice = importBytes(file, {}, {}, 2);
    QCOMPARE(once.notices, (Notices{{ReplacedField::Band, 1}, {ReplacedField::Callsign, 2}, {ReplacedField::Time, 2}}));
    QVERIFY(once.result.replaced == (std::array<qsizetype, 4>{1, 0, 1, 1}) && once.log.size() == 3);
    QByteArrayList doubled;
    for (const QByteArray& l : once.log) doubled << l << l;
    QCOMPARE(twice.log, doubled);
  }

  // The key QSO that places the block, and every failure, which leaves the
  // log (unsorted, with a repeat mark: any rewrite would show) and its
  // folder as they were.
  void placementAndFailures_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("logName");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("keyRecord");
    const QByteArray ok = "<EOH>" + rec("OK1AA", "0835"), second = rec("OK1BB", "1200", "20160101");
    const QString in = "in.adi", log = "F_KTL.log";
    const int imported = AdifImportResult::Imported;
    QTest::newRow("31/12/2050 08:35") << in << rec("OK1AA", "0835", "20501231") + second << log << imported << 1;
    QTest::newRow("31/12/2050 08:36") << in << rec("OK1AA", "0836", "20501231") + second << log
                                      << int(AdifImportResult::FirstQsoTooLate) << 1;
    QTest::newRow("first record undated") << in << "<CALL:5>OK1AA <TIME_ON:4>0835 <EOR>" + second << log << imported
                                          << 2;
    QTest::newRow("no record dated") << in << QByteArray("<CALL:5>OK1AA <EOR><CALL:5>OK1BB <QSO_DATE:4>2016 <EOR>")
                                     << log << imported << 0;
    QTest::newRow("no <EOR>") << in << QByteArray("<EOH>\n<CALL:5>OK1AA <BAND:3>20m\n") << log
                              << int(AdifImportResult::NoRecord) << 0;
    QTest::newRow("huge record after a good one")
        << in << ok + "<CALL:5>OK1BB <COMMENT:1>" + QByteArray(kMaxAdifRecordBytes + 10, 'x') + "<EOR>" << log
        << int(AdifImportResult::RecordTooLarge) << 0;
    // "plain" is a file: no log can be written below it.
    QTest::newRow("log cannot be written") << in << ok << "plain/" + log << int(AdifImportResult::LogWriteFailed) << 0;
    QTest::newRow("log is a folder") << in << ok << "folder" << int(AdifImportResult::LogReadFailed) << 0;
  }
  void placementAndFailures() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, logName);
    QFETCH(int, status);
    QFETCH(int, keyRecord);
    QTemporaryDir tmp;
    QVERIFY(QDir(tmp.path()).mkdir("folder") && writeFile(tmp.filePath("plain"), "x") &&
            writeFile(tmp.filePath("in.adi"), content));
    const QString logPath = tmp.filePath("F_KTL.log");
    writeLog(logPath, {logLineOf("OK9ZZ|||02/01/16|12:00|SSB|14 Mhz|59|||59").replace(23, 1, "*"),
                       logLineOf("OK8ZZ|||01/01/16|12:00|SSB|14 Mhz|59|||59")});
    const QByteArrayList before = lines(logPath);
    const QStringList filesBefore = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QString adi = fileName.isEmpty() ? QString() : tmp.filePath(fileName);
    const AdifImportResult r = importAdif(adi, tmp.filePath(logName));
    QCOMPARE(int(r.status), status);
    if (r.ok()) {
      QVERIFY(r.keyRecord == keyRecord && lines(logPath).size() == 4);
      return;
    }
    if (r.status == AdifImportResult::FirstQsoTooLate) {  // nothing added, but sorted, marks cleared
      QCOMPARE(lines(logPath), QByteArrayList({before[1], QByteArray(before[0]).replace(23, 1, " ")}));
      return;
    }
    QCOMPARE(lines(logPath), before);
    QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
  }

  // The merged log, sorted, on a log with every oddity: empty and blank
  // lines (no QSOs: gone), an unreadable date and a short line (undated:
  // last, in log order), years 49/50/51, repeat marks (cleared), a
  // placeholder left behind (gone), and ties at 07/01/16 08:35 ordered by
  // mode, then case-blind equals in merge order (the block before the
  // first log line at or after its first record's date).
  void mergedAndSorted() {
    const auto cw = [](const QByteArray& call, const char* date) {
      return logLineOf(call + "|||" + date + "|00:00|CW|7.0 Mhz|59|||59");
    };
    QByteArrayList log = {"", cw("OK2AA", "01/01/16"), logLineOf("ok1aa|ok-00001||07/01/16|08:35|ssb|14 Mhz|59|hrad||59"),
                          "F1SHORT", cw("OK3AA", "xx/01/16"), "   ", cw("OK4AA", "31/12/49"), cw("OK5AA", "01/01/50"),
                          cw("OK6AA", "01/01/51"), logLineOf("OK0AA|||07/01/16|08:35|cw|7.0 Mhz|59|||59"),
                          "XXXxxxxxxxx  MKVR 93013 31/12/50 08:35"};
    log[1][23] = '*';
    // QSO_DATE comes first, so its value (not QSO_DATE_OFF's) places the block.
    const QByteArray file = "<EOH>\n<CALL:5>OK1AA <SIG:8>OK-00001 <QSO_DATE:8>20160107 <QSO_DATE_OFF:8>20160108 "
                            "<TIME_ON:4>0835 <MODE:3>SSB <BAND:3>20m <RST_RCVD:2>59 <RST_SENT:2>59 <SIG_INFO:4>HRAD "
                            "<EOR>\n" +
                            rec("OK7AA", "0000", "19990101");
    QCOMPARE(importBytes(file, log).log, QByteArrayList({cw("OK5AA", "01/01/50"), cw("OK6AA", "01/01/51"),
                             logLineOf("OK7AA|||01/01/99|00:00|XXX|14 Mhz|XX|||XX"), cw("OK2AA", "01/01/16"),
                             logLineOf("OK0AA|||07/01/16|08:35|cw|7.0 Mhz|59|||59"),
                             logLineOf("OK1AA|OK-00001||07/01/16|08:35|SSB|14 Mhz|59|HRAD||59"),
                             logLineOf("ok1aa|ok-00001||07/01/16|08:35|ssb|14 Mhz|59|hrad||59"), cw("OK4AA", "31/12/49"),
                             logLineOf("F1SHORT"), cw("OK3AA", "xx/01/16")}));
  }
};

QTEST_GUILESS_MAIN(TestAdif)
#include "test_adif.moc"
