#pragma once
// The daily copy of a station's log, and the lock beside the log that keeps
// two programs from rewriting it at the same time.
#include <QDate>
#include <QLockFile>
#include <QString>

#include <memory>

namespace ktl {

// How many daily copies of one station are kept.
inline constexpr int kBackupsKept = 30;

// <data folder>/backups
QString backupFolder(const QString& dataDir);
// <data folder>/backups/<CALL>_KTL_YYYYMMDD.log
QString backupPath(const QString& dataDir, const QString& stationCallsign, QDate day);

struct BackupResult {
  enum Status {
    Made,          // today's copy written, older ones beyond kBackupsKept removed
    AlreadyMade,   // today's copy was there: nothing done
    NoLog,         // the station has no log file: nothing to copy
    Failed,        // no copy written; `detail` says why
  };
  Status status = Made;
  QString path;    // today's copy
  QString detail;  // the system's error text
  bool ok() const { return status != Failed; }
};

// Copies the station's log to today's backup unless that copy exists, then
// keeps only the last kBackupsKept copies of that station (by their date).
// The copy is replaced atomically: a failure leaves no half-written file.
BackupResult backupLogOfTheDay(const QString& dataDir, const QString& stationCallsign, QDate today);

// <log>.lock: held by the window while that log is open, and by a
// command-line import for its run. A lock left by a program that ended
// without removing it (a crash) is taken over, as QLockFile finds its owner
// gone.
QString logLockPath(const QString& logPath);
// The lock of `logPath`, taken; nothing when another running program holds
// it (its process id in `holder` when known).
std::unique_ptr<QLockFile> takeLogLock(const QString& logPath, int waitMilliseconds, qint64* holder = nullptr);

}  // namespace ktl
