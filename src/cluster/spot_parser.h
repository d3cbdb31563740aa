// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines from a DX-cluster node: the spot announcements
//   DX de SPOTTER:   FREQ  DXCALL  comment  HHMMZ [LOCATOR, ZONE or STATE]
// (frequency in kHz; some pseudo-spotters, e.g. "RBNHOLE", come without the
// colon) read into their parts, and the band of the entry window a
// frequency falls in. Every other line (announcements, WWV, talk, prompts)
// is left to the console.
#include "log/bands.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace ktl {

struct Spot {
  QString spotter;    // without its ":"
  QString frequency;  // kHz, as the node wrote it ("14025.0")
  double khz = 0;
  int band = -1;      // index in kBands, -1 outside them
  QString dxCall;     // upper case
  QString comment;    // trimmed, typed erasures applied, may be empty
  QString time;       // UTC, "HH:MM"
  QString locator;    // empty when the node sends none
  // The comment runs to the time with a single blank and is as long as a
  // node's comment column (kCommentColumns) or longer: the node may have
  // cut what the spotter wrote, in the middle of its last word.
  bool commentMayBeCut = false;

  QString bandText() const { return band < 0 ? QString() : QString::fromLatin1(kBands[band].log); }
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
