// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

// A QSO of a castle at 10:00 in SSB: call, reference as the log keeps it
// (prefix right-justified in 4 columns), date, band, QSL mark.
inline QByteArray qso(const char* call, const char* ref, const char* date, const char* band, bool qsl = false) {
  return logLineOf(QByteArray(call) + '|' + ref + "| |" + date + "|10:00|SSB|" + band + "|59||" + (qsl ? "*" : " ") +
                   "|59");
}

}  // namespace ktl
