// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The band-page window over a recording web view: the band it opens on,
// what Afficher stores and opens, the server address set in the window.
#include "cluster/cluster_window.h"
#include "station_fixture.h"

using namespace ktl;

namespace {

const QString kServer = "http://dxc.example.org";
QUrl page(const char* name) { return QUrl(kServer + "/dxc/" + name); }

}  // namespace

class ClusterWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  // The stored band is selected and its page opened; the arrow keys and
  // Enter show another band and store it. One window however often asked.
  void opensOnStoredBandThenKeyboard() {
    StationFixture s;
    s.p.setSetting(kCommonSection, "Adresse Cluster", kServer);
    s.p.setSetting(stationSection(s.call), "bande Cluster", "12");
    auto* win = s.open<ClusterWindow>("Mnu_Cluster");
    auto* bands = s.in<QComboBox>(win, "Bande_CL");
    QCOMPARE(bands->itemText(0) + '|' + bands->itemText(13) + '|' + bands->currentText(), "All HF|All VHF|432 Mhz");
    QCOMPARE(bands->lineEdit()->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(s.p.pagesOpened, QList<QUrl>{page("top_50_430_MHz.html")});

    QCOMPARE(win->focusWidget(), bands);
    for (int i = 0; i < 7; ++i) QTest::keyClick(bands, Qt::Key_Up);
    QCOMPARE(s.p.pagesOpened.size(), 1);  // choosing alone opens nothing
    QTest::keyClick(bands, Qt::Key_Return);
    QVERIFY(s.p.pagesOpened.last() == page("top_50_14_MHz.html") &&
            s.p.setting(stationSection(s.call), "bande Cluster") == "5");
    QVERIFY(s.open<ClusterWindow>("Mnu_Cluster") == win && s.p.pagesOpened.size() == 2);
    QTest::keyClick(bands, Qt::Key_Escape);
    QVERIFY(!win->isVisible());
  }

  // Without a server the view gets a page of ours, in the language, saying
  // where to set one; a stored band beyond the list gives the first. A
  // refused address is said in the language and not stored; an accepted
  // one is kept without its trailing slash and its page opened.
  void serverAddressAndLanguage() {
    StationFixture s({}, "Anglais");
    s.p.setSetting(stationSection(s.call), "bande Cluster", "14");
    auto* win = s.open<ClusterWindow>("Mnu_Cluster");
    QVERIFY(s.p.pagesOpened.isEmpty() && s.p.pagesShown.size() == 1);
    QVERIFY(s.p.pagesShown[0].contains(u"in the \u201cServer address\u201d field"));
    QCOMPARE(s.p.setting(stationSection(s.call), "bande Cluster"), "0");

    s.c<QAction>("Mnu_Italien")->trigger();
    QCOMPARE(s.in<QComboBox>(win, "Bande_CL")->accessibleName(), "Banda");
    QVERIFY(s.p.pagesShown.last().contains(u"nel campo «Indirizzo del server»"));

    auto* address = s.in<QLineEdit>(win, "Adresse_CL");
    address->setText("https://d\u0445c.example.org");  // a Cyrillic look-alike: refused, nothing stored
    QTest::keyClick(address, Qt::Key_Return);
    QVERIFY(s.p.messages.size() == 1 && s.p.messages[0].startsWith("Indirizzo rifiutato: il nome del server"));
    QCOMPARE(s.p.setting(kCommonSection, "Adresse Cluster"), "<absent>");
    address->setText("http://dxc.example.org/");
    s.in<QPushButton>(win, "Enregistre_CL")->click();
    QCOMPARE(s.p.setting(kCommonSection, "Adresse Cluster") + '|' + address->text(), kServer + '|' + kServer);
    QCOMPARE(s.p.pagesOpened, QList<QUrl>{page("top_250_HF.html")});
  }
};

QTEST_MAIN(ClusterWindowsTest)
#include "test_cluster_windows.moc"
