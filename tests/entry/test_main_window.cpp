// Main over a scripted platform. Start-up: first use, restart on an existing
// log with its stored band and mode, stored language, clocks. The menu bar:
// its tree, the check marks of the language and of the entry mode, the
// history and about boxes, and every window's caption table naming only
// controls the window has.
#include "adif/import_adif_window.h"
#include "platform/window_services.h"
#include "station/station_window.h"
#include "station_fixture.h"
#include "views/search_window.h"

#include <QScreen>
#include <QTimer>

using namespace ktl;

namespace {

template <typename T = QWidget>
T* child(QWidget& w, const char* name) { return StationFixture::in<T>(&w, name); }

const QString kFirstUse = "\r\nPremiere installation, vous devez entrer votre Indicatif\r\n";

// The visible items of a menu, as "name" or "name[sub items]".
QString tree(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* a : actions) {
    if (!a->isVisible() || a->isSeparator()) continue;
    QString name = a->menu() ? a->menu()->objectName() : a->objectName();
    if (a->menu()) name += '[' + tree(a->menu()->actions()) + ']';
    out << name;
  }
  return out.join(' ');
}

QStringList checked(const StationFixture& s, std::initializer_list<const char*> items) {
  QStringList out;
  for (const char* item : items)
    if (s.c<QAction>(item)->isChecked()) out << QString::fromLatin1(item);
  return out;
}

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
    QCOMPARE(child<QLabel>(w, "Label37")->text() + ' ' + child<QLabel>(w, "Label34")->text() + ' ' +
                 child<QLabel>(w, "Label33")->text(),
             "09:05 Utc 11:05 Loc 04/03/16");
    QTimer::singleShot(0, [] {
      QWidget* station = QApplication::activeModalWidget();
      QVERIFY(station && station->objectName() == "Station");
      station->findChild<QLineEdit*>("New_Indicatif")->setText("F0ORB_P");
      station->findChild<QPushButton*>("Validation")->click();
    });
    w.startUp();
    QCOMPARE(p.messages, QStringList{kFirstUse});
    QCOMPARE(prog.state.stationCallsign(), "F0ORB_P");
    QVERIFY(QFile::exists(p.logPath("F0ORB_P")) && p.readLog("F0ORB_P").isEmpty());
    QCOMPARE(p.setting(kCommonSection, "Indicatif Station") + ' ' + p.setting(stationSection("F0ORB_P"), "bande Utilisee"),
             "F0ORB_P 0");
    QCOMPARE(child<QComboBox>(w, "Bande_A")->currentText() + ' ' + child<QComboBox>(w, "Mode_A")->currentText() + ' ' +
                 child<QLabel>(w, "I_Station")->text(),
             "1.8 Mhz SSB F0ORB/P");
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
    QVERIFY(QDir(p.dataDir()).entryList(QDir::Files).isEmpty());
    QCOMPARE(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"config", "data"}));
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
    QCOMPARE(list->model()->rowCount(), 10);
    QCOMPARE(list->model()->index(9, 0).data().toString().left(8), "   10  F");
    QCOMPARE(list->currentIndex().row(), 9);
    QVERIFY(!child(w, "Annule_Saisie")->isEnabled() && !child(w, "Type_A")->isEnabled());
    QCOMPARE(child<QLabel>(w, "Label7")->text(), "Saisie QSO");
    QCOMPARE(child(w, "Ind_A")->palette().color(QPalette::Base), QColor(192, 255, 192));
    QCOMPARE(child(w, "Rem_A")->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(child<QLineEdit>(w, "RST_B")->text(), "59");
    QCOMPARE(child<QComboBox>(w, "Bande_A")->currentText() + child<QComboBox>(w, "Mode_A")->currentText(), "432 MhzDIGI");
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

  void unreadableLogFolderIsReported() {
    FakePlatform p;
    p.setSetting(kCommonSection, "Indicatif Station", "F0ORB");
    QDir().mkpath(p.logPath("F0ORB"));  // a folder where the log should be
    Program prog(p);
    prog.main.startUp();
    QCOMPARE(prog.state.logModel().rowCount(), 0);
    QCOMPARE(p.messages.size(), 1);
    QVERIFY(p.messages[0].startsWith("Impossible de lire ce fichier"));
  }

  // Display order; the items of windows this program does not have are not
  // shown. The history and product line are French.
  void tree() {
    StationFixture s;
    QCOMPARE(::tree(s.w.menuBar()->actions()),
             "Mnu_Fichier[Mnu_Quitter Mnu_Import_ADIF Mnu_Export_ADIF Mnu_Export_ADIF_Standard "
             "Mnu_Sauvegardes Mnu_Edit_Pays Mnu_Import_Liste] "
             "mnu_Langue[Mnu_Francais Mnu_Anglais Mnu_Italien Mnu_Allemand] Mnu_Station[Mnu_New_Indicatif] "
             "Mnu_Options[Mnu_Date_Auto[Mnu_Date_Auto_Oui Mnu_Date_Auto_Non]] "
             "Mnu_Affichage[Mnu_Aff_Contact Mnu_Aff_Prefixes Mnu_Spots Mnu_Progression] "
             "Mnu_Cluster Mnu_Aide[Mnu_Historique Mnu_A_Propos]");
    QCOMPARE(s.c<QMenu>("Mnu_Date_Auto")->title(), "Saisie du log");
    s.c<QAction>("Mnu_Historique")->trigger();
    s.c<QAction>("Mnu_A_Propos")->trigger();
    QCOMPARE(s.p.messages, (QStringList{"V1.0.0   le 07/01/2016 creation\r\n"
                                        "V1.0.1   le 08/03/2016 Nouveau format des Ref + langue Anglaise\r\n",
                                        "ORB_KTL  Revision  1.0.1"}));
  }

  // One check mark moves in each group; a language switch keeps the entry
  // mode and words its label in the new language.
  void checkMarksMove() {
    StationFixture s;
    const auto marks = [&] {
      return checked(s, {"Mnu_Francais", "Mnu_Anglais", "Mnu_Italien", "Mnu_Date_Auto_Oui", "Mnu_Date_Auto_Non"});
    };
    QCOMPARE(marks(), (QStringList{"Mnu_Francais", "Mnu_Date_Auto_Oui"}));
    s.c<QAction>("Mnu_Date_Auto_Non")->trigger();
    QCOMPARE(marks(), (QStringList{"Mnu_Francais", "Mnu_Date_Auto_Non"}));
    QCOMPARE(s.c<QLabel>("Label12")->text(), "en Differé");
    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(marks(), (QStringList{"Mnu_Italien", "Mnu_Date_Auto_Non"}));
    QCOMPARE(s.c<QLabel>("Label12")->text(), "in differisce");
    QCOMPARE(s.p.setting(stationSection("F0ORB"), "Language"), "Italien");
    s.c<QAction>("Mnu_Date_Auto_Oui")->trigger();
    QCOMPARE(s.c<QLabel>("Label12")->text(), "in tempo reale");
    QVERIFY(s.state.realTimeEntry());
  }

  // Every row of every caption table names a control of its window.
  void captionTablesNameRealControls() {
    StationFixture s;
    QCOMPARE(applyCaptions(&s.w, mainCaptions(), Language::English), QStringList());
    s.c<QAction>("Mnu_New_Indicatif")->trigger();
    s.c<QAction>("Mnu_Import_ADIF")->trigger();
    s.c<QPushButton>("Rechercher")->click();
    const std::pair<QWidget*, std::span<const CaptionRow>> windows[] = {
        {s.w.findChild<StationWindow*>(), stationCaptions()},
        {s.w.findChild<ImportAdifWindow*>(), importCaptions()},
        {s.w.findChild<SearchWindow*>(), searchCaptions()}};
    for (const auto& [window, rows] : windows) {
      QCOMPARE(applyCaptions(window, rows, Language::Italian), QStringList());
      window->close();
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
