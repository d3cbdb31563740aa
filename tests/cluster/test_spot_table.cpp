// The spot table for hunting, on spots with hand-written arrival times:
// one row per callsign and band within ten minutes, rows aged out, the
// capacity kept without ever dropping the operator's spot, the filters (by
// band, mode class and castles); and the hunting rules beside it: the alert
// throttle, the DX command that posts a spot.
#include "cluster/spot_table_model.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using namespace ktl;

namespace {

const QDateTime kStart(QDate(2016, 3, 4), QTime(12, 0), Qt::UTC);

// "minutes after kStart|node line"
void feed(SpotTableModel& m, const QStringList& timedLines) {
  for (const QString& t : timedLines) {
    const qsizetype bar = t.indexOf(u'|');
    const auto spot = parseSpot(t.mid(bar + 1));
    if (!spot) qFatal("not a spot: %s", qPrintable(t));
    m.add(*spot, kStart.addSecs(t.left(bar).toInt() * 60));
  }
}

// Each row as "call freq time refs spotters".
QStringList rows(const SpotTableModel& m) {
  QStringList out;
  for (int r = 0; r < m.rowCount(); ++r) {
    QStringList cells;
    for (int c : {SpotTableModel::DxCall, SpotTableModel::Frequency, SpotTableModel::Time, SpotTableModel::Reference,
                  SpotTableModel::Spotters})
      cells << m.index(r, c).data().toString();
    out << cells.join(u' ');
  }
  return out;
}

QString spot(const char* spotter, const char* khz, const char* call, const char* comment, const char* hhmm) {
  return QStringLiteral("DX de %1: %2 %3 %4 %5Z").arg(spotter, khz, call, comment, hhmm);
}

}  // namespace

class SpotTableTest : public QObject {
  Q_OBJECT
 private slots:
  void mergesAndAges_data() {
    QTest::addColumn<QStringList>("timed");
    QTest::addColumn<int>("nowMinute");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("respotted within 10 min: one row, latest spot, two spotters")
        << QStringList{"0|" + spot("A1AA", "14025.0", "F5ABC", "cq", "1200"),
                       "9|" + spot("B1BB", "14026.0", "F5ABC", "KTL F-01051", "1209")}
        << 9 << QStringList{"F5ABC 14026.0 12:09 F-01051 2"};
    QTest::newRow("the same spotter twice counts once")
        << QStringList{"0|" + spot("A1AA", "14025.0", "F5ABC", "cq", "1200"),
                       "3|" + spot("A1AA", "14025.0", "F5ABC", "cq", "1203")}
        << 3 << QStringList{"F5ABC 14025.0 12:03  1"};
    QTest::newRow("11 minutes apart: two rows")
        << QStringList{"0|" + spot("A1AA", "14025.0", "F5ABC", "cq", "1200"),
                       "11|" + spot("B1BB", "14025.0", "F5ABC", "cq", "1211")}
        << 11 << QStringList{"F5ABC 14025.0 12:11  1", "F5ABC 14025.0 12:00  1"};
    QTest::newRow("another band: two rows")
        << QStringList{"0|" + spot("A1AA", "14025.0", "F5ABC", "cq", "1200"),
                       "1|" + spot("A1AA", "7025.0", "F5ABC", "cq", "1201")}
        << 1 << QStringList{"F5ABC 7025.0 12:01  1", "F5ABC 14025.0 12:00  1"};
    QTest::newRow("a later tnx keeps the castle, the new one first")
        << QStringList{"0|" + spot("A1AA", "7012.0", "OK1ABC", "KTL OK-08815", "1200"),
                       "2|" + spot("B1BB", "7012.0", "OK1ABC", "tnx", "1202"),
                       "4|" + spot("C1CC", "7012.0", "OK1ABC", "now KTL OK-00815", "1204")}
        << 4 << QStringList{"OK1ABC 7012.0 12:04 OK-00815 OK-08815 3"};
    QTest::newRow("older than 30 min: gone; a respot keeps a row")
        << QStringList{"0|" + spot("A1AA", "14025.0", "F5ABC", "cq", "1200"),
                       "0|" + spot("A1AA", "7025.0", "DL1AB", "cq", "1200"),
                       "9|" + spot("B1BB", "7025.0", "DL1AB", "cq", "1209"),
                       "25|" + spot("A1AA", "21025.0", "I2ABC", "cq", "1225")}
        << 39 << QStringList{"I2ABC 21025.0 12:25  1", "DL1AB 7025.0 12:09  2"};
    QTest::newRow("exactly 30 min old stays") << QStringList{"0|" + spot("A1AA", "14025.0", "F5ABC", "cq", "1200")}
                                              << 30 << QStringList{"F5ABC 14025.0 12:00  1"};
  }
  void mergesAndAges() {
    QFETCH(QStringList, timed);
    QFETCH(int, nowMinute);
    QFETCH(QStringList, expected);
    WorkedIndex index;
    SpotTableModel m(index);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // In two takes: merging works across them as within one.
    feed(m, timed.mid(0, 1));
    m.apply(kStart);
    feed(m, timed.mid(1));
    m.apply(kStart.addSecs(nowMinute * 60));
    QCOMPARE(rows(m), expected);
  }

