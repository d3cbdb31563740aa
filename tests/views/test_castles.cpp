// The contacted castles: which rows, in which order, numbered how; the saved
// file and the printout; and the search results saved and printed the same way.
#include "station_fixture.h"
#include "views/castle_list.h"
#include "views/castles_window.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace ktl;

namespace {

// Every field different, the reports too: RST received 57, sent 55.
const QByteArray kFoix = "F1ABC           F-01051 07/03/16 10:00 CW  7 Mhz   57  Chateau de Foix" + QByteArray(45, ' ') +
                         " * 55 ";
const QByteArray kFoixRow = "    1   F-01051 F1ABC         07/03/16  10:00  CW   7 Mhz    57   55   Chateau de Foix" +
                            QByteArray(47, ' ') + "*";

// OK-08815 three times: the row kept is OK1ABC's of 01/04/17, whose date
// sorts first as text though it is the later QSO.
const QByteArray kLog = crlf({logLine("OK1ABC", "OK", "08815", "08/03/16", "10:00"), kFoix,
                              logLine("OK2ZZ", "OK", "08815", "02/01/16", "10:00"),
                              logLine("OK1ABC", "OK", "08815", "01/04/17", "10:00"),
                              logLine("DL1AA", "DL", "00002", "09/03/16", "10:00"),
                              logLine("F5FR", "FR", "00009", "11/03/16", "10:00"),
                              logLine("F6XYZ", "F", "00007", "10/03/16", "10:00")});

struct Castles : StationFixture {
  explicit Castles(const QByteArray& log = kLog, const QString& language = QStringLiteral("Francais"))
      : StationFixture(log, language) {
    p.clock_.instant = QDateTime(QDate(2050, 12, 31), QTime(12, 0), Qt::UTC);
    c<QAction>("Mnu_Aff_Contact")->trigger();
    win = w.findChild<ContactedCastlesWindow*>();
  }
  template <typename T = QWidget>
  T* in(const char* name) const { return win->findChild<T*>(QString::fromLatin1(name)); }
  QLineEdit* prefix() const { return in<QLineEdit>("Type_B"); }
  // Types the prefix, Enter, then Enter on Afficher, which has the focus.
  void display(const QString& typed) {
    QTest::keyClicks(prefix(), typed);
    QTest::keyClick(prefix(), Qt::Key_Return);
    QTest::keyClick(win->focusWidget(), Qt::Key_Return);
  }
  QStringList rows() const {
    QStringList out;
    QAbstractItemModel* m = in<QListView>("Liste_KTL_Contacte")->model();
    for (int i = 0; i < m->rowCount(); ++i) out << m->index(i, 0).data().toString();
    return out;
  }
  // Number, reference, callsign and date of each row.
  QStringList shortRows() const {
    QStringList out;
    for (const QString& r : rows()) out << (r.left(15) + r.mid(15, 14) + r.mid(29, 10)).simplified();
    return out;
  }
  QList<QByteArray> file(const QString& name) const {
    QFile f(p.dataDir() + '/' + name);
    f.open(QIODevice::ReadOnly);
    QList<QByteArray> lines = f.readAll().split('\n');
    for (QByteArray& l : lines) l.chop(1);  // CR
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
  }
  ContactedCastlesWindow* win;
};

QByteArray footer() { return QByteArray(37, ' ') + "ORB_KTL  Revision  1.0.1"; }

}  // namespace

