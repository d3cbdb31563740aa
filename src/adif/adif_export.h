// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Export of the whole log as an ADIF file, <CALL>_KTL.adi beside the log.
// The castle reference travels in SIG and the castle's name in SIG_INFO.
#include "texts/language.h"
#include "texts/program_texts.h"

#include <QByteArray>
#include <QString>

namespace ktl {

// One log line as one ADIF record line, without line end: CALL, BAND, MODE,
// QSO_DATE, TIME_ON, RST_RCVD, RST_SENT, SIG, SIG_INFO, QSL_RCVD, each as
// "<TAG:length>value " and then "<eor>". Reads fixed columns only; a column
// beyond the end of a short line reads as empty, so it never fails.
QByteArray adifRecordLine(QByteArrayView logLine);
// The same, appended to `out` (no allocation per line in a long export).
void appendAdifRecordLine(QByteArray& out, QByteArrayView logLine);

// First line of the file, in the interface language, naming the station as
// its label shows it (with "/"). Empty for any other language value.
QByteArray adifTitleLine(Language language, const QString& shownCallsign);

// Third line: the product name and our notice.
QByteArray adifBannerLine();

// <data folder>/<CALL>_KTL.adi, from the stored callsign (with "_").
QString adifExportPath(const QString& dataDir, const QString& stationCallsign);
// Just the file name, as the message after the export names it.
QString adifExportFileName(const QString& stationCallsign);

// What the standard export had to leave out, in QSOs: a field with no true
// value (an import's stand-in, an unreadable date, a mode not in the ADIF
// list). A QSO may count under several fields; `qsos` counts each once.
struct StandardExportGaps {
  qsizetype call = 0;    // no callsign in the file (FXXXX)
  qsizetype date = 0;    // none in the file, or not a calendar date
  qsizetype time = 0;    // none in the file, or not a time of day
  qsizetype band = 0;    // not an ADIF band, or none in the file and no frequency
  qsizetype mode = 0;    // not an ADIF mode, or three letters that name several
  qsizetype report = 0;  // a report (sent or received) not in the file
  qsizetype qsos = 0;
};

// The summary of `gaps` told after the standard export, in `language`.
inline std::optional<QString> exportGapsSummary(const StandardExportGaps& gaps, Language language) {
  const qsizetype byField[] = {gaps.call, gaps.date, gaps.time, gaps.band, gaps.mode, gaps.report};
  return exportGapsSummary(gaps.qsos, byField, language);
}

struct AdifExportResult {
  enum Status {
    Exported,       // the file is complete (a missing log exports as an empty one)
    LogReadFailed,  // the log exists but could not be read; no file written
    WriteFailed,    // the ADIF file could not be written; an earlier export is intact
  };
  Status status = Exported;
  qsizetype records = 0;
  QString detail;  // the system's error text, for the message
  StandardExportGaps gaps;  // the standard export's only
  bool ok() const { return status == Exported; }
};

// Writes the six header lines and one record per log line, in file order,
// with CR LF line ends, replacing `adifPath` whole and atomically: the file
// is either the complete new export or whatever was there before.
AdifExportResult exportAdif(const QString& logPath, const QString& adifPath, QByteArrayView titleLine);

}  // namespace ktl
