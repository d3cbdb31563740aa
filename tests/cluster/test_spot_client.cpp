// The node connection against a node played by the test on the loopback:
// the login, lines as they arrive (split, flooded, unended, in any bytes),
// commands, and the waits before connecting again.
#include "cluster/spot_client.h"

#include "test_node.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

using namespace ktl;

namespace {

const SpotClient::Backoff kShortWaits{40, 160, 60000, 2000};

}  // namespace

class SpotClientTest : public QObject {
  Q_OBJECT
 private slots:
  // The prompt comes without a line end; the login is the call and CR LF,
  // and the node hears nothing else until the operator's command.
  void logsInThenPassesLinesOn() {
    Node node;
    const quint16 port = node.listen();
    SpotClient client;
    client.setBackoff(kShortWaits);
    QSignalSpy lines(&client, &SpotClient::lineReceived);
    client.start("127.0.0.1", port, "F0ORB/P");
    QVERIFY(node.accept());
    QTRY_COMPARE(client.state(), SpotClient::State::Connected);
    node.send("Welcome to the node\r\n\r\nPlease enter your call: ");
    QTRY_COMPARE(node.received, QByteArray("F0ORB/P\r\n"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).at(0).toString(), "Welcome to the node");
    QCOMPARE(lines.at(1).at(0).toString(), "Please enter your call: ");
    lines.clear();

    // A spot split across two packets arrives as one line.
    node.send("DX de OK1KTL:     14025.0  F5ABC     COTA F-");
    QTest::qWait(50);
    QCOMPARE(lines.size(), 0);
    node.send("01051  1234Z\r\n");
    QTRY_COMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0).at(0).toString(), "DX de OK1KTL:     14025.0  F5ABC     COTA F-01051  1234Z");

    // A flood: a hundred spots in one burst, every one delivered in order.
    QByteArray burst;
    for (int i = 0; i < 100; ++i) burst += "DX de OK1KTL: 14025.0 F5ABC spot " + QByteArray::number(i) + " 1234Z\r\n";
    node.send(burst);
    QTRY_COMPARE(lines.size(), 101);
    QCOMPARE(lines.last().at(0).toString(), "DX de OK1KTL: 14025.0 F5ABC spot 99 1234Z");

    // One command, one line: a line break in it is no second command.
    QVERIFY(client.send("SH/DX 10\nBYE"));
    QTRY_COMPARE(node.received, QByteArray("F0ORB/P\r\nSH/DX 10 BYE\r\n"));
  }

  // Unended, NUL-laden, Windows-1252, UTF-8 and telnet bytes: every line
  // is text, none longer than the cut, nothing lost but controls.
  void readsAnyBytes() {
    Node node;
    const quint16 port = node.listen();
    SpotClient client;
    QSignalSpy lines(&client, &SpotClient::lineReceived);
    client.start("127.0.0.1", port, "F0ORB");
    QVERIFY(node.accept());
    node.send(QByteArray(100000, 'x'));
    node.send("\r\n");
    QTRY_COMPARE(lines.size(), 25);  // 24 pieces of 4096 and the rest
    QCOMPARE(lines.at(0).at(0).toString().size(), 4096);
    qsizetype total = 0;
    for (const auto& l : lines) total += l.at(0).toString().size();
    QCOMPARE(total, 100000);
    lines.clear();
    node.send(QByteArray("Ch\xe2teau\0 de Kost\xe1lek\x07\r\n", 23));
    // Telnet's DO CHARSET and a CHARSET request are no text.
    node.send("Ch\xc3\xa2teau \xff\xfd\x2a" "fort\t\xff\xfa\x2a\x01UTF-8\xff\xf0ok\n\r");
    node.send("bad \xc3( utf8\r\n");
    // A spotter's typed DEL and backspace stay for the reader to apply.
    node.send("up\x7f\x08" "dn\r\n");
    QTRY_COMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0).at(0).toString(), "Château de Kostálek");
    QCOMPARE(lines.at(1).at(0).toString(), "Château fort ok");
    QCOMPARE(lines.at(2).at(0).toString(), "bad Ã( utf8");
    QCOMPARE(lines.at(3).at(0).toString(), QStringLiteral("up\x7f\x08" "dn"));
    QCOMPARE(node.received, QByteArray());  // no prompt, no login
  }

  // Refused: the waits grow and stop growing at the longest; once the node
  // listens, the client is in and logs in again after every drop. A drop
  // soon after the login keeps the longest wait; one after a connection that
  // held starts again from the first.
  void waitsLongerThenReconnects() {
    quint16 port;
    {
      Node probe;
      port = probe.listen();
    }
    SpotClient client;
    client.setBackoff({40, 160, 1000, 2000});
    QList<int> waits;
    connect(&client, &SpotClient::stateChanged, this, [&](SpotClient::State s) {
      if (s == SpotClient::State::Waiting) waits << client.waitMs();
    });
    client.start("127.0.0.1", port, "F0ORB");
    QTRY_VERIFY(waits.size() >= 4);
    QCOMPARE(waits.mid(0, 4), (QList<int>{40, 80, 160, 160}));
    QVERIFY(!client.lastError().isEmpty());
    QVERIFY(!client.send("SH/DX"));

    Node node;
    node.listen(port);
    QVERIFY(node.accept());
    QTRY_COMPARE(client.state(), SpotClient::State::Connected);
    node.send("DB0SUE-7 login: ");  // a prompt known by its end
    QTRY_COMPARE(node.received, QByteArray("F0ORB\r\n"));
    const qsizetype refused = waits.size();
    node.peer->close();
    QTRY_COMPARE(waits.size(), refused + 1);
    QCOMPARE(waits.last(), 160);
    QVERIFY(node.accept());
    node.send("Please login\r\n");
    QTRY_COMPARE(node.received, QByteArray("F0ORB\r\n"));
    QTest::qWait(1100);
    node.peer->close();
    QTRY_COMPARE(waits.size(), refused + 2);
    QCOMPARE(waits.last(), 40);
    QVERIFY(node.accept());

    client.stop();
    QCOMPARE(client.state(), SpotClient::State::Idle);
    QTest::qWait(300);
    QVERIFY(!node.server.hasPendingConnections());
  }

  // A node that keeps talking keeps its connection past the idle limit; one
  // that falls silent is dropped, said so, and joined again after the wait.
  // The socket probes a quiet peer itself after a minute.
  void silentNodeIsDroppedAndJoinedAgain() {
    Node node;
    const quint16 port = node.listen();
    SpotClient client;
    client.setBackoff(kShortWaits);
    client.setIdleLimitMs(700);
    QSignalSpy states(&client, &SpotClient::stateChanged);
    client.start("127.0.0.1", port, "F0ORB");
    QVERIFY(node.accept());
    QTRY_COMPARE(client.state(), SpotClient::State::Connected);

    auto* socket = client.findChild<QTcpSocket*>();
    QCOMPARE(socket->socketOption(QAbstractSocket::KeepAliveOption).toInt(), 1);
    int idle = 0;
    socklen_t size = sizeof idle;
    QCOMPARE(getsockopt(int(socket->socketDescriptor()), IPPROTO_TCP, TCP_KEEPIDLE, &idle, &size), 0);
    QCOMPARE(idle, 60);

    for (int i = 0; i < 15; ++i) {
      // Lines, or telnet's no-operation alone: any byte will do.
      node.send(i % 3 ? QByteArray("\xff\xf1") : QByteArray("DX de OK1KTL: 14025.0 F5ABC cq 1234Z\r\n"));
      QTest::qWait(100);
    }
    QCOMPARE(client.state(), SpotClient::State::Connected);
    QVERIFY(!node.server.hasPendingConnections());
    QVERIFY(!client.droppedForSilence());

    states.clear();
    QTRY_COMPARE(client.state(), SpotClient::State::Waiting);
    QVERIFY(client.droppedForSilence());
    QCOMPARE(client.waitMs(), 40);
    QTRY_COMPARE(node.peer->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(node.accept());
    QTRY_COMPARE(client.state(), SpotClient::State::Connected);
    QVERIFY(!client.droppedForSilence());
    QCOMPARE(states.size(), 3);  // Waiting, Connecting, Connected
  }
};

QTEST_GUILESS_MAIN(SpotClientTest)
#include "test_spot_client.moc"