  // The operator's spot stays through a flood far beyond the capacity and
  // past its age; once let go, it ages out like the others.
  void chosenSpotNeverDropped() {
    WorkedIndex index;
    SpotTableModel m(index);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    feed(m, {"0|" + spot("A1AA", "3542.0", "VP2MUW", "cq", "1200")});
    m.apply(kStart);
    const quint64 chosen = m.spotAt(0).id;
    m.pin(chosen);
    for (int take = 0; take < 5; ++take) {
      for (int i = 0; i < 900; ++i)
        m.add(*parseSpot(spot("B1BB", "7128.0", qPrintable(QStringLiteral("ZC%1UW").arg(take * 1000 + i)), "cq", "1201")),
              kStart.addSecs(60 + take));
      m.apply(kStart.addSecs(60 + take));
    }
    QCOMPARE(m.rowCount(), SpotTableModel::kCapacity);
    QCOMPARE(m.heldCount(), qsizetype(SpotTableModel::kCapacity));
    QCOMPARE(m.pinned(), chosen);
    const int row = m.rowOf(chosen);
    QCOMPARE(row, SpotTableModel::kCapacity - 1);  // the oldest, at the bottom
    QCOMPARE(m.index(row, SpotTableModel::DxCall).data().toString(), QStringLiteral("VP2MUW"));
    // The newest 999 of the flood beside it.
    QCOMPARE(m.index(0, SpotTableModel::DxCall).data().toString(), QStringLiteral("ZC4899UW"));
    QCOMPARE(m.index(row - 1, SpotTableModel::DxCall).data().toString(), QStringLiteral("ZC3801UW"));

    m.apply(kStart.addSecs(45 * 60));  // everything is old now
    QCOMPARE(rows(m), QStringList{"VP2MUW 3542.0 12:00  1"});
    m.pin(0);
    m.apply(kStart.addSecs(45 * 60));
    QCOMPARE(m.rowCount(), 0);
  }

  // The queue waiting for a take is bounded too.
  void queueBounded() {
    WorkedIndex index;
    SpotTableModel m(index);
    const auto s = *parseSpot(spot("A1AA", "14025.0", "F5ABC", "cq", "1200"));
    for (int i = 0; i < SpotTableModel::kMaxQueued + 500; ++i) m.add(s, kStart);
    QCOMPARE(m.queued(), qsizetype(SpotTableModel::kMaxQueued));
  }

  void filters_data() {
    QTest::addColumn<bool>("castlesOnly");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("all") << false << -1 << int(ModeClass::Unknown)
                         << QStringList{"G4SSB", "K1RTY", "DL1FT", "OK1CW", "F5CAS"};
    QTest::newRow("castles only") << true << -1 << int(ModeClass::Unknown) << QStringList{"OK1CW", "F5CAS"};
    QTest::newRow("20 m") << false << 4 << int(ModeClass::Unknown) << QStringList{"G4SSB", "DL1FT", "OK1CW"};
    QTest::newRow("cw") << false << -1 << int(ModeClass::Cw) << QStringList{"OK1CW", "F5CAS"};
    QTest::newRow("phone") << false << -1 << int(ModeClass::Phone) << QStringList{"G4SSB"};
    QTest::newRow("data: FT8 and RTTY") << false << -1 << int(ModeClass::Data) << QStringList{"K1RTY", "DL1FT"};
    QTest::newRow("castles on 40 m in cw") << true << 2 << int(ModeClass::Cw) << QStringList{"F5CAS"};
  }
  void filters() {
    QFETCH(bool, castlesOnly);
    QFETCH(int, band);
    QFETCH(int, mode);
    QFETCH(QStringList, calls);
    WorkedIndex index;
    SpotTableModel m(index);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    feed(m, {"0|" + spot("A1AA", "7012.0", "F5CAS", "KTL F-01051", "1200"),   // 40 m cw segment
             "0|" + spot("A1AA", "14025.0", "OK1CW", "COTA OK-00815", "1200"),  // 20 m cw segment
             "0|" + spot("A1AA", "14074.0", "DL1FT", "FT8 -12dB", "1200"),
             "0|" + spot("A1AA", "7045.0", "K1RTY", "RTTY test", "1200"),
             "0|" + spot("A1AA", "14200.0", "G4SSB", "cq", "1200")});
    m.apply(kStart);
    m.setFilter({castlesOnly, band, ModeClass(mode)});
    QStringList shown;
    for (int r = 0; r < m.rowCount(); ++r) shown << m.index(r, SpotTableModel::DxCall).data().toString();
    QCOMPARE(shown, calls);
    // Spots coming in afterwards go through the same filter.
    // and only those that pass are told as new castles.
    feed(m, {"1|" + spot("A1AA", "7013.0", "F6CAS", "KTL F-01052", "1201")});
    const qsizetype alerts = m.apply(kStart.addSecs(60)).size();
    const bool passes = (band < 0 || band == 2) && ModeClass(mode) != ModeClass::Phone && ModeClass(mode) != ModeClass::Data;
    QCOMPARE(m.rowCount(), calls.size() + (passes ? 1 : 0));
    QCOMPARE(alerts, passes ? 1 : 0);
  }

