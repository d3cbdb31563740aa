// The ADIF record line of a log line and the export file.
#include "adif/adif_export.h"
#include "log/log_file.h"
#include "log/qso_record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ktl;

namespace {

QByteArray line(const char* call, const char* prefix, const char* number, const char* date, const char* time,
                const char* mode, const char* band, const char* name, bool qsl, bool repeat = false) {
  QsoRecord q;
  q.callsign = call;
  q.countryPrefix = prefix;
  q.castleNumber = number;
  q.repeatMark = repeat;
  q.qsoDate = date;
  q.qsoTime = time;
  q.mode = mode;
  q.band = band;
  q.rstReceived = "59";
  q.castleName = name;
  q.qslReceived = qsl;
  q.rstSent = "57";
  return toLogLine(q);
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeLog(const QString& path, const QList<QByteArray>& lines) {
  QVERIFY(rewriteFile(path, [&](const LineSink& sink) {
            for (const QByteArray& l : lines) sink(l);
            return true;
          }).ok());
}

}  // namespace

class TestAdifExport : public QObject {
  Q_OBJECT
 private slots:
  void recordLine_data();
  void recordLine();
  void exportFile();
  void exportFailures_data();
  void exportFailures();
};

void TestAdifExport::recordLine_data() {
  QTest::addColumn<QByteArray>("logLine");
  QTest::addColumn<QByteArray>("expected");
  QTest::newRow("full QSO, QSL received")
      << line("OK1ABC", "OK", "08815", "07/01/16", "08:35", "SSB", "1.8 Mhz", "Hrad Karlstejn", true)
      << QByteArray("<CALL:6>OK1ABC <BAND:4>160m <MODE:3>SSB <QSO_DATE:8>20160107 <TIME_ON:4>0835 "
                    "<RST_RCVD:2>59 <RST_SENT:2>57 <SIG:8>OK-08815 <SIG_INFO:14>Hrad Karlstejn <QSL_RCVD:1>Y <eor>");
  QTest::newRow("one-letter prefix, no name, repeat mark not exported")
      << line("F5XYZ/P", "F", "01051", "31/12/99", "23:59", "CW", "432 Mhz", "", false, true)
      << QByteArray("<CALL:7>F5XYZ/P <BAND:4>70cm <MODE:2>CW <QSO_DATE:8>20991231 <TIME_ON:4>2359 "
                    "<RST_RCVD:2>59 <RST_SENT:2>57 <SIG:7>F-01051 <SIG_INFO:0> <QSL_RCVD:1>N <eor>");
  QTest::newRow("band outside the table")
      << line("DL1AA", "DL", "00001", "01/02/03", "04:05", "FM", "5 Mhz", "Burg", false)
      << QByteArray("<CALL:5>DL1AA <BAND:0> <MODE:2>FM <QSO_DATE:8>20030201 <TIME_ON:4>0405 "
                    "<RST_RCVD:2>59 <RST_SENT:2>57 <SIG:8>DL-00001 <SIG_INFO:4>Burg <QSL_RCVD:1>N <eor>");
  QTest::newRow("short line") << QByteArray("F1ABCD")
                              << QByteArray("<CALL:6>F1ABCD <BAND:0> <MODE:0> <QSO_DATE:2>20 <TIME_ON:0> "
                                            "<RST_RCVD:0> <RST_SENT:0> <SIG:0> <SIG_INFO:0> <QSL_RCVD:1>N <eor>");
  QTest::newRow("empty line") << QByteArray()
                              << QByteArray("<CALL:0> <BAND:0> <MODE:0> <QSO_DATE:2>20 <TIME_ON:0> "
                                            "<RST_RCVD:0> <RST_SENT:0> <SIG:0> <SIG_INFO:0> <QSL_RCVD:1>N <eor>");
}

void TestAdifExport::recordLine() {
  QFETCH(QByteArray, logLine);
  QFETCH(QByteArray, expected);
  QCOMPARE(adifRecordLine(logLine), expected);
}

// Header, one record per log line in file order, CR LF; a second export
// replaces the first whole.
void TestAdifExport::exportFile() {
  QTemporaryDir tmp;
  const QString log = tmp.filePath(QStringLiteral("F_OK1ABC_KTL.log"));
  const QString adi = adifExportPath(tmp.path(), QStringLiteral("F_OK1ABC"));
  QCOMPARE(QFileInfo(adi).fileName(), QStringLiteral("F_OK1ABC_KTL.adi"));
  const QByteArray title = adifTitleLine(QStringLiteral("Anglais"), QStringLiteral("F/OK1ABC"));
  const QByteArray header = title + "\r\n\r\n" + adifBannerLine() + "\r\n\r\n\r\n<eoh>\r\n";
  QVERIFY(adifBannerLine().startsWith("ORB_KTL"));

  // A missing log exports like an empty one.
  AdifExportResult r = exportAdif(log, adi, title);
  QCOMPARE(r.status, AdifExportResult::Exported);
  QCOMPARE(readAll(adi), header);

  const QList<QByteArray> lines = {
      line("OK1ABC", "OK", "08815", "02/01/16", "08:35", "SSB", "14 Mhz", "Hrad", true),
      line("OK2ABC", "OK", "00001", "01/01/16", "08:35", "CW", "7.0 Mhz", "", false),
      line("OK3ABC", "OK", "00002", "03/01/16", "08:35", "FM", "144 Mhz", "Zamek", false)};
  writeLog(log, lines);
  r = exportAdif(log, adi, title);
  QCOMPARE(r.records, 3);
  QByteArray expected = header;
  for (const QByteArray& l : lines) expected += adifRecordLine(l) + "\r\n";
  QCOMPARE(readAll(adi), expected);

  writeLog(log, {});
  r = exportAdif(log, adi, title);
  QCOMPARE(r.records, 0);
  QCOMPARE(readAll(adi), header);
  QCOMPARE(QDir(tmp.path()).entryList(QDir::Files).size(), 2);  // no temporary file left
}

void TestAdifExport::exportFailures_data() {
  QTest::addColumn<QString>("logName");
  QTest::addColumn<QString>("adiName");
  QTest::addColumn<int>("status");
  // "plain" is a file, so nothing can be created below it.
  QTest::newRow("file cannot be created") << "F_KTL.log" << "plain/F_KTL.adi" << int(AdifExportResult::WriteFailed);
  QTest::newRow("log is a folder") << "folder" << "F_KTL.adi" << int(AdifExportResult::LogReadFailed);
}

void TestAdifExport::exportFailures() {
  QFETCH(QString, logName);
  QFETCH(QString, adiName);
  QFETCH(int, status);
  QTemporaryDir tmp;
  writeLog(tmp.filePath(QStringLiteral("F_KTL.log")), {line("OK1ABC", "OK", "1", "01/01/16", "08:35", "SSB", "14 Mhz", "", false)});
  writeLog(tmp.filePath(QStringLiteral("plain")), {"x"});
  QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("folder")));
  const QString adi = tmp.filePath(adiName);
  const AdifExportResult r = exportAdif(tmp.filePath(logName), adi, "title");
  QCOMPARE(int(r.status), status);
  QVERIFY(!r.detail.isEmpty());
  QVERIFY(!QFileInfo::exists(adi));
}

QTEST_GUILESS_MAIN(TestAdifExport)
#include "test_adif_export.moc"
