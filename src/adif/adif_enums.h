// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ADIF enumerations the standard export writes by: modes with their
// submodes, bands with their frequency limits, and the award names that
// stand for a castle award in SIG. Each is one table of data in
// adif_enums.cpp, following the ADIF version named here.
#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace ktl {

// The ADIF version whose mode, submode and band lists the tables follow;
// the standard export names it in ADIF_VER.
inline constexpr QByteArrayView kAdifEnumsVersion = "3.1.6";

struct AdifMode {
  QByteArrayView mode;     // one of the ADIF modes an export may write
  QByteArrayView submode;  // empty, or a submode of that mode
  bool operator==(const AdifMode&) const = default;
};

// MODE and SUBMODE as another program wrote them (any case, blanks around),
// as ADIF values that may be written: a mode with one of its submodes, a
// mode alone, a submode found under MODE ("FT4", "C4FM": written as its
// mode and submode), or a submode without MODE. A submode that belongs to
// another mode than MODE is dropped. Nothing when neither names an ADIF
// mode or submode.
std::optional<AdifMode> exactAdifMode(QByteArrayView mode, QByteArrayView submode = {});

// The mode of a log line (three columns, so a longer mode was cut to its
// first three letters) when no longer text is known. Shorter than three
// letters it was never cut: it is an ADIF mode or nothing. Of three
// letters: the one ADIF mode or submode that begins with them; or, when
// several do but all are one mode and its submodes ("MFS"), that mode
// alone; nothing when they belong to different modes ("RTT": RTTY, RTTYM;
// "PSK": PSK, PSK2K). The entry window's own "DIGI", kept as "DIG", names
// no ADIF mode (DIGITALVOICE would be a guess) and gives nothing; so does
// the import's "XXX".
std::optional<AdifMode> adifModeOfLogMode(QByteArrayView logMode);

struct AdifBand {
  QByteArrayView name;  // lower case, as ADIF spells it ("20m", "70cm")
  double lowMhz;
  double highMhz;
};
// The ADIF band of a BAND value, in any case ("20M", "13cm").
const AdifBand* adifBandNamed(QByteArrayView name);
// The ADIF band a frequency in MHz lies in.
const AdifBand* adifBandOfFrequency(double mhz);
// An ADIF Number ("14.074", "7", "-1.5"): digits with at most one point and
// an optional leading minus sign; nothing for anything else.
std::optional<double> adifNumber(QByteArrayView text);

// Whether a SIG value names a castle award: `awardName` (the settings' name
// of our award) or one of the castle awards (KTL, WCA, COTA, also written
// in words), compared in any case and without blanks, dots or dashes
// ("W.C.A.", "cota", "World Castles Award").
bool isCastleAward(QByteArrayView sig, QByteArrayView awardName = "KTL");

}  // namespace ktl
