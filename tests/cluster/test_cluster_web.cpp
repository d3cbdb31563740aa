// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cluster window with the real Chromium view against an HTTP server of
// the test's own on the loopback: the 14 MHz page arrives in the view.
#include "cluster/cluster_window.h"
#include "platform/engine_web_view.h"
#include "station_fixture.h"

#include <QtNetwork>
#include <QWebEngineView>

#include <unistd.h>

using namespace ktl;

class ClusterWebTest : public QObject {
  Q_OBJECT
 public:
  // Before the application exists, as main.cpp does.
  static void initMain() {
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  }

 private slots:
  void bandPageArrivesInTheView() {
    // Every request answered with the 14 MHz page; the paths asked kept.
    QTcpServer server;
    QStringList paths;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    connect(&server, &QTcpServer::newConnection, this, [&] {
      QTcpSocket* socket = server.nextPendingConnection();
      connect(socket, &QTcpSocket::readyRead, socket, [&paths, socket] {
        paths << QString::fromLatin1(socket->readAll().split(' ').value(1));
        const QByteArray body = "<html><head><title>Spots 14 MHz</title></head></html>";
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
      });
    });
    StationFixture s;
    s.p.webViewFactory = [](QWidget* parent) { return new EngineWebView(parent); };
    s.p.setSetting(kCommonSection, "Adresse Cluster", QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()));
    s.p.setSetting(stationSection(s.call), "bande Cluster", "5");
    auto* view = s.open<ClusterWindow>("Mnu_Cluster")->findChild<QWebEngineView*>();
    // A minute at most for a cold start on a loaded machine.
    QTRY_COMPARE_WITH_TIMEOUT(view->title(), "Spots 14 MHz", 60000);
    QCOMPARE(paths.value(0), "/dxc/top_50_14_MHz.html");
  }
};

QTEST_MAIN(ClusterWebTest)
#include "test_cluster_web.moc"
