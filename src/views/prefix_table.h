// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The country prefix table, "Liste_DXCC.csv" in the data folder: one
// "prefix;country;" line per entry, Windows-1252, CR LF, in the order the
// entries were added; a prefix may occur more than once and the first line
// counts. Also the contacted-prefix list built from a log and this table.
#include "log/log_file.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>
#include <QString>

#include <optional>

namespace ktl {

inline const QString kPrefixTableName = QStringLiteral("Liste_DXCC.csv");
QString prefixTablePath(const QString& dataDir);

// The starter table built into the program: the DXCC entities' primary
// prefixes and names, one "prefix;country;" line each, in the table's own
// format (data/prefixes/README.md tells where they come from).
inline const QString kStarterPrefixTable = QStringLiteral(":/prefixes/Liste_DXCC.csv");

// A new operator has no table: the starter table is written at `tablePath`,
// byte for byte, through the atomic rewrite. Anything already at that path
// (a table, an empty file, a link) is the operator's and is left alone; so
// is the folder when the write fails, which is returned.
LogResult installStarterPrefixTable(const QString& tablePath);

class PrefixTable {
 public:
  // Reads the whole table. A missing file is an empty table. Lines without
  // two ";" (empty lines, hand-edited ones) have no country and are skipped.
  static PrefixTable read(const QString& path, LogResult* result = nullptr);

  // The country of the first line whose prefix is `prefix`, compared
  // exactly (letter case and blanks included).
  std::optional<QByteArray> country(QByteArrayView prefix) const;

 private:
  QHash<QByteArray, QByteArray> countries_;  // first line of each prefix only
};

// LookupCountryName: the country of `prefix` in the table file, read from
// the top; nothing when the table does not know it (or is missing).
std::optional<QByteArray> lookupCountryName(const QString& tablePath, QByteArrayView prefix);

// The three changes of the table, each a complete rewrite that replaces the
// file at once: the table is never missing nor half-written.
// Adds "prefix;country;" at the end, a prefix already there included; a
// missing table is created.
LogResult appendPrefix(const QString& tablePath, QByteArrayView prefix, QByteArrayView country);
// Every line of `prefix` becomes "prefix;country;"; no such line, no change.
LogResult replacePrefix(const QString& tablePath, QByteArrayView prefix, QByteArrayView country);
// Every line of `prefix` is left out.
LogResult deletePrefix(const QString& tablePath, QByteArrayView prefix);

// The country prefix of a log line: its reference (columns 14-23) without
// the blanks around it, cut before its "-"; a reference without "-" gives
// no prefix (an empty text).
QByteArrayView logLinePrefix(QByteArrayView logLine);

// One row of the contacted-prefix list: the prefix right-justified in 4
// columns, 3 blanks, the country (empty when unknown).
QByteArray prefixRow(QByteArrayView prefix, QByteArrayView country);

// Every prefix of the log once, in the toolkit's sorted-list order, each
// with its country from the table. A missing log gives no rows.
LogResult contactedPrefixes(const QString& logPath, const PrefixTable& table, QByteArrayList& rows);

}  // namespace ktl
