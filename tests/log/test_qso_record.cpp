// Log lines, list lines, the conversions between them and the QSO list.
#include "log/log_list_model.h"
#include "log/qso_record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ktl;

namespace {

const QByteArray kName = "Hrad Kost\xe1lek";  // "á" as one Windows-1252 byte

QsoRecord sample() {
  return {.callsign = "F0ORB/P", .countryPrefix = "OK", .castleNumber = "08815", .qsoDate = "04/03/16",
          .qsoTime = "09:05", .mode = "SSB", .band = "14 Mhz", .rstReceived = "59", .castleName = kName,
          .rstSent = "57"};
}

QByteArray name60(const QByteArray& s) { return s.leftJustified(60, ' ', true); }

}  // namespace

class TestQsoRecord : public QObject {
  Q_OBJECT
 private slots:
  void logLineColumns_data() {
    QTest::addColumn<QsoRecord>("qso");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("two-letter prefix") << sample()
        << "F0ORB/P     " " " "  OK-08815" " " "04/03/16" " " "09:05" " " "SSB" " " "14 Mhz " " " "59 " " " +
               name60(kName) + " " " " " " "57 ";
    QsoRecord f = sample();
    f.countryPrefix = "F";
    f.castleNumber = "01051";
    f.repeatMark = true;
    f.qslReceived = true;
    QTest::newRow("one-letter prefix, repeat, QSL") << f
        << "F0ORB/P     " " " "   F-01051" "*" "04/03/16" " " "09:05" " " "SSB" " " "14 Mhz " " " "59 " " " +
               name60(kName) + " " "*" " " "57 ";
    QsoRecord longer = sample();
    longer.callsign = "DL/F0ORB/QRP1";  // 13
    longer.mode = "DIGI";
    longer.castleName = QByteArray(70, 'x');
    QTest::newRow("overlong fields cut, columns kept") << longer
        << "DL/F0ORB/QRP" " " "  OK-08815" " " "04/03/16" " " "09:05" " " "DIG" " " "14 Mhz " " " "59 " " " +
               QByteArray(60, 'x') + " " " " " " "57 ";
  }
  void logLineColumns() {
    QFETCH(QsoRecord, qso);
    QFETCH(QByteArray, expected);
    QCOMPARE(expected.size(), kLogLineWidth);
    QCOMPARE(toLogLine(qso), expected);
  }

  void displayLineColumns() {
    QsoRecord q = sample();
    q.qslReceived = true;
    q.repeatMark = true;  // never shown
    const QByteArray d = toDisplayLine(toLogLine(q), 1);
    QCOMPARE(d, "    1  F0ORB/P       " "  OK-08815  04/03/16  09:05  SSB  14 Mhz   59   57   " + name60(kName) +
                    "  *");
    const QsoRecord back = fromDisplayLine(d);  // padding kept for the entry fields
    QCOMPARE(back.callsign + back.countryPrefix + back.rstReceived, QByteArray("F0ORB/P       OK59 "));
  }

  void numbering_data() {
    QTest::addColumn<qsizetype>("n");
    QTest::addColumn<QByteArray>("expected");
    for (const char* text : {"    9", "   10", "  100", " 9999", "     9", " 10000", "100000"})
      QTest::newRow(text) << QByteArray(text).trimmed().toLongLong() << QByteArray(text);
  }
  void numbering() {
    QFETCH(qsizetype, n);
    QFETCH(QByteArray, expected);
    QCOMPARE(sequenceNumber(n, expected.size()), expected);
  }

