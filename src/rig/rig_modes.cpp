// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rig/rig_modes.h"


#include <algorithm>
#include <iterator>

namespace ktl {

namespace {

constexpr RigLogMode kLogModes[] = {
    {"USB", "SSB", "USB", "SSB"},
    {"LSB", "SSB", "LSB", "SSB"},
    {"CW", "CW", "", "CW"},
    {"CWR", "CW", "", "CW"},  // reverse sideband: still telegraphy
    {"CWN", "CW", "", "CW"},
    {"RTTY", "RTTY", "", "DIGI"},
    {"RTTYR", "RTTY", "", "DIGI"},
    {"PSK", "PSK", "PSK31", "DIGI"},  // the rig's own PSK31 decoder
    {"PSKR", "PSK", "PSK31", "DIGI"},
    {"AM", "AM", "", "AM"},
    {"AMN", "AM", "", "AM"},
    {"AMS", "AM", "", "AM"},  // synchronous detection: the QSO is still AM
    {"SAM", "AM", "", "AM"},
    {"SAL", "AM", "", "AM"},
    {"SAH", "AM", "", "AM"},
    {"FM", "FM", "", "FM"},
    {"FMN", "FM", "", "FM"},
    // Digital voice: ADIF names it; the entry window has no mode for it.
    {"C4FM", "DIGITALVOICE", "C4FM", ""},
    {"D-STAR", "DIGITALVOICE", "DSTAR", ""},
};

// IARU Region 1 HF, 50 MHz and VHF/UHF band plans, in kHz. Beacon
// stretches count as telegraphy; "all modes" stretches are phone on HF and
// FM where the plan puts FM channels.
constexpr BandSegment kPlan[] = {
    // 160 m
    {1800, 1838, Segment::Cw},
    {1838, 1843, Segment::Data},
    {1843, 2000, Segment::Phone},
    // 80 m (phone up to 4000 kHz outside Region 1)
    {3500, 3570, Segment::Cw},
    {3570, 3600, Segment::Data},
    {3600, 4000, Segment::Phone},
    // 60 m: the shared allocation and the national channels around it
    {5250, 5351.5, Segment::Phone},
    {5351.5, 5354, Segment::Cw},
    {5354, 5366, Segment::Phone},
    {5366, 5366.5, Segment::Data},
    {5366.5, 5450, Segment::Phone},
    // 40 m
    {7000, 7040, Segment::Cw},
    {7040, 7053, Segment::Data},
    {7053, 7300, Segment::Phone},
    // 30 m: no phone
    {10100, 10130, Segment::Cw},
    {10130, 10150, Segment::Data},
    // 20 m
    {14000, 14070, Segment::Cw},
    {14070, 14112, Segment::Data},
    {14112, 14350, Segment::Phone},
    // 17 m
    {18068, 18095, Segment::Cw},
    {18095, 18120, Segment::Data},
    {18120, 18168, Segment::Phone},
    // 15 m
    {21000, 21070, Segment::Cw},
    {21070, 21120, Segment::Data},
    {21120, 21151, Segment::Cw},  // narrow-band modes and the beacons
    {21151, 21450, Segment::Phone},
    // 12 m
    {24890, 24915, Segment::Cw},
    {24915, 24940, Segment::Data},
    {24940, 24990, Segment::Phone},
    // 10 m
    {28000, 28070, Segment::Cw},
    {28070, 28190, Segment::Data},
    {28190, 28225, Segment::Cw},  // beacons
    {28225, 29100, Segment::Phone},
    {29100, 29200, Segment::Fm},
    {29200, 29300, Segment::Data},
    {29300, 29510, Segment::Phone},  // satellite downlinks
    {29510, 29700, Segment::Fm},
    // 6 m
    {50000, 50100, Segment::Cw},
    {50100, 50300, Segment::Phone},
    {50300, 50400, Segment::Data},
    {50400, 50500, Segment::Cw},  // beacons
    {50500, 51000, Segment::Data},
    {51000, 54000, Segment::Fm},
    // 2 m
    {144000, 144150, Segment::Cw},
    {144150, 144400, Segment::Phone},
    {144400, 144500, Segment::Cw},  // beacons
    {144500, 144990, Segment::Data},
    {144990, 148000, Segment::Fm},
    // 70 cm
    {420000, 432000, Segment::Fm},
    {432000, 432100, Segment::Cw},
    {432100, 432400, Segment::Phone},
    {432400, 432500, Segment::Cw},  // beacons
    {432500, 433000, Segment::Data},
    {433000, 450000, Segment::Fm},
};

// Whether the segment after `s` in the plan continues the same band.
bool bandGoesOn(const BandSegment* s) {
  const BandSegment* next = s + 1;
  return next != std::end(kPlan) && next->fromKhz == s->toKhz;
}

bool isSixtyMetres(double khz) { return khz >= 5250 && khz <= 5450; }

QString sideband(double khz) {
  return khz < 10000 && !isSixtyMetres(khz) ? QStringLiteral("LSB") : QStringLiteral("USB");
}

// A mode named in a spot's comment. Words are cut at blanks and
// punctuation but not at '-' or '/', so that a reference such as "FM-0012"
// (Martinique) or "CW/SSB" names no mode.
std::optional<QString> modeNamedIn(QStringView comment, double khz) {
  static const QStringView kDataWords[] = {u"FT8", u"FT4", u"JS8", u"JT65", u"JT9", u"Q65",
                                           u"MSK144", u"FST4", u"OLIVIA", u"DIGI", u"SSTV"};
  qsizetype at = 0;
  while (at < comment.size()) {
    auto isWordChar = [](QChar c) { return c.isLetterOrNumber() || c == u'-' || c == u'/'; };
    while (at < comment.size() && !isWordChar(comment[at])) ++at;
    const qsizetype start = at;
    while (at < comment.size() && isWordChar(comment[at])) ++at;
    const QString word = comment.sliced(start, at - start).toString().toUpper();
    if (word.isEmpty()) break;
    if (std::find(std::begin(kDataWords), std::end(kDataWords), word) != std::end(kDataWords) ||
        word.startsWith(u"PSK") || word.startsWith(u"BPSK") || word.startsWith(u"QPSK"))
      return QStringLiteral("PKTUSB");
    if (word == u"RTTY") return QStringLiteral("RTTY");
    if (word == u"CW") return QStringLiteral("CW");
    if (word == u"SSB") return sideband(khz);
    if (word == u"LSB" || word == u"USB" || word == u"FM") return word;
  }
  return std::nullopt;
}

}  // namespace

std::span<const RigLogMode> rigLogModes() { return kLogModes; }

std::optional<RigLogMode> logModeForRig(QStringView hamlibMode) {
  for (const RigLogMode& m : kLogModes)
    if (hamlibMode.compare(QLatin1StringView(m.hamlib), Qt::CaseInsensitive) == 0) return m;
  return std::nullopt;
}

std::span<const BandSegment> bandPlan() { return kPlan; }

std::optional<Segment> segmentAt(double khz) {
  for (const BandSegment& s : kPlan) {
    if (khz >= s.fromKhz && (khz < s.toKhz || (khz == s.toKhz && !bandGoesOn(&s)))) return s.use;
  }
  return std::nullopt;
}

std::optional<QString> rigModeForSpot(double khz, QStringView comment) {
  if (auto named = modeNamedIn(comment, khz)) return named;
  const auto segment = segmentAt(khz);
  if (!segment) return std::nullopt;
  switch (*segment) {
    case Segment::Cw: return QStringLiteral("CW");
    case Segment::Data: return QStringLiteral("PKTUSB");
    case Segment::Phone: return sideband(khz);
    case Segment::Fm: return QStringLiteral("FM");
  }
  return std::nullopt;
}

QByteArray adifFrequency(qint64 hz) {
  if (hz <= 0) return {};
  return QByteArray::number(hz / 1'000'000) + '.' + QByteArray::number(hz % 1'000'000).rightJustified(6, '0');
}

QString shownFrequency(qint64 hz) {
  const qint64 tens = (hz + 5) / 10;  // to the nearest ten hertz
  return QStringLiteral("%1.%2 kHz").arg(tens / 100).arg(tens % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace ktl
