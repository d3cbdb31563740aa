// The live-spot window in the program: the marks kept current with the
// log, a spot put into Main's entry and logged through the usual chain,
// the filters, and a node that the window joins as it opens.
#include "cluster/spots_window.h"
#include "station_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace ktl;

namespace {

const QByteArray kLog = crlf({logLine("F5ABC", "F", "01051", "01/02/16", "10:00", "CW", "14 Mhz"),
                              logLine("I2ABC", "I", "123", "02/02/16", "11:00", "SSB", "7 MHZ")});

struct Spots : StationFixture {
  using StationFixture::StationFixture;
  SpotsWindow* open() {
    c<QAction>("Mnu_Spots")->trigger();
    return w.findChild<SpotsWindow*>();
  }
  static void feed(SpotsWindow* win, const char* line) { emit win->client().lineReceived(QString::fromUtf8(line)); }
  static QTableView* table(SpotsWindow* win) { return win->findChild<QTableView*>(QStringLiteral("Liste_SP")); }
  // Column `column` of every row, top to bottom.
  static QStringList column(SpotsWindow* win, int column) {
    QStringList out;
    const auto* m = table(win)->model();
    for (int r = 0; r < m->rowCount(); ++r) out << m->index(r, column).data().toString();
    return out;
  }
  static QStringList statuses(SpotsWindow* win) { return column(win, SpotTableModel::Status); }
  void enterOn(SpotsWindow* win, int row) {
    table(win)->setCurrentIndex(table(win)->model()->index(row, 0));
    QTest::keyClick(table(win), Qt::Key_Return);
  }
  void pressEnter(std::initializer_list<const char*> fields) {
    for (const char* f : fields) QTest::keyClick(c(f), Qt::Key_Return);
  }
};

// The spots of the marks test, oldest first (the table shows them newest first).
const char* const kSpots[] = {
    "DX de OK1KTL:  14025.0  F5XYZ   COTA F-01051      1230Z",  // worked on 14
    "DX de OK1KTL:   7012.0  F5XYZ   KTL F-1051        1231Z",  // worked on another band
    "DX de OK1KTL:   7012.0  OK1ABC  KTL OK-08815      1232Z",  // new
    "DX de OK1KTL:  14200.0  F5ABC   cq                1233Z",  // the log's callsign, on 14
    "DX de OK1KTL:   5357.0  F5XYZ   wca F-01051       1234Z",  // no band of the log
    "DX de OK1KTL:   7012.0  I2XYZ   KTL I-123         1235Z",  // a log band text none of the twelve
    "DX de OK1KTL:  21012.0  DL1XYZ  qrv               1236Z",  // nothing to mark
};

}  // namespace

class SpotsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void oneWindowInEachLanguage() {
    Spots s;
    QAction* item = s.c<QAction>("Mnu_Spots");
    QVERIFY(item->isVisible());
    QCOMPARE(item->text(), QStringLiteral("Spots en direct"));
    SpotsWindow* win = s.open();
    QVERIFY(win->isVisible() && !win->isModal());
    QCOMPARE(win->windowTitle(), QStringLiteral("Spots en direct"));
    s.open();
    QCOMPARE(s.w.findChildren<SpotsWindow*>().size(), 1);
    s.c<QAction>("Mnu_Anglais")->trigger();
    QCOMPARE(win->windowTitle(), QStringLiteral("Live spots"));
    QCOMPARE(item->text(), QStringLiteral("Live spots"));
    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(win->windowTitle(), QStringLiteral("Spot in diretta"));
    QCOMPARE(Spots::table(win)->model()->headerData(SpotTableModel::Status, Qt::Horizontal).toString(),
             QStringLiteral("Stato"));
  }

  // Each spot marked from the log, by text, colour and spoken row; the
  // marks follow a commit, a deletion, an import and a change of station.
  void marksFollowTheLog() {
    Spots s(kLog, QStringLiteral("Anglais"));
    SpotsWindow* win = s.open();
    for (const char* line : kSpots) Spots::feed(win, line);
    Spots::feed(win, "WWV de W0MU <18>:   SFI=150, A=8, K=2");
    const QStringList marked{"",      "WORKED",        "WORKED", "WORKED ON THIS BAND (call)",
                             "NEW",   "WORKED",        "WORKED ON THIS BAND"};
    QCOMPARE(Spots::statuses(win), marked);
    QCOMPARE(Spots::column(win, SpotTableModel::Reference),
             (QStringList{"", "I-00123", "F-01051", "", "OK-08815", "F-01051", "F-01051"}));
    QCOMPARE(Spots::column(win, SpotTableModel::Band),
             (QStringList{"21 Mhz", "7.0 Mhz", "", "14 Mhz", "7.0 Mhz", "7.0 Mhz", "14 Mhz"}));
    QCOMPARE(win->findChild<QPlainTextEdit*>(QStringLiteral("Console_SP"))->toPlainText(),
             QStringLiteral("WWV de W0MU <18>:   SFI=150, A=8, K=2"));
    const QAbstractItemModel* m = Spots::table(win)->model();
    QCOMPARE(m->index(4, SpotTableModel::Time).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 200, 200));
    QCOMPARE(m->index(4, SpotTableModel::Comment).data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("OK1ABC, OK-08815, NEW, 7012.0, 7.0 Mhz, 12:32, KTL OK-08815, OK1KTL"));
    QVERIFY(!m->index(0, 0).data(Qt::BackgroundRole).isValid());

    // Enter on the new castle: Main's fields, and nothing logged yet.
    s.enterOn(win, 4);
    QCOMPARE(s.c<QLineEdit>("Ind_A")->text(), QStringLiteral("OK1ABC"));
    QCOMPARE(s.c<QLineEdit>("Type_A")->text(), QStringLiteral("OK"));
    QCOMPARE(s.c<QLineEdit>("Ref_A")->text(), QStringLiteral("08815"));
    QCOMPARE(s.c<QComboBox>("Bande_A")->currentText(), QStringLiteral("7.0 Mhz"));
    QCOMPARE(s.w.focusWidget(), s.c("Ind_A"));
    QVERIFY(!s.c("Type_A")->isEnabled());
    QCOMPARE(s.lines().size(), 2);
    // The operator goes on through the chain and commits.
    s.pressEnter({"Ind_A", "Type_A", "Ref_A", "Mode_A", "Bande_A", "RST_A", "RST_B", "Rem_A", "QSL_A"});
    QVERIFY(s.p.messages.isEmpty());
    s.p.answers << true;
    s.c<QPushButton>("Valide_A")->click();
    QCOMPARE(s.lines().size(), 3);
    QCOMPARE(s.lines().last(), logLine("OK1ABC", "OK", "08815", "04/03/16", "09:05", "SSB", "7.0 Mhz"));
    QCOMPARE(Spots::statuses(win).at(4), QStringLiteral("WORKED ON THIS BAND"));

    // Deleted again (the committed QSO is the one selected).
    s.p.answers << true;
    s.c<QPushButton>("Annule_Saisie")->click();
    QCOMPARE(s.lines().size(), 2);
    QCOMPARE(Spots::statuses(win).at(4), QStringLiteral("NEW"));

    // A spot of a castle in the log, taken while a QSO of the list is open
    // for a change: a new QSO, and the chain warns as for a typed one.
    s.c<QListView>("Liste_KTL")->doubleClicked(s.state.logModel().index(0));
    s.enterOn(win, 6);
    s.pressEnter({"Ind_A", "Type_A", "Ref_A"});
    QCOMPARE(s.p.messages, QStringList{QStringLiteral("Chateau already contacted 01/02/16")});
    QCOMPARE(s.w.focusWidget(), s.c("Mode_A"));

    // An import rewrites the log.
    s.p.writeLog(s.call, kLog + crlf({logLine("OK1ABC", "OK", "8815", "03/02/16", "12:00", "CW", "3.5 Mhz")}));
    s.state.announceImport();
    QCOMPARE(Spots::statuses(win).at(4), QStringLiteral("WORKED"));

    // Another station, another log.
    s.p.writeLog(QStringLiteral("F0ORB_P"), crlf({logLine("OK1ABC", "OK", "08815", "03/02/16", "12:00")}));
    QVERIFY(s.state.changeStation(QStringLiteral("F0ORB_P")).ok());
    QCOMPARE(Spots::statuses(win), (QStringList{"", "NEW", "NEW", "", "WORKED", "NEW", "NEW"}));
  }

  // Filters keep to the last 1,000 spots and are kept per station.
  void filtersAndCapacity() {
    Spots s;
    SpotsWindow* win = s.open();
    for (int i = 0; i < 1003; ++i)
      Spots::feed(win, i % 2 ? "DX de OK1KTL: 7012.0 OK1ABC KTL OK-08815 1232Z"
                             : "DX de OK1KTL: 14012.0 DL1XYZ cq 1236Z");
    const QAbstractItemModel* m = Spots::table(win)->model();
    QCOMPARE(m->rowCount(), 1000);
    QCOMPARE(m->index(0, SpotTableModel::DxCall).data().toString(), QStringLiteral("DL1XYZ"));
    win->findChild<QCheckBox*>(QStringLiteral("Chateaux_SP"))->setChecked(true);
    QCOMPARE(m->rowCount(), 500);
    Spots::feed(win, "DX de OK1KTL: 14012.0 DL1XYZ cq 1237Z");
    Spots::feed(win, "DX de OK1KTL: 14012.0 DL1XYZ COTA DL-00001 1237Z");
    // The oldest castle went beyond 1,000 with the first, the new one came in.
    QCOMPARE(m->rowCount(), 500);
    QCOMPARE(m->index(0, SpotTableModel::Reference).data().toString(), QStringLiteral("DL-00001"));
    auto* band = win->findChild<QComboBox*>(QStringLiteral("Bande_SP"));
    band->setCurrentIndex(band->findText(QStringLiteral("14 Mhz")));
    QCOMPARE(m->rowCount(), 1);
    const QString section = stationSection(s.call);
    QCOMPARE(s.p.setting(section, QStringLiteral("Spots Chateaux")), QStringLiteral("1"));
    QCOMPARE(s.p.setting(section, QStringLiteral("Spots Bande")), QStringLiteral("14 Mhz"));
    win->close();
    win = s.open();
    QCOMPARE(win->findChild<QComboBox*>(QStringLiteral("Bande_SP"))->currentText(), QStringLiteral("14 Mhz"));
    QVERIFY(win->findChild<QCheckBox*>(QStringLiteral("Chateaux_SP"))->isChecked());
  }

  // With the node stored for the station, the window logs in at once with
  // the callsign as typed; commands go out from the command line.
  void joinsTheStoredNode() {
    QTcpServer node;
    QVERIFY(node.listen(QHostAddress::LocalHost));
    Spots s(QByteArray(), QStringLiteral("Francais"), QStringLiteral("F0ORB_P"));
    s.p.setSetting(stationSection(s.call), QStringLiteral("Spots Hote"), QStringLiteral("127.0.0.1"));
    s.p.setSetting(stationSection(s.call), QStringLiteral("Spots Port"), QString::number(node.serverPort()));
    SpotsWindow* win = s.open();
    QTRY_VERIFY(node.hasPendingConnections());
    QTcpSocket* peer = node.nextPendingConnection();
    QByteArray heard;
    connect(peer, &QTcpSocket::readyRead, peer, [&] { heard += peer->readAll(); });
    peer->write("Please enter your call: ");
    QTRY_COMPARE(heard, QByteArray("F0ORB/P\r\n"));
    peer->write("DX de OK1KTL: 7012.0 OK1ABC KTL OK-08815 1232Z\r\n");
    QTRY_COMPARE(Spots::table(win)->model()->rowCount(), 1);
    QVERIFY(win->findChild<QLabel*>(QStringLiteral("Etat_SP"))->text().startsWith(QStringLiteral("Connecté à 127.0.0.1:")));
    auto* command = win->findChild<QLineEdit*>(QStringLiteral("Commande_SP"));
    command->setText(QStringLiteral("sh/dx 5"));
    QTest::keyClick(command, Qt::Key_Return);
    QTRY_COMPARE(heard, QByteArray("F0ORB/P\r\nsh/dx 5\r\n"));
    win->findChild<QPushButton*>(QStringLiteral("Connexion_SP"))->click();
    QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(win->findChild<QLabel*>(QStringLiteral("Etat_SP"))->text(), QStringLiteral("Non connecté"));
    QVERIFY(s.p.messages.isEmpty());
  }
};

QTEST_MAIN(SpotsWindowTest)
#include "test_spots_window.moc"
