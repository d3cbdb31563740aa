// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Live spots as a hunter uses them. The table on hand-written arrival
// times: one row per callsign and band within ten minutes, rows aged out,
// the queue bounded. The window: the marks kept current with the log, the
// filters and the capacity, the chosen spot kept through a node's flood,
// Enter filling Main and tuning the rig, alerts for new castles, a spot
// posted, the node joined as the window opens, the retry countdown, and a
// screen reader kept to a few table changes however fast spots come (the
// real accessibility layer under a flood: bench/spots_window.sh).
#include "awards/award_list.h"
#include "cluster/spots_window.h"
#include "extras/extras_store.h"
#include "station_fixture.h"
#include "test_node.h"

#include <QtTest>

using namespace ktl;

namespace {

const QDateTime kStart(QDate(2016, 3, 4), QTime(12, 0), Qt::UTC);

QString spot(const char* spotter, const char* khz, const char* call, const char* comment, const char* hhmm) {
  return QStringLiteral("DX de %1: %2 %3 %4 %5Z").arg(spotter, khz, call, comment, hhmm);
}

// The model's rows as "call freq time refs spotters".
QStringList rows(const SpotTableModel& m) {
  QStringList out;
  for (int r = 0; r < m.rowCount(); ++r) {
    QStringList cells;
    for (int c : {SpotTableModel::DxCall, SpotTableModel::Frequency, SpotTableModel::Time, SpotTableModel::Reference,
                  SpotTableModel::Spotters})
      cells << m.index(r, c).data().toString();
    out << cells.join(u' ');
  }
  return out;
}

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

// F-01051 worked on 160 m, I-00123 under a band text none of the twelve.
const QByteArray kLog = crlf({logLine("F5ABC", "F", "01051", "01/02/16", "10:00", "CW", "1.8 Mhz"),
                              logLine("I2ABC", "I", "123", "02/02/16", "11:00", "SSB", "7 MHZ")});

struct Hunt : StationFixture {
  using StationFixture::StationFixture;
  SpotsWindow* open() { return StationFixture::open<SpotsWindow>("Mnu_Spots"); }
  QString get(const char* key) const { return p.setting(stationSection(call), key); }
  void set(const char* key, const QString& value) { p.setSetting(stationSection(call), key, value); }
  void later(int seconds) { p.clock_.instant = p.clock_.instant.addSecs(seconds); }
  // A node's line, taken in at once.
  static void feed(SpotsWindow* win, const QString& line) {
    emit win->client().lineReceived(line);
    win->takeSpots();
  }
  static QTableView* table(SpotsWindow* win) { return in<QTableView>(win, "Liste_SP"); }
  static QString cell(SpotsWindow* win, int row, int column) {
    return table(win)->model()->index(row, column).data().toString();
  }
  static QStringList column(SpotsWindow* win, int column = SpotTableModel::Status) {
    return columnOf(table(win), column);
  }
  // Enter on a row of the table.
  static void enterOn(SpotsWindow* win, int row) {
    table(win)->setCurrentIndex(table(win)->model()->index(row, 0));
    QTest::keyClick(table(win), Qt::Key_Return);
  }
  // Closed (and gone), then opened anew.
  SpotsWindow* reopen(SpotsWindow* win) {
    const QPointer<SpotsWindow> closed = win;
    win->close();
    if (!QTest::qWaitFor([&] { return !closed; })) qFatal("window not gone");
    return open();
  }
};

QByteArray spotLine(const QString& call, const char* khz = "7128.0") {
  return QStringLiteral("DX de OK1KTL:  %1  %2  cq  1232Z\r\n").arg(QLatin1String(khz), call).toLatin1();
}

}  // namespace

class SpotsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // One row per callsign and band, a respot within ten minutes of the
  // last merged into it at its place; rows older than 30 minutes go; the
  // queue waiting for a take is bounded.
  void mergesAndAges() {
    WorkedIndex index;
    SpotTableModel m(index);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const auto at = [&m](int minute, const char* spotter, const char* khz, const char* call, const char* comment) {
      const QString hhmm = kStart.addSecs(minute * 60).toString("hhmm");
      m.add(*parseSpot(spot(spotter, khz, call, comment, qPrintable(hhmm))), kStart.addSecs(minute * 60));
    };
    at(0, "A1AA", "14025.0", "F5ABC", "cq");
    m.apply(kStart);  // merging works across takes as within one
    at(1, "A1AA", "7025.0", "F5ABC", "cq");  // another band
    at(2, "A1AA", "7012.0", "OK1ABC", "KTL OK-08815");
    at(4, "B1BB", "7012.0", "OK1ABC", "tnx");  // keeps the castle
    at(6, "A1AA", "7012.0", "OK1ABC", "now KTL OK-00815");  // the new castle first, a spotter once
    at(10, "B1BB", "14026.0", "F5ABC", "KTL F-01051");  // 10 minutes after: the latest spot of the row
    QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
    m.apply(kStart.addSecs(10 * 60));
    // The view is told the held row changed, that row alone.
    QVERIFY(changed.size() == 1 && changed[0][0].toModelIndex().row() == 2 && changed[0][1].toModelIndex().row() == 2);
    QCOMPARE(rows(m), (QStringList{"OK1ABC 7012.0 12:06 OK-00815 OK-08815 2", "F5ABC 7025.0 12:01  1",
                                   "F5ABC 14026.0 12:10 F-01051 2"}));
    at(21, "C1CC", "14025.0", "F5ABC", "cq");  // 11 minutes after: a row of its own
    m.apply(kStart.addSecs(40 * 60));  // 30 minutes old stays
    QCOMPARE(rows(m), (QStringList{"F5ABC 14025.0 12:21  1", "F5ABC 14026.0 12:10 F-01051 2"}));
    // The queue waiting for a take is bounded.
    for (int i = 0; i < SpotTableModel::kMaxQueued + 500; ++i) at(41, "A1AA", "14025.0", "F5ABC", "cq");
    QCOMPARE(m.queued(), qsizetype(SpotTableModel::kMaxQueued));
  }

  // Each spot marked from the log, by text, colour and spoken row; the
  // marks follow a commit and a change of station (a deletion and an import
  // reload the log as they do) and of language, the table told which rows
  // changed.
  void marksFollowTheLog() {
    Hunt s(kLog, "Anglais");
    auto* win = s.open();
    QVERIFY(win->isVisible() && !win->isModal() && s.open() == win);
    for (const char* line : {
             "DX de OK1KTL:   1825.0  F5XYZ   COTA F-01051      1230Z",  // worked on 160 m
             "DX de OK1KTL:   7012.0  F5XYZ   KTL F-1051        1231Z",  // worked on another band
             "DX de OK1KTL:   7012.0  OK1ABC  KTL OK-08815      1232Z",  // new
             "DX de OK1KTL:   1840.0  F5ABC   cq                1233Z",  // the log's callsign, on 160 m
             "DX de OK1KTL:   5357.0  F5XYZ   wca F-01051       1234Z",  // no band of the log
             "DX de OK1KTL:   7012.0  I2XYZ   KTL I-123         1235Z",  // a log band text none of the twelve
             "DX de OK1KTL:  21012.0  DL1XYZ  qrv               1236Z",  // nothing to mark
             "WWV de W0MU <18>:   SFI=150, A=8, K=2", "To ALL de F5XYZ: qrv\x7f\x7f\x7f" "castle tonight"})
      Hunt::feed(win, line);
    QCOMPARE(Hunt::column(win), (QStringList{"", "WORKED", "WORKED", "WORKED ON THIS BAND (call)", "NEW", "WORKED",
                                             "WORKED ON THIS BAND"}));
    QCOMPARE(Hunt::in<QPlainTextEdit>(win, "Console_SP")->toPlainText(),
             "WWV de W0MU <18>:   SFI=150, A=8, K=2\nTo ALL de F5XYZ: castle tonight");
    // A fixed colour comes with its text colour.
    const QAbstractItemModel* m = Hunt::table(win)->model();
    QCOMPARE(m->index(4, SpotTableModel::Time).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 200, 200));
    QCOMPARE(m->index(4, SpotTableModel::Time).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    QVERIFY(!m->index(0, 0).data(Qt::BackgroundRole).isValid());

    // Enter on the new castle: Main's fields, nothing logged yet; the
    // operator goes on through the chain and commits.
    Hunt::enterOn(win, 4);
    QCOMPARE(s.texts({"Ind_A", "Type_A", "Ref_A", "Bande_A"}), "OK1ABC|OK|08815|7.0 Mhz");
    QVERIFY(s.w.focusWidget() == s.c("Ind_A") && !s.c("Type_A")->isEnabled() && s.lines().size() == 2);
    for (const char* f : {"Ind_A", "Type_A", "Ref_A", "Mode_A", "Bande_A", "RST_A", "RST_B", "Rem_A", "QSL_A"})
      QTest::keyClick(s.c(f), Qt::Key_Return);
    QSignalSpy changed(m, &QAbstractItemModel::dataChanged);
    s.commit();
    QCOMPARE(s.lines().last(), logLine("OK1ABC", "OK", "08815", "04/03/16", "09:05", "SSB", "7.0 Mhz"));
    QCOMPARE(Hunt::column(win).at(4), "WORKED ON THIS BAND");
    QVERIFY(!changed.isEmpty() && changed.last()[0].toModelIndex().row() <= 4 &&
            changed.last()[1].toModelIndex().row() >= 4);

    // Another station, another log.
    s.p.writeLog("F0ORB_P", crlf({logLine("OK1ABC", "OK", "08815", "03/02/16", "12:00")}));
    QVERIFY(s.state.changeStation("F0ORB_P").ok());
    QCOMPARE(Hunt::column(win), (QStringList{"", "NEW", "NEW", "", "WORKED", "NEW", "NEW"}));

    changed.clear();
    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(win->windowTitle() + '|' + s.c<QAction>("Mnu_Spots")->text() + '|' + Hunt::column(win)[1],
             "Spot in diretta|Spot in diretta|NUOVO");
    QCOMPARE(changed.size(), 1);
  }

  // The table keeps the last 1,000 spots; the filters (castles only, band,
  // mode) apply at once, also to spots coming later, and are kept per
  // station.
  void filtersAndCapacity() {
    Hunt s;
    auto* win = s.open();
    for (int i = 0; i < 1003; ++i) {
      const QString call = (i % 2 ? "OK1" : "DL1") + QString::number(i);
      Hunt::feed(win, i % 2 ? spot("OK1KTL", "7012.0", qPrintable(call), "KTL OK-08815", "1232")
                            : spot("OK1KTL", "14012.0", qPrintable(call), "cq", "1232"));
    }
    const QAbstractItemModel* m = Hunt::table(win)->model();
    QCOMPARE(QString::number(m->rowCount()) + ' ' + Hunt::cell(win, 0, SpotTableModel::DxCall), "1000 DL11002");
    Hunt::in<QCheckBox>(win, "Chateaux_SP")->setChecked(true);
    QCOMPARE(m->rowCount(), 500);
    Hunt::feed(win, "DX de OK1KTL: 14012.0 DL1XYZ cq 1237Z");
    Hunt::feed(win, "DX de OK1KTL: 1812.0 DL1XYZ COTA DL-00001 1237Z");
    // The oldest castle went beyond 1,000 with the first, the new one came in.
    QCOMPARE(QString::number(m->rowCount()) + ' ' + Hunt::cell(win, 0, SpotTableModel::Reference), "500 DL-00001");
    Hunt::in<QComboBox>(win, "Bande_SP")->setCurrentText("1.8 Mhz");
    QCOMPARE(m->rowCount(), 1);
    Hunt::in<QComboBox>(win, "Mode_SP")->setCurrentText("Phonie");
    QCOMPARE(m->rowCount(), 0);  // the castle on 160 m is in the CW segment
    QCOMPARE(s.get("Spots Chateaux") + '|' + s.get("Spots Bande") + '|' + s.get("Spots Mode"), "1|1.8 Mhz|PHONE");
    win = s.reopen(win);
    QCOMPARE(StationFixture::textsOf(win, {"Bande_SP", "Mode_SP"}), "1.8 Mhz|Phonie");
    QVERIFY(Hunt::in<QCheckBox>(win, "Chateaux_SP")->isChecked());
  }

  // The operator chooses VP2MUW; spots from the node follow: it stays at
  // its place on the screen; then 1,500 more, enough to push it out of a
  // full table: it stays selected, in view at the bottom, and Enter takes
  // it. A filter that keeps it keeps it; one that hides it lets it go.
  void chosenSpotKeptThroughFlood() {
    Node node;
    Hunt s;
    s.set("Spots Hote", "127.0.0.1");
    s.set("Spots Port", QString::number(node.listen()));
    SpotsWindow* win = s.open();
    QVERIFY(node.accept());
    const auto burst = [&node](const char* calls, int count, const char* khz = "7128.0") {
      QByteArray lines;
      for (int i = 0; i < count; ++i) lines += spotLine(QString::asprintf(calls, i), khz);
      node.send(lines);
    };
    burst("ZD%dAA", 12, "3542.0");
    burst("VP2MUW", 1, "3542.0");
    burst("ZE%dAA", 7, "3542.0");
    QTableView* table = Hunt::table(win);
    QTRY_COMPARE(table->model()->rowCount(), 20);
    table->setFocus();
    table->setCurrentIndex(table->model()->index(7, 0));
    QCOMPARE(Hunt::cell(win, 7, SpotTableModel::DxCall), "VP2MUW");
    const int shownAt = table->rowViewportPosition(7);

    burst("ZB%dUW", 300);
    QTRY_COMPARE(table->model()->rowCount(), 320);
    QCOMPARE(table->currentIndex().row(), 307);
    QCOMPARE(table->rowViewportPosition(307), shownAt);

    burst("ZC%dUW", 1500);
    QTRY_COMPARE(Hunt::cell(win, 0, SpotTableModel::DxCall), "ZC1499UW");
    const int row = table->currentIndex().row();
    QCOMPARE((QList<int>{table->model()->rowCount(), row + 1}), QList<int>(2, SpotTableModel::kCapacity));
    QCOMPARE(Hunt::cell(win, row, SpotTableModel::DxCall), "VP2MUW");
    QCOMPARE(table->selectionModel()->selectedRows(), QModelIndexList{table->model()->index(row, 0)});
    QVERIFY(table->rowViewportPosition(row) >= 0 &&
            table->rowViewportPosition(row) + table->rowHeight(row) <= table->viewport()->height());

    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(s.texts({"Ind_A", "Bande_A"}), "VP2MUW|3.5 Mhz");
    Hunt::in<QComboBox>(win, "Bande_SP")->setCurrentText("3.5 Mhz");
    QCOMPARE(Hunt::cell(win, table->currentIndex().row(), SpotTableModel::DxCall), "VP2MUW");
    Hunt::in<QComboBox>(win, "Bande_SP")->setCurrentText("7.0 Mhz");
    QCOMPARE(win->model().pinned(), quint64(0));
  }

  // Enter on a spot: Main's entry, and the rig tuned to the spot in the
  // mode of its comment or of the band plan (whose rules the rig's tests
  // hold); a rig that does not answer is not tuned.
  void tunesTheRig() {
    Hunt s;
    FakeRig rig;
    s.state.setRig(&rig);
    SpotsWindow* win = s.open();
    Hunt::feed(win, "DX de OK1KTL: 7012.0 OK1ABC KTL OK-08815 1232Z");
    Hunt::feed(win, "DX de OK1KTL: 14074.0 DL1FT FT8 1232Z");
    Hunt::enterOn(win, 1);
    Hunt::enterOn(win, 0);
    // CW in its segment, a data mode named in the comment.
    QCOMPARE(s.c<QLineEdit>("Ind_A")->text() + '|' + rig.tunes.join(u'|'), "DL1FT|7012000 CW|14074000 PKTUSB");
    rig.up = false;
    Hunt::enterOn(win, 1);
    QCOMPARE(s.c<QLineEdit>("Ind_A")->text() + '|' + QString::number(rig.tunes.size()), "OK1ABC|2");
    s.state.setRig(nullptr);
  }

  // A new castle is told at once with a sound, named from the award's list
  // (in the table too); those within the next five seconds are gathered
  // into one notice after the gap. Once an hour per castle and band; the
  // notice and the sound can each be turned off, and the choice is kept.
  void alertsForNewCastles() {
    Hunt s(kLog, "Anglais");
    const QString csv = s.p.dataDir() + "/list.csv";
    writeFile(csv, "OK-08815;Hrad Karl\xc5\xa1tejn\r\n");
    QVERIFY(AwardListStore::of(s.state).import(csv, s.p.clock_.instant).ok());
    SpotsWindow* win = s.open();
    Hunt::feed(win, "DX de OK1KTL: 14025.0 OK1ABC KTL OK-8815 1232Z");
    QCOMPARE(s.p.notices, QStringList{"New castle: OK-08815 Hrad Karlštejn | OK1ABC on 14025.0 kHz (14 Mhz)"});
    s.later(4);
    for (const char* line : {"DX de OK1KTL: 7025.0 DL1AB COTA DL-00001 1232Z",
                             "DX de OK1KTL: 7025.0 F5XYZ KTL F-01051 1232Z",  // worked
                             "DX de OK1KTL: 7030.0 I2XYZ KTL I-00042 1232Z"})
      Hunt::feed(win, line);
    QCOMPARE(Hunt::column(win, SpotTableModel::CastleName), (QStringList{"", "", "", "Hrad Karlštejn"}));
    QVERIFY(s.p.notices.size() == 1 && s.p.sounds == 1);
    s.later(1);
    win->takeSpots();  // as the window's timer does
    QCOMPARE(s.p.notices.last(), "New castles: DL-00001, I-00042 | DL1AB DL-00001 on 7025.0 kHz (7.0 Mhz)\n"
                                 "I2XYZ I-00042 on 7030.0 kHz (7.0 Mhz)");
    QCOMPARE(s.p.sounds, 2);

    s.later(30 * 60);
    Hunt::feed(win, "DX de DL1AA: 14027.0 OK1ABC KTL OK-08815 1302Z");  // within the hour
    Hunt::feed(win, "DX de DL1AA: 14030.0 OK1XYZ KTL OK-08815 1302Z");  // another callsign, same castle
    QCOMPARE(s.p.notices.size(), 2);
    Hunt::feed(win, "DX de DL1AA: 7012.0 OK1ABC KTL OK-08815 1302Z");   // another band
    QVERIFY(s.p.notices.size() == 3 && s.p.sounds == 3);
    s.later(31 * 60);
    Hunt::feed(win, "DX de DL1AA: 14025.0 OK1ABC KTL OK-08815 1333Z");
    QCOMPARE(s.p.notices.size(), 4);

    Hunt::in<QCheckBox>(win, "Notif_SP")->click();
    Hunt::in<QCheckBox>(win, "Son_SP")->click();
    s.later(60);
    Hunt::feed(win, "DX de DL1AA: 14025.0 OK1ABC KTL OK-00001 1333Z");
    QVERIFY(s.p.notices.size() == 4 && s.p.sounds == 4);
    QCOMPARE(s.get("Spots Notification") + '|' + s.get("Spots Son"), "0|0");
    win = s.reopen(win);
    QVERIFY(!Hunt::in<QCheckBox>(win, "Notif_SP")->isChecked() && !Hunt::in<QCheckBox>(win, "Son_SP")->isChecked());
  }

  // From the last QSO of the log (its frequency stored beside it), or from
  // the entry (the rig's frequency, else a place left to type it): the
  // command waits in the command field; Escape drops it. Nothing to post
  // from an empty log or entry.
  void postsASpot() {
    Hunt empty;
    Hunt::in<QPushButton>(empty.open(), "AnnonceDernier_SP")->click();
    QCOMPARE(empty.p.messages, QStringList{"Aucun QSO à annoncer : le log est vide"});

    Hunt s(kLog);
    const QByteArray last = logLine("I2ABC", "I", "123", "02/02/16", "11:00", "SSB", "7 MHZ");
    QVERIFY(ExtrasStore(s.p.logPath(s.call)).add(last, entryFields(last, {"SSB", "SSB", "", "7.0125"})));
    SpotsWindow* win = s.open();
    auto* command = Hunt::in<QLineEdit>(win, "Commande_SP");
    Hunt::in<QPushButton>(win, "AnnonceDernier_SP")->click();
    QCOMPARE(command->text(), "DX 7012.5 I2ABC KTL I-00123");
    QCOMPARE(win->focusWidget(), command);
    QTest::keyClick(command, Qt::Key_Escape);
    QVERIFY(command->text().isEmpty() && win->isVisible());

    for (auto [field, text] : {std::pair{"Ind_A", "dl1xyz"}, {"Type_A", "DL"}, {"Ref_A", "42"}})
      s.c<QLineEdit>(field)->setText(text);
    Hunt::in<QPushButton>(win, "Annonce_SP")->click();
    QCOMPARE(command->text(), "DX  DL1XYZ KTL DL-00042");
    QCOMPARE(command->cursorPosition(), 3);
    FakeRig rig;
    rig.hz = 14025300;
    s.state.setRig(&rig);
    Hunt::in<QPushButton>(win, "Annonce_SP")->click();
    QCOMPARE(command->text(), "DX 14025.3 DL1XYZ KTL DL-00042");
    s.state.setRig(nullptr);
    s.c<QLineEdit>("Ind_A")->clear();
    Hunt::in<QPushButton>(win, "Annonce_SP")->click();
    QCOMPARE(s.p.messages, QStringList{"Aucun QSO à annoncer : entrez d'abord son indicatif dans la saisie"});
  }

  // With the node stored for the station, the window logs in at once with
  // the callsign as typed; commands go out from the command line. The
  // node's longest silence is kept per station (an unusable stored value
  // gives 10 minutes) and given to the connection; a node silent that long
  // is said so and joined again; a node gone is tried again after a
  // countdown. A host that breaks the servers' rule is refused, nothing
  // stored, no connection.
  void joinsTheStoredNode() {
    Node node;
    Hunt s(QByteArray(), "Francais", "F0ORB_P");
    s.set("Spots Hote", "127.0.0.1");
    s.set("Spots Port", QString::number(node.listen()));
    s.set("Spots Silence", "0");
    auto* win = s.open();
    QVERIFY(node.accept());
    node.send("Please enter your call: ");
    QTRY_COMPARE(node.received, QByteArray("F0ORB/P\r\n"));
    node.send("DX de OK1KTL: 7012.0 OK1ABC KTL OK-08815 1232Z\r\n");
    QTRY_COMPARE(Hunt::table(win)->model()->rowCount(), 1);
    auto* state = Hunt::in<QLabel>(win, "Etat_SP");
    QVERIFY(state->text().startsWith("Connecté à 127.0.0.1:"));
    typeEnter(Hunt::in<QLineEdit>(win, "Commande_SP"), "sh/dx 5");
    QTRY_COMPARE(node.received, QByteArray("F0ORB/P\r\nsh/dx 5\r\n"));

    // The silence limit, taken when Enter confirms it.
    auto* silence = Hunt::in<QSpinBox>(win, "Silence_SP");
    QVERIFY(silence->value() == 10 && win->client().idleLimitMs() == 600000);
    silence->selectAll();
    QTest::keyClicks(silence, "25");
    QCOMPARE(win->client().idleLimitMs(), 600000);
    QTest::keyClick(silence, Qt::Key_Return);
    QVERIFY(s.get("Spots Silence") == "25" && win->client().idleLimitMs() == 25 * 60000);
    win->client().setIdleLimitMs(300);
    QTRY_COMPARE(state->text(), "Rien reçu du nœud depuis 1 s : nouvel essai dans 2 s");
    QVERIFY(node.accept());
    QTRY_VERIFY(state->text().startsWith("Connecté à 127.0.0.1:"));
    Hunt::in<QPushButton>(win, "Connexion_SP")->click();
    QTRY_COMPARE(node.peer->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(state->text(), "Non connecté");

    auto* host = Hunt::in<QLineEdit>(win, "Hote_SP");
    host->setText("127.0.0.\u0661");  // an Arabic-Indic one
    QTest::keyClick(host, Qt::Key_Return);
    QVERIFY(s.p.messages.value(0).startsWith("Nœud refusé : son nom ne prend que des lettres sans accent"));
    QVERIFY(s.get("Spots Hote") == "127.0.0.1" && win->client().state() == SpotClient::State::Idle);

    // The node gone: while waiting for the next try the state counts the
    // seconds down.
    host->setText("127.0.0.1");
    node.server.close();
    win->client().setBackoff({3000, 60000, 60000, 20000});
    Hunt::in<QPushButton>(win, "Connexion_SP")->click();
    for (const char* left : {"3 s", "2 s", "1 s"})
      QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QString("Nouvel essai dans ") + left), 2500);
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
    const QAbstractItemModel* m = table->model();
    QSignalSpy inserted(m, &QAbstractItemModel::rowsInserted), removed(m, &QAbstractItemModel::rowsRemoved),
        moved(m, &QAbstractItemModel::rowsMoved), changed(m, &QAbstractItemModel::dataChanged),
        laidOut(m, &QAbstractItemModel::layoutChanged), reset(m, &QAbstractItemModel::modelReset);
    for (int take = 0; take < 10; ++take) {
      for (int i = 0; i < 300; ++i)
        emit win->client().lineReceived(QString(spotLine(QStringLiteral("ZC%1UW").arg(take * 300 + i))).trimmed());
      QTRY_COMPARE(win->model().queued(), qsizetype(0));
    }
    QCOMPARE(laidOut.size() + reset.size(), 0);
    const qsizetype changes = inserted.size() + removed.size() + moved.size() + changed.size();
    QVERIFY2(changes <= 3 * 10, qPrintable(QString::number(changes)));
    const int row = table->currentIndex().row();
    QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(table)->tableInterface();
    QStringList spoken;
    for (int c = 0; c < cells->columnCount(); ++c)
      if (const QString t = cells->cellAt(row, c)->text(QAccessible::Name); !t.isEmpty()) spoken << t;
    QCOMPARE(spoken.join(", "), "12:32, 7012.0, 7.0 Mhz, OK1ABC, OK-08815, NOUVEAU, 1, KTL OK-08815, OK1KTL");
  }
};

QTEST_MAIN(SpotsWindowTest)
#include "test_spots_window.moc"
