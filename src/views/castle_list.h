#pragma once
// The contacted castles of a log: one numbered row per castle, in
// alphanumeric order of the castle reference, for one country prefix or for
// every prefix ("XX").
#include "log/log_file.h"

#include <QByteArray>
#include <QByteArrayList>

namespace ktl {

inline constexpr int kCastleRowWidth = 129;
// The prefix that lists every castle.
inline constexpr QByteArrayView kEveryPrefix = "XX";

// The row a log line gives, 129 bytes: reference (10 columns, as in the
// log), callsign, date, time, mode, band, reports received and sent, castle
// name and QSL mark, each as wide as in the log, with the blanks between
// them. A log line too short for a column gives blanks there, so the columns
// after it stay in place.
QByteArray castleCandidateRow(QByteArrayView logLine);

// Whether the log line is listed for `prefix`: its country prefix (columns
// 14-17, blanks around it removed) equals `prefix` exactly, letter case
// included, or `prefix` is "XX".
bool castleSelected(QByteArrayView logLine, QByteArrayView prefix);

// The numbered rows of the candidate rows: sorted as the toolkit's sorted
// list does (ascending, letter case ignored, equal rows in log order), then
// one row per castle.
QByteArrayList numberedCastleRows(QByteArrayList candidates);

// Reads the log once and gives the numbered rows for `prefix`. A missing log
// gives no rows; a log that cannot be read gives none and the reason.
LogResult contactedCastles(const QString& logPath, QByteArrayView prefix, QByteArrayList& rows);

}  // namespace ktl
