// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cluster/castle_refs.h"

#include <algorithm>

namespace ktl {

namespace {

// Words that name a castle programme when written just before a reference
// ("COTA F-01051", "WCA: OK-00815", "bca on-2672"). KTL is the award this
// log is kept for; BCA the Belgian castles, numbered as the others.
constexpr QStringView kCastleWords[] = {u"KTL",    u"COTA",    u"WCA",     u"BCA",
                                        u"CASTLE", u"CHATEAU", u"CASTELLO"};
constexpr QStringView kOurAward = u"KTL";

// Words of other award programmes. Just before a reference they make it
// theirs; anywhere in a comment with no castle word they make every plain
// reference of it theirs ("K-12345 pota").
constexpr QStringView kOtherAwardWords[] = {u"POTA", u"SOTA", u"WWFF", u"IOTA",  u"GMA",  u"BOTA", u"LLOTA",
                                           u"WLOTA", u"HEMA", u"SIOTA", u"ILLW", u"ARLHS", u"WAB"};

// Words that look like a country prefix before a dash but are modes and
// reports: "CW-10", "FT8-12", "5NN-599".
constexpr QStringView kNotPrefixes[] = {u"CW",  u"SSB",  u"USB", u"LSB", u"FM",  u"FT8",
                                       u"FT4", u"PSK",  u"JT9", u"JT65", u"MSK", u"5NN"};
// Split and frequency notes, alone or run into their first figure: "up-2",
// "up5-10", "dwn1-2", "qsx7-8".
constexpr QStringView kSplitWords[] = {u"UP", u"DN", u"DWN", u"DOWN", u"QSX", u"QRG"};

template <std::size_t N>
bool inList(const QStringView (&list)[N], QStringView word) {
  return std::any_of(std::begin(list), std::end(list),
                     [word](QStringView w) { return w.compare(word, Qt::CaseInsensitive) == 0; });
}

bool isAlnum(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'); }
bool isLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
// What may stand between a programme's word and its reference.
bool isSeparator(QChar c) { return c.isSpace() || c == u':' || c == u'#' || c == u'=' || c == u'-'; }
// What may stand between two references of one list.
bool isListSeparator(QChar c) { return c.isSpace() || c == u',' || c == u';' || c == u'+' || c == u'&'; }

bool isSplitNote(QStringView prefix) {
  qsizetype letters = prefix.size();
  while (letters > 0 && isDigit(prefix[letters - 1])) --letters;
  return inList(kSplitWords, prefix.first(letters));
}

// The word of letters that ends where the separators before `at` begin.
QStringView wordBefore(QStringView text, qsizetype at) {
  qsizetype end = at;
  while (end > 0 && isSeparator(text[end - 1])) --end;
  qsizetype start = end;
  while (start > 0 && isLetter(text[start - 1])) --start;
  if (start > 0 && isAlnum(text[start - 1])) return {};
  return text.sliced(start, end - start);
}

bool namesOtherAward(QStringView comment) {
  for (qsizetype i = 0; i < comment.size();) {
    while (i < comment.size() && !isLetter(comment[i])) ++i;
    const qsizetype start = i;
    while (i < comment.size() && isAlnum(comment[i])) ++i;
    if (inList(kOtherAwardWords, comment.sliced(start, i - start))) return true;
  }
  return false;
}

struct Found {
  CastleRef ref;
  bool ours;  // after the word KTL
};

}  // namespace

QList<CastleRef> castleRefs(QStringView comment, bool endMayBeCut) {
  QList<Found> found;
  std::optional<bool> otherAward;  // looked up at the first plain reference
  // Where the last reference a castle word brought in ends, and that word.
  qsizetype listEnd = -1;
  QStringView listWord;
  for (qsizetype dash = comment.indexOf(u'-'); dash >= 0; dash = comment.indexOf(u'-', dash + 1)) {
    // The prefix: 1 to 4 letters and digits with a letter, standing alone
    // (not the end of a longer word, of "OK/JC", or of "7.150").
    qsizetype start = dash;
    while (start > 0 && isAlnum(comment[start - 1])) --start;
    const QStringView prefix = comment.sliced(start, dash - start);
    if (prefix.isEmpty() || prefix.size() > 4 || std::none_of(prefix.begin(), prefix.end(), isLetter)) continue;
    if (start > 0 && (comment[start - 1] == u'/' || comment[start - 1] == u'.')) continue;
    // The number: 1 to 5 digits, ending the word (not "F-01051/P" nor "7.1").
    qsizetype end = dash + 1;
    while (end < comment.size() && isDigit(comment[end])) ++end;
    const QStringView number = comment.sliced(dash + 1, end - dash - 1);
    if (number.isEmpty() || number.size() > kCastleNumberDigits) continue;
    if (end < comment.size()) {
      const QChar next = comment[end];
      if (isAlnum(next) || next == u'/' || next == u'-') continue;
      if (next == u'.' && end + 1 < comment.size() && isDigit(comment[end + 1])) continue;
    }
    if (inList(kNotPrefixes, prefix) || isSplitNote(prefix)) continue;
    // The node's cut leaves the start of a longer number.
    if (endMayBeCut && end == comment.size() && number.size() < kCastleNumberDigits) continue;

    QStringView word = wordBefore(comment, start);
    bool castleWord = inList(kCastleWords, word);
    if (!castleWord && listEnd >= 0 &&
        std::all_of(comment.begin() + listEnd, comment.begin() + start, isListSeparator)) {
      castleWord = true;
      word = listWord;
    }
    if (castleWord) {
      listEnd = end;
      listWord = word;
    } else {
      listEnd = -1;
      if (inList(kOtherAwardWords, word)) continue;
      if (number.size() != kCastleNumberDigits) continue;
      if (prefix.size() >= 3 && prefix.endsWith(u"FF", Qt::CaseInsensitive)) continue;  // WWFF
      if (!otherAward) otherAward = namesOtherAward(comment);
      if (*otherAward) continue;
    }
    CastleRef ref{prefix.toString().toUpper(), number.toString().rightJustified(kCastleNumberDigits, u'0')};
    if (std::none_of(found.begin(), found.end(), [&ref](const Found& f) { return f.ref == ref; }))
      found.append({std::move(ref), word.compare(kOurAward, Qt::CaseInsensitive) == 0});
  }
  std::stable_partition(found.begin(), found.end(), [](const Found& f) { return f.ours; });
  QList<CastleRef> refs;
  refs.reserve(found.size());
  for (Found& f : found) refs.append(std::move(f.ref));
  return refs;
}

}  // namespace ktl
