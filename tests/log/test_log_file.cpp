// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Appending, replacing, inserting, deleting and sorting log lines, and what
// is left on disk when a write fails.
#include "adif/adif_export.h"
#include "adif/adif_import.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "test_files.h"

#include <QtTest>

#include <csignal>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <unistd.h>
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

const QByteArray A = qso("A", "01/01/16 12:00"), B = qso("B", "02/01/16 12:00"), C = qso("C", "03/01/16 12:00"),
                 N = col24(qso("NEW", "05/05/16 10:00"));

// Replace and delete name B as the old line; export writes <log>.adi,
// import reads <log>.in.adi (these two are run for their failures only).
LogResult run(const QString& op, const QString& log) {
  const auto asLog = [](const auto& r) { return r.ok() ? LogResult{} : LogResult{LogResult::WriteFailed, r.detail}; };
  if (op == u"append") return appendQso(log, N);
  if (op == u"replace") return replaceQso(log, N, B);
  if (op == u"insert") return insertQsoByDate(log, N);
  if (op == u"delete") return deleteQso(log, B);
  if (op == u"export") return asLog(exportAdif(log, log + ".adi", "title"));
  if (op == u"import") return asLog(importAdif(log + ".in.adi", log));
  return sortLog(log);
}

// The file an operation replaces.
QString target(const QString& op, const QString& log) { return op == u"export" ? log + ".adi" : log; }

}  // namespace

class TestLogFile : public QObject {
  Q_OBJECT
  QTemporaryDir* dir_ = nullptr;
  QString log_;

  // The log, an earlier export and a file to import.
  void writeFiles(const Lines& log) {
    QVERIFY(writeFile(log_, crlf(log)));
    QVERIFY(writeFile(log_ + ".adi", "an earlier export\r\n"));
    QVERIFY(writeFile(log_ + ".in.adi", "<CALL:4>OK1A <QSO_DATE:8>20160101 <TIME_ON:4>1200 <EOR>"));
  }

 private slots:
  void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
  void init() {
    dir_ = new QTemporaryDir;
    log_ = dir_->filePath("F0ORB_KTL.log");
  }
  void cleanup() { delete dir_; }

