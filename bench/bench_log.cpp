// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Log store timings on generated logs: loading the QSO list, the five file
// rewrites, the already-contacted lookup and a whole commit, plus the memory
// the loaded list takes.
#include "bench.h"

#include "log/log_file.h"
#include "log/log_list_model.h"
#include "log/qso_record.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>

#include <memory>
#include <vector>

namespace {
using namespace ktl;

template <size_t N>
const char* pick(QRandomGenerator& rng, const char* const (&items)[N]) {
  return items[rng.bounded(static_cast<quint32>(N))];
}

QByteArray twoDigits(int v) { return QByteArray::number(v).rightJustified(2, '0'); }

// One QSO with plausible fields. Castle numbers stay below 90000, so 99999
// is never in the log.
QByteArray randomQso(QRandomGenerator& rng, int year, int month, int day) {
  static const char* const callPrefixes[] = {"F", "F4", "DL", "OK", "G", "I", "IK", "EA", "ON", "HB9",
                                             "SP", "OE", "PA", "9A", "S5", "OM", "HA", "LX", "EI", "CT"};
  static const char* const refPrefixes[] = {"F", "DL", "OK", "G", "I", "EA", "ON", "HB",
                                            "SP", "OE", "PA", "OM", "HA", "S5", "9A", "LX"};
  static const char* const modes[] = {"SSB", "SSB", "CW", "CW", "FM", "DIG"};
  static const char* const bands[] = {"1.8 Mhz", "3.5 Mhz", "7 Mhz", "10 Mhz", "14 Mhz",
                                      "18 Mhz",  "21 Mhz",  "28 Mhz", "144 Mhz", "432 Mhz"};
  static const char* const kinds[] = {"Ch\xe2teau de ", "Burg ", "Hrad ", "Castello di ", "Ruine ",
                                      "Castillo de ", "Zamek ", "Ch\xe2teau fort d'", "Schlo\xdf "};
  static const char* const places[] = {"Montb\xe9liard", "K\xf6nigstein", "Kost\xe1lek", "Pe\xf1\xedscola",
                                       "Bourbon-l'Archambault", "Z\xfcrich", "Saint-\xc9tienne", "L\xe9ognan",
                                       "Karl\xfdtejn", "Gr\xf6\xdf" "e Wartburg", "Arques-la-Bataille", "Fran\xe7ois"};
  QsoRecord q;
  q.callsign = QByteArray(pick(rng, callPrefixes)) + QByteArray::number(rng.bounded(10));
  for (int i = 0, n = 2 + rng.bounded(2); i < n; ++i) q.callsign += char('A' + rng.bounded(26));
  if (rng.bounded(8) == 0) q.callsign += "/P";
  q.countryPrefix = pick(rng, refPrefixes);
  q.castleNumber = QByteArray::number(1 + rng.bounded(89998)).rightJustified(5, '0');
  q.repeatMark = rng.bounded(5) == 0;
  q.qsoDate = twoDigits(day) + '/' + twoDigits(month) + '/' + twoDigits(year % 100);
  q.qsoTime = twoDigits(rng.bounded(24)) + ':' + twoDigits(rng.bounded(60));
  q.mode = pick(rng, modes);
  q.band = pick(rng, bands);
  q.rstReceived = q.mode == "CW" ? "599" : "59";
  q.rstSent = q.mode == "CW" ? "579" : "57";
  if (rng.bounded(6) != 0) q.castleName = QByteArray(pick(rng, kinds)) + pick(rng, places);
  q.qslReceived = rng.bounded(3) == 0;
  return toLogLine(q);
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

void benchSize(const BenchContext& ctx, int count) {
  const QString path = ctx.workDir + QStringLiteral("/BENCH%1_KTL.log").arg(count);
  const QByteArray pristine = generateLog(count);
  const auto restore = [&] { writeBytes(path, pristine); };
  restore();
  const QString tag = QStringLiteral("log %1 QSOs (%2 MB): ").arg(count).arg(pristine.size() / 1e6, 0, 'f', 1);
  const int runs = ctx.quick ? 5 : 9;

  QRandomGenerator rng(7);
  QByteArray fresh = randomQso(rng, 2026, 6, 1);
  const QByteArray middle = pristine.mid(qsizetype(count / 2) * (kLogLineWidth + 2), kLogLineWidth);
  QByteArray edited = middle;
  edited.replace(55, 6, "Edited");
  const QByteArray backDated = randomQso(rng, 2013, 6, 15);

  {
    const double before = heapInUseMiB();
    auto model = std::make_unique<LogListModel>();
    model->load(path);
    report(tag + QStringLiteral("list memory"), heapInUseMiB() - before, "MiB");
  }

  plainRead(path);  // into the page cache
  report(tag + QStringLiteral("plain read of the file, 1 MiB blocks, cached"), medianMs(runs, [&] { plainRead(path); }),
         "ms");
  LogListModel model;
  QByteArray shown;
  report(tag + QStringLiteral("load list + last line"), medianMs(runs, [&] {
           model.load(path);
           shown = model.displayLine(model.rowCount() - 1);
         }), "ms");
  report(tag + QStringLiteral("append"), medianMs(runs, [&] { appendQso(path, fresh); }, restore), "ms");
  report(tag + QStringLiteral("replace (middle line)"),
         medianMs(runs, [&] { replaceQso(path, edited, middle); }, restore), "ms");
  report(tag + QStringLiteral("insert by date"), medianMs(runs, [&] { insertQsoByDate(path, backDated); }, restore),
         "ms");
  report(tag + QStringLiteral("delete (middle line)"), medianMs(runs, [&] { deleteQso(path, middle); }, restore),
         "ms");
  report(tag + QStringLiteral("sort"), medianMs(runs, [&] { sortLog(path); }, restore), "ms");
  restore();
  report(tag + QStringLiteral("already-contacted lookup (absent)"),
         medianMs(runs, [&] { findCastleNumber(path, "99999"); }), "ms");
  report(tag + QStringLiteral("full commit (append, reload, last line)"), medianMs(runs, [&] {
           appendQso(path, fresh);
           model.load(path);
           shown = model.displayLine(model.rowCount() - 1);
         }, restore), "ms");
}

// A million QSOs (123 MB): what an operator with a lifetime of imported
// contest logs would meet at start-up and at the end of an import.
void benchMillion(const BenchContext& ctx) {
  constexpr int count = 1000000;
  const QString path = ctx.workDir + QStringLiteral("/BENCH%1_KTL.log").arg(count);
  const QByteArray pristine = generateLog(count);
  const auto restore = [&] { writeBytes(path, pristine); };
  restore();
  const QString tag = QStringLiteral("log %1 QSOs (%2 MB): ").arg(count).arg(pristine.size() / 1e6, 0, 'f', 1);
  // The list's memory is the heap it holds; a peak is the growth of the
  // resident size over what the process held just before the call.
  plainRead(path);
  report(tag + QStringLiteral("plain read of the file, 1 MiB blocks, cached"), medianMs(5, [&] { plainRead(path); }),
         "ms");
  double peak = 0, listMiB = 0;
  QByteArray shown;
  report(tag + QStringLiteral("load list + last line"), medianMs(5, [&] {
           const double before = heapInUseMiB();
           resetPeakResident();
           const double base = peakResidentMiB();
           LogListModel model;
           model.load(path);
           shown = model.displayLine(model.rowCount() - 1);
           listMiB = heapInUseMiB() - before;
           peak = peakResidentMiB() - base;
         }), "ms");
  report(tag + QStringLiteral("  list memory"), listMiB, "MiB");
  report(tag + QStringLiteral("  peak memory of the load"), peak, "MiB");
  report(tag + QStringLiteral("sort"), medianMs(3, [&] {
           resetPeakResident();
           const double base = peakResidentMiB();
           sortLog(path);
           peak = peakResidentMiB() - base;
         }, restore), "ms");
  report(tag + QStringLiteral("  peak memory of the sort"), peak, "MiB");
  QFile::remove(path);
}

BenchRegistrar reg(10, "log", [](const BenchContext& ctx) {
  const std::vector<int> sizes = ctx.quick ? std::vector<int>{1000, 10000} : std::vector<int>{10000, 100000};
  for (int count : sizes) benchSize(ctx, count);
  if (ctx.million) benchMillion(ctx);
});

}  // namespace

// Mostly in date order from 2000 to 2026, one line in ten dated at random,
// as a log with imported and back-filled QSOs looks.
QByteArray generateLog(int count) {
  QRandomGenerator rng(20160304u + count);
  QByteArray out;
  out.reserve(qsizetype(count) * (ktl::kLogLineWidth + 2));
  const int days = 27 * 365;
  for (int i = 0; i < count; ++i) {
    const int d = rng.bounded(10) == 0 ? rng.bounded(days) : int(qint64(i) * days / count);
    const QDate date = QDate(2000, 1, 1).addDays(d);
    out += randomQso(rng, date.year(), date.month(), date.day());
    out += "\r\n";
  }
  return out;
}
