// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Main with the station's rig through Hamlib's rigctld and its dummy rig:
// Bande_A, Mode_A and the frequency follow the rig while a new QSO is
// entered, a commit keeps its frequency and exact mode for the standard
// export, the state line tells a lost link without a box, rigctld's own
// failures are told once; the rig window sets it all up from the keyboard.
#include "adif/adif_standard.h"
#include "extras/extras_store.h"
#include "platform/window_services.h"
#include "rig/rig_texts.h"
#include "rig/rig_window.h"
#include "station_fixture.h"

#include "fake_rigctld.h"
#include "rigctld.h"

#include <QSignalSpy>

using namespace ktl;

namespace {

using Settings = std::initializer_list<std::pair<const char*, const char*>>;

// A started program whose station uses the rig at `port`, with short waits
// between tries.
struct RigStation : StationFixture {
  explicit RigStation(quint16 port, Settings more = {}, const QByteArray& log = {})
      : StationFixture(log, QStringLiteral("Francais"), QStringLiteral("F0ORB"), [port, more](FakePlatform& p) {
          const auto set = [&p](const char* key, const QString& value) {
            p.setSetting(stationSection("F0ORB"), QString::fromLatin1(key), value);
          };
          set("Rig Actif", "1");
          set("Rig Port", QString::number(port));
          set("Rig Intervalle", "100");
          for (const auto& [key, value] : more) set(key, QString::fromLatin1(value));
        }) {
    rigAtStartUp = state.rig() != nullptr;
    program->rig.setTiming(quickTiming());
    program->rig.apply(true);
  }
  bool rigAtStartUp = false;  // the station's rig made by the start-up itself
  QString frequency() const { return c<QLabel>("Freq_Radio")->text(); }
  QString rigState() const { return c<QLabel>("Etat_Radio")->text(); }
  QString band() const { return c<QComboBox>("Bande_A")->currentText(); }
  QString mode() const { return c<QComboBox>("Mode_A")->currentText(); }
  // FREQ, MODE and SUBMODE of the last QSO in the standard export (as
  // Fichier's item writes it), then as kept beside the log.
  QString lastRigFields() {
    c<QAction>("Mnu_Export_ADIF_Standard")->trigger();
    const QByteArray adif = readFile(standardAdifPath(p.dataDir(), call));
    const QByteArray record = adif.mid(adif.lastIndexOf("<CALL:"));
    const QByteArray kept = ExtrasStore(p.logPath(call)).lookup()(qsoKey(lines().last()));
    QStringList exported, stored;
    for (const QByteArray tag : {"FREQ", "MODE", "SUBMODE"}) {
      const qsizetype at = record.indexOf('<' + tag + ':');
      if (at >= 0) exported << QString::fromLatin1(record.mid(at, record.indexOf('<', at + 1) - at).trimmed());
      if (const QByteArray v = storedValue(kept, tag); !v.isEmpty())
        stored << "<" + tag + ':' + QByteArray::number(v.size()) + '>' + v;
    }
    return exported.join(u' ') + " | " + stored.join(u' ');
  }
};

// rigctl's F and M in one call.
QString setRig(quint16 port, qint64 hz, const QString& mode) {
  return rigctl(port, {QStringLiteral("F"), QString::number(hz), QStringLiteral("M"), mode, QStringLiteral("2400")});
}

enum class Before { Nothing, BandAndModePassed, BandTyped, ModeChosen, Deferred, ListQsoShown, Insert };

}  // namespace

Q_DECLARE_METATYPE(Before)

