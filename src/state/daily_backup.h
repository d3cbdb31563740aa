// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily copy of a station's log.
#include <QDate>
#include <QString>

namespace ktl {

// How many daily copies of one station are kept.
inline constexpr int kBackupsKept = 30;

// <data folder>/backups
QString backupFolder(const QString& dataDir);
// <data folder>/backups/<CALL>_KTL_YYYYMMDD.log
QString backupPath(const QString& dataDir, const QString& stationCallsign, QDate day);

struct BackupResult {
  enum Status {
    Made,          // today's copy written, the oldest others beyond kBackupsKept removed
    AlreadyMade,   // today's copy was there: nothing done
    NoLog,         // the station has no log file: nothing to copy
    Failed,        // no copy written; `detail` says why
  };
  Status status = Made;
  QString path;    // today's copy
  QString detail;  // the system's error text
  int removed = 0; // older copies removed to keep kBackupsKept
  bool ok() const { return status != Failed; }
};

// Copies the station's log to today's backup unless that copy exists, then
// keeps kBackupsKept copies of that station: today's, whatever the clock
// said on the other days (a clock set back leaves copies dated after
// today), and the latest others by their date. The copy is written
// atomically: a failure leaves no half-written file.
BackupResult backupLogOfTheDay(const QString& dataDir, const QString& stationCallsign, QDate today);

}  // namespace ktl
