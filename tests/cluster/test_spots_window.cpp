// The live-spot window as a hunter uses it: the chosen spot kept through a
// node's flood and the eviction it brings, Enter tuning the rig, alerts for
// new castles, a spot posted from the entry or the log, the castle's name,
// the status column in every language, the retry countdown, and a screen
// reader kept to a few table changes however fast spots come (the real
// accessibility layer under a flood: bench/spots_window.sh).
#include "awards/award_list.h"
#include "cluster/spots_window.h"
#include "extras/extras_store.h"
#include "station_fixture.h"
#include "test_node.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableView>

using namespace ktl;

namespace {

// The station's rig as the state hands it out, answering or not.
class FakeRig : public RigLink {
 public:
  bool up = true;
  qint64 hz = 0;
  QStringList tunes;  // "hz mode", in order
  bool linkUp() const override { return up; }
  qint64 frequencyHz() const override { return hz; }
  QString hamlibMode() const override { return {}; }
  QString statusText(int) const override { return {}; }
  bool tune(qint64 to, const QString& mode) override {
    if (!up) return false;
    tunes << QString::number(to) + u' ' + mode;
    return true;
  }
};

const QByteArray kLog = crlf({logLine("F5ABC", "F", "01051", "01/02/16", "10:00", "CW", "14 Mhz"),
                              logLine("I2ABC", "I", "123", "02/02/16", "11:00", "SSB", "7.0 Mhz")});

struct Hunt : StationFixture {
  using StationFixture::StationFixture;
  SpotsWindow* open() {
    c<QAction>("Mnu_Spots")->trigger();
    return w.findChild<SpotsWindow*>();
  }
  static void feed(SpotsWindow* win, const QString& line) {
    emit win->client().lineReceived(line);
    win->takeSpots();
  }
  static QTableView* table(SpotsWindow* win) { return in<QTableView>(win, "Liste_SP"); }
  static QString cell(SpotsWindow* win, int row, int column) {
    return table(win)->model()->index(row, column).data().toString();
  }
  // Closed (and gone), then opened anew.
  static void reopen(Hunt& s, SpotsWindow*& win) {
    const QPointer<SpotsWindow> closed = win;
    win->close();
    QTRY_VERIFY(!closed);
    win = s.open();
  }
  void later(int minutes) { p.clock_.instant = p.clock_.instant.addSecs(minutes * 60); }
};

QByteArray spotLine(const QString& call, const char* khz = "7128.0", const char* comment = "cq") {
  return QStringLiteral("DX de OK1KTL:  %1  %2  %3  1232Z\r\n").arg(QLatin1String(khz), call, QLatin1String(comment)).toLatin1();
}

}  // namespace

class SpotsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // The operator chooses VP2MUW; spots from the node follow: it stays at
  // its place on the screen; then 1,500 more, enough to push it out of a
  // full table: it stays selected, in view at the bottom, and Enter takes
  // it.
  void chosenSpotKeptThroughFlood() {
    Node node;
    const quint16 port = node.listen();
    Hunt s;
    s.p.setSetting(stationSection(s.call), QStringLiteral("Spots Hote"), QStringLiteral("127.0.0.1"));
    s.p.setSetting(stationSection(s.call), QStringLiteral("Spots Port"), QString::number(port));
    SpotsWindow* win = s.open();
    QVERIFY(node.accept());
    QByteArray first;
    for (int i = 0; i < 20; ++i) first += spotLine(i == 12 ? QStringLiteral("VP2MUW") : QStringLiteral("ZD%1AA").arg(i), "3542.0");
    node.send(first);
    QTableView* table = Hunt::table(win);
    QTRY_COMPARE(table->model()->rowCount(), 20);
    table->setFocus();
    table->setCurrentIndex(table->model()->index(7, 0));
    QCOMPARE(Hunt::cell(win, 7, SpotTableModel::DxCall), QStringLiteral("VP2MUW"));
    const int shownAt = table->rowViewportPosition(7);

    QByteArray some;
    for (int i = 0; i < 300; ++i) some += spotLine(QStringLiteral("ZB%1UW").arg(i));
    node.send(some);
    QTRY_COMPARE(table->model()->rowCount(), 320);
    QCOMPARE(table->currentIndex().row(), 307);
    QCOMPARE(table->rowViewportPosition(307), shownAt);

    QByteArray flood;
    for (int i = 0; i < 1500; ++i) flood += spotLine(QStringLiteral("ZC%1UW").arg(i));
    node.send(flood);
    QTRY_COMPARE(Hunt::cell(win, 0, SpotTableModel::DxCall), QStringLiteral("ZC1499UW"));
    QCOMPARE(table->model()->rowCount(), SpotTableModel::kCapacity);
    const int row = table->currentIndex().row();
    QCOMPARE(row, SpotTableModel::kCapacity - 1);
    QCOMPARE(Hunt::cell(win, row, SpotTableModel::DxCall), QStringLiteral("VP2MUW"));
    QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(table->selectionModel()->selectedRows().first().row(), row);
    QVERIFY(table->rowViewportPosition(row) >= 0 &&
            table->rowViewportPosition(row) + table->rowHeight(row) <= table->viewport()->height());

    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(s.c<QLineEdit>("Ind_A")->text(), QStringLiteral("VP2MUW"));
    QCOMPARE(s.c<QComboBox>("Bande_A")->currentText(), QStringLiteral("3.5 Mhz"));

    // A filter that keeps it keeps it selected; one that hides it lets it go.
    auto* band = Hunt::in<QComboBox>(win, "Bande_SP");
    band->setCurrentIndex(band->findText(QStringLiteral("3.5 Mhz")));
    QCOMPARE(Hunt::cell(win, table->currentIndex().row(), SpotTableModel::DxCall), QStringLiteral("VP2MUW"));
    band->setCurrentIndex(band->findText(QStringLiteral("7.0 Mhz")));
    QCOMPARE(win->model().pinned(), quint64(0));
  }

  // Enter or a double click: Main's entry, and the rig tuned to the spot in
  // the mode of its comment or of the band plan; a rig that does not answer
  // is not tuned.
  void tunesTheRig_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("tuned");
    QTest::newRow("cw segment") << "DX de OK1KTL: 7012.0 OK1ABC KTL OK-08815 1232Z" << true << "7012000 CW";
    QTest::newRow("ft8 named") << "DX de OK1KTL: 14074.0 DL1FT FT8 -10dB 1232Z" << true << "14074000 PKTUSB";
    QTest::newRow("phone below 10 MHz") << "DX de OK1KTL: 7150.5 F5SSB cq 1232Z" << true << "7150500 LSB";
    QTest::newRow("phone above") << "DX de OK1KTL: 14200.0 G4SSB cq 1232Z" << true << "14200000 USB";
    QTest::newRow("rig not answering") << "DX de OK1KTL: 7012.0 OK1ABC KTL OK-08815 1232Z" << false << "";
  }
  void tunesTheRig() {
    QFETCH(QString, line);
    QFETCH(bool, up);
    QFETCH(QString, tuned);
    Hunt s;
    FakeRig rig;
    rig.up = up;
    s.state.setRig(&rig);
    SpotsWindow* win = s.open();
    Hunt::feed(win, line);
    QTableView* table = Hunt::table(win);
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(s.c<QLineEdit>("Ind_A")->text(), Hunt::cell(win, 0, SpotTableModel::DxCall));
    QCOMPARE(rig.tunes, tuned.isEmpty() ? QStringList() : QStringList{tuned});
    emit table->doubleClicked(table->model()->index(0, 3));
    QCOMPARE(rig.tunes.size(), tuned.isEmpty() ? 0 : 2);
    s.state.setRig(nullptr);
  }

  // A new castle: a notice and a sound, once an hour per castle and band;
  // each can be turned off, and the choice is kept.
  void alertsForNewCastles() {
    Hunt s(kLog);
    SpotsWindow* win = s.open();
    Hunt::feed(win, "DX de OK1KTL: 14025.0 OK1ABC KTL OK-08815 1232Z");
    QCOMPARE(s.p.notices, QStringList{"Nouveau château : OK-08815 | OK1ABC sur 14025.0 kHz (14 Mhz)"});
    QCOMPARE(s.p.sounds, 1);
    s.later(30);
    Hunt::feed(win, "DX de DL1AA: 14027.0 OK1ABC KTL OK-08815 1302Z");  // merged: still once
    Hunt::feed(win, "DX de DL1AA: 14030.0 OK1XYZ KTL OK-08815 1302Z");  // another callsign, same castle
    Hunt::feed(win, "DX de DL1AA: 14031.0 F5XYZ KTL F-01051 1302Z");    // worked
    QCOMPARE(s.p.notices.size(), 1);
    Hunt::feed(win, "DX de DL1AA: 7012.0 OK1ABC KTL OK-08815 1302Z");   // another band
    QCOMPARE(s.p.notices.size(), 2);
    QCOMPARE(s.p.sounds, 2);
    s.later(31);
    Hunt::feed(win, "DX de DL1AA: 14025.0 OK1ABC KTL OK-08815 1333Z");
    QCOMPARE(s.p.notices.size(), 3);

    Hunt::in<QCheckBox>(win, "Notif_SP")->click();
    s.later(1);
    Hunt::feed(win, "DX de DL1AA: 14025.0 OK1ABC KTL OK-00001 1333Z");
    QCOMPARE(s.p.notices.size(), 3);
    QCOMPARE(s.p.sounds, 4);
    Hunt::in<QCheckBox>(win, "Son_SP")->click();
    Hunt::feed(win, "DX de DL1AA: 14025.0 OK1ABC KTL OK-00002 1333Z");
    QCOMPARE(s.p.sounds, 4);
    QCOMPARE(s.p.setting(stationSection(s.call), QStringLiteral("Spots Notification")) + '|' +
                 s.p.setting(stationSection(s.call), QStringLiteral("Spots Son")),
             QStringLiteral("0|0"));
    Hunt::reopen(s, win);
    QVERIFY(!Hunt::in<QCheckBox>(win, "Notif_SP")->isChecked() && !Hunt::in<QCheckBox>(win, "Son_SP")->isChecked());
  }

  // New castles close together make one notice and one sound, at most
  // every five seconds; those that come within the gap are told after it.
  void alertsGathered() {
    Hunt s(kLog, QStringLiteral("Anglais"));
    SpotsWindow* win = s.open();
    for (const char* line : {"DX de OK1KTL: 14025.0 OK1ABC KTL OK-08815 1232Z", "DX de OK1KTL: 7025.0 DL1AB COTA DL-00001 1232Z",
                             "DX de OK1KTL: 7025.0 F5XYZ KTL F-01051 1232Z"})  // the last one worked
      emit win->client().lineReceived(QString::fromLatin1(line));
    win->takeSpots();
    QCOMPARE(s.p.notices, QStringList{"New castles: OK-08815, DL-00001 | OK1ABC OK-08815 on 14025.0 kHz (14 Mhz)\n"
                                      "DL1AB DL-00001 on 7025.0 kHz (7.0 Mhz)"});
    QCOMPARE(s.p.sounds, 1);
    s.p.clock_.instant = s.p.clock_.instant.addSecs(4);
    Hunt::feed(win, "DX de OK1KTL: 7030.0 I2XYZ KTL I-00042 1232Z");
    QCOMPARE(s.p.notices.size(), 1);
    s.p.clock_.instant = s.p.clock_.instant.addSecs(1);
    win->takeSpots();  // as the window's timer does
    QCOMPARE(s.p.notices.last(), QStringLiteral("New castle: I-00042 | I2XYZ on 7030.0 kHz (7.0 Mhz)"));
    QCOMPARE(s.p.sounds, 2);
  }

  // The age limit and the mode filter are the station's: set in the
  // window, applied at once, read back when it opens again.
  void ageAndModeKept() {
    Hunt s;
    SpotsWindow* win = s.open();
    auto* age = Hunt::in<QSpinBox>(win, "Age_SP");
    QCOMPARE(age->value(), 30);
    Hunt::feed(win, "DX de OK1KTL: 14200.0 G4SSB cq 1232Z");
    Hunt::feed(win, "DX de OK1KTL: 14025.0 OK1CW cq 1232Z");
    s.later(6);
    Hunt::feed(win, "DX de OK1KTL: 14026.0 OK2CW cq 1238Z");
    age->setValue(5);
    QCOMPARE(Hunt::table(win)->model()->rowCount(), 1);
    auto* mode = Hunt::in<QComboBox>(win, "Mode_SP");
    QCOMPARE(mode->accessibleName(), QStringLiteral("Mode"));
    mode->setCurrentIndex(mode->findText(QStringLiteral("Phonie")));
    QCOMPARE(Hunt::table(win)->model()->rowCount(), 0);
    const QString section = stationSection(s.call);
    QCOMPARE(s.p.setting(section, QStringLiteral("Spots Age")) + '|' + s.p.setting(section, QStringLiteral("Spots Mode")),
             QStringLiteral("5|PHONE"));
    Hunt::reopen(s, win);
    QCOMPARE(Hunt::in<QSpinBox>(win, "Age_SP")->value(), 5);
    QCOMPARE(Hunt::in<QComboBox>(win, "Mode_SP")->currentText(), QStringLiteral("Phonie"));
  }

  // The award's list names the castle in the table and in the notice.
  void castleNames() {
    Hunt s({}, QStringLiteral("Anglais"));
    const QString csv = s.p.dataDir() + QStringLiteral("/list.csv");
    writeFile(csv, "OK-08815;Hrad Karl\xc5\xa1tejn\r\nF-01051;Ch\xc3\xa2teau de Test\r\n");
    QVERIFY(AwardListStore::of(s.state).import(csv, s.p.clock_.instant).ok());
    SpotsWindow* win = s.open();
    Hunt::feed(win, "DX de OK1KTL: 7012.0 OK1ABC KTL OK-8815 1232Z");
    Hunt::feed(win, "DX de OK1KTL: 7013.0 DL1AB cq 1232Z");
    QCOMPARE(Hunt::cell(win, 1, SpotTableModel::CastleName), QStringLiteral("Hrad Karlštejn"));
    QCOMPARE(Hunt::cell(win, 0, SpotTableModel::CastleName), QString());
    QCOMPARE(s.p.notices, QStringList{"New castle: OK-08815 Hrad Karlštejn | OK1ABC on 7012.0 kHz (7.0 Mhz)"});
  }

  // From the last QSO of the log (its frequency stored beside it), or from
  // the entry (the rig's frequency, else a place left to type it): the
  // command waits in the command field; Escape drops it.
  void postsASpot() {
    Hunt s(kLog);
    {
      ExtrasStore store(s.p.logPath(s.call));
      const QByteArray last = logLine("I2ABC", "I", "123", "02/02/16", "11:00", "SSB", "7.0 Mhz");
      QVERIFY(store.add(last, entryFields(last, {"SSB", "SSB", "", "7.0125"})));
    }
    SpotsWindow* win = s.open();
    auto* command = Hunt::in<QLineEdit>(win, "Commande_SP");
    Hunt::in<QPushButton>(win, "AnnonceDernier_SP")->click();
    QCOMPARE(command->text(), QStringLiteral("DX 7012.5 I2ABC KTL I-00123"));
    QCOMPARE(win->focusWidget(), command);
    QVERIFY(Hunt::in<QPlainTextEdit>(win, "Console_SP")->toPlainText().endsWith(
        QStringLiteral("Vérifiez l'annonce (la fréquence en kHz) : Entrée l'envoie, Échap l'abandonne")));
    QTest::keyClick(command, Qt::Key_Escape);
    QCOMPARE(command->text(), QString());
    QVERIFY(win->isVisible());

    s.c<QLineEdit>("Ind_A")->setText(QStringLiteral("dl1xyz"));
    s.c<QLineEdit>("Type_A")->setText(QStringLiteral("DL"));
    s.c<QLineEdit>("Ref_A")->setText(QStringLiteral("42"));
    Hunt::in<QPushButton>(win, "Annonce_SP")->click();
    QCOMPARE(command->text(), QStringLiteral("DX  DL1XYZ KTL DL-00042"));
    QCOMPARE(command->cursorPosition(), 3);
    FakeRig rig;
    rig.hz = 14025300;
    s.state.setRig(&rig);
    Hunt::in<QPushButton>(win, "Annonce_SP")->click();
    QCOMPARE(command->text(), QStringLiteral("DX 14025.3 DL1XYZ KTL DL-00042"));
    s.state.setRig(nullptr);

    s.c<QLineEdit>("Ind_A")->clear();
    Hunt::in<QPushButton>(win, "Annonce_SP")->click();
    QCOMPARE(s.p.messages, QStringList{"Aucun QSO à annoncer : entrez d'abord son indicatif dans la saisie"});
  }

  void postWithEmptyLog() {
    Hunt s;
    SpotsWindow* win = s.open();
    Hunt::in<QPushButton>(win, "AnnonceDernier_SP")->click();
    QCOMPARE(s.p.messages, QStringList{"Aucun QSO à annoncer : le log est vide"});
    QCOMPARE(Hunt::in<QLineEdit>(win, "Commande_SP")->text(), QString());
  }

  // Every status fits its column, as the table's own delegate measures it,
  // in each language.
  void statusColumnFits_data() {
    QTest::addColumn<QString>("language");
    for (const char* l : {"Francais", "Anglais", "Italien", "Allemand"}) QTest::newRow(l) << QString::fromLatin1(l);
  }
  void statusColumnFits() {
    QFETCH(QString, language);
    Hunt s(kLog, language);
    SpotsWindow* win = s.open();
    for (const char* line : {"DX de OK1KTL: 14025.0 F5XYZ COTA F-01051 1230Z", "DX de OK1KTL: 7012.0 F5XYZ KTL F-1051 1231Z",
                             "DX de OK1KTL: 7012.0 OK1ABC KTL OK-08815 1232Z", "DX de OK1KTL: 14200.0 F5ABC cq 1233Z",
                             "DX de OK1KTL: 21200.0 F5ABC cq 1233Z"})
      Hunt::feed(win, QString::fromLatin1(line));
    QTableView* table = Hunt::table(win);
    QStyleOptionViewItem option;
    option.initFrom(table);
    QSet<QString> statuses;
    for (int r = 0; r < table->model()->rowCount(); ++r) {
      const QModelIndex i = table->model()->index(r, SpotTableModel::Status);
      statuses << i.data().toString();
      QVERIFY2(table->itemDelegate()->sizeHint(option, i).width() <= table->columnWidth(SpotTableModel::Status),
               qPrintable(i.data().toString()));
    }
    QCOMPARE(statuses.size(), 5);
  }

  // While waiting for the next try the state counts the seconds down.
  void retryCountsDown() {
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    Hunt s;
    SpotsWindow* win = s.open();
    win->client().setBackoff({3000, 60000, 60000, 20000});
    Hunt::in<QLineEdit>(win, "Hote_SP")->setText(QStringLiteral("127.0.0.1"));
    Hunt::in<QLineEdit>(win, "Port_SP")->setText(QString::number(port));
    Hunt::in<QPushButton>(win, "Connexion_SP")->click();
    auto* state = Hunt::in<QLabel>(win, "Etat_SP");
    QTRY_VERIFY(state->text().startsWith(QStringLiteral("Nouvel essai dans 3 s")));
    QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QStringLiteral("Nouvel essai dans 2 s")), 2500);
    QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QStringLiteral("Nouvel essai dans 1 s")), 2500);
  }

  // What a screen reader is told follows the model's changes, one event
  // each: a flood of 3,000 spots reaches it as a few changes per take,
  // consistent ones (the model tester checks every change), never as a
  // reset; and each spot's row is read once, every cell its own text.
  void screenReaderUnderFlood() {
    Hunt s(kLog);
    SpotsWindow* win = s.open();
    QTableView* table = Hunt::table(win);
    QAbstractItemModelTester tester(table->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    Hunt::feed(win, "DX de OK1KTL: 7012.0 OK1ABC KTL OK-08815 1232Z");
    table->setCurrentIndex(table->model()->index(0, 0));
    int changes = 0, resets = 0;
    const auto count = [&changes] { ++changes; };
    connect(table->model(), &QAbstractItemModel::rowsInserted, this, count);
    connect(table->model(), &QAbstractItemModel::rowsRemoved, this, count);
    connect(table->model(), &QAbstractItemModel::rowsMoved, this, count);
    connect(table->model(), &QAbstractItemModel::dataChanged, this, count);
    connect(table->model(), &QAbstractItemModel::layoutChanged, this, [&resets] { ++resets; });
    connect(table->model(), &QAbstractItemModel::modelReset, this, [&resets] { ++resets; });
    for (int take = 0; take < 10; ++take) {
      for (int i = 0; i < 300; ++i)
        emit win->client().lineReceived(QString::fromLatin1(spotLine(QStringLiteral("ZC%1UW").arg(take * 300 + i))).trimmed());
      QTRY_COMPARE(win->model().queued(), qsizetype(0));
    }
    QCOMPARE(resets, 0);
    QVERIFY2(changes <= 3 * 10, qPrintable(QString::number(changes)));
    QCOMPARE(Hunt::cell(win, table->currentIndex().row(), SpotTableModel::DxCall), QStringLiteral("OK1ABC"));

    QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(table)->tableInterface();
    const int row = table->currentIndex().row();
    QStringList spoken;
    for (int c = 0; c < cells->columnCount(); ++c)
      if (const QString t = cells->cellAt(row, c)->text(QAccessible::Name); !t.isEmpty()) spoken << t;
    QCOMPARE(spoken.join(QStringLiteral(", ")),
             QStringLiteral("12:32, 7012.0, 7.0 Mhz, OK1ABC, OK-08815, NOUVEAU, 1, KTL OK-08815, OK1KTL"));
  }
};

QTEST_MAIN(SpotsWindowTest)
#include "test_spots_window.moc"
