// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/data_dir.h"

#include <QDir>
#include <QFileInfo>

namespace ktl {

QString dataDirectory() {
  QString dir = qEnvironmentVariable("KTL_DATA_DIR");
  if (dir.isEmpty()) {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    dir = base + QStringLiteral("/ORB_KTL");
  }
  dir = QDir::cleanPath(dir);
  QDir().mkpath(dir);
  return dir;
}

QString logFilePath(const QString& dataDir, const QString& stationCallsign) {
  return dataDir + QLatin1Char('/') + stationCallsign + QStringLiteral("_KTL.log");
}

QString nativePath(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

}  // namespace ktl
