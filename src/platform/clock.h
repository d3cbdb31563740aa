// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station clock. Windows and the log's routines read the time only
// through a Clock, so tests can fix it.
#include <QDateTime>

namespace ktl {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;  // an instant; shown in UTC and local time
};

class SystemClock : public Clock {
 public:
  QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
};

}  // namespace ktl
