// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the program around the windows, in the three interface
// languages: the standard ADIF export and backup items of the Fichier menu,
// the daily backup, the lock of an open log, the summaries of an import
// and of the standard export in the window and on the command line, and
// the trouble of the store of the QSOs' full records.
#include "texts/texts.h"

#include <span>

namespace ktl {

// The program's revision, " 1.0.1" (the title, the about box, the reports,
// the settings and --version show it), and the history the help menu shows.
inline QString programRevision() { return QStringLiteral(" 1.0.1"); }
QString historyText();

// Mnu_Export_ADIF_Standard and Mnu_Sauvegardes.
std::span<const CaptionRow> fileMenuCaptions();

enum class ProgramText {
  BackupFailed,       // head line; the path and the system's reason follow
  BackupFolder,       // the folder could not be shown: its path follows
  // A log the window shows read-only: who keeps it (%1 the process, or the
  // system's reason), then the window's state line, the box shown when the
  // log opens so and the answer to a change refused, each around it (%1).
  HeldByWindow,
  HeldByImport,
  LockFailed,
  ReadOnlyState,
  ReadOnlyBox,
  ReadOnlyBoxTail,    // after ReadOnlyBox and a line break
  WriteRefused,
  LogHeldByWindow,    // the command line found it taken: %1 the station, %2 the process
  LogHeldByImport,    // the same, by another command-line import
  LockFailedCommandLine,  // %1 the station, %2 the lock file, %3 the system's reason
  StoredStationRefused,   // %1 the value of the settings file
  StandardExportDone, // followed by the path of the file
  WrittenWhere,       // %1 the full path of a file written (under the box's text)
  PrintedToFile,      // a print went to a file; its path follows under it
};
const Tx& programText(ProgramText id);

// The settings file could not be written (its path, the system's reason);
// never silent: French for an unknown language.
QString settingsWriteFailedMessage(const QString& file, const QString& reason, Language language);

// The texts below are nothing (no value) for an unknown language; their
// counts carry their nouns in the right number.

// What the log's columns could not keep (modes cut to three letters, bands
// outside the table), which the store keeps beside the log.
std::optional<QString> importCutsSummary(qsizetype modesCut, qsizetype bandsUnknown, Language language);
// Command line: "%1 QSOs imported from %2 into %3".
std::optional<QString> importedText(qsizetype qsos, const QString& file, const QString& log, Language language);
// With SIG = award: the records whose SIG named no castle award.
std::optional<QString> sigNotCastleSummary(qsizetype records, Language language);
// The full records kept beside the log, in the store at `path`.
std::optional<QString> extrasKeptText(qsizetype records, const QString& path, Language language);

// After the standard export: the `qsos` QSOs written with a field missing,
// and how many lacked each field, in the order callsign, date, time, band,
// mode, report (counts of 0 left out); nothing when none.
std::optional<QString> exportGapsSummary(qsizetype qsos, std::span<const qsizetype, 6> byField, Language language);

// The store of the full records cannot serve: `unusable` (not a database,
// not ours, damaged: with how to start a new one) or a failed write; the
// file and SQLite's reason follow the head line.
QString extrasTroubleText(bool unusable, const QString& path, const QString& detail, Language language);

}  // namespace ktl
