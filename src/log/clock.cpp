// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/clock.h"

namespace ktl {

QString utcDateText(const Clock& clock) { return clock.now().toUTC().toString(QStringLiteral("dd/MM/yy")); }
QString utcTimeText(const Clock& clock) { return clock.now().toUTC().toString(QStringLiteral("HH:mm:ss")); }
QString localTimeText(const Clock& clock) { return clock.now().toLocalTime().toString(QStringLiteral("HH:mm:ss")); }

}  // namespace ktl
