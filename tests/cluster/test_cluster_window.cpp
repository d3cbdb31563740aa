// The cluster window over a recording web view: the band it opens on, what
// Afficher stores and opens, the band kept per station, and the server
// address set in the window.
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
QUrl page(const char* name) { return QUrl(kServer + QStringLiteral("/dxc/") + name); }

struct Cluster : StationFixture {
  using StationFixture::StationFixture;
  ClusterWindow* open() {
    c<QAction>("Mnu_Cluster")->trigger();
    return w.findChild<ClusterWindow*>();
  }
  QString band(const QString& call) const { return p.setting(stationSection(call), QStringLiteral("bande Cluster")); }
  void setBand(const QString& call, const char* index) {
    p.setSetting(stationSection(call), QStringLiteral("bande Cluster"), QString::fromLatin1(index));
  }
  QString server() const { return p.setting(kCommonSection, QStringLiteral("Adresse Cluster")); }
};

template <typename T>
T* in(ClusterWindow* win, const char* name) { return win->findChild<T*>(QString::fromLatin1(name)); }

}  // namespace

class ClusterWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // The stored band is selected and its page opened; the arrow keys and
  // Enter show another band and store it. One window however often asked.
  void opensOnStoredBandThenKeyboard() {
    Cluster s;
    s.p.setSetting(kCommonSection, QStringLiteral("Adresse Cluster"), kServer);
    s.setBand(s.call, "12");
    ClusterWindow* win = s.open();
    auto* bands = in<QComboBox>(win, "Bande_CL");
    QStringList entries;
    for (int i = 0; i < bands->count(); ++i) entries << bands->itemText(i);
    QCOMPARE(entries, (QStringList{"All HF", "1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz", "21 Mhz",
                                   "24 Mhz", "28 Mhz", "50 Mhz", "144 Mhz", "432 Mhz", "All VHF"}));
    QCOMPARE(bands->currentText(), QStringLiteral("432 Mhz"));
    QCOMPARE(bands->lineEdit()->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(s.p.pagesOpened, QList<QUrl>{page("top_50_430_MHz.html")});

    QCOMPARE(win->focusWidget(), bands);
    for (int i = 0; i < 7; ++i) QTest::keyClick(bands, Qt::Key_Up);
    QCOMPARE(s.p.pagesOpened.size(), 1);  // choosing alone opens nothing
    QTest::keyClick(bands, Qt::Key_Return);
    QCOMPARE(s.p.pagesOpened.last(), page("top_50_14_MHz.html"));
    QCOMPARE(s.band(s.call), QStringLiteral("5"));

    QCOMPARE(s.open(), win);
    QCOMPARE(s.p.pagesOpened.size(), 2);
    QTest::keyClick(bands, Qt::Key_Escape);
    QVERIFY(!win->isVisible());
  }

  // A station changed through the Station window turns an open window to
  // that station's band; the first station's band stays its own.
  void bandPerStation() {
    Cluster s;
    s.p.setSetting(kCommonSection, QStringLiteral("Adresse Cluster"), kServer);
    s.setBand(s.call, "3");
    s.setBand(QStringLiteral("F0ORB_P"), "9");
    s.p.writeLog(QStringLiteral("F0ORB_P"), {});
    auto* bands = in<QComboBox>(s.open(), "Bande_CL");
    QCOMPARE(bands->currentText(), QStringLiteral("7.0 Mhz"));
    s.c<QAction>("Mnu_New_Indicatif")->trigger();
    auto* station = s.w.findChild<StationWindow*>();
    station->findChild<QLineEdit*>(QStringLiteral("New_Indicatif"))->setText(QStringLiteral("F0ORB_P"));
    station->confirm();
    QCOMPARE(bands->currentText(), QStringLiteral("28 Mhz"));
    QCOMPARE(s.p.pagesOpened.last(), page("top_50_28_MHz.html"));
    QCOMPARE(s.band(QStringLiteral("F0ORB")), QStringLiteral("3"));
  }

  // Without a server the view gets a page of ours, in the language, saying
  // where to set one; the band is stored all the same. An address that is
  // not http or https is refused; an accepted one is kept without its
  // trailing slash and its page opened. Captions and the names a screen
  // reader gives follow the language.
  void serverAddressAndLanguage() {
    Cluster s({}, QStringLiteral("Anglais"));
    ClusterWindow* win = s.open();
    QVERIFY(s.p.pagesOpened.isEmpty());
    QCOMPARE(s.p.pagesShown.size(), 1);
    QVERIFY(s.p.pagesShown[0].contains(u"No cluster server is set."));
    QVERIFY(s.p.pagesShown[0].contains(u"in the \u201cServer address\u201d field"));
    QCOMPARE(s.band(s.call), QStringLiteral("0"));

    auto* address = in<QLineEdit>(win, "Adresse_CL");
    address->setText(QStringLiteral("dxc.example.org"));
    QTest::keyClick(address, Qt::Key_Return);
    QCOMPARE(s.p.messages, QStringList{"Address refused: type http:// or https:// followed by the server name "
                                       "(for example https://dxcluster.example.org)"});
    QCOMPARE(s.server(), QStringLiteral("<absent>"));

    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(in<QLabel>(win, "Label1")->text(), QStringLiteral("Cluster aggiornato ogni minuto"));
    QCOMPARE(in<QComboBox>(win, "Bande_CL")->accessibleName(), QStringLiteral("Banda"));
    QVERIFY(s.p.pagesShown.last().contains(u"nel campo «Indirizzo del server»"));

    address->setText(QStringLiteral("http://dxc.example.org/"));
    in<QPushButton>(win, "Enregistre_CL")->click();
    QCOMPARE(s.server(), kServer);
    QCOMPARE(address->text(), kServer);
    QCOMPARE(s.p.pagesOpened, QList<QUrl>{page("top_250_HF.html")});
    QCOMPARE(s.p.messages.size(), 1);
  }
};

QTEST_MAIN(ClusterWindowTest)
#include "test_cluster_window.moc"
