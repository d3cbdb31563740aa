// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/qso_search.h"

#include "log/log_list_model.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

namespace ktl {
QByteArray searchText(SearchBy by, const QString& boxText) {
  return toFileBytes(by == SearchBy::Country ? boxText.trimmed() : boxText.toUpper());
}

bool qsoMatches(QByteArrayView logLine, SearchBy by, QByteArrayView text) {
  switch (by) {
    case SearchBy::Callsign: return logFieldView(logLine, QsoField::Callsign).trimmed().contains(text);
    case SearchBy::Reference: return logFieldView(logLine, QsoField::Reference).trimmed() == text;
    case SearchBy::Country: return logFieldView(logLine, QsoField::CountryPrefix).trimmed() == text;
  }
  return false;
}

QByteArrayList searchList(const LogListModel& list, SearchBy by, QByteArrayView text) {
  QByteArrayList found;
  for (int row = 0, n = list.rowCount(); row < n; ++row)
    if (qsoMatches(list.logLine(row), by, text)) found << list.displayLine(row);
  return found;
}

std::optional<Msg> checkSearchBox(SearchBy box, const QString& text) {
  struct Rule {
    int tooLongFrom;
    Msg tooLong, empty;
  };
  static constexpr Rule kRules[] = {{13, Msg::CallsignTooLong, Msg::SearchCallsignEmpty},
                                    {11, Msg::SearchReferenceTooLong, Msg::ReferenceEmpty},
                                    {5, Msg::PrefixTooLong, Msg::SearchCountryEmpty}};
  const Rule& rule = kRules[int(box)];
  if (text.size() >= rule.tooLongFrom) return rule.tooLong;
  if (text.isEmpty()) return rule.empty;
  return std::nullopt;
}

int resultRow(QByteArrayView resultLine) {
  // The whole number field: five columns, six past 9,999 QSOs.
  bool ok = false;
  const int n = resultLine.first(std::min<qsizetype>(7, resultLine.size())).trimmed().toInt(&ok);
  return ok && n > 0 ? n - 1 : -1;
}

}  // namespace ktl
