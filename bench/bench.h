// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ktl-bench: each area registers its measurements; main() runs them in
// registration order and prints one line per figure.
#include <QByteArray>
#include <QString>

#include <functional>

struct BenchContext {
  QString workDir;     // an empty temporary folder, removed at the end
  QString sharedDir;   // ../shared next to the checkout (sample files, generators)
  bool quick = false;  // --quick: smaller sizes, for a smoke run
  bool million = false;  // --million: also load and sort a 1,000,000-QSO log
};

using BenchFn = std::function<void(const BenchContext&)>;

struct BenchRegistrar {
  BenchRegistrar(int order, const char* name, BenchFn fn);
};

// Median wall time of `runs` calls, in milliseconds. `setup` runs before
// each call, outside the timing.
double medianMs(int runs, const std::function<void()>& fn, const std::function<void()>& setup = {});
// Resident set size of this process, in MiB.
double residentMiB();
// Heap memory in use by this process (malloc's count, freed blocks not
// included), in MiB: what a structure takes, whatever the heap held before.
double heapInUseMiB();
// Forgets the peak resident size so far, so the next peak is one run's own.
void resetPeakResident();
// Peak resident set size since the last reset, in MiB.
double peakResidentMiB();
// Reads a file in 1 MiB blocks and throws the bytes away: the floor any
// reader of the same file stands on. Returns the bytes read.
qint64 plainRead(const QString& path);
// One figure: "<what>: <value> <unit>".
void report(const QString& what, double value, const char* unit);

// The settings and data folders inside `root` (a fresh temporary folder),
// so that a bench of the windows never reads or writes the operator's own.
inline void useFoldersIn(const QString& root) {
  qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toUtf8());
  qputenv("KTL_DATA_DIR", (root + QStringLiteral("/data")).toUtf8());
}
// A generated log of `count` QSOs, CR LF lines: mostly in date order, one
// line in ten back-dated, plausible callsigns, references and names.
QByteArray generateLog(int count);