class RigEntryTest : public QObject {
  Q_OBJECT
 private slots:
  // Set with rigctl, followed by Main, and nothing said while the rig stays
  // where it is; rigctld killed: the state line says
  // so, in red, without a box, and a QSO is committed without the rig's
  // frequency; started again, all comes back.
  void followsTheDummyRigAndOutlivesIt() {
    Rigctld rig;
    QVERIFY2(rig.start(), qPrintable(rig.error));
    RigStation s(rig.port);
    QVERIFY(s.rigAtStartUp && s.c("Radio_Main")->isVisibleTo(&s.w));
    QTRY_COMPARE(s.rigState(), QStringLiteral("Radio connectée (127.0.0.1:%1)").arg(rig.port));
    QCOMPARE(s.c("Etat_Radio")->palette().color(QPalette::WindowText), QColor(0, 100, 0));
    QCOMPARE(setRig(rig.port, 14025300, QStringLiteral("USB")), QString());
    QTRY_COMPARE(s.frequency(), QStringLiteral("14025.30 kHz  USB"));
    QCOMPARE(s.band() + ' ' + s.mode(), QStringLiteral("14 Mhz SSB"));
    QCOMPARE(s.c("Freq_Radio")->accessibleName(), QStringLiteral("Fréquence de la radio : 14025.30 kHz  USB"));
    QCOMPARE(s.c("Bande_A")->accessibleDescription(), s.c("Freq_Radio")->accessibleName());
    // Remembered for the station as a band chosen by hand is.
    QCOMPARE(s.p.setting(stationSection("F0ORB"), QStringLiteral("bande Utilisee")), QStringLiteral("4"));
    QSignalSpy changes(s.state.rig(), &RigLink::changed);
    QTest::qWait(500);  // five polls of an unchanged rig: nothing said
    QCOMPARE(changes.size(), 0);

    rig.kill();
    QTRY_VERIFY2(s.rigState().contains(QStringLiteral("nouvel essai dans")), qPrintable(s.rigState()));
    QVERIFY2(s.rigState().startsWith(QStringLiteral("rigctld a fermé la connexion (127.0.0.1:")) ||
                 s.rigState().startsWith(QStringLiteral("rigctld ne tourne pas sur 127.0.0.1:")),
             qPrintable(s.rigState()));
    QCOMPARE(s.c("Etat_Radio")->palette().color(QPalette::WindowText), QColor(160, 0, 0));
    QCOMPARE(s.frequency(), QStringLiteral("fréquence inconnue"));
    s.typeQso(QStringLiteral("F5ABC"), QStringLiteral("F"), QStringLiteral("01051"));
    s.finishQso();
    s.commit();
    QCOMPARE(s.lines(), QList<QByteArray>{logLine("F5ABC", "F", "01051", "04/03/16", "09:05", "SSB", "14 Mhz")});
    QCOMPARE(s.lastRigFields().section(" | ", 0, 0), QStringLiteral("<MODE:3>SSB"));

    Rigctld again;
    QVERIFY2(again.start(rig.port), qPrintable(again.error));
    QCOMPARE(setRig(again.port, 18120000, QStringLiteral("USB")), QString());
    QTRY_COMPARE(s.rigState(), QStringLiteral("Radio connectée (127.0.0.1:%1)").arg(rig.port));
    QTRY_COMPARE(s.band(), QStringLiteral("18 Mhz"));
    QCOMPARE(s.p.messages.size(), 1);  // the export's, nothing of the rig
  }

