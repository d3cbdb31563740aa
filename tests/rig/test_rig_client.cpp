// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rig client against a rigctld played by the test that answers wrongly,
// late or not at all. The program's hold on the rig: the station's rig settings as stored, the link
// handed to the shared state (none without a rig), rigctld started, kept,
// restarted and stopped by the program, tuning Hamlib's dummy rig.
#include "platform/settings_store.h"
#include "rig/rig_client.h"
#include "rig/rig_control.h"
#include "rig/rig_settings.h"
#include "state/program_state.h"
#include "test_files.h"

#include "fake_rigctld.h"
#include "rigctld.h"

#include <QtTest>

using namespace ktl;

namespace {

// The retry waits announced with each error, in order.
QList<int> retryWaits(const QSignalSpy& status) {
  QList<int> waits;
  for (const auto& args : status)
    if (const auto s = args.at(0).value<RigStatus>(); s.state == RigState::Error) waits << s.retryMs;
  return waits;
}

// A client with the tests' short waits.
struct QuickClient : RigClient {
  QuickClient() { setTiming(quickTiming()); }
};

bool alive(qint64 pid) { return pid > 0 && ::kill(pid_t(pid), 0) == 0; }

// A state over settings and logs of its own, on station F0ORB.
struct Station {
  QTemporaryDir dir;
  SettingsStore settings{dir.filePath(QStringLiteral("KTL.ini"))};
  ProgramState state{settings, dir.path()};
  RigControl control{state};

  Station() { control.setTiming(quickTiming()); }
  void set(const SettingKey& key, const QString& value) { settings.write(key, QStringLiteral("F0ORB"), value); }
  void open(const QString& station = QStringLiteral("F0ORB")) { QVERIFY(state.changeStation(station).ok()); }
  void useRigAt(quint16 port) {
    set(keys::RigActive, QStringLiteral("1"));
    set(keys::RigPort, QString::number(port));
    set(keys::RigInterval, QStringLiteral("100"));
  }
  RigLink* rig() const { return state.rig(); }
};

}  // namespace

