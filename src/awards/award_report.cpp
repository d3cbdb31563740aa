// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "awards/award_report.h"

#include "log/text_codec.h"
#include "texts/award_texts.h"
#include "views/prefix_table.h"
#include "views/toolkit_order.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace ktl {
namespace {

QString text(AwardText id, Language language) { return awardString(id, language); }

const AwardTally::Country& countryAt(const AwardTally& tally, int i, const AwardTally::Country& totals) {
  return i < 0 ? totals : tally.countries()[i];
}

}  // namespace

CountryNames countryNamesFrom(const QString& tablePath) {
  auto table = std::make_shared<PrefixTable>(PrefixTable::read(tablePath));
  return [table](QByteArrayView prefix) { return fromFileBytes(table->country(prefix).value_or(QByteArray())); };
}

std::vector<int> countriesInOrder(const AwardTally& tally) {
  std::vector<int> order;
  for (int i = 0; i < int(tally.countries().size()); ++i) {
    const AwardTally::Country& k = tally.countries()[i];
    if (k.worked > 0 || k.listed > 0) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return caseFolded(tally.countries()[a].prefix) < caseFolded(tally.countries()[b].prefix);
  });
  return order;
}

QString totalsText(const AwardTally& tally, Language language) {
  const AwardTally::Country t = tally.totals();
  QStringList parts;
  if (tally.list()) {
    parts << text(AwardText::WorkedOf, language).arg(t.listedWorked).arg(t.listed)
          << text(AwardText::Confirmed, language).arg(t.confirmed)
          << text(AwardText::CountriesOf, language)
                 .arg(std::count_if(tally.countries().begin(), tally.countries().end(),
                                    [](const AwardTally::Country& k) { return k.listed > 0 && k.listedWorked > 0; }))
                 .arg(tally.listedCountries());
    if (t.notInList > 0) parts << text(AwardText::NotInList, language).arg(t.notInList);
  } else {
    parts << text(AwardText::Worked, language).arg(t.worked) << text(AwardText::Confirmed, language).arg(t.confirmed)
          << text(AwardText::Countries, language).arg(tally.countriesWorked());
  }
  return parts.join(QStringLiteral(", "));
}

QString gridCell(int worked, int confirmed, Language language) {
  if (worked == 0) return text(AwardText::CellNone, language);
  if (confirmed == 0) return text(AwardText::CellWorked, language).arg(worked);
  return text(AwardText::CellConfirmed, language).arg(worked).arg(confirmed);
}

QString progressText(const AwardTally& tally, const CountryNames& names, const QString& station, Language language) {
  QStringList lines{text(AwardText::ProgressTitle, language).arg(station), totalsText(tally, language), QString()};
  const bool listed = tally.list() != nullptr;
  const auto row = [listed](const QString& prefix, const QString& name, const QString& worked, const QString& confirmed,
                            const QString& listedCount) {
    QString line = prefix.rightJustified(6) + QStringLiteral("  ") + name.leftJustified(28, u' ', true) +
                   worked.rightJustified(10) + confirmed.rightJustified(11);
    if (listed) line += listedCount.rightJustified(13);
    return line;
  };
  lines << row(text(AwardText::ColumnPrefix, language), text(AwardText::ColumnCountry, language),
               text(AwardText::ColumnWorked, language), text(AwardText::ColumnConfirmed, language),
               text(AwardText::ColumnListed, language));
  for (int i : countriesInOrder(tally)) {
    const AwardTally::Country& k = tally.countries()[i];
    lines << row(QString::fromLatin1(k.prefix), names ? names(k.prefix) : QString(), QString::number(k.worked),
                 QString::number(k.confirmed), QString::number(k.listed));
  }
  return lines.join(u'\n');
}

