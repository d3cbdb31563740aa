// ADIF import: records to log lines, the reading of odd files, the place of
// the block in the log, and what a failed import leaves behind.
#include "adif/adif_export.h"
#include "adif/adif_import.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ktl;

namespace {

QByteArray expectLine(QByteArray call, QByteArray ref, QByteArray date, QByteArray time, QByteArray mode,
                      QByteArray band, QByteArray rstR, QByteArray name, bool qsl, QByteArray rstS) {
  return call.leftJustified(12, ' ', true) + ' ' + ref.rightJustified(10, ' ', true) + ' ' + date + ' ' + time +
         ' ' + mode.leftJustified(3, ' ', true) + ' ' + band.leftJustified(7, ' ', true) + ' ' +
         rstR.leftJustified(3, ' ', true) + ' ' + name.leftJustified(60, ' ', true) + ' ' + (qsl ? '*' : ' ') +
         ' ' + rstS.leftJustified(3, ' ', true);
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QList<QByteArray> lines(const QString& path) {
  QList<QByteArray> out;
  forEachLine(path, [&](const QByteArray& l) {
    out.append(l);
    return true;
  });
  return out;
}

void writeLog(const QString& path, const QList<QByteArray>& log) {
  QVERIFY(rewriteFile(path, [&](const LineSink& sink) {
            for (const QByteArray& l : log) sink(l);
            return true;
          }).ok());
}

QByteArray rec(const QByteArray& call, const QByteArray& time, const QByteArray& date = "20160107") {
  return "<CALL:" + QByteArray::number(call.size()) + ">" + call + " <QSO_DATE:8>" + date + " <TIME_ON:4>" + time +
         " <BAND:3>20m <EOR>";
}

struct Imported {
  AdifImportResult result;
  QList<QByteArray> log;
  QList<QPair<ReplacedField, qsizetype>> notices;
};

Imported importBytes(const QByteArray& adif, const QList<QByteArray>& log = {}, AdifImportOptions options = {}) {
  QTemporaryDir tmp;
  const QString file = tmp.filePath(QStringLiteral("in.adi"));
  const QString logPath = tmp.filePath(QStringLiteral("F_KTL.log"));
  writeFile(file, adif);
  if (!log.isEmpty()) writeLog(logPath, log);
  Imported out;
  out.result = importAdif(file, logPath, options, [&](ReplacedField f, qsizetype n) { out.notices.append({f, n}); });
  out.log = lines(logPath);
  return out;
}

const QByteArray kFull =
    "<CALL:6>OK1ABC <BAND:3>20M <MODE:3>SSB <QSO_DATE:8>20160107 <TIME_ON:4>0835 <RST_RCVD:2>59 "
    "<RST_SENT:2>57 <SIG:8>OK-08815 <SIG_INFO:14>Hrad Karlstejn <QSL_RCVD:1>Y <EOR>";

}  // namespace

class TestAdifImport : public QObject {
  Q_OBJECT
 private slots:
  void record_data();
  void record();
  void band_data();
  void band();
  void layout_data();
  void layout();
  void roundTrip();
  void importTwiceAndNotices();
  void placement_data();
  void placement();
  void sameAsMergeThenSortLog();
  void failureLeavesLog_data();
  void failureLeavesLog();
};

void TestAdifImport::record_data() {
  QTest::addColumn<QByteArray>("record");
  QTest::addColumn<bool>("sigIsAward");
  QTest::addColumn<QByteArray>("expected");
  QTest::addColumn<int>("notices");
  const QByteArray full = expectLine("OK1ABC", "OK-08815", "07/01/16", "08:35", "SSB", "14 Mhz", "59",
                                     "HRAD KARLSTEJN", true, "57");
  QTest::newRow("own dialect") << kFull << false << full << 0;
  QTest::newRow("lower case, wrong lengths, seconds")
      << QByteArray("<call:2>ok1abc <band:3>20m <mode:1>ssb <qso_date:8>20160107 <time_on:6>083512 "
                    "<rst_rcvd:9>59 <rst_sent:2>57 <sig:3>ok-08815 <sig_info:4>hrad karlstejn <qsl_rcvd:1>y <eor>")
      << false << full << 0;
  QTest::newRow("SIG_INFO before SIG")
      << QByteArray("<CALL:6>OK1ABC <SIG_INFO:19>Chateau de Chambord <SIG:7>F-01051 <QSO_DATE:8>20160107 "
                    "<TIME_ON:4>0835 <BAND:2>14 <EOR>")
      << false
      << expectLine("OK1ABC", "CHATEAU DE", "07/01/16", "08:35", "XXX", "14 Mhz", "XX", "CHATEAU DE CHAMBORD", false,
                    "XX")
      << 0;
  QTest::newRow("SIG award") << QByteArray("<CALL:6>F5XYZ <SIG:3>WCA <SIG_INFO:7>F-01051 <EOR>") << true
                             << expectLine("F5XYZ", "F-01051", "01/01/00", "00:00", "XXX", "1.8 Mhz", "XX", "",
                                           false, "XX")
                             << 3;
  QTest::newRow("SIG award, option off") << QByteArray("<CALL:6>F5XYZ <SIG:3>WCA <SIG_INFO:7>F-01051 <EOR>") << false
                                         << expectLine("F5XYZ", "WCA", "01/01/00", "00:00", "XXX", "1.8 Mhz", "XX",
                                                       "F-01051", false, "XX")
                                         << 3;
  QTest::newRow("nothing usable") << QByteArray("<COMMENT:3>abc <QSL_RCVD:1>N <EOR>") << false
                                  << expectLine("FXXXX", "", "01/01/00", "00:00", "XXX", "1.8 Mhz", "XX", "", false,
                                                "XX")
                                  << 4;
  QTest::newRow("long callsign, mode and reports, type indicators")
      << QByteArray("<CALL:14>OK1ABCDEFGHIJK <MODE:4>RTTY <RST_RCVD:5>-15dB <RST_SENT:4>5999 "
                    "<QSO_DATE:8:D>20160107 <TIME_ON:6:T>235959 <BAND:4>432 <EOR>")
      << false
      << expectLine("OK1ABCDEFGHI", "", "07/01/16", "23:59", "RTT", "432 Mhz", "-15", "", false, "599") << 0;
  QTest::newRow("foreign text bytes")
      << QByteArray("<CALL:5>OH1AA <SIG_INFO:40>Pet\xC3\xA4j\xC3\xA4vesi \xE2\x82\xAC ch\xE2teau \xE5\x85\xAC\xE9\x87\x8C "
                    "\xEF\xBF\xBD <QSO_DATE:8>20160107 <TIME_ON:4>0835 <BAND:3>20m <EOR>")
      << false
      << expectLine("OH1AA", "PET\xC4J\xC4VESI", "07/01/16", "08:35", "XXX", "14 Mhz", "XX",
                    "PET\xC4J\xC4VESI \x80 CH\xC2TEAU ?? ?", false, "XX")
      << 0;
  QTest::newRow("tabs only, tag found by its start")
      << QByteArray("<CALL:5>G7CDA <SIG:4>WWFF <SIG_INFO:2>\t\t <BAND_RX:3>40m <BAND:3>20m <QSO_DATE:8>20160107 "
                    "<TIME_ON:4>0835 <EOR>")
      << false << expectLine("G7CDA", "WWFF", "07/01/16", "08:35", "XXX", "7.0 Mhz", "XX", "", false, "XX") << 0;
}

void TestAdifImport::record() {
  QFETCH(QByteArray, record);
  QFETCH(bool, sigIsAward);
  QFETCH(QByteArray, expected);
  QFETCH(int, notices);
  QCOMPARE(expected.size(), kLogLineWidth);
  const Imported in = importBytes("header<EOH>\n" + record + "\n", {}, AdifImportOptions{sigIsAward});
  QCOMPARE(in.result.status, AdifImportResult::Imported);
  QCOMPARE(in.log.size(), 1);
  QCOMPARE(in.log[0], expected);
  QCOMPARE(in.notices.size(), notices);
}

void TestAdifImport::band_data() {
  QTest::addColumn<QByteArray>("value");
  QTest::addColumn<QByteArray>("expected");  // empty: replaced, with a notice
  const char* table[][4] = {{"1.8 Mhz", "160m", "1.8", nullptr}, {"3.5 Mhz", "80M", "3.6", "3"},
                            {"7.0 Mhz", "40m", "7", nullptr},    {"10 Mhz", "30m", "10", nullptr},
                            {"14 Mhz", "20m", "14", "20M"},      {"18 Mhz", "17m", "18", nullptr},
                            {"21 Mhz", "15m", "21", nullptr},    {"24 Mhz", "12m", "24", nullptr},
                            {"28 Mhz", "10m", "28", "10M"},      {"50 Mhz", "6m", "50", nullptr},
                            {"144 Mhz", "2M", "144", "145"},     {"432 Mhz", "70CM", "432", "70cm"}};
  for (const auto& row : table)
    for (int i = 1; i < 4 && row[i]; ++i) QTest::addRow("%s", row[i]) << QByteArray(row[i]) << QByteArray(row[0]);
  for (const char* other : {"60M", "13CM", "14.074", "", "3.5MHZ"})
    QTest::addRow("other %s", other) << QByteArray(other) << QByteArray();
}

void TestAdifImport::band() {
  QFETCH(QByteArray, value);
  QFETCH(QByteArray, expected);
  const Imported in = importBytes(
      "<EOH>\n<CALL:5>OK1AA <QSO_DATE:8>20160107 <TIME_ON:4>0835 <BAND:1>" + value + " <EOR>\n");
  QCOMPARE(in.log.size(), 1);
  QCOMPARE(column(in.log[0], 44, 7), (expected.isEmpty() ? QByteArray("1.8 Mhz") : expected).leftJustified(7));
  QCOMPARE(in.result.replacedCount(ReplacedField::Band), expected.isEmpty() ? 1 : 0);
}

void TestAdifImport::layout_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QByteArrayList>("calls");
  QTest::addColumn<bool>("header");
  const QByteArrayList ab = {"OK1AA", "OK1BB"};
  QTest::newRow("one field per line, LF")
      << QByteArray("h\n<EOH>\n<CALL:5>\nOK1AA\n<TIME_ON:4>0001\n<QSO_DATE:8>20160107\n<BAND:3>20m\n<EOR>\n"
                    "<CALL:5>OK1BB\n<TIME_ON:4>0002 <QSO_DATE:8>20160107\n<BAND:3>\n20m <EOR>\n")
      << ab << true;
  QTest::newRow("values and tags broken across CR LF lines")
      << QByteArray("<eoh>\r\n<CALL:5>OK1\r\nAA <TIME_\r\nON:4>0001 <QSO_DATE:8>2016\r\n0107 <band:3>20m <eor>\r\n\r\n" + rec("OK1BB", "0002") + "\r\n")
      << ab << true;
  QTest::newRow("no header") << rec("OK1AA", "0001") + "\n" + rec("OK1BB", "0002") << ab << false;
  QTest::newRow("byte-order mark, header") << "\xEF\xBB\xBFh<EOH>\n" + rec("OK1AA", "0001") + rec("OK1BB", "0002")
                                           << ab << true;
  QTest::newRow("byte-order mark, no header") << "\xEF\xBB\xBF" + rec("OK1AA", "0001") + rec("OK1BB", "0002") << ab
                                              << false;
  QTest::newRow("records on the header line") << "h <EOH>" + rec("OK1AA", "0001") + " " + rec("OK1BB", "0002") << ab
                                              << true;
  QTest::newRow("report after the last record")
      << "<EOH>\n" + rec("OK1AA", "0001") + "\n" + rec("OK1BB", "0002") + "\nTotal: 2 QSOs\n<CALL:5>ZZ9ZZ <BAND:3>20m\n"
      << ab << true;
  QTest::newRow("CR line ends") << "<EOH>\r" + rec("OK1AA", "0001").replace("<TIME_ON:4>", "<TIME_\rON:4>") + "\r" +
                                       rec("OK1BB", "0002") + "\r"
                                << ab << true;
}

