// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Main over a scripted platform. Start-up: first use, restart on an existing
// log with its stored band and mode, stored language, clocks. The menu bar:
// its tree, opened from the keyboard, the check marks of the language and of
// the entry mode, the history and about boxes, and every window's caption
// table naming only controls the window has.
#include "adif/import_adif_window.h"
#include "platform/window_services.h"
#include "station/station_window.h"
#include "station_fixture.h"
#include "views/search_window.h"

using namespace ktl;

namespace {

const QString kFirstUse = QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n");

// The visible items of a menu, as "name" or "name[sub items]".
QString tree(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* a : actions) {
    if (!a->isVisible() || a->isSeparator()) continue;
    out << (a->menu() ? a->menu()->objectName() + '[' + tree(a->menu()->actions()) + ']' : a->objectName());
  }
  return out.join(' ');
}

QStringList checked(const StationFixture& s) {
  QStringList out;
  for (const char* item : {"Mnu_Francais", "Mnu_Anglais", "Mnu_Italien", "Mnu_Allemand", "Mnu_Date_Auto_Oui",
                           "Mnu_Date_Auto_Non"})
    if (s.c<QAction>(item)->isChecked()) out << QString::fromLatin1(item);
  return out;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // No station yet, or one in the settings file that is no callsign (a file
  // edited by hand): the first-use path. The station window answered, the
  // station is the one in use and stored, with its log; closed, no file is
  // made anywhere and any key in the callsign field reminds the operator.
  void firstStart_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("answered");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("answered") << QString() << "F0ORB_P" << QStringList{kFirstUse};
    QTest::newRow("closed") << QString() << "" << QStringList{kFirstUse};
    QTest::newRow("climbing out of the data folder")
        << "../../x" << ""
        << QStringList{"L'indicatif de station des réglages (../../x) n'est pas un indicatif : aucun fichier "
                       "n'a été ouvert. Choisissez la station.",
                       kFirstUse};
  }
  void firstStart() {
    QFETCH(QString, stored);
    QFETCH(QString, answered);
    FakePlatform p;
    if (!stored.isNull()) p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), stored);
    Program prog(p);
    QTimer::singleShot(0, [answered] {
      QWidget* w = QApplication::activeModalWidget();
      QVERIFY(w && w->objectName() == QLatin1String("Station"));
      if (answered.isEmpty()) return void(w->close());
      StationFixture::in<QLineEdit>(w, "New_Indicatif")->setText(answered);
      StationFixture::in<QPushButton>(w, "Validation")->click();
    });
    prog.main.startUp();
    QTEST(p.messages, "told");
    if (!answered.isEmpty()) {
      QCOMPARE(prog.state.stationCallsign() + ' ' + p.setting(kCommonSection, "Indicatif Station"), "F0ORB_P F0ORB_P");
      QVERIFY(QFile::exists(p.logPath(answered)));
      QCOMPARE(StationFixture::textsOf(&prog.main, {"Bande_A", "Mode_A", "I_Station"}), "1.8 Mhz|SSB|F0ORB/P");
      return;
    }
    QCOMPARE(prog.state.stationCallsign(), QStringLiteral("XXXXX"));
    QCOMPARE(p.setting(kCommonSection, QStringLiteral("Indicatif Station")), stored.isNull() ? "<absent>" : stored);
    const QDir root = QFileInfo(p.dataDir()).dir();  // the platform's folder, holding data and config
    // No log: the starter prefix table alone.
    QCOMPARE(QDir(p.dataDir()).entryList(QDir::Files), QStringList{"Liste_DXCC.csv"});
    QCOMPARE(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"config", "data"}));
    QVERIFY(QFileInfo(root.path()).dir().entryList({"x_KTL*", "X_KTL*"}).isEmpty());
    QTest::keyClick(StationFixture::in(&prog.main, "Ind_A"), Qt::Key_F);
    QCOMPARE(p.messages.last(), kFirstUse);
  }

  // The splash is shown before the list is filled, centred across and 200
  // pixels below the middle; then the log, numbered, and the stored band
  // and mode.
  void restartShowsSplashThenNumberedLog() {
    FakePlatform p;
    p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), QStringLiteral("F0ORB"));
    p.setSetting(stationSection("F0ORB"), QStringLiteral("bande Utilisee"), QStringLiteral("11"));
    p.setSetting(stationSection("F0ORB"), QStringLiteral("Mode Utilise"), QStringLiteral("3"));
    p.writeLog(QStringLiteral("F0ORB"), (logLine("F5ABC", "F", "01051", "07/03/16", "12:00") + "\r\n").repeated(10));
    Program prog(p);
    int rowsDuringSplash = -1;
    QString splashText;
    QPoint splashFromMiddle;  // its centre from the screen's
    QTimer::singleShot(5, [&] {
      QWidget* s = QApplication::activeModalWidget();
      QVERIFY(s && s->objectName() == QLatin1String("Chargement"));
      splashText = StationFixture::in<QLabel>(s, "Label1")->text();
      rowsDuringSplash = prog.state.logModel().rowCount();
      splashFromMiddle = s->frameGeometry().center() - s->screen()->availableGeometry().center();
    });
    prog.main.startUp();
    QCOMPARE(splashText, QStringLiteral("de F0ORB"));
    QVERIFY2((splashFromMiddle - QPoint(0, 200)).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(splashFromMiddle.x()).arg(splashFromMiddle.y())));
    QVERIFY(rowsDuringSplash == 0 && p.messages.isEmpty());
    auto* list = StationFixture::in<QListView>(&prog.main, "Liste_KTL");
    QCOMPARE(list->model()->rowCount(), 10);
    QCOMPARE(list->currentIndex().data().toString().left(8), QStringLiteral("   10  F"));  // the last, numbered
    QCOMPARE(StationFixture::textsOf(&prog.main, {"Label7", "RST_B", "Bande_A", "Mode_A"}),
             QStringLiteral("Saisie QSO|59|432 Mhz|DIGI"));
    QCOMPARE(p.setting(stationSection("F0ORB"), QStringLiteral("Revision")), QStringLiteral(" 1.0.1"));
  }

  // The language stored in the settings: its menu checked and its
  // captions shown at start; a value that is no language leaves French.
  void storedLanguageAppliesCaptions_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("validate");
    QTest::newRow("english") << "Anglais" << "Mnu_Anglais Mnu_Date_Auto_Oui" << "Validate QSO";
    QTest::newRow("unknown value") << "francais" << "Mnu_Date_Auto_Oui" << "Valider le QSO";
  }
  void storedLanguageAppliesCaptions() {
    QFETCH(QString, language);
    StationFixture s({}, language);
    QTEST(checked(s).join(' '), "checked");
    QTEST(s.c<QPushButton>("Valide_A")->text(), "validate");
    // The fields are named for screen readers after the label over them.
    QCOMPARE(s.c("Ind_A")->accessibleName(), s.c<QLabel>("Label8")->text());
  }

  // Tests run two hours east of UTC.
  void clockLabelsShowUtcAndLocal() {
    StationFixture s;
    QCOMPARE(s.texts({"Label37", "Label34", "Label33"}), QStringLiteral("09:05 Utc|11:05 Loc|04/03/16"));
  }

  // A log that cannot be read is told, and the list stays empty.
  void unreadableLogFolderIsReported() {
    FakePlatform p;
    p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), QStringLiteral("F0ORB"));
    QDir().mkpath(p.logPath(QStringLiteral("F0ORB")));  // a folder where the log should be
    Program prog(p);
    prog.main.startUp();
    QCOMPARE(prog.state.logModel().rowCount(), 0);
    QVERIFY2(p.messages.size() == 1 && p.messages[0].startsWith("Impossible de lire ce fichier"),
             qPrintable(p.messages.join(u'|')));
  }

  // Alt and a menu's letter open it on its first item; F10 reaches the
  // menu bar.
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
    QCOMPARE(openedBy('F') + ' ' + openedBy('H'), QStringLiteral("File/Mnu_Quitter Help/Mnu_Historique"));
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
  // shown. One check mark moves in each group; the entry mode's label
  // follows the language, which is stored for the station.
  void menuTreeAndMarks() {
    StationFixture s;
    QCOMPARE(::tree(s.w.menuBar()->actions()),
             QStringLiteral("Mnu_Fichier[Mnu_Quitter Mnu_Import_ADIF Mnu_Export_ADIF Mnu_Export_ADIF_Standard "
                            "Mnu_Sauvegardes Mnu_Edit_Pays Mnu_Import_Liste] "
                            "mnu_Langue[Mnu_Francais Mnu_Anglais Mnu_Italien Mnu_Allemand] "
                            "Mnu_Station[Mnu_New_Indicatif] "
                            "Mnu_Options[Mnu_Date_Auto[Mnu_Date_Auto_Oui Mnu_Date_Auto_Non] Mnu_Radio] "
                            "Mnu_Affichage[Mnu_Aff_Contact Mnu_Aff_Prefixes Mnu_Spots Mnu_Progression] "
                            "Mnu_Cluster "
                            "Mnu_Aide[Mnu_Historique Mnu_A_Propos]"));
    QCOMPARE(checked(s), (QStringList{"Mnu_Francais", "Mnu_Date_Auto_Oui"}));
    s.c<QAction>("Mnu_Date_Auto_Non")->trigger();
    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(checked(s), (QStringList{"Mnu_Italien", "Mnu_Date_Auto_Non"}));
    QCOMPARE(s.c<QLabel>("Label12")->text(), QStringLiteral("in differisce"));
    QCOMPARE(s.p.setting(stationSection("F0ORB"), QStringLiteral("Language")), QStringLiteral("Italien"));
    s.c<QAction>("Mnu_Date_Auto_Oui")->trigger();
    QVERIFY(s.state.realTimeEntry() && s.c<QLabel>("Label12")->text() == QStringLiteral("in tempo reale"));
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
    for (const auto& [window, rows] : windows) QCOMPARE(applyCaptions(window, rows, Language::Italian), QStringList());
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
