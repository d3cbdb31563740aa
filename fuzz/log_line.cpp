// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes as one log line, through every conversion: to the
// list line and back, to entry fields and back, to an ADIF record and back,
// its date key, and the Windows-1252 text both ways.
#include "adif/adif_export.h"
#include "adif/adif_fields.h"
#include "adif/adif_import.h"
#include "fuzz_check.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

using namespace ktl;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (int width : {5, 6}) {
    const QByteArray shown = toDisplayLine(line, static_cast<qsizetype>(size) * 997, width);
    KTL_FUZZ_CHECK(shown.size() == kDisplayLineWidth);
    // Back from the list: the line as the sort writes it, separators and
    // repeat mark blank.
    char normalized[kLogLineWidth];
    normalizeLogLine(line, normalized);
    KTL_FUZZ_CHECK(rebuildLogLine(shown) == QByteArrayView(normalized, kLogLineWidth));
    QsoRecord fields = fromDisplayLine(shown);
    fields.repeatMark = size > 23 && line[23] == kMark;
    KTL_FUZZ_CHECK(toLogLine(fields).size() == kLogLineWidth);
  }
  KTL_FUZZ_CHECK(sameQso(line, line));
  for (CenturyRule rule : {CenturyRule::Insert, CenturyRule::Sort}) {
    const qint64 key = dateKey(line, rule);
    KTL_FUZZ_CHECK(key == kUndated || (key >= 195000000000 && key <= 205099999999));
  }
  const QByteArray record = adifRecordLine(line);
  KTL_FUZZ_CHECK(record.endsWith("<eor>"));
  KTL_FUZZ_CHECK(adifRecordToLogLine(adifTextToLogBytes(record), {}, {}).size() == kLogLineWidth);
  KTL_FUZZ_CHECK(toFileBytes(fromFileBytes(line)).size() == line.size());
  return 0;
}