  // A null `before` is a missing log; a null `after` a log left missing.
  // Matching the old line ignores column 24 and reads missing end columns as
  // blanks. Rewrites end every line with CR LF.
  void edit_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("append after a missing CR LF") << "append" << A << crlf({A, N});
    QTest::newRow("replace, stored mark ignored") << "replace" << crlf({A, col24(B), C}) << crlf({A, N, C});
    QTest::newRow("replace every identical line") << "replace" << crlf({B, C, B}) << crlf({N, C, N});
    QTest::newRow("replace a vanished line appends") << "replace" << crlf({A, C}) << crlf({A, C, N});
    QTest::newRow("delete every identical line") << "delete" << crlf({B, A, col24(B), B}) << crlf({A});
    // A 13-character callsign typed by hand, a stray mark.
    const QByteArray edited = QByteArray(A).replace(12, 1, "X").replace(32, 1, "!");
    QTest::newRow("sort rebuilds hand-edited lines, drops blank ones") << "sort" << crlf({B.trimmed(), "", edited, "  "})
                                                                        << crlf({A, B});
    // Before the first line not earlier than the new one; YY 51-99 are 19xx
    // and 00-50 20xx; a line without a readable date-time counts as later
    // than all.
    const QByteArray same = qso("X", "05/05/16 10:00"), undated = qso("U", "xx/01/16 10:00"),
                     y51 = qso("Y", "10/10/51 00:00"), y50 = qso("Y", "01/01/50 00:00");
    QTest::newRow("insert before an equal date-time") << "insert" << crlf({A, same}) << crlf({A, N, same});
    QTest::newRow("insert: yy 51 is 1951, 50 is 2050") << "insert" << crlf({y51, y50}) << crlf({y51, N, y50});
    QTest::newRow("insert before an undated line") << "insert" << crlf({A, undated}) << crlf({A, N, undated});
    for (const char* op : {"append", "replace", "insert"})
      QTest::addRow("%s creates a missing log", op) << op << QByteArray() << crlf({N});
    for (const char* op : {"delete", "sort"})
      QTest::addRow("%s leaves a missing log missing", op) << op << QByteArray() << QByteArray();
  }
  void edit() {
    QFETCH(QString, op);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    if (!before.isNull()) QVERIFY(writeFile(log_, before));
    QVERIFY(run(op, log_).ok());
    QCOMPARE(QFileInfo::exists(log_), !after.isNull());
    QCOMPARE(readFile(log_), after);
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
    QTest::newRow("tie, case ignored") << Lines{qso("X", kNoon, "Burg"), qso("X", kNoon, "\xc9" "CRIN"),
                                                qso("X", kNoon, "abbey"), qso("X", kNoon, "\xe9" "cluse")}
                                       << QList{2, 0, 3, 1};
    Lines casings;  // enough keys equal but for case for an unstable sort to show
    QList<int> kept;
    for (int i = 0; i < 64; ++i, kept << kept.size())
      casings << qso("X", kNoon, QByteArray::number(i, 2).rightJustified(6, '0').replace('0', 'c').replace('1', 'C'));
    QTest::newRow("equal but case: order kept") << casings << kept;
  }
  void sort() {
    QFETCH(Lines, input);
    QFETCH(QList<int>, order);
    QVERIFY(writeFile(log_, crlf(input)));
    QVERIFY(sortLog(log_).ok());
    Lines expected;
    for (int i : order) expected << col24(input[i], ' ');
    QCOMPARE(readFile(log_), crlf(expected));
  }

  // A write that fails part-way (a file size limit stops it after a short
  // write) leaves the old file as it was, nothing beside it, and says why in
  // the system's words.
  void failedWriteKeepsOldFile_data() {
    QTest::addColumn<QString>("op");
    for (const char* op : {"append", "replace", "insert", "delete", "sort", "import", "export"}) QTest::newRow(op) << op;
  }
  void failedWriteKeepsOldFile() {
    QFETCH(QString, op);
    Lines lines;
    for (int i = 0; i < 100; ++i) lines << (i == 50 ? B : qso("F" + QByteArray::number(i)));
    writeFiles(lines);
    const QStringList files = QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden);
    const QByteArray before = readFile(target(op, log_));
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    // Half a line more than the log; a few lines.
    const rlimit cap{rlim_t(op == u"append" ? before.size() + 60 : 200), old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &cap);
    const LogResult r = run(op, log_);
    setrlimit(RLIMIT_FSIZE, &old);
    QCOMPARE(r.status, LogResult::WriteFailed);
    QCOMPARE(r.detail, "File too large");
    QCOMPARE(readFile(target(op, log_)), before);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), files);
  }

  // On a full disk an append is refused before it writes a byte: no half
  // line that a kill could leave. A 64 KiB tmpfs (mounted as root, as CI
  // runs) filled up, the log's last page nearly full.
  void fullDiskAppendWritesNothing() {
    QTemporaryDir mount;
    const QByteArray at = QFile::encodeName(mount.path());
    QCOMPARE(::mount("tmpfs", at.constData(), "tmpfs", 0, "size=64k"), 0);
    const auto unmount = qScopeGuard([&] { ::umount2(at.constData(), MNT_DETACH); });
    const QString log = mount.filePath("F0ORB_KTL.log");
    QVERIFY(writeFile(log, crlf({A, B}).leftJustified(4000, 'x') + "\r\n"));
    const QByteArray before = readFile(log);
    QFile filler(mount.filePath("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) > 0) continue;
    const int watch = inotify_init1(IN_NONBLOCK);
    inotify_add_watch(watch, QFile::encodeName(log).constData(), IN_MODIFY);
    QCOMPARE(appendQso(log, N).detail, "No space left on device");
    QCOMPARE(readFile(log), before);
    char event[256];
    QCOMPARE(::read(watch, event, sizeof event), -1);  // never written to
    ::close(watch);
  }

  // A file the operator made read-only is refused by every change, with the
  // system's reason (the superuser too: the test runs as root in CI); a
  // file that may be written keeps its access rights through a rewrite.
  void readOnlyRefusedWritableKeepsItsMode_data() { failedWriteKeepsOldFile_data(); }
  void readOnlyRefusedWritableKeepsItsMode() {
    QFETCH(QString, op);
    const QString file = target(op, log_);
    for (const auto mode : {QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther,
                            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup}) {
      writeFiles({C, A, B});
      QVERIFY(QFile::setPermissions(file, mode));
      const QByteArray before = readFile(file);
      const LogResult r = run(op, log_);
      const bool writable = mode & QFile::WriteOwner;
      QCOMPARE(QFile::permissions(file) & 0x7077, mode);
      QCOMPARE(r.ok() ? QString("written") : r.detail, writable ? "written" : "Permission denied");
      QCOMPARE(readFile(file) == before, !writable);
      QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    }
  }

};

QTEST_GUILESS_MAIN(TestLogFile)
#include "test_log_file.moc"
