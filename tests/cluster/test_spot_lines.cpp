// What the operator and the nodes type: which node lines are spots and what
// they hold, which castle references a spotter's comment carries, the host
// names of the server and the node, and the cluster server address.
// The node connection against a node played by the test on the loopback:
// the login, lines as they arrive (split, flooded, unended, in any bytes),
// commands, and the waits before connecting again.
#include "cluster/castle_refs.h"
#include "cluster/cluster_pages.h"
#include "cluster/host_name.h"
#include "cluster/spot_client.h"
#include "cluster/spot_parser.h"
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

// The lines a client handed over, in order.
QStringList texts(const QSignalSpy& lines) {
  QStringList out;
  for (const auto& args : lines) out << args.at(0).toString();
  return out;
}

}  // namespace

class SpotLinesTest : public QObject {
  Q_OBJECT
 private slots:
  void spot_data() {
    QTest::addColumn<QString>("line");
    // spotter|frequency|band|call|comment|time|locator|"cut" when the node
    // may have cut the comment, or empty: no spot.
    QTest::addColumn<QString>("parts");
    const auto row = [](const char* name, const char* line, const char* parts) {
      QTest::newRow(name) << QString::fromUtf8(line) << QString::fromUtf8(parts);
    };
    row("dxspider", "DX de OK1KTL:     14025.0  F5ABC        COTA F-01051 CW                1234Z",
        "OK1KTL|14025.0|14 Mhz|F5ABC|COTA F-01051 CW|12:34||");
    row("60 m is no band of the log", "DX de G4ABC:      5357.0  G3XYZ        FT8 -12 dB                     1200Z",
        "G4ABC|5357.0||G3XYZ|FT8 -12 dB|12:00||");
    row("above 10 m", "DX de K1TTT:    29700.1  VE3ABC       FM        1111Z", "K1TTT|29700.1||VE3ABC|FM|11:11||");
    row("lower case", "dx de f5abc:  14250.0  f4xyz  castle f-1051  1234z", "F5ABC|14250.0|14 Mhz|F4XYZ|castle f-1051|12:34||");
    row("30 m, a whole kHz", "DX de PA3ABC:   10120  PA0XYZ  qrs  0600Z", "PA3ABC|10120|10 Mhz|PA0XYZ|qrs|06:00||");
    // Spotters without a colon, or with it apart or against the frequency.
    row("pseudo-spotter, a colon in the comment", "DX de RBNHOLE    10117.0  HB9XYZ/P     x04s Q:9 HB/VD-029             1058Z",
        "RBNHOLE|10117.0|10 Mhz|HB9XYZ/P|x04s Q:9 HB/VD-029|10:58||");
    row("colon on the frequency", "DX de EA8/DF4UE-#:21149.0  IT9ABC/B    CW  9 dB 10 WPM BEACON         1118Z",
        "EA8/DF4UE-#|21149.0|21 Mhz|IT9ABC/B|CW  9 dB 10 WPM BEACON|11:18||");
    row("colon apart", "DX de F5ABC : 7012.0 F5XYZ cq 1234Z", "F5ABC|7012.0|7.0 Mhz|F5XYZ|cq|12:34||");
    // What nodes write after the time.
    row("locator", "DX de DJ1ABC:     3780.0  OH5XYZ       LSB                            2200Z JO62",
        "DJ1ABC|3780.0|3.5 Mhz|OH5XYZ|LSB|22:00|JO62|");
    row("zones", "DX de F8ABC-#:     7018.3 RW1XYZ       CW  23dB Q:9* Z:20           16 2259Z 14",
        "F8ABC-#|7018.3|7.0 Mhz|RW1XYZ|CW  23dB Q:9* Z:20           16|22:59||cut");
    row("state", "DX de K1ABC:  14025.0  W1XYZ  cq  1234Z MA", "K1ABC|14025.0|14 Mhz|W1XYZ|cq|12:34||");
    // Typed erasures take effect in the comment, never beyond its start.
    row("DEL in the comment", "DX de G7ABC:  24896.0  ZC4XYZ  up\x7f\x7f" "down 2  1136Z",
        "G7ABC|24896.0|24 Mhz|ZC4XYZ|down 2|11:36||");
    row("DELs past the comment's start", "DX de G7ABC:  24896.0  ZC4XYZ  m\x7fop\x08\x08\x08\x08\x08\x08  1136Z",
        "G7ABC|24896.0|24 Mhz|ZC4XYZ||11:36||");
    // A comment filling the node's 30 columns against the time.
    row("full comment", "DX de ON3ABC:    14268.0  OS8XYZ/P     x05g ON-00859  ON-00859 ON-008 0712Z",
        "ON3ABC|14268.0|14 Mhz|OS8XYZ/P|x05g ON-00859  ON-00859 ON-008|07:12||cut");
    row("29 columns", "DX de ON3ABC:    14268.0  OS8XYZ/P     x05g ON-00859  ON-00859 ON-00 0712Z",
        "ON3ABC|14268.0|14 Mhz|OS8XYZ/P|x05g ON-00859  ON-00859 ON-00|07:12||");
    row("30 columns, padded", "DX de ON3ABC:  14268.0  OS8XYZ/P  x05g ON-00859  ON-00859 ON-008  0712Z",
        "ON3ABC|14268.0|14 Mhz|OS8XYZ/P|x05g ON-00859  ON-00859 ON-008|07:12||");
    // Not spots.
    row("no time", "DX de F5ABC:  14250.0  F4XYZ  test", "");
    row("a word after the time", "DX de F5ABC:  14250.0  F4XYZ  at 1234Z see you", "");
    row("three after the time", "DX de F5ABC:  14250.0  F4XYZ  cq  1234Z JN18 14 MA", "");
    row("call without a digit", "DX de F5ABC:  14250.0  TEST  cq  1234Z", "");
    row("no frequency after a colonless spotter", "DX de F5ABC  is on 1234Z", "");
    row("bare head", "DX de", "");
    row("spot quoted in talk", "F5XYZ de F0ORB: DX de OK1KTL: 14025.0 F5ABC x 1234Z", "");
  }
  void spot() {
    QFETCH(QString, line);
    QFETCH(QString, parts);
    const auto spot = parseSpot(line);
    QString got;
    if (spot)
      got = QStringList{spot->spotter,  spot->frequency, spot->bandText(), spot->dxCall,   spot->comment,   spot->time,
                        spot->locator,  spot->commentMayBeCut ? QString("cut") : QString()}
                .join(u'|');
    QCOMPARE(got, parts);
  }

