#include "awards/award_bands.h"

#include "adif/adif_fields.h"

#include <cstring>

namespace ktl {

const QByteArrayList& awardBands() {
  // The amateur bands of the ADIF standard's band list, by wavelength from
  // the longest: those the log knows give its band names in that order.
  static const QByteArrayList bands = [] {
    static constexpr const char* kAdifBands[] = {"2190m", "630m", "560m", "160m",  "80m",  "60m",  "40m",  "30m",
                                                 "20m",   "17m",  "15m",  "12m",   "10m",  "8m",   "6m",   "5m",
                                                 "4m",    "2m",   "1.25m", "70cm", "33cm", "23cm", "13cm", "9cm",
                                                 "6cm",   "3cm",  "1.25cm", "6mm", "4mm",  "2.5mm", "2mm", "1mm"};
    QByteArrayList out;
    for (const char* adif : kAdifBands) {
      const QByteArrayView log = logBandForAdifBand(adif);
      if (!log.isEmpty() && !out.contains(log)) out << log.toByteArray();
    }
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
