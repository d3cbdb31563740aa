// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the command line: its help, its usage errors, its language.
#include "texts/texts.h"

namespace ktl {

enum class CliText {
  Description,       // the help's head: what the program does, the exit codes
  StationOption,
  ImportOption,
  SigAwardOption,
  ExportOption,
  ExportStandardOption,
  FileArgument,
  HelpOption,
  HelpAllOption,
  VersionOption,
  WindowOptions,     // --help-all: the options a window start takes
  TryHelp,
  OneAction,
  SigWithImport,
  Unexpected,        // followed by the arguments
  NoStation,
  NotCallsign,       // %1 the value given
  NoLog,             // %1 the station, %2 the log's path
  StdinUnreadable,   // %1 the system's reason
  AwardListOption,
  ProgressOption,
  JsonOption,
  JsonWithProgress,
};
const Tx& cliText(CliText id);

}  // namespace ktl
