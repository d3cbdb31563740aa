// Node lines as nodes send them: which are spots and what they hold, and
// which castle references a spotter's comment carries.
#include "cluster/castle_refs.h"
#include "cluster/spot_parser.h"

#include <QTest>

using namespace ktl;

class SpotLinesTest : public QObject {
  Q_OBJECT
 private slots:
  void spot_data() {
    QTest::addColumn<QString>("line");
    // spotter|frequency|band|call|comment|time|locator, or empty: no spot.
    QTest::addColumn<QString>("parts");
    const auto row = [](const char* name, const char* line, const char* parts) {
      QTest::newRow(name) << QString::fromUtf8(line) << QString::fromUtf8(parts);
    };
    row("dxspider", "DX de OK1KTL:     14025.0  F5ABC        COTA F-01051 CW                1234Z",
        "OK1KTL|14025.0|14 Mhz|F5ABC|COTA F-01051 CW|12:34|");
    row("skimmer with locator", "DX de DL8LAS-#:   7012.5  OK1KRQ       CW 25 dB 22 WPM CQ             0915Z JO60",
        "DL8LAS-#|7012.5|7.0 Mhz|OK1KRQ|CW 25 dB 22 WPM CQ|09:15|JO60");
    row("80 m", "DX de W3LPL:      3502.0  K1ABC        599                            2359Z FN20",
        "W3LPL|3502.0|3.5 Mhz|K1ABC|599|23:59|FN20");
    row("2 m portable", "DX de IK2XYZ:   144300.0  I2ABC/P      KTL I-12345 tnx                0700Z JN45",
        "IK2XYZ|144300.0|144 Mhz|I2ABC/P|KTL I-12345 tnx|07:00|JN45");
    row("70 cm", "DX de F6ABC:    432200.0  F1ZZZ/P      wca: F-00001                   0001Z",
        "F6ABC|432200.0|432 Mhz|F1ZZZ/P|wca: F-00001|00:01|");
    row("60 m is no band of the log", "DX de G4ABC:      5357.0  G3XYZ        FT8 -12 dB                     1200Z",
        "G4ABC|5357.0||G3XYZ|FT8 -12 dB|12:00|");
    row("160 m lower edge", "DX de EA1ABC:   1810.0   EA1XYZ   cq         2200Z", "EA1ABC|1810.0|1.8 Mhz|EA1XYZ|cq|22:00|");
    row("below 160 m", "DX de EA1ABC:   1799.9   EA1XYZ   cq         2200Z", "EA1ABC|1799.9||EA1XYZ|cq|22:00|");
    row("10 m upper edge", "DX de K1TTT:    29700.0  VE3ABC       FM        1111Z", "K1TTT|29700.0|28 Mhz|VE3ABC|FM|11:11|");
    row("above 10 m", "DX de K1TTT:    29700.1  VE3ABC       FM        1111Z", "K1TTT|29700.1||VE3ABC|FM|11:11|");
    row("locators in the comment", "DX de SP5ABC:    50313.0  SP9XYZ      FT8 JO90 -> JN18                1405Z",
        "SP5ABC|50313.0|50 Mhz|SP9XYZ|FT8 JO90 -> JN18|14:05|");
    row("lower case", "dx de f5abc:  14250.0  f4xyz  castle f-1051  1234z", "F5ABC|14250.0|14 Mhz|F4XYZ|castle f-1051|12:34|");
    row("no comment", "DX de OK1KTL:     14025.0  F5ABC                                      1234Z",
        "OK1KTL|14025.0|14 Mhz|F5ABC||12:34|");
    row("six-character locator", "DX de OK1KTL: 10116.0 OK2ABC  KTL OK-08815  0815Z JN89ab",
        "OK1KTL|10116.0|10 Mhz|OK2ABC|KTL OK-08815|08:15|JN89AB");
    row("30 m, a whole kHz", "DX de PA3ABC:   10120  PA0XYZ  qrs  0600Z", "PA3ABC|10120|10 Mhz|PA0XYZ|qrs|06:00|");
    // Not spots.
    row("hour 24", "DX de F5ABC:  14250.0  F4XYZ  test  2460Z", "");
    row("no time", "DX de F5ABC:  14250.0  F4XYZ  test", "");
    row("call without a digit", "DX de F5ABC:  14250.0  TEST  cq  1234Z", "");
    row("two decimal points", "DX de F5ABC:  14.250.0  F4XYZ  x  1234Z", "");
    row("no colon", "DX de F5ABC  14250.0  F4XYZ  x  1234Z", "");
    row("spotter missing", "DX de :  14250.0  F4XYZ  x  1234Z", "");
    row("WWV", "WWV de W0MU <18>:   SFI=150, A=8, K=2, No Storms -> No Storms", "");
    row("announcement", "To ALL de F5XYZ: qrv castle F-01051 tonight 40m", "");
    row("prompt", "F0ORB de NODE-1  4-Mar-2016 0905Z >", "");
    row("talk", "F5XYZ de F0ORB: hello 1234Z", "");
    row("bare head", "DX de", "");
    row("spot quoted in talk", "F5XYZ de F0ORB: DX de OK1KTL: 14025.0 F5ABC x 1234Z", "");
  }
  void spot() {
    QFETCH(QString, line);
    QFETCH(QString, parts);
    const auto spot = parseSpot(line);
    QString got;
    if (spot)
      got = QStringList{spot->spotter, spot->frequency, spot->bandText(), spot->dxCall, spot->comment, spot->time,
                        spot->locator}
                .join(u'|');
    QCOMPARE(got, parts);
  }

