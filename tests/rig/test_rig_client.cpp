// The rig client against Hamlib's rigctld with its dummy rig (set here,
// read back with rigctl, and the other way round; rigctld killed and
// started again), against a rigctld played by the test that answers
// wrongly or not at all, and rigctld started by the program.
#include "rig/rig_client.h"
#include "rig/rig_daemon.h"

#include "rigctld.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace ktl;

namespace {

RigClient::Timing quickTiming() {
  RigClient::Timing t;
  t.pollMs = t.firstRetryMs = 50;
  t.replyTimeoutMs = t.maxRetryMs = 400;
  t.connectTimeoutMs = 1000;
  t.stableMs = 60000;
  return t;
}

// A rigctld played by the test: each line the client sends is recorded and
// answered by `answer` (nothing for an empty answer; the connection is
// closed for "CLOSE"). By default it answers as rigctld's extended protocol
// does, keeping a frequency and a mode.
struct FakeRigctld {
  QTcpServer server;
  QByteArrayList received;
  int connections = 0;
  QByteArray frequency = "7012000";
  QByteArray mode = "CW";
  std::function<QByteArray(const QByteArray&)> answer = [this](const QByteArray& line) { return rigctld(line); };

  quint16 listen() {
    if (!server.listen(QHostAddress::LocalHost, 0)) qFatal("cannot listen");
    QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
      while (QTcpSocket* peer = server.nextPendingConnection()) {
        ++connections;
        QObject::connect(peer, &QTcpSocket::readyRead, peer, [this, peer] {
          while (peer->canReadLine()) {
            const QByteArray line = peer->readLine().trimmed();
            received << line;
            const QByteArray reply = answer(line);
            if (reply == "CLOSE")
              peer->close();
            else if (peer->state() == QAbstractSocket::ConnectedState)
              peer->write(reply);
          }
        });
      }
    });
    return server.serverPort();
  }

  QByteArray rigctld(const QByteArray& line) {
    if (line == "+f") return "get_freq:\nFrequency: " + frequency + "\nRPRT 0\n";
    if (line == "+m") return "get_mode:\nMode: " + mode + "\nPassband: 500\nRPRT 0\n";
    const QByteArrayList words = line.split(' ');
    if (words.value(0) == "+F") {
      frequency = words.value(1);
      return "set_freq: " + frequency + "\nRPRT 0\n";
    }
    if (words.value(0) == "+M") {
      mode = words.value(1);
      return "set_mode: " + mode + ' ' + words.value(2) + "\nRPRT 0\n";
    }
    return "RPRT -11\n";
  }

  QByteArrayList receivedStarting(QByteArrayView start) const {
    QByteArrayList lines;
    for (const QByteArray& l : received)
      if (l.startsWith(start)) lines << l;
    return lines;
  }
};

}  // namespace

class RigClientTest : public QObject {
  Q_OBJECT
 private slots:
  // Set through the client, read back with rigctl; set with rigctl, seen
  // through the client's signals; no signal while nothing changes. Killed
  // under the client: the status says so and the values are no longer
  // known; started again, both come back.
  void dummyRigBothWaysAndRestarted() {
    Rigctld rig;
    QVERIFY2(rig.start(), qPrintable(rig.error));
    RigClient client;
    client.setTiming(quickTiming());
    QSignalSpy freq(&client, &RigClient::frequencyChanged);
    QSignalSpy mode(&client, &RigClient::modeChanged);
    client.start("127.0.0.1", rig.port);
    QTRY_COMPARE(client.state(), RigState::Connected);
    QVERIFY(client.setFrequency(14025300));
    QVERIFY(client.setMode("cw", 500));
    QTRY_COMPARE(rigctl(rig.port, {"f"}), "14025300");
    QTRY_COMPARE(rigctl(rig.port, {"m"}), "CW 500");
    QTRY_COMPARE(client.frequency(), 14025300);
    QTRY_COMPARE(client.mode() + ' ' + QString::number(client.passband()), "CW 500");

    freq.clear();
    mode.clear();
    QCOMPARE(rigctl(rig.port, {"F", "7012000"}) + rigctl(rig.port, {"M", "LSB", "2400"}), QString());
    QTRY_COMPARE(mode.size(), 1);
    QCOMPARE(mode.at(0).at(0).toString() + ' ' + mode.at(0).at(1).toString(), "LSB 2400");
    QTRY_COMPARE(freq.size(), 1);
    QCOMPARE(freq.at(0).at(0).toLongLong(), 7012000);
    // Ten polls of an unchanged rig: read, and nothing said.
    const quint64 answered = client.counters().answered;
    QTest::qWait(10 * quickTiming().pollMs);
    QVERIFY(client.counters().answered >= answered + 10);
    QCOMPARE(freq.size() + mode.size(), 2);

    rig.kill();
    QTRY_COMPARE(client.state(), RigState::Error);
    QVERIFY(!client.linkUp());
    QVERIFY(client.status().problem == RigProblem::Closed || client.status().problem == RigProblem::Refused);
    QCOMPARE(client.frequency(), 0);
    QCOMPARE(freq.last().at(0).toLongLong(), 0);
    QVERIFY(!client.setFrequency(7000000));
    Rigctld again;
    QVERIFY2(again.start(rig.port), qPrintable(again.error));
    QCOMPARE(rigctl(again.port, {"F", "10116000"}), QString());
    QTRY_COMPARE(client.state(), RigState::Connected);
    QTRY_COMPARE(client.frequency(), 10116000);
  }

