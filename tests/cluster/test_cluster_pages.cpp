// The cluster's band pages: the address of every band, the server address
// the operator may type, and the stored band index.
#include "cluster/cluster_pages.h"

#include <QTest>

using namespace ktl;

class ClusterPagesTest : public QObject {
  Q_OBJECT
 private slots:
  void pageOfEveryBand_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("page");
    const char* pages[] = {"top_250_HF.html",      "top_50_1.8_MHz.html", "top_50_3.5_MHz.html",
                           "top_50_7_MHz.html",    "top_50_10_MHz.html",  "top_50_14_MHz.html",
                           "top_50_18_MHz.html",   "top_50_21_MHz.html",  "top_50_24_MHz.html",
                           "top_50_28_MHz.html",   "top_50_50_MHz.html",  "top_50_144_MHz.html",
                           "top_50_430_MHz.html",  "top_250_VHF.html"};
    for (int i = 0; i < 14; ++i)
      QTest::addRow("%d", i) << i << QStringLiteral("https://dxc.example.org/dxc/") + pages[i];
  }
  void pageOfEveryBand() {
    QFETCH(int, index);
    QFETCH(QString, page);
    QCOMPARE(clusterPageAddress(QStringLiteral("https://dxc.example.org"), index).toString(), page);
  }

  void serverAddress_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");  // empty: refused
    QTest::newRow("trailing slashes and blanks") << " https://dxc.example.org// " << "https://dxc.example.org";
    QTest::newRow("port and path prefix") << "http://127.0.0.1:8080/stats/" << "http://127.0.0.1:8080/stats";
    QTest::newRow("no scheme") << "dxc.example.org" << "";
    QTest::newRow("ftp") << "ftp://dxc.example.org" << "";
    QTest::newRow("no host") << "http://" << "";
    QTest::newRow("query") << "https://dxc.example.org/?band=14" << "";
    QTest::newRow("script") << "javascript:alert(1)" << "";
  }
  // A refused base gives no page at all, never a relative one.
  void serverAddress() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(clusterBaseAddress(typed), kept);
    const QUrl page = clusterPageAddress(typed, 5);
    QCOMPARE(page.isEmpty(), kept.isEmpty());
    if (!kept.isEmpty()) QCOMPARE(page.toString(), kept + "/dxc/top_50_14_MHz.html");
  }

  void storedBand_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("index");
    QTest::newRow("12") << "12" << 12;
    QTest::newRow("13") << "13" << 13;
    QTest::newRow("14") << "14" << 0;
    QTest::newRow("-1") << "-1" << 0;
    QTest::newRow("abc") << "abc" << 0;
    QTest::newRow("5 and text") << "5x" << 0;
  }
  void storedBand() {
    QFETCH(QString, stored);
    QTEST(clusterBandFromSetting(stored), "index");
  }
};

QTEST_MAIN(ClusterPagesTest)
#include "test_cluster_pages.moc"