  // Which QSO follows the rig, which field, and what a commit keeps of it.
  // The rig is at 14025.3 kHz USB; then the row's step; then the rig moves.
  void followingRules_data() {
    QTest::addColumn<Before>("before");
    QTest::addColumn<qint64>("movedTo");
    QTest::addColumn<QString>("movedMode");
    QTest::addColumn<QString>("shown");  // Bande_A and Mode_A once the rig moved
    QTest::addColumn<QString>("stored");  // FREQ, MODE, SUBMODE exported after the commit; "-": no commit
    QTest::newRow("new QSO, band and mode not reached")
        << Before::Nothing << qint64(7012000) << "CW" << "7.0 Mhz CW" << "<FREQ:8>7.012000 <MODE:2>CW";
    QTest::newRow("band and mode passed with Enter")
        << Before::BandAndModePassed << qint64(7012000) << "CW" << "14 Mhz SSB"
        << "<FREQ:9>14.025300 <MODE:3>SSB <SUBMODE:3>USB";
    QTest::newRow("band typed by the operator")
        << Before::BandTyped << qint64(7012000) << "CW" << "21 Mhz SSB" << "<MODE:3>SSB <SUBMODE:3>USB";
    QTest::newRow("mode chosen by the operator")
        << Before::ModeChosen << qint64(7100000) << "LSB" << "7.0 Mhz CW" << "<FREQ:8>7.100000 <MODE:2>CW";
    QTest::newRow("outside the twelve bands")
        << Before::Nothing << qint64(5357000) << "USB" << "14 Mhz SSB" << "<MODE:3>SSB <SUBMODE:3>USB";
    QTest::newRow("data mode: the typed mode stays")
        << Before::Nothing << qint64(14074000) << "PKTUSB" << "14 Mhz SSB" << "<FREQ:9>14.074000 <MODE:3>SSB";
    QTest::newRow("deferred entry") << Before::Deferred << qint64(7012000) << "CW" << "14 Mhz SSB"
                                    << "<MODE:3>SSB";
    QTest::newRow("QSO of the list shown")
        << Before::ListQsoShown << qint64(7012000) << "CW" << "28 Mhz FM" << "-";
    QTest::newRow("inserted QSO") << Before::Insert << qint64(7012000) << "CW" << "14 Mhz SSB" << "-";
  }
  void followingRules() {
    QFETCH(Before, before);
    QFETCH(qint64, movedTo);
    QFETCH(QString, movedMode);
    QFETCH(QString, stored);
    Rigctld rig;
    QVERIFY2(rig.start(), qPrintable(rig.error));
    QCOMPARE(setRig(rig.port, 14025300, QStringLiteral("USB")), QString());
    RigStation s(rig.port, {}, crlf({logLine("G4AAA", "G", "00001", "01/01/16", "12:00", "FM ", "28 Mhz")}));
    QTRY_COMPARE(s.frequency(), QStringLiteral("14025.30 kHz  USB"));
    QCOMPARE(s.band(), QStringLiteral("14 Mhz"));
    if (before == Before::Deferred) s.c<QAction>("Mnu_Date_Auto_Non")->trigger();
    if (before == Before::ListQsoShown) s.program->windows.selectQso(0);
    if (before == Before::Insert) s.c<QPushButton>("Insert_Saisie")->click();
    if (before < Before::ListQsoShown) s.typeQso(QStringLiteral("F5ABC"), QStringLiteral("F"), QStringLiteral("01051"));
    if (before == Before::BandAndModePassed || before == Before::BandTyped)
      QTest::keyClick(s.c("Mode_A"), Qt::Key_Return);
    if (before == Before::BandAndModePassed) QTest::keyClick(s.c("Bande_A"), Qt::Key_Return);
    for (int i = 0; i < 2 && before == Before::BandTyped; ++i)  // 21 Mhz
      QTest::keyClick(s.c("Bande_A"), Qt::Key_Down);
    if (before == Before::ModeChosen) QTest::keyClick(s.c("Mode_A"), Qt::Key_Down);  // CW
    if (before == Before::Deferred) {
      s.enter("Date_A", QStringLiteral("01/03/16"));
      s.enter("Heure_A", QStringLiteral("18:30"));
    }
    QCOMPARE(setRig(rig.port, movedTo, movedMode), QString());
    QTRY_VERIFY(s.frequency().startsWith(QString::number(movedTo / 1000) + u'.') &&
                s.frequency().contains(QStringLiteral("kHz  ") + movedMode));
    QTEST(s.band() + ' ' + s.mode(), "shown");
    // Outside the twelve bands it is said beside the frequency.
    QCOMPARE(s.frequency().endsWith(QStringLiteral(" (hors des bandes du log, bande inchangée)")), movedTo == 5357000);
    if (stored == u"-") return;
    s.finishQso();
    s.commit();
    QCOMPARE(s.lines().size(), 2);
    // Kept beside the log as exported: nothing the QSO's band or mode denies.
    QCOMPARE(s.lastRigFields(), stored + " | " + stored);
  }

  // The program's rigctld for a model Hamlib does not know, or a device
  // that is not there: one box in rigctld's own words while it is tried
  // again; confirmed again, told again.
  void daemonFailureToldOnce_data() {
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QByteArray>("device");
    QTest::addColumn<QString>("told");  // the start of the text
    QTest::addColumn<QString>("words");
    QTest::newRow("unknown model") << QByteArray("999999") << QByteArray() << "rigctld s'est arrêté : "
                                   << "Unknown rig num 999999";
    QTest::newRow("no such device") << QByteArray("3073") << QByteArray("/dev/ttyKTL_NONE")
                                    << "rigctld ne joint pas la radio : " << "/dev/ttyKTL_NONE";
  }
  void daemonFailureToldOnce() {
    QFETCH(QByteArray, model);
    QFETCH(QByteArray, device);
    QFETCH(QString, told);
    QFETCH(QString, words);
    RigStation s(freePort(), {{"Rig Lancer", "1"}, {"Rig Modele", model.data()}, {"Rig Peripherique", device.data()}});
    QTRY_COMPARE_WITH_TIMEOUT(s.p.messages.size(), 1, 10000);
    QVERIFY2(s.p.messages[0].startsWith(told) && s.p.messages[0].contains(words), qPrintable(s.p.messages[0]));
    QVERIFY(s.state.rig()->inTrouble());
    // A rigctld that stopped is said on the state line in its words.
    QVERIFY2(!device.isEmpty() || s.rigState().startsWith(told + words), qPrintable(s.rigState()));
    QTest::qWait(2500);  // retries meanwhile
    QCOMPARE(s.p.messages.size(), 1);
    s.program->rig.apply(true);
    QTRY_COMPARE_WITH_TIMEOUT(s.p.messages.size(), 2, 10000);
  }

