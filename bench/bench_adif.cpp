// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ADIF export of a large log, and import of generated ADIF files into it:
// both passes, merge, placeholder removal, sort and the write of the new log.
// Replacement notices go to a counter. Beside each import, the time of a
// plain read of the same file in 1 MiB blocks (from the page cache).
#include "bench.h"

#include "adif/adif_export.h"
#include "adif/adif_import.h"
#include "extras/adif_with_extras.h"
#include "log/log_file.h"
#include "log/qso_record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace {

const char* const kBands[] = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz",  "14 Mhz",  "18 Mhz",
                              "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz",  "144 Mhz", "432 Mhz"};
const char* const kModes[] = {"SSB", "CW", "FM", "DIG"};

QByteArray twoDigits(unsigned v) { return QByteArray::number(v).rightJustified(2, '0'); }

bool writeLog(const QString& path, int qsos) {
  quint32 seed = 12345;
  auto rnd = [&seed](unsigned n) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % n;
  };
  return ktl::rewriteFile(path, [&](const ktl::LineSink& sink) {
           for (int i = 0; i < qsos; ++i) {
             ktl::QsoRecord q;
             q.callsign = "OK" + QByteArray::number(rnd(10)) + QByteArray(1 + rnd(3), char('A' + rnd(26)));
             q.countryPrefix = "OK";
             q.castleNumber = QByteArray::number(rnd(99999) + 1).rightJustified(5, '0');
             q.qsoDate = twoDigits(rnd(28) + 1) + '/' + twoDigits(rnd(12) + 1) + '/' + twoDigits(rnd(26));
             q.qsoTime = twoDigits(rnd(24)) + ':' + twoDigits(rnd(60));
             q.mode = kModes[rnd(4)];
             q.band = kBands[rnd(12)];
             q.rstReceived = "59";
             q.castleName = "Hrad Karlstejn nad Berounkou";
             q.qslReceived = rnd(3) == 0;
             q.rstSent = "57";
             sink(ktl::toLogLine(q));
           }
           return true;
         })
      .ok();
}

void copyOver(const QString& from, const QString& to) {
  QFile::remove(to);
  QFile::copy(from, to);
}

