// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Main on the operator's screen: its size at 96 dpi, on a small screen and
// at 200 %, growing and shrinking, and its place remembered. CMake runs this
// program once per screen (tests/entry/screens/*.json, QT_SCALE_FACTOR).
#include "station_fixture.h"

using namespace ktl;

class MainSizeTest : public QObject {
  Q_OBJECT
 private slots:
  // Main opens whole on the screen, its boxes fit their texts, and the list
  // takes what the window gains or loses.
  void opensWholeGrowsAndShrinks() {
    StationFixture s;
    const QRect screen = s.w.screen()->availableGeometry();
    QVERIFY(screen.contains(s.w.frameGeometry()));
    // Where the screen has room for it, the design size: 840 x 520 at 96 dpi.
    if (screen.width() >= 900 && screen.height() >= 600 && s.w.logicalDpiX() == 96)
      QCOMPARE(s.w.size(), QSize(840, 520));
    for (const char* name : {"QSL_A", "Rem_A", "Rechercher", "Liste_KTL", "Label12"})
      QVERIFY2(s.w.rect().contains(QRect(s.c(name)->mapTo(&s.w, QPoint()), s.c(name)->size())), name);
    // Each box fits the longest text operators type, and is not much wider.
    const QStringList longest = {"Ind_A",  "HB9/OK1ABC/P", "Type_A",  "DLFF",    "Ref_A", "08815",
                                 "Date_A", "07/03/16",     "Heure_A", "23:59",   "Mode_A", "OLIVIA",
                                 "Bande_A", "144 Mhz",     "RST_A",   "599",     "RST_B", "5NN"};
    for (int i = 0; i < longest.size(); i += 2) {
      QWidget* f = s.c(qPrintable(longest[i]));
      const int text = QFontMetrics(f->font()).horizontalAdvance(longest[i + 1]);
      QVERIFY2(f->width() >= text && f->width() <= text * 3 / 2 + 40, qPrintable(longest[i]));
    }
    // The list takes what the window gains, down to a few of its lines.
    const QSize list = s.c("Liste_KTL")->size();
    s.w.resize(s.w.size() + QSize(200, 150));
    QCoreApplication::processEvents();
    QCOMPARE(s.c("Liste_KTL")->size(), list + QSize(200, 150));
    s.w.resize(100, 100);
    QCOMPARE(s.w.size(), s.w.minimumSize());
    QVERIFY(s.w.minimumHeight() <= s.w.logicalDpiY() * 420 / 96);
  }

  // A stored place is used only where it fits the screen; the place on
  // closing is stored.
  void placeRemembered_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("fits") << "30,60,850,400";
    QTest::newRow("off screen, oversized") << "4000,-900,5000,3000";
    QTest::newRow("not a place") << "840x520";
  }
  void placeRemembered() {
    QFETCH(QString, stored);
    StationFixture s({}, "Francais", "F0ORB",
                     [&](FakePlatform& p) { p.setSetting(kCommonSection, "Fenetre Main", stored); });
    const QRect g = s.w.geometry(), screen = s.w.screen()->availableGeometry();
    QVERIFY(screen.contains(s.w.frameGeometry()));
    if (QTest::currentDataTag() == QLatin1String("fits") && screen.height() >= 500)
      QCOMPARE(g, QRect(30, 60, 850, 400));
    s.w.close();
    QCOMPARE(s.p.setting(kCommonSection, "Fenetre Main"),
             QStringLiteral("%1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()));
  }
};

QTEST_MAIN(MainSizeTest)
#include "test_main_size.moc"
