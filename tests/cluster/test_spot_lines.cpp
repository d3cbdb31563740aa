// What the operator and the nodes type: which node lines are spots and what
// they hold, which castle references a spotter's comment carries, and the
// cluster server address.
#include "cluster/castle_refs.h"
#include "cluster/cluster_pages.h"
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
    row("60 m is no band of the log", "DX de G4ABC:      5357.0  G3XYZ        FT8 -12 dB                     1200Z",
        "G4ABC|5357.0||G3XYZ|FT8 -12 dB|12:00|");
    row("160 m lower edge", "DX de EA1ABC:   1810.0   EA1XYZ   cq         2200Z", "EA1ABC|1810.0|1.8 Mhz|EA1XYZ|cq|22:00|");
    row("below 160 m", "DX de EA1ABC:   1799.9   EA1XYZ   cq         2200Z", "EA1ABC|1799.9||EA1XYZ|cq|22:00|");
    row("10 m upper edge", "DX de K1TTT:    29700.0  VE3ABC       FM        1111Z", "K1TTT|29700.0|28 Mhz|VE3ABC|FM|11:11|");
    row("above 10 m", "DX de K1TTT:    29700.1  VE3ABC       FM        1111Z", "K1TTT|29700.1||VE3ABC|FM|11:11|");
    row("lower case", "dx de f5abc:  14250.0  f4xyz  castle f-1051  1234z", "F5ABC|14250.0|14 Mhz|F4XYZ|castle f-1051|12:34|");
    row("30 m, a whole kHz", "DX de PA3ABC:   10120  PA0XYZ  qrs  0600Z", "PA3ABC|10120|10 Mhz|PA0XYZ|qrs|06:00|");
    // Not spots.
    row("no time", "DX de F5ABC:  14250.0  F4XYZ  test", "");
    row("call without a digit", "DX de F5ABC:  14250.0  TEST  cq  1234Z", "");
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
    row("WCA: OK-00815", "OK-00815");
    row("COTA EU-123", "EU-00123");
    // Two references: ours first, each once.
    row("KTL OK-08815 COTA OK-00815", "OK-08815 OK-00815");
    row("COTA OK-00815 KTL OK-08815", "OK-08815 OK-00815");
    row("POTA K-1234 COTA F-01051", "F-01051");
    // Other programmes' references and lookalikes.
    row("POTA K-1234", "");
    row("F-010511", "");
    row("F-01051/P", "");
  }
  void references() {
    QFETCH(QString, comment);
    QFETCH(QString, refs);
    QStringList got;
    for (const CastleRef& r : castleRefs(comment)) got << r.prefix + u'-' + r.number;
    QCOMPARE(got.join(u' '), refs);
  }

  // A refused base gives no page at all, never a relative one.
  void serverAddress_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");  // empty: refused
    QTest::newRow("trailing slashes, blanks") << " https://dxc.example.org// " << "https://dxc.example.org";
    QTest::newRow("port and path prefix") << "http://127.0.0.1:8080/stats/" << "http://127.0.0.1:8080/stats";
    QTest::newRow("no scheme") << "dxc.example.org" << "";
    QTest::newRow("ftp") << "ftp://dxc.example.org" << "";
    QTest::newRow("no host") << "http://" << "";
    QTest::newRow("query") << "https://dxc.example.org/?band=14" << "";
  }
  void serverAddress() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(clusterBaseAddress(typed), kept);
    QCOMPARE(clusterPageAddress(typed, 5).toString(), kept.isEmpty() ? "" : kept + "/dxc/top_50_14_MHz.html");
  }

  // The stored band index of the cluster window: 0 to 13, else 0.
  void storedBand() {
    for (auto [stored, index] : {std::pair{"13", 13}, {"14", 0}, {"-1", 0}, {"5x", 0}})
      QCOMPARE(clusterBandFromSetting(QString::fromLatin1(stored)), index);
  }
};

QTEST_APPLESS_MAIN(SpotLinesTest)
#include "test_spot_lines.moc"
