// Appending, replacing, inserting, deleting and sorting log lines, and what
// is left on disk when a write fails.
#include "log/log_file.h"
#include "log/log_list_model.h"
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

QByteArray qso(const char* call, const char* date, const char* time = "12:00", const char* name = "",
               bool mark = false, const char* mode = "SSB") {
  return toLogLine({.callsign = call, .countryPrefix = "OK", .castleNumber = "08815", .repeatMark = mark,
                    .qsoDate = date, .qsoTime = time, .mode = mode, .band = "7 Mhz", .rstReceived = "59",
                    .castleName = name, .rstSent = "59"});
}

QByteArray crlf(const Lines& lines) {
  QByteArray out;
  for (const QByteArray& l : lines) out += l + "\r\n";
  return out;
}

QByteArray blank24(QByteArray l) {
  l[23] = ' ';
  return l;
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// Makes every write past `bytes` fail with EFBIG, as on a full disk.
struct FileSizeLimit {
  rlimit old{};
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit lim = old;
    lim.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lim);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};

const QByteArray A = qso("A", "01/01/16"), B = qso("B", "02/01/16"), C = qso("C", "03/01/16");
const QByteArray Bmarked = qso("B", "02/01/16", "12:00", "", true), N = qso("NEW", "05/05/16", "10:00", "", true);
const QByteArray Btrimmed = B.trimmed();

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

  void lineReaderAcrossBlocks_data() {
    QTest::addColumn<int>("blockSize");
    for (int size : {1, 2, 3, 5, 64, 1 << 20}) QTest::newRow(qPrintable(QString::number(size))) << size;
  }
  void lineReaderAcrossBlocks() {
    QFETCH(int, blockSize);
    QByteArray bytes("ab\r\n\r\ncd\nef\r\r\n\xe9g");
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    LineReader reader(buffer, blockSize);
    Lines got;
    QByteArray line;
    while (reader.next(line)) got << line;
    QCOMPARE(got, Lines({"ab", "", "cd", "ef\r", "\xe9g"}));
    QVERIFY(!reader.failed());
  }

  void append_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("empty file") << QByteArray("") << crlf({N});
    QTest::newRow("ends with CR LF") << crlf({A}) << crlf({A, N});
    QTest::newRow("no final line end") << A << crlf({A, N});
    QTest::newRow("ends with LF") << A + "\n" << A + "\n" + crlf({N});
  }
  void append() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    write(log_, before);
    QVERIFY(appendQso(log_, N).ok());
    QCOMPARE(readAll(log_), after);
  }

  // Matching ignores column 24 and reads missing columns as blanks.
  void replace_data() {
    QTest::addColumn<Lines>("stored");
    QTest::addColumn<Lines>("expected");
    QTest::newRow("in place, stored mark ignored") << Lines{A, Bmarked, C} << Lines{A, N, C};
    QTest::newRow("every identical line") << Lines{A, B, C, B} << Lines{A, N, C, N};
    QTest::newRow("vanished old line appends") << Lines{A, C} << Lines{A, C, N};
    QTest::newRow("trimmed stored line") << Lines{A, Btrimmed, C} << Lines{A, N, C};
    QTest::newRow("empty log") << Lines{} << Lines{N};
  }
  void replace() {
    QFETCH(Lines, stored);
    QFETCH(Lines, expected);
    write(log_, crlf(stored));
    QVERIFY(replaceQso(log_, N, B).ok());
    QCOMPARE(readAll(log_), crlf(expected));
  }

  void remove_data() {
    QTest::addColumn<Lines>("stored");
    QTest::addColumn<Lines>("expected");
    QTest::newRow("every identical line, marked or not") << Lines{B, A, Bmarked, C, B} << Lines{A, C};
    QTest::newRow("trimmed stored line") << Lines{A, Btrimmed} << Lines{A};
    QTest::newRow("not found") << Lines{A, C} << Lines{A, C};
  }
  void remove() {
    QFETCH(Lines, stored);
    QFETCH(Lines, expected);
    write(log_, crlf(stored));
    QVERIFY(deleteQso(log_, B).ok());
    QCOMPARE(readAll(log_), crlf(expected));
  }

  void rewriteEndsEveryLineWithCrLf() {
    write(log_, A + "\n" + B + "\r\n" + C);
    QVERIFY(deleteQso(log_, B).ok());
    QCOMPARE(readAll(log_), crlf({A, C}));
  }

  // Replace, insert and append create a missing log; delete and sort leave it missing.
  void missingLog() {
    QVERIFY(deleteQso(log_, B).ok() && sortLog(log_).ok());
    QVERIFY(!QFileInfo::exists(log_) && !ktl::findCastleNumber(log_, "08815"));
    for (const auto& op : {std::function([&] { return replaceQso(log_, N, B); }),
                           std::function([&] { return insertQsoByDate(log_, N); }),
                           std::function([&] { return appendQso(log_, N); })}) {
      QFile::remove(log_);
      QVERIFY(op().ok());
      QCOMPARE(readAll(log_), crlf({N}));
    }
  }

  // The new QSO goes before the first line not earlier than itself;
  // 51-99 are 19xx and 00-50 20xx; undated lines count as later than all.
  void insert_data() {
    QTest::addColumn<QByteArrayList>("dates");  // "dd/mm/yy HH:MM"
    QTest::addColumn<QByteArray>("newDate");
    QTest::addColumn<int>("position");
    QTest::newRow("before an equal date-time")
        << QByteArrayList{"31/12/15 12:00", "01/01/16 12:00", "02/01/16 00:00"} << QByteArray("01/01/16 12:00") << 1;
    QTest::newRow("a minute later") << QByteArrayList{"01/01/16 12:30"} << QByteArray("01/01/16 12:31") << 1;
    QTest::newRow("day before month") << QByteArrayList{"02/01/16 00:00", "01/03/16 00:00"}
                                      << QByteArray("01/02/16 00:00") << 1;
    QTest::newRow("yy 50 is 2050") << QByteArrayList{"10/10/49 00:00", "10/10/51 00:00"}
                                   << QByteArray("01/01/50 00:00") << 2;
    QTest::newRow("yy 51 is 1951") << QByteArrayList{"01/01/00 00:00", "01/01/52 00:00"}
                                   << QByteArray("01/01/51 00:00") << 0;
    QTest::newRow("unsorted log") << QByteArrayList{"05/05/20 00:00", "01/01/10 00:00"}
                                  << QByteArray("01/01/15 00:00") << 0;
    QTest::newRow("undated line is later") << QByteArrayList{"01/01/16 10:00", "xx/01/16 10:00", "01/01/10 10:00"}
                                           << QByteArray("02/01/16 00:00") << 1;
    QTest::newRow("undated new line before first undated")
        << QByteArrayList{"01/01/16 10:00", "01/01/16 1O:00", "01/01/17 10:00"} << QByteArray("  /  /     :  ") << 1;
    QTest::newRow("empty log") << QByteArrayList{} << QByteArray("01/01/16 00:00") << 0;
  }
  void insert() {
    QFETCH(QByteArrayList, dates);
    QFETCH(QByteArray, newDate);
    QFETCH(int, position);
    Lines lines;
    for (const QByteArray& d : dates)
      lines << qso(QByteArray::number(lines.size()), d.left(8), d.mid(9), "", lines.size() == 1);
    write(log_, crlf(lines));
    const QByteArray added = qso("NEW", newDate.left(8), newDate.mid(9));
    QVERIFY(insertQsoByDate(log_, added).ok());
    lines.insert(position, added);
    QCOMPARE(readAll(log_), crlf(lines));
  }

  // Ascending date-time (50-99 are 19xx here), ties by the rest of the
  // line from the mode on, then callsign, letter case ignored, stable.
  void sort_data() {
    QTest::addColumn<Lines>("input");
    QTest::addColumn<Lines>("expected");
    const QByteArray y01 = qso("Y01", "01/01/01", "00:00", "", true), y99 = qso("Y99", "31/12/99", "23:59"),
                     y49 = qso("Y49", "01/01/49"), y50 = qso("Y50", "01/01/50", "00:00", "", true);
    QTest::newRow("century") << Lines{y01, y99, y49, y50} << Lines{blank24(y50), y99, blank24(y01), y49};
    const QByteArray t1 = qso("T1", "02/01/16", "10:00"), t2 = qso("T2", "01/01/16", "23:59"),
                     t3 = qso("T3", "01/02/16", "00:00"), t4 = qso("T4", "01/01/16", "00:01");
    QTest::newRow("day, month, time") << Lines{t1, t2, t3, t4} << Lines{t4, t2, t1, t3};
    const QByteArray undated = qso("U", "--/--/--");
    QTest::newRow("undated last") << Lines{undated, A} << Lines{A, undated};
    const QByteArray burg = qso("X", "01/01/16", "12:00", "Burg"), abbey = qso("X", "01/01/16", "12:00", "abbey");
    QTest::newRow("tie, case ignored") << Lines{burg, abbey} << Lines{abbey, burg};
    const QByteArray ecrin = qso("X", "01/01/16", "12:00", "\xc9" "CRIN"),
                     ecluse = qso("X", "01/01/16", "12:00", "\xe9" "cluse");
    QTest::newRow("tie, accented case ignored") << Lines{ecrin, ecluse} << Lines{ecluse, ecrin};
    Lines casings;  // enough equal keys for a sort that is not stable to show it
    for (int i = 63; i >= 0; --i) {
      QByteArray name("castle");
      for (int b = 0; b < 6; ++b)
        if (i & (1 << b)) name[b] = char(name[b] - 32);
      casings << qso("X", "01/01/16", "12:00", name);
    }
    QTest::newRow("many equal but case: kept order") << casings << casings;
    const QByteArray ssbA = qso("A", "01/01/16", "12:00", "", false, "SSB"),
                     cwB = qso("B", "01/01/16", "12:00", "", false, "CW");
    QTest::newRow("tie, mode before callsign") << Lines{ssbA, cwB} << Lines{cwB, ssbA};
    QByteArray edited = A;
    edited[12] = 'X';   // a 13-character callsign typed by hand
    edited[32] = '!';
    QByteArray cleaned = A;
    QTest::newRow("hand-edited lines rebuilt") << Lines{Btrimmed, edited} << Lines{cleaned, B};
  }
  void sort() {
    QFETCH(Lines, input);
    QFETCH(Lines, expected);
    write(log_, crlf(input));
    QVERIFY(sortLog(log_).ok());
    QCOMPARE(readAll(log_), crlf(expected));
    LogListModel model;
    QVERIFY(model.load(log_));
    QCOMPARE(model.rowCount(), expected.size());
    for (int r = 0; r < expected.size(); ++r)
      QCOMPARE(model.displayLine(r), toDisplayLine(expected[r], r + 1));
  }

  // The first line in file order with the castle number gives the date.
  void findCastleNumber() {
    QByteArray ok = qso("A", "07/03/16"), f = qso("B", "09/09/18");
    ok.replace(13, 10, "  OK-01051");
    f.replace(13, 10, "   F-01051");
    write(log_, crlf({ok, f, qso("C", "01/01/17")}));
    QCOMPARE(ktl::findCastleNumber(log_, "01051"), std::optional<QByteArray>("07/03/16"));
    QCOMPARE(ktl::findCastleNumber(log_, "08815"), std::optional<QByteArray>("01/01/17"));
    QVERIFY(!ktl::findCastleNumber(log_, "01050"));
  }

  // A write that fails part-way leaves the old log as it was and no
  // temporary file behind.
  void failedWriteKeepsOldLog_data() {
    QTest::addColumn<int>("operation");
    QTest::newRow("replace") << 0;
    QTest::newRow("insert") << 1;
    QTest::newRow("delete") << 2;
    QTest::newRow("sort") << 3;
    QTest::newRow("append") << 4;
  }
  void failedWriteKeepsOldLog() {
    QFETCH(int, operation);
    Lines lines;
    for (int i = 0; i < 100; ++i) lines << qso(QByteArray::number(i).prepend("F"), "01/01/16");
    const QByteArray before = crlf(lines);
    write(log_, before);
    LogResult r;
    {
      // Room for half the log, or for half a line more on append.
      FileSizeLimit limit(operation == 4 ? before.size() + 60 : before.size() / 2);
      switch (operation) {
        case 0: r = replaceQso(log_, N, lines[50]); break;
        case 1: r = insertQsoByDate(log_, N); break;
        case 2: r = deleteQso(log_, lines[50]); break;
        case 3: r = sortLog(log_); break;
        default: r = appendQso(log_, N); break;
      }
    }
    QCOMPARE(r.status, LogResult::WriteFailed);
    QVERIFY(!r.detail.isEmpty());
    QCOMPARE(readAll(log_), before);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"F0ORB_KTL.log"});
  }

  void unwritablePaths() {
    const QString asFile = dir_->filePath("file"), asDir = dir_->filePath("D_KTL.log");
    write(asFile, "kept");
    QVERIFY(QDir(dir_->path()).mkdir("D_KTL.log"));
    QVERIFY(!replaceQso(asFile + "/F0ORB_KTL.log", N, B).ok());  // folder is a file
    QVERIFY(!appendQso(asFile + "/F0ORB_KTL.log", N).ok());
    QVERIFY(!createEmptyLog(dir_->filePath("missing/F0ORB_KTL.log")).ok());
    QVERIFY(!insertQsoByDate(asDir, N).ok());  // log is a folder
    QVERIFY(!sortLog(asDir).ok());
    QCOMPARE(readAll(asFile), QByteArray("kept"));
    QVERIFY(QFileInfo(asDir).isDir());
  }
};

QTEST_GUILESS_MAIN(TestLogFile)
#include "test_log_file.moc"
