// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program without a window, for scripts: import an ADIF file into a
// station's log, or write its exports, with the same core code and the same
// atomic writes as the window.
#include "texts/language.h"

#include <QString>

namespace ktl {

// Exit codes of a command-line run.
enum CommandLineExit {
  kExitDone = 0,
  kExitFailed = 1,     // a file could not be read or written, or held no QSO
  kExitUsage = 2,      // wrong options, or no such station
  kExitLogInUse = 3,   // another program (a window, another import) holds the log: nothing imported
  kExitLockFailed = 4, // the log's lock could not be tried (a folder that cannot be written, a lock
                       // that is a folder, ...): nothing imported
};

// Whether the arguments ask for a run without window: any argument but Qt's
// own window options (-platform NAME, -style STYLE, -reverse, ...), which
// go to the window. A mistyped option or a stray file name is thus the
// command line's, refused with exit code 2, never a window.
bool isCommandLineRun(int argc, char** argv);

// The language the run speaks: the first of LC_ALL, LC_MESSAGES and LANG
// that is set ("de_DE.UTF-8" is German), else, or when that one is not a
// language of the program, the station's, and French for an unknown one.
Language commandLineLanguage(const QString& lcAll, const QString& lcMessages, const QString& lang,
                             Language stationLanguage);

// Runs the command line in a QCoreApplication of its own (no window, no
// message box, no splash) and returns the exit code.
int runCommandLine(int argc, char** argv);

}  // namespace ktl
