// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The award's views of the log. The contacted castles: which rows, in which
// order, numbered how; the saved file and the printout. The contacted-prefix
// list with the countries of the prefix table, and the editor that adds,
// changes and deletes the table's entries. The QSO search: the three matching
// rules, the checks of the boxes, and the window driven from the keyboard
// back to the QSO list of Main.
#include "station_fixture.h"
#include "views/castles_window.h"
#include "views/prefix_editor_window.h"
#include "views/prefixes_window.h"
#include "views/search_window.h"

#include <QtTest>

using namespace ktl;

namespace {

// Every field different, the reports too: RST received 57, sent 55.
const QByteArray kFoix = "F1ABC           F-01051 07/03/16 10:00 CW  7 Mhz   57  Chateau de Foix" + QByteArray(45, ' ') +
                         " * 55 ";

// OK-08815 three times: the row kept is OK1ABC's of 01/04/17, whose date
// sorts first as text though it is the later QSO. F-00007 and FR-00007 are
// two castles, and so are KP2E-00001 and VP2E-00001 (their first column
// tells them apart).
const QByteArray kCastlesLog = crlf({logLine("OK1ABC", "OK", "08815", "08/03/16", "10:00"), kFoix,
                                     logLine("OK2ZZ", "OK", "08815", "02/01/16", "10:00"),
                                     logLine("OK1ABC", "OK", "08815", "01/04/17", "10:00"),
                                     logLine("DL1AA", "DL", "00002", "09/03/16", "10:00"),
                                     logLine("F5FR", "FR", "00007", "11/03/16", "10:00"),
                                     logLine("F6XYZ", "F", "00007", "10/03/16", "10:00"),
                                     logLine("VP2EA", "VP2E", "00001", "12/03/16", "10:00"),
                                     logLine("KP2EA", "KP2E", "00001", "13/03/16", "10:00")});

struct Castles : StationFixture {
  explicit Castles(const QByteArray& log = kCastlesLog, const QString& language = "Francais")
      : StationFixture(log, language) {
    // Already the next day where the operator is (two hours east).
    p.clock_.instant = QDateTime(QDate(2050, 12, 31), QTime(23, 0), Qt::UTC);
    win = open<ContactedCastlesWindow>("Mnu_Aff_Contact");
  }
  template <typename T = QWidget>
  T* in(const char* name) const { return StationFixture::in<T>(win, name); }
  QLineEdit* prefix() const { return in<QLineEdit>("Type_B"); }
  QStringList rows() const { return columnOf(in<QListView>("Liste_KTL_Contacte")); }
  ContactedCastlesWindow* win;
};

QByteArray footer() { return QByteArray(37, ' ') + "ORB_KTL  Revision  1.0.1"; }

const QByteArray kPrefixLog = crlf({logLine("OK1ABC", "OK", "08815", "08/03/16", "10:00"),
                                    logLine("F1ABC", "F", "01051", "09/03/16", "10:00"),
                                    logLine("OK2ZZ", "OK", "00001", "10/03/16", "10:00"),
                                    logLine("DL1AA", "DL", "00002", "11/03/16", "10:00")});

struct Editor : StationFixture {
  explicit Editor(const QByteArray& table, const QString& language = "Francais") : StationFixture(kPrefixLog, language) {
    if (!table.isNull()) writeFile(path(), table);
    win = open<PrefixEditorWindow>("Mnu_Edit_Pays");
  }
  QString path() const { return p.dataDir() + "/Liste_DXCC.csv"; }
  QLineEdit* prefix() const { return in<QLineEdit>(win, "Ref_E"); }
  QLineEdit* country() const { return in<QLineEdit>(win, "Pays_E"); }
  QPushButton* button(const char* name) const { return in<QPushButton>(win, name); }
  // Ref_E, Pays_E and Enregistre all locked.
  bool locked() const {
    return !prefix()->isEnabled() && !country()->isEnabled() && !button("Enregistre")->isEnabled();
  }
  PrefixEditorWindow* win = nullptr;
};

const QByteArray kSearchLog = crlf({logLine("F1ABC", "F", "01051", "07/03/16", "10:00"),
                                    logLine("OK1ABC", "OK", "08815", "08/03/16", "10:00"),
                                    logLine("DF1XY", "FR", "00002", "09/03/16", "10:00"),
                                    logLine("TK5AA", "TK", "00003", "10/03/16", "10:00"),
                                    logLine("G4F1", "F", "01052", "11/03/16", "10:00")});

}  // namespace

