// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The lock beside a log: one holder at a time, whoever it is; a lock file
// whose holder is gone (killed, never written, another host's, garbage) is
// taken over at once; a lock that cannot be tried says why.
#include "state/log_lock.h"
#include "test_files.h"

#include <QtTest>

#include <csignal>
#include <unistd.h>

using namespace ktl;

namespace {

const char* self;

// "--hold LOG ROLE": takes the lock, says so, and keeps it until killed.
int hold(const QString& log, const QString& role) {
  LogLock lock(log, role == u"import" ? LogLock::Role::Import : LogLock::Role::Window);
  if (!lock.tryTake().taken()) return 1;
  std::puts("held");
  std::fflush(stdout);
  for (;;) ::pause();
}

}  // namespace

class LogLockTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QString log() const { return dir_.filePath("F0ORB_KTL.log"); }
  QString lockFile() const { return log() + ".lock"; }

 private slots:
  void cleanup() { QFile::remove(lockFile()); }

  void leftoverOfAGoneHolderIsTakenOver_data() {
    QTest::addColumn<QByteArray>("left");
    QTest::newRow("empty: killed before it wrote") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x01\xff garbage\n\n");
    QTest::newRow("a process that ended") << QByteArray("999999999\nORB_KTL\n" + QSysInfo::machineHostName().toUtf8() +
                                                        "\nwindow\n");
    QTest::newRow("another host") << QByteArray("1\nORB_KTL\nshack-pc\nimport\n");
  }
  void leftoverOfAGoneHolderIsTakenOver() {
    QFETCH(QByteArray, left);
    QVERIFY(writeFile(lockFile(), left));
    LogLock lock(log(), LogLock::Role::Import);
    QVERIFY(lock.tryTake().taken());
    QCOMPARE(readFile(lockFile()), QByteArray::number(::getpid()) + "\nORB_KTL\n" +
                                       QSysInfo::machineHostName().toUtf8() + "\nimport\n");
    lock.release();
    QVERIFY(!QFile::exists(lockFile()));
  }

  // A live holder, here another process, keeps it whatever the file says
  // and however old it is; killed, its lock is free at once. Within one
  // process too, two locks of one log are two holders.
  void liveHolderKeepsItUntilItDies() {
    QProcess holder;
    holder.start(QString::fromLocal8Bit(self), {"--hold", log(), "import"});
    QVERIFY(holder.waitForReadyRead(10000));
    QFile file(lockFile());
    QVERIFY(file.open(QIODevice::ReadWrite) &&
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    LogLock lock(log(), LogLock::Role::Window);
    const LogLock::Attempt refused = lock.tryTake();
    QVERIFY(refused.status == LogLock::Attempt::HeldByOther && !lock.held());
    QCOMPARE(refused.holder.pid, holder.processId());
    QCOMPARE(refused.holder.role, LogLock::Role::Import);
    ::kill(holder.processId(), SIGKILL);
    QVERIFY(holder.waitForFinished(10000));
    QVERIFY(QFile::exists(lockFile()));  // a killed holder leaves its file
    QVERIFY(lock.tryTake().taken() && lock.tryTake().taken());  // the second: held already
    LogLock import(log(), LogLock::Role::Import);
    const LogLock::Attempt inProcess = import.tryTake();
    QVERIFY(inProcess.status == LogLock::Attempt::HeldByOther && inProcess.holder.role == LogLock::Role::Window);
    lock.release();
    QVERIFY(import.tryTake().taken());
  }

  void lockThatCannotBeTriedSaysWhy_data() {
    QTest::addColumn<QString>("logPath");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder in its place") << "folder/F0ORB_KTL.log" << "Is a directory";
    QTest::newRow("no such folder") << "missing/F0ORB_KTL.log" << "No such file or directory";
  }
  void lockThatCannotBeTriedSaysWhy() {
    QFETCH(QString, logPath);
    QVERIFY(QDir(dir_.path()).mkpath("folder/F0ORB_KTL.log.lock"));
    const LogLock::Attempt a = LogLock(dir_.filePath(logPath), LogLock::Role::Import).tryTake();
    QCOMPARE(a.status, LogLock::Attempt::Failed);
    QTEST(a.detail, "reason");
  }
};

int main(int argc, char** argv) {
  self = argv[0];
  if (argc == 4 && !std::strcmp(argv[1], "--hold"))
    return hold(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
  LogLockTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_log_lock.moc"
