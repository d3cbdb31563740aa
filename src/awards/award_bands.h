#pragma once
// The bands the award's figures are counted on: the log's own band names
// ("1.8 Mhz" ... "432 Mhz"), in order of frequency.
#include <QByteArrayList>

namespace ktl {

// The log's band names, each once, lowest first. Read from the band table
// of the ADIF exchange, the one place that knows every band of the log by
// its ADIF name: this is the one function to change when that table moves.
const QByteArrayList& awardBands();

// The index in `bands` of a log line's band field (blanks around it
// ignored), or bands.size() for a band text that is none of them.
int awardBandIndex(const QByteArrayList& bands, QByteArrayView bandField);

}  // namespace ktl