  // A row the filter hid shows up where it belongs once a spot makes it
  // pass; the new castles that pass are returned for the alerts.
  void respotBringsRowIn() {
    WorkedIndex index;
    SpotTableModel m(index);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.setFilter({true, -1, ModeClass::Unknown});
    feed(m, {"0|" + spot("A1AA", "14025.0", "F5ABC", "cq", "1200"), "1|" + spot("A1AA", "7012.0", "OK1ABC", "KTL OK-08815", "1201"),
             "2|" + spot("A1AA", "21025.0", "I2ABC", "cq", "1202")});
    QCOMPARE(m.apply(kStart.addSecs(120)).size(), 1);
    QCOMPARE(rows(m), QStringList{"OK1ABC 7012.0 12:01 OK-08815 1"});
    feed(m, {"3|" + spot("B1BB", "14025.0", "F5ABC", "COTA F-01051", "1203")});
    const QList<NewCastleSpot> alerts = m.apply(kStart.addSecs(180));
    QCOMPARE(rows(m), (QStringList{"OK1ABC 7012.0 12:01 OK-08815 1", "F5ABC 14025.0 12:03 F-01051 2"}));
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].ref.text() + ' ' + alerts[0].dxCall + ' ' + QString::number(alerts[0].band),
             QStringLiteral("F-01051 F5ABC 4"));
  }

  // Once an hour per castle and band.
  void alertThrottle() {
    AlertThrottle t;
    const CastleRef f{"F", "01051"}, ok{"OK", "08815"};
    QVERIFY(t.allow(f, 4, kStart));
    QVERIFY(!t.allow(f, 4, kStart.addSecs(59 * 60)));
    QVERIFY(t.allow(f, 2, kStart.addSecs(60)));
    QVERIFY(t.allow(ok, 4, kStart.addSecs(60)));
    QVERIFY(t.allow(f, 4, kStart.addSecs(60 * 60)));
    QVERIFY(!t.allow(f, 4, kStart.addSecs(61 * 60)));
  }

  void postCommand_data() {
    QTest::addColumn<QString>("khz");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("command");
    QTest::newRow("full") << "14025.0" << "f5abc" << "f" << "01051" << "DX 14025.0 F5ABC KTL F-01051";
    QTest::newRow("short number padded") << "7012.5" << "OK1ABC" << "OK" << "815" << "DX 7012.5 OK1ABC KTL OK-00815";
    QTest::newRow("no frequency: its place left empty") << "" << "I2ABC" << "I" << "12345" << "DX  I2ABC KTL I-12345";
    QTest::newRow("no castle") << "21025.0" << "DL1AB" << "" << "" << "DX 21025.0 DL1AB";
    QTest::newRow("number not digits kept") << "21025.0" << "DL1AB" << "DL" << "12A" << "DX 21025.0 DL1AB KTL DL-12A";
  }
  void postCommand() {
    QFETCH(QString, khz);
    QFETCH(QString, call);
    QFETCH(QString, prefix);
    QFETCH(QString, number);
    QFETCH(QString, command);
    QCOMPARE(postSpotCommand(khz, call, prefix, number), command);
  }
};

QTEST_MAIN(SpotTableTest)
#include "test_spot_table.moc"
