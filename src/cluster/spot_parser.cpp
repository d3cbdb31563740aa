// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cluster/spot_parser.h"

#include <algorithm>

namespace ktl {

namespace {

bool isAsciiLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The whitespace-separated words of a line, left to right, with where each
// one starts.
struct Word {
  QStringView text;
  qsizetype start;
};

std::optional<Word> nextWord(QStringView line, qsizetype& pos) {
  while (pos < line.size() && line[pos].isSpace()) ++pos;
  if (pos >= line.size()) return std::nullopt;
  const qsizetype start = pos;
  while (pos < line.size() && !line[pos].isSpace()) ++pos;
  return Word{line.sliced(start, pos - start), start};
}

// The word that ends at `end` (exclusive), skipping blanks before it.
std::optional<Word> wordBefore(QStringView line, qsizetype end, qsizetype limit) {
  while (end > limit && line[end - 1].isSpace()) --end;
  if (end <= limit) return std::nullopt;
  qsizetype start = end;
  while (start > limit && !line[start - 1].isSpace()) --start;
  return Word{line.sliced(start, end - start), start};
}

// Letters, digits and "/" with at least one letter and one digit: a
// callsign, portable forms included (F/OK1ABC/P).
bool isCallsign(QStringView w) {
  bool letter = false, digit = false;
  for (QChar c : w) {
    if (isAsciiLetter(c))
      letter = true;
    else if (isAsciiDigit(c))
      digit = true;
    else if (c != u'/')
      return false;
  }
  return letter && digit && w.size() <= 20;
}

// A spotter also carries node suffixes: "-2", "-#" for a skimmer.
bool isSpotter(QStringView w) {
  if (w.isEmpty() || w.size() > 20 || (!isAsciiLetter(w[0]) && !isAsciiDigit(w[0]))) return false;
  for (QChar c : w)
    if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != u'/' && c != u'-' && c != u'#' && c != u'_') return false;
  return true;
}

// kHz: digits with at most one decimal point.
std::optional<double> frequencyOf(QStringView w) {
  if (w.isEmpty() || !isAsciiDigit(w[0]) || !isAsciiDigit(w.back())) return std::nullopt;
  bool point = false;
  for (QChar c : w) {
    if (c == u'.') {
      if (point) return std::nullopt;
      point = true;
    } else if (!isAsciiDigit(c)) {
      return std::nullopt;
    }
  }
  bool ok = false;
  const double khz = w.toDouble(&ok);
  if (!ok || khz <= 0) return std::nullopt;
  return khz;
}

// "HHMMZ", 00:00 to 23:59, as "HH:MM".
std::optional<QString> timeOf(QStringView w) {
  if (w.size() != 5 || (w[4] != u'Z' && w[4] != u'z')) return std::nullopt;
  for (int i = 0; i < 4; ++i)
    if (!isAsciiDigit(w[i])) return std::nullopt;
  const int hour = w.left(2).toInt(), minute = w.sliced(2, 2).toInt();
  if (hour > 23 || minute > 59) return std::nullopt;
  return w.left(2).toString() + u':' + w.sliced(2, 2).toString();
}

// A Maidenhead locator of four or six characters: JN18, JN18du.
bool isLocator(QStringView w) {
  if (w.size() != 4 && w.size() != 6) return false;
  const auto in = [](QChar c, char low, char high) {
    const QChar u = c.toUpper();
    return u >= QLatin1Char(low) && u <= QLatin1Char(high);
  };
  if (!in(w[0], 'A', 'R') || !in(w[1], 'A', 'R') || !isAsciiDigit(w[2]) || !isAsciiDigit(w[3])) return false;
  return w.size() == 4 || (in(w[4], 'A', 'X') && in(w[5], 'A', 'X'));
}

// What a node may write after the time: a locator, a zone (ITU or CQ,
// "14"), a US state or Canadian province ("MA").
bool isAfterTime(QStringView w) {
  if (isLocator(w)) return true;
  if (w.size() <= 2 && std::all_of(w.begin(), w.end(), isAsciiDigit)) return true;
  return w.size() == 2 && w[0] >= u'A' && w[0] <= u'Z' && w[1] >= u'A' && w[1] <= u'Z';
}
constexpr int kMostAfterTime = 2;

bool isErasure(QChar c) { return c == QChar(0x7f) || c == QChar(0x08); }

}  // namespace

