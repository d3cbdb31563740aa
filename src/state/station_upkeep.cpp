#include "state/station_upkeep.h"

#include "platform/platform.h"
#include "state/daily_backup.h"
#include "state/program_state.h"
#include "texts/program_texts.h"

#include <QLockFile>

namespace ktl {

StationUpkeep::StationUpkeep(ProgramState& state, Platform& platform, QObject* parent)
    : QObject(parent), state_(state), platform_(platform) {
  // The list is rebuilt from the log at start-up, on a station change and
  // after every change of the log; only a log not yet open counts.
  connect(&state_.logModel(), &QAbstractItemModel::modelReset, this, &StationUpkeep::logLoaded);
}

StationUpkeep::~StationUpkeep() = default;

void StationUpkeep::logLoaded() {
  if (!state_.hasStation() || state_.logPath() == openLog_) return;
  openLog_ = state_.logPath();
  // Like the file-failure messages, these are never silent: French for an
  // unknown language.
  const Language lang = state_.language() == Language::Other ? Language::French : state_.language();

  lock_.reset();  // the previous station's log is closed
  qint64 holder = 0;
  // A command-line import holding it is done within seconds; another window
  // keeps it: the operator is told, and the program goes on.
  lock_ = takeLogLock(openLog_, 3000, &holder);
  if (!lock_) platform_.message(nullptr, pick(programText(ProgramText::LogInUse), lang).arg(holder));

  // The day is the UTC day, as every date of the log.
  const BackupResult backup =
      backupLogOfTheDay(state_.dataDir(), state_.stationCallsign(), platform_.clock().now().toUTC().date());
  if (!backup.ok() && !backupFailureShown_) {
    // Once a run: a folder that cannot be written stays so.
    backupFailureShown_ = true;
    platform_.message(nullptr, pick(programText(ProgramText::BackupFailed), lang) + QStringLiteral("\r\n") +
                                   backup.path + QStringLiteral("\r\n") + backup.detail);
  }
}

}  // namespace ktl
