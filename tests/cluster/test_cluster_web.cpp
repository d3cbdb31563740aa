// The cluster window with the real Chromium view against an HTTP server of
// the test's own on the loopback: the 14 MHz page arrives in the view.
#include "cluster/cluster_window.h"
#include "platform/engine_web_view.h"
#include "station_fixture.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
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
    // One answer per connection: the 14 MHz page, or a 404 page.
    QTcpServer server;
    QStringList paths;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    connect(&server, &QTcpServer::newConnection, this, [&] {
      QTcpSocket* socket = server.nextPendingConnection();
      connect(socket, &QTcpSocket::readyRead, socket, [&paths, socket] {
        const QByteArray path = socket->readAll().split(' ').value(1);
        paths << QString::fromLatin1(path);
        const bool found = path == "/dxc/top_50_14_MHz.html";
        const QByteArray body = found ? "<html><head><title>Spots 14 MHz</title></head></html>"
                                      : "<html><head><title>Not here</title></head></html>";
        socket->write((found ? "HTTP/1.1 200 OK" : "HTTP/1.1 404 Not Found") +
                      QByteArray("\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: ") +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
      });
    });
    StationFixture s;
    s.p.webViewFactory = [](QWidget* parent) { return new EngineWebView(parent); };
    s.p.setSetting(kCommonSection, "Adresse Cluster", QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()));
    s.p.setSetting(stationSection(s.call), "bande Cluster", "5");

    s.c<QAction>("Mnu_Cluster")->trigger();
    auto* view = s.w.findChild<ClusterWindow*>()->findChild<QWebEngineView*>();
    QSignalSpy titles(view, &QWebEngineView::titleChanged);
    bool crashed = false;
    connect(view->page(), &QWebEnginePage::renderProcessTerminated, this, [&] { crashed = true; });
    const QVariantList title{"Spots 14 MHz"};
    // A minute at most for a cold start on a loaded machine.
    QDeadlineTimer deadline(60000);
    while (!crashed && !titles.contains(title) && !deadline.hasExpired()) QTest::qWait(20);
    if (crashed && paths.isEmpty()) QSKIP("QtWebEngine could not start its page process on this machine");
    QVERIFY2(titles.contains(title), qPrintable(QStringLiteral("title: %1, paths asked: %2")
                                                    .arg(view->title(), paths.join(u' '))));
    QCOMPARE(paths.value(0), "/dxc/top_50_14_MHz.html");
  }
};

QTEST_MAIN(ClusterWebTest)
#include "test_cluster_web.moc"
