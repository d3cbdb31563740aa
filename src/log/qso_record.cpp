// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/qso_record.h"

#include <algorithm>

namespace ktl {
namespace {

// The record member that holds each field's text, or its "*" for the two
// marks. Reference has none: it is made of CountryPrefix and CastleNumber.
struct Member {
  QsoField field;
  QByteArray QsoRecord::*text;
  bool QsoRecord::*mark;
};
constexpr Member kMembers[] = {
    {QsoField::Callsign, &QsoRecord::callsign, nullptr},
    {QsoField::CountryPrefix, &QsoRecord::countryPrefix, nullptr},
    {QsoField::CastleNumber, &QsoRecord::castleNumber, nullptr},
    {QsoField::RepeatMark, nullptr, &QsoRecord::repeatMark},
    {QsoField::QsoDate, &QsoRecord::qsoDate, nullptr},
    {QsoField::QsoTime, &QsoRecord::qsoTime, nullptr},
    {QsoField::Mode, &QsoRecord::mode, nullptr},
    {QsoField::Band, &QsoRecord::band, nullptr},
    {QsoField::RstReceived, &QsoRecord::rstReceived, nullptr},
    {QsoField::CastleName, &QsoRecord::castleName, nullptr},
    {QsoField::QslReceived, nullptr, &QsoRecord::qslReceived},
    {QsoField::RstSent, &QsoRecord::rstSent, nullptr},
};

// Copies every field the list shows from `from` into `to`, the log line's
// columns to the list line's or back; bytes past the end of `from` stay as
// `to` has them. `to` points at column 1 of the line being built.
enum class Copy { LogToList, ListToLog };
void copyListedFields(QByteArrayView from, char* to, Copy direction) {
  for (const FieldLayout& f : kQsoLayout) {
    if (f.listColumn == kNotListed) continue;
    const bool toList = direction == Copy::LogToList;
    const qsizetype source = (toList ? f.logColumn : f.listColumn) - 1;
    const qsizetype target = (toList ? f.listColumn : f.logColumn) - 1;
    if (source < from.size())
      std::memcpy(to + target, from.data() + source, std::min<qsizetype>(f.width, from.size() - source));
  }
}

}  // namespace

QByteArray column(QByteArrayView line, int firstColumn, int width) {
  const qsizetype start = firstColumn - 1;
  QByteArray out;
  out.reserve(width);
  if (start < line.size()) out.append(line.sliced(start, std::min<qsizetype>(width, line.size() - start)));
  out.append(width - out.size(), ' ');
  return out;
}

QByteArray reference(QByteArrayView prefix, QByteArrayView number) {
  char line[kLogLineWidth];
  putLogField(line, QsoField::CountryPrefix, prefix);
  line[kReferenceDashColumn - 1] = '-';
  putLogField(line, QsoField::CastleNumber, number);
  return logField(QByteArrayView(line, kLogLineWidth), QsoField::Reference);
}

QByteArray toLogLine(const QsoRecord& q) {
  QByteArray out(kLogLineWidth, ' ');
  for (const Member& m : kMembers) {
    if (m.text)
      putLogField(out.data(), m.field, q.*m.text);
    else
      putLogMark(out.data(), m.field, q.*m.mark);
  }
  out[kReferenceDashColumn - 1] = '-';
  return out;
}

QByteArray sequenceNumber(qsizetype n, int width) {
  // The digits are preceded by one blank (the sign position), then the whole
  // is right-justified.
  QByteArray digits = ' ' + QByteArray::number(n);
  if (digits.size() > width) digits.remove(0, digits.size() - width);
  return QByteArray(width - digits.size(), ' ') + digits;
}

int numberWidthFor(qsizetype count) { return count > kNarrowNumberingLimit ? 6 : 5; }

QByteArray toDisplayLine(QByteArrayView logLine, qsizetype n, int numberWidth) {
  QByteArray out;
  out.reserve(kDisplayLineWidth);
  out.append(sequenceNumber(n, numberWidth));
  out.append(7 - numberWidth, ' ');
  // Column kListFieldsColumn on: the fields, wherever the number ended.
  const qsizetype fieldsAt = out.size();
  out.append(kDisplayLineWidth - (kListFieldsColumn - 1), ' ');
  copyListedFields(logLine, out.data() + fieldsAt - (kListFieldsColumn - 1), Copy::LogToList);
  return out;
}

QsoRecord fromDisplayLine(QByteArrayView d) {
  QsoRecord q;
  for (const Member& m : kMembers) {
    const FieldLayout& f = layoutOf(m.field);
    if (f.listColumn == kNotListed) continue;
    const QByteArray text = column(d, f.listColumn, f.width);
    if (m.text)
      q.*m.text = text;
    else
      q.*m.mark = text.front() == kMark;
  }
  return q;
}

QByteArray rebuildLogLine(QByteArrayView d) {
  QByteArray out(kLogLineWidth, ' ');
  copyListedFields(d, out.data(), Copy::ListToLog);
  return out;
}

bool sameQso(QByteArrayView a, QByteArrayView b) {
  // Columns past the end of the shorter line read as blanks, as in column():
  // a line whose trailing blanks were trimmed still names the QSO the list
  // shows for it.
  if (a.size() > b.size()) std::swap(a, b);
  const qsizetype n = a.size();
  constexpr qsizetype mark = layoutOf(QsoField::RepeatMark).logColumn - 1;  // 0-based
  const auto blank = [](QByteArrayView s) { return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; }); };
  if (n <= mark)
    return a == b.first(n) && blank(b.sliced(n, std::min<qsizetype>(b.size(), mark) - n)) &&
           (b.size() <= mark + 1 || blank(b.sliced(mark + 1)));
  return a.first(mark) == b.first(mark) && a.sliced(mark + 1) == b.sliced(mark + 1, n - mark - 1) && blank(b.sliced(n));
}

}  // namespace ktl
