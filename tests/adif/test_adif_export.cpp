// The ADIF exports: the record line of a log line and the export file; the
// standard export field for field, its header, and the way back through the
// import with "SIG = award, SIG_INFO = reference".
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

}  // namespace

class TestAdifExport : public QObject {
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
    row("C4FM, import-only mode", "c4fm", "", "", "DIGITALVOICE/C4FM");
    row("DSTAR as submode", "DIGITALVOICE", "DSTAR", "", "DIGITALVOICE/DSTAR");
    row("submode of another mode dropped", "SSB", "FT4", "", "SSB/");
    row("submode without mode", "", "USB", "", "SSB/USB");
    row("with a blank", "DYNAMIC", "vara hf", "", "DYNAMIC/VARA HF");
    row("not ADIF", "DIGI", "", "", "");
    row("line: two letters, never cut", "", "", "FM", "FM/");
    row("line: one mode begins so", "", "", "MTO", "MTONE/");
    row("line: one submode", "", "", "C4F", "DIGITALVOICE/C4FM");
    row("line: a mode and its submodes", "", "", "OLI", "OLIVIA/");
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
    const QByteArray counts = QByteArray::number(gaps.call) + ' ' + QByteArray::number(gaps.date) + ' ' +
                              QByteArray::number(gaps.time) + ' ' + QByteArray::number(gaps.band) + ' ' +
                              QByteArray::number(gaps.mode) + ' ' + QByteArray::number(gaps.report);
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
};

QTEST_GUILESS_MAIN(TestAdifExport)
#include "test_adif_export.moc"
