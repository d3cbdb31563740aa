// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock texts the windows and reports show, read from the station
// clock (platform/clock.h).
#include "platform/clock.h"

#include <QString>

namespace ktl {

QString utcDateText(const Clock& clock);   // dd/mm/yy
QString utcTimeText(const Clock& clock);   // hh:mm:ss
QString localTimeText(const Clock& clock); // hh:mm:ss

}  // namespace ktl