  // The rig window from the keyboard: a refused port, then rigctld started
  // by the program for a model found with the search box, put to use at
  // once, and gone with the program.
  void rigWindowByKeyboard() {
    const quint16 port = freePort();
    qint64 pid = 0;
    {
      StationFixture s;  // without a rig, Main is as it was: no rig line
      QVERIFY(s.state.rig() == nullptr && s.c("Radio_Main")->isHidden());
      s.c<QAction>("Mnu_Radio")->trigger();
      auto* w = s.w.findChild<RigWindow*>();
      QVERIFY(w && w->isVisible());
      QCOMPARE(applyCaptions(w, rigCaptions(), Language::German), QStringList());  // every row names a control
      // A key on the focused control; then the focused control's name.
      const auto press = [w](Qt::Key k) {
        QTest::keyClick(w->focusWidget(), k);
        return w->focusWidget()->objectName();
      };
      const auto type = [w](const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(w->focusWidget());
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
      };
      QCOMPARE(press(Qt::Key_Space), QStringLiteral("Actif_RG"));
      QCOMPARE(press(Qt::Key_Return), QStringLiteral("Hote_RG"));
      press(Qt::Key_Return);
      type(QStringLiteral("0"));
      QCOMPARE(press(Qt::Key_Return), QStringLiteral("Intervalle_RG"));
      press(Qt::Key_Return);  // Lancer_RG
      QCOMPARE(press(Qt::Key_Return), QStringLiteral("Valider_RG"));  // the daemon's fields are closed
      QCOMPARE(press(Qt::Key_Return), QStringLiteral("Port_RG"));
      QCOMPARE(s.p.messages, QStringList{QStringLiteral("Entrez le port de rigctld, de 1 à 65535")});
      QCOMPARE(s.p.setting(stationSection("F0ORB"), QStringLiteral("Rig Actif")), QStringLiteral("<absent>"));

      type(QString::number(port));
      press(Qt::Key_Return);
      QCOMPARE(press(Qt::Key_Return), QStringLiteral("Lancer_RG"));
      press(Qt::Key_Space);
      QVERIFY(!StationFixture::in(w, "Hote_RG")->isEnabled());
      QCOMPARE(press(Qt::Key_Return), QStringLiteral("Recherche_RG"));
      QTRY_VERIFY_WITH_TIMEOUT(w->modelList().rowCount() > 100, 10000);  // from rigctl, in the background
      QTest::keyClicks(w->focusWidget(), QStringLiteral("ic7300"));
      QCOMPARE(w->modelList().rowCount() == 1 ? w->modelList().index(0, 0).data().toString() : QString(),
               QStringLiteral("3073  Icom IC-7300 (Stable)"));
      type(QStringLiteral("hamlib dummy"));
      QCOMPARE(press(Qt::Key_Return), QStringLiteral("Modeles_RG"));
      QCOMPARE(press(Qt::Key_Return), QStringLiteral("Peripherique_RG"));
      QCOMPARE(StationFixture::in<QLabel>(w, "Modele_RG")->text(), QStringLiteral("1  Hamlib Dummy (Stable)"));
      StationFixture::in(w, "Valider_RG")->setFocus();
      press(Qt::Key_Return);
      QCOMPARE(s.p.messages.size(), 1);
      QStringList stored;
      for (const char* k : {"Rig Actif", "Rig Port", "Rig Lancer", "Rig Modele", "Rig Vitesse"})
        stored << s.p.setting(stationSection("F0ORB"), QString::fromLatin1(k));
      QCOMPARE(stored, (QStringList{"1", QString::number(port), "1", "1", "0"}));
      QTRY_VERIFY(!s.w.findChild<RigWindow*>());  // closed
      QTRY_VERIFY_WITH_TIMEOUT(s.state.rig() && s.state.rig()->linkUp(), 8000);
      pid = s.program->rig.daemon().processId();
      QCOMPARE(setRig(port, 50150000, QStringLiteral("USB")), QString());
      QTRY_COMPARE(s.c<QComboBox>("Bande_A")->currentText(), QStringLiteral("50 Mhz"));
    }
    QVERIFY(pid > 0);
    QTRY_VERIFY(::kill(pid_t(pid), 0) != 0);
  }
};

QTEST_MAIN(RigEntryTest)
#include "test_rig_entry.moc"
