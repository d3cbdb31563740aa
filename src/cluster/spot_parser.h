#pragma once
// Lines from a DX-cluster node: the spot announcements
//   DX de SPOTTER:   FREQ  DXCALL  comment  HHMMZ [LOCATOR, ZONE or STATE]
// (frequency in kHz; some pseudo-spotters, e.g. "RBNHOLE", come without the
// colon) read into their parts, and the band of the entry window a
// frequency falls in. Every other line (announcements, WWV, talk, prompts)
// is left to the console.
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace ktl {

struct SpotBand {
  const char* text;  // as Bande_A lists it
  double lowKhz;
  double highKhz;
};

// The twelve bands of Bande_A with the amateur band edges (all three
// regions together: 70 cm is taken from 420 to 450 MHz).
inline constexpr std::array<SpotBand, 12> kSpotBands{{
    {"1.8 Mhz", 1800, 2000},
    {"3.5 Mhz", 3500, 4000},
    {"7.0 Mhz", 7000, 7300},
    {"10 Mhz", 10100, 10150},
    {"14 Mhz", 14000, 14350},
    {"18 Mhz", 18068, 18168},
    {"21 Mhz", 21000, 21450},
    {"24 Mhz", 24890, 24990},
    {"28 Mhz", 28000, 29700},
    {"50 Mhz", 50000, 54000},
    {"144 Mhz", 144000, 148000},
    {"432 Mhz", 420000, 450000},
}};

// The index in kSpotBands of the band holding `khz`, or -1 (60 m, 4 m,
// 23 cm and anything else outside the twelve).
int spotBandIndex(double khz);

struct Spot {
  QString spotter;    // without its ":"
  QString frequency;  // kHz, as the node wrote it ("14025.0")
  double khz = 0;
  int band = -1;      // index in kSpotBands, -1 outside them
  QString dxCall;     // upper case
  QString comment;    // trimmed, typed erasures applied, may be empty
  QString time;       // UTC, "HH:MM"
  QString locator;    // empty when the node sends none
  // The comment runs to the time with a single blank and is as long as a
  // node's comment column (kCommentColumns) or longer: the node may have
  // cut what the spotter wrote, in the middle of its last word.
  bool commentMayBeCut = false;

  QString bandText() const { return band < 0 ? QString() : QString::fromLatin1(kSpotBands[band].text); }
};

// The narrowest comment column of the nodes: they cut longer comments.
inline constexpr int kCommentColumns = 30;

// The spot a line announces, or nothing: a line that does not have every
// part in its place (a spotter, a frequency, a callsign with a letter and a
// digit, a valid HHMMZ time last or followed by at most two of a locator, a
// one- or two-digit zone, a two-letter state) is not a spot.
std::optional<Spot> parseSpot(QStringView line);

// Text as it reads once each DEL (U+007F) or backspace (U+0008) a spotter
// typed has erased the character before it; at the start of the text they
// erase nothing.
QString applyTypedErasures(QStringView text);

}  // namespace ktl
