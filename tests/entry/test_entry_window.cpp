// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Logging from the keyboard: the Enter chain, commit, insert, edit, delete
// and the language switch, driven with key events on the real window.
#include "entry/entry_form.h"
#include "extras/extras_store.h"
#include "station_fixture.h"
#include "log/qso_record.h"

#include <QAccessible>

#include <cmath>

using namespace ktl;

namespace {

// Drives the entry fields of a started window from the keyboard.
struct Station : StationFixture {
  using StationFixture::StationFixture;
  void clickRow(int row) { c<QListView>("Liste_KTL")->clicked(state.logModel().index(row)); }
  // A double click is a click first.
  void doubleClickRow(int row) {
    clickRow(row);
    c<QListView>("Liste_KTL")->doubleClicked(state.logModel().index(row));
  }
};

}  // namespace

class EntryWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // A QSO typed in real time and committed with Enter alone: its line,
  // its castle name in Windows-1252, the list, the entry ready again.
  void realTimeQsoFromKeyboard() {
    Station s;
    s.c<QComboBox>("Mode_A")->setCurrentIndex(1);  // CW
    s.typeQso(QStringLiteral("f5abc/p"), QStringLiteral("ok"), QStringLiteral("08815"));
    // Real time: date and time from the UTC clock, straight on to the mode.
    QCOMPARE(s.texts({"Ind_A", "Date_A", "Heure_A"}), QStringLiteral("F5ABC/P|04/03/16|09:05"));
    QVERIFY(!s.c("Date_A")->isEnabled() && s.w.focusWidget() == s.c("Mode_A"));
    s.finishQso(QStringLiteral("Château de Švihov"), true);  // Š only exists in Windows-1252
    QCOMPARE(s.w.focusWidget(), s.c("Valide_A"));
    // Enter on the focused button commits, the keypad's as well; a held
    // key's repeats click nothing.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(s.w.focusWidget(), &held);
    QVERIFY(s.p.questions.isEmpty());
    s.p.answers << true;
    QTest::keyClick(s.w.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(s.p.questions, QStringList{QStringLiteral("Voulez vous enregistrer ces données ?")});
    QCOMPARE(s.lines(), QList<QByteArray>{logLine("F5ABC/P", "OK", "08815", "04/03/16", "09:05", "CW", "1.8 Mhz",
                                                  "Ch\xe2teau de \x8avihov", true)});
    QCOMPARE(s.state.logModel().rowCount(), 1);
    QVERIFY(s.state.logModel().index(0).data().toString().contains(QStringLiteral("Château de Švihov")));
    // Ready for the next one, same mode and band, the mode remembered.
    QCOMPARE(s.texts({"Mode_A", "RST_A"}) + '|' + s.p.setting(stationSection("F0ORB"), "Mode Utilise"), "CW|59|1");
    QVERIFY(!s.c("Valide_A")->isEnabled() && s.c("Annule_Saisie")->isEnabled());
  }

  // A refused field keeps the focus and its text, the next stays locked; an
  // unknown language refuses in silence.
  void refusedFieldKeepsFocusAndText() {
    for (const char* language : {"Italien", "Klingon"}) {
      Station s({}, QString::fromLatin1(language));
      s.c<QAction>("Mnu_Date_Auto_Non")->trigger();
      s.typeQso(QStringLiteral("F5ABC"), QStringLiteral("F"), QStringLiteral("01051"));
      s.enter("Date_A", QStringLiteral("07/03/16"));
      s.enter("Heure_A", QStringLiteral("24:00"));
      QCOMPARE(s.p.messages, *language == 'I' ? QStringList{"Il formato dell'ora dev'essere HH:MM"} : QStringList{});
      QCOMPARE(s.w.focusWidget(), s.c("Heure_A"));
      QVERIFY(s.c<QLineEdit>("Heure_A")->text() == "24:00" && !s.c("Mode_A")->isEnabled());
    }
  }

  // A castle already in the log: told with its first date, and the new
  // QSO's line carries the repeat mark.
  void alreadyContactedWarnsAndMarks() {
    Station s(crlf({logLine("OK1AB", "OK", "01051", "07/03/16", "10:00"),
                    logLine("OK1CD", "OK", "01051", "08/03/16", "10:00")}));
    s.typeQso(QStringLiteral("F5ABC"), QStringLiteral("F"), QStringLiteral("01051"));
    QCOMPARE(s.p.messages, QStringList{QStringLiteral("Chateau deja contacté le 07/03/16")});
    QVERIFY(s.w.entryForm().alreadyContacted());
    QCOMPARE(s.w.focusWidget(), s.c("Mode_A"));  // a warning only
    s.finishQso();
    s.commit();
    QCOMPARE(s.lines().value(2).at(23), '*');
    // Four digits never match the five stored columns.
    s.p.messages.clear();
    s.typeQso(QStringLiteral("F5ABC"), QStringLiteral("F"), QStringLiteral("1051"));
    QVERIFY(s.p.messages.isEmpty() && !s.w.entryForm().alreadyContacted());
  }

  // No writes nothing and clears the entry; a failed write keeps it.
  void answeredNoOrFailedWrite() {
    Station s;
    s.typeQso(QStringLiteral("F5ABC"), QStringLiteral("F"), QStringLiteral("01051"));
    s.finishQso();
    s.commit(false);
    QVERIFY(s.lines().isEmpty() && s.c<QLineEdit>("Ind_A")->text().isEmpty());
    QCOMPARE(s.w.entryForm().entryMode(), EntryForm::EntryMode::NewEntry);
    s.typeQso(QStringLiteral("F5ABC"), QStringLiteral("F"), QStringLiteral("01051"));
    s.finishQso();
    QFile::remove(s.p.logPath(s.call));
    QDir().mkpath(s.p.logPath(s.call));  // the log cannot be opened for writing now
    s.commit();
    QVERIFY2(s.p.messages.size() == 1 && s.p.messages[0].startsWith("Impossible d'écrire ce fichier"),
             qPrintable(s.p.messages.join(u'|')));
    QVERIFY(s.c<QLineEdit>("Ind_A")->text() == "F5ABC" && s.c("Valide_A")->isEnabled());
  }

  // A QSO opened then cleared is refused before the save question.
  void commitOfClearedFieldsIsRefused() {
    Station s(crlf({logLine("OK1AB", "OK", "01051", "07/03/16", "10:00")}));
    s.doubleClickRow(0);  // enables Valide_A
    s.c<QPushButton>("Efface_A")->click();
    s.commit();
    QCOMPARE(s.p.messages, QStringList{QStringLiteral("Entrez un indicatif")});
    QVERIFY(s.p.questions.isEmpty() && s.lines().size() == 1);
  }

  // An inserted QSO goes before those of the same date and time.
  void insertGoesBeforeEqualDateTime() {
    Station s(crlf({logLine("G1AAA", "G", "00001", "31/12/15", "12:00"),
                    logLine("G1BBB", "G", "00002", "01/01/16", "12:00")}));
    s.c<QPushButton>("Insert_Saisie")->click();
    QCOMPARE(s.c<QLabel>("Label7")->text(), QStringLiteral("Insertion QSO"));
    s.typeQso(QStringLiteral("G4NEW"), QStringLiteral("G"), QStringLiteral("00009"));
    QCOMPARE(s.w.focusWidget(), s.c("Date_A"));  // insert always asks the date
    s.enter("Date_A", QStringLiteral("01/01/16"));
    s.enter("Heure_A", QStringLiteral("12:00"));
    s.finishQso();
    s.commit();
    QVERIFY(s.lines().size() == 3 && s.lines()[1].startsWith("G4NEW"));
  }

  // A change and a deletion keep the QSO's full record beside the log in
  // step; a store that cannot serve is told once and never keeps a QSO out
  // of the log.
  void fullRecordsFollowTheLog() {
    Station s;
    const QString log = s.p.logPath(QStringLiteral("F0ORB"));
    s.typeQso(QStringLiteral("f5abc"), QStringLiteral("ok"), QStringLiteral("08815"));
    s.c<QComboBox>("Mode_A")->setEditText(QStringLiteral("RTTY"));
    s.finishQso();
    s.commit();
    s.doubleClickRow(0);
    s.c<QComboBox>("Mode_A")->setEditText(QStringLiteral("PSK31"));
    s.commit();
    QCOMPARE(ExtrasStore(log).rowCount(), 1);
    QCOMPARE(storedValue(ExtrasStore(log).lookup()(qsoKey(s.lines().value(0))), "MODE"), "PSK31");
    s.clickRow(0);
    s.p.answers << true;
    s.c<QPushButton>("Annule_Saisie")->click();
    QVERIFY(ExtrasStore(log).rowCount() == 0 && s.p.messages.isEmpty());

    Station t;  // its store damaged before the first QSO
    QVERIFY(writeFile(ExtrasStore::pathFor(t.p.logPath(QStringLiteral("F0ORB"))), "not a database, but text\n"));
    for (const char* number : {"00842", "00843"}) {
      t.typeQso(QStringLiteral("g4abc"), QStringLiteral("g"), QString::fromLatin1(number));
      t.finishQso();
      t.commit();
    }
    QCOMPARE(t.lines().size(), 2);
    QVERIFY2(t.p.messages.size() == 1 && t.p.messages[0].startsWith("Le fichier des enregistrements complets"),
             qPrintable(t.p.messages.join(u'|')));
  }

  // The Delete key on a QSO of the list asks the delete question, as
  // Supprimer does; No keeps it. Once the last is gone, nothing is left to
  // delete or edit.
  void deleteKeyOnTheList() {
    Station s(crlf({logLine("G1AAA", "G", "00001", "01/01/16", "12:00"),
                    logLine("G1BBB", "G", "00002", "02/01/16", "12:00")}));
    auto* list = s.c<QListView>("Liste_KTL");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(s.p.questions, QStringList{QStringLiteral("Voulez vous Supprimer ce QSO ?")});
    QCOMPARE(s.lines().size(), 2);
    s.p.answers << true << true;
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(s.lines(), QList<QByteArray>{logLine("G1BBB", "G", "00002", "02/01/16", "12:00")});
    s.clickRow(0);
    s.c<QPushButton>("Annule_Saisie")->click();
    QVERIFY(s.lines().isEmpty() && s.state.logModel().rowCount() == 0);
    QCOMPARE(s.c<QLabel>("Label7")->text(), QStringLiteral("Saisie QSO"));
    s.c<QPushButton>("Annule_Saisie")->click();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(s.p.messages, (QStringList{"Cliquez sur un QSO pour l'annuler", "Cliquez sur un QSO pour l'editer"}));
  }

  // Nothing runs in the middle of a commit: a timer or a node's line due
  // while the QSO is written finds the log and its list both changed.
  void nothingRunsInTheMiddleOfACommit() {
    Station s(crlf({logLine("G1AAA", "G", "00001", "01/01/16", "12:00")}));
    s.typeQso("G4XYZ", "G", "00002");
    s.finishQso();
    QString seen;  // the list's rows and the log's lines
    QTimer::singleShot(
        0, [&] { seen = QStringLiteral("%1 %2").arg(s.state.logModel().rowCount()).arg(s.lines().size()); });
    s.commit();
    QCOMPARE(seen, QString());  // not yet: the commit ran to its end first
    QTRY_COMPARE(seen, QStringLiteral("2 2"));
  }

  // A QSO opened for a change from the keyboard shows its values without
  // the blanks that pad them to their columns: typing at the end of the
  // castle's name adds to the name, and the QSO written back is the same
  // but for what was typed.
  void keyboardOnlyEditFromTheList() {
    Station s(crlf({logLine("G1AAA", "G", "00001", "01/01/16", "12:00", "CW", "14 Mhz", "Karlstejn"),
                    logLine("G1BBB", "G", "00002", "02/01/16", "12:00")}));
    auto* list = s.c<QListView>("Liste_KTL");
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(s.state.selectedLine(), s.state.logModel().displayLine(0));
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(s.c("Valide_A")->isEnabled());
    QCOMPARE(s.texts({"Ind_A", "Mode_A", "Rem_A"}), QStringLiteral("G1AAA|CW|Karlstejn"));
    auto* name = s.c<QLineEdit>("Rem_A");
    name->end(false);
    QTest::keyClicks(name, " Castle");  // typed letters become capitals
    s.enter("Ind_A", "G1AAA");
    for (const char* f : {"Type_A", "Ref_A", "Date_A", "Heure_A", "Mode_A", "Bande_A", "RST_A", "RST_B", "Rem_A",
                          "QSL_A"})
      QTest::keyClick(s.c(f), Qt::Key_Return);
    s.commit();
    QVERIFY(s.p.messages.isEmpty());
    QCOMPARE(s.lines().first(),
             logLine("G1AAA", "G", "00001", "01/01/16", "12:00", "CW", "14 Mhz", "Karlstejn CASTLE"));
  }

  // What a screen reader is told of the fields and of the list.
  void namedForScreenReaders() {
    Station s(crlf({logLine("G1AAA", "DLFF", "00001", "01/01/16", "12:00", "CW", "14 Mhz", "Karlstejn", true)}));
    const auto text = [](QObject* o, QAccessible::Text t) { return QAccessible::queryAccessibleInterface(o)->text(t); };
    auto* mode = s.c<QComboBox>("Mode_A");
    auto* band = s.c<QComboBox>("Bande_A");
    // Combo boxes by their label, their value apart; their editable text too.
    QCOMPARE(text(mode, QAccessible::Name) + '=' + text(mode, QAccessible::Value), "Mode=" + mode->currentText());
    QCOMPARE(text(band->lineEdit(), QAccessible::Name), QStringLiteral("Bande"));
    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(text(band, QAccessible::Name) + text(mode->lineEdit(), QAccessible::Name), QStringLiteral("BandaModo"));
    // A field read at its caret, after its last character as typing leaves
    // it: the whole callsign, the last word (a screen reader asks for it
    // when the field gets the focus; the toolkit's own answer never came).
    auto* call = s.c<QLineEdit>("Ind_A");
    call->setText(QStringLiteral("F/OK1KTL"));
    QAccessibleTextInterface* typed = QAccessible::queryAccessibleInterface(call)->textInterface();
    int start = -1, end = -1;
    const QString word = typed->textAtOffset(8, QAccessible::WordBoundary, &start, &end);
    QCOMPARE(QStringLiteral("%1 %2 %3-%4").arg(typed->cursorPosition()).arg(word).arg(start).arg(end), "8 OK1KTL 2-8");
    QCOMPARE(typed->textAtOffset(-2, QAccessible::LineBoundary, &start, &end) + '|' +
                 typed->textBeforeOffset(8, QAccessible::CharBoundary, &start, &end),
             QStringLiteral("F/OK1KTL|L"));
    // A QSO of the list without the blanks that align it.
    QCOMPARE(s.state.logModel().index(0).data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("1, G1AAA, DLFF-00001, 01/01/16, 12:00, CW, 14 Mhz, 59, 59, Karlstejn, QSL"));
  }

  // Under a dark desktop theme, the fields and the list keep readable
  // contrast.
  void readableInADarkTheme() {
    const QPalette theme = QApplication::palette();
    const QColor light(230, 230, 230), grey(53, 53, 53), darker(40, 40, 40);
    QPalette dark(light, grey, QColor(80, 80, 80), QColor(20, 20, 20), darker, light, Qt::white, darker, grey);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    QApplication::setPalette(dark);
    Station s(crlf({logLine("G1AAA", "G", "00001", "01/01/16", "12:00")}));
    // WCAG contrast of a control's text, in the colour group it is drawn with.
    const auto ratio = [](const QWidget* w, QPalette::ColorRole fg, QPalette::ColorRole bg) {
      const QPalette::ColorGroup g = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
      const auto lum = [](const QColor& c) {
        const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()) + 0.05;
      };
      const double a = lum(w->palette().color(g, fg)), b = lum(w->palette().color(g, bg));
      return std::max(a, b) / std::min(a, b);
    };
    s.clickRow(0);  // a QSO shown for reading, in locked fields
    QWidget* const drawn[] = {s.c("Ind_A"), s.c("Type_A"), s.c("Liste_KTL"), s.c<QComboBox>("Mode_A")->lineEdit()};
    for (QWidget* w : drawn)
      QVERIFY2(ratio(w, QPalette::Text, QPalette::Base) >= 4.5, qPrintable(w->objectName()));
    // Red on the design's light grey, not on the theme's dark one.
    QVERIFY(ratio(s.c("Label7"), QPalette::WindowText, QPalette::Window) >= 3);
    QApplication::setPalette(theme);
  }

  // A language switch keeps the entry's state in its new words, red
  // while it is not a new QSO.
  void languageSwitchKeepsStateAndColour() {
    for (const auto& [state, menu, label7] : {std::tuple{0, "Mnu_Italien", "Aggiunta QSO"},
                                              {1, "Mnu_Anglais", "insert QSO"}, {2, "Mnu_Italien", "Modifica QSO"}}) {
      Station s(crlf({logLine("G1AAA", "G", "00001", "01/01/16", "12:00")}));
      s.c<QAction>("Mnu_Date_Auto_Non")->trigger();
      if (state == 1) s.c<QPushButton>("Insert_Saisie")->click();
      if (state == 2) s.clickRow(0);
      s.c<QAction>(menu)->trigger();
      QCOMPARE(s.c<QLabel>("Label7")->text(), QString::fromUtf8(label7));
      QCOMPARE(s.c<QLabel>("Label7")->palette().color(QPalette::WindowText), QColor(state ? Qt::red : Qt::black));
    }
  }

  // A QSO opened and committed unchanged keeps its bytes (but the repeat
  // mark); pasted control characters and letters outside Windows-1252
  // never break the line.
  void listLineRoundTripsAndPastedText() {
    const QByteArray stored = logLine("IK2XYZ", "I", "12345", "09/09/99", "00:01", "FM", "432 Mhz",
                                      "Castello di F\xe9nis", true, true);
    Station s(crlf({stored}));
    s.c<QPushButton>("Insert_Saisie")->click();  // a double click still means a change
    s.doubleClickRow(0);
    QCOMPARE(s.c<QLabel>("Label7")->text(), QStringLiteral("Modification QSO"));
    s.commit();
    QCOMPARE(s.lines(), QList<QByteArray>{QByteArray(stored).replace(23, 1, " ")});
    s.doubleClickRow(0);
    s.c<QLineEdit>("Rem_A")->setText(QStringLiteral("tab\there, line\nbreak and ł"));
    s.commit();
    QCOMPARE(s.lines().value(0).size(), 121);
    QCOMPARE(column(s.lines().value(0), 56, 27), QByteArray("tab here, line break and ? "));
  }
};

QTEST_MAIN(EntryWindowTest)
#include "test_entry_window.moc"