void TestAdifImport::layout() {
  QFETCH(QByteArray, file);
  QFETCH(QByteArrayList, calls);
  QFETCH(bool, header);
  const Imported in = importBytes(file);
  QCOMPARE(in.result.status, AdifImportResult::Imported);
  QCOMPARE(in.result.headerFound, header);
  QCOMPARE(in.notices.size(), 0);
  QCOMPARE(in.log.size(), calls.size());
  for (qsizetype i = 0; i < calls.size(); ++i) QCOMPARE(column(in.log[i], 1, 12), calls[i].leftJustified(12));
}

// Our own export comes back field for field, in upper case, repeat marks
// blank, every band of the entry window.
void TestAdifImport::roundTrip() {
  const char* bands[] = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz",  "14 Mhz",  "18 Mhz",
                         "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz",  "144 Mhz", "432 Mhz"};
  QList<QByteArray> log;
  for (int i = 0; i < 12; ++i) {
    QsoRecord q;
    q.callsign = i % 2 ? "ok1abc/p" : "F/DL1ABCDEFG";
    q.countryPrefix = i % 3 ? "F" : "DLFF";
    q.castleNumber = QByteArray::number(1051 + i).rightJustified(5, '0');
    q.repeatMark = i % 4 == 0;
    q.qsoDate = QByteArray::number(10 + i) + "/0" + QByteArray::number(1 + i % 9) + "/" + (i < 6 ? "16" : "24");
    q.qsoTime = "0" + QByteArray::number(i % 10) + ":3" + QByteArray::number(i % 6);
    q.mode = i % 2 ? "CW" : "SSB";
    q.band = bands[i];
    q.rstReceived = i % 2 ? "599" : "5";
    q.castleName = i % 5 ? "Ch\xE2teau de Montr\xE9" "al-du-Gers (ruines), " + QByteArray(20, 'x') : "";
    q.qslReceived = i % 3 == 0;
    q.rstSent = i % 2 ? "" : "57";
    log.append(toLogLine(q));
  }
  std::stable_sort(log.begin(), log.end(), [](const QByteArray& a, const QByteArray& b) {
    return sortDateKey(a.constData()) < sortDateKey(b.constData());
  });
  QTemporaryDir tmp;
  const QString own = tmp.filePath(QStringLiteral("own.log"));
  const QString adi = tmp.filePath(QStringLiteral("own.adi"));
  writeLog(own, log);
  QVERIFY(exportAdif(own, adi, "t").ok());
  const Imported back = importBytes(readAll(adi));
  QCOMPARE(back.result.recordsImported, log.size());
  for (qsizetype i = 0; i < log.size(); ++i) {
    QByteArray expected = toFileBytes(fromFileBytes(log[i]).toUpper());
    expected[23] = ' ';
    expected.replace(43, 7, column(log[i], 44, 7));  // the band comes back from the table
    if (column(log[i], 119, 3) == "   ") expected.replace(118, 3, "XX ");  // an empty report comes back as XX
    QCOMPARE(back.log[i], expected);
  }
}

