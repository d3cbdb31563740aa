#include "state/daily_backup.h"

#include "log/log_file.h"
#include "platform/data_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace ktl {

QString backupFolder(const QString& dataDir) { return dataDir + QStringLiteral("/backups"); }

QString backupPath(const QString& dataDir, const QString& stationCallsign, QDate day) {
  return backupFolder(dataDir) + QLatin1Char('/') + stationCallsign + QStringLiteral("_KTL_") +
         day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log");
}

namespace {

// The station's copies, oldest first: <CALL>_KTL_ and eight digits, so that
// F0ORB never takes the copies of F0ORB_P for its own.
QStringList copiesOf(const QDir& folder, const QString& stationCallsign) {
  const QRegularExpression name(QStringLiteral("^%1_KTL_\\d{8}\\.log$").arg(QRegularExpression::escape(stationCallsign)));
  QStringList copies;
  for (const QString& file : folder.entryList(QDir::Files, QDir::Name))
    if (name.match(file).hasMatch()) copies << file;
  return copies;
}

}  // namespace

BackupResult backupLogOfTheDay(const QString& dataDir, const QString& stationCallsign, QDate today) {
  BackupResult result;
  result.path = backupPath(dataDir, stationCallsign, today);
  const QString log = logFilePath(dataDir, stationCallsign);
  // Only a file is a log (a folder in its place is told by the log's reader).
  if (!QFileInfo(log).isFile()) return {BackupResult::NoLog, result.path, {}};
  if (QFileInfo::exists(result.path)) return {BackupResult::AlreadyMade, result.path, {}};
  QDir folder(backupFolder(dataDir));
  if (!folder.exists() && !QDir().mkpath(folder.path()))
    return {BackupResult::Failed, result.path, QStringLiteral("mkdir ") + folder.path()};
  // Byte for byte, through the program's one atomic write.
  if (const LogResult copied = copyFileAtomically(log, result.path); !copied.ok()) {
    result.status = BackupResult::Failed;
    result.detail = copied.detail;
    return result;
  }
  const QStringList copies = copiesOf(folder, stationCallsign);
  for (qsizetype i = 0; i + kBackupsKept < copies.size(); ++i) folder.remove(copies[i]);
  return result;
}

QString logLockPath(const QString& logPath) { return logPath + QStringLiteral(".lock"); }

std::unique_ptr<QLockFile> takeLogLock(const QString& logPath, int waitMilliseconds, qint64* holder) {
  auto lock = std::make_unique<QLockFile>(logLockPath(logPath));
  // Held for as long as the window is open: never counted stale by age,
  // only when its owner is gone.
  lock->setStaleLockTime(0);
  if (lock->tryLock(waitMilliseconds)) return lock;
  if (holder) {
    QString host, app;
    if (!lock->getLockInfo(holder, &host, &app)) *holder = 0;
  }
  return nullptr;
}

}  // namespace ktl