  void references_data() {
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("mayBeCut");
    QTest::addColumn<QString>("refs");
    const auto row = [](const char* comment, const char* refs, bool mayBeCut = false) {
      QTest::newRow(comment) << QString::fromUtf8(comment) << mayBeCut << QString::fromUtf8(refs);
    };
    row("COTA F-01051 CW", "F-01051");
    row("WCA: OK-00815", "OK-00815");
    row("COTA EU-123", "EU-00123");
    row("bca on-2672", "ON-02672");
    row("wca -ok-00588 --  ol-073", "OK-00588");
    row("KTL F-1051, f-1052 & OK-1051, F-01051", "F-01051 F-01052 OK-01051");
    // Two references: ours first, each once.
    row("KTL OK-08815 COTA OK-00815", "OK-08815 OK-00815");
    row("COTA OK-00815 KTL OK-08815", "OK-08815 OK-00815");
    row("POTA K-1234 COTA F-01051", "F-01051");
    row("Onff-0189 wca on-02734 pota be-0239", "ON-02734");
    // A short number with no castle word: anyone's.
    row("F-1051 qrv", "");
    // Other programmes' references and lookalikes.
    row("POTA K-1234", "");
    row("K-12345 pota", "");
    row("DLFF-01234", "");
    row("F-010511", "");
    row("F-01051/P", "");
    // Split and frequency notes.
    row("59 up5-10 tnx", "");
    row("DWN1-2 QSX 14.195", "");
    row("KTL F-01051 up5-10", "F-01051");
    // A prefix of four characters at most.
    row("wca OH0X-00012 OH0XY-00013", "OH0X-00012");
    // The node's cut: a reference at the cut with a short number is a
    // piece of a longer one; a whole one stays.
    row("x05g ON-00859  ON-00859 ON-008", "ON-00859", true);
    row("qrv now from castle KTL ON-859", "", true);
    row("qrv now from castle KTL ON-859", "ON-00859");
    row("qrv now from castle KTL ON-00859", "ON-00859", true);
    row("KTL ON-859 qrv now from castle", "ON-00859", true);
  }
  void references() {
    QFETCH(QString, comment);
    QFETCH(bool, mayBeCut);
    QFETCH(QString, refs);
    QStringList got;
    for (const CastleRef& r : castleRefs(comment, mayBeCut)) got << r.prefix + u'-' + r.number;
    QCOMPARE(got.join(u' '), refs);
  }

