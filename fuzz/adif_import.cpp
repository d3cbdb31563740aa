// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the ADIF import over memory. The first byte sets the options;
// the rest is the ADIF file, merged into a log with a QSO, an empty line, a
// short line, a line of blanks and a placeholder left behind. Every line of
// the new log has 121 columns; the new log is the log's two QSOs and the
// records, or nothing when the import stops. Every record's fields, kept
// for the store beside the log, read back whole, and the standard export
// of each line with them gives one record.
#include "adif/adif_import.h"
#include "adif/adif_standard.h"
#include "adif/qso_extras.h"
#include "fuzz_check.h"
#include "log/qso_record.h"

#include <QBuffer>

using namespace ktl;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  QByteArray adifBytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
  QByteArray logBytes =
      "F0ORB          OK-08815*07/01/16 08:35 SSB 14 Mhz  59  Hrad                                       "
      "                  * 57 \r\n\r\nF1SHORT 01/0\r\n   \r\nXXXxxxxxxxx  MKVR 93013 31/12/50 08:35\r\n";
  QBuffer adif(&adifBytes), log(&logBytes);
  adif.open(QIODevice::ReadOnly);
  log.open(QIODevice::ReadOnly);
  AdifImportOptions options;
  options.sigIsAward = data[0] & 1;
  qsizetype lines = 0;
  const StandardAdifHeader header;
  const RecordFieldsSink onRecord = [&header](QByteArrayView line, QByteArrayView fields) {
    KTL_FUZZ_CHECK(line.size() == kLogLineWidth);
    const AdifFields parsed = parseStoredFields(fields);
    KTL_FUZZ_CHECK(storedFields(parsed) == fields);
    for (const AdifField& f : parsed) KTL_FUZZ_CHECK(!f.tag.isEmpty() && !f.value.isEmpty());
    const QByteArray record = standardAdifRecord(line, header, fields);
    KTL_FUZZ_CHECK(record.endsWith("<EOR>") && record.count("<EOR>") == 1);
  };
  const AdifImportResult r = importAdif(
      adif, &log,
      [&lines](QByteArrayView line) {
        KTL_FUZZ_CHECK(line.size() == kLogLineWidth);
        ++lines;
      },
      options, [](ReplacedField, qsizetype) {}, onRecord);
  const bool sorted = r.ok() || r.status == AdifImportResult::FirstQsoTooLate;
  KTL_FUZZ_CHECK(lines == (sorted ? 2 + r.recordsImported : 0));
  return 0;
}