class ViewsTest : public QObject {
  Q_OBJECT
 private slots:
  // The contacted castles of a prefix, typed or pasted, and the
  // prefix's length refused; the list closes on a change of station.
  void castleLists_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("message");
    // Shorter prefixes first (F is stored with three blanks before it), one
    // row per castle.
    QTest::newRow("xx typed: every prefix") << "xx" << false
        << QStringList{"1 F-00007 F6XYZ 10/03/16", "2 F-01051 F1ABC 07/03/16", "3 DL-00002 DL1AA 09/03/16",
                       "4 FR-00007 F5FR 11/03/16", "5 OK-08815 OK1ABC 01/04/17", "6KP2E-00001 KP2EA 13/03/16",
                       "7VP2E-00001 VP2EA 12/03/16"}
        << "";
    QTest::newRow("ok typed") << "ok" << false << QStringList{"1 OK-08815 OK1ABC 01/04/17"} << "";
    QTest::newRow("ok pasted matches nothing") << "ok" << true << QStringList{} << "";
    QTest::newRow("F, not FR or DL") << "F" << true
                                     << QStringList{"1 F-00007 F6XYZ 10/03/16", "2 F-01051 F1ABC 07/03/16"} << "";
    QTest::newRow("five letters") << "abcde" << false << QStringList{} << "4 caracteres maxi pour le Pays";
  }
  void castleLists() {
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    Castles s;
    if (pasted) {
      s.prefix()->insert(typed);
      s.in<QPushButton>("Afficher")->click();
    } else {
      typeEnter(s.prefix(), typed);
      QTest::keyClick(s.win->focusWidget(), Qt::Key_Return);  // on Afficher, which has the focus
      QCOMPARE(s.prefix()->text(), typed.toUpper());
    }
    QStringList rows;  // number, reference, callsign and date of each row
    for (const QString& r : s.rows()) rows << (r.left(15) + r.mid(15, 14) + r.mid(29, 10)).simplified();
    QTEST(rows, "rows");
    QTEST(s.p.messages.value(0), "message");
    // The rows are the station's: another station closes the window.
    const QPointer<ContactedCastlesWindow> win = s.win;
    QVERIFY(s.state.changeStation("F0ORB_P").ok());
    QTRY_VERIFY(!win);
  }

  // The headings stand over their columns, as the list draws them: the QSL
  // heading over the QSL marks, the castle's name over the names (measured
  // on a grab of the window, in the list's fixed face, at any size).
  void castleHeadingsOverTheirColumns() {
    Castles s;
    s.win->resize(1400, 500);
    s.win->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.win));
    typeEnter(s.prefix(), "f");
    QTest::keyClick(s.win->focusWidget(), Qt::Key_Return);
    auto* list = s.in<QListView>("Liste_KTL_Contacte");
    list->selectionModel()->clear();
    const QImage image = s.win->grab().toImage();
    const qreal advance = QFontMetricsF(list->font()).horizontalAdvance(QLatin1Char('0'));
    // Whether column x of a strip holds ink (text darker than what it is
    // drawn on), its first and last lines left out.
    const auto ink = [&](QRect strip, int x) {
      const int background = qGray(image.pixel(strip.left() + 1, strip.center().y()));
      for (int y = strip.top() + 1; x >= strip.left() && x <= strip.right() && y < strip.bottom(); ++y)
        if (qGray(image.pixel(x, y)) < background - 100) return true;
      return false;
    };
    const QWidget* headings = s.in<QWidget>("Label2");
    const QRect header(headings->mapTo(s.win, QPoint()), headings->size());
    // The row of the castle with a name and a QSL mark, and the left edges
    // of its runs of ink, a run ending at a gap of two characters.
    const int foix = s.rows().indexOf(QRegularExpression(".*Foix.*"));
    const QRect row =
        list->visualRect(list->model()->index(foix, 0)).translated(list->viewport()->mapTo(s.win, QPoint()));
    QList<int> starts;
    for (int x = row.left(), lastInk = -1000; x <= row.right(); ++x) {
      if (!ink(row, x)) continue;
      if (x - lastInk > 2 * advance) starts << x;
      lastInk = x;
    }
    QVERIFY(foix >= 0 && starts.size() >= 2);
    // A heading word begins where the QSL marks begin, and where the names
    // do (the last two runs of the row): ink within its first character,
    // none in the character before it.
    for (int at : starts.mid(starts.size() - 2)) {
      bool begins = false, before = false;
      for (int x = at - int(advance * 0.4); x < at + int(advance * 0.6); ++x) begins = begins || ink(header, x);
      for (int x = at - int(advance * 1.4); x < at - int(advance * 0.4); ++x) before = before || ink(header, x);
      QVERIFY2(begins && !before, qPrintable(QStringLiteral("no heading starts at x %1").arg(at)));
    }
  }

  // Saved before the list is built: title, headings and footer only; saved
  // again after it, the same file holds the rows and nothing of the first.
  void savedFile() {
    Castles s(kCastlesLog, "Anglais");
    s.prefix()->setText("OK");
    s.in<QPushButton>("Enregistrer")->click();
    const QString name = "F0ORB_Castel_OK_Contacted_01_01_51.txt";
    const QList<QByteArray> empty = fileLines(s.p.dataDir() + '/' + name);
    QVERIFY(empty.size() == 6 && empty[5] == footer());
    QCOMPARE(empty[0], QByteArray(20, ' ') + " Castels contacted by F0ORB at 01/01/2051 in alphanumeric order");
    QCOMPARE(s.p.messages, QStringList{"The log was registered under the name : " + name});
    QCOMPARE(s.p.mores, QStringList{"Location: " + s.p.dataDir() + "/" + name});  // where it went, in full
    s.in<QPushButton>("Afficher")->click();
    s.in<QPushButton>("Enregistrer")->click();
    const QList<QByteArray> full = fileLines(s.p.dataDir() + '/' + name);
    QCOMPARE(full.mid(3), (QList<QByteArray>{"", "    1  OK-08815 OK1ABC        01/04/17  10:00  SSB  14 Mhz   59   59   " +
                                                  QByteArray(62, ' ') + ' ',
                                              "", footer()}));
  }

  // The printout: title, headings, rows and footer in order, two empty
  // lines before the footer, read back from the PDF file it was printed to;
  // a long list goes on over the next page, no row lost.
  void printsToPdf() {
    QByteArray log = kCastlesLog;
    for (int i = 0; i < 150; ++i) log += logLine("G4AAA", "G", QByteArray::number(10100 + i).constData(), "07/03/16", "10:00") + "\r\n";
    Castles s(log);
    QTemporaryDir dir;
    s.p.printPdf = dir.filePath("castles.pdf");
    typeEnter(s.prefix(), "XX");
    s.in<QPushButton>("Afficher")->click();
    s.in<QPushButton>("Imprimer")->click();
    QCOMPARE(s.p.printed.size(), 1);
    // Printed to a file: the operator is told where it went.
    QCOMPARE(s.p.messages, QStringList{"L'impression a été écrite dans un fichier."});
    QCOMPARE(s.p.mores, QStringList{"Emplacement : " + s.p.printPdf});
    const QStringList& lines = s.p.printed[0];
    QCOMPARE(lines.mid(160), (QStringList{s.rows().last(), "", "", lines.last()}));
    QProcess text;
    text.start("pdftotext", {"-layout", s.p.printPdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(pages.contains(QLatin1Char('\f')));  // a second page
    QStringList read;
    for (const QString& l : pages.split('\n'))
      if (!l.trimmed().isEmpty()) read << l.simplified();
    QCOMPARE(read.size(), 160);
    QCOMPARE(read[0] + '|' + read[3] + '|' + read[159],
             "Chateaux contactés par F0ORB au 01/01/2051 par ordre alphanumerique|"
             "2 F-01051 F1ABC 07/03/16 10:00 CW 7 Mhz 57 55 Chateau de Foix *|ORB_KTL Revision 1.0.1");
    QVERIFY(read[153].startsWith("152 G-10249 G4AAA") && read[156].startsWith("155 OK-08815 OK1ABC 01/04/17"));
    // No printer: told what to do instead.
    s.p.printAnswer = PrintResult::NoPrinter;
    s.in<QPushButton>("Imprimer")->click();
    QCOMPARE(s.p.messages.mid(1), QStringList{"Aucune imprimante n'est installée : choisissez \"Print to File (PDF)\" "
                                              "dans la fenêtre d'impression, ou enregistrez la liste."});
  }

  // The contacted prefixes with their countries from the prefix table,
  // which is only read.
  void prefixList_data() {
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QStringList>("rows");
    // OK twice in the table: the first country; G never worked: not listed;
    // the DL lines lack their second ";": skipped, so DL has no country.
    QTest::newRow("table")
        << QByteArray("OK;Czech Republic;\r\nG;England;\r\nDL;Germany\r\nDL\r\n\r\nF;M\xe9tropole;x\r\nOK;Tchequie;\r\n")
        << QStringList{"  DL   ", "   F   Métropole", "  OK   Czech Republic"};
    // An empty table is the operator's: kept, and no country shown.
    QTest::newRow("empty table") << QByteArray("") << QStringList{"  DL   ", "   F   ", "  OK   "};
  }
  void prefixList() {
    QFETCH(QByteArray, table);
    StationFixture s(kPrefixLog);
    writeFile(s.p.dataDir() + "/Liste_DXCC.csv", table);
    QTEST(columnOf(StationFixture::in<QListView>(s.open<ContactedPrefixesWindow>("Mnu_Aff_Prefixes"), "L_PrefX")), "rows");
    QVERIFY(s.p.messages.isEmpty());
    QCOMPARE(readFile(s.p.dataDir() + "/Liste_DXCC.csv"), table);
  }

  // The prefix typed in small letters becomes capitals. Add appends a line
  // (a second one for an entry already there); edit shows the first line's
  // country and rewrites every line of the prefix; delete, answered Yes,
  // leaves out every one. Afterwards both fields are emptied and locked
  // until a mode is chosen again.
  void editorModes_data() {
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("shown");    // the country shown once the prefix is entered
    QTest::addColumn<QString>("country");  // typed; none for delete
    QTest::addColumn<QByteArray>("table");
    const QByteArray before = "EA;Espagne;\r\nF;France;\r\nEA;Spain;\r\nEAX;Other;\r\n";
    QTest::newRow("add") << QByteArray("Ajou") << "" << "Spain del Sol" << before + "EA;Spain del Sol;\r\n";
    QTest::newRow("edit") << QByteArray("Edit") << "Espagne" << QString::fromUtf8("España")
                          << QByteArray("EA;Espa\xf1" "a;\r\nF;France;\r\nEA;Espa\xf1" "a;\r\nEAX;Other;\r\n");
    QTest::newRow("delete") << QByteArray("Supp") << "Espagne" << QString() << QByteArray("F;France;\r\nEAX;Other;\r\n");
  }
  void editorModes() {
    QFETCH(QByteArray, mode);
    QFETCH(QString, country);
    Editor s("EA;Espagne;\r\nF;France;\r\nEA;Spain;\r\nEAX;Other;\r\n");
    QVERIFY(s.locked());
    s.p.answers = {true};
    s.button(mode)->click();
    typeEnter(s.prefix(), "ea");
    QTEST(s.country()->text(), "shown");
    if (!country.isNull()) {
      s.country()->setText(country);
      QTest::keyClick(s.country(), Qt::Key_Return);
    }
    QCOMPARE(s.win->focusWidget(), s.button("Enregistre"));
    s.button("Enregistre")->click();
    QTEST(readFile(s.path()), "table");
    QCOMPARE(s.p.questions, mode == "Supp" ? QStringList{"Effacerla référence ?"} : QStringList{});
    QVERIFY(s.locked() && s.prefix()->text().isEmpty() && s.country()->text().isEmpty());
    QCOMPARE(s.win->focusWidget(), s.button(mode));
  }

  void prefixRefusals_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::newRow("HB9") << "Anglais" << "hb9" << "" << "2 characters max for the reference ex: EA";
    QTest::newRow("no country") << "Italien" << "I" << "" << "Entrare in un paese";
    QTest::newRow("semicolon") << "Francais" << "I" << "Italie;Rome"
                               << "Le point-virgule ; ne peut pas figurer dans la liste des pays";
  }
  // A refused field keeps its text and the focus; nothing is written.
  void prefixRefusals() {
    QFETCH(QString, language);
    QFETCH(QString, prefix);
    QFETCH(QString, country);
    Editor s(QByteArray(), language);
    s.button("Ajou")->click();
    typeEnter(s.prefix(), prefix);
    QLineEdit* field = s.country()->isEnabled() ? s.country() : s.prefix();
    if (field == s.country()) typeEnter(field, country);
    QTEST(s.p.messages.join('|'), "message");
    QCOMPARE(s.win->focusWidget(), field);
    QCOMPARE(field->text(), field == s.prefix() ? prefix.toUpper() : country);
    QVERIFY(!s.button("Enregistre")->isEnabled());
    QCOMPARE(readFile(s.path()).count("\r\n"), 340);  // only the starter table the opening wrote
  }

  void searchRules_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("left");  // in the box after Enter
    const auto row = [](const char* name, int option, const char* typed, const QStringList& found,
                        const char* message = "", const char* left = "") {
      QTest::newRow(name) << option << QString(typed) << found << QString::fromUtf8(message) << QString(left);
    };
    row("callsign anywhere", 1, "f1", {"F1ABC", "DF1XY", "G4F1"});
    row("whole reference", 2, "ok-08815", {"OK1ABC"});
    row("part of a reference", 2, "OK-0881", {}, "Pas de QSO trouvé");
    row("prefix F, not FR or TK", 3, "F", {"F1ABC", "G4F1"});
    // Too long: said, the text kept, no search.
    row("13 characters", 1, "F123456789ABC", {}, "12 caracteres maxi pour l'indicatif", "F123456789ABC");
    row("11-character reference", 2, "OK-08815-12", {}, "10 caracteres maxi pour la reference", "OK-08815-12");
    row("5-character country", 3, "ABCDE", {}, "4 caracteres maxi pour le Diplome", "ABCDE");
  }
  // Typed lower case becomes upper case in the box; the results are copies of
  // the list lines, the box is emptied and nothing found says so.
  void searchRules() {
    QFETCH(int, option);
    QFETCH(QString, typed);
    StationFixture s(kSearchLog);
    auto* win = s.open<SearchWindow>("Rechercher");
    win->findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(option))->click();
    auto* box = StationFixture::in<QLineEdit>(win, option == 1 ? "Indica" : option == 2 ? "Refa" : "Typar");
    QCOMPARE(win->focusWidget(), box);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), typed.toUpper());
    QTest::keyClick(box, Qt::Key_Return);
    QStringList calls;
    for (const QString& r : columnOf(win->findChild<QListView*>("QSO_Effectues"))) calls << r.mid(7, 12).trimmed();
    QTEST(calls, "found");
    QTEST(s.p.messages.join(u'|'), "message");
    QTEST(box->text(), "left");
  }

  // Past 9,999 QSOs the numbers take six columns: QSO 10000 is not QSO 1000.
  // A result chosen from the keyboard closes the window on that QSO, and the
  // next callsign typed starts the next QSO wherever the search left the
  // focus in Main; nothing typed is lost, the QSO shown stays in the log.
  void backToTheLogPastTenThousand() {
    QByteArray log;
    for (int i = 1; i <= 10001; ++i) {
      const QByteArray call = i == 1000 ? "OK1THOU" : i == 10000 ? "OK1TENK" : "F" + QByteArray::number(i);
      log += logLine(call.constData(), "F", "01051", "07/03/16", "10:00") + "\r\n";
    }
    StationFixture s(log);
    s.w.activateWindow();
    s.c("Rechercher")->setFocus();
    QTest::keyClick(s.c("Rechercher"), Qt::Key_Return);
    auto* win = s.w.findChild<SearchWindow*>();
    typeEnter(StationFixture::in<QLineEdit>(win, "Indica"), "ok1t");
    auto* results = StationFixture::in<QListView>(win, "QSO_Effectues");
    QCOMPARE(columnOf(results).replaceInStrings(QRegularExpression(" +"), " "),
             (QStringList{" 1000 OK1THOU F-01051 07/03/16 10:00 SSB 14 Mhz 59 59 ",
                          " 10000 OK1TENK F-01051 07/03/16 10:00 SSB 14 Mhz 59 59 "}));
    results->setCurrentIndex(results->model()->index(1, 0));
    QTest::keyClick(results, Qt::Key_Return);
    QVERIFY(!win->isVisible() && !s.c("Ind_A")->isEnabled());
    QCOMPARE(s.c<QListView>("Liste_KTL")->currentIndex().row(), 9999);
    QCOMPARE(s.c<QLineEdit>("Ind_A")->text().trimmed(), "OK1TENK");
    // The keyboard follows the focus.
    for (const char key : {'g', '4', 'x', 'y', 'z'}) QTest::keyClick(s.w.focusWidget(), key);
    QCOMPARE(s.texts({"Ind_A", "Label7"}), "G4XYZ|Saisie QSO");
    QVERIFY(s.w.focusWidget() == s.c("Ind_A") && s.lines().size() == 10001);
  }
};

QTEST_MAIN(ViewsTest)
#include "test_views.moc"
