// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The live spots on a large log: building the index of what the log holds,
// and classifying node lines as they arrive (decoding, reading the spot,
// finding its castle references, looking them up).
#include "bench.h"

#include "cluster/castle_refs.h"
#include "cluster/spot_client.h"
#include "cluster/spot_parser.h"
#include "cluster/worked_index.h"
#include "log/log_list_model.h"
#include "log/qso_record.h"

#include <QFile>
#include <QRandomGenerator>

namespace {
using namespace ktl;

// Node lines: spots with a castle of the log, castles not in it, spots
// without a castle, and one line in ten that is no spot at all.
QList<QByteArray> nodeLines(const QByteArray& log, int count) {
  QRandomGenerator rng(4242);
  const int logLines = int(log.size() / (kLogLineWidth + 2));
  static const char* const freqs[] = {"14025.0", "7012.5", "3555.0", "21285.0", "10116.0", "144300.0", "5357.0"};
  static const char* const other[] = {"WWV de W0MU <18>:   SFI=150, A=8, K=2, No Storms -> No Storms",
                                      "To ALL de F5XYZ: qrv castle tonight 40m", "F0ORB de NODE-1  1-Mar-2016 1234Z >"};
  QList<QByteArray> lines;
  for (int i = 0; i < count; ++i) {
    const int kind = rng.bounded(10);
    if (kind == 0) {
      lines << other[rng.bounded(3)];
      continue;
    }
    const QByteArrayView qso(log.constData() + qsizetype(rng.bounded(logLines)) * (kLogLineWidth + 2), kLogLineWidth);
    QByteArray comment;
    if (kind <= 4)
      comment = "COTA " + logField(qso, QsoField::CountryPrefix).trimmed() + '-' +
                logField(qso, QsoField::CastleNumber).trimmed() + " CW";
    else if (kind <= 7)
      comment = "KTL OK-" + QByteArray::number(90000 + rng.bounded(9999)) + " 599";
    else
      comment = "CQ TEST 5NN JN18";
    const QByteArray call = kind % 2 ? logField(qso, QsoField::Callsign).trimmed() : QByteArray("DL1ABC");
    lines << "DX de OK1KTL:     " + QByteArray(freqs[rng.bounded(7)]) + "  " + call.leftJustified(12) + ' ' +
                 comment.leftJustified(30) + ' ' + QByteArray::number(1000 + rng.bounded(1300)).right(4) + "Z JN79";
  }
  return lines;
}

BenchRegistrar reg(40, "spots", [](const BenchContext& ctx) {
  const int count = ctx.quick ? 10000 : 100000;
  const int runs = ctx.quick ? 5 : 9;
  const QString path = ctx.workDir + QStringLiteral("/SPOTS_KTL.log");
  const QByteArray log = generateLog(count);
  {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(log);
  }
  LogListModel list;
  list.load(path);
  WorkedIndex index;
  const QString tag = QStringLiteral("%1 QSOs: ").arg(count);
  report(tag + QStringLiteral("index from the QSO list"), medianMs(runs, [&] { index.rebuild(list); }), "ms");
  report(tag + QStringLiteral("index from the file's bytes"), medianMs(runs, [&] { index.rebuild(log); }), "ms");
  report(tag + QStringLiteral("references indexed"), double(index.referenceCount()), "");

  const int spots = 10000;
  const QList<QByteArray> lines = nodeLines(log, spots);
  int found = 0, marked = 0;
  const double ms = medianMs(runs, [&] {
    found = marked = 0;
    for (const QByteArray& line : lines) {
      const auto spot = parseSpot(nodeText(line));
      if (!spot) continue;
      const QList<CastleRef> refs = castleRefs(spot->comment, spot->commentMayBeCut);
      const CastleRef* ref = refs.isEmpty() ? nullptr : &refs.first();
      found += ref != nullptr;
      marked += index.status(ref, spot->dxCall, spot->band) != SpotStatus::None;
    }
  });
  report(QStringLiteral("classify %1 node lines (%2 castle spots, %3 marked)").arg(spots).arg(found).arg(marked), ms,
         "ms");
  report(QStringLiteral("per node line"), ms * 1000.0 / spots, "us");
});

}  // namespace
