// ADIF import: records to log lines, the reading of odd files, the place of
// the block in the log, and what a failed import leaves behind.
#include "adif/adif_import.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "test_files.h"
#include "test_log_lines.h"

#include <QtTest>

using namespace ktl;
using Notices = QList<QPair<ReplacedField, qsizetype>>;

namespace {

QByteArrayList lines(const QString& path) {
  QByteArrayList out;
  forEachLine(path, [&](const QByteArray& l) { return out.append(l), true; });
  return out;
}

void writeLog(const QString& path, const QByteArrayList& log) {
  QVERIFY(writeFile(path, log.join("\r\n") + "\r\n"));
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

class TestAdifImport : public QObject {
  Q_OBJECT
 private slots:
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
    QCOMPARE(once.result.replaced, (std::array<qsizetype, 4>{1, 0, 1, 1}));
    QCOMPARE(once.log.size(), 3);
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
    QVERIFY(QDir(tmp.path()).mkdir("folder"));
    QVERIFY(writeFile(tmp.filePath("plain"), "x"));
    QVERIFY(writeFile(tmp.filePath("in.adi"), content));
    const QString logPath = tmp.filePath("F_KTL.log");
    writeLog(logPath, {logLineOf("OK9ZZ|||02/01/16|12:00|SSB|14 Mhz|59|||59").replace(23, 1, "*"),
                       logLineOf("OK8ZZ|||01/01/16|12:00|SSB|14 Mhz|59|||59")});
    const QByteArrayList before = lines(logPath);
    const QStringList filesBefore = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QString adi = fileName.isEmpty() ? QString() : tmp.filePath(fileName);
    const AdifImportResult r = importAdif(adi, tmp.filePath(logName));
    QCOMPARE(int(r.status), status);
    if (r.ok()) {
      QCOMPARE(r.keyRecord, keyRecord);
      QCOMPARE(lines(logPath).size(), 4);
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

QTEST_GUILESS_MAIN(TestAdifImport)
#include "test_adif_import.moc"