class RigClientTest : public QObject {
  Q_OBJECT
 private slots:
  // Answers that are not rigctld's, or none: a status with its reason, the
  // link given up and tried again after growing waits; a Hamlib error
  // keeps the link. Once the answers are right again, so is the status.
  void faultyAnswers_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<RigProblem>("problem");
    QTest::addColumn<int>("hamlibError");
    const auto row = [](const char* name, const char* command, const QByteArray& answer, RigProblem problem,
                        int error = 0) { QTest::newRow(name) << QByteArray(command) << answer << problem << error; };
    row("rig error", "+f", "get_freq:\nRPRT -5\n", RigProblem::RigError, -5);
    row("no mode reading", "+m", "get_mode:\nRPRT -11\n", RigProblem::RigError, -11);
    row("unreadable frequency", "+f", "get_freq:\nFrequency: 14.0xx\nRPRT 0\n", RigProblem::Unreadable);
    row("no frequency", "+f", "get_freq:\nRPRT 0\n", RigProblem::Unreadable);
    row("lines without end", "+m", "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\n", RigProblem::Unreadable);
    row("endless line", "+f", QByteArray(5000, '\x01'), RigProblem::Unreadable);
    row("silence", "+f", QByteArray(), RigProblem::NoAnswer);
    row("closed", "+m", "CLOSE", RigProblem::Closed);
  }
  void faultyAnswers() {
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, answer);
    QFETCH(RigProblem, problem);
    const bool linkUp = problem == RigProblem::RigError;  // a Hamlib error keeps the link
    FakeRigctld fake;
    bool faulty = true;
    fake.answer = [&](const QByteArray& line) { return faulty && line == command ? answer : fake.rigctld(line); };
    QuickClient client;
    QSignalSpy status(&client, &RigClient::statusChanged);
    QSignalSpy freq(&client, &RigClient::frequencyChanged);
    client.start(QStringLiteral("127.0.0.1"), fake.listen());
    QTRY_COMPARE(client.state(), RigState::Error);
    QCOMPARE(client.status().problem, problem);
    QTEST(client.status().hamlibError, "hamlibError");
    QCOMPARE(client.linkUp(), linkUp);
    // A rig error leaves the other value known.
    const bool modeFails = command == "+m";
    QCOMPARE(client.frequency(), linkUp && modeFails ? 7012000 : 0);

    // A second of it: a rig error is one signal whatever the number of
    // polls; a dropped link is tried again after 50, 100, 200, 400, 400 ms.
    QTest::qWait(1000);
    QCOMPARE(client.mode(), linkUp && !modeFails ? QStringLiteral("CW") : QString());
    if (linkUp) {
      QCOMPARE(freq.size(), modeFails ? 1 : 0);
      QCOMPARE(fake.connections, 1);
      QVERIFY(fake.receivedStarting(command).size() >= 10);
      QCOMPARE(status.size(), 3);  // connecting, connected, error
    } else {
      QVERIFY(freq.size() <= fake.connections * 2);
      QVERIFY2(fake.connections >= 3 && fake.connections <= 8, qPrintable(QString::number(fake.connections)));
      const QList<int> waits = retryWaits(status);
      QCOMPARE(waits.mid(0, 5), (QList<int>{50, 100, 200, 400, 400}.mid(0, waits.size())));
    }
    faulty = false;
    QTRY_COMPARE_WITH_TIMEOUT(client.mode() + ' ' + QString::number(client.frequency()), "CW 7012000", 3000);
    QTRY_COMPARE(client.status(), RigStatus{RigState::Connected});
  }

  // A link that held starts the waits again from the first.
  void waitsStartAgainAfterAStableLink() {
    FakeRigctld fake;
    bool faulty = true;
    fake.answer = [&](const QByteArray& line) { return faulty ? QByteArray("CLOSE") : fake.rigctld(line); };
    RigClient client;
    client.setTiming([] { auto t = quickTiming(); t.stableMs = 500; return t; }());
    QSignalSpy status(&client, &RigClient::statusChanged);
    client.start(QStringLiteral("127.0.0.1"), fake.listen());
    QTRY_VERIFY(fake.connections >= 3);  // after waits of 50, 100, 200 ms
    faulty = false;
    QTRY_COMPARE(client.state(), RigState::Connected);
    QVERIFY(retryWaits(status).size() >= 3);
    QTest::qWait(600);
    faulty = true;
    QTRY_COMPARE(client.state(), RigState::Error);
    QCOMPARE(client.status().retryMs, 50);
  }

  // A slow rigctld and a flood of sets: the queue stays within its bound,
  // each newer set replacing the waiting one, and the rig ends where the
  // last one asked.
  void floodOfSetsStaysBounded() {
    FakeRigctld fake;
    fake.delayMs = 20;
    QuickClient client;
    client.start(QStringLiteral("127.0.0.1"), fake.listen());
    QTRY_COMPARE(client.frequency(), 7012000);
    fake.received.clear();
    for (int i = 1; i <= 10000; ++i) {
      QVERIFY(client.setFrequency(14000000 + i));
      QVERIFY(client.setMode(i % 2 ? QStringLiteral("CW") : QStringLiteral("USB"), 0));
      QVERIFY(client.queued() <= 4);
      if (i % 1000 == 0) QTest::qWait(1);  // a few answers come in meanwhile
    }
    QTRY_COMPARE(client.frequency(), 14010000);
    QTRY_COMPARE(client.mode(), QStringLiteral("USB"));
    QVERIFY(client.counters().maxQueued <= 4);
    const QByteArrayList sets = fake.receivedStarting("+F");
    QVERIFY2(sets.size() <= 12, qPrintable(QString::number(sets.size())));
    QCOMPARE(sets.last() + ' ' + fake.receivedStarting("+M").last(), QByteArray("+F 14010000 +M USB 0"));
    // Polls skipped while the sets kept the one command in flight busy.
    QVERIFY(client.counters().pollsSkipped > 0);
  }

  // Nothing listening, then a rigctld that appears. What is refused before
  // anything is sent; an answer to a set that is not the set's (rotctld on
  // the rig's port: "M" moves the rotator) drops the link; stop() ends it
  // all, the values forgotten and no try left.
  void refusedSetsAndStop() {
    QuickClient client;
    QVERIFY(!client.setFrequency(14000000));  // not connected
    client.start(QStringLiteral("127.0.0.1"), freePort());
    QTRY_COMPARE(client.status().problem, RigProblem::Refused);
    FakeRigctld fake;
    fake.answer = [&fake](const QByteArray& line) {
      return line.startsWith("+M") ? "move: " + line.mid(3) + "\nRPRT 0\n" : fake.rigctld(line);
    };
    client.start(QStringLiteral("127.0.0.1"), fake.listen());
    QTRY_COMPARE(client.frequency(), 7012000);
    QVERIFY(!client.setFrequency(0) && !client.setFrequency(-7000000) && !client.setMode(QStringLiteral("USB"), -2));
    QVERIFY(!client.setMode(QStringLiteral("USB\nF 1")) && !client.setMode(QString()));
    QCOMPARE(fake.receivedStarting("+M") + fake.receivedStarting("+F"), QByteArrayList{});
    QVERIFY(client.setMode(QStringLiteral("CW")));
    QTRY_COMPARE(client.status().problem, RigProblem::Unreadable);
    QCOMPARE(client.status().detail, QStringLiteral("move: CW 0"));

    QTRY_COMPARE(client.frequency(), 7012000);  // tried again
    client.stop();
    QVERIFY(client.state() == RigState::Disconnected && client.frequency() == 0);
    const int connections = fake.connections;
    QSignalSpy status(&client, &RigClient::statusChanged);
    QTest::qWait(300);
    QVERIFY(fake.connections == connections && status.isEmpty());
  }

  // What an edited settings file may hold, and what the program makes of it
  // (active, port, poll, model); what it writes, under the operator's keys.
  void storedSettings_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read");
    QTest::newRow("used, blanks") << "Rig Actif" << " 1 " << "1 4532 500 1";
    QTest::newRow("port too high") << "Rig Port" << "65536" << "0 4532 500 1";
    QTest::newRow("interval too short") << "Rig Intervalle" << "5" << "0 4532 100 1";
    QTest::newRow("interval too long") << "Rig Intervalle" << "99999999999" << "0 4532 10000 1";
    QTest::newRow("interval not a number") << "Rig Intervalle" << "fast" << "0 4532 500 1";
    QTest::newRow("model 0") << "Rig Modele" << "0" << "0 4532 500 1";
  }
  void storedSettings() {
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("KTL.ini")));
    store.save(QStringLiteral("Setup F0ORB"), key, stored);
    RigSettings s = readRigSettings(store, QStringLiteral("F0ORB"));
    QTEST(QStringLiteral("%1 %2 %3 %4").arg(s.active).arg(s.port).arg(s.pollMs).arg(s.model), "read");
    s = RigSettings{true, "10.0.0.2", 4600, 300, true, 3073, "/dev/ttyUSB0", 115200};
    writeRigSettings(store, QStringLiteral("F0ORB"), s);
    QStringList written;
    for (const char* k : {"Rig Actif", "Rig Hote", "Rig Port", "Rig Intervalle", "Rig Lancer", "Rig Modele",
                          "Rig Peripherique", "Rig Vitesse"})
      written << store.get(QStringLiteral("Setup F0ORB"), QString::fromLatin1(k), QStringLiteral("?"));
    QCOMPARE(written.join(u'|'), QStringLiteral("1|10.0.0.2|4600|300|1|3073|/dev/ttyUSB0|115200"));
    QCOMPARE(readRigSettings(store, QStringLiteral("F0ORB")), s);
  }

  // No rig until the station asks for one; a station without one has none;
  // a change of settings makes a new link, no change keeps it.
  void rigFollowsStationAndSettings() {
    FakeRigctld fake;
    const quint16 port = fake.listen();
    Station s;
    QSignalSpy changes(&s.state, &ProgramState::rigChanged);
    s.open();
    QCOMPARE(s.rig(), nullptr);
    s.useRigAt(port);
    s.control.apply();
    QTRY_VERIFY(s.rig() && s.rig()->frequencyHz() == 7012000);
    const qsizetype made = changes.size();
    s.control.apply();
    QCOMPARE(changes.size(), made);
    s.set(keys::RigInterval, QStringLiteral("200"));
    s.control.apply();
    QVERIFY(s.rig() && changes.size() > made);
    QCOMPARE(s.control.link()->client().timing().pollMs, 200);
    s.open(QStringLiteral("F5ABC"));
    QCOMPARE(s.rig(), nullptr);
    s.open();
    s.set(keys::RigActive, QStringLiteral("0"));
    QVERIFY(s.rig());
    s.control.apply();
    QVERIFY(s.rig() == nullptr && changes.size() >= 5);
  }

  // On the state line: a rigctld answering what is no answer, in its words
  // and never shown connected between its tries; then a set the rig
  // refuses, said until the next tune.
  void refusedTuneIsAState() {
    FakeRigctld fake;
    bool garbage = true, refuseMode = true;
    fake.answer = [&](const QByteArray& line) {
      if (garbage && line == "+f") return QByteArray("hello there\nRPRT 0\n");
      return refuseMode && line.startsWith("+M") ? QByteArray("set_mode: X 0\nRPRT -9\n") : fake.rigctld(line);
    };
    Station s;
    s.useRigAt(fake.listen());
    s.open();
    const auto line = [&] { return s.rig()->statusText(int(Language::French)); };
    const QString at = QStringLiteral("127.0.0.1:%1").arg(fake.server.serverPort());
    QTRY_VERIFY2(line().startsWith("Réponse illisible de " + at + " : « hello there », nouvel essai dans "),
                 qPrintable(line()));
    QStringList shown;
    connect(s.rig(), &RigLink::changed, this, [&] { shown << line(); });
    QTest::qWait(1500);
    QVERIFY(fake.connections > 1 && s.rig()->inTrouble());
    QVERIFY2(shown.filter(QStringLiteral("Radio connectée")).isEmpty(), qPrintable(shown.join(u'\n')));

    garbage = false;
    QTRY_VERIFY(s.rig()->linkUp());
    QVERIFY(s.rig()->tune(14200000, QStringLiteral("USB")));
    QTRY_COMPARE(line(), "Radio connectée (" + at + ") ; La radio refuse le mode : commande rejetée par la radio");
    QVERIFY(s.rig()->inTrouble() && s.rig()->frequencyHz() == 14200000);
    refuseMode = false;
    QVERIFY(s.rig()->tune(14200000, QStringLiteral("USB")));
    QCOMPARE(s.rig()->statusText(int(Language::Other)), "Radio connectée (" + at + ')');
    QVERIFY(!s.rig()->inTrouble());
  }

  // rigctld started by the program: reached and tuned (read back with
  // rigctl), kept while only the
  // poll interval changes, started again on another port, stopped with the
  // program.
  void daemonStartedKeptAndStopped() {
    qint64 pid = 0;
    quint16 port = freePort();
    {
      Station s;
      s.useRigAt(port);
      s.set(keys::RigStartDaemon, QStringLiteral("1"));
      s.set(keys::RigModel, QStringLiteral("1"));
      s.open();
      QTRY_VERIFY(s.rig() && s.rig()->linkUp());
      pid = s.control.daemon().processId();
      QVERIFY(alive(pid));
      QVERIFY(s.rig()->tune(3650000, QStringLiteral("LSB")));
      QTRY_COMPARE(rigctl(port, {"f", "m"}).section(u' ', 0, 1), QStringLiteral("3650000 LSB"));
      s.set(keys::RigInterval, QStringLiteral("300"));
      s.control.apply();
      QTRY_VERIFY(s.rig()->linkUp());
      QCOMPARE(s.control.daemon().processId(), pid);

      const quint16 other = freePort();
      s.set(keys::RigPort, QString::number(other));
      s.control.apply();
      QTRY_VERIFY(s.rig()->linkUp());
      QVERIFY(!alive(pid) && !listening(port, 300));
      pid = s.control.daemon().processId();
      QVERIFY(s.rig()->tune(7100000, QString()));
      QTRY_COMPARE(rigctl(other, {QStringLiteral("f")}), QStringLiteral("7100000"));
      port = other;
    }
    QTRY_VERIFY(!alive(pid));
    QVERIFY(!listening(port, 300));
  }

  // A rigctld slow to stop: the next one starts only once it has ended,
  // as it may hold the port or the rig's device until then.
  void nextRigctldWaitsForTheOld() {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("slow-rigctld"));
    QVERIFY(writeFile(script, "#!/bin/sh\nlog=\"$(dirname \"$0\")/log\"\necho \"start $$\" >> \"$log\"\n"
                              "trap 'sleep 0.4; echo \"end $$\" >> \"$log\"; exit 0' TERM\n"
                              "while :; do sleep 0.05; done\n"));
    QVERIFY(QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto log = [&] { return readFile(dir.filePath(QStringLiteral("log"))); };
    RigDaemon daemon;
    RigDaemonSettings settings;
    settings.program = script;
    daemon.start(settings);
    QTRY_COMPARE(daemon.state(), RigDaemon::State::Running);
    const qint64 first = daemon.processId();
    QTRY_VERIFY(!log().isEmpty());
    daemon.start(settings);
    QCOMPARE(daemon.state(), RigDaemon::State::Starting);
    QTRY_COMPARE(log().count('\n'), 3);
    QCOMPARE(log(), QStringLiteral("start %1\nend %1\nstart %2\n").arg(first).arg(daemon.processId()).toLatin1());
    // Stopped while the old one still ends: nothing starts.
    daemon.start(settings);
    daemon.stop();
    QTest::qWait(800);
    QVERIFY(daemon.state() == RigDaemon::State::Stopped && log().count("start") == 2);
  }
};

QTEST_GUILESS_MAIN(RigClientTest)
#include "test_rig_client.moc"
