// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program does for the log of the station it opens (at start-up,
// on a station change): takes the lock beside the log, so that no other
// program rewrites it meanwhile, and makes the station's daily backup the
// first time its log is opened on a day.
//
// A log whose lock another program holds (a second window, a command-line
// import) is shown read-only: this program writes nothing to it, tries the
// lock again every second without ever waiting on it, reloads the list
// when the other program changes the file, and takes the log over as soon
// as it is free.
#include <QObject>
#include <QTimer>

#include <memory>
#include <sys/types.h>

namespace ktl {

class LogLock;
class Platform;
class ProgramState;

class StationUpkeep : public QObject {
  Q_OBJECT
 public:
  StationUpkeep(ProgramState& state, Platform& platform, QObject* parent = nullptr);
  ~StationUpkeep() override;

  // Whether this program holds the lock of the open log.
  bool holdsLock() const;
  // How often a read-only log tries its lock again (tests shorten it).
  void setRetryInterval(int milliseconds) { retry_.setInterval(milliseconds); }

 private:
  // The log was (re)loaded: a log opened for the first time takes its lock.
  void logLoaded();
  void retry();
  // The lock was just taken: leftovers of a rewrite cut short, the backup.
  void tookLock();

  // What identifies the file's content without reading it.
  struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    long long modifiedNs = 0;
    bool operator==(const Stamp&) const = default;
  };
  Stamp stampOfLog() const;

  ProgramState& state_;
  Platform& platform_;
  QString openLog_;
  std::unique_ptr<LogLock> lock_;
  QTimer retry_;
  Stamp seen_;
  bool backupFailureShown_ = false;
};

}  // namespace ktl
