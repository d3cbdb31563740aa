#pragma once
// Texts of the program around the windows, in the three interface
// languages: the standard ADIF export and backup items of the Fichier menu,
// the daily backup, the lock of an open log, and the summaries of an import
// in the window and on the command line.
#include "texts/texts.h"

#include <span>

namespace ktl {

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
  WriteRefused,
  LogHeldByWindow,    // the command line found it taken: %1 the station, %2 the process
  LogHeldByImport,    // the same, by another command-line import
  LockFailedCommandLine,  // %1 the station, %2 the lock file, %3 the system's reason
  StoredStationRefused,   // %1 the value of the settings file
  ImportCuts,         // %1 modes cut, %2 bands not in the table
  Imported,           // command line: %1 QSOs, %2 the file, %3 the log
  StandardExportDone, // followed by the path of the file
};
const Tri& programText(ProgramText id);

// The settings file could not be written (its path, the system's reason);
// never silent: French for an unknown language.
QString settingsWriteFailedMessage(const QString& file, const QString& reason, Language language);

// The ImportCuts text with its counts; nothing for an unknown language.
std::optional<QString> importCutsSummary(qsizetype modesCut, qsizetype bandsUnknown, Language language);

}  // namespace ktl
