// Appending, replacing, inserting, deleting and sorting log lines, and what
// is left on disk when a write fails.
#include "log/log_file.h"
#include "log/qso_record.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace ktl;
using Lines = QList<QByteArray>;

namespace {

const QByteArray kNoon = "01/01/16 12:00";

// dateTime is "dd/mm/yy HH:MM".
QByteArray qso(const QByteArray& call, const QByteArray& dateTime = kNoon, const QByteArray& name = "",
               const QByteArray& mode = "SSB") {
  return toLogLine({.callsign = call, .countryPrefix = "OK", .castleNumber = "08815", .qsoDate = dateTime.left(8),
                    .qsoTime = dateTime.mid(9), .mode = mode, .band = "7 Mhz", .rstReceived = "59",
                    .castleName = name, .rstSent = "59"});
}
QByteArray col24(QByteArray line, char c = '*') { return line.replace(23, 1, QByteArray(1, c)); }
QByteArray crlf(const Lines& lines) { return lines.isEmpty() ? QByteArray("") : lines.join("\r\n") + "\r\n"; }
QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

const QByteArray A = qso("A", "01/01/16 12:00"), B = qso("B", "02/01/16 12:00"), C = qso("C", "03/01/16 12:00"),
                 N = col24(qso("NEW", "05/05/16 10:00"));

// Replace and delete name B as the old line.
LogResult run(const QString& op, const QString& log) {
  if (op == u"append") return appendQso(log, N);
  if (op == u"replace") return replaceQso(log, N, B);
  if (op == u"insert") return insertQsoByDate(log, N);
  if (op == u"delete") return deleteQso(log, B);
  return sortLog(log);
}

}  // namespace

class TestLogFile : public QObject {
  Q_OBJECT
  QTemporaryDir* dir_ = nullptr;
  QString log_;

 private slots:
  void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
  void init() {
    dir_ = new QTemporaryDir;
    log_ = dir_->filePath("F0ORB_KTL.log");
  }
  void cleanup() { delete dir_; }

  // Lines cut across read blocks of any size.
  void lineReader() {
    QByteArray bytes("ab\r\n\r\ncd\nef\r\r\n\xe9g");
    for (int blockSize : {1, 2, 3, 1 << 20}) {
      QBuffer buffer(&bytes);
      QVERIFY(buffer.open(QIODevice::ReadOnly));
      LineReader reader(buffer, blockSize);
      Lines got;
      for (QByteArray line; reader.next(line);) got << line;
      QCOMPARE(got, Lines({"ab", "", "cd", "ef\r", "\xe9g"}));
    }
  }

