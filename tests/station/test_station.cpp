// The station window: typed callsign handling, refusals in each language,
// creation of a new station and return to an existing one.
#include "entry/entry_form.h"
#include "station_fixture.h"
#include "station/station_window.h"

using namespace ktl;

namespace {

struct Fixture : StationFixture {
  explicit Fixture(const QString& language = QStringLiteral("Francais"))
      : StationFixture(crlf({logLine("F5XYZ", "F", "01051", "07/03/16", "12:00")}), language) {}
  StationWindow* open() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // a window closed before
    c<QAction>("Mnu_New_Indicatif")->trigger();
    return w.findChild<StationWindow*>();
  }
};

QLineEdit* box(StationWindow* s) { return s->findChild<QLineEdit*>(QStringLiteral("New_Indicatif")); }

}  // namespace

class StationTest : public QObject {
  Q_OBJECT
 private slots:
  void typedCallsignIsUpperCasedWithUnderscore() {
    Fixture f;
    StationWindow* s = f.open();
    QTest::keyClicks(box(s), QStringLiteral("f0orb/p"));
    QCOMPARE(box(s)->text(), QStringLiteral("F0ORB_P"));
    QTest::keyClick(box(s), Qt::Key_Return);
    QCOMPARE(box(s)->text(), QStringLiteral("F0ORB_P"));  // Enter is swallowed
    QCOMPARE(s->focusWidget(), s->findChild<QPushButton*>(QStringLiteral("Validation")));
    QCOMPARE(box(s)->palette().color(QPalette::Base), QColor(Qt::white));
    // Enter again, on Validation, confirms.
    QTest::keyClick(s->focusWidget(), Qt::Key_Return);
    QCOMPARE(f.state.stationCallsign(), QStringLiteral("F0ORB_P"));
    QVERIFY(!s->isVisible());
  }

  void refusals_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("left");
    QTest::newRow("empty fr") << "Francais" << "" << "Vous devez entrer un indicatif" << "";
    QTest::newRow("13 chars en") << "Anglais" << "ABCDEFGHIJKLM" << "12 characters maximum for the callsign"
                                 << "ABCDEFGHIJKLM";
    QTest::newRow("minus fr") << "Francais" << "F0-ORB"
                              << "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' " << "";
  }
  void refusals() {
    QFETCH(QString, language);
    QFETCH(QString, typed);
    Fixture f(language);
    StationWindow* s = f.open();
    box(s)->setText(typed);  // pasted: no key handling
    s->confirm();
    QCOMPARE(f.p.messages.size(), 1);
    QTEST(f.p.messages.value(0), "message");
    QTEST(box(s)->text(), "left");
    QVERIFY(s->isVisible());
    QCOMPARE(f.state.stationCallsign(), QStringLiteral("F0ORB"));
    QCOMPARE(f.p.setting(kCommonSection, QStringLiteral("Indicatif Station")), QStringLiteral("F0ORB"));
  }

  void newStationThenBack() {
    Fixture f;
    f.p.setSetting(stationSection("F0ORB"), QStringLiteral("bande Utilisee"), QStringLiteral("4"));
    f.w.entryForm().restoreBandAndMode(false);
    StationWindow* s = f.open();
    box(s)->setText(QStringLiteral("f0orb_p"));
    s->confirm();
    QVERIFY(f.p.messages.isEmpty());
    QVERIFY(!s->isVisible());
    QCOMPARE(f.state.stationCallsign(), QStringLiteral("F0ORB_P"));
    QVERIFY(QFile::exists(f.p.logPath(QStringLiteral("F0ORB_P"))));
    QCOMPARE(f.state.logModel().rowCount(), 0);
    QCOMPARE(f.w.findChild<QLabel*>(QStringLiteral("I_Station"))->text(), QStringLiteral("F0ORB/P"));
    QCOMPARE(f.w.findChild<QComboBox*>(QStringLiteral("Bande_A"))->currentText(), QStringLiteral("1.8 Mhz"));
    QCOMPARE(f.p.setting(kCommonSection, QStringLiteral("Indicatif Station")), QStringLiteral("F0ORB_P"));
    // Back to the first station: its log and its band as they were.
    s = f.open();
    box(s)->setText(QStringLiteral("F0ORB"));
    s->confirm();
    QCOMPARE(f.state.logModel().rowCount(), 1);
    QCOMPARE(f.w.findChild<QComboBox*>(QStringLiteral("Bande_A"))->currentText(), QStringLiteral("14 Mhz"));
    QVERIFY(f.state.selectedLine().isEmpty());
  }

};

QTEST_MAIN(StationTest)
#include "test_station.moc"