void run(const BenchContext& ctx) {
  const QDir work(ctx.workDir);
  const int logSize = ctx.quick ? 10000 : 100000;
  const QString baseLog = work.filePath(QStringLiteral("base_KTL.log"));
  const QString log = work.filePath(QStringLiteral("F1ABC_KTL.log"));
  const QString adi = work.filePath(QStringLiteral("F1ABC_KTL.adi"));
  if (!writeLog(baseLog, logSize)) {
    std::printf("cannot write the log in %s; skipped\n", qPrintable(ctx.workDir));
    return;
  }
  copyOver(baseLog, log);

  const QByteArray title = ktl::adifTitleLine(ktl::Language::English, QStringLiteral("F1ABC"));
  qsizetype exported = 0;
  const double exportMs = medianMs(5, [&] { exported = ktl::exportAdif(log, adi, title).records; });
  report(QStringLiteral("export, %1-QSO log (%2 records)").arg(logSize).arg(exported), exportMs, "ms");
  report(QStringLiteral("export, resident after"), residentMiB(), "MiB");

  // A QSO committed in the entry window: its line appended, then its one row.
  {
    ktl::ExtrasStore extras(log);
    extras.add(ktl::toLogLine({"F0AAA"}), "<MODE:4>RTTY");  // the store made once
    int n = 0;
    const double commitMs = medianMs(9, [&] {
      const QByteArray line = ktl::toLogLine({"F" + QByteArray::number(++n)});
      ktl::appendQso(log, line);
      extras.add(line, ktl::entryFields(line, {"RTTY", {}, {}, {}}));
    });
    const double rowMs = medianMs(9, [&] {
      const QByteArray line = ktl::toLogLine({"G" + QByteArray::number(++n)});
      extras.add(line, ktl::entryFields(line, {"RTTY", {}, {}, {}}));
    });
    report(QStringLiteral("commit of one QSO: line appended, then its row"), commitMs, "ms");
    report(QStringLiteral("  its row alone"), rowMs, "ms");
  }
  for (const char* suffix : {"", "-wal", "-shm"})
    QFile::remove(ktl::ExtrasStore::pathFor(log) + QLatin1String(suffix));
  copyOver(baseLog, log);

  const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
  const QString generator = QDir(ctx.sharedDir).filePath(QStringLiteral("bench/gen_adif.py"));
  if (python.isEmpty() || ctx.sharedDir.isEmpty() || !QFileInfo::exists(generator)) {
    std::printf("python3 or %s missing; import skipped\n", ctx.sharedDir.isEmpty() ? "the shared folder" : "gen_adif.py");
    return;
  }
  const QList<int> sizes = ctx.quick ? QList<int>{1000, 10000} : QList<int>{10000, 100000};
  for (int records : sizes) {
    const QString file = work.filePath(QStringLiteral("gen_%1.adi").arg(records));
    if (QProcess::execute(python, {generator, QString::number(records), file}) != 0 || !QFileInfo::exists(file)) {
      std::printf("gen_adif.py %d failed; skipped\n", records);
      continue;
    }
    const double mib = QFileInfo(file).size() / (1024.0 * 1024.0);
    plainRead(file);  // into the page cache
    const double readMs = medianMs(5, [&] { plainRead(file); });
    qsizetype imported = 0, notices = 0;
    double peak = 0;
    const double importMs = medianMs(
        3,
        [&] {
          const ktl::AdifImportResult r =
              ktl::importAdif(file, log, {}, [&](ktl::ReplacedField, qsizetype) { ++notices; });
          imported = r.recordsImported;
          peak = std::max(peak, peakResidentMiB());
        },
        [&] {
          copyOver(baseLog, log);
          notices = 0;
          resetPeakResident();
        });
    const QString what = QStringLiteral("import %1 records (%2 MiB) into %3-QSO log").arg(records).arg(mib, 0, 'f', 1).arg(logSize);
    report(what, importMs, "ms");
    report(QStringLiteral("  plain read of the same file, 1 MiB blocks, cached"), readMs, "ms");
    report(QStringLiteral("  peak resident during the import"), peak, "MiB");
    report(QStringLiteral("  resident after"), residentMiB(), "MiB");
    report(QStringLiteral("  records imported (replacement notices counted: %1)").arg(notices), imported, "");

    // The same with every record's fields kept beside the log (one
    // transaction, one prepared insert), then the standard export reading
    // them back.
    const QString store = ktl::ExtrasStore::pathFor(log);
    qsizetype kept = 0;
    const double withExtrasMs = medianMs(
        3,
        [&] {
          ktl::ExtrasStore extras(log);
          kept = ktl::importAdifWithExtras(file, log, {}, {}, extras).kept;
        },
        [&] {
          copyOver(baseLog, log);
          for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(store + QLatin1String(suffix));
        });
    report(QStringLiteral("  the same, full records kept beside the log (%1)").arg(kept), withExtrasMs, "ms");
    report(QStringLiteral("  store file size"), QFileInfo(store).size() / (1024.0 * 1024.0), "MiB");
    ktl::StandardAdifHeader header;
    header.station = "F1ABC";
    qsizetype written = 0;
    const double standardMs = medianMs(3, [&] {
      ktl::ExtrasStore extras(log);
      written = ktl::exportStandardWithExtras(log, adi + QLatin1String(".std"), header, extras).records;
    });
    report(QStringLiteral("  standard export with the full records (%1 QSOs)").arg(written), standardMs, "ms");
    for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(store + QLatin1String(suffix));
  }
}

static BenchRegistrar reg(20, "adif", [](const BenchContext& ctx) { run(ctx); });

}  // namespace
