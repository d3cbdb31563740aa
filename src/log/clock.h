#pragma once
// The station clock. Windows read the time only through a Clock, so tests
// can fix it.
#include <QDateTime>
#include <QString>

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

QString utcDateText(const Clock& clock);   // dd/mm/yy
QString utcTimeText(const Clock& clock);   // hh:mm:ss
QString localTimeText(const Clock& clock); // hh:mm:ss

}  // namespace ktl
