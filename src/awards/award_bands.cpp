// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "awards/award_bands.h"

#include "log/bands.h"

#include <cstring>

namespace ktl {

const QByteArrayList& awardBands() {
  static const QByteArrayList bands = [] {
    QByteArrayList out;
    for (const Band& band : kBands) out << QByteArray(band.log);
    return out;
  }();
  return bands;
}

int awardBandIndex(const QByteArrayList& bands, QByteArrayView field) {
  const QByteArrayView band = field.trimmed();
  for (int i = 0; i < bands.size(); ++i) {
    const QByteArray& b = bands[i];
    if (b.size() == band.size() && std::memcmp(b.constData(), band.data(), band.size()) == 0) return i;
  }
  return int(bands.size());
}

}  // namespace ktl
