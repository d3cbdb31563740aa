// The cluster window over a recording web view: the band it opens on, what
// Afficher stores and opens, the band kept per station, and the window
// without a server address.
#include "cluster/cluster_window.h"
#include "station/station_window.h"
#include "station_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ktl;

namespace {

const QString kServer = QStringLiteral("http://dxc.example.org");

struct Cluster : StationFixture {
  using StationFixture::StationFixture;
  ClusterWindow* open() {
    c<QAction>("Mnu_Cluster")->trigger();
    return w.findChild<ClusterWindow*>();
  }
  void setServer(const QString& address) { p.setSetting(kCommonSection, QStringLiteral("Adresse Cluster"), address); }
  void storeBand(const QString& call, const QString& index) {
    p.setSetting(stationSection(call), QStringLiteral("bande Cluster"), index);
  }
  QString storedBand(const QString& call) const { return p.setting(stationSection(call), QStringLiteral("bande Cluster")); }
  template <typename T>
  static T* in(ClusterWindow* win, const char* name) {
    return win->findChild<T*>(QString::fromLatin1(name));
  }
};

QUrl page(const char* path) { return QUrl(kServer + QStringLiteral("/dxc/") + path); }

}  // namespace

class ClusterWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // The stored band is selected and its page opened; the arrow keys and
  // Enter show another band and store it for the station. One window however
  // often it is asked for.
  void opensOnStoredBandThenKeyboard() {
    Cluster s;
    s.setServer(kServer);
    s.storeBand(s.call, QStringLiteral("12"));
    QVERIFY(s.c<QAction>("Mnu_Cluster")->isVisible());
    ClusterWindow* win = s.open();
    QVERIFY(win && win->isVisible());
    auto* bands = Cluster::in<QComboBox>(win, "Bande_CL");
    QStringList entries;
    for (int i = 0; i < bands->count(); ++i) entries << bands->itemText(i);
    QCOMPARE(entries, (QStringList{"All HF", "1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz", "21 Mhz",
                                   "24 Mhz", "28 Mhz", "50 Mhz", "144 Mhz", "432 Mhz", "All VHF"}));
    QCOMPARE(bands->currentText(), QStringLiteral("432 Mhz"));
    QCOMPARE(bands->lineEdit()->palette().color(QPalette::Base), QColor(255, 255, 192));
    QVERIFY(bands->font().bold());
    QCOMPARE(s.p.pagesOpened, QList<QUrl>{page("top_50_430_MHz.html")});
    QCOMPARE(Cluster::in<QLabel>(win, "Label2")->text(), QStringLiteral("Cluster (DxCluster)"));

    QCOMPARE(win->focusWidget(), bands);
    for (int i = 0; i < 7; ++i) QTest::keyClick(bands, Qt::Key_Up);
    QCOMPARE(s.p.pagesOpened.size(), 1);  // choosing alone opens nothing
    QTest::keyClick(bands, Qt::Key_Return);
    QCOMPARE(s.p.pagesOpened.last(), page("top_50_14_MHz.html"));
    QCOMPARE(s.storedBand(s.call), QStringLiteral("5"));

    QCOMPARE(s.open(), win);
    QCOMPARE(s.w.findChildren<ClusterWindow*>().size(), 1);
    QCOMPARE(s.p.pagesOpened.size(), 2);
    QTest::keyClick(bands, Qt::Key_Escape);
    QVERIFY(!win->isVisible());
  }

  // The band is the station's: a station changed through the Station window
  // turns an open window to its band, and a new opening starts there.
  void bandPerStation() {
    Cluster s;
    s.setServer(kServer);
    s.storeBand(s.call, QStringLiteral("3"));
    s.storeBand(QStringLiteral("F0ORB_P"), QStringLiteral("9"));
    s.p.writeLog(QStringLiteral("F0ORB_P"), crlf({logLine("F5XYZ", "F", "01051", "07/03/16", "12:00")}));
    ClusterWindow* win = s.open();
    auto* bands = Cluster::in<QComboBox>(win, "Bande_CL");
    QCOMPARE(bands->currentText(), QStringLiteral("7.0 Mhz"));
    bands->setCurrentIndex(13);
    Cluster::in<QPushButton>(win, "Afficher")->click();
    QCOMPARE(s.p.pagesOpened.last(), page("top_250_VHF.html"));

    s.c<QAction>("Mnu_New_Indicatif")->trigger();
    auto* station = s.w.findChild<StationWindow*>();
    station->findChild<QLineEdit*>(QStringLiteral("New_Indicatif"))->setText(QStringLiteral("F0ORB_P"));
    station->confirm();
    QCOMPARE(s.state.stationCallsign(), QStringLiteral("F0ORB_P"));
    QCOMPARE(bands->currentText(), QStringLiteral("28 Mhz"));
    QCOMPARE(s.p.pagesOpened.last(), page("top_50_28_MHz.html"));

    win->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(s.storedBand(QStringLiteral("F0ORB")), QStringLiteral("13"));
    s.storeBand(QStringLiteral("F0ORB_P"), QStringLiteral("1"));
    QCOMPARE(Cluster::in<QComboBox>(s.open(), "Bande_CL")->currentText(), QStringLiteral("1.8 Mhz"));
  }

  // Without a server the view gets a page of ours saying where to set one,
  // and the band is stored all the same. A typed address that is not http or
  // https is refused; an accepted one is kept without its trailing slash and
  // its page opened.
  void serverAddressSetInTheWindow() {
    Cluster s({}, QStringLiteral("Anglais"));
    ClusterWindow* win = s.open();
    QVERIFY(s.p.pagesOpened.isEmpty());
    QCOMPARE(s.p.pagesShown.size(), 1);
    QVERIFY(s.p.pagesShown[0].contains(u"No cluster server is set."));
    QVERIFY(s.p.pagesShown[0].contains(u"in the \u201cServer address\u201d field"));
    QCOMPARE(s.storedBand(s.call), QStringLiteral("0"));

    auto* address = Cluster::in<QLineEdit>(win, "Adresse_CL");
    address->setText(QStringLiteral("dxc.example.org"));
    QTest::keyClick(address, Qt::Key_Return);
    QCOMPARE(s.p.messages, QStringList{"Address refused: type http:// or https:// followed by the server name "
                                       "(for example https://dxcluster.example.org)"});
    QCOMPARE(s.p.setting(kCommonSection, QStringLiteral("Adresse Cluster")), QStringLiteral("<absent>"));
    QVERIFY(s.p.pagesOpened.isEmpty());

    address->setText(QStringLiteral("http://dxc.example.org/"));
    Cluster::in<QPushButton>(win, "Enregistre_CL")->click();
    QCOMPARE(s.p.setting(kCommonSection, QStringLiteral("Adresse Cluster")), kServer);
    QCOMPARE(address->text(), kServer);
    QCOMPARE(s.p.pagesOpened, QList<QUrl>{page("top_250_HF.html")});
    QCOMPARE(s.p.messages.size(), 1);
  }

  // Captions and the names a screen reader gives follow the language.
  void captionsFollowLanguage() {
    Cluster s({}, QStringLiteral("Italien"));
    ClusterWindow* win = s.open();
    QCOMPARE(Cluster::in<QLabel>(win, "Label1")->text(), QStringLiteral("Cluster aggiornato ogni minuto"));
    QCOMPARE(Cluster::in<QComboBox>(win, "Bande_CL")->accessibleName(), QStringLiteral("Banda"));
    QVERIFY(s.p.pagesShown.last().contains(u"Nessun server cluster impostato."));
    s.c<QAction>("Mnu_Francais")->trigger();
    QCOMPARE(Cluster::in<QLabel>(win, "Label1")->text(), QStringLiteral("Cluster remis a jour toutes les minutes"));
    QCOMPARE(Cluster::in<QPushButton>(win, "Afficher")->accessibleName(), QStringLiteral("Afficher"));
    QCOMPARE(Cluster::in<QComboBox>(win, "Bande_CL")->accessibleName(), QStringLiteral("Bande"));
    QVERIFY(s.p.pagesShown.last().contains(u"dans le champ « Adresse du serveur »"));
  }
};

QTEST_MAIN(ClusterWindowTest)
#include "test_cluster_window.moc"