  void references_data() {
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("refs");
    const auto row = [](const char* comment, const char* refs) {
      QTest::newRow(comment) << QString::fromUtf8(comment) << QString::fromUtf8(refs);
    };
    row("COTA F-01051 CW", "F-01051");
    row("F-01051", "F-01051");
    row("ktl ok-8815 qrv", "OK-08815");
    row("WCA: OK-00815", "OK-00815");
    row("KTL=I-12345", "I-12345");
    row("COTA-F-1051", "F-01051");
    row("(OK-8815)", "OK-08815");
    row("qrt F-01051.", "F-01051");
    row("9A-00123 pse", "9A-00123");
    row("Chateau de F-1", "F-00001");
    row("COTA EU-123", "EU-00123");
    // Two references: ours first, each once.
    row("KTL OK-08815 COTA OK-00815", "OK-08815 OK-00815");
    row("COTA OK-00815 KTL OK-08815", "OK-08815 OK-00815");
    row("F-01051 and F-1051 again", "F-01051");
    row("POTA K-1234 COTA F-01051", "F-01051");
    // Other programmes' references and lookalikes.
    row("POTA K-1234", "");
    row("K-1234 pota", "");
    row("SOTA OK/JC-001", "");
    row("IOTA EU-123", "");
    row("EU-005 island", "");
    row("DLFF-0123", "");
    row("WWFF ONFF-0001", "");
    row("14025 599 5NN JN18 1234Z", "");
    row("CW-10 FT8-12 up-2", "");
    row("RST 5NN-599", "");
    row("QSX 7.150-7.200", "");
    row("2016-03-04", "");
    row("F-010511", "");
    row("F-01051/P", "");
    row("HB9ABCD-123", "");
    row("F-", "");
    row("-01051", "");
  }
  void references() {
    QFETCH(QString, comment);
    QFETCH(QString, refs);
    QStringList got;
    for (const CastleRef& r : castleRefs(comment)) got << r.prefix + u'-' + r.number;
    QCOMPARE(got.join(u' '), refs);
  }
};

QTEST_APPLESS_MAIN(SpotLinesTest)
#include "test_spot_lines.moc"
