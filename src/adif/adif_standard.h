#pragma once
// The log as a standard ADIF 3.1 file, for logging services and other
// programs: a header with ADIF_VER, PROGRAMID, PROGRAMVERSION and
// CREATED_TIMESTAMP; per QSO the four-digit-year date, the ADIF band name,
// the award in SIG with the castle reference in SIG_INFO, and the castle's
// name in QTH. It stands beside our own export (adif_export.h), which keeps
// its dialect unchanged.
//
// Every value is written in plain ASCII, the only character set ADIF allows
// in the String fields of a .adi file (non-ASCII text belongs to the _INTL
// fields, which .adi files may not carry). The log's Windows-1252 letters
// are written without their accents (é -> e, Æ -> AE, ß -> ss, Œ -> OE),
// other signs as their nearest ASCII ('’' -> "'", '–' -> "-", '€' -> "EUR").
// So a length is at once a count of bytes and of characters, and every
// reader counts it the same way.
#include "adif/adif_export.h"
#include "platform/settings_store.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace ktl {

inline constexpr QByteArrayView kStandardAdifVersion = "3.1.4";
inline constexpr QByteArrayView kStandardProgramId = "ORB_KTL";

struct StandardAdifHeader {
  QByteArray award = "KTL";    // SIG of every record
  QByteArray station;          // STATION_CALLSIGN, as the operator writes it ("F0ORB/P")
  QByteArray programVersion;   // "1.0.1"
  QDateTime created;           // CREATED_TIMESTAMP, written in UTC
};

// The header of the program's standard export: the award from the
// settings, the station as its label shows it ("/" for "_").
StandardAdifHeader makeStandardAdifHeader(const SettingsStore& settings, const QString& shownCallsign,
                                          const QString& programVersion, const QDateTime& created);

// A log text as ADIF ASCII: the blanks around it removed, Windows-1252
// letters without accents, control bytes as blanks, and "<" ">" as "(" ")"
// (our own import, like many simple readers, takes a value up to the next
// "<").
QByteArray adifAscii(QByteArrayView logText);

// One log line as one record line, without line end. Empty values are left
// out; a line without a readable date and time has no QSO_DATE and TIME_ON.
QByteArray standardAdifRecord(QByteArrayView logLine, const StandardAdifHeader& header);

// The header lines (text line, the four fields, <EOH>), joined by CR LF,
// without the last line end.
QByteArray standardAdifHeader(const StandardAdifHeader& header);

// <data folder>/<CALL>_KTL_standard.adi
QString standardAdifPath(const QString& dataDir, const QString& stationCallsign);

// Writes the header and one record per log line, in file order, CR LF
// line ends, replacing `adifPath` whole and atomically.
AdifExportResult exportStandardAdif(const QString& logPath, const QString& adifPath, const StandardAdifHeader& header);

}  // namespace ktl
