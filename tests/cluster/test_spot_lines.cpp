// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the operator and the nodes type: which node lines are spots and what
// they hold, which castle references a spotter's comment carries, the host
// names of the server and the node, and the cluster server address.
// The node connection against a node played by the test on the loopback:
// the login, lines as they arrive (split, flooded, unended, in any bytes),
// commands, and the waits before connecting again.
#include "cluster/castle_refs.h"
#include "cluster/cluster_pages.h"
#include "platform/host_name.h"
#include "cluster/spot_client.h"
#include "cluster/spot_parser.h"
#include "test_node.h"

#include <QtTest>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

using namespace ktl;

class SpotLinesTest : public QObject {
  Q_OBJECT
 private slots:
  // Which node lines are spots and what each part holds, as nodes of
  // several kinds write them.
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
    row("a whole kHz", "DX de PA3ABC:   10120  PA0XYZ  qrs  0600Z", "PA3ABC|10120|10 Mhz|PA0XYZ|qrs|06:00||");
    row("lower case", "dx de f5abc:  14250.0  f4xyz  castle f-1051  1234z",
        "F5ABC|14250.0|14 Mhz|F4XYZ|castle f-1051|12:34||");
    // Spotters without a colon, or with it against the frequency; a colon
    // in the comment.
    row("pseudo-spotter", "DX de RBNHOLE    10117.0  HB9CBR/P  x04s HB/VD-029   1058Z",
        "RBNHOLE|10117.0|10 Mhz|HB9CBR/P|x04s HB/VD-029|10:58||");
    row("pseudo-spotter, a colon in the comment", "DX de RBNHOLE  10117.0  HB9XYZ/P  x04s Q:9 HB/VD-029  1058Z",
        "RBNHOLE|10117.0|10 Mhz|HB9XYZ/P|x04s Q:9 HB/VD-029|10:58||");
    row("colon on the frequency", "DX de EA8/DF4UE-#:21149.0  IT9ABC/B    CW  9 dB 10 WPM BEACON         1118Z",
        "EA8/DF4UE-#|21149.0|21 Mhz|IT9ABC/B|CW  9 dB 10 WPM BEACON|11:18||");
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
    row("spot quoted in talk", "F5XYZ de F0ORB: DX de OK1KTL: 14025.0 F5ABC x 1234Z", "");
  }
  void spot() {
    QFETCH(QString, line);
    const auto spot = parseSpot(line);
    QString got;
    if (spot)
      got = QStringList{spot->spotter,  spot->frequency, spot->bandText(), spot->dxCall,   spot->comment,   spot->time,
                        spot->locator,  spot->commentMayBeCut ? QString("cut") : QString()}
                .join(u'|');
    QTEST(got, "parts");
  }

  // Each band's first and last kHz are in it, a tenth beyond is in none.
  void bandEdges() {
    const auto bandOf = [](double khz) {
      return parseSpot(QStringLiteral("DX de A1AA: %1 F5ABC cq 1234Z").arg(khz, 0, 'f', 1))->bandText();
    };
    for (auto [low, high, band] : {std::tuple{1800.0, 2000.0, "1.8 Mhz"}, {3500.0, 4000.0, "3.5 Mhz"},
                                   {7000.0, 7300.0, "7.0 Mhz"}, {10100.0, 10150.0, "10 Mhz"},
                                   {14000.0, 14350.0, "14 Mhz"}, {18068.0, 18168.0, "18 Mhz"},
                                   {21000.0, 21450.0, "21 Mhz"}, {24890.0, 24990.0, "24 Mhz"},
                                   {28000.0, 29700.0, "28 Mhz"}, {50000.0, 54000.0, "50 Mhz"},
                                   {144000.0, 148000.0, "144 Mhz"}, {420000.0, 450000.0, "432 Mhz"}})
      QCOMPARE((QStringList{bandOf(low - 0.1), bandOf(low), bandOf(high), bandOf(high + 0.1)}),
               (QStringList{"", band, band, ""}));
  }

  // The castle references a comment carries: castle words, other
  // programmes' references, split notes and the node's cut.
  void references_data() {
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("mayBeCut");
    QTest::addColumn<QString>("refs");
    const auto row = [](const char* comment, const char* refs, bool mayBeCut = false) {
      QTest::newRow(comment) << QString::fromUtf8(comment) << mayBeCut << QString::fromUtf8(refs);
    };
    row("COTA F-01051 CW", "F-01051");
    row("WCA: OK-00815", "OK-00815");
    row("wca -ok-00588 --  ol-073", "OK-00588");
    row("KTL F-1051, f-1052 & OK-1051, F-01051", "F-01051 F-01052 OK-01051");
    // Two references: ours first, each once.
    row("COTA OK-00815 KTL OK-08815", "OK-08815 OK-00815");
    row("POTA K-1234 COTA F-01051", "F-01051");
    // A short number with no castle word: anyone's.
    row("F-1051 qrv", "");
    // Other programmes' references (parks, summits) and lookalikes.
    row("DLFF-01234", "");
    row("Onff-0189 wca on-02734 pota be-0239", "ON-02734");
    row("sota HB/VD-029", "");
    row("F-010511", "");
    row("F-01051/P", "");
    // Split notes.
    row("59 up5-10 tnx", "");
    row("KTL F-01051 up5-10", "F-01051");
    // A prefix of four characters at most.
    row("wca OH0X-00012 OH0XY-00013", "OH0X-00012");
    // The node's cut: a reference at the cut with a short number is a
    // piece of a longer one; a whole one stays.
    row("x05g ON-00859 KTL ON-00859 ON-008", "ON-00859", true);
    row("qrv now from castle KTL ON-859", "", true);
    row("qrv now from castle KTL ON-859", "ON-00859");
    row("KTL ON-859 qrv now from castle", "ON-00859", true);
  }
  void references() {
    QFETCH(QString, comment);
    QFETCH(bool, mayBeCut);
    QStringList got;
    for (const CastleRef& r : castleRefs(comment, mayBeCut)) got << r.prefix + u'-' + r.number;
    QTEST(got.join(u' '), "refs");
  }

  // One rule for the cluster server's and the spot node's host.
  void hostNames() {
    const QString label63(63, u'a');
    for (const auto& [host, check] : {std::pair{QString("::1"), HostCheck::Ok},
                                      {QString("d\u0445c.example.org"), HostCheck::NotAscii},  // a look-alike
                                      {QString("dxc.example.org:7300"), HostCheck::BadName},
                                      {label63 + "a.org", HostCheck::BadName}, {label63 + ".org", HostCheck::Ok},
                                      // 4 labels of 63 and their dots: 255 characters.
                                      {QStringList(4, label63).join(u'.'), HostCheck::TooLong}})
      QVERIFY2(checkHostName(host) == check, qPrintable(host));
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
    row("no scheme", "dxc.example.org", "", AddressProblem::NotWeb);
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
    QCOMPARE(address.base + u'|' + QString::number(int(address.problem)), kept + u'|' + QString::number(problem));
    QCOMPARE(clusterPageAddress(typed, 5).toString(QUrl::FullyEncoded),
             kept.isEmpty() ? "" : kept + "/dxc/top_50_14_MHz.html");
  }

  // Unended, NUL-laden, Windows-1252, UTF-8 and telnet bytes: every line
  // is text, none longer than the cut, nothing lost but controls, and no
  // login without a prompt. The prompt comes without a line end; the login
  // is the call and CR LF, and the node hears nothing else until the
  // operator's command.
  void readsAnyBytesLogsInPassesLinesOn() {
    Node node;
    SpotClient client;
    QSignalSpy lines(&client, &SpotClient::lineReceived);
    const auto texts = [&lines] {  // the lines handed over, in order
      QStringList out;
      for (const auto& args : lines) out << args.at(0).toString();
      return out;
    };
    client.start("127.0.0.1", node.listen(), "F0ORB/P");
    QVERIFY(node.accept());
    node.send(QByteArray(100000, 'x') + "\r\n");
    QTRY_COMPARE(lines.size(), 25);  // 24 pieces of 4096 and the rest
    QCOMPARE(texts().at(0).size(), 4096);
    QCOMPARE(texts().join("").size(), 100000);
    lines.clear();
    node.send(QByteArray("Ch\xe2teau\0 de Kost\xe1lek\x07\r\n", 23));
    // Telnet's DO CHARSET and a CHARSET request are no text.
    node.send("Ch\xc3\xa2teau \xff\xfd\x2a" "fort\t\xff\xfa\x2a\x01UTF-8\xff\xf0ok\n\r");
    node.send("bad \xc3( utf8\r\n");
    // A spotter's typed DEL and backspace stay for the reader to apply.
    node.send("up\x7f\x08" "dn\r\n");
    QTRY_COMPARE(texts(), (QStringList{"Château de Kostálek", "Château fort ok", "bad Ã( utf8",
                                            QStringLiteral("up\x7f\x08" "dn")}));
    QCOMPARE(node.received, QByteArray());
    lines.clear();
    node.send("Welcome to the node\r\n\r\nPlease enter your call: ");
    QTRY_COMPARE(node.received, QByteArray("F0ORB/P\r\n"));
    QCOMPARE(texts(), (QStringList{"Welcome to the node", "Please enter your call: "}));
    lines.clear();
    // A spot split across two packets arrives as one line; a flood of a
    // hundred in one burst, every one in order.
    node.send("DX de OK1KTL:     14025.0  F5ABC     COTA F-");
    QTest::qWait(50);
    QCOMPARE(lines.size(), 0);
    QByteArray burst = "01051  1234Z\r\n";
    for (int i = 0; i < 100; ++i) burst += "DX de OK1KTL: 14025.0 F5ABC spot " + QByteArray::number(i) + " 1234Z\r\n";
    node.send(burst);
    QTRY_COMPARE(lines.size(), 101);
    QCOMPARE(texts().at(0) + '|' + texts().at(100),
             "DX de OK1KTL:     14025.0  F5ABC     COTA F-01051  1234Z|DX de OK1KTL: 14025.0 F5ABC spot 99 1234Z");
    // One command, one line: a line break in it is no second command.
    QVERIFY(client.send("SH/DX 10\nBYE"));
    QTRY_COMPARE(node.received, QByteArray("F0ORB/P\r\nSH/DX 10 BYE\r\n"));
  }

  // Refused: the waits grow and stop growing at the longest; once the node
  // listens, the client logs in again after every drop. A drop soon after
  // the login keeps the longest wait; one after a connection that held
  // starts again from the first.
  void waitsLongerThenReconnects() {
    const quint16 port = Node().listen();  // free, and closed again
    SpotClient client;
    client.setBackoff({40, 160, 1000, 2000});
    QList<int> waits;
    connect(&client, &SpotClient::stateChanged, this, [&](SpotClient::State s) {
      if (s == SpotClient::State::Waiting) waits << client.waitMs();
    });
    client.start("127.0.0.1", port, "F0ORB");
    QTRY_VERIFY(waits.size() >= 4);
    QCOMPARE(waits.mid(0, 4), (QList<int>{40, 80, 160, 160}));
    QVERIFY(!client.lastError().isEmpty() && !client.send("SH/DX"));

    Node node;
    node.listen(port);
    QVERIFY(node.accept());
    node.send("DB0SUE-7 login: ");  // a prompt known by its end
    QTRY_COMPARE(node.received, QByteArray("F0ORB\r\n"));
    const qsizetype refused = waits.size();
    node.peer->close();
    QTRY_COMPARE(waits.mid(refused), QList<int>{160});
    QVERIFY(node.accept());
    node.send("Please login\r\n");
    QTRY_COMPARE(node.received, QByteArray("F0ORB\r\n"));
    QTest::qWait(1100);
    node.peer->close();
    QTRY_COMPARE(waits.mid(refused), (QList<int>{160, 40}));
    QVERIFY(node.accept());

    client.stop();
    QCOMPARE(client.state(), SpotClient::State::Idle);
    QTest::qWait(300);
    QVERIFY(!node.server.hasPendingConnections());
  }

  // A node that keeps talking keeps its connection past the idle limit; one
  // that falls silent is dropped, said so, and joined again after the
  // first wait (the connection held: a stable one). The socket probes a
  // quiet peer itself after a minute.
  void silentNodeIsDroppedAndJoinedAgain() {
    Node node;
    SpotClient client;
    client.setBackoff({40, 160, 500, 10000});
    client.setIdleLimitMs(700);
    QSignalSpy states(&client, &SpotClient::stateChanged);
    client.start("127.0.0.1", node.listen(), "F0ORB");
    QVERIFY(node.accept());
    QTRY_COMPARE(client.state(), SpotClient::State::Connected);
    int idle = 0;
    socklen_t size = sizeof idle;
    getsockopt(int(client.findChild<QTcpSocket*>()->socketDescriptor()), IPPROTO_TCP, TCP_KEEPIDLE, &idle, &size);
    QCOMPARE(idle, 60);

    for (int i = 0; i < 15; ++i) {
      // Lines, or telnet's no-operation alone: any byte will do.
      node.send(i % 3 ? QByteArray("\xff\xf1") : QByteArray("DX de OK1KTL: 14025.0 F5ABC cq 1234Z\r\n"));
      QTest::qWait(100);
    }
    QVERIFY(client.state() == SpotClient::State::Connected && !node.server.hasPendingConnections());
    states.clear();
    QTRY_COMPARE(client.state(), SpotClient::State::Waiting);
    QVERIFY(client.droppedForSilence() && client.waitMs() == 40);
    QVERIFY(node.accept());
    QTRY_COMPARE(client.state(), SpotClient::State::Connected);
    QVERIFY(!client.droppedForSilence());
    QCOMPARE(states.size(), 3);  // Waiting, Connecting, Connected
  }
};

QTEST_GUILESS_MAIN(SpotLinesTest)
#include "test_spot_lines.moc"
