// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bands the award's figures are counted on: the log's own band names
// ("1.8 Mhz" ... "432 Mhz"), in order of frequency.
#include <QByteArrayList>

namespace ktl {

// The log's band names (the band table of log/bands.h), lowest first.
const QByteArrayList& awardBands();

// The index in `bands` of a log line's band field (blanks around it
// ignored), or bands.size() for a band text that is none of them.
int awardBandIndex(const QByteArrayList& bands, QByteArrayView bandField);

}  // namespace ktl
