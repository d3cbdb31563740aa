// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/log_lock.h"

#include <QByteArray>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ktl {

QString logLockPath(const QString& logPath) { return logPath + QStringLiteral(".lock"); }

namespace {

constexpr char kProgram[] = "ORB_KTL";

LogLock::Attempt failed(int error) {
  LogLock::Attempt a;
  a.status = LogLock::Attempt::Failed;
  a.detail = qt_error_string(error);
  return a;
}

// What the holder wrote: its process id, the program, the host and its
// role, a line each. Anything else (nothing yet, garbage) names nobody.
LogLock::Holder readHolder(int fd) {
  char buffer[512];
  const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
  LogLock::Holder holder;
  if (n <= 0) return holder;
  const QList<QByteArray> lines = QByteArray(buffer, n).split('\n');
  bool ok = false;
  const qint64 pid = lines.value(0).trimmed().toLongLong(&ok);
  if (!ok || pid <= 0) return holder;
  holder.pid = pid;
  holder.host = QString::fromUtf8(lines.value(2).trimmed());
  const QByteArray role = lines.value(3).trimmed();
  holder.roleKnown = role == "window" || role == "import";
  holder.role = role == "import" ? LogLock::Role::Import : LogLock::Role::Window;
  return holder;
}

}  // namespace

LogLock::LogLock(QString logPath, Role role) : logPath_(std::move(logPath)), role_(role) {}

LogLock::~LogLock() { release(); }

LogLock::Attempt LogLock::tryTake() {
  if (fd_ >= 0) return {};
  const QByteArray path = QFile::encodeName(logLockPath(logPath_));
  // A few rounds at most: another program may let the lock go (and remove
  // its file) between our open and our lock.
  for (int round = 0; round < 8; ++round) {
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EACCES) {
      // Another user's lock file, or a folder we may not write: a lock we
      // can read still tells whether its holder is alive.
      fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
      if (fd < 0) return failed(EACCES);
    }
    if (fd < 0) return failed(errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      if (error == EWOULDBLOCK) {
        Attempt a;
        a.status = Attempt::HeldByOther;
        a.holder = readHolder(fd);
        ::close(fd);
        return a;
      }
      ::close(fd);
      return failed(error);
    }
    // Still the file of that name? Its holder may have removed it on its way
    // out while we opened it: then the lock to take is the next file.
    struct stat opened, named;
    if (::fstat(fd, &opened) != 0 || ::stat(path.constData(), &named) != 0 || opened.st_ino != named.st_ino ||
        opened.st_dev != named.st_dev) {
      ::close(fd);
      continue;
    }
    // Ours. What the file said was of an owner that is gone. A failure to
    // write who we are (a full disk) leaves the lock held all the same.
    const QByteArray who = QByteArray::number(::getpid()) + '\n' + kProgram + '\n' +
                           QSysInfo::machineHostName().toUtf8() + '\n' +
                           (role_ == Role::Import ? "import" : "window") + '\n';
    if (::ftruncate(fd, 0) == 0) {
      [[maybe_unused]] const ssize_t w = ::pwrite(fd, who.constData(), who.size(), 0);
    }
    fd_ = fd;
    return {};
  }
  return failed(EAGAIN);
}

void LogLock::release() {
  if (fd_ < 0) return;
  // Removed while still held, so that nobody takes the removed file for a
  // live lock; a program that opened it meanwhile sees it is gone.
  ::unlink(QFile::encodeName(logLockPath(logPath_)).constData());
  ::close(fd_);
  fd_ = -1;
}

}  // namespace ktl