class CastlesTest : public QObject {
  Q_OBJECT
 private slots:
  void lists_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QStringList>("rows");
    // Shorter prefixes first (F is stored with three blanks before it), one
    // row per castle.
    QTest::newRow("xx typed: every prefix")
        << "xx" << false
        << QStringList{"1 F-00007 F6XYZ 10/03/16", "2 F-01051 F1ABC 07/03/16", "3 DL-00002 DL1AA 09/03/16",
                       "4 FR-00009 F5FR 11/03/16", "5 OK-08815 OK1ABC 01/04/17"};
    QTest::newRow("ok typed") << "ok" << false << QStringList{"1 OK-08815 OK1ABC 01/04/17"};
    QTest::newRow("ok pasted matches nothing") << "ok" << true << QStringList{};
    QTest::newRow("F, not FR or DL") << "F" << true
                                     << QStringList{"1 F-00007 F6XYZ 10/03/16", "2 F-01051 F1ABC 07/03/16"};
  }
  void lists() {
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QStringList, rows);
    Castles s;
    if (pasted) {
      s.prefix()->insert(typed);
      s.in<QPushButton>("Afficher")->click();
    } else {
      s.display(typed);
      QCOMPARE(s.prefix()->text(), typed.toUpper());
    }
    QCOMPARE(s.shortRows(), rows);
    QVERIFY(s.p.messages.isEmpty());
  }

  // Every column of a row in its place, from a log line whose fields all differ.
  void rowColumns() {
    Castles s(crlf({kFoix}));
    s.display(QStringLiteral("F"));
    QCOMPARE(s.rows(), QStringList{QString::fromLatin1(kFoixRow)});
  }

  // Saved before the list is built: title, headings and footer only; saved
  // again after it, the same file holds the rows and nothing of the first.
  void savedFile() {
    Castles s(kLog, QStringLiteral("Anglais"));
    s.prefix()->setText(QStringLiteral("OK"));
    s.in<QPushButton>("Enregistrer")->click();
    const QString name = QStringLiteral("F0ORB_Castel_OK_Contacted_31_12_50.txt");
    const QList<QByteArray> empty = s.file(name);
    QCOMPARE(empty.size(), 6);
    QCOMPARE(empty[0], QByteArray(20, ' ') + " Castels contacted by F0ORB at 31/12/2050 in alphanumeric order");
    QCOMPARE(empty[5], footer());
    QCOMPARE(s.p.messages, QStringList{"The log was registered under the name : " + name});

    s.in<QPushButton>("Afficher")->click();
    s.in<QPushButton>("Enregistrer")->click();
    const QList<QByteArray> full = s.file(name);
    QCOMPARE(full.size(), 7);
    QCOMPARE(full.mid(3), (QList<QByteArray>{"", "    1  OK-08815 OK1ABC        01/04/17  10:00  SSB  14 Mhz   59   59   " +
                                                  QByteArray(62, ' ') + ' ',
                                              "", footer()}));
  }

  // The printout: title, headings, rows and footer in order, two empty
  // lines before the footer, read back from the PDF file it was printed to;
  // a long list goes on over the next page, no row lost.
  void printsToPdf() {
    QByteArray log = kLog;
    for (int i = 0; i < 150; ++i) log += logLine("G4AAA", "G", QByteArray::number(10100 + i).constData(), "07/03/16", "10:00") + "\r\n";
    Castles s(log);
    QTemporaryDir dir;
    s.p.printPdf = dir.filePath(QStringLiteral("castles.pdf"));
    s.display(QStringLiteral("XX"));
    s.in<QPushButton>("Imprimer")->click();
    QCOMPARE(s.p.printed.size(), 1);
    const QStringList& lines = s.p.printed[0];
    QCOMPARE(lines.mid(158), (QStringList{s.rows().last(), "", "", lines.last()}));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), s.p.printPdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(pages.contains(QLatin1Char('\f')));  // a second page
    QStringList read;
    for (const QString& l : pages.split('\n'))
      if (!l.trimmed().isEmpty()) read << l.simplified();
    QCOMPARE(read.size(), 158);
    QCOMPARE(read[0], QStringLiteral("Chateaux contactés par F0ORB au 31/12/2050 par ordre alphanumerique"));
    QCOMPARE(read[3], QStringLiteral("2 F-01051 F1ABC 07/03/16 10:00 CW 7 Mhz 57 55 Chateau de Foix *"));
    QVERIFY(read[153].startsWith(QStringLiteral("152 G-10249 G4AAA")));
    QVERIFY(read[156].startsWith(QStringLiteral("155 OK-08815 OK1ABC 01/04/17")));
    QCOMPARE(read[157], QStringLiteral("ORB_KTL Revision 1.0.1"));
  }

  void noPrinter() {
    Castles s(kLog, QStringLiteral("Anglais"));
    s.p.printAnswer = PrintResult::NoPrinter;
    s.display(QStringLiteral("XX"));
    s.in<QPushButton>("Imprimer")->click();
    QCOMPARE(s.p.messages, QStringList{"No printer is installed: choose \"Print to File (PDF)\" in the print "
                                       "window, or save the list."});
  }

};

QTEST_MAIN(CastlesTest)
#include "test_castles.moc"
