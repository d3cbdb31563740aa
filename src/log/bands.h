// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twelve bands of the log, in one place: the band column of a log line
// and Bande_A name them, the ADIF export and import translate them, the
// spot reader places a frequency in them, and the cluster window asks its
// server for their pages.
#include <QByteArrayView>

#include <array>

namespace ktl {

struct Band {
  const char* log;                     // the log's band column and Bande_A ("7.0 Mhz")
  const char* adif;                    // the ADIF band name ("40m")
  std::array<const char*, 3> adifMhz;  // start of the band as older ADIF files write it in BAND
  double lowKhz;                       // the amateur band, all three regions together
  double highKhz;
  const char* clusterPage;             // as the cluster server names its pages ("430" for 70 cm)
};

inline constexpr std::array<Band, 12> kBands{{
    {"1.8 Mhz", "160m", {"1.8"}, 1800, 2000, "1.8"},
    {"3.5 Mhz", "80m", {"3.5", "3.6", "3"}, 3500, 4000, "3.5"},
    {"7.0 Mhz", "40m", {"7"}, 7000, 7300, "7"},
    {"10 Mhz", "30m", {"10"}, 10100, 10150, "10"},
    {"14 Mhz", "20m", {"14"}, 14000, 14350, "14"},
    {"18 Mhz", "17m", {"18"}, 18068, 18168, "18"},
    {"21 Mhz", "15m", {"21"}, 21000, 21450, "21"},
    {"24 Mhz", "12m", {"24"}, 24890, 24990, "24"},
    {"28 Mhz", "10m", {"28"}, 28000, 29700, "28"},
    {"50 Mhz", "6m", {"50"}, 50000, 54000, "50"},
    {"144 Mhz", "2m", {"144", "145"}, 144000, 148000, "144"},
    {"432 Mhz", "70cm", {"432"}, 420000, 450000, "430"},
}};

// The band holding `khz` (its index in kBands), or -1: 60 m, 4 m, 23 cm and
// anything else outside the twelve.
constexpr int bandOfKhz(double khz) {
  for (int i = 0; i < int(kBands.size()); ++i)
    if (khz >= kBands[i].lowKhz && khz <= kBands[i].highKhz) return i;
  return -1;
}

// The band a log's band column names exactly ("7.0 Mhz"), or -1.
inline int bandOfLogText(QByteArrayView text) {
  for (int i = 0; i < int(kBands.size()); ++i)
    if (text == QByteArrayView(kBands[i].log)) return i;
  return -1;
}

}  // namespace ktl
