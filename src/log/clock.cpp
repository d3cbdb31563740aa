#include "log/clock.h"

namespace ktl {

QString utcDateText(const Clock& clock) { return clock.now().toUTC().toString(QStringLiteral("dd/MM/yy")); }
QString utcTimeText(const Clock& clock) { return clock.now().toUTC().toString(QStringLiteral("HH:mm:ss")); }
QString localTimeText(const Clock& clock) { return clock.now().toLocalTime().toString(QStringLiteral("HH:mm:ss")); }

}  // namespace ktl
