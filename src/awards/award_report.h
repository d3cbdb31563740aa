// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The award's figures as text: the totals line of the window, the plain
// and JSON figures of the command line, the grid as CSV and as printed
// lines.
#include "awards/award_list.h"
#include "awards/award_tally.h"
#include "texts/language.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace ktl {

// The country name of a prefix; empty when the prefix table has none.
using CountryNames = std::function<QString(QByteArrayView prefix)>;
// The names of the prefix table file, read once.
CountryNames countryNamesFrom(const QString& tablePath);

// The countries in prefix order (letter case ignored), those with nothing
// worked nor listed left out.
std::vector<int> countriesInOrder(const AwardTally& tally);

// "Castles worked: 12 of 400, confirmed: 5, countries: 3 of 20, not in the
// list: 1": the "of" parts only with a list.
QString totalsText(const AwardTally& tally, Language language);
// A cell of the grid: "12", "12 (5 QSL)", or the none mark.
QString gridCell(int worked, int confirmed, Language language);

// For scripts: the totals, then one line per country (prefix, name,
// worked, confirmed, listed when there is a list).
QString progressText(const AwardTally& tally, const CountryNames& names, const QString& station, Language language);
// The same as one JSON object: worked, confirmed, qsos, countries, and
// with a list listed, listed_worked, listed_confirmed, not_in_list; then
// "per_country", one object per country with its prefix, name, the same
// counts and its bands ({"14 Mhz": {"worked": 3, "confirmed": 1}}).
QByteArray progressJson(const AwardTally& tally, const CountryNames& names, const QString& station);

// The grid as the window shows it, in `order`, with the totals last: one
// line per country, ";" between the fields, a heading line first, UTF-8
// with a byte-order mark so spreadsheets take the accents, CR LF.
QByteArray progressCsv(const AwardTally& tally, const CountryNames& names, const std::vector<int>& order,
                       Language language);
// The same as lines of aligned columns for the printer: the column
// heading, the countries in `order`, the totals.
QStringList progressGridLines(const AwardTally& tally, const CountryNames& names, const std::vector<int>& order,
                              Language language);

// What an import of the award's list found, or why the stored list stays,
// for the operator: one sentence a line (CR LF between them).
QString awardImportMessage(const AwardListImport& result, Language language);

}  // namespace ktl
