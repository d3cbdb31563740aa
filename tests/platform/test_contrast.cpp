// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The design's own colours read in every desktop style: the entry fields at
// rest, awaiting input and locked (a QSO of the list shown), and the button
// that expects the next Enter, enabled and disabled, measured on a grab of
// the real window, at least 4.5:1 between the text and what is behind it,
// in Fusion, Adwaita-Dark and qt6ct's "darker" palette.
#include "station_fixture.h"

#include <QtTest>

#include <cmath>
#include <map>

using namespace ktl;

namespace {

double luminance(QRgb c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double ratio(QRgb a, QRgb b) {
  const double x = luminance(a), y = luminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The contrast of a control's text as drawn: the most common colour inside
// its frame is what the text sits on; the text is the colour, drawn on a
// few pixels at least (smoothed edges are fewer), that stands out most.
double drawnContrast(QWidget* w) {
  const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::map<QRgb, int> counts;
  for (int y = 4; y < image.height() - 4; ++y)
    for (int x = 4; x < image.width() - 4; ++x) ++counts[image.pixel(x, y)];
  const QRgb background =
      std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
  double best = 1;
  for (const auto& [colour, n] : counts)
    if (n >= 4) best = std::max(best, ratio(colour, background));
  return best;
}

// qt6ct's colour scheme: the colours of each group in the palette's order
// of roles.
QPalette qt6ctPalette(const QString& file) {
  QSettings scheme(file, QSettings::IniFormat);
  QPalette p;
  const std::pair<const char*, QPalette::ColorGroup> groups[] = {
      {"active", QPalette::Active}, {"inactive", QPalette::Inactive}, {"disabled", QPalette::Disabled}};
  for (const auto& [key, group] : groups) {
    const QStringList colours = scheme.value(QStringLiteral("ColorScheme/%1_colors").arg(key)).toStringList();
    for (int role = 0; role < colours.size() && role < QPalette::NColorRoles; ++role)
      if (role != QPalette::NoRole) p.setColor(group, QPalette::ColorRole(role), QColor(colours[role]));
  }
  return p;
}

}  // namespace

class TestContrast : public QObject {
  Q_OBJECT
 private slots:
  void everyStyle_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("palette");
    QTest::newRow("Fusion") << "Fusion" << "";
    QTest::newRow("Adwaita-Dark") << "Adwaita-Dark" << "";
    QTest::newRow("qt6ct darker") << "Fusion" << "/usr/share/qt6ct/colors/darker.conf";
  }
  void everyStyle() {
    QFETCH(QString, style);
    QFETCH(QString, palette);
    QStyle* s = QStyleFactory::create(style);
    QVERIFY2(s, qPrintable("no style " + style + " (adwaita-qt6 installs Adwaita-Dark)"));
    QApplication::setStyle(s);
    QVERIFY2(palette.isEmpty() || QFile::exists(palette), "qt6ct's colour schemes are missing (package qt6ct)");
    QApplication::setPalette(palette.isEmpty() ? s->standardPalette() : qt6ctPalette(palette));

    StationFixture f(crlf({logLine("F5ABC", "F", "01051", "01/01/16", "12:00", "CW", "14 Mhz", "Chateau de Pau")}));
    f.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.w));
    const auto check = [](QWidget* w, const char* what) {
      const double r = drawnContrast(w);
      QVERIFY2(r >= 4.5, qPrintable(QStringLiteral("%1 (%2): %3:1").arg(what, w->objectName()).arg(r, 0, 'f', 2)));
    };
    // Awaiting input, and at rest with a value.
    f.c<QLineEdit>("Ind_A")->setText("F5ABC");
    check(f.c("Ind_A"), "awaiting input");
    // A QSO of the list: every field locked, showing its values.
    f.c<QListView>("Liste_KTL")->clicked(f.state.logModel().index(0));
    for (const char* field : {"Ind_A", "Type_A", "Ref_A", "Date_A", "Heure_A", "Mode_A", "Bande_A", "RST_A", "Rem_A"}) {
      QVERIFY(!f.c(field)->isEnabled());
      check(f.c(field), "locked");
    }
    // The button that expects the next Enter, then disabled after a commit.
    f.c<QPushButton>("Efface_A")->click();
    f.typeQso("G4XYZ", "G", "00002");
    f.finishQso();
    auto* commit = f.c<QPushButton>("Valide_A");
    QVERIFY(commit->isEnabled());
    check(commit, "awaiting Enter");
    f.commit();
    QVERIFY(!commit->isEnabled());
    // Disabled, it is the desktop's own disabled button again, not a black
    // caption that reads as enabled.
    QPushButton desktops(commit->text(), commit->parentWidget());
    desktops.setEnabled(false);
    desktops.setGeometry(commit->geometry().translated(0, commit->height() + 4));
    desktops.show();
    QCOMPARE(commit->grab().toImage(), desktops.grab().toImage());
  }
};

QTEST_MAIN(TestContrast)
#include "test_contrast.moc"