QString applyTypedErasures(QStringView text) {
  if (std::none_of(text.begin(), text.end(), isErasure)) return text.toString();
  QString out;
  out.reserve(text.size());
  for (QChar c : text) {
    if (!isErasure(c)) {
      out += c;
    } else if (!out.isEmpty()) {
      // A character beyond the first plane is erased whole.
      const bool pair = out.size() >= 2 && out.back().isLowSurrogate() && out[out.size() - 2].isHighSurrogate();
      out.chop(pair ? 2 : 1);
    }
  }
  return out;
}

std::optional<Spot> parseSpot(QStringView line) {
  line = line.trimmed();
  static constexpr QStringView kHead = u"DX de ";
  if (!line.startsWith(kHead, Qt::CaseInsensitive)) return std::nullopt;

  // The spotter ends at its colon ("OK1KTL:", "EA8/DF4UE-#:21149.0",
  // "F5ABC :"), or is a word alone ("RBNHOLE").
  qsizetype pos = kHead.size();
  const auto first = nextWord(line, pos);
  if (!first) return std::nullopt;
  QStringView spotter = first->text;
  std::optional<Word> freqWord;
  if (const qsizetype colon = spotter.indexOf(u':'); colon >= 0) {
    if (colon + 1 < spotter.size()) freqWord = Word{spotter.sliced(colon + 1), first->start + colon + 1};
    spotter.truncate(colon);
  } else {
    qsizetype after = pos;
    const auto next = nextWord(line, after);
    if (next && next->text.startsWith(u':')) {
      pos = after;
      if (next->text.size() > 1) freqWord = Word{next->text.sliced(1), next->start + 1};
    }
  }
  if (!isSpotter(spotter)) return std::nullopt;
  if (!freqWord) freqWord = nextWord(line, pos);
  const auto callWord = nextWord(line, pos);
  if (!freqWord || !callWord || !isCallsign(callWord->text)) return std::nullopt;
  const auto khz = frequencyOf(freqWord->text);
  if (!khz) return std::nullopt;
  const qsizetype commentStart = pos;

  // From the end: what some nodes add after the time, then the time.
  qsizetype end = line.size();
  QStringView locator;
  std::optional<QString> time;
  std::optional<Word> timeWord;
  for (int after = 0;; ++after) {
    timeWord = wordBefore(line, end, commentStart);
    if (!timeWord) return std::nullopt;
    time = timeOf(timeWord->text);
    if (time) break;
    if (after == kMostAfterTime || !isAfterTime(timeWord->text)) return std::nullopt;
    if (isLocator(timeWord->text)) locator = timeWord->text;
    end = timeWord->start;
  }

  const QStringView typed = line.sliced(commentStart, timeWord->start - commentStart).trimmed();
  Spot spot;
  spot.spotter = spotter.toString().toUpper();
  spot.frequency = freqWord->text.toString();
  spot.khz = *khz;
  spot.band = bandOfKhz(*khz);
  spot.dxCall = callWord->text.toString().toUpper();
  spot.comment = applyTypedErasures(typed).trimmed();
  spot.time = *time;
  spot.locator = locator.toString().toUpper();
  // Measured as the node laid the line out, erasures included.
  spot.commentMayBeCut = typed.size() >= kCommentColumns &&
                         timeWord->start - (typed.data() + typed.size() - line.data()) == 1;
  return spot;
}

}  // namespace ktl
