// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one rule a station callsign passes before it names a file (its log,
// the log's lock, its backups), wherever it comes from: the station window,
// the command line, the settings file.
#include <QString>

namespace ktl {

enum class StationNameProblem { None, Empty, TooLong, BadCharacter };

// The stored form: 1 to 12 characters among A-Z, 0-9 and "_" (where the
// operator typed "/"). Nothing else can climb out of the data folder or
// name another station's files.
StationNameProblem checkStationName(const QString& stored);
inline bool isStationName(const QString& stored) { return checkStationName(stored) == StationNameProblem::None; }

}  // namespace ktl