void TestAdifImport::importTwiceAndNotices() {
  const QByteArray file = "<EOH>\n<CALL:5>OK1AA <QSO_DATE:8>20160107 <TIME_ON:4>0835 <EOR>\n"
                          "<QSO_DATE:8>20160108 <BAND:2>2m <EOR>\n" + kFull + "\n";
  QTemporaryDir tmp;
  const QString adi = tmp.filePath(QStringLiteral("in.adi"));
  const QString log = tmp.filePath(QStringLiteral("F_KTL.log"));
  writeFile(adi, file);
  QList<QPair<ReplacedField, qsizetype>> notices;
  const auto count = [&](ReplacedField f, qsizetype n) { notices.append({f, n}); };
  const AdifImportResult first = importAdif(adi, log, {}, count);
  const QList<QPair<ReplacedField, qsizetype>> expected = {
      {ReplacedField::Band, 1}, {ReplacedField::Callsign, 2}, {ReplacedField::Time, 2}};
  QCOMPARE(notices, expected);
  QCOMPARE(first.replaced, (std::array<qsizetype, 4>{1, 0, 1, 1}));
  const QList<QByteArray> once = lines(log);
  QCOMPARE(once.size(), 3);
  QVERIFY(importAdif(adi, log).ok());
  QList<QByteArray> twice;
  for (const QByteArray& l : once) twice << l << l;
  QCOMPARE(lines(log), twice);
  QCOMPARE(replacementNotice(ReplacedField::Callsign), QStringLiteral("Indicatif absent, remplacé par FXXXX"));
  QCOMPARE(replacementNotice(ReplacedField::Date), QStringLiteral("Date absente, remplacée par 01/01/2000"));
  QCOMPARE(replacementNotice(ReplacedField::Time), QStringLiteral("Heure absente, remplacée par 00:00"));
  QCOMPARE(replacementNotice(ReplacedField::Band), QStringLiteral("Bande absente, remplacée par 1.8 Mhz"));
}

