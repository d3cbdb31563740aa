// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/prefix_table.h"

#include "log/qso_record.h"

#include "views/toolkit_order.h"

#include <QFileInfo>
#include <string>
#include <unordered_set>

namespace ktl {
namespace {

// The prefix field of a table line: the text before its first ";", or
// nothing when the line has none.
std::optional<QByteArrayView> prefixField(QByteArrayView line) {
  const qsizetype semicolon = line.indexOf(';');
  if (semicolon < 0) return std::nullopt;
  return line.first(semicolon);
}

QByteArray tableLine(QByteArrayView prefix, QByteArrayView country) {
  return prefix.toByteArray().append(';').append(country).append(';');
}

// Copies the table with every line of `prefix` replaced by `instead`, or
// left out without it. A missing table has no line to change and stays
// missing.
LogResult rewriteMatching(const QString& path, QByteArrayView prefix, const std::optional<QByteArray>& instead) {
  if (!QFileInfo::exists(path)) return {};
  return rewriteFile(path, [&](const LineSink& sink) {
    return forEachLine(path, [&](const QByteArray& line) {
             if (prefixField(line) != prefix)
               sink(line);
             else if (instead)
               sink(*instead);
             return true;
           }).ok();
  });
}

}  // namespace

QString prefixTablePath(const QString& dataDir) { return dataDir + QLatin1Char('/') + kPrefixTableName; }

LogResult installStarterPrefixTable(const QString& tablePath) {
  // A link whose file is missing counts as there: writing through it would
  // create a file the operator did not ask for.
  const QFileInfo there(tablePath);
  if (there.exists() || there.isSymLink()) return {};
  // A table another program makes meanwhile keeps its place too.
  return copyFileAtomically(kStarterPrefixTable, tablePath, true);
}

PrefixTable PrefixTable::read(const QString& path, LogResult* result) {
  PrefixTable table;
  const LogResult read = forEachLine(path, [&](const QByteArray& line) {
    const qsizetype first = line.indexOf(';');
    const qsizetype second = first < 0 ? -1 : line.indexOf(';', first + 1);
    if (second < 0) return true;  // no country field: skipped
    const QByteArray prefix = line.first(first);
    if (!table.countries_.contains(prefix)) table.countries_.insert(prefix, line.sliced(first + 1, second - first - 1));
    return true;
  });
  if (result) *result = read;
  return table;
}

std::optional<QByteArray> PrefixTable::country(QByteArrayView prefix) const {
  const auto it = countries_.constFind(prefix.toByteArray());
  if (it == countries_.cend()) return std::nullopt;
  return *it;
}

std::optional<QByteArray> lookupCountryName(const QString& tablePath, QByteArrayView prefix) {
  return PrefixTable::read(tablePath).country(prefix);
}

LogResult appendPrefix(const QString& path, QByteArrayView prefix, QByteArrayView country) {
  return rewriteFile(path, [&](const LineSink& sink) {
    const LogResult read = forEachLine(path, [&](const QByteArray& line) {
      sink(line);
      return true;
    });
    sink(tableLine(prefix, country));
    return read.ok();
  });
}

LogResult replacePrefix(const QString& path, QByteArrayView prefix, QByteArrayView country) {
  return rewriteMatching(path, prefix, tableLine(prefix, country));
}

LogResult deletePrefix(const QString& path, QByteArrayView prefix) {
  return rewriteMatching(path, prefix, std::nullopt);
}

QByteArrayView logLinePrefix(QByteArrayView line) {
  const QByteArrayView reference = logFieldView(line, QsoField::Reference).trimmed();
  const qsizetype dash = reference.indexOf('-');
  return dash < 0 ? QByteArrayView() : reference.first(dash);
}

QByteArray prefixRow(QByteArrayView prefix, QByteArrayView country) {
  return QByteArray(std::max<qsizetype>(0, 4 - prefix.size()), ' ').append(prefix).append("   ").append(country);
}

LogResult contactedPrefixes(const QString& logPath, const PrefixTable& table, QByteArrayList& rows) {
  // Each prefix once, as the log writes it: a prefix typed once in capitals
  // and once in small letters is listed twice, since the table tells them
  // apart too.
  // The prefixes seen, by the standard hash (cheaper than Qt's seeded one
  // on every line of a long log).
  std::unordered_set<std::string> seen;
  QByteArrayList prefixes;
  const LogResult read = forEachLine(logPath, [&](const QByteArray& line) {
    const QByteArrayView prefix = logLinePrefix(line);
    if (!prefix.isEmpty() && seen.emplace(prefix.data(), prefix.size()).second)
      prefixes.push_back(prefix.toByteArray());
    return true;
  });
  rows.clear();
  if (!read.ok()) return read;
  sortAsToolkit(prefixes);
  for (const QByteArray& prefix : prefixes)
    rows.push_back(prefixRow(prefix, table.country(prefix).value_or(QByteArray())));
  return read;
}

}  // namespace ktl
