// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/station_name.h"

namespace ktl {

StationNameProblem checkStationName(const QString& stored) {
  if (stored.isEmpty()) return StationNameProblem::Empty;
  if (stored.size() > 12) return StationNameProblem::TooLong;
  for (QChar c : stored) {
    const bool allowed = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || c == u'_';
    if (!allowed) return StationNameProblem::BadCharacter;
  }
  return StationNameProblem::None;
}

}  // namespace ktl