void TestAdifImport::placement_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<int>("status");
  QTest::addColumn<int>("keyRecord");
  const QByteArray second = rec("OK1BB", "1200", "20160101");
  QTest::newRow("last moment a log can date") << rec("OK1AA", "0835", "20501231") + second
                                              << int(AdifImportResult::Imported) << 1;
  QTest::newRow("after 31/12/2050 08:35") << rec("OK1AA", "0836", "20501231") + second
                                          << int(AdifImportResult::FirstQsoTooLate) << 1;
  QTest::newRow("first record undated") << "<CALL:5>OK1AA <TIME_ON:4>0835 <EOR>" + second
                                        << int(AdifImportResult::Imported) << 2;
  QTest::newRow("no record dated") << QByteArray("<CALL:5>OK1AA <EOR><CALL:5>OK1BB <QSO_DATE:4>2016 <EOR>")
                                   << int(AdifImportResult::Imported) << 0;
}

void TestAdifImport::placement() {
  QFETCH(QByteArray, file);
  QFETCH(int, status);
  QFETCH(int, keyRecord);
  const QList<QByteArray> log = {expectLine("OK9ZZ", "", "01/01/16", "12:00", "SSB", "14 Mhz", "59", "", false, "59")};
  const Imported in = importBytes(file, log);
  QCOMPARE(int(in.result.status), status);
  QCOMPARE(in.result.keyRecord, keyRecord);
  QCOMPARE(in.log.size(), status == AdifImportResult::Imported ? 3 : 1);
}

