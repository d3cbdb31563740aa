// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a rig's mode means for the log, and which mode to put the rig in for
// a spot. Both are tables: the rig's modes as Hamlib names them, and the
// band plan (IARU Region 1, kHz) with its telegraphy, narrow-band data,
// sideband and FM segments.
#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace ktl {

// A Hamlib mode as the log knows it: ADIF MODE and SUBMODE, and the mode as
// the entry window lists it ("SSB", "CW", "FM", "DIGI"; "AM" is typed, and
// fits the log's three columns as it is).
struct RigLogMode {
  const char* hamlib;
  const char* adifMode;
  const char* adifSubmode;  // "" when ADIF has none for it
  const char* logMode;
};

// Every Hamlib mode with a meaning in the log. The data modes of the rig
// (PKTUSB, PKTLSB, PKTFM...) are not in it: the rig cannot tell FT8 from
// PSK31, so the mode the operator typed stays.
std::span<const RigLogMode> rigLogModes();

// The row of `hamlibMode` (case ignored), or nothing for a mode that says
// nothing about the log's mode.
std::optional<RigLogMode> logModeForRig(QStringView hamlibMode);

// What a stretch of a band is used for.
enum class Segment { Cw, Data, Phone, Fm };

struct BandSegment {
  double fromKhz;  // included
  double toKhz;    // excluded, but for the last segment of a band
  Segment use;
};

// The band plan: each band's segments in order, without gaps, from the
// band's lower edge to its upper one (the twelve bands of the entry window,
// and 60 m).
std::span<const BandSegment> bandPlan();

// The segment holding `khz`, or nothing outside the bands of the plan.
std::optional<Segment> segmentAt(double khz);

// The mode to put the rig in for a spot on `khz` with `comment`: a mode
// named in the comment first (FT8, FT4 and the other sound-card data modes
// -> PKTUSB, RTTY -> RTTY, CW -> CW, SSB/LSB/USB, FM), else the band plan's
// segment (telegraphy -> CW, narrow-band data -> PKTUSB, phone -> LSB below
// 10 MHz and USB above, 60 m USB, FM -> FM). Nothing outside the plan with
// no mode in the comment: the rig is tuned and keeps its mode.
std::optional<QString> rigModeForSpot(double khz, QStringView comment);

// A rig's frequency in Hz as ADIF's FREQ writes it, in MHz to the hertz
// ("7.012000"); empty for 0 or less.
QByteArray adifFrequency(qint64 hz);
// As Main shows it, in kHz to ten hertz ("7012.00 kHz", "144300.05 kHz").
QString shownFrequency(qint64 hz);

}  // namespace ktl
