// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/station_upkeep.h"

#include "log/log_file.h"
#include "platform/platform.h"
#include "state/daily_backup.h"
#include "state/log_lock.h"
#include "state/program_state.h"
#include "state/log_access.h"
#include "texts/program_texts.h"

#include <QFile>

#include <sys/stat.h>

namespace ktl {

StationUpkeep::StationUpkeep(ProgramState& state, Platform& platform, QObject* parent)
    : QObject(parent), state_(state), platform_(platform) {
  // The list is rebuilt from the log at start-up, on a station change and
  // after every change of the log; only a log not yet open counts.
  connect(&state_.logModel(), &QAbstractItemModel::modelReset, this, &StationUpkeep::logLoaded);
  retry_.setInterval(1000);
  connect(&retry_, &QTimer::timeout, this, &StationUpkeep::retry);
}

StationUpkeep::~StationUpkeep() = default;

bool StationUpkeep::holdsLock() const { return lock_ && lock_->held(); }

StationUpkeep::Stamp StationUpkeep::stampOfLog() const {
  struct stat st;
  if (::stat(QFile::encodeName(openLog_).constData(), &st) != 0) return {};
  return {st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
}

void StationUpkeep::logLoaded() {
  if (!state_.hasStation()) return;
  if (state_.logPath() == openLog_) {
    seen_ = stampOfLog();
    return;
  }
  openLog_ = state_.logPath();
  seen_ = stampOfLog();
  retry_.stop();
  lock_ = std::make_unique<LogLock>(openLog_, LogLock::Role::Window);  // the previous log's is let go
  const LogLock::Attempt attempt = lock_->tryTake();
  if (attempt.taken()) {
    tookLock();
    return;
  }
  state_.setReadOnly(attempt);
  platform_.message(nullptr, readOnlyMessage(attempt, spoken(state_.language())));
  retry_.start();
}

void StationUpkeep::retry() {
  if (!lock_) return retry_.stop();
  const LogLock::Attempt attempt = lock_->tryTake();
  if (attempt.taken()) {
    retry_.stop();
    tookLock();
    // The other program may have changed the log: the list shows it as it
    // is now.
    if (stampOfLog() != seen_) state_.loadLog();
    return;
  }
  state_.setReadOnly(attempt);
  if (stampOfLog() != seen_) state_.loadLog();
}

void StationUpkeep::tookLock() {
  // Only the lock's holder may clear what a rewrite cut short left: another
  // program's rewrite in progress is never touched.
  removeRewriteLeftover(openLog_);
  state_.setReadOnly(std::nullopt);
  // The day is the UTC day, as every date of the log.
  const BackupResult backup =
      backupLogOfTheDay(state_.dataDir(), state_.stationCallsign(), platform_.clock().now().toUTC().date());
  if (!backup.ok() && !backupFailureShown_) {
    // Once a run: a folder that cannot be written stays so.
    backupFailureShown_ = true;
    platform_.message(nullptr, pick(programText(ProgramText::BackupFailed), spoken(state_.language())) + QStringLiteral("\r\n") +
                                   backup.path + QStringLiteral("\r\n") + backup.detail);
  }
}

}  // namespace ktl
