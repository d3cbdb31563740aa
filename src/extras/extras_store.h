// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The companion store of a station's log: for each QSO, the ADIF fields its
// line cannot hold (qso_extras.h), in an SQLite database beside the log,
// <CALL>_KTL.extras.sqlite.
//
// SQLite, through QtSql: one file that survives a kill at any moment (its
// journal rolls an unfinished transaction back), many rows written in one
// transaction at the speed of the import, a row found by an index without
// reading the rest. Write-ahead journal and synchronous commits: a commit
// reported done is on the disk, and the export can read while it runs.
//
// The log file stays the record of the award. The store is written after
// the log (a crash in between loses a QSO's extra fields, never the QSO),
// and a missing, stale, damaged or foreign store never stops the program
// nor changes a log line: its trouble is reported once, and the standard
// export then writes what the lines alone hold. Rows whose line no longer
// is in the log (the log edited by another program) are simply never
// asked for; they serve again if the line comes back.
//
// Table qso: id (the order rows were stored in), hash (qsoKeyHash of the
// key, indexed), line (the key, 121 bytes), fields (the stored fields).
// The file carries application_id "KTLX" and user_version 1; a file
// without them is not ours and is never written to.
#include "adif/qso_extras.h"
#include "texts/language.h"

#include <QString>

#include <memory>
#include <optional>

namespace ktl {

class ExtrasStore {
 public:
  enum class Trouble {
    None,
    Unusable,    // not a database, a foreign one, or a damaged one: left as it is
    NotWritten,  // a write failed (read-only file or folder, full disk)
  };

  // The store beside the log at `logPath`. A missing file is created by
  // the first write, not before.
  explicit ExtrasStore(const QString& logPath);
  ~ExtrasStore();
  ExtrasStore(const ExtrasStore&) = delete;
  ExtrasStore& operator=(const ExtrasStore&) = delete;

  static QString pathFor(const QString& logPath);
  QString path() const;

  // A QSO the entry window wrote: new (`fields` from entryFields()),
  // changed (all the rows of the old line move to the new one, merged by
  // mergeEntryEdit(); none: a new row), deleted (all rows of the line, as
  // the log loses every line of that text). False on a failure, which
  // trouble() then tells.
  bool add(QByteArrayView logLine, QByteArrayView fields);
  bool replace(QByteArrayView oldLine, QByteArrayView newLine, const EntryKnown& known);
  bool remove(QByteArrayView logLine);

  // An import: one transaction, opened before the file is read, a row per
  // record as it is read, committed once the new log is written, or rolled
  // back when the import fails. False when the store cannot take them.
  bool beginImport();
  void addImported(QByteArrayView logLine, QByteArrayView fields);
  bool commitImport();
  void rollbackImport();

  // For the standard export: the stored fields of each log line, asked in
  // the log's order (the n-th line of a text gets the n-th row of it).
  QsoExtrasLookup lookup();

  // Rows stored, for figures and tests; -1 when the store cannot be read.
  qsizetype rowCount();

  Trouble trouble() const;
  QString detail() const;  // SQLite's words for the last trouble
  // The trouble as a message in `language`, the first time it is asked for
  // only: the operator hears of a broken store once, not at each QSO.
  std::optional<QString> takeReport(Language language);

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace ktl
