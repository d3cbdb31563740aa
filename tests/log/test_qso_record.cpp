// Log lines, list lines, the conversions between them and the QSO list.
#include "log/log_list_model.h"
#include "log/qso_record.h"
#include "test_files.h"

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
    const QString log = dir.filePath("F0ORB_KTL.log");
    QVERIFY(writeFile(log, "\r\nF0ORB\r\n" + full + "EXTRA\n" + full.left(70) + "\r\n\r" + "\nlast"));
    QVERIFY(model.load(log));
    QCOMPARE(model.rowCount(), 6);
    for (int r = 0; r < model.rowCount(); ++r) QCOMPARE(model.displayLine(r).size(), kDisplayLineWidth);
    QCOMPARE(model.displayLine(1), "    2  F0ORB" + QByteArray(125, ' '));
    QCOMPARE(model.displayLine(3).mid(64), "59        " + kName.left(15).leftJustified(63));
    QCOMPARE(model.data(model.index(3)).toString().mid(74, 2), "\u20ac ");
    QCOMPARE(model.displayLine(4).trimmed(), QByteArray("5"));
    QCOMPARE(model.displayLine(5).mid(7, 5), QByteArray("last "));
  }
};

QTEST_GUILESS_MAIN(TestQsoRecord)
#include "test_qso_record.moc"
