// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
    QTest::addColumn<double>("lowKhz");      // the amateur band, three regions together
    QTest::addColumn<double>("highKhz");
    QTest::addColumn<QByteArray>("page");    // the cluster server's page name
    QTest::addColumn<QByteArrayList>("older");  // the band's start in MHz as older ADIF files write it
    const auto row = [](const char* log, const char* adif, double low, double high, const char* page,
                        const char* older) {
      QTest::newRow(adif) << QByteArray(log) << QByteArray(adif) << low << high << QByteArray(page)
                          << QByteArray(older).split(' ');
    };
    row("1.8 Mhz", "160m", 1800, 2000, "1.8", "1.8");
    row("3.5 Mhz", "80m", 3500, 4000, "3.5", "3.5 3.6 3");
    row("7.0 Mhz", "40m", 7000, 7300, "7", "7");
    row("10 Mhz", "30m", 10100, 10150, "10", "10");
    row("14 Mhz", "20m", 14000, 14350, "14", "14");
    row("18 Mhz", "17m", 18068, 18168, "18", "18");
    row("21 Mhz", "15m", 21000, 21450, "21", "21");
    row("24 Mhz", "12m", 24890, 24990, "24", "24");
    row("28 Mhz", "10m", 28000, 29700, "28", "28");
    row("50 Mhz", "6m", 50000, 54000, "50", "50");
    row("144 Mhz", "2m", 144000, 148000, "144", "144 145");
    row("432 Mhz", "70cm", 420000, 450000, "430", "432");
  }
  void rows() {
    QFETCH(QByteArray, log);
    QFETCH(QByteArray, adif);
    QFETCH(double, lowKhz);
    QFETCH(double, highKhz);
    QFETCH(QByteArray, page);
    const int i = bandOfLogText(log);
    QVERIFY(i >= 0);
    QCOMPARE(QByteArray(kBands[i].adif), adif);
    // Up to and including each edge, not half a kilohertz beyond.
    QCOMPARE(QList<int>({bandOfKhz(lowKhz), bandOfKhz(highKhz), bandOfKhz(lowKhz - 0.5), bandOfKhz(highKhz + 0.5)}),
             QList<int>({i, i, -1, -1}));
    QCOMPARE(adifBandForLogBand(" " + log + " "), adif);
    QCOMPARE(logBandForAdifBand(adif.toUpper()), log);
    QFETCH(QByteArrayList, older);
    for (const QByteArray& mhz : older) QCOMPARE(logBandForAdifBand(mhz), log);
    QCOMPARE(QByteArray(clusterBands()[i + 1].token) + '|' + clusterBands()[i + 1].entry, page + '|' + log);
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
