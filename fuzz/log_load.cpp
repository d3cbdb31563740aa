// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes as a log file, loaded into the QSO list, every row
// rendered as the list and a screen reader show it and read back as the
// log line that finds it in the file.
#include "fuzz_check.h"
#include "log/log_list_model.h"
#include "log/qso_record.h"

#include <QBuffer>

using namespace ktl;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer file(&bytes);
  file.open(QIODevice::ReadOnly);
  LogListModel model;
  KTL_FUZZ_CHECK(model.load(file));
  for (int row = 0; row < model.rowCount(); ++row) {
    const QModelIndex index = model.index(row);
    KTL_FUZZ_CHECK(model.data(index).toString().size() == kDisplayLineWidth);
    model.data(index, Qt::AccessibleTextRole);
    KTL_FUZZ_CHECK(rebuildLogLine(model.displayLine(row)).size() == kLogLineWidth);
  }
  return 0;
}
