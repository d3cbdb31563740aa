// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The log as a standard ADIF 3.1 file, for logging services and other
// programs: a header with ADIF_VER, PROGRAMID, PROGRAMVERSION and
// CREATED_TIMESTAMP; per QSO the four-digit-year date, the ADIF band name,
// the award in SIG with the castle reference in SIG_INFO, and the castle's
// name in QTH. It stands beside our own export (adif_export.h), which keeps
// its dialect unchanged.
//
// Only valid, true values leave: bands, modes and submodes from the ADIF
// lists of adif_enums.h, real dates and times. The QSO's stored fields
// (qso_extras.h) come first wherever the line still holds what they gave
// it: the exact mode and submode, FREQ, the band outside the twelve of the
// log, the four-digit year, the seconds, the whole callsign, the grid. A
// value the line holds only as the import's stand-in for a missing field
// (FXXXX, 01/01/00, 00:00, 1.8 Mhz, XXX, XX) is never written as data:
// the QSO leaves without that field and is counted in the gaps. Without
// stored fields (none kept, or the line changed by another program) the
// line alone is written, by the same rules.
//
// Every value is written in plain ASCII, the only character set ADIF allows
// in the String fields of a .adi file (non-ASCII text belongs to the _INTL
// fields, which .adi files may not carry). The log's Windows-1252 letters
// are written without their accents (é -> e, Æ -> AE, ß -> ss, Œ -> OE),
// other signs as their nearest ASCII ('’' -> "'", '–' -> "-", '€' -> "EUR").
// So a length is at once a count of bytes and of characters, and every
// reader counts it the same way.
#include "adif/adif_enums.h"
#include "adif/adif_export.h"
#include "adif/qso_extras.h"
#include "platform/settings_store.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace ktl {

inline constexpr QByteArrayView kStandardAdifVersion = kAdifEnumsVersion;
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

// One log line as one record line, without line end, with the QSO's stored
// fields (may be empty). Empty values are left out; what had to be left out
// for want of a true value is added to `gaps` (may be null).
QByteArray standardAdifRecord(QByteArrayView logLine, const StandardAdifHeader& header,
                              QByteArrayView storedFields = {}, StandardExportGaps* gaps = nullptr);

// The header lines (text line, the four fields, <EOH>), joined by CR LF,
// without the last line end.
QByteArray standardAdifHeader(const StandardAdifHeader& header);

// <data folder>/<CALL>_KTL_standard.adi
QString standardAdifPath(const QString& dataDir, const QString& stationCallsign);

// Writes the header and one record per QSO of the log (blank lines are
// none), in file order, CR LF line ends, replacing `adifPath` whole and
// atomically. `extras` (may be empty) gives each QSO's stored fields.
AdifExportResult exportStandardAdif(const QString& logPath, const QString& adifPath, const StandardAdifHeader& header,
                                    const QsoExtrasLookup& extras = {});

}  // namespace ktl
