// Log lines, list lines, the conversions between them and the QSO list.
// The one band table of the log against the ADIF band enumeration and the
// amateur band edges, both written out here by hand; a frequency is placed
// in its band up to and including each edge, and nowhere outside.
#include "adif/adif_fields.h"
#include "cluster/cluster_pages.h"
#include "log/bands.h"
#include "log/log_list_model.h"
#include "log/qso_record.h"
#include "test_files.h"

#include <QtTest>

using namespace ktl;

namespace {

const QByteArray kName = "\x80 Hrad Kost\xe1lek \xff";  // Windows-1252 bytes above 127
const QByteArray kName60 = kName.leftJustified(60);

QsoRecord sample() {
  return {.callsign = "F0ORB/P", .countryPrefix = "F", .castleNumber = "01051", .repeatMark = true,
          .qsoDate = "04/03/16", .qsoTime = "09:05", .mode = "SSB", .band = "14 Mhz", .rstReceived = "59",
          .castleName = kName, .qslReceived = true, .rstSent = "57"};
}

}  // namespace

class TestQsoRecord : public QObject {
  Q_OBJECT
 private slots:
  void logLineColumns() {
    QCOMPARE(toLogLine(sample()),
             "F0ORB/P     " " " "   F-01051" "*" "04/03/16 09:05 SSB 14 Mhz  59  " + kName60 + " * 57 ");
    // Overlong fields are cut to their columns; missing ones are blank.
    const QsoRecord longer{.callsign = "DL/F0ORB/QRP1", .countryPrefix = "OK", .castleNumber = "08815",
                           .qsoDate = "04/03/16", .mode = "DIGI", .castleName = QByteArray(70, 'x')};
    QCOMPARE(toLogLine(longer), "DL/F0ORB/QRP" " " "  OK-08815" " " "04/03/16" "       " "DIG" + QByteArray(13, ' ') +
                                    QByteArray(60, 'x') + "      ");
  }

  // Lines a hand edit can leave behind load without shifting any column.
  void listLoadsOddLines() {
    QTemporaryDir dir;
    const QByteArray full = toLogLine(sample());
    LogListModel model;
    const QString log = dir.filePath("F0ORB_KTL.log");
    QVERIFY(writeFile(log, "\r\nF0ORB\r\n" + full + "EXTRA\n" + full.left(70) + "\r\n\r" + "\nlast"));
    QVERIFY(model.load(log));
    QCOMPARE(model.rowCount(), 6);
    for (int r = 0; r < model.rowCount(); ++r) QCOMPARE(model.displayLine(r).size(), kDisplayLineWidth);
    QCOMPARE(model.displayLine(1), "    2  F0ORB" + QByteArray(125, ' '));
    QCOMPARE(model.displayLine(3).mid(64), "59        " + kName.left(15).leftJustified(63));
    QCOMPARE(model.data(model.index(3)).toString().mid(74, 2), "\u20ac ");
    QCOMPARE(model.displayLine(5).mid(7, 5), QByteArray("last "));
  }

