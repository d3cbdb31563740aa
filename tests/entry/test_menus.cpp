// The menu bar of Main: its tree, the check marks of the language and of the
// entry mode, the history and about boxes, and every window's caption table
// naming only controls the window has.
#include "adif/import_adif_window.h"
#include "platform/window_services.h"
#include "station/station_window.h"
#include "station_fixture.h"
#include "views/search_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace ktl;

namespace {

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

class MenusTest : public QObject {
  Q_OBJECT
 private slots:
  void altAndALetterOpenTheMenus() {
    StationFixture s(QByteArray(), QStringLiteral("Anglais"));
    s.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.w));
    const auto openedBy = [&](char letter) {
      QTest::keyClick(s.c("Ind_A"), Qt::Key(Qt::Key_A + letter - 'A'), Qt::AltModifier);
      QAction* open = s.w.menuBar()->activeAction();
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
      return open ? open->text() : QString();
    };
    QCOMPARE(openedBy('F'), QStringLiteral("File"));
    QCOMPARE(openedBy('H'), QStringLiteral("Help"));
    // The keys follow the captions; the tooltip gives them after F10.
    s.c<QAction>("Mnu_Francais")->trigger();
    QCOMPARE(openedBy('L'), QStringLiteral("Langage"));
    const QString tip = s.w.menuBar()->toolTip();
    QVERIFY2(tip.startsWith(QStringLiteral("Menus : F10")) && tip.endsWith(QStringLiteral(" Aide")), qPrintable(tip));
    QCOMPARE(openedBy(tip.at(tip.size() - 6).toLatin1()), QStringLiteral("Aide"));  // "Alt+X Aide"
  }

  // Display order; the items of windows this program does not have are not shown.
  void tree() {
    StationFixture s;
    QCOMPARE(::tree(s.w.menuBar()->actions()),
             QStringLiteral("Mnu_Fichier[Mnu_Quitter Mnu_Import_ADIF Mnu_Export_ADIF Mnu_Export_ADIF_Standard "
                            "Mnu_Sauvegardes Mnu_Edit_Pays] "
                            "mnu_Langue[Mnu_Francais Mnu_Anglais Mnu_Italien] Mnu_Station[Mnu_New_Indicatif] "
                            "Mnu_Options[Mnu_Date_Auto[Mnu_Date_Auto_Oui Mnu_Date_Auto_Non]] "
                            "Mnu_Affichage[Mnu_Aff_Contact Mnu_Aff_Prefixes Mnu_Spots] "
                            "Mnu_Cluster "
                            "Mnu_Aide[Mnu_Historique Mnu_A_Propos]"));
    QCOMPARE(s.c<QMenu>("Mnu_Date_Auto")->title(), QStringLiteral("Saisie du log"));
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

  // The same French history and product line in every language.
  void historyAndAbout() {
    StationFixture s({}, QStringLiteral("Italien"));
    s.c<QAction>("Mnu_Historique")->trigger();
    s.c<QAction>("Mnu_A_Propos")->trigger();
    QCOMPARE(s.p.messages, (QStringList{"V1.0.0   le 07/01/2016 creation\r\n"
                                        "V1.0.1   le 08/03/2016 Nouveau format des Ref + langue Anglaise\r\n",
                                        "ORB_KTL  Revision  1.0.1"}));
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
      QVERIFY(window);
      QCOMPARE(applyCaptions(window, rows, Language::Italian), QStringList());
      window->close();
    }
  }
};

QTEST_MAIN(MenusTest)
#include "test_menus.moc"
