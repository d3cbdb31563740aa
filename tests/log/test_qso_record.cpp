// Log lines, list lines, the conversions between them, the QSO list and
// the Windows-1252 letter case the sort and the ADIF import share.
#include "log/log_list_model.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ktl;

namespace {

const QByteArray kName = "\x80 Hrad Kost\xe1lek \xff";  // Windows-1252 bytes above 127
const QByteArray kName60 = kName.leftJustified(60);

QsoRecord sample() {
  return {.callsign = "F0ORB/P", .countryPrefix = "F", .castleNumber = "01051", .repeatMark = true,
          .qsoDate = "04/03/16", .qsoTime = "09:05", .mode = "SSB", .band = "14 Mhz", .rstReceived = "59",
          .castleName = kName, .qslReceived = true, .rstSent = "57"};
}

QString writeLog(const QTemporaryDir& dir, const QByteArray& bytes) {
  QFile f(dir.filePath("F0ORB_KTL.log"));
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return {};
  return f.fileName();
}

}  // namespace

class TestQsoRecord : public QObject {
  Q_OBJECT
 private slots:
  void logLineColumns() {
    QCOMPARE(toLogLine(sample()),
             "F0ORB/P     " " " "   F-01051" "*" "04/03/16 09:05 SSB 14 Mhz  59  " + kName60 + " * 57 ");
    // Overlong fields are cut to their columns; missing ones are blank.
    const QsoRecord longer{.callsign = "DL/F0ORB/QRP1", .countryPrefix = "OK", .castleNumber = "08815",
                           .qsoDate = "04/03/16", .mode = "DIGI", .castleName = QByteArray(70, 'x')};
    QCOMPARE(toLogLine(longer), "DL/F0ORB/QRP" " " "  OK-08815" " " "04/03/16" "       " "DIG" + QByteArray(13, ' ') +
                                    QByteArray(60, 'x') + "      ");
  }

  // The number takes five columns up to 9,999 lines and six past them, the
  // second separator blank giving way: column 8 on never moves. Reading the
  // list line back gives the log line, column 24 blank.
  void displayLine_data() {
    QTest::addColumn<qsizetype>("n");
    QTest::addColumn<QByteArray>("head");
    QTest::newRow("1") << qsizetype(1) << QByteArray("    1  ");
    QTest::newRow("9999") << qsizetype(9999) << QByteArray(" 9999  ");
    QTest::newRow("10000") << qsizetype(10000) << QByteArray(" 10000 ");
    QTest::newRow("100000") << qsizetype(100000) << QByteArray("100000 ");
  }
  void displayLine() {
    QFETCH(qsizetype, n);
    QFETCH(QByteArray, head);
    const QByteArray line = toLogLine(sample());
    const QByteArray d = toDisplayLine(line, n, numberWidthFor(n));
    QCOMPARE(d, head + "F0ORB/P     " "  " "   F-01051" "  04/03/16  09:05  SSB  14 Mhz   59   57   " + kName60 +
                    "  *");
    QCOMPARE(rebuildLogLine(d), QByteArray(line).replace(23, 1, " "));
    QsoRecord fields = fromDisplayLine(d);
    QCOMPARE(fields.countryPrefix + fields.rstReceived, QByteArray("   F59 "));  // padding kept for the entry fields
    fields.repeatMark = true;
    QCOMPARE(toLogLine(fields), line);
  }

  void sameQso_data() {
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("same");
    const QByteArray line = toLogLine(sample());
    const auto with = [&](int col, char c) { return QByteArray(line).replace(col - 1, 1, QByteArray(1, c)); };
    QTest::newRow("column 24 differs") << line << with(24, ' ') << true;
    QTest::newRow("column 23 differs") << line << with(23, '9') << false;
    QTest::newRow("column 25 differs") << line << with(25, '1') << false;
    QTest::newRow("column 121 differs") << line << with(121, 'X') << false;
    QTest::newRow("trimmed vs padded") << line.left(118).trimmed() << with(24, ' ').left(118) + "   " << true;
    QTest::newRow("shorter, text missing") << line.left(100) << line << false;
  }
  void sameQso() {
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, same);
    QCOMPARE(ktl::sameQso(a, b), same);
    QCOMPARE(ktl::sameQso(b, a), same);
  }

  // Lines a hand edit can leave behind load without shifting any column.
  void listLoadsOddLines() {
    QTemporaryDir dir;
    const QByteArray full = toLogLine(sample());
    LogListModel model;
    QVERIFY(model.load(writeLog(dir, "\r\nF0ORB\r\n" + full + "EXTRA\n" + full.left(70) + "\r\n\r" + "\nlast")));
    QCOMPARE(model.rowCount(), 6);
    for (int r = 0; r < model.rowCount(); ++r) QCOMPARE(model.displayLine(r).size(), kDisplayLineWidth);
    QCOMPARE(model.displayLine(1), "    2  F0ORB" + QByteArray(125, ' '));
    QCOMPARE(model.displayLine(2), toDisplayLine(full, 3));
    QCOMPARE(model.displayLine(3).mid(64), "59        " + kName.left(15).leftJustified(63));
    QCOMPARE(model.data(model.index(3)).toString().mid(74, 2), QStringLiteral("\u20ac "));
    QCOMPARE(model.displayLine(4).trimmed(), QByteArray("5"));
    QCOMPARE(model.displayLine(5).mid(7, 5), QByteArray("last "));
  }

  // Past 9,999 lines every row is numbered on six columns.
  void listNumberingWidth() {
    QTemporaryDir dir;
    LogListModel model;
    QVERIFY(model.load(writeLog(dir, (toLogLine(sample()) + "\r\n").repeated(10000))));
    QCOMPARE(model.displayLine(0).left(14), QByteArray("     1 F0ORB/P"));
  }

  // Small and capital letter of each pair; a byte that is no letter of a
  // pair maps to itself either way.
  void letterCase() {
    for (auto [small, capital] : std::initializer_list<std::pair<uchar, uchar>>{
             {0x61, 0x41}, {0x7A, 0x5A}, {0xE0, 0xC0}, {0xFE, 0xDE}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}}) {
      QCOMPARE(kUpper1252[small] + kUpper1252[capital], capital * 2);
      QCOMPARE(kLower1252[small] + kLower1252[capital], small * 2);
    }
    for (uchar other : {0x40, 0x5B, 0x60, 0x7B, 0x80, 0x8B, 0x9B, 0xB5, 0xD7, 0xDF, 0xF7})
      QCOMPARE(kUpper1252[other] + kLower1252[other], other * 2);
  }

  void listMissingOrUnreadable() {
    QTemporaryDir dir;
    LogListModel model;
    QVERIFY(model.load(dir.filePath("NONE_KTL.log")) && model.rowCount() == 0);
    QVERIFY(QDir(dir.path()).mkdir("D_KTL.log"));
    QVERIFY(!model.load(dir.filePath("D_KTL.log")) && model.rowCount() == 0);
    QVERIFY(!model.errorString().isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestQsoRecord)
#include "test_qso_record.moc"