  void rows_data() {
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QByteArray>("adif");
    QTest::addColumn<double>("adifLowMhz");  // the ADIF 3.1 enumeration's limits
    QTest::addColumn<double>("adifHighMhz");
    QTest::addColumn<double>("lowKhz");      // the amateur band, three regions together
    QTest::addColumn<double>("highKhz");
    QTest::addColumn<QByteArray>("page");    // the cluster server's page name
    QTest::addColumn<QByteArrayList>("older");  // the band's start in MHz as older ADIF files write it
    QTest::newRow("160m") << QByteArray("1.8 Mhz") << QByteArray("160m") << 1.8 << 2.0 << 1800.0 << 2000.0 << QByteArray("1.8") << QByteArrayList{"1.8"};
    QTest::newRow("80m") << QByteArray("3.5 Mhz") << QByteArray("80m") << 3.5 << 4.0 << 3500.0 << 4000.0 << QByteArray("3.5") << QByteArrayList{"3.5", "3.6", "3"};
    QTest::newRow("40m") << QByteArray("7.0 Mhz") << QByteArray("40m") << 7.0 << 7.3 << 7000.0 << 7300.0 << QByteArray("7") << QByteArrayList{"7"};
    QTest::newRow("30m") << QByteArray("10 Mhz") << QByteArray("30m") << 10.1 << 10.15 << 10100.0 << 10150.0 << QByteArray("10") << QByteArrayList{"10"};
    QTest::newRow("20m") << QByteArray("14 Mhz") << QByteArray("20m") << 14.0 << 14.35 << 14000.0 << 14350.0 << QByteArray("14") << QByteArrayList{"14"};
    QTest::newRow("17m") << QByteArray("18 Mhz") << QByteArray("17m") << 18.068 << 18.168 << 18068.0 << 18168.0 << QByteArray("18") << QByteArrayList{"18"};
    QTest::newRow("15m") << QByteArray("21 Mhz") << QByteArray("15m") << 21.0 << 21.45 << 21000.0 << 21450.0 << QByteArray("21") << QByteArrayList{"21"};
    QTest::newRow("12m") << QByteArray("24 Mhz") << QByteArray("12m") << 24.89 << 24.99 << 24890.0 << 24990.0 << QByteArray("24") << QByteArrayList{"24"};
    QTest::newRow("10m") << QByteArray("28 Mhz") << QByteArray("10m") << 28.0 << 29.7 << 28000.0 << 29700.0 << QByteArray("28") << QByteArrayList{"28"};
    QTest::newRow("6m") << QByteArray("50 Mhz") << QByteArray("6m") << 50.0 << 54.0 << 50000.0 << 54000.0 << QByteArray("50") << QByteArrayList{"50"};
    QTest::newRow("2m") << QByteArray("144 Mhz") << QByteArray("2m") << 144.0 << 148.0 << 144000.0 << 148000.0 << QByteArray("144") << QByteArrayList{"144", "145"};
    QTest::newRow("70cm") << QByteArray("432 Mhz") << QByteArray("70cm") << 420.0 << 450.0 << 420000.0 << 450000.0 << QByteArray("430") << QByteArrayList{"432"};
  }
  void rows() {
    QFETCH(QByteArray, log);
    QFETCH(QByteArray, adif);
    QFETCH(double, adifLowMhz);
    QFETCH(double, adifHighMhz);
    QFETCH(double, lowKhz);
    QFETCH(double, highKhz);
    QFETCH(QByteArray, page);
    const int i = bandOfLogText(log);
    QVERIFY(i >= 0);
    QCOMPARE(QByteArray(kBands[i].adif), adif);
    // Inside the ADIF band, so that a frequency of ours is never another
    // ADIF band's.
    QVERIFY(lowKhz >= adifLowMhz * 1000 && highKhz <= adifHighMhz * 1000);
    QCOMPARE(bandOfKhz(lowKhz), i);
    QCOMPARE(bandOfKhz(highKhz), i);
    QCOMPARE(bandOfKhz(lowKhz - 0.5), -1);
    QCOMPARE(bandOfKhz(highKhz + 0.5), -1);
    QCOMPARE(adifBandForLogBand(" " + log + " "), adif);
    QCOMPARE(logBandForAdifBand(adif.toUpper()), log);
    QFETCH(QByteArrayList, older);
    for (const QByteArray& mhz : older) QCOMPARE(logBandForAdifBand(mhz), log);
    QCOMPARE(QByteArray(clusterBands()[i + 1].token), page);
    QCOMPARE(QByteArray(clusterBands()[i + 1].entry), log);
  }
  void outsideTheTwelve() {
    for (double khz : {5357.0, 70200.0, 1296000.0, 0.0}) QCOMPARE(bandOfKhz(khz), -1);
    QCOMPARE(bandOfLogText("7 Mhz"), -1);
    QVERIFY(adifBandForLogBand("60m").isEmpty());
    for (const char* other : {"60M", "13CM", "16M", "4M", "51", "14.074", "7.0", "1.8 MHZ", ""})
      QCOMPARE(logBandForAdifBand(other).toByteArray(), QByteArray());
    QCOMPARE(int(kBands.size()), 12);
  }
};

QTEST_GUILESS_MAIN(TestQsoRecord)
#include "test_qso_record.moc"
