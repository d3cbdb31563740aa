// The cluster's two windows in the program. The band-page window over a
// recording web view: the band it opens on, what Afficher stores and opens,
// the server address set in the window. The live-spot window: the marks kept
// current with the log, a spot put into Main's entry and logged through the
// usual chain, the filters, and a node that the window joins as it opens.
#include "cluster/cluster_window.h"
#include "cluster/spots_window.h"
#include "station_fixture.h"
#include "test_node.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>

using namespace ktl;

namespace {

const QString kServer = "http://dxc.example.org";
QUrl page(const char* name) { return QUrl(kServer + "/dxc/" + name); }

struct Cluster : StationFixture {
  using StationFixture::StationFixture;
  // A setting of the station, or of every station.
  QString get(const char* key, bool common = false) const {
    return p.setting(common ? kCommonSection : stationSection(call), key);
  }
  void set(const char* key, const QString& value, bool common = false) {
    p.setSetting(common ? kCommonSection : stationSection(call), key, value);
  }
};

// A node's line, taken in at once.
void feed(SpotsWindow* win, const char* line) {
  emit win->client().lineReceived(QString::fromUtf8(line));
  win->takeSpots();
}
QTableView* table(SpotsWindow* win) { return Cluster::in<QTableView>(win, "Liste_SP"); }
QStringList column(SpotsWindow* win, int column = SpotTableModel::Status) { return columnOf(table(win), column); }

const QByteArray kLog = crlf({logLine("F5ABC", "F", "01051", "01/02/16", "10:00", "CW", "1.8 Mhz"),
                              logLine("I2ABC", "I", "123", "02/02/16", "11:00", "SSB", "7 MHZ")});

// The spots of the marks test, oldest first (the table shows them newest first).
const char* const kSpots[] = {
    "DX de OK1KTL:   1825.0  F5XYZ   COTA F-01051      1230Z",  // worked on 160 m
    "DX de OK1KTL:   7012.0  F5XYZ   KTL F-1051        1231Z",  // worked on another band
    "DX de OK1KTL:   7012.0  OK1ABC  KTL OK-08815      1232Z",  // new
    "DX de OK1KTL:   1840.0  F5ABC   cq                1233Z",  // the log's callsign, on 160 m
    "DX de OK1KTL:   5357.0  F5XYZ   wca F-01051       1234Z",  // no band of the log
    "DX de OK1KTL:   7012.0  I2XYZ   KTL I-123         1235Z",  // a log band text none of the twelve
    "DX de OK1KTL:  21012.0  DL1XYZ  qrv               1236Z",  // nothing to mark
};

}  // namespace

class ClusterWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  // The stored band is selected and its page opened; the arrow keys and
  // Enter show another band and store it. One window however often asked.
  void opensOnStoredBandThenKeyboard() {
    Cluster s;
    s.set("Adresse Cluster", kServer, true);
    s.set("bande Cluster", "12");
    auto* win = s.open<ClusterWindow>("Mnu_Cluster");
    auto* bands = Cluster::in<QComboBox>(win, "Bande_CL");
    QCOMPARE(bands->itemText(0) + '|' + bands->itemText(13) + '|' + bands->currentText(), "All HF|All VHF|432 Mhz");
    QCOMPARE(bands->lineEdit()->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(s.p.pagesOpened, QList<QUrl>{page("top_50_430_MHz.html")});

    QCOMPARE(win->focusWidget(), bands);
    for (int i = 0; i < 7; ++i) QTest::keyClick(bands, Qt::Key_Up);
    QCOMPARE(s.p.pagesOpened.size(), 1);  // choosing alone opens nothing
    QTest::keyClick(bands, Qt::Key_Return);
    QVERIFY(s.p.pagesOpened.last() == page("top_50_14_MHz.html") && s.get("bande Cluster") == "5");
    QVERIFY(s.open<ClusterWindow>("Mnu_Cluster") == win && s.p.pagesOpened.size() == 2);
    QTest::keyClick(bands, Qt::Key_Escape);
    QVERIFY(!win->isVisible());
  }

  // Without a server the view gets a page of ours, in the language, saying
  // where to set one; the band is stored all the same. A refused address is
  // said in the language and not stored; an accepted one is kept without its
  // trailing slash and its page opened. Captions and the names a screen
  // reader gives follow the language.
  void serverAddressAndLanguage() {
    Cluster s({}, "Anglais");
    auto* win = s.open<ClusterWindow>("Mnu_Cluster");
    QVERIFY(s.p.pagesOpened.isEmpty());
    QCOMPARE(s.p.pagesShown.size(), 1);
    QVERIFY(s.p.pagesShown[0].contains(u"No cluster server is set."));
    QVERIFY(s.p.pagesShown[0].contains(u"in the \u201cServer address\u201d field"));
    QCOMPARE(s.get("bande Cluster"), "0");

    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(Cluster::in<QLabel>(win, "Label1")->text(), "Cluster aggiornato ogni minuto");
    QCOMPARE(Cluster::in<QComboBox>(win, "Bande_CL")->accessibleName(), "Banda");
    QVERIFY(s.p.pagesShown.last().contains(u"nel campo «Indirizzo del server»"));

    auto* address = Cluster::in<QLineEdit>(win, "Adresse_CL");
    address->setText("https://d\u0445c.example.org");  // a Cyrillic look-alike: refused, nothing stored
    QTest::keyClick(address, Qt::Key_Return);
    QCOMPARE(s.p.messages, QStringList{"Indirizzo rifiutato: il nome del server accetta solo lettere senza accento, "
                                       "cifre, punti e trattini, 253 al massimo. Un nome scritto in un altro alfabeto "
                                       "si inserisce nella sua forma xn--\u2026"});
    QCOMPARE(s.get("Adresse Cluster", true), "<absent>");
    address->setText("http://dxc.example.org/");
    Cluster::in<QPushButton>(win, "Enregistre_CL")->click();
    QCOMPARE(s.get("Adresse Cluster", true) + '|' + address->text(), kServer + '|' + kServer);
    QCOMPARE(s.p.pagesOpened, QList<QUrl>{page("top_250_HF.html")});
  }

  // One window however often asked, its title, menu item and marks in the
  // language; the table is told its rows changed.
  void oneWindowInEachLanguage() {
    Cluster s;
    auto* win = s.open<SpotsWindow>("Mnu_Spots");
    QVERIFY(win->isVisible() && !win->isModal());
    QCOMPARE(s.open<SpotsWindow>("Mnu_Spots"), win);
    feed(win, "DX de OK1KTL: 7012.0 OK1ABC KTL OK-08815 1232Z");
    QSignalSpy changed(table(win)->model(), &QAbstractItemModel::dataChanged);
    const auto titles = [&] { return win->windowTitle() + '|' + s.c<QAction>("Mnu_Spots")->text() + '|' + column(win)[0]; };
    QCOMPARE(titles(), "Spots en direct|Spots en direct|NOUVEAU");
    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(titles(), "Spot in diretta|Spot in diretta|NUOVO");
    QCOMPARE(changed.size(), 1);
  }

  // Each spot marked from the log, by text, colour and spoken row; the
  // marks follow a commit, a deletion, an import and a change of station.
  void marksFollowTheLog() {
    Cluster s(kLog, "Anglais");
    auto* win = s.open<SpotsWindow>("Mnu_Spots");
    for (const char* line : kSpots) feed(win, line);
    feed(win, "WWV de W0MU <18>:   SFI=150, A=8, K=2");
    feed(win, "To ALL de F5XYZ: qrv\x7f\x7f\x7f" "castle tonight");
    QCOMPARE(column(win), (QStringList{"", "WORKED", "WORKED", "WORKED ON THIS BAND (call)", "NEW", "WORKED",
                                       "WORKED ON THIS BAND"}));
    QCOMPARE(Cluster::in<QPlainTextEdit>(win, "Console_SP")->toPlainText(),
             "WWV de W0MU <18>:   SFI=150, A=8, K=2\nTo ALL de F5XYZ: castle tonight");
    // A fixed colour comes with its text colour.
    const QAbstractItemModel* m = table(win)->model();
    QCOMPARE(m->index(4, SpotTableModel::Time).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 200, 200));
    QCOMPARE(m->index(4, SpotTableModel::Time).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    QVERIFY(!m->index(0, 0).data(Qt::BackgroundRole).isValid());
    // A screen reader hears each cell's own text: the row once.
    QCOMPARE(m->index(4, SpotTableModel::Comment).data(Qt::AccessibleTextRole).toString(), "KTL OK-08815");
    QCOMPARE(m->index(4, SpotTableModel::Status).data(Qt::AccessibleTextRole).toString(), "NEW");

    // Enter on the new castle: Main's fields, and nothing logged yet.
    const auto enterOn = [&](int row) {
      table(win)->setCurrentIndex(m->index(row, 0));
      QTest::keyClick(table(win), Qt::Key_Return);
    };
    enterOn(4);
    QCOMPARE(s.c<QLineEdit>("Ind_A")->text() + '|' + s.c<QLineEdit>("Type_A")->text() + '|' +
                 s.c<QLineEdit>("Ref_A")->text() + '|' + s.c<QComboBox>("Bande_A")->currentText(),
             "OK1ABC|OK|08815|7.0 Mhz");
    QCOMPARE(s.w.focusWidget(), s.c("Ind_A"));
    QVERIFY(!s.c("Type_A")->isEnabled());
    QCOMPARE(s.lines().size(), 2);
    // The operator goes on through the chain and commits.
    const auto pressEnter = [&](std::initializer_list<const char*> fields) {
      for (const char* f : fields) QTest::keyClick(s.c(f), Qt::Key_Return);
    };
    pressEnter({"Ind_A", "Type_A", "Ref_A", "Mode_A", "Bande_A", "RST_A", "RST_B", "Rem_A", "QSL_A"});
    QVERIFY(s.p.messages.isEmpty());
    QSignalSpy changed(m, &QAbstractItemModel::dataChanged);
    s.commit();
    QCOMPARE(s.lines().size(), 3);
    QCOMPARE(s.lines().last(), logLine("OK1ABC", "OK", "08815", "04/03/16", "09:05", "SSB", "7.0 Mhz"));
    QCOMPARE(column(win).at(4), "WORKED ON THIS BAND");
    QVERIFY(!changed.isEmpty() && changed.last()[0].toModelIndex().row() <= 4 &&
            changed.last()[1].toModelIndex().row() >= 4);

    // Deleted again (the committed QSO is the one selected).
    s.p.answers << true;
    s.c<QPushButton>("Annule_Saisie")->click();
    QCOMPARE(s.lines().size(), 2);
    QCOMPARE(column(win).at(4), "NEW");

    // A spot of a castle in the log, taken while a QSO of the list is open
    // for a change: a new QSO, and the chain warns as for a typed one.
    s.c<QListView>("Liste_KTL")->doubleClicked(s.state.logModel().index(0));
    enterOn(6);
    pressEnter({"Ind_A", "Type_A", "Ref_A"});
    QCOMPARE(s.p.messages, QStringList{"Chateau already contacted 01/02/16"});
    QCOMPARE(s.w.focusWidget(), s.c("Mode_A"));

    // An import rewrites the log.
    s.p.writeLog(s.call, kLog + crlf({logLine("OK1ABC", "OK", "8815", "03/02/16", "12:00", "CW", "3.5 Mhz")}));
    s.program->windows.showImportedLog();
    QCOMPARE(column(win).at(4), "WORKED");

    // Another station, another log.
    s.p.writeLog("F0ORB_P", crlf({logLine("OK1ABC", "OK", "08815", "03/02/16", "12:00")}));
    QVERIFY(s.state.changeStation("F0ORB_P").ok());
    QCOMPARE(column(win), (QStringList{"", "NEW", "NEW", "", "WORKED", "NEW", "NEW"}));
  }

  // Filters keep to the last 1,000 spots and are kept per station.
  void filtersAndCapacity() {
    Cluster s;
    auto* win = s.open<SpotsWindow>("Mnu_Spots");
    for (int i = 0; i < 1003; ++i) {
      const QByteArray call = (i % 2 ? "OK1" : "DL1") + QByteArray::number(i);
      feed(win, (i % 2 ? "DX de OK1KTL: 7012.0 " + call + " KTL OK-08815 1232Z"
                       : "DX de OK1KTL: 14012.0 " + call + " cq 1236Z").constData());
    }
    const QAbstractItemModel* m = table(win)->model();
    QCOMPARE(m->rowCount(), 1000);
    QCOMPARE(m->index(0, SpotTableModel::DxCall).data().toString(), "DL11002");
    Cluster::in<QCheckBox>(win, "Chateaux_SP")->setChecked(true);
    QCOMPARE(m->rowCount(), 500);
    feed(win, "DX de OK1KTL: 14012.0 DL1XYZ cq 1237Z");
    feed(win, "DX de OK1KTL: 1812.0 DL1XYZ COTA DL-00001 1237Z");
    // The oldest castle went beyond 1,000 with the first, the new one came in.
    QCOMPARE(m->rowCount(), 500);
    QCOMPARE(m->index(0, SpotTableModel::Reference).data().toString(), "DL-00001");
    auto* band = Cluster::in<QComboBox>(win, "Bande_SP");
    band->setCurrentIndex(band->findText("1.8 Mhz"));
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(s.get("Spots Chateaux") + '|' + s.get("Spots Bande"), "1|1.8 Mhz");
    win->close();
    win = s.open<SpotsWindow>("Mnu_Spots");
    QCOMPARE(Cluster::in<QComboBox>(win, "Bande_SP")->currentText(), "1.8 Mhz");
    QVERIFY(Cluster::in<QCheckBox>(win, "Chateaux_SP")->isChecked());
  }

  // With the node stored for the station, the window logs in at once with
  // the callsign as typed; commands go out from the command line. A host
  // that breaks the servers' rule is refused, nothing stored, no connection.
  void joinsTheStoredNode() {
    Node node;
    const quint16 port = node.listen();
    Cluster s(QByteArray(), "Francais", "F0ORB_P");
    s.set("Spots Hote", "127.0.0.1");
    s.set("Spots Port", QString::number(port));
    auto* win = s.open<SpotsWindow>("Mnu_Spots");
    QVERIFY(node.accept());
    node.send("Please enter your call: ");
    QTRY_COMPARE(node.received, QByteArray("F0ORB/P\r\n"));
    node.send("DX de OK1KTL: 7012.0 OK1ABC KTL OK-08815 1232Z\r\n");
    QTRY_COMPARE(table(win)->model()->rowCount(), 1);
    auto* state = Cluster::in<QLabel>(win, "Etat_SP");
    QVERIFY(state->text().startsWith("Connecté à 127.0.0.1:"));
    auto* command = Cluster::in<QLineEdit>(win, "Commande_SP");
    command->setText("sh/dx 5");
    QTest::keyClick(command, Qt::Key_Return);
    QTRY_COMPARE(node.received, QByteArray("F0ORB/P\r\nsh/dx 5\r\n"));
    Cluster::in<QPushButton>(win, "Connexion_SP")->click();
    QTRY_COMPARE(node.peer->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(state->text(), "Non connecté");
    QVERIFY(s.p.messages.isEmpty());

    auto* host = Cluster::in<QLineEdit>(win, "Hote_SP");
    host->setText("127.0.0.\u0661");  // an Arabic-Indic one
    QTest::keyClick(host, Qt::Key_Return);
    QCOMPARE(s.p.messages, QStringList{"Nœud refusé : son nom ne prend que des lettres sans accent, des chiffres, des "
                                       "points et des tirets, 253 au plus. Un nom écrit dans un autre alphabet s'entre "
                                       "sous sa forme xn--…"});
    QCOMPARE(s.get("Spots Hote"), "127.0.0.1");
    QCOMPARE(win->client().state(), SpotClient::State::Idle);
    QTest::qWait(100);
    QVERIFY(!node.server.hasPendingConnections());
  }

  // The node's longest silence: kept per station, read back (an unusable
  // stored value gives 10 minutes), given to the connection, named in the
  // language; a node silent that long is said so and joined again.
  void silenceLimit() {
    Node node;
    const quint16 port = node.listen();
    Cluster s;
    s.set("Spots Silence", "0");
    s.set("Spots Hote", "127.0.0.1");
    s.set("Spots Port", QString::number(port));
    auto* win = s.open<SpotsWindow>("Mnu_Spots");
    QVERIFY(node.accept());
    auto* silence = Cluster::in<QSpinBox>(win, "Silence_SP");
    QVERIFY(silence->value() == 10 && win->client().idleLimitMs() == 600000);
    QCOMPARE(silence->accessibleName(), "Silence maximal (min)");

    // Reached from the keyboard, after the port.
    Cluster::in<QLineEdit>(win, "Port_SP")->setFocus();
    QTest::keyClick(win->focusWidget(), Qt::Key_Tab);
    QCOMPARE(win->focusWidget(), silence);
    silence->selectAll();
    QTest::keyClicks(silence, "25");
    QCOMPARE(win->client().idleLimitMs(), 600000);  // nothing taken while typing
    QTest::keyClick(silence, Qt::Key_Return);
    QVERIFY(s.get("Spots Silence") == "25" && win->client().idleLimitMs() == 25 * 60000);
    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(silence->accessibleName(), "Silenzio massimo (min)");
    const QPointer<SpotsWindow> closed = win;
    win->close();
    QTRY_VERIFY(!closed);
    win = s.open<SpotsWindow>("Mnu_Spots");
    QVERIFY(Cluster::in<QSpinBox>(win, "Silence_SP")->value() == 25 && win->client().idleLimitMs() == 25 * 60000);
    QVERIFY(node.accept());

    win->client().setIdleLimitMs(300);
    auto* state = Cluster::in<QLabel>(win, "Etat_SP");
    QTRY_COMPARE(state->text(), "Niente dal nodo da 1 s: nuovo tentativo tra 2 s");
    QVERIFY(node.accept());
    QTRY_VERIFY(state->text().startsWith("Connesso a 127.0.0.1:"));
  }
};

QTEST_MAIN(ClusterWindowsTest)
#include "test_cluster_windows.moc"
