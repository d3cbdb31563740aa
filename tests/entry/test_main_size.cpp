// Main on the operator's screen: its size at 96 dpi, on a small screen and
// at 200 %, growing and shrinking, its place remembered, and the list
// header's words over their columns. CMake runs this program once per
// screen (tests/entry/screens/*.json, QT_SCALE_FACTOR).
#include "station_fixture.h"

#include <QGroupBox>
#include <QScreen>
#include <QScrollBar>

using namespace ktl;

namespace {

QRect available(const QWidget& w) { return w.screen()->availableGeometry(); }

// Left edges of the runs of ink on `bg` in a band of an image, runs apart by
// at least `gap` blank pixel columns; a run cut by the band's left edge is
// left out.
QList<int> inkRuns(const QImage& img, const QRect& band, int gap, const QColor& bg) {
  QList<int> starts;
  int blank = 0;
  for (int x = band.left(); x <= band.right(); ++x) {
    bool inked = false;
    for (int y = band.top(); y <= band.bottom() && !inked; ++y) {
      const QColor c = img.pixelColor(x, y);
      inked = qAbs(c.red() - bg.red()) + qAbs(c.green() - bg.green()) + qAbs(c.blue() - bg.blue()) > 150;
    }
    if (inked && blank >= gap) starts << x;
    blank = inked ? 0 : blank + 1;
  }
  return starts;
}

}  // namespace

class MainSizeTest : public QObject {
  Q_OBJECT
 private slots:
  void opensWholeGrowsAndShrinks() {
    StationFixture s;
    const QRect screen = available(s.w);
    qInfo("screen %dx%d (logical), Main %dx%d, minimum %dx%d", screen.width(), screen.height(), s.w.width(),
          s.w.height(), s.w.minimumWidth(), s.w.minimumHeight());
    QVERIFY(screen.contains(s.w.frameGeometry()));
    // Where the screen has room for it, the design size: 840 x 520 at 96 dpi.
    if (screen.width() >= 900 && screen.height() >= 600 && s.w.logicalDpiX() == 96)
      QCOMPARE(s.w.size(), QSize(840, 520));
    for (const char* name : {"QSL_A", "Rem_A", "Rechercher", "Liste_KTL", "Label12"})
      QVERIFY2(s.w.rect().contains(QRect(s.c(name)->mapTo(&s.w, QPoint()), s.c(name)->size())), name);
    // Each box fits the longest text operators type, and is not much wider.
    const QStringList longest = {"Ind_A", "HB9/OK1ABC/P", "Type_A", "DLFF", "Ref_A", "08815", "Date_A", "07/03/16",
                                 "Heure_A", "23:59", "Mode_A", "OLIVIA", "Bande_A", "144 Mhz", "RST_A", "599", "RST_B", "5NN"};
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

  void placeRemembered_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("fits") << "30,60,850,400";
    QTest::newRow("off screen, oversized") << "4000,-900,5000,3000";
    QTest::newRow("not a place") << "840x520";
  }
  void placeRemembered() {
    QFETCH(QString, stored);
    FakePlatform p;
    p.setSetting(kCommonSection, "Indicatif Station", "F0ORB");
    p.setSetting(kCommonSection, "Fenetre Main", stored);
    Program prog(p);
    prog.main.startUp();
    const QRect g = prog.main.geometry();
    QVERIFY(available(prog.main).contains(prog.main.frameGeometry()));
    if (QTest::currentDataTag() == QLatin1String("fits") && available(prog.main).height() >= 500)
      QCOMPARE(g, QRect(30, 60, 850, 400));
    prog.main.close();
    QCOMPARE(p.setting(kCommonSection, "Fenetre Main"),
             QStringLiteral("%1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()));
  }

  void headerWordsOverTheirColumns() {
    // A second line, not selected, drawn black on yellow: each field starts
    // at its column.
    const QByteArray other = logLine("F5ABC", "DLFF", "08815", "04/03/16", "09:05", "SSB", "14 Mhz", "Karlstejn", true);
    StationFixture s(crlf({other, logLine("G1AAA", "G", "00001", "01/01/16", "12:00")}));
    auto* list = s.c<QListView>("Liste_KTL");
    auto* frame = s.c<QGroupBox>("L_Communes");
    const QWidget* header = s.c("Label_Liste_KTL");
    const int advance = QFontMetrics(list->font()).horizontalAdvance(QLatin1Char('0'));
    // Returns the x of a field with no heading over it, or -1; counts the fields.
    const auto unheaded = [&](bool numberInView, qsizetype* count) {
      // In device pixels: twice the window's at 200 %.
      const QImage img = frame->grab().toImage();
      const qreal r = img.devicePixelRatio();
      const auto pixels = [r](QPoint at, QSize size) { return QRect((QPointF(at) * r).toPoint(), (QSizeF(size) * r).toSize()); };
      const QRect row = list->visualRect(s.state.logModel().index(0)).intersected(list->viewport()->rect());
      const QRect rowBand = pixels(list->viewport()->mapTo(frame, row.topLeft()), row.size());
      const QRect headerBand = pixels(header->mapTo(frame, QPoint()), header->size());
      // Fields are two blanks apart; a single blank stays inside a field.
      const QList<int> fields = inkRuns(img, rowBand, qRound(advance * r * 3 / 2), list->palette().color(QPalette::Base));
      const QList<int> headings = inkRuns(img, headerBand, qRound(3 * r), img.pixelColor(headerBand.topLeft()));
      *count = fields.size();
      for (int x : fields.mid(numberInView ? 1 : 0))
        if (std::none_of(headings.begin(), headings.end(), [x, r](int h) { return qAbs(h - x) <= 3 * r; })) return x;
      return -1;
    };
    qsizetype fields = 0;
    // Callsign to castle name in view (the number's heading stands before
    // its digits); then scrolled to the QSL column.
    QCOMPARE(unheaded(true, &fields), -1);
    QCOMPARE(fields, 10);
    list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
    QVERIFY(list->horizontalScrollBar()->value() > 0);
    QCOMPARE(unheaded(false, &fields), -1);
    QVERIFY(fields >= 2);
  }
};

QTEST_MAIN(MainSizeTest)
#include "test_main_size.moc"
