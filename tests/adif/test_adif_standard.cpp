// Standard ADIF export: each log line field for field, the header, and the
// way back through the import with "SIG = award, SIG_INFO = reference".
#include "adif/adif_import.h"
#include "adif/adif_standard.h"

#include <QtTest>

using namespace ktl;

namespace {

// A log line written column by column from
// "CALL|REFERENCE|REPEAT|dd/mm/yy|HH:MM|MODE|BAND|RST R|NAME|QSL|RST S".
QByteArray logLine(const QByteArray& fields) {
  const QByteArrayList f = fields.split('|');
  const int width[] = {12, 10, 1, 8, 5, 3, 7, 3, 60, 1, 3};
  QByteArray out;
  for (int i = 0; i < 11; ++i) {
    const QByteArray v = f.value(i);
    // The reference keeps to the right; the repeat mark and the date follow
    // it at once.
    out += (i == 0 || i == 2 || i == 3 ? "" : " ") +
           (i == 1 ? v.rightJustified(width[i], ' ') : v.leftJustified(width[i], ' '));
  }
  return out;
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

class TestAdifStandard : public QObject {
  Q_OBJECT
 private slots:
  void recordFieldForField_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("record");
    const QByteArray tail = "<STATION_CALLSIGN:7>F0ORB/P <EOR>";
    QTest::newRow("1998, 20 m, QSL")
        << logLine("F6ABC|OK-08815|*|31/12/98|08:35|SSB|14 Mhz|57|HRAD KARLSTEJN|*|59")
        << "<CALL:5>F6ABC <QSO_DATE:8>19981231 <TIME_ON:4>0835 <BAND:3>20m <MODE:3>SSB <RST_RCVD:2>57 "
           "<RST_SENT:2>59 <SIG:3>KTL <SIG_INFO:8>OK-08815 <QTH:14>HRAD KARLSTEJN <QSL_RCVD:1>Y " + tail;
    QTest::newRow("1950, 160 m")
        << logLine("DL1AA|F-01051||01/01/50|00:00|CW|1.8 Mhz|599|||599")
        << "<CALL:5>DL1AA <QSO_DATE:8>19500101 <TIME_ON:4>0000 <BAND:4>160m <MODE:2>CW <RST_RCVD:3>599 "
           "<RST_SENT:3>599 <SIG:3>KTL <SIG_INFO:7>F-01051 <QSL_RCVD:1>N " + tail;
    QTest::newRow("2000 leap day, 6 m")
        << logLine("I1ABC|I-00012||29/02/00|23:59|FM|50 Mhz|59|||59")
        << "<CALL:5>I1ABC <QSO_DATE:8>20000229 <TIME_ON:4>2359 <BAND:2>6m <MODE:2>FM <RST_RCVD:2>59 "
           "<RST_SENT:2>59 <SIG:3>KTL <SIG_INFO:7>I-00012 <QSL_RCVD:1>N " + tail;
    QTest::newRow("2049, 70 cm, DLFF reference")
        << logLine("OK1ABC/P|DLFF-00123||15/06/49|12:00|SSB|432 Mhz|59|||59")
        << "<CALL:8>OK1ABC/P <QSO_DATE:8>20490615 <TIME_ON:4>1200 <BAND:4>70cm <MODE:3>SSB <RST_RCVD:2>59 "
           "<RST_SENT:2>59 <SIG:3>KTL <SIG_INFO:10>DLFF-00123 <QSL_RCVD:1>N " + tail;
    // Windows-1252 letters lose their accents; "<" would end the value for
    // simple readers.
    QTest::newRow("accents, cut mode, band not in the table")
        << logLine("F5XYZ|F-00001||07/01/16|08:35|RTT|60 Mhz|59|Ch\xE2teau d'\xC6rsk\xF8l \x96 <tour> \xDF SCHLO\xDF||59")
        << "<CALL:5>F5XYZ <QSO_DATE:8>20160107 <TIME_ON:4>0835 <MODE:4>RTTY <RST_RCVD:2>59 <RST_SENT:2>59 "
           "<SIG:3>KTL <SIG_INFO:7>F-00001 <QTH:37>Chateau d'AErskol - (tour) ss SCHLOSS <QSL_RCVD:1>N " + tail;
    QTest::newRow("no reference, no readable date")
        << logLine("G4ABC|||7/1/2016|8h35|DIG|7.0 Mhz|59|||59")
        << "<CALL:5>G4ABC <BAND:3>40m <MODE:3>DIG <RST_RCVD:2>59 <RST_SENT:2>59 <QSL_RCVD:1>N " + tail;
  }
  void recordFieldForField() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, record);
    QCOMPARE(standardAdifRecord(line, header()), record);
  }

  // The whole file: the header, one record a line, CR LF; then the import
  // of that file, award in SIG, gives the log back but the repeat marks.
  void fileAndRoundTrip() {
    const QByteArrayList log = {
        logLine("F6ABC|OK-08815|*|01/01/50|08:35|SSB|1.8 Mhz|57|HRAD KARLSTEJN|*|59"),
        logLine("DL1ABCDEFG/P|DLFF-12345||31/12/99|23:59|RTT|3.5 Mhz|599|SCHLOSS NEUSCHWANSTEIN|*|579"),
        logLine("I1ABC|I-00012||01/01/00|00:00|CW|10 Mhz|5|||5"),
        logLine("G4ABC|G-00842||07/01/16|08:35|FM|144 Mhz|59|CORFE CASTLE DORSET||59"),
        logLine("OK1AA|OK-00001||31/12/49|12:00|DIG|432 Mhz|59||*|59"),
    };
    QTemporaryDir tmp;
    const QString logPath = tmp.filePath(QStringLiteral("F0ORB_P_KTL.log"));
    const QString adi = tmp.filePath(QStringLiteral("out.adi"));
    {
      QFile f(logPath);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(log.join("\r\n") + "\r\n");
    }
    const AdifExportResult exported = exportStandardAdif(logPath, adi, header());
    QVERIFY(exported.ok());
    QCOMPARE(exported.records, 5);
    QFile f(adi);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArrayList file = f.readAll().split('\n');
    QCOMPARE(file.mid(0, 6), QByteArrayList({"ORB_KTL log of F0ORB/P in ADIF 3.1.4\r", "<ADIF_VER:5>3.1.4\r",
                                            "<PROGRAMID:7>ORB_KTL\r", "<PROGRAMVERSION:5>1.0.1\r",
                                            "<CREATED_TIMESTAMP:15>20160304 090503\r", "<EOH>\r"}));
    QCOMPARE(file.size(), 6 + 5 + 1);
    QVERIFY(file[7].startsWith("<CALL:12>DL1ABCDEFG/P <QSO_DATE:8>19991231 "));

    const QString back = tmp.filePath(QStringLiteral("back.log"));
    const AdifImportResult imported = importAdif(adi, back, AdifImportOptions{true});
    QVERIFY(imported.ok());
    QCOMPARE(imported.modesCut, 1);  // RTTY comes back as RTT
    QFile b(back);
    QVERIFY(b.open(QIODevice::ReadOnly));
    QByteArrayList expected = log;
    expected[0][23] = ' ';
    QCOMPARE(b.readAll(), expected.join("\r\n") + "\r\n");
  }
};

QTEST_GUILESS_MAIN(TestAdifStandard)
#include "test_adif_standard.moc"
