// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entry_checks.h"

namespace ktl {

namespace {

// Only ASCII digits count: other scripts' digits cannot be stored as the
// two-digit numbers of a log line.
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int twoDigits(QStringView text, qsizetype at) {
  return (text[at].unicode() - u'0') * 10 + (text[at + 1].unicode() - u'0');
}

// A text is checked against the field widths of the log line, where each
// character takes one column, so a character outside the 16-bit range
// (a surrogate pair) counts once.
qsizetype characterCount(QStringView text) {
  qsizetype count = 0;
  for (QChar c : text)
    if (!c.isLowSurrogate()) ++count;
  return count;
}

// Checks "NN<sep>NN<sep>NN..." shapes: digit pairs separated by `sep`, each
// pair at most the matching entry of `maxima`.
template <std::size_t N>
bool digitPairs(QStringView text, QChar sep, const int (&maxima)[N]) {
  if (text.size() != qsizetype(3 * N - 1)) return false;
  for (std::size_t i = 0; i < N; ++i) {
    const qsizetype at = qsizetype(3 * i);
    if (!isAsciiDigit(text[at]) || !isAsciiDigit(text[at + 1])) return false;
    if (i + 1 < N && text[at + 2] != sep) return false;
    if (twoDigits(text, at) > maxima[i]) return false;
  }
  return true;
}

struct FieldRule {
  std::optional<Msg> empty;  // no value: the field may stay empty
  int maxLength;             // 0: the format check covers the length
  Msg tooLong;
};

FieldRule ruleOf(EntryField field) {
  switch (field) {
    case EntryField::Ind_A: return {Msg::CallsignEmpty, 12, Msg::CallsignTooLong};
    case EntryField::Type_A: return {Msg::PrefixEmpty, 4, Msg::PrefixTooLong};
    case EntryField::Ref_A: return {Msg::ReferenceEmpty, 5, Msg::ReferenceTooLong};
    case EntryField::Date_A: return {Msg::DateEmpty, 0, Msg::DateFormat};
    case EntryField::Heure_A: return {Msg::TimeEmpty, 0, Msg::TimeFormat};
    case EntryField::Mode_A: return {Msg::ModeEmpty, 6, Msg::ModeTooLong};
    case EntryField::Bande_A: return {Msg::BandEmpty, 7, Msg::BandTooLong};
    case EntryField::RST_A:
    case EntryField::RST_B: return {Msg::ReportEmpty, 3, Msg::ReportTooLong};
    case EntryField::Rem_A: return {std::nullopt, 60, Msg::CastleNameTooLong};
    case EntryField::QSL_A: break;
  }
  Q_UNREACHABLE();
  return {Msg::CallsignEmpty, 12, Msg::CallsignTooLong};
}

}  // namespace

bool verifDate(QStringView text) {
  static constexpr int maxima[] = {31, 12, 99};
  return digitPairs(text, u'/', maxima);
}

bool verifHeure(QStringView text) {
  static constexpr int maxima[] = {23, 59};
  return digitPairs(text, u':', maxima);
}

std::optional<Msg> checkField(EntryField field, QStringView text) {
  if (field == EntryField::QSL_A) return std::nullopt;  // a tick box
  const FieldRule rule = ruleOf(field);
  if (text.isEmpty()) return rule.empty;
  if (rule.maxLength > 0 && characterCount(text) > rule.maxLength) return rule.tooLong;

  switch (field) {
    case EntryField::Date_A:
      if (!verifDate(text)) return Msg::DateFormat;
      break;
    case EntryField::Heure_A:
      if (!verifHeure(text)) return Msg::TimeFormat;
      break;
    case EntryField::RST_A:
    case EntryField::RST_B:
      // Only the R of RST is checked: 599, 5NN and 0 pass.
      if (text[0] < u'0' || text[0] > u'5')
        return field == EntryField::RST_A ? Msg::RstReceivedReadability : Msg::RstSentReadability;
      break;
    default: break;
  }
  return std::nullopt;
}

}  // namespace ktl
