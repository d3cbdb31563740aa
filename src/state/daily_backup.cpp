// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/daily_backup.h"

#include "log/log_file.h"
#include "platform/data_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <sys/stat.h>

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
  // The folder, with the system's reason when it cannot be (a file of that
  // name, a data folder that cannot be written).
  if (::mkdir(QFile::encodeName(folder.path()).constData(), 0777) != 0 && errno != EEXIST)
    return {BackupResult::Failed, result.path, qt_error_string(errno)};
  if (!QFileInfo(folder.path()).isDir()) return {BackupResult::Failed, result.path, qt_error_string(ENOTDIR)};
  // Byte for byte, through the program's one atomic write.
  if (const LogResult copied = copyFileAtomically(log, result.path); !copied.ok()) {
    result.status = BackupResult::Failed;
    result.detail = copied.detail;
    return result;
  }
  // Today's copy is never among those removed, even when the others are
  // dated after it.
  QStringList others = copiesOf(folder, stationCallsign);
  others.removeOne(QFileInfo(result.path).fileName());
  for (qsizetype i = 0; i + kBackupsKept - 1 < others.size(); ++i)
    if (folder.remove(others[i])) ++result.removed;
  return result;
}

}  // namespace ktl
