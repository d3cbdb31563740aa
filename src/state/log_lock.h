// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who may rewrite a station's log: the one program that holds the lock
// beside it, "<log>.lock". A window holds it for as long as it has the log
// open; a command-line import for its run. Whoever does not hold it writes
// nothing to that log.
//
// The lock is the kernel's (flock) on that file, so it dies with its owner:
// a crash, a kill or a power cut leaves a file that anyone takes over at
// once, whatever it holds (nothing, garbage, a dead process, another host's
// name). The file's text only says who holds it, for the other program's
// message: its process id, the program, the host and its role.
#include <QString>

namespace ktl {

QString logLockPath(const QString& logPath);

class LogLock {
 public:
  enum class Role { Window, Import };

  struct Holder {
    qint64 pid = 0;       // 0 when the file did not say
    QString host;         // empty when the file did not say
    Role role = Role::Window;
    bool roleKnown = false;
  };

  struct Attempt {
    enum Status {
      Taken,         // this program holds the lock now
      HeldByOther,   // a running program holds it: `holder` says which
      Failed,        // the lock could not be tried: `detail` says why
    };
    Status status = Taken;
    Holder holder;
    QString detail;  // the system's reason ("Permission denied", "Is a directory")
    bool taken() const { return status == Taken; }
  };

  LogLock(QString logPath, Role role);
  ~LogLock();
  LogLock(const LogLock&) = delete;
  LogLock& operator=(const LogLock&) = delete;

  // Never waits: the lock is free or it is not. Taking it again while held
  // answers Taken.
  Attempt tryTake();
  // Lets the lock go (the destructor does it too).
  void release();
  bool held() const { return fd_ >= 0; }
  const QString& logPath() const { return logPath_; }

 private:
  QString logPath_;
  Role role_;
  int fd_ = -1;
};

}  // namespace ktl