  // One rule for the cluster server's and the spot node's host.
  void hostNames_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("check");
    const auto row = [](const char* name, const QString& host, HostCheck check) {
      QTest::newRow(name) << host << int(check);
    };
    row("name", QString("dxc.example.org"), HostCheck::Ok);
    row("IPv6", QString("::1"), HostCheck::Ok);
    row("Cyrillic look-alike", QString("d\u0445c.example.org"), HostCheck::NotAscii);
    row("underscore", QString("dxc_1.example.org"), HostCheck::BadName);
    row("with a port", QString("dxc.example.org:7300"), HostCheck::BadName);
    row("label of 64", QString(64, u'a') + QString(".org"), HostCheck::BadName);
    row("label of 63", QString(63, u'a') + QString(".org"), HostCheck::Ok);
    // 4 labels of 63 and their dots: 255 characters.
    row("longer than the DNS carries", QStringList(4, QString(63, u'a')).join(u'.'), HostCheck::TooLong);
  }
  void hostNames() {
    QFETCH(QString, host);
    QFETCH(int, check);
    QCOMPARE(int(checkHostName(host)), check);
  }

  // A refused base gives no page at all, never a relative one.
  void serverAddress_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");  // empty: refused
    QTest::addColumn<int>("problem");
    const auto row = [](const char* name, const QString& typed, const QString& kept,
                        AddressProblem problem = AddressProblem::None) {
      QTest::newRow(name) << typed << kept << int(problem);
    };
    row("trailing slashes, blanks", " https://dxc.example.org// ", "https://dxc.example.org");
    row("port and path prefix", "http://127.0.0.1:8080/stats/", "http://127.0.0.1:8080/stats");
    row("typed punycode", "https://XN--DC-0MC.example.org", "https://xn--dc-0mc.example.org");
    row("path in another script", "https://dxc.example.org/\u0441\u0442", "https://dxc.example.org/%D1%81%D1%82");
    row("no scheme", "dxc.example.org", "", AddressProblem::NotWeb);
    row("no host", "http://", "", AddressProblem::NotWeb);
    row("query", "https://dxc.example.org/?band=14", "", AddressProblem::NotWeb);
    row("underscore in the host", "https://dxc_1.example.org:80/x", "", AddressProblem::HostName);
    const QString longest = QString("https://dxc.example.org/") + QString(2048 - 24, u'p');
    row("2048 characters", longest, longest);
    row("2049 characters", longest + u'p', "", AddressProblem::TooLong);
    row("2049 with the slashes dropped", longest + u'/', "", AddressProblem::TooLong);
    row("2049 once encoded", longest.chopped(1) + QString("\u00e9"), "", AddressProblem::TooLong);
  }
  void serverAddress() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, problem);
    const ClusterAddress address = readClusterAddress(typed);
    QCOMPARE(address.base, kept);
    QCOMPARE(int(address.problem), problem);
    QCOMPARE(clusterPageAddress(typed, 5).toString(QUrl::FullyEncoded),
             kept.isEmpty() ? "" : kept + "/dxc/top_50_14_MHz.html");
  }

  // The stored band index of the cluster window: 0 to 13, else 0.
  void storedBand() {
    for (auto [stored, index] : {std::pair{"13", 13}, {"14", 0}, {"-1", 0}, {"5x", 0}})
      QCOMPARE(clusterBandFromSetting(QString::fromLatin1(stored)), index);
  }

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
    QCOMPARE(texts(lines), (QStringList{"Welcome to the node", "Please enter your call: "}));
    lines.clear();

    // A spot split across two packets arrives as one line.
    node.send("DX de OK1KTL:     14025.0  F5ABC     COTA F-");
    QTest::qWait(50);
    QCOMPARE(lines.size(), 0);
    node.send("01051  1234Z\r\n");
    QTRY_COMPARE(texts(lines), QStringList{"DX de OK1KTL:     14025.0  F5ABC     COTA F-01051  1234Z"});

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
    QTRY_COMPARE(texts(lines), (QStringList{"Château de Kostálek", "Château fort ok", "bad Ã( utf8",
                                            QStringLiteral("up\x7f\x08" "dn")}));
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
    // A connection that held half a second is a stable one: the wait after
    // the silence is the first, whatever a busy machine did to the first
    // attempt.
    client.setBackoff({40, 160, 500, 10000});
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
    QVERIFY(client.state() == SpotClient::State::Connected && !node.server.hasPendingConnections() &&
            !client.droppedForSilence());

    states.clear();
    QTRY_COMPARE(client.state(), SpotClient::State::Waiting);
    QVERIFY(client.droppedForSilence() && client.waitMs() == 40);
    QTRY_COMPARE(node.peer->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(node.accept());
    QTRY_COMPARE(client.state(), SpotClient::State::Connected);
    QVERIFY(!client.droppedForSilence());
    QCOMPARE(states.size(), 3);  // Waiting, Connecting, Connected
  }
};

QTEST_GUILESS_MAIN(SpotLinesTest)
#include "test_spot_lines.moc"
