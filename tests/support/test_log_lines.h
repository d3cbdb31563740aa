#pragma once
// Log lines written by hand, field by field, for tests that must not build
// their expected lines with the program's own conversions.
#include <QByteArray>
#include <QByteArrayList>

namespace ktl {

// A log line written column by column from
// "CALL|REFERENCE|REPEAT|dd/mm/yy|HH:MM|MODE|BAND|RST R|NAME|QSL|RST S".
inline QByteArray logLineOf(const QByteArray& fields) {
  const QByteArrayList f = fields.split('|');
  const int width[] = {12, 10, 1, 8, 5, 3, 7, 3, 60, 1, 3};
  QByteArray out;
  for (int i = 0; i < 11; ++i) {
    const QByteArray v = f.value(i);
    // The reference keeps to the right; the repeat mark and the date follow
    // it at once.
    out += (i == 0 || i == 2 || i == 3 ? "" : " ") +
           (i == 1 ? v.rightJustified(width[i], ' ', true) : v.leftJustified(width[i], ' ', true));
  }
  return out;
}

}  // namespace ktl