// One rewrite gives what merging the block into the log and then sorting
// it with sortLog gives, on a log with every oddity: an empty first line,
// an unreadable date, a short line, years 49/50/51, repeat marks, a
// placeholder left behind, a lower-case mode at the same minute (case is
// ignored by the sort), and a line that differs from an imported one only in
// letter case (their order after the sort depends on the merge).
void TestAdifImport::sameAsMergeThenSortLog() {
  const QByteArray tie = expectLine("ok1aa", "ok-00001", "07/01/16", "08:35", "ssb", "14 Mhz", "59", "hrad", false,
                                    "59");
  QList<QByteArray> log = {"",
                           expectLine("OK2AA", "", "01/01/16", "00:00", "CW", "7.0 Mhz", "59", "", false, "59"),
                           tie,
                           "F1SHORT",
                           expectLine("OK3AA", "", "xx/01/16", "00:00", "CW", "7.0 Mhz", "59", "", false, "59"),
                           expectLine("OK4AA", "", "31/12/49", "23:59", "CW", "7.0 Mhz", "59", "", true, "59"),
                           expectLine("OK5AA", "", "01/01/50", "00:00", "CW", "7.0 Mhz", "59", "", false, "59"),
                           expectLine("OK6AA", "", "01/01/51", "00:00", "CW", "7.0 Mhz", "59", "", false, "59"),
                           expectLine("OK0AA", "", "07/01/16", "08:35", "cw", "7.0 Mhz", "59", "", false, "59"),
                           "XXXxxxxxxxx  MKVR 93013 31/12/50 08:35"};
  log[1][23] = '*';
  const QByteArray file = "<EOH>\n<CALL:5>OK1AA <SIG:8>OK-00001 <QSO_DATE:8>20160107 <TIME_ON:4>0835 <MODE:3>SSB "
                          "<BAND:3>20m <RST_RCVD:2>59 <RST_SENT:2>59 <SIG_INFO:4>HRAD <EOR>\n" +
                          rec("OK7AA", "0000", "19990101");
  const Imported in = importBytes(file, log);
  QVERIFY(in.result.ok());

  // The block goes before the first line dated at or after 07/01/2016 08:35.
  qsizetype at = 0;
  while (at < log.size() && !(insertTimestamp(log[at]) && *insertTimestamp(log[at]) >= 201601070835)) ++at;
  QCOMPARE(at, 2);
  const Imported alone = importBytes(file);
  QCOMPARE(alone.log.size(), 2);
  QList<QByteArray> merged = log.mid(0, at);
  merged << alone.log[1] << alone.log[0] << log.mid(at);  // file order: the 2016 record first
  merged.removeIf([](const QByteArray& l) { return l.startsWith("XXXxxxxxxxx  MKVR"); });
  QTemporaryDir tmp;
  const QString reference = tmp.filePath(QStringLiteral("reference.log"));
  writeLog(reference, merged);
  QVERIFY(sortLog(reference).ok());
  QCOMPARE(in.log, lines(reference));
  QCOMPARE(in.log.indexOf(alone.log[1]) + 1, in.log.indexOf(tie));
}

