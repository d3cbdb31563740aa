// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Streams the records of an ADIF file. The file is read in large blocks;
// only the current block and the record being gathered are held, so memory
// does not grow with the file.
#include <QByteArray>
#include <QIODevice>

namespace ktl {

class AdifRecordReader {
 public:
  // `keepOriginal`: also keep each record in the file's own letter case
  // (original()), for the fields kept beside the log.
  explicit AdifRecordReader(QIODevice& device, qsizetype blockSize = 1 << 20, bool keepOriginal = false);

  // The next record text: the file's text from the end of the previous record
  // (or of the header) up to and including the next "<EOR>", with ASCII
  // letters upper-cased and line ends removed, so a value broken across two
  // lines is joined without a blank. The view stays valid until the next
  // call. Text after the last "<EOR>" (a report some programs append) is not
  // a record.
  //
  // The header ends at the first "<EOH>". A file with no "<EOH>" before its
  // first "<EOR>" has no header, and its records start at its first byte
  // (after a UTF-8 byte-order mark).
  bool next(QByteArrayView& record);

  // The last record as next() gave it, but in the file's own letter case
  // (same length, same line ends removed); empty unless kept.
  QByteArrayView original() const { return original_; }

  bool headerFound() const { return headerFound_; }
  bool failed() const { return failed_; }      // a read error stopped the reading
  bool tooLarge() const { return tooLarge_; }  // kMaxAdifRecordBytes without a marker

 private:
  bool fill();
  bool findRecordsStart();

  QIODevice& device_;
  qsizetype blockSize_;
  QByteArray block_;
  QByteArray text_;       // upper-cased, line ends removed; the current record starts at start_
  QByteArray raw_;        // the same in the file's letter case, when kept
  bool keepOriginal_ = false;
  QByteArrayView original_;
  qsizetype start_ = 0;
  qsizetype searched_ = 0;  // no marker starts before this position
  bool started_ = false;
  bool firstBlock_ = true;
  bool eof_ = false;
  bool headerFound_ = false;
  bool failed_ = false;
  bool tooLarge_ = false;
};

}  // namespace ktl
