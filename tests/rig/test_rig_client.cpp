// The rig client against Hamlib's rigctld with its dummy rig (set here,
// read back with rigctl, and the other way round; rigctld killed and
// started again), against a rigctld played by the test that answers
// wrongly or not at all, and rigctld started by the program.
// The rig's tables against rows written by hand: the mode for a spot (band
// plan and comment), Hamlib's model list and the status texts.
#include "rig/rig_client.h"
#include "rig/rig_daemon.h"
#include "rig/rig_modes.h"
#include "rig/rig_texts.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/prctl.h>

using namespace ktl;

namespace {

// A loopback port nothing listens on just now.
quint16 freePort() {
  QTcpServer probe;
  return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// Waits until something accepts connections on `port`.
bool listening(quint16 port) {
  return QTest::qWaitFor([port] {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    const bool up = s.waitForConnected(100);
    if (!up) QTest::qWait(50);
    return up;
  }, 5000);
}

// Hamlib's rigctld with the dummy rig (model 1, the real protocol) on a free
// loopback port. A rigctld that cannot be found or started fails the test.
struct Rigctld {
  QProcess process;
  quint16 port = 0;
  QString error;
  // Starts the dummy rig on `port` (a free one when 0) and waits until it
  // listens.
  bool start(quint16 wanted = 0) {
    const QString program = QStandardPaths::findExecutable("rigctld");
    if (program.isEmpty()) error = "rigctld not found: scripts/install-deps.sh installs libhamlib-utils";
    if (program.isEmpty()) return false;
    port = wanted ? wanted : freePort();
    // Ends with the test, even one that crashed.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {"-m", "1", "-t", QString::number(port), "-T", "127.0.0.1"});
    if (process.waitForStarted(5000) && listening(port)) return true;
    error = QStringLiteral("rigctld did not start on port %1").arg(port);
    return false;
  }
  void kill() {
    process.kill();
    process.waitForFinished(5000);
  }
  ~Rigctld() { kill(); }
};

// rigctl through rigctld ("NET rigctl", model 2): what it prints, trimmed
// and with its lines joined by blanks.
QString rigctl(quint16 port, const QStringList& command) {
  QProcess p;
  p.start("rigctl", QStringList{"-m", "2", "-r", QStringLiteral("127.0.0.1:%1").arg(port)} + command);
  if (!p.waitForFinished(10000)) p.kill();
  return QString::fromLatin1(p.readAllStandardOutput()).simplified();
}

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
    QCOMPARE((QStringList{rigctl(rig.port, {"F", "7012000"}), rigctl(rig.port, {"M", "LSB", "2400"})}).join(""), "");
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
    QVERIFY(client.status().problem == problem && client.status().hamlibError == hamlibError && client.linkUp() == linkUp);
    // A rig error leaves the other value known.
    const bool modeFails = command == "+m";
    QCOMPARE(client.frequency(), linkUp && modeFails ? 7012000 : 0);

    // A second of it: a rig error is one signal whatever the number of
    // polls; a dropped link is tried again after 50, 100, 200, 400, 400 ms.
    QTest::qWait(1000);
    QCOMPARE(client.mode(), linkUp && !modeFails ? "CW" : QString());
    if (linkUp) {
      QVERIFY(freq.size() == (modeFails ? 1 : 0) && fake.connections == 1 && fake.receivedStarting(command).size() >= 10);
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
    QTRY_COMPARE(client.mode() + ' ' + QString::number(client.frequency()), "CW 7012000");
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


  void spotMode_data() {
    QTest::addColumn<double>("khz");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("mode");  // "" for none
    // The band plan: a few of its segment edges.
    QTest::newRow("160 top") << 2000.0 << "" << "LSB";
    QTest::newRow("above 160") << 2000.1 << "" << "";
    QTest::newRow("below 80") << 3499.9 << "" << "";
    QTest::newRow("80 CW end") << 3569.9 << "" << "CW";
    QTest::newRow("80 data") << 3570.0 << "" << "PKTUSB";
    QTest::newRow("60 channel") << 5357.0 << "" << "USB";
    QTest::newRow("40 phone") << 7053.0 << "" << "LSB";
    QTest::newRow("20 phone edge") << 14112.0 << "" << "USB";
    QTest::newRow("10 FM") << 29600.0 << "" << "FM";
    QTest::newRow("70 FM low") << 430100.0 << "" << "FM";
    QTest::newRow("4 m") << 70200.0 << "" << "";
    // A mode named in the comment comes first.
    QTest::newRow("FT8 in phone") << 7074.0 << "FT8 -12 dB" << "PKTUSB";
    QTest::newRow("FT4 in CW") << 14048.0 << "ft4" << "PKTUSB";
    QTest::newRow("PSK31") << 14070.5 << "psk31 cq" << "PKTUSB";
    QTest::newRow("RTTY") << 14085.0 << "CQ RTTY contest" << "RTTY";
    QTest::newRow("CW in phone") << 3700.0 << "KTL DL-00123 CW" << "CW";
    QTest::newRow("SSB below 10 MHz") << 7030.0 << "ssb!" << "LSB";
    QTest::newRow("SSB on 60 m") << 5352.5 << "SSB" << "USB";
    QTest::newRow("first mode named") << 14200.0 << "RTTY, then CW" << "RTTY";
    QTest::newRow("FT8 outside the plan") << 70154.0 << "FT8" << "PKTUSB";
    // Words that name no mode.
    QTest::newRow("Martinique reference") << 7150.0 << "COTA FM-0012" << "LSB";
    QTest::newRow("two modes in one word") << 14030.0 << "CW/SSB" << "CW";
    QTest::newRow("CW within a word") << 14200.0 << "CWOPS member" << "USB";
  }
  void spotMode() {
    QFETCH(double, khz);
    QFETCH(QString, comment);
    QFETCH(QString, mode);
    QCOMPARE(rigModeForSpot(khz, comment).value_or(QString()), mode);
  }

  void rigModels() {
    const QString listing = QStringLiteral("Some line before\n"
        " Rig #  Mfg                    Model                   Version         Status      Macro\n"
        "     1  Hamlib                 Dummy                   20221128.0      Stable      RIG_MODEL_DUMMY\n"
        "     2  Hamlib                 NET rigctl              20230106.0      Stable      RIG_MODEL_NETRIGCTL\r\n"
        "\n"
        "  3073  Icom                   IC-7300                 20230109.0      Stable      RIG_MODEL_IC7300\n"
        " 25003  Coding Technologies    Digital World Traveller 20200112.0      Alpha       RIG_MODEL_DWT\n"
        " 29001  DTTS Microwave Society DMS-1                   20200112.0      Beta        RIG_MODEL_DMS\n"
        "  junk  Not                    A Model                 1.0             Stable      X\n"
        "  4242  Truncated\n");
    const QList<RigModel> expected{{1, "Hamlib", "Dummy", "Stable"}, {2, "Hamlib", "NET rigctl", "Stable"},
                                   {3073, "Icom", "IC-7300", "Stable"},
                                   {25003, "Coding Technologies", "Digital World Traveller", "Alpha"},
                                   {29001, "DTTS Microwave Society", "DMS-1", "Beta"}};
    QCOMPARE(parseRigModels(listing), expected);
    // Without its header, the columns are not known.
    QCOMPARE(parseRigModels(listing.mid(listing.indexOf(u"     1"))), QList<RigModel>{});
  }

  void statusTexts_data() {
    QTest::addColumn<RigStatus>("status");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("refused") << RigStatus{RigState::Error, RigProblem::Refused, 0, 4000} << Language::English
        << "rigctld is not running at 127.0.0.1:4532, trying again in 4 s";
    QTest::newRow("seconds rounded up") << RigStatus{RigState::Error, RigProblem::NoAnswer, 0, 1500} << Language::French
        << "rigctld ne répond pas (127.0.0.1:4532), nouvel essai dans 2 s";
    QTest::newRow("unreadable")
        << RigStatus{RigState::Error, RigProblem::Unreadable, 0, 2000, "SSH-2.0-OpenSSH"} << Language::English
        << "Unreadable answer from 127.0.0.1:4532: \"SSH-2.0-OpenSSH\", trying again in 2 s";
    QTest::newRow("rig off") << RigStatus{RigState::Error, RigProblem::RigError, -5} << Language::Italian
                             << "Errore della radio: la radio non risponde (tempo scaduto)";
  }
  void statusTexts() {
    QFETCH(RigStatus, status);
    QFETCH(Language, language);
    QFETCH(QString, text);
    QCOMPARE(rigStatusText(status, "127.0.0.1:4532", language), text);
  }
};

QTEST_GUILESS_MAIN(RigClientTest)
#include "test_rig_client.moc"
