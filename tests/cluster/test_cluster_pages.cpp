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
    const char* pages[] = {"top_250_HF.html",     "top_50_1.8_MHz.html", "top_50_3.5_MHz.html", "top_50_7_MHz.html",
                           "top_50_10_MHz.html",  "top_50_14_MHz.html",  "top_50_18_MHz.html",  "top_50_21_MHz.html",
                           "top_50_24_MHz.html",  "top_50_28_MHz.html",  "top_50_50_MHz.html",  "top_50_144_MHz.html",
                           "top_50_430_MHz.html", "top_250_VHF.html"};
    for (int i = 0; i < 14; ++i) QTest::addRow("%d", i) << i << QStringLiteral("https://dxc.example.org/dxc/") + pages[i];
  }
  void pageOfEveryBand() {
    QFETCH(int, index);
    QTEST(clusterPageAddress(QStringLiteral("https://dxc.example.org"), index).toString(), "page");
  }

  // A refused base gives no page at all, never a relative one.
  void serverAddress_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");  // empty: refused
    QTest::newRow("trailing slashes, blanks") << " https://dxc.example.org// " << "https://dxc.example.org";
    QTest::newRow("port and path prefix") << "http://127.0.0.1:8080/stats/" << "http://127.0.0.1:8080/stats";
    QTest::newRow("no scheme") << "dxc.example.org" << "";
    QTest::newRow("ftp") << "ftp://dxc.example.org" << "";
    QTest::newRow("no host") << "http://" << "";
    QTest::newRow("query") << "https://dxc.example.org/?band=14" << "";
  }
  void serverAddress() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(clusterBaseAddress(typed), kept);
    QCOMPARE(clusterPageAddress(typed, 5).toString(), kept.isEmpty() ? "" : kept + "/dxc/top_50_14_MHz.html");
  }

  void storedBand_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("index");
    for (auto [stored, index] : {std::pair{"12", 12}, {"13", 13}, {"14", 0}, {"-1", 0}, {"abc", 0}, {"5x", 0}})
      QTest::newRow(stored) << QString::fromLatin1(stored) << index;
  }
  void storedBand() {
    QFETCH(QString, stored);
    QTEST(clusterBandFromSetting(stored), "index");
  }
};

QTEST_MAIN(ClusterPagesTest)
#include "test_cluster_pages.moc"
