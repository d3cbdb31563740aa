// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ADIF import and the standard export with the store of the QSOs' full
// records: what the import window and the command line both run.
#include "adif/adif_import.h"
#include "adif/adif_standard.h"
#include "extras/extras_store.h"

namespace ktl {

struct ImportWithExtras {
  AdifImportResult result;
  qsizetype kept = 0;  // records whose fields the store took
};

// Imports as importAdif() does, every record's fields into `store` in one
// transaction, committed only once the new log is written: the log first,
// the fields after. A store that cannot take them (store.trouble()) costs
// the fields, never a QSO.
ImportWithExtras importAdifWithExtras(const QString& adifPath, const QString& logPath,
                                      const AdifImportOptions& options, const ReplacementHandler& onReplaced,
                                      ExtrasStore& store);

// The standard export with each QSO's stored fields.
AdifExportResult exportStandardWithExtras(const QString& logPath, const QString& adifPath,
                                          const StandardAdifHeader& header, ExtrasStore& store);

}  // namespace ktl
