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

#include <QMessageBox>
#include <QScreen>
#include <QTimer>

using namespace ktl;

namespace {

template <typename T>
T* child(QWidget& w, const char* name) { return StationFixture::in<T>(&w, name); }

QColor base(QWidget* w) { return w->palette().color(QPalette::Base); }

const QColor kGreen(192, 255, 192);
const QColor kYellow(255, 255, 192);

// Types into the active modal station window once it is up.
void answerStationWindow(const QString& callsign) {
  QTimer::singleShot(0, [callsign] {
    QWidget* w = QApplication::activeModalWidget();
    QVERIFY(w && w->objectName() == QLatin1String("Station"));
    w->findChild<QLineEdit*>(QStringLiteral("New_Indicatif"))->setText(callsign);
    w->findChild<QPushButton*>(QStringLiteral("Validation"))->click();
  });
}

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
  void firstStartCreatesEmptyLogWithDefaults() {
    FakePlatform p;
    Program prog(p);
    MainWindow& w = prog.main;
    answerStationWindow(QStringLiteral("F0ORB_P"));
    w.startUp();
    QCOMPARE(p.messages, QStringList{QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n")});
    QCOMPARE(prog.state.stationCallsign(), QStringLiteral("F0ORB_P"));
    QVERIFY(QFile::exists(p.logPath(QStringLiteral("F0ORB_P"))) && p.readLog(QStringLiteral("F0ORB_P")).isEmpty());
    QCOMPARE(p.setting(kCommonSection, QStringLiteral("Indicatif Station")), QStringLiteral("F0ORB_P"));
    QCOMPARE(p.setting(stationSection("F0ORB_P"), QStringLiteral("bande Utilisee")), QStringLiteral("0"));
    QCOMPARE(child<QComboBox>(w, "Bande_A")->currentText(), QStringLiteral("1.8 Mhz"));
    QCOMPARE(child<QComboBox>(w, "Mode_A")->currentText(), QStringLiteral("SSB"));
    QCOMPARE(child<QLabel>(w, "I_Station")->text(), QStringLiteral("F0ORB/P"));
    QCOMPARE(prog.state.logModel().rowCount(), 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("  ORB_KTL    Keep Tower League    Revision  1.0.1"));
  }

  // No station yet, or one in the settings file that is no callsign (a
  // file edited by hand): the first-use path, and no file made anywhere.
  void firstStartClosedWithoutStationKeepsNoStation_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("told");
    const QString firstUse = QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n");
    QTest::newRow("none") << QString() << QStringList{firstUse};
    QTest::newRow("climbing out of the data folder")
        << "../../x"
        << QStringList{"L'indicatif de station des réglages (../../x) n'est pas un indicatif : aucun fichier n'a été "
                       "ouvert. Choisissez la station.",
                       firstUse};
  }
  void firstStartClosedWithoutStationKeepsNoStation() {
    QFETCH(QString, stored);
    QFETCH(QStringList, told);
    FakePlatform p;
    if (!stored.isNull()) p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), stored);
    Program prog(p);
    MainWindow& w = prog.main;
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    w.startUp();
    QCOMPARE(p.messages, told);
    QCOMPARE(prog.state.stationCallsign(), QStringLiteral("XXXXX"));
    QCOMPARE(p.setting(kCommonSection, QStringLiteral("Indicatif Station")), stored.isNull() ? "<absent>" : stored);
    const QDir root = QFileInfo(p.dataDir()).dir();  // the platform's folder, holding data and config
    // No log: the starter prefix table alone.
    QCOMPARE(QDir(p.dataDir()).entryList(QDir::Files), QStringList{"Liste_DXCC.csv"});
    QCOMPARE(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"config", "data"}));
    QVERIFY(QFileInfo(root.path()).dir().entryList({"x_KTL*", "X_KTL*"}).isEmpty());
    // Any key in the callsign field reminds the operator.
    QTest::keyClick(child<QLineEdit>(w, "Ind_A"), Qt::Key_F);
    QCOMPARE(p.messages.last(), QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n"));
  }

  void restartShowsSplashThenNumberedLog() {
    FakePlatform p;
    p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), QStringLiteral("F0ORB"));
    p.setSetting(stationSection("F0ORB"), QStringLiteral("bande Utilisee"), QStringLiteral("11"));
    p.setSetting(stationSection("F0ORB"), QStringLiteral("Mode Utilise"), QStringLiteral("3"));
    p.writeLog(QStringLiteral("F0ORB"),
               (logLine("F5ABC", "F", "01051", "07/03/16", "12:00") + "\r\n").repeated(10));
    Program prog(p);
    MainWindow& w = prog.main;
    int rowsDuringSplash = -1;
    QString splashText;
    QPoint splashFromMiddle;  // its centre from the screen's
    QTimer::singleShot(5, [&] {
      QWidget* s = QApplication::activeModalWidget();
      QVERIFY(s && s->objectName() == QLatin1String("Chargement"));
      splashText = s->findChild<QLabel*>(QStringLiteral("Label1"))->text();
      rowsDuringSplash = prog.state.logModel().rowCount();
      splashFromMiddle = s->frameGeometry().center() - s->screen()->availableGeometry().center();
    });
    w.startUp();
    QCOMPARE(splashText, QStringLiteral("de F0ORB"));
    // Centred across, 200 pixels below the middle.
    QVERIFY2(qAbs(splashFromMiddle.x()) <= 1 && qAbs(splashFromMiddle.y() - 200) <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(splashFromMiddle.x()).arg(splashFromMiddle.y())));
    QCOMPARE(rowsDuringSplash, 0);  // the list is filled after the splash
    QVERIFY(p.messages.isEmpty());
    QCOMPARE(prog.state.logModel().rowCount(), 10);
    auto* list = child<QListView>(w, "Liste_KTL");
    QCOMPARE(list->model()->index(9, 0).data().toString().left(8), QStringLiteral("   10  F"));
    QCOMPARE(list->currentIndex().row(), 9);
    QVERIFY(!child<QPushButton>(w, "Annule_Saisie")->isEnabled());
    QCOMPARE(child<QLabel>(w, "Label7")->text(), QStringLiteral("Saisie QSO"));
    QCOMPARE(base(child<QLineEdit>(w, "Ind_A")), kGreen);
    QVERIFY(!child<QWidget>(w, "Type_A")->isEnabled());
    QCOMPARE(base(child<QWidget>(w, "Rem_A")), kYellow);
    QCOMPARE(child<QLineEdit>(w, "RST_B")->text(), QStringLiteral("59"));
    QCOMPARE(child<QComboBox>(w, "Bande_A")->currentText() + child<QComboBox>(w, "Mode_A")->currentText(),
             QStringLiteral("432 MhzDIGI"));
    QCOMPARE(p.setting(stationSection("F0ORB"), QStringLiteral("Revision")), QStringLiteral(" 1.0.1"));
  }

  void storedLanguageAppliesCaptions_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("validate");
    QTest::newRow("english") << "Anglais" << "Mnu_Anglais" << "Validate QSO";
    QTest::newRow("italian") << "Italien" << "Mnu_Italien" << "Convalida QSO";
    QTest::newRow("german") << "Allemand" << "Mnu_Allemand" << "QSO übernehmen";
    QTest::newRow("unknown value") << "francais" << "" << "Valider le QSO";
  }
  void storedLanguageAppliesCaptions() {
    QFETCH(QString, language);
    QFETCH(QString, checked);
    QFETCH(QString, validate);
    FakePlatform p;
    p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), QStringLiteral("G4ABC"));
    p.setSetting(stationSection("G4ABC"), QStringLiteral("Language"), language);
    Program prog(p);
    MainWindow& w = prog.main;
    w.startUp();
    for (const char* item : {"Mnu_Francais", "Mnu_Anglais", "Mnu_Italien", "Mnu_Allemand"})
      QCOMPARE(w.findChild<QAction*>(QString::fromLatin1(item))->isChecked(), checked == QLatin1String(item));
    QCOMPARE(child<QPushButton>(w, "Valide_A")->text(), validate);
    // The fields are named for screen readers after the label over them.
    QCOMPARE(child<QLineEdit>(w, "Ind_A")->accessibleName(), child<QLabel>(w, "Label8")->text());
  }

  // Tests run two hours east of UTC.
  void clockLabelsShowUtcAndLocal() {
    FakePlatform p;
    Program prog(p);
    MainWindow& w = prog.main;
    QCOMPARE(child<QLabel>(w, "Label37")->text(), QStringLiteral("09:05 Utc"));
    QCOMPARE(child<QLabel>(w, "Label34")->text(), QStringLiteral("11:05 Loc"));
    QCOMPARE(child<QLabel>(w, "Label33")->text(), QStringLiteral("04/03/16"));
  }

  void unreadableLogFolderIsReported() {
    FakePlatform p;
    p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), QStringLiteral("F0ORB"));
    QDir().mkpath(p.logPath(QStringLiteral("F0ORB")));  // a folder where the log should be
    Program prog(p);
    MainWindow& w = prog.main;
    w.startUp();
    QCOMPARE(prog.state.logModel().rowCount(), 0);
    QCOMPARE(p.messages.size(), 1);
    QVERIFY(p.messages[0].startsWith(QStringLiteral("Impossible de lire ce fichier")));
  }

  void altAndALetterOpenTheMenus() {
    StationFixture s(QByteArray(), QStringLiteral("Anglais"));
    s.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.w));
    const auto openedBy = [&](char letter) {
      QTest::keyClick(s.c("Ind_A"), Qt::Key(Qt::Key_A + letter - 'A'), Qt::AltModifier);
      QAction* open = s.w.menuBar()->activeAction();
      // It opens on its first item, which Enter would choose.
      const QAction* first = open && open->menu() ? open->menu()->activeAction() : nullptr;
      const QString shown = open ? open->text() + '/' + (first ? first->objectName() : QString()) : QString();
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
      return shown;
    };
    QCOMPARE(openedBy('F'), QStringLiteral("File/Mnu_Quitter"));
    QCOMPARE(openedBy('H'), QStringLiteral("Help/Mnu_Historique"));
    // The keys follow the captions; the tooltip gives them after F10.
    s.c<QAction>("Mnu_Francais")->trigger();
    QCOMPARE(openedBy('L'), QStringLiteral("Langage/Mnu_Francais"));
    const QString tip = s.w.menuBar()->toolTip();
    QVERIFY2(tip.startsWith(QStringLiteral("Menus : F10")) && tip.endsWith(QStringLiteral(" Aide")), qPrintable(tip));
    QCOMPARE(openedBy(tip.at(tip.size() - 6).toLatin1()), QStringLiteral("Aide/Mnu_Historique"));  // "Alt+X Aide"
    QTest::keyClick(s.c("Liste_KTL"), Qt::Key_F10);
    QCOMPARE(s.w.menuBar()->activeAction(), s.c<QMenu>("Mnu_Fichier")->menuAction());
  }

  // Display order; the items of windows this program does not have are not
  // shown. The history and product line are French.
  void tree() {
    StationFixture s;
    QCOMPARE(::tree(s.w.menuBar()->actions()),
             QStringLiteral("Mnu_Fichier[Mnu_Quitter Mnu_Import_ADIF Mnu_Export_ADIF Mnu_Export_ADIF_Standard "
                            "Mnu_Sauvegardes Mnu_Edit_Pays Mnu_Import_Liste] "
                            "mnu_Langue[Mnu_Francais Mnu_Anglais Mnu_Italien Mnu_Allemand] Mnu_Station[Mnu_New_Indicatif] "
                            "Mnu_Options[Mnu_Date_Auto[Mnu_Date_Auto_Oui Mnu_Date_Auto_Non] Mnu_Radio] "
                            "Mnu_Affichage[Mnu_Aff_Contact Mnu_Aff_Prefixes Mnu_Spots Mnu_Progression] "
                            "Mnu_Cluster "
                            "Mnu_Aide[Mnu_Historique Mnu_A_Propos]"));
    QCOMPARE(s.c<QMenu>("Mnu_Date_Auto")->title(), QStringLiteral("Saisie du log"));
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
    QCOMPARE(checked(s, {"Mnu_Francais", "Mnu_Anglais", "Mnu_Italien"}), QStringList{"Mnu_Francais"});
    QCOMPARE(checked(s, {"Mnu_Date_Auto_Oui", "Mnu_Date_Auto_Non"}), QStringList{"Mnu_Date_Auto_Oui"});
    s.c<QAction>("Mnu_Date_Auto_Non")->trigger();
    QCOMPARE(checked(s, {"Mnu_Date_Auto_Oui", "Mnu_Date_Auto_Non"}), QStringList{"Mnu_Date_Auto_Non"});
    QCOMPARE(s.c<QLabel>("Label12")->text(), QStringLiteral("en Differé"));
    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(checked(s, {"Mnu_Francais", "Mnu_Anglais", "Mnu_Italien"}), QStringList{"Mnu_Italien"});
    QCOMPARE(s.c<QLabel>("Label12")->text(), QStringLiteral("in differisce"));
    QCOMPARE(s.p.setting(stationSection("F0ORB"), QStringLiteral("Language")), QStringLiteral("Italien"));
    s.c<QAction>("Mnu_Date_Auto_Oui")->trigger();
    QCOMPARE(s.c<QLabel>("Label12")->text(), QStringLiteral("in tempo reale"));
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
