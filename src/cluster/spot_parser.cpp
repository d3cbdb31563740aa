#include "cluster/spot_parser.h"

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

}  // namespace

int spotBandIndex(double khz) {
  for (int i = 0; i < int(kSpotBands.size()); ++i)
    if (khz >= kSpotBands[i].lowKhz && khz <= kSpotBands[i].highKhz) return i;
  return -1;
}

std::optional<Spot> parseSpot(QStringView line) {
  line = line.trimmed();
  static constexpr QStringView kHead = u"DX de ";
  if (!line.startsWith(kHead, Qt::CaseInsensitive)) return std::nullopt;
  const qsizetype colon = line.indexOf(u':', kHead.size());
  if (colon < 0) return std::nullopt;
  const QStringView spotter = line.sliced(kHead.size(), colon - kHead.size()).trimmed();
  if (!isSpotter(spotter)) return std::nullopt;

  qsizetype pos = colon + 1;
  const auto freqWord = nextWord(line, pos);
  const auto callWord = nextWord(line, pos);
  if (!freqWord || !callWord || !isCallsign(callWord->text)) return std::nullopt;
  const auto khz = frequencyOf(freqWord->text);
  if (!khz) return std::nullopt;
  const qsizetype commentStart = pos;

  // From the end: an optional locator, then the time.
  auto last = wordBefore(line, line.size(), commentStart);
  if (!last) return std::nullopt;
  QStringView locator;
  if (!timeOf(last->text) && isLocator(last->text)) {
    locator = last->text;
    last = wordBefore(line, last->start, commentStart);
    if (!last) return std::nullopt;
  }
  const auto time = timeOf(last->text);
  if (!time) return std::nullopt;

  Spot spot;
  spot.spotter = spotter.toString().toUpper();
  spot.frequency = freqWord->text.toString();
  spot.khz = *khz;
  spot.band = spotBandIndex(*khz);
  spot.dxCall = callWord->text.toString().toUpper();
  spot.comment = line.sliced(commentStart, last->start - commentStart).trimmed().toString();
  spot.time = *time;
  spot.locator = locator.toString().toUpper();
  return spot;
}

}  // namespace ktl
