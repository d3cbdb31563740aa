// The QSO search: the three matching rules, the checks of the boxes, and the
// window driven from the keyboard back to the QSO list of Main.
#include "station_fixture.h"
#include "views/qso_search.h"
#include "views/search_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace ktl;

namespace {

const QByteArray kLog = crlf({logLine("F1ABC", "F", "01051", "07/03/16", "10:00"),
                              logLine("OK1ABC", "OK", "08815", "08/03/16", "10:00"),
                              logLine("DF1XY", "FR", "00002", "09/03/16", "10:00"),
                              logLine("TK5AA", "TK", "00003", "10/03/16", "10:00"),
                              logLine("G4F1", "F", "01052", "11/03/16", "10:00")});

struct Search : StationFixture {
  using StationFixture::StationFixture;
  SearchWindow* open() {
    c<QPushButton>("Rechercher")->click();
    return w.findChild<SearchWindow*>();
  }
  static QStringList calls(SearchWindow* s) {
    QStringList out;
    auto* list = s->findChild<QListView*>(QStringLiteral("QSO_Effectues"));
    for (int i = 0; i < list->model()->rowCount(); ++i)
      out << list->model()->index(i, 0).data().toString().mid(7, 12).trimmed();
    return out;
  }
  static QLineEdit* box(SearchWindow* s, const char* name) { return s->findChild<QLineEdit*>(QString::fromLatin1(name)); }
  static void option(SearchWindow* s, int n) {
    s->findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(n))->click();
  }
};

}  // namespace

class SearchTest : public QObject {
  Q_OBJECT
 private slots:
  void rules_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("callsign anywhere") << 1 << "f1" << QStringList{"F1ABC", "DF1XY", "G4F1"};
    QTest::newRow("whole reference") << 2 << "ok-08815" << QStringList{"OK1ABC"};
    QTest::newRow("part of a reference") << 2 << "OK-0881" << QStringList{};
    QTest::newRow("prefix F, not FR or TK") << 3 << "F" << QStringList{"F1ABC", "G4F1"};
  }
  // Typed lower case becomes upper case in the box; the results are copies of
  // the list lines, the boxes are emptied and nothing found says so.
  void rules() {
    QFETCH(int, option);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    Search s(kLog);
    SearchWindow* win = s.open();
    Search::option(win, option);
    QLineEdit* box = Search::box(win, option == 1 ? "Indica" : option == 2 ? "Refa" : "Typar");
    QCOMPARE(win->focusWidget(), box);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), typed.toUpper());
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(Search::calls(win), found);
    QCOMPARE(s.p.messages, found.isEmpty() ? QStringList{"Pas de QSO trouvé"} : QStringList{});
    QVERIFY(box->text().isEmpty());
    win->close();
  }

  // The option decides the search, whichever box had Enter; pasted lower
  // case is upper-cased for the comparison of callsigns but a pasted country
  // is compared as it is.
  void optionDecidesAndPastedText() {
    Search s(kLog, QStringLiteral("Anglais"));
    SearchWindow* win = s.open();
    Search::box(win, "Refa")->setText(QStringLiteral("OK-08815"));
    QTest::keyClick(Search::box(win, "Refa"), Qt::Key_Enter);
    QCOMPARE(Search::calls(win).size(), 5);  // option 1 with an empty callsign: every QSO
    Search::box(win, "Indica")->setText(QStringLiteral("tk5"));
    QTest::keyClick(Search::box(win, "Indica"), Qt::Key_Return);
    QCOMPARE(Search::calls(win), QStringList{"TK5AA"});
    Search::option(win, 3);
    Search::box(win, "Typar")->setText(QStringLiteral(" ok "));
    QTest::keyClick(Search::box(win, "Typar"), Qt::Key_Return);
    QCOMPARE(s.p.messages, QStringList{"No QSO found"});
    win->close();
  }

  void boxChecks_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("13 characters") << "Francais" << "Indica" << "F123456789ABC" << "12 caracteres maxi pour l'indicatif";
    QTest::newRow("11-character reference") << "Italien" << "Refa" << "OK-08815-12" << "Max 10 caratteri per la referenza";
    QTest::newRow("5-character country") << "Anglais" << "Typar" << "ABCDE" << "4 characters max for the Award";
  }
  // Length before emptiness; after a message the box keeps its text and no
  // search runs.
  void boxChecks() {
    QFETCH(QString, language);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Search s(kLog, language);
    SearchWindow* win = s.open();
    QLineEdit* e = Search::box(win, qPrintable(box));
    e->setText(text);
    QTest::keyClick(e, Qt::Key_Return);
    QCOMPARE(s.p.messages, QStringList{message});
    QCOMPARE(e->text(), text);
    QVERIFY(Search::calls(win).isEmpty());
    win->close();
  }

  // Past 9,999 QSOs the numbers take six columns: QSO 10000 is not QSO 1000.
  void backToTheLogPastTenThousand() {
    QByteArray log;
    for (int i = 1; i <= 10001; ++i) {
      const QByteArray call = i == 1000 ? "OK1THOU" : i == 10000 ? "OK1TENK" : "F" + QByteArray::number(i);
      log += logLine(call.constData(), "F", "01051", "07/03/16", "10:00") + "\r\n";
    }
    Search s(log);
    SearchWindow* win = s.open();
    QTest::keyClicks(Search::box(win, "Indica"), QStringLiteral("ok1t"));
    QTest::keyClick(Search::box(win, "Indica"), Qt::Key_Return);
    QCOMPARE(Search::calls(win), (QStringList{"OK1THOU", "OK1TENK"}));
    // From the keyboard: down to the second result, Enter.
    auto* results = win->findChild<QListView*>(QStringLiteral("QSO_Effectues"));
    results->setCurrentIndex(results->model()->index(1, 0));
    QTest::keyClick(results, Qt::Key_Return);
    QVERIFY(!win->isVisible());
    QCOMPARE(s.c<QListView>("Liste_KTL")->currentIndex().row(), 9999);
    QCOMPARE(s.c<QLineEdit>("Ind_A")->text().trimmed(), QStringLiteral("OK1TENK"));
  }

  // One window however often it is asked for; it follows the language and
  // closes with Escape.
  void oneWindowCaptionsAndEscape() {
    Search s(kLog, QStringLiteral("Italien"));
    SearchWindow* win = s.open();
    QCOMPARE(s.open(), win);
    s.c<QAction>("Mnu_Anglais")->trigger();
    QCOMPARE(win->windowTitle(), QStringLiteral("Search a QSO"));
    QTest::keyClick(Search::box(win, "Indica"), Qt::Key_Escape);
    QVERIFY(!win->isVisible());
  }
};

QTEST_MAIN(SearchTest)
#include "test_search.moc"