  // A null `before` is a missing log; a null `after` a log left missing.
  // Matching the old line ignores column 24 and reads missing end columns as
  // blanks. Rewrites end every line with CR LF.
  void edit_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("append after CR LF") << "append" << crlf({A}) << crlf({A, N});
    QTest::newRow("append after a missing CR LF") << "append" << A << crlf({A, N});
    QTest::newRow("append after LF") << "append" << A + "\n" << A + "\n" + crlf({N});
    QTest::newRow("replace, stored mark ignored") << "replace" << crlf({A, col24(B), C}) << crlf({A, N, C});
    QTest::newRow("replace every identical line") << "replace" << crlf({B, C, B}) << crlf({N, C, N});
    QTest::newRow("replace a vanished line appends") << "replace" << crlf({A, C}) << crlf({A, C, N});
    QTest::newRow("replace a trimmed line") << "replace" << crlf({B.trimmed(), C}) << crlf({N, C});
    QTest::newRow("delete every identical line") << "delete" << crlf({B, A, col24(B), B}) << crlf({A});
    QTest::newRow("delete a trimmed line, LF ends") << "delete" << A + "\n" + B.trimmed() + "\n" << crlf({A});
    QTest::newRow("delete an absent line") << "delete" << crlf({A, C}) << crlf({A, C});
    QByteArray edited = A;
    edited[12] = 'X';  // a 13-character callsign typed by hand
    edited[32] = '!';
    QTest::newRow("sort rebuilds hand-edited lines") << "sort" << crlf({B.trimmed(), edited}) << crlf({A, B});
    for (const char* op : {"append", "replace", "insert"})
      QTest::addRow("%s creates a missing log", op) << op << QByteArray() << crlf({N});
    for (const char* op : {"delete", "sort"})
      QTest::addRow("%s leaves a missing log missing", op) << op << QByteArray() << QByteArray();
  }
  void edit() {
    QFETCH(QString, op);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    if (!before.isNull()) write(log_, before);
    QVERIFY(run(op, log_).ok());
    QCOMPARE(QFileInfo::exists(log_), !after.isNull());
    QCOMPARE(readAll(log_), after);
  }

  // Before the first line not earlier than the new one; YY 51-99 are 19xx and
  // 00-50 20xx; a line without a readable date-time counts as later than all.
  void insert_data() {
    QTest::addColumn<QByteArrayList>("dates");  // the log's, then the new line's
    QTest::addColumn<int>("position");
    const auto row = [](const char* name, const char* dates, int at) {
      QTest::newRow(name) << QByteArray(dates).split(';') << at;
    };
    row("before an equal date-time", "31/12/15 12:00;01/01/16 12:00;01/01/16 12:00", 1);
    row("month over day, minutes", "02/01/16 12:30;01/02/16 12:30;01/02/16 12:31", 2);
    row("yy 50 is 2050", "10/10/49 00:00;10/10/51 00:00;01/01/50 00:00", 2);
    row("yy 51 is 1951", "01/01/00 00:00;01/01/52 00:00;01/01/51 00:00", 0);
    row("undated line is later", "01/01/16 10:00;xx/01/16 10:00;01/01/10 10:00;02/01/16 00:00", 1);
    row("undated new line before the first undated", "01/01/16 10:00;01/01/16 1O:00;01/01/17 10:00;  /  /     :  ", 1);
  }
  void insert() {
    QFETCH(QByteArrayList, dates);
    QFETCH(int, position);
    Lines lines;
    for (const QByteArray& d : dates) lines << qso(QByteArray::number(lines.size()), d);
    const QByteArray added = lines.takeLast();
    write(log_, crlf(lines));
    QVERIFY(insertQsoByDate(log_, added).ok());
    lines.insert(position, added);
    QCOMPARE(readAll(log_), crlf(lines));
  }

  // Ascending date-time (YY 50-99 are 19xx here), undated lines last, ties by
  // the line from the mode on, then the callsign, case ignored, stable.
  // Column 24 is written back blank.
  void sort_data() {
    QTest::addColumn<Lines>("input");
    QTest::addColumn<QList<int>>("order");  // indices into input
    QTest::newRow("century, marks cleared")
        << Lines{col24(qso("Y01", "01/01/01 00:00")), qso("Y99", "31/12/99 23:59"), qso("Y49", "01/01/49 12:00"),
                 col24(qso("Y50", "01/01/50 00:00"))} << QList{3, 1, 0, 2};
    QTest::newRow("day, month, time; undated last")
        << Lines{qso("U", "--/--/-- 12:00"), qso("T1", "02/01/16 10:00"), qso("T2", "01/01/16 23:59"),
                 qso("T3", "01/02/16 00:00"), qso("T4", "01/01/16 00:01")} << QList{4, 2, 1, 3, 0};
    QTest::newRow("one stray character leaves a line undated")
        << Lines{qso("U1", "-1/01/16 12:00"), qso("U2", "01/01/1- 12:00"), qso("U3", "01/01/16 12:0-"),
                 qso("T", "31/12/16 23:59")} << QList{3, 0, 1, 2};
    QTest::newRow("tie, case ignored") << Lines{qso("X", kNoon, "Burg"), qso("X", kNoon, "\xc9" "CRIN"),
                                                qso("X", kNoon, "abbey"), qso("X", kNoon, "\xe9" "cluse")}
                                       << QList{2, 0, 3, 1};
    QTest::newRow("tie, mode before callsign") << Lines{qso("A", kNoon, "", "SSB"), qso("B", kNoon, "", "CW")}
                                               << QList{1, 0};
    Lines casings;  // enough keys equal but for case for an unstable sort to show
    QList<int> kept;
    for (int i = 0; i < 64; ++i, kept << kept.size())
      casings << qso("X", kNoon, QByteArray::number(i, 2).rightJustified(6, '0').replace('0', 'c').replace('1', 'C'));
    QTest::newRow("equal but case: order kept") << casings << kept;
  }
  void sort() {
    QFETCH(Lines, input);
    QFETCH(QList<int>, order);
    write(log_, crlf(input));
    QVERIFY(sortLog(log_).ok());
    Lines expected;
    for (int i : order) expected << col24(input[i], ' ');
    QCOMPARE(readAll(log_), crlf(expected));
  }

  // The first line in file order with the castle number gives the date.
  void findCastleNumber() {
    QByteArray f = qso("F", "09/09/18 12:00");
    f.replace(13, 10, "   F-01051");
    write(log_, crlf({A, f, B}));
    QCOMPARE(ktl::findCastleNumber(log_, "08815"), std::optional<QByteArray>("01/01/16"));
    QCOMPARE(ktl::findCastleNumber(log_, "01051"), std::optional<QByteArray>("09/09/18"));
    QVERIFY(!ktl::findCastleNumber(log_, "0105"));
  }

  // A write that fails part-way (a file size cap acts as a full disk) leaves
  // the old log as it was and no temporary file behind.
  void failedWriteKeepsOldLog_data() {
    QTest::addColumn<QString>("op");
    for (const char* op : {"append", "replace", "insert", "delete", "sort"}) QTest::newRow(op) << op;
  }
  void failedWriteKeepsOldLog() {
    QFETCH(QString, op);
    Lines lines;
    for (int i = 0; i < 100; ++i) lines << (i == 50 ? B : qso("F" + QByteArray::number(i)));
    const QByteArray before = crlf(lines);
    write(log_, before);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit cap = old;
    cap.rlim_cur = op == u"append" ? before.size() + 60 : before.size() / 2;  // half a line more, half the log
    setrlimit(RLIMIT_FSIZE, &cap);
    const LogResult r = run(op, log_);
    setrlimit(RLIMIT_FSIZE, &old);
    QCOMPARE(r.status, LogResult::WriteFailed);
    QVERIFY(!r.detail.isEmpty());
    QCOMPARE(readAll(log_), before);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"F0ORB_KTL.log"});
  }
};

QTEST_GUILESS_MAIN(TestLogFile)
#include "test_log_file.moc"
