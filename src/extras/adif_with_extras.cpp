// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/adif_with_extras.h"

namespace ktl {

ImportWithExtras importAdifWithExtras(const QString& adifPath, const QString& logPath,
                                      const AdifImportOptions& options, const ReplacementHandler& onReplaced,
                                      ExtrasStore& store) {
  ImportWithExtras out;
  const bool storing = !adifPath.isEmpty() && store.beginImport();
  qsizetype rows = 0;
  const RecordFieldsSink onRecord = [&](QByteArrayView line, QByteArrayView fields) {
    store.addImported(line, fields);
    ++rows;
  };
  out.result = importAdif(adifPath, logPath, options, onReplaced, storing ? onRecord : RecordFieldsSink());
  if (!storing) return out;
  if (out.result.ok() && store.commitImport())
    out.kept = rows;
  else
    store.rollbackImport();
  return out;
}

AdifExportResult exportStandardWithExtras(const QString& logPath, const QString& adifPath,
                                          const StandardAdifHeader& header, ExtrasStore& store) {
  return exportStandardAdif(logPath, adifPath, header, store.lookup());
}

}  // namespace ktl
