// Main over a scripted platform. Start-up: first use, restart on an existing
// log with its stored band and mode, stored language, clocks; the check
// marks of the language and of the entry mode. Logging from the keyboard:
// the Enter chain, commit, edit, delete and pasted text, driven with key
// events on the real window.
#include "entry/entry_form.h"
#include "extras/extras_store.h"
#include "log/qso_record.h"
#include "station_fixture.h"

#include <QScreen>
#include <QTimer>

using namespace ktl;

namespace {

template <typename T = QWidget>
T* child(QWidget& w, const char* name) { return StationFixture::in<T>(&w, name); }

const QString kFirstUse = "\r\nPremiere installation, vous devez entrer votre Indicatif\r\n";

QStringList checked(const StationFixture& s, std::initializer_list<const char*> items) {
  QStringList out;
  for (const char* item : items)
    if (s.c<QAction>(item)->isChecked()) out << QString::fromLatin1(item);
  return out;
}


// Drives the entry fields of a started window from the keyboard.
struct Station : StationFixture {
  using StationFixture::StationFixture;
  void clickRow(int row) { c<QListView>("Liste_KTL")->clicked(state.logModel().index(row)); }
  // A double click is a click first.
  void doubleClickRow(int row) {
    clickRow(row);
    c<QListView>("Liste_KTL")->doubleClicked(state.logModel().index(row));
  }
  QString text(const char* field) const { return c<QLineEdit>(field)->text(); }
  QString entryState() const { return c<QLabel>("Label7")->text(); }
};

const QByteArray kG1 = logLine("G1AAA", "G", "00001", "01/01/16", "12:00");
}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // The station window comes up; its callsign gets an empty log and the
  // defaults. The clocks show UTC and local time (tests run two hours east).
  void firstStartCreatesEmptyLogWithDefaults() {
    FakePlatform p;
    Program prog(p);
    MainWindow& w = prog.main;
    QCOMPARE(StationFixture::textsOf(&w, {"Label37", "Label34", "Label33"}), "09:05 Utc|11:05 Loc|04/03/16");
    QTimer::singleShot(0, [] {
      QWidget* station = QApplication::activeModalWidget();
      QVERIFY(station && station->objectName() == "Station");
      station->findChild<QLineEdit*>("New_Indicatif")->setText("F0ORB_P");
      station->findChild<QPushButton*>("Validation")->click();
    });
    w.startUp();
    QCOMPARE(p.messages, QStringList{kFirstUse});
    QVERIFY(QFile::exists(p.logPath("F0ORB_P")) && p.readLog("F0ORB_P").isEmpty());
    QCOMPARE(p.setting(kCommonSection, "Indicatif Station") + ' ' + p.setting(stationSection("F0ORB_P"), "bande Utilisee"),
             "F0ORB_P 0");
    QCOMPARE(StationFixture::textsOf(&w, {"Bande_A", "Mode_A", "I_Station"}), "1.8 Mhz|SSB|F0ORB/P");
    QCOMPARE(w.windowTitle(), "  ORB_KTL    Keep Tower League    Revision  1.0.1");
  }

  // No station yet, or one in the settings file that is no callsign (a
  // file edited by hand): the first-use path, and no file made anywhere.
  void firstStartClosedWithoutStationKeepsNoStation_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("none") << QString() << QStringList{kFirstUse};
    QTest::newRow("climbing out of the data folder") << "../../x"
        << QStringList{"L'indicatif de station des réglages (../../x) n'est pas un indicatif : aucun fichier n'a été "
                       "ouvert. Choisissez la station.",
                       kFirstUse};
  }
  void firstStartClosedWithoutStationKeepsNoStation() {
    QFETCH(QString, stored);
    FakePlatform p;
    if (!stored.isNull()) p.setSetting(kCommonSection, "Indicatif Station", stored);
    Program prog(p);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    prog.main.startUp();
    QTEST(p.messages, "told");
    QCOMPARE(prog.state.stationCallsign(), "XXXXX");
    QCOMPARE(p.setting(kCommonSection, "Indicatif Station"), stored.isNull() ? "<absent>" : stored);
    const QDir root = QFileInfo(p.dataDir()).dir();  // the platform's folder, holding data and config
    QVERIFY(QDir(p.dataDir()).isEmpty() && root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() == 2);
    QVERIFY(QFileInfo(root.path()).dir().entryList({"x_KTL*", "X_KTL*"}).isEmpty());
    // Any key in the callsign field reminds the operator.
    QTest::keyClick(child<QLineEdit>(prog.main, "Ind_A"), Qt::Key_F);
    QCOMPARE(p.messages.last(), kFirstUse);
  }

  void restartShowsSplashThenNumberedLog() {
    FakePlatform p;
    p.setSetting(kCommonSection, "Indicatif Station", "F0ORB");
    p.setSetting(stationSection("F0ORB"), "bande Utilisee", "11");
    p.setSetting(stationSection("F0ORB"), "Mode Utilise", "3");
    p.writeLog("F0ORB", (logLine("F5ABC", "F", "01051", "07/03/16", "12:00") + "\r\n").repeated(10));
    Program prog(p);
    MainWindow& w = prog.main;
    int rowsDuringSplash = -1;
    QString splashText;
    QPoint splashFromMiddle;  // its centre from the screen's
    QTimer::singleShot(5, [&] {
      QWidget* s = QApplication::activeModalWidget();
      QVERIFY(s && s->objectName() == QLatin1String("Chargement"));
      splashText = s->findChild<QLabel*>("Label1")->text();
      rowsDuringSplash = prog.state.logModel().rowCount();
      splashFromMiddle = s->frameGeometry().center() - s->screen()->availableGeometry().center();
    });
    w.startUp();
    QCOMPARE(splashText, "de F0ORB");
    // Centred across, 200 pixels below the middle.
    QVERIFY2(qAbs(splashFromMiddle.x()) <= 1 && qAbs(splashFromMiddle.y() - 200) <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(splashFromMiddle.x()).arg(splashFromMiddle.y())));
    QCOMPARE(rowsDuringSplash, 0);  // the list is filled after the splash
    QVERIFY(p.messages.isEmpty());
    auto* list = child<QListView>(w, "Liste_KTL");
    QCOMPARE(columnOf(list).size(), 10);
    QCOMPARE(columnOf(list).last().left(8), "   10  F");
    QCOMPARE(list->currentIndex().row(), 9);
    QVERIFY(!child(w, "Annule_Saisie")->isEnabled() && !child(w, "Type_A")->isEnabled());
    QCOMPARE(StationFixture::textsOf(&w, {"Label7", "RST_B", "Bande_A", "Mode_A"}), "Saisie QSO|59|432 Mhz|DIGI");
    QCOMPARE(child(w, "Ind_A")->palette().color(QPalette::Base), QColor(192, 255, 192));
    QCOMPARE(child(w, "Rem_A")->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(p.setting(stationSection("F0ORB"), "Revision"), " 1.0.1");
  }

  void storedLanguageAppliesCaptions_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("validate");
    QTest::newRow("italian") << "Italien" << "Mnu_Italien" << "Convalida QSO";
    QTest::newRow("german") << "Allemand" << "Mnu_Allemand" << "QSO übernehmen";
    QTest::newRow("unknown value") << "francais" << "" << "Valider le QSO";
  }
  void storedLanguageAppliesCaptions() {
    QFETCH(QString, language);
    QFETCH(QString, checked);
    StationFixture s({}, language, "G4ABC");
    for (const char* item : {"Mnu_Francais", "Mnu_Anglais", "Mnu_Italien", "Mnu_Allemand"})
      QCOMPARE(s.c<QAction>(item)->isChecked(), checked == QLatin1String(item));
    QTEST(s.c<QPushButton>("Valide_A")->text(), "validate");
    // The fields are named for screen readers after the label over them.
    QCOMPARE(s.c("Ind_A")->accessibleName(), s.c<QLabel>("Label8")->text());
  }

  // One check mark moves in each group; a language switch keeps the entry
  // mode and words its label in the new language.
  void checkMarksMove() {
    StationFixture s;
    const auto marks = [&] {
      return (checked(s, {"Mnu_Francais", "Mnu_Anglais", "Mnu_Italien", "Mnu_Date_Auto_Oui", "Mnu_Date_Auto_Non"}) +
              QStringList{s.texts({"Label12"})}).join(' ');
    };
    QCOMPARE(marks(), "Mnu_Francais Mnu_Date_Auto_Oui en temps réel");
    s.c<QAction>("Mnu_Date_Auto_Non")->trigger();
    QCOMPARE(marks(), "Mnu_Francais Mnu_Date_Auto_Non en Differé");
    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(marks(), "Mnu_Italien Mnu_Date_Auto_Non in differisce");
    QCOMPARE(s.p.setting(stationSection("F0ORB"), "Language"), "Italien");
    s.c<QAction>("Mnu_Date_Auto_Oui")->trigger();
    QCOMPARE(marks(), "Mnu_Italien Mnu_Date_Auto_Oui in tempo reale");
    QVERIFY(s.state.realTimeEntry());
  }

  void realTimeQsoFromKeyboard() {
    Station s;
    s.c<QComboBox>("Mode_A")->setCurrentIndex(1);  // CW
    s.typeQso("f5abc/p", "ok", "08815");
    // Real time: date and time from the UTC clock, straight on to the mode.
    QCOMPARE(s.text("Ind_A") + ' ' + s.text("Date_A") + ' ' + s.text("Heure_A"), "F5ABC/P 04/03/16 09:05");
    QVERIFY(!s.c("Date_A")->isEnabled() && s.w.focusWidget() == s.c("Mode_A"));
    s.finishQso("Château de Švihov", true);  // Š only exists in Windows-1252
    QCOMPARE(s.w.focusWidget(), s.c("Valide_A"));
    // Enter on the focused button commits, the keypad's as well; a held
    // key's repeats click nothing.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(s.w.focusWidget(), &held);
    QVERIFY(s.p.questions.isEmpty());
    s.p.answers << true;
    QTest::keyClick(s.w.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(s.p.questions, QStringList{"Voulez vous enregistrer ces données ?"});
    QCOMPARE(s.lines(), QList<QByteArray>{logLine("F5ABC/P", "OK", "08815", "04/03/16", "09:05", "CW", "1.8 Mhz",
                                                  "Ch\xe2teau de \x8avihov", true)});
    QVERIFY(s.state.logModel().index(0).data().toString().contains("Château de Švihov"));
    // Ready for the next one, same mode and band.
    QCOMPARE(s.c<QComboBox>("Mode_A")->currentText() + ' ' + s.text("RST_A"), "CW 59");
    QVERIFY(!s.c("Valide_A")->isEnabled() && s.c("Annule_Saisie")->isEnabled());
  }

  // Deferred entry asks the date and time. A refused field keeps the focus
  // and its text, the next stays locked; an unknown language refuses in
  // silence.
  void deferredQsoTypesDateAndTime() {
    for (const char* language : {"Klingon", "Italien"}) {
      Station s({}, language);
      s.c<QAction>("Mnu_Date_Auto_Non")->trigger();
      s.typeQso("DL1AA", "DL", "00042");
      QCOMPARE(s.w.focusWidget(), s.c("Date_A"));
      s.enter("Date_A", "31/12/15");
      s.enter("Heure_A", "24:00");
      QCOMPARE(s.p.messages, *language == 'I' ? QStringList{"Il formato dell'ora dev'essere HH:MM"} : QStringList{});
      QVERIFY(s.w.focusWidget() == s.c("Heure_A") && s.text("Heure_A") == "24:00" && !s.c("Mode_A")->isEnabled());
      if (*language == 'K') continue;  // an unknown language asks nothing, and No is the answer
      s.enter("Heure_A", "23:59");
      s.c<QComboBox>("Mode_A")->setCurrentIndex(3);  // DIGI: four letters
      s.finishQso();
      s.commit();
      QCOMPARE(s.lines().value(0), logLine("DL1AA", "DL", "00042", "31/12/15", "23:59", "DIG", "1.8 Mhz"));
      QVERIFY(s.text("Date_A").isEmpty());  // nothing of it left for the next
    }
  }

  // A warning only; the QSO is marked. Four digits never match the five
  // stored columns.
  void alreadyContactedWarnsAndMarks() {
    Station s(crlf({logLine("OK1AB", "OK", "01051", "07/03/16", "10:00"),
                    logLine("OK1CD", "OK", "01051", "08/03/16", "10:00")}));
    for (const char* number : {"01051", "1051"}) {
      s.p.messages.clear();
      s.typeQso("F5ABC", "F", number);
      QCOMPARE(s.p.messages, number[0] == '0' ? QStringList{"Chateau deja contacté le 07/03/16"} : QStringList{});
      QCOMPARE(s.w.focusWidget(), s.c("Mode_A"));
      s.finishQso();
      s.commit();
    }
    QCOMPARE(QString(s.lines().value(2).at(23)) + s.lines().value(3).at(23), "* ");
  }

  // No writes nothing and clears the entry; a failed write keeps it; an
  // entry emptied by Efface_A is refused before the question.
  void answeredNoFailedWriteOrEmptied() {
    Station s(crlf({kG1}));
    s.typeQso("F5ABC", "F", "01051");
    s.finishQso();
    s.commit(false);
    QCOMPARE(s.lines().size(), 1);
    QCOMPARE(s.texts({"Ind_A", "Label7"}), "|Saisie QSO");
    s.typeQso("F5ABC", "F", "01051");
    s.finishQso();
    QFile::rename(s.p.logPath(s.call), s.p.logPath(s.call) + ".away");
    QDir().mkpath(s.p.logPath(s.call));  // the log cannot be opened for writing now
    s.commit();
    QVERIFY(s.p.messages.size() == 1 && s.p.messages[0].startsWith("Impossible d'écrire ce fichier"));
    QVERIFY(s.text("Ind_A") == "F5ABC" && s.c("Valide_A")->isEnabled());
    QDir().rmdir(s.p.logPath(s.call));
    QFile::rename(s.p.logPath(s.call) + ".away", s.p.logPath(s.call));

    s.doubleClickRow(0);  // enables Valide_A
    s.c<QPushButton>("Efface_A")->click();
    s.p.messages.clear();
    s.commit();
    QCOMPARE(s.p.questions.size(), 2);
    QCOMPARE(s.p.messages, QStringList{"Entrez un indicatif"});
    QCOMPARE(s.lines().size(), 1);
  }

  // A double click opens a QSO for a change, also after Insert; a change
  // never looks for the castle in the log, and replaces the line in place.
  void doubleClickEditReplacesInPlace() {
    const QByteArray b = logLine("G1BBB", "G", "00002", "02/01/16", "12:00");
    Station s(crlf({logLine("G1AAA", "G", "00001", "01/01/16", "12:00", "SSB", "14 Mhz", "", false, true), b}));
    s.c<QPushButton>("Insert_Saisie")->click();
    s.doubleClickRow(0);
    QCOMPARE(s.entryState(), "Modification QSO");
    QVERIFY(s.c("Rem_A")->isEnabled() && !s.c("Annule_Saisie")->isEnabled());
    s.enter("Ref_A", "00001");
    QVERIFY(s.p.messages.isEmpty());
    s.c<QLineEdit>("Rem_A")->setText("Bodiam");
    s.commit();
    QCOMPARE(s.lines(), (QList<QByteArray>{logLine("G1AAA", "G", "00001", "01/01/16", "12:00", "SSB", "14 Mhz", "Bodiam"), b}));
  }

  // Each commit, change and deletion keeps the QSO's full record beside the
  // log in step, after the log.
  void fullRecordsFollowTheLog() {
    Station s;
    const QString log = s.p.logPath("F0ORB");
    const auto stored = [&](const char* tag) {
      ExtrasStore store(log);
      const QsoExtrasLookup next = store.lookup();
      return next ? storedValue(next(qsoKey(s.lines().value(0))), tag) : QByteArray();
    };
    s.w.findChild<EntryForm*>()->setKnownAtCommit("1.843", {}, {});
    s.typeQso("f5abc", "ok", "08815");
    s.c<QComboBox>("Mode_A")->setEditText("RTTY");
    s.finishQso();
    s.commit();
    QCOMPARE(s.lines().value(0).mid(39, 3), "RTT");
    QCOMPARE(stored("MODE") + ' ' + stored("FREQ") + ' ' + stored("BAND"), "RTTY 1.843 160m");
    s.doubleClickRow(0);
    s.c<QComboBox>("Mode_A")->setEditText("PSK31");
    s.commit();
    QCOMPARE(ExtrasStore(log).rowCount(), 1);
    QCOMPARE(stored("MODE") + ' ' + stored("FREQ"), "PSK31 1.843");
    s.clickRow(0);
    s.p.answers << true;
    s.c<QPushButton>("Annule_Saisie")->click();
    QCOMPARE(ExtrasStore(log).rowCount(), 0);
    QVERIFY(s.p.messages.isEmpty());
  }

  // A QSO opened and committed unchanged keeps its bytes (but the repeat
  // mark); pasted control characters and letters outside Windows-1252
  // never break the line.
  void listLineRoundTripsAndPastedText() {
    const QByteArray stored = logLine("IK2XYZ", "I", "12345", "09/09/99", "00:01", "FM", "432 Mhz",
                                      "Castello di F\xe9nis", true, true);
    Station s(crlf({stored}));
    s.doubleClickRow(0);
    s.commit();
    QCOMPARE(s.lines(), QList<QByteArray>{QByteArray(stored).replace(23, 1, " ")});
    s.doubleClickRow(0);
    s.c<QLineEdit>("Rem_A")->setText("tab\there, line\nbreak and ł");
    s.commit();
    QCOMPARE(s.lines().value(0).size(), 121);
    QCOMPARE(column(s.lines().value(0), 56, 27), QByteArray("tab here, line break and ? "));
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