  // list line -> fields -> log line gives the stored line, column 24 aside;
  // RebuildLogLine gives it with a blank column 24, at any numbering width.
  void roundTrip_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qsizetype>("n");
    QsoRecord marked = sample();
    marked.repeatMark = marked.qslReceived = true;
    QsoRecord f = sample();
    f.countryPrefix = "F";
    f.castleNumber = "1";
    f.castleName = "\x80\xc9\xff ch\xe2teau";
    QTest::newRow("plain") << toLogLine(sample()) << qsizetype(1);
    QTest::newRow("repeat and QSL") << toLogLine(marked) << qsizetype(42);
    QTest::newRow("short prefix, high bytes") << toLogLine(f) << qsizetype(9999);
    QTest::newRow("six-column number") << toLogLine(marked) << qsizetype(100000);
  }
  void roundTrip() {
    QFETCH(QByteArray, line);
    QFETCH(qsizetype, n);
    const QByteArray d = toDisplayLine(line, n, numberWidthFor(n));
    QCOMPARE(d.size(), kDisplayLineWidth);
    QByteArray blank24 = line;
    blank24[23] = ' ';
    QCOMPARE(rebuildLogLine(d), blank24);
    QsoRecord fields = fromDisplayLine(d);
    fields.repeatMark = line[23] == '*';
    QCOMPARE(toLogLine(fields), line);
  }

  void sameQso_data() {
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("same");
    const QByteArray line = toLogLine(sample());
    const auto with = [&](int col, char c) { QByteArray l = line; l[col - 1] = c; return l; };
    const QByteArray trimmed = line.left(118).trimmed();  // no report sent, trailing blanks cut
    QTest::newRow("column 24 differs") << line << with(24, '*') << true;
    QTest::newRow("column 23 differs") << line << with(23, '9') << false;
    QTest::newRow("column 25 differs") << line << with(25, '1') << false;
    QTest::newRow("column 121 differs") << line << with(121, 'X') << false;
    QTest::newRow("trimmed vs marked and padded") << trimmed << with(24, '*').left(118) + "   " << true;
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
    const QString path = dir.filePath("F0ORB_KTL.log");
    const QByteArray full = toLogLine(sample());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\r\nF0ORB\r\n" + full + "EXTRA\n" + full.left(55) + "\x80\xc9\xff\r\n\r" + "\nlast");
    f.close();
    LogListModel model;
    QVERIFY(model.load(path));
    QCOMPARE(model.rowCount(), 6);
    for (int r = 0; r < model.rowCount(); ++r) QCOMPARE(model.displayLine(r).size(), kDisplayLineWidth);
    QCOMPARE(model.displayLine(1), "    2  F0ORB" + QByteArray(125, ' '));
    QCOMPARE(model.displayLine(2), toDisplayLine(full, 3));
    QCOMPARE(model.displayLine(3).mid(74, 4), QByteArray("\x80\xc9\xff "));
    QCOMPARE(model.data(model.index(3)).toString().mid(74, 4), QStringLiteral("\u20ac\u00c9\u00ff "));
    QCOMPARE(model.displayLine(4).trimmed(), QByteArray("5"));
    QCOMPARE(model.displayLine(5).mid(7, 5), QByteArray("last "));
  }

  void listNumberingWidth_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("head");
    QTest::newRow("9,999 lines, first") << 9999 << 0 << QByteArray("    1  F0ORB/P");
    QTest::newRow("9,999 lines, last") << 9999 << 9998 << QByteArray(" 9999  F0ORB/P");
    QTest::newRow("10,000 lines, first") << 10000 << 0 << QByteArray("     1 F0ORB/P");
    QTest::newRow("10,000 lines, last") << 10000 << 9999 << QByteArray(" 10000 F0ORB/P");
  }
  void listNumberingWidth() {
    QFETCH(int, lines);
    QFETCH(int, row);
    QFETCH(QByteArray, head);
    QTemporaryDir dir;
    const QString path = dir.filePath("F0ORB_KTL.log");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    const QByteArray line = toLogLine(sample()) + "\r\n";
    for (int i = 0; i < lines; ++i) f.write(line);
    f.close();
    LogListModel model;
    QVERIFY(model.load(path));
    QCOMPARE(model.rowCount(), lines);
    const QByteArray d = model.displayLine(row);
    QCOMPARE(d.left(head.size()), head);
    QCOMPARE(d.mid(7), toDisplayLine(line, 1).mid(7));
  }

  void listMissingOrUnreadable() {
    QTemporaryDir dir;
    LogListModel model;
    QVERIFY(model.load(dir.filePath("NONE_KTL.log")));
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(QDir(dir.path()).mkdir("D_KTL.log"));
    QVERIFY(!model.load(dir.filePath("D_KTL.log")));
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.errorString().isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestQsoRecord)
#include "test_qso_record.moc"
