#pragma once
// What the program does for the log of the station it opens (at start-up,
// on a station change): holds the lock beside the log while it is open, so
// that a command-line import refuses to rewrite it meanwhile, and makes the
// station's daily backup the first time its log is opened on a day.
#include <QObject>
#include <QString>

#include <memory>

class QLockFile;

namespace ktl {

class Platform;
class ProgramState;

class StationUpkeep : public QObject {
  Q_OBJECT
 public:
  StationUpkeep(ProgramState& state, Platform& platform, QObject* parent = nullptr);
  ~StationUpkeep() override;

  // Whether this program holds the lock of the open log.
  bool holdsLock() const { return lock_ != nullptr; }

 private:
  // The log was (re)loaded: a log opened for the first time takes its lock
  // and its backup of the day.
  void logLoaded();

  ProgramState& state_;
  Platform& platform_;
  QString openLog_;
  std::unique_ptr<QLockFile> lock_;
  bool backupFailureShown_ = false;
};

}  // namespace ktl
