// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The station window: typed callsign handling, refusals in each language,
// creation of a new station and return to an existing one.
#include "station/station_window.h"
#include "station_fixture.h"

using namespace ktl;

namespace {

struct Fixture : StationFixture {
  explicit Fixture(const QString& language = "Francais")
      : StationFixture(crlf({logLine("F5XYZ", "F", "01051", "07/03/16", "12:00")}), language, "F0ORB",
                       [](FakePlatform& p) { p.setSetting(stationSection("F0ORB"), "bande Utilisee", "4"); }) {}
  StationWindow* open() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // a window closed before
    c<QAction>("Mnu_New_Indicatif")->trigger();
    return w.findChild<StationWindow*>();
  }
  // Pasted, no key handling, then Validation.
  StationWindow* choose(const QString& callsign) {
    StationWindow* s = open();
    in<QLineEdit>(s, "New_Indicatif")->setText(callsign);
    in<QPushButton>(s, "Validation")->click();
    return s;
  }
  QString station() const { return state.stationCallsign() + ' ' + p.setting(kCommonSection, "Indicatif Station"); }
  // The station and band shown, and the QSOs listed.
  QString shown() const { return texts({"I_Station", "Bande_A"}) + ' ' + QString::number(state.logModel().rowCount()); }
};

}  // namespace

class StationTest : public QObject {
  Q_OBJECT
 private slots:
  // Typed small letters become capitals and "/" becomes "_"; Enter moves to
  // Validation, whose Enter confirms.
  void typedCallsignIsUpperCasedWithUnderscore() {
    Fixture f;
    StationWindow* s = f.open();
    auto* box = Fixture::in<QLineEdit>(s, "New_Indicatif");
    QTest::keyClicks(box, "f0orb/p");
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(box->text() == "F0ORB_P" && s->focusWidget() == Fixture::in<QPushButton>(s, "Validation"));
    QTest::keyClick(s->focusWidget(), Qt::Key_Return);
    QVERIFY(f.state.stationCallsign() == "F0ORB_P" && !s->isVisible());
  }

  // Callsigns the station window refuses, told in the operator's language;
  // the station stays the one in use.
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
    StationWindow* s = f.choose(typed);
    QTEST(f.p.messages.join('|'), "message");
    QTEST(Fixture::in<QLineEdit>(s, "New_Indicatif")->text(), "left");
    QVERIFY(s->isVisible());
    QCOMPARE(f.station(), "F0ORB F0ORB");
  }

  // A new station gets an empty log and the first band, and no QSO of the
  // other log stays chosen; back on the first station, its log and its band
  // are as they were.
  void newStationThenBack() {
    Fixture f;
    f.c<QListView>("Liste_KTL")->clicked(f.state.logModel().index(0));
    QVERIFY(!f.choose("f0orb_p")->isVisible());
    QVERIFY(f.state.selectedLine().isEmpty() && f.p.messages.isEmpty());
    QCOMPARE(f.station(), "F0ORB_P F0ORB_P");
    QVERIFY(QFile::exists(f.p.logPath("F0ORB_P")));
    QCOMPARE(f.shown(), "F0ORB/P|1.8 Mhz 0");
    f.choose("F0ORB");
    QCOMPARE(f.shown(), "F0ORB|14 Mhz 1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.w.findChildren<StationWindow*>().isEmpty());  // closed windows are gone
  }
};

QTEST_MAIN(StationTest)
#include "test_station.moc"
