// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The log views on a large log: the QSO search (one search of each kind),
// the contacted-castles list, its saved file, and the contacted-prefix list
// with the prefix table.
#include "bench.h"

#include "log/clock.h"
#include "log/log_list_model.h"
#include "views/castle_list.h"
#include "views/prefix_table.h"
#include "views/qso_search.h"
#include "views/report_file.h"

#include <QFile>

namespace {
using namespace ktl;

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// The 60 country prefixes of the award log: A-Z, then two letters.
QByteArray awardPrefix(int i) {
  if (i < 26) return QByteArray(1, char('A' + i));
  return QByteArray(1, char('A' + (i - 26) % 26)) + char('A' + (i - 26) / 26 + 10);
}

// The generated log with its references replaced: `castles` castles spread
// over `prefixes` prefixes, each worked count / castles times.
QByteArray awardLog(int count, int castles, int prefixes) {
  QByteArray log = generateLog(count);
  for (qsizetype pos = 0, i = 0; pos + 23 <= log.size(); ++i) {
    const int castle = int((i * 7919) % castles);
    const QByteArray prefix = awardPrefix(castle % prefixes);
    const QByteArray ref = QByteArray(4 - prefix.size(), ' ') + prefix + '-' +
                           QByteArray::number(castle).rightJustified(5, '0');
    log.replace(pos + 13, 10, ref);
    pos = log.indexOf('\n', pos) + 1;
    if (pos == 0) break;
  }
  return log;
}

// `lines` entries: every prefix of the log once, others, and repeats.
QByteArray prefixTable(int lines, int prefixes) {
  QByteArray table;
  for (int i = 0; i < lines; ++i) {
    const QByteArray prefix = i % 3 == 0 ? awardPrefix(i / 3 % prefixes) : "Z" + QByteArray::number(i);
    table += prefix + ";Country number " + QByteArray::number(i) + ";\r\n";
  }
  return table;
}

struct FixedDay : Clock {
  QDateTime now() const override { return QDateTime(QDate(2050, 12, 31), QTime(12, 0), Qt::UTC); }
};

BenchRegistrar reg(30, "views", [](const BenchContext& ctx) {
  const int count = ctx.quick ? 10000 : 100000;
  const int runs = ctx.quick ? 5 : 9;
  const QString path = ctx.workDir + QStringLiteral("/SEARCH_KTL.log");
  writeFile(path, generateLog(count));
  LogListModel list;
  list.load(path);
  struct Case {
    const char* what;
    SearchBy by;
    QByteArray text;
  };
  const Case cases[] = {{"callsign containing \"F1\"", SearchBy::Callsign, "F1"},
                        {"callsign, empty text (every QSO)", SearchBy::Callsign, ""},
                        {"reference \"OK-01234\"", SearchBy::Reference, "OK-01234"},
                        {"country \"F\"", SearchBy::Country, "F"}};
  for (const Case& c : cases) {
    qsizetype found = 0;
    const double ms = medianMs(runs, [&] { found = searchList(list, c.by, c.text).size(); });
    report(QStringLiteral("search %1 QSOs, %2 (%3 found)").arg(count).arg(QString::fromUtf8(c.what)).arg(found), ms,
           "ms");
  }

  const int castles = ctx.quick ? 500 : 5000;
  const int prefixes = 60;
  const QString award = ctx.workDir + QStringLiteral("/AWARD_KTL.log");
  const QString table = ctx.workDir + QStringLiteral("/Liste_DXCC.csv");
  writeFile(award, awardLog(count, castles, prefixes));
  writeFile(table, prefixTable(400, prefixes));
  const QString tag = QStringLiteral("%1 QSOs, %2 castles, %3 prefixes: ").arg(count).arg(castles).arg(prefixes);

  QByteArrayList rows, one, prefixRows;
  contactedCastles(award, "XX", rows);
  contactedCastles(award, "A", one);
  contactedPrefixes(award, PrefixTable::read(table), prefixRows);
  report(tag + QStringLiteral("castle list \"XX\" (%1 rows)").arg(rows.size()),
         medianMs(runs, [&] { contactedCastles(award, "XX", rows); }), "ms");
  report(tag + QStringLiteral("castle list \"A\" (%1 rows)").arg(one.size()),
         medianMs(runs, [&] { contactedCastles(award, "A", one); }), "ms");
  const Report saved = castleReport(Language::French, QStringLiteral("F0ORB"), reportDate(FixedDay()), rows);
  const QString savedPath = ctx.workDir + QStringLiteral("/F0ORB_Chateaux_XX_Contactes_31_12_50.txt");
  report(tag + QStringLiteral("save the \"XX\" castle list"), medianMs(runs, [&] { saveReport(savedPath, saved); }),
         "ms");
  report(tag + QStringLiteral("contacted prefixes with a 400-line table (%1 rows)").arg(prefixRows.size()),
         medianMs(runs, [&] { contactedPrefixes(award, PrefixTable::read(table), prefixRows); }), "ms");
  report(QStringLiteral("resident memory"), residentMiB(), "MiB");
});

}  // namespace
