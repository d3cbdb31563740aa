// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Import of an ADIF file into the station's log. Every record becomes one
// 121-byte log line; the records are merged as one block into the log by the
// date and time of the file's first record, and the log is then sorted by
// date and time. The log is replaced once, atomically: a failure at any
// moment leaves the old log as it was.
#include "log/log_file.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <array>
#include <functional>

namespace ktl {

struct AdifImportOptions {
  // Other programs name the award in SIG ("WCA", "COTA", "POTA") and put the
  // reference in SIG_INFO. Unset, SIG holds the reference and SIG_INFO the
  // castle name, as our own export writes them. Set, a record whose SIG
  // names a castle award (isCastleAward(), with `awardName`) takes its
  // reference from SIG_INFO and its castle name from QTH, where the
  // standard export puts it; any other record (WWFF, POTA, SOTA, no SIG)
  // leaves both castle columns blank, its SIG and SIG_INFO kept with the
  // rest of its fields.
  bool sigIsAward = false;
  QByteArray awardName = "KTL";  // the award name of the settings
};

// A field that a record lacks and that gets a replacement value.
enum class ReplacedField { Callsign, Date, Time, Band };
inline constexpr int kReplacedFieldCount = 4;

// The notice for a replaced field, always in French:
// "Indicatif absent, remplacé par FXXXX", "Date absente, remplacée par
// 01/01/2000", "Heure absente, remplacée par 00:00", "Bande absente,
// remplacée par 1.8 Mhz".
QString replacementNotice(ReplacedField field);

// Called once per replaced field, in the order the records are read, with
// the 1-based number of the record in the file.
using ReplacementHandler = std::function<void(ReplacedField field, qsizetype recordNumber)>;

struct AdifImportResult {
  enum Status {
    Imported,          // records merged, log sorted and written
    NoFileChosen,      // empty file name: nothing done
    FileUnreadable,    // the ADIF file cannot be opened or read: log unchanged
    NoRecord,          // no "<EOR>" in the file: nothing to import, log unchanged
    RecordTooLarge,    // more than kMaxAdifRecordBytes without "<EOR>": not a
                       // file we can read, log unchanged
    FirstQsoTooLate,   // the key QSO is later than 31/12/2050 08:35, the last
                       // date a log line can carry: nothing imported, but the
                       // log is sorted all the same, as every import ends
    LogReadFailed,     // the log cannot be read: log unchanged
    LogWriteFailed,    // the new log cannot be written: old log intact
  };
  Status status = Imported;
  qsizetype recordsImported = 0;
  std::array<qsizetype, kReplacedFieldCount> replaced{};  // by ReplacedField
  bool headerFound = true;  // false: the file had no "<EOH>" and was read from its start
  // 1-based number of the record whose date and time placed the block; 0
  // when no record had a readable QSO_DATE and TIME_ON (block put last).
  qsizetype keyRecord = 0;
  // What the log's fixed columns could not keep: modes longer than three
  // characters, kept as their first three ("RTTY" -> "RTT"), and BAND
  // values that name no band of the log (also counted in `replaced`).
  qsizetype modesCut = 0;
  qsizetype bandsUnknown = 0;
  // With sigIsAward: records with a SIG or SIG_INFO whose SIG names no
  // castle award, castle columns left blank.
  qsizetype sigNotCastle = 0;
  QString detail;  // the system's error text, for the message
  bool ok() const { return status == Imported; }
};

inline constexpr qsizetype kMaxAdifRecordBytes = 16 << 20;

// The 121-byte log line of one record text (upper-cased, line ends removed,
// as the import gathers it). `onReplaced` may be empty.
QByteArray adifRecordToLogLine(QByteArrayView recordText, const AdifImportOptions& options,
                               const std::function<void(ReplacedField)>& onReplaced);

// Called once per imported record, in file order, while the file is read
// (before the log is written): the record's log line and all its fields as
// read, in the stored form of qso_extras.h.
using RecordFieldsSink = std::function<void(QByteArrayView logLine, QByteArrayView storedFields)>;

// Imports `adifPath` into the log at `logPath` (a missing log is taken as
// empty). `onReplaced` and `onRecord` may be empty; they run while the file
// is read, before the log is written.
AdifImportResult importAdif(const QString& adifPath, const QString& logPath, const AdifImportOptions& options = {},
                            const ReplacementHandler& onReplaced = {}, const RecordFieldsSink& onRecord = {});

// The same over open devices, without touching a file: `adif` (read twice,
// so it must be able to seek back to its start) is merged into the lines of
// `log` (nullptr: an empty log), and the new log's lines go to `newLog`, all
// of them once every record is read, or none when the status says the log
// stays as it was. LogWriteFailed never comes from here.
AdifImportResult importAdif(QIODevice& adif, QIODevice* log, const LineSink& newLog,
                            const AdifImportOptions& options = {}, const ReplacementHandler& onReplaced = {},
                            const RecordFieldsSink& onRecord = {});

}  // namespace ktl