  // Answers that are not rigctld's, or none: a status with its reason, the
  // link given up and tried again after growing waits; a Hamlib error
  // keeps the link. Once the answers are right again, so is the status.
  void faultyAnswers_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<RigProblem>("problem");
    QTest::addColumn<int>("hamlibError");
    QTest::addColumn<bool>("linkUp");
    const auto row = [](const char* name, const char* command, const QByteArray& answer, RigProblem problem,
                        int error = 0) {
      QTest::newRow(name) << QByteArray(command) << answer << problem << error << (problem == RigProblem::RigError);
    };
    row("rig error", "+f", "get_freq:\nRPRT -5\n", RigProblem::RigError, -5);
    row("error without echo", "+f", "RPRT -20\n", RigProblem::RigError, -20);
    row("no mode reading", "+m", "get_mode:\nRPRT -11\n", RigProblem::RigError, -11);
    row("unreadable frequency", "+f", "get_freq:\nFrequency: 14.0xx\nRPRT 0\n", RigProblem::Unreadable);
    row("no frequency", "+f", "get_freq:\nRPRT 0\n", RigProblem::Unreadable);
    row("code not a number", "+f", "get_freq:\nRPRT zero\n", RigProblem::Unreadable);
    row("lines without end", "+m", "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\n", RigProblem::Unreadable);
    row("endless line", "+f", QByteArray(5000, '\x01'), RigProblem::Unreadable);
    row("silence", "+f", "", RigProblem::NoAnswer);
    row("closed", "+m", "CLOSE", RigProblem::Closed);
  }
  void faultyAnswers() {
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, answer);
    QFETCH(RigProblem, problem);
    QFETCH(int, hamlibError);
    QFETCH(bool, linkUp);
    FakeRigctld fake;
    bool faulty = true;
    fake.answer = [&](const QByteArray& line) { return faulty && line == command ? answer : fake.rigctld(line); };
    const quint16 port = fake.listen();
    RigClient client;
    client.setTiming(quickTiming());
    QSignalSpy status(&client, &RigClient::statusChanged);
    QSignalSpy freq(&client, &RigClient::frequencyChanged);
    client.start("127.0.0.1", port);
    QTRY_COMPARE(client.state(), RigState::Error);
    QCOMPARE(client.status().problem, problem);
    QCOMPARE(client.status().hamlibError, hamlibError);
    QCOMPARE(client.linkUp(), linkUp);
    // A rig error leaves the other value known.
    const bool modeFails = command == "+m";
    QCOMPARE(client.frequency(), linkUp && modeFails ? 7012000 : 0);

    // A second of it: a rig error is one signal whatever the number of
    // polls; a dropped link is tried again after 50, 100, 200, 400, 400 ms.
    QTest::qWait(1000);
    QCOMPARE(client.mode(), linkUp && !modeFails ? "CW" : QString());
    if (linkUp) {
      QCOMPARE(freq.size(), modeFails ? 1 : 0);
      QCOMPARE(fake.connections, 1);
      QVERIFY(fake.receivedStarting(command).size() >= 10);
      QCOMPARE(status.size(), 3);  // connecting, connected, error
    } else {
      QVERIFY(freq.size() <= fake.connections * 2);
      QList<int> waits;
      for (const auto& args : status) {
        const auto s = args.at(0).value<RigStatus>();
        if (s.state == RigState::Error) waits << s.retryMs;
      }
      QVERIFY2(fake.connections >= 3 && fake.connections <= 8, qPrintable(QString::number(fake.connections)));
      QCOMPARE(waits.mid(0, 5), (QList<int>{50, 100, 200, 400, 400}.mid(0, waits.size())));
    }

    faulty = false;
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), RigState::Connected, 3000);
    QTRY_COMPARE(client.frequency(), 7012000);
    QTRY_COMPARE(client.mode(), "CW");
    QCOMPARE(client.status(), RigStatus{RigState::Connected});
  }

  // What is refused before anything is sent, and a set the rig refuses.
  void refusedSets() {
    FakeRigctld fake;
    fake.answer = [&fake](const QByteArray& line) {
      return line.startsWith("+F") ? QByteArray("set_freq: 1\nRPRT -9\n") : fake.rigctld(line);
    };
    const quint16 port = fake.listen();
    RigClient client;
    client.setTiming(quickTiming());
    QVERIFY(!client.setFrequency(14000000));  // not connected
    client.start("127.0.0.1", port);
    QTRY_COMPARE(client.state(), RigState::Connected);
    QVERIFY(!client.setFrequency(0) && !client.setFrequency(-7000000));
    QVERIFY(!client.setMode("USB\nF 1") && !client.setMode(QString()) && !client.setMode("USB", -2));
    QSignalSpy refused(&client, &RigClient::setRefused);
    QVERIFY(client.setFrequency(14025000));
    QTRY_COMPARE(refused.size(), 1);
    QCOMPARE(refused.at(0).at(0).value<RigClient::Command>(), RigClient::Command::SetFrequency);
    QCOMPARE(refused.at(0).at(1).toInt(), -9);
    QCOMPARE(client.state(), RigState::Connected);
    QCOMPARE(fake.receivedStarting("+M") + fake.receivedStarting("+F"), QByteArrayList{"+F 14025000"});

    // rotctld, Hamlib's rotator daemon, on the rig's port: "M" moves the
    // rotator, and its answer is no set_mode answer.
    fake.answer = [&fake](const QByteArray& line) {
      return line.startsWith("+M") ? "move: " + line.mid(3) + "\nRPRT 0\n" : fake.rigctld(line);
    };
    QVERIFY(client.setMode("CW"));
    QTRY_COMPARE(client.state(), RigState::Error);
    QCOMPARE(client.status().problem, RigProblem::Unreadable);
    QCOMPARE(client.status().detail, "move: CW 0");
  }

  // Nothing listening: refused. A rigctld that drops every link: the waits
  // grow; a link that held starts them again from the first. stop() ends
  // it all.
  void waitsThenStop() {
    RigClient client;
    RigClient::Timing timing = quickTiming();
    timing.stableMs = 500;
    client.setTiming(timing);
    client.start("127.0.0.1", freePort());
    QTRY_COMPARE(client.state(), RigState::Error);
    QCOMPARE(client.status().problem, RigProblem::Refused);
    FakeRigctld fake;
    bool faulty = true;
    fake.answer = [&](const QByteArray& line) { return faulty ? QByteArray("CLOSE") : fake.rigctld(line); };
    client.start("127.0.0.1", fake.listen());
    QTRY_VERIFY(fake.connections >= 3);  // after waits of 50, 100, 200 ms
    faulty = false;
    QTRY_COMPARE(client.frequency(), 7012000);
    QTest::qWait(600);
    faulty = true;
    QTRY_COMPARE(client.state(), RigState::Error);
    QCOMPARE(client.status().retryMs, 50);
    faulty = false;
    QTRY_COMPARE(client.frequency(), 7012000);
    client.stop();
    QCOMPARE(client.state(), RigState::Disconnected);
    QCOMPARE(client.frequency(), 0);
    const int connections = fake.connections;
    QSignalSpy status(&client, &RigClient::statusChanged);
    QTest::qWait(300);
    QCOMPARE(fake.connections, connections);
    QVERIFY(status.isEmpty());
  }

  // rigctld started and stopped by the program, reached by the client; a
  // model Hamlib does not know, or no program, is a failure with its words.
  void daemonStartsAndStops() {
    RigDaemon daemon;
    RigDaemonSettings settings;
    settings.port = freePort();
    daemon.start(settings);
    QTRY_COMPARE(daemon.state(), RigDaemon::State::Running);
    const qint64 pid = daemon.processId();
    QVERIFY(pid > 0 && listening(settings.port));
    RigClient client;
    client.setTiming(quickTiming());
    client.start("127.0.0.1", settings.port);
    QTRY_COMPARE(client.state(), RigState::Connected);
    daemon.stop();
    QCOMPARE(daemon.state(), RigDaemon::State::Stopped);
    QTRY_VERIFY(::kill(pid_t(pid), 0) != 0);
    QTRY_COMPARE(client.state(), RigState::Error);

    settings.model = 999999;
    daemon.start(settings);
    QTRY_COMPARE(daemon.state(), RigDaemon::State::Failed);
    QVERIFY2(daemon.exitCode() != 0 && daemon.lastOutput().contains("999999"), qPrintable(daemon.lastOutput()));
  }

};

QTEST_GUILESS_MAIN(RigClientTest)
#include "test_rig_client.moc"