QByteArray progressJson(const AwardTally& tally, const CountryNames& names, const QString& station) {
  const bool listed = tally.list() != nullptr;
  const auto counts = [&](const AwardTally::Country& k, QJsonObject& o) {
    o[QStringLiteral("worked")] = k.worked;
    o[QStringLiteral("confirmed")] = k.confirmed;
    o[QStringLiteral("qsos")] = k.qsos;
    if (listed) {
      o[QStringLiteral("listed")] = k.listed;
      o[QStringLiteral("listed_worked")] = k.listedWorked;
      o[QStringLiteral("listed_confirmed")] = k.listedConfirmed;
      o[QStringLiteral("not_in_list")] = k.notInList;
    }
  };
  QJsonObject root;
  root[QStringLiteral("station")] = station;
  const AwardTally::Country totals = tally.totals();
  counts(totals, root);
  root[QStringLiteral("countries")] = tally.countriesWorked();
  if (listed) {
    root[QStringLiteral("listed_countries")] = tally.listedCountries();
    root[QStringLiteral("list_file")] = tally.list()->source;
  }
  QJsonArray bands;
  for (const QByteArray& b : tally.bands()) bands.append(QString::fromLatin1(b));
  root[QStringLiteral("bands")] = bands;
  QJsonArray perCountry;
  for (int i : countriesInOrder(tally)) {
    const AwardTally::Country& k = tally.countries()[i];
    QJsonObject o;
    o[QStringLiteral("prefix")] = QString::fromLatin1(k.prefix);
    o[QStringLiteral("country")] = names ? names(k.prefix) : QString();
    counts(k, o);
    QJsonObject byBand;
    for (int b = 0; b < tally.bands().size(); ++b) {
      if (k.bandWorked[b] == 0) continue;
      byBand[QString::fromLatin1(tally.bands()[b])] =
          QJsonObject{{QStringLiteral("worked"), k.bandWorked[b]}, {QStringLiteral("confirmed"), k.bandConfirmed[b]}};
    }
    o[QStringLiteral("bands")] = byBand;
    perCountry.append(o);
  }
  root[QStringLiteral("per_country")] = perCountry;
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QByteArray progressCsv(const AwardTally& tally, const CountryNames& names, const std::vector<int>& order,
                       Language language) {
  const bool listed = tally.list() != nullptr;
  // A field with the separator, a quote or a line break goes in quotes.
  const auto field = [](const QString& v) {
    if (!v.contains(u';') && !v.contains(u'"') && !v.contains(u'\n')) return v;
    return u'"' + QString(v).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
  };
  QStringList head{text(AwardText::ColumnPrefix, language), text(AwardText::ColumnCountry, language),
                   text(AwardText::ColumnWorked, language), text(AwardText::ColumnConfirmed, language)};
  if (listed) head << text(AwardText::ColumnListed, language) << text(AwardText::ColumnNotInList, language);
  for (const QByteArray& b : tally.bands())
    head << QString::fromLatin1(b) << QString::fromLatin1(b) + QStringLiteral(" QSL");
  QByteArray out("\xEF\xBB\xBF");
  out += head.join(u';').toUtf8() + "\r\n";
  const AwardTally::Country totals = tally.totals();
  std::vector<int> rows = order;
  rows.push_back(-1);
  for (int i : rows) {
    const AwardTally::Country& k = countryAt(tally, i, totals);
    QStringList f{i < 0 ? text(AwardText::TotalRow, language) : QString::fromLatin1(k.prefix),
                  i < 0 || !names ? QString() : names(k.prefix), QString::number(k.worked), QString::number(k.confirmed)};
    if (listed) f << QString::number(k.listed) << QString::number(k.notInList);
    for (int b = 0; b < tally.bands().size(); ++b) f << QString::number(k.bandWorked[b]) << QString::number(k.bandConfirmed[b]);
    for (QString& v : f) v = field(v);
    out += f.join(u';').toUtf8() + "\r\n";
  }
  return out;
}

QStringList progressGridLines(const AwardTally& tally, const CountryNames& names, const std::vector<int>& order,
                              Language language) {
  QStringList lines;
  const int cell = 11;
  QString head = text(AwardText::ColumnPrefix, language).leftJustified(8, u' ', true) +
                 text(AwardText::ColumnCountry, language).leftJustified(20, u' ', true);
  for (const QByteArray& b : tally.bands()) head += QString::fromLatin1(b).rightJustified(cell);
  lines << head;
  const AwardTally::Country totals = tally.totals();
  std::vector<int> rows = order;
  rows.push_back(-1);
  for (int i : rows) {
    const AwardTally::Country& k = countryAt(tally, i, totals);
    QString line = (i < 0 ? text(AwardText::TotalRow, language) : QString::fromLatin1(k.prefix)).leftJustified(8, u' ', true) +
                   (i < 0 || !names ? QString() : names(k.prefix)).leftJustified(20, u' ', true);
    for (int b = 0; b < tally.bands().size(); ++b)
      line += gridCell(k.bandWorked[b], k.bandConfirmed[b], language).rightJustified(cell);
    lines << line;
  }
  return lines;
}

QString awardImportMessage(const AwardListImport& r, Language language) {
  switch (r.status) {
    case AwardListImport::Imported: break;
    case AwardListImport::Empty: return text(AwardText::ImportEmpty, language);
    case AwardListImport::NotText: return text(AwardText::ImportNotText, language);
    case AwardListImport::NoReference: {
      QString t = text(AwardText::ImportNoReference, language);
      if (r.malformed > 0)
        t += QStringLiteral("\r\n") + text(AwardText::ImportMalformed, language).arg(r.malformed).arg(r.malformedLines.value(0));
      return t;
    }
    case AwardListImport::TooLarge: return text(AwardText::ImportTooLarge, language);
    case AwardListImport::Unreadable:
    case AwardListImport::WriteFailed:
      return text(AwardText::ImportUnreadable, language) + QStringLiteral("\r\n") + r.detail;
  }
  const QString separator = r.separator == '\t' ? QStringLiteral("Tab") : QString(QLatin1Char(r.separator));
  QStringList lines{text(AwardText::ImportDone, language)
                        .arg(r.castles)
                        .arg(r.utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252"), separator)};
  if (r.malformed > 0)
    lines << text(AwardText::ImportMalformed, language).arg(r.malformed).arg(r.malformedLines.value(0));
  if (r.duplicates > 0) lines << text(AwardText::ImportDuplicates, language).arg(r.duplicates);
  if (r.anotherAward)
    lines << text(AwardText::ImportAnotherAward, language);
  else if (r.unknownCountries > 0)
    lines << text(AwardText::ImportUnknownCountries, language).arg(r.unknownCountries);
  return lines.join(QStringLiteral("\r\n"));
}

}  // namespace ktl