void TestAdifImport::failureLeavesLog_data() {
  QTest::addColumn<QString>("fileName");
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<QString>("logName");
  QTest::addColumn<int>("status");
  const QByteArray ok = "<EOH>" + rec("OK1AA", "0835");
  QTest::newRow("no file chosen") << "" << ok << "F_KTL.log" << int(AdifImportResult::NoFileChosen);
  QTest::newRow("file missing") << "missing.adi" << ok << "F_KTL.log" << int(AdifImportResult::FileUnreadable);
  QTest::newRow("file is a folder") << "folder" << ok << "F_KTL.log" << int(AdifImportResult::FileUnreadable);
  QTest::newRow("empty file") << "in.adi" << QByteArray() << "F_KTL.log" << int(AdifImportResult::NoRecord);
  QTest::newRow("no <EOR>") << "in.adi" << QByteArray("<EOH>\n<CALL:5>OK1AA <BAND:3>20m\n<CALL:5>OK1BB\n") << "F_KTL.log"
                            << int(AdifImportResult::NoRecord);
  QTest::newRow("huge record after a good one")
      << "in.adi" << ok + "<CALL:5>OK1BB <COMMENT:1>" + QByteArray(kMaxAdifRecordBytes + 10, 'x') + "<EOR>"
      << "F_KTL.log" << int(AdifImportResult::RecordTooLarge);
  // "plain" is a file: no log can be written below it.
  QTest::newRow("log cannot be written") << "in.adi" << ok << "plain/F_KTL.log" << int(AdifImportResult::LogWriteFailed);
  QTest::newRow("log is a folder") << "in.adi" << ok << "folder" << int(AdifImportResult::LogReadFailed);
}

void TestAdifImport::failureLeavesLog() {
  QFETCH(QString, fileName);
  QFETCH(QByteArray, content);
  QFETCH(QString, logName);
  QFETCH(int, status);
  QTemporaryDir tmp;
  QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("folder")));
  writeFile(tmp.filePath(QStringLiteral("plain")), "x");
  writeFile(tmp.filePath(QStringLiteral("in.adi")), content);
  // Unsorted, with a repeat mark: any rewrite would show.
  QList<QByteArray> log = {expectLine("OK9ZZ", "", "02/01/16", "12:00", "SSB", "14 Mhz", "59", "", false, "59"),
                           expectLine("OK8ZZ", "", "01/01/16", "12:00", "SSB", "14 Mhz", "59", "", false, "59")};
  log[0][23] = '*';
  const QString logPath = tmp.filePath(QStringLiteral("F_KTL.log"));
  writeLog(logPath, log);
  const QByteArray before = readAll(logPath);
  const QStringList filesBefore = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

  const AdifImportResult r =
      importAdif(fileName.isEmpty() ? QString() : tmp.filePath(fileName), tmp.filePath(logName));
  QCOMPARE(int(r.status), status);
  QCOMPARE(r.recordsImported, 0);
  QCOMPARE(readAll(logPath), before);
  QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
}

QTEST_GUILESS_MAIN(TestAdifImport)
#include "test_adif_import.moc"
