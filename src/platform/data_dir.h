// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace ktl {

// The folder of the logs and tables: $KTL_DATA_DIR, else
// $XDG_DATA_HOME/ORB_KTL (~/.local/share/ORB_KTL). Created when missing.
// The path has no trailing separator.
QString dataDirectory();

// <data folder>/<CALL>_KTL.log
QString logFilePath(const QString& dataDir, const QString& stationCallsign);

}  // namespace ktl
