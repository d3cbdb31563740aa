// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "adif/adif_enums.h"

#include <QList>

#include <algorithm>
#include <cctype>

namespace ktl {
namespace {

// ADIF 3.1.6: every mode an export may write, with its submodes ("|"
// between them). The import-only modes (C4FM, DSTAR, PSK31, JT65A, ...)
// are all submodes of one of these, and are written as that pair.
struct ModeRow {
  QByteArrayView mode;
  QByteArrayView submodes;
};
constexpr ModeRow kModes[] = {
    {"AM", ""},
    {"ARDOP", ""},
    {"ATV", ""},
    {"CHIP", "CHIP64|CHIP128"},
    {"CLO", ""},
    {"CONTESTI", ""},
    {"CW", "PCW"},
    {"DIGITALVOICE", "C4FM|DMR|DSTAR|FREEDV|M17"},
    {"DOMINO", "DOM-M|DOM4|DOM5|DOM8|DOM11|DOM16|DOM22|DOM44|DOM88|DOMINOEX|DOMINOF"},
    {"DYNAMIC", "VARA HF|VARA SATELLITE|VARA FM 1200|VARA FM 9600"},
    {"FAX", ""},
    {"FM", ""},
    {"FSK", "SCAMP_FAST|SCAMP_SLOW|SCAMP_VSLOW"},
    {"FSK441", ""},
    {"FT8", ""},
    {"HELL", "FMHELL|FSKH105|FSKH245|FSKHELL|HELL80|HELLX5|HELLX9|HFSK|PSKHELL|SLOWHELL"},
    {"ISCAT", "ISCAT-A|ISCAT-B"},
    {"JT4", "JT4A|JT4B|JT4C|JT4D|JT4E|JT4F|JT4G"},
    {"JT44", ""},
    {"JT65", "JT65A|JT65B|JT65B2|JT65C|JT65C2"},
    {"JT6M", ""},
    {"JT9",
     "JT9-1|JT9-2|JT9-5|JT9-10|JT9-30|JT9A|JT9B|JT9C|JT9D|JT9E|JT9E FAST|JT9F|JT9F FAST|JT9G|JT9G FAST|JT9H|"
     "JT9H FAST"},
    {"MFSK",
     "FSQCALL|FST4|FST4W|FT4|JS8|JTMS|MFSK4|MFSK8|MFSK11|MFSK16|MFSK22|MFSK31|MFSK32|MFSK64|MFSK64L|MFSK128|"
     "MFSK128L|Q65"},
    {"MSK144", ""},
    {"MT63", ""},
    {"MTONE", "SCAMP_OO|SCAMP_OO_SLW"},
    {"OLIVIA", "OLIVIA 4/125|OLIVIA 4/250|OLIVIA 8/250|OLIVIA 8/500|OLIVIA 16/500|OLIVIA 16/1000|OLIVIA 32/1000"},
    {"OPERA", "OPERA-BEACON|OPERA-QSO"},
    {"PAC", "PAC2|PAC3|PAC4"},
    {"PAX", "PAX2"},
    {"PKT", ""},
    {"PSK",
     "8PSK125|8PSK125F|8PSK125FL|8PSK250|8PSK250F|8PSK250FL|8PSK500|8PSK500F|8PSK1000|8PSK1000F|8PSK1200F|FSK31|"
     "PSK10|PSK31|PSK63|PSK63F|PSK63RC4|PSK63RC5|PSK63RC10|PSK63RC20|PSK63RC32|PSK125|PSK125C12|PSK125R|"
     "PSK125RC10|PSK125RC12|PSK125RC16|PSK125RC4|PSK125RC5|PSK250|PSK250C6|PSK250R|PSK250RC2|PSK250RC3|"
     "PSK250RC5|PSK250RC6|PSK250RC7|PSK500|PSK500C2|PSK500C4|PSK500R|PSK500RC2|PSK500RC3|PSK500RC4|PSK800C2|"
     "PSK800RC2|PSK1000|PSK1000C2|PSK1000R|PSK1000RC2|PSKAM10|PSKAM31|PSKAM50|PSKFEC31|QPSK31|QPSK63|QPSK125|"
     "QPSK250|QPSK500|SIM31"},
    {"PSK2K", ""},
    {"Q15", ""},
    {"QRA64", "QRA64A|QRA64B|QRA64C|QRA64D|QRA64E"},
    {"ROS", "ROS-EME|ROS-HF|ROS-MF"},
    {"RTTY", "ASCI"},
    {"RTTYM", ""},
    {"SSB", "LSB|USB"},
    {"SSTV", ""},
    {"T10", ""},
    {"THOR", "THOR-M|THOR4|THOR5|THOR8|THOR11|THOR16|THOR22|THOR25X4|THOR50X1|THOR50X2|THOR100"},
    {"THRB", "THRBX|THRBX1|THRBX2|THRBX4|THROB1|THROB2|THROB4"},
    {"TOR", "AMTORFEC|GTOR|NAVTEX|SITORB"},
    {"V4", ""},
    {"VOI", ""},
    {"WINMOR", ""},
    {"WSPR", ""},
};

// Log modes that name no ADIF mode although one begins with them: the
// entry window offers "DIGI" (any digital mode), which the log keeps as
// "DIG"; and the import's stand-in for a missing mode.
constexpr QByteArrayView kNoAdifMode[] = {"DIG", "XXX"};

// ADIF 3.1.6 bands, lower and upper limit in MHz.
constexpr AdifBand kBands[] = {
    {"2190m", 0.1357, 0.1378}, {"630m", 0.472, 0.479},   {"560m", 0.501, 0.504},     {"160m", 1.8, 2.0},
    {"80m", 3.5, 4.0},         {"60m", 5.06, 5.45},      {"40m", 7.0, 7.3},          {"30m", 10.1, 10.15},
    {"20m", 14.0, 14.35},      {"17m", 18.068, 18.168},  {"15m", 21.0, 21.45},       {"12m", 24.89, 24.99},
    {"10m", 28.0, 29.7},       {"8m", 40.0, 45.0},       {"6m", 50.0, 54.0},         {"5m", 54.000001, 69.9},
    {"4m", 70.0, 71.0},        {"2m", 144.0, 148.0},     {"1.25m", 222.0, 225.0},    {"70cm", 420.0, 450.0},
    {"33cm", 902.0, 928.0},    {"23cm", 1240.0, 1300.0}, {"13cm", 2300.0, 2450.0},   {"9cm", 3300.0, 3500.0},
    {"6cm", 5650.0, 5925.0},   {"3cm", 10000.0, 10500.0}, {"1.25cm", 24000.0, 24250.0}, {"6mm", 47000.0, 47200.0},
    {"4mm", 75500.0, 81000.0}, {"2.5mm", 119980.0, 123000.0}, {"2mm", 134000.0, 149000.0}, {"1mm", 241000.0, 250000.0},
    {"submm", 300000.0, 7500000.0},
};

// Castle awards as SIG names them, in the compared form (capitals and
// digits only).
constexpr QByteArrayView kCastleAwards[] = {"KTL", "WCA", "COTA", "WORLDCASTLESAWARD", "WORLDCASTLEAWARD",
                                            "CASTLESONTHEAIR"};

QByteArray upperTrimmed(QByteArrayView v) {
  while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t')) v = v.sliced(1);
  while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\t')) v.chop(1);
  QByteArray out = v.toByteArray();
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

const ModeRow* modeNamed(QByteArrayView mode) {
  for (const ModeRow& row : kModes)
    if (row.mode == mode) return &row;
  return nullptr;
}

// Calls `visit(row, submode)` for every submode of the table.
template <typename Visit>
void forEachSubmode(Visit&& visit) {
  for (const ModeRow& row : kModes) {
    QByteArrayView rest = row.submodes;
    while (!rest.isEmpty()) {
      const qsizetype bar = rest.indexOf('|');
      const QByteArrayView sub = bar < 0 ? rest : rest.first(bar);
      if (!visit(row, sub)) return;
      rest = bar < 0 ? QByteArrayView() : rest.sliced(bar + 1);
    }
  }
}

std::optional<AdifMode> submodeNamed(QByteArrayView sub) {
  std::optional<AdifMode> found;
  forEachSubmode([&](const ModeRow& row, QByteArrayView s) {
    if (s != sub) return true;
    found = AdifMode{row.mode, s};
    return false;
  });
  return found;
}

}  // namespace

std::optional<AdifMode> exactAdifMode(QByteArrayView modeText, QByteArrayView submodeText) {
  const QByteArray mode = upperTrimmed(modeText), sub = upperTrimmed(submodeText);
  const ModeRow* row = mode.isEmpty() ? nullptr : modeNamed(mode);
  if (!sub.isEmpty()) {
    if (const auto pair = submodeNamed(sub)) {
      if (!row || row->mode == pair->mode) return pair;
    }
  }
  if (row) return AdifMode{row->mode, {}};
  if (!mode.isEmpty()) return submodeNamed(mode);
  return std::nullopt;
}

std::optional<AdifMode> adifModeOfLogMode(QByteArrayView logMode) {
  const QByteArray mode = upperTrimmed(logMode);
  if (mode.isEmpty()) return std::nullopt;
  for (QByteArrayView none : kNoAdifMode)
    if (mode == none) return std::nullopt;
  if (mode.size() < 3) return exactAdifMode(mode);
  // Every mode and submode that begins with the letters.
  QList<AdifMode> candidates;
  for (const ModeRow& row : kModes)
    if (row.mode.startsWith(mode)) candidates.append({row.mode, {}});
  forEachSubmode([&](const ModeRow& row, QByteArrayView s) {
    if (s.startsWith(mode)) candidates.append({row.mode, s});
    return true;
  });
  if (candidates.isEmpty()) return std::nullopt;
  if (candidates.size() == 1) return candidates.first();
  const QByteArrayView family = candidates.first().mode;
  const bool oneMode = std::all_of(candidates.begin(), candidates.end(),
                                   [&](const AdifMode& m) { return m.mode == family; });
  if (oneMode) return AdifMode{family, {}};
  return std::nullopt;
}

const AdifBand* adifBandNamed(QByteArrayView name) {
  const QByteArray lower = upperTrimmed(name).toLower();
  for (const AdifBand& band : kBands)
    if (band.name == lower) return &band;
  return nullptr;
}

const AdifBand* adifBandOfFrequency(double mhz) {
  for (const AdifBand& band : kBands)
    if (mhz >= band.lowMhz && mhz <= band.highMhz) return &band;
  return nullptr;
}

std::optional<double> adifNumber(QByteArrayView text) {
  if (text.isEmpty() || text.size() > 32) return std::nullopt;
  qsizetype i = text.front() == '-' ? 1 : 0;
  int digits = 0, points = 0;
  for (qsizetype j = i; j < text.size(); ++j) {
    if (text[j] == '.')
      ++points;
    else if (text[j] >= '0' && text[j] <= '9')
      ++digits;
    else
      return std::nullopt;
  }
  if (digits == 0 || points > 1) return std::nullopt;
  bool ok = false;
  const double value = text.toByteArray().toDouble(&ok);
  if (!ok) return std::nullopt;
  return value;
}

bool isCastleAward(QByteArrayView sig, QByteArrayView awardName) {
  const auto compact = [](QByteArrayView v) {
    QByteArray out;
    for (char c : v) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
      if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) out += c;
    }
    return out;
  };
  const QByteArray name = compact(sig);
  if (name.isEmpty()) return false;
  if (name == compact(awardName)) return true;
  return std::any_of(std::begin(kCastleAwards), std::end(kCastleAwards),
                     [&](QByteArrayView award) { return name == award; });
}

}  // namespace ktl
