#pragma once
// The program without a window, for scripts: import an ADIF file into a
// station's log, or write its exports, with the same core code and the same
// atomic writes as the window.
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

// Whether the arguments ask for a run without window: any "--" option, or
// -h, -v, -?. Qt's own one-dash options (-platform, -style, ...) still go
// to the window.
bool isCommandLineRun(int argc, char** argv);

// Runs the command line in a QCoreApplication of its own (no window, no
// message box, no splash) and returns the exit code.
int runCommandLine(int argc, char** argv);

}  // namespace ktl
