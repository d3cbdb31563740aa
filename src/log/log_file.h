// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's log file: one 121-byte line per QSO, CR LF line ends, no
// header. Every routine here opens, changes and closes the file within the
// call. Rewrites go through a new file in the same folder that then replaces
// the log in one rename, so a failure or a kill at any moment leaves either
// the old log or the new one on disk, never a mix or nothing; the data and
// then the folder are synced, so a change reported done survives a power
// cut.
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace ktl {

struct LogResult {
  enum Status { Ok, ReadFailed, WriteFailed };
  Status status = Ok;
  QString detail;  // the system's error text, for the operator's message
  bool ok() const { return status == Ok; }
};

// The block a reader of `device` takes at a time: `most`, or less for a
// smaller file, so a short file never costs a large buffer.
inline qsizetype readBlockSize(const QIODevice& device, qsizetype most) {
  return device.isSequential() ? most : std::clamp<qsizetype>(device.bytesAvailable() + 1, 1, most);
}

// Reads a device line by line in large blocks. A line ends at LF; a CR just
// before it is dropped. A last line without LF is still a line.
class LineReader {
 public:
  explicit LineReader(QIODevice& device, qsizetype blockSize = 1 << 20);
  bool next(QByteArray& line);
  // The same without a copy: the view stays valid until the next call.
  bool next(QByteArrayView& line);
  bool failed() const { return failed_; }

 private:
  QIODevice& device_;
  qsizetype blockSize_;
  QByteArray buffer_;
  qsizetype pos_ = 0;
  bool eof_ = false;
  bool failed_ = false;
};

// Writes a complete new content for `path` and replaces the file atomically:
// every file the program writes (log, ADIF export, prefix table, reports)
// goes through here. `produce` gets a sink that takes one line (without its
// CR LF) at a time; when it returns false nothing changes on disk. The new
// content is written to an unnamed file, synced, named "<path>.ktl-new",
// renamed over `path`, and the folder synced. A symbolic link is kept: the
// file it points to is replaced. Errors carry the system's reason ("No
// space left on device").
using LineSink = std::function<void(QByteArrayView line)>;
LogResult rewriteFile(const QString& path, const std::function<bool(const LineSink&)>& produce);
// The same for bytes taken as they come, line ends included.
using ByteSink = std::function<void(QByteArrayView bytes)>;
LogResult writeFileAtomically(const QString& path, const std::function<bool(const ByteSink&)>& produce);
// `to` replaced by a byte-for-byte copy of `from`, the same way. With
// `onlyIfAbsent`, a file already at `to` (made by another program in the
// meantime included) is left as it is and the call does nothing: the copy
// takes the name only if nobody has it, in one step.
LogResult copyFileAtomically(const QString& from, const QString& to, bool onlyIfAbsent = false);

// A rewrite cut short between naming its new file and the rename (a kill, a
// power cut) leaves "<path>.ktl-new" beside the file, which is still the old
// one. That copy is of a change never reported done, so it is removed: by
// the next rewrite of the file, and by this call, which the QSO list makes
// each time it opens the log. A name no operator's file has, so nothing else
// is ever removed.
void removeRewriteLeftover(const QString& path);

// Calls `visit` for each line of `path` until it returns false. A missing
// file has no lines.
LogResult forEachLine(const QString& path, const std::function<bool(const QByteArray&)>& visit);

LogResult createEmptyLog(const QString& path);
// Room for the line is reserved before its first byte is written, so a full
// disk refuses the append with nothing written and no half line can be left
// behind, even by a kill in the same instant. Where the file system cannot
// reserve, a failed write is cut back to the old size.
LogResult appendQso(const QString& path, QByteArrayView line);
// A missing log is taken as empty by replace and insert, so the new QSO is
// never lost; delete and sort leave a missing log missing. The sort leaves
// out lines holding nothing but blanks: they are no QSOs.
LogResult replaceQso(const QString& path, QByteArrayView newLine, QByteArrayView oldLine);
LogResult insertQsoByDate(const QString& path, QByteArrayView newLine);
LogResult deleteQso(const QString& path, QByteArrayView oldLine);
LogResult sortLog(const QString& path);

// Date of the first line whose castle number (columns 19-23) equals `number`
// exactly, or nothing.
std::optional<QByteArray> findCastleNumber(const QString& path, QByteArrayView number);

// The century a two-digit year of the log is taken in. The two rules differ
// in 50 alone, and each routine keeps its own:
//   Insert: 51-99 are 19xx, 00-50 20xx. insertQsoByDate, and the ADIF
//           import where it places its block among the log's lines.
//   Sort:   50-99 are 19xx, 00-49 20xx. sortLog, and the sort that ends
//           the ADIF import.
enum class CenturyRule { Insert, Sort };

// The key of a line that has no readable date and time: after every dated
// QSO.
inline constexpr qint64 kUndated = 999999999999;

// A date and time as one comparable number, CCYYMMDDHHMM.
constexpr qint64 dateKey(int year, int month, int day, int hour, int minute) {
  return (((static_cast<qint64>(year) * 100 + month) * 100 + day) * 100 + hour) * 100 + minute;
}

// The date (dd/mm/yy) and time (HH:MM) of a log line as dateKey() numbers,
// the year placed by `rule`; kUndated when they are not made of digits.
qint64 dateKey(QByteArrayView logLine, CenturyRule rule);

// A line as the sorted log holds it, written to `out` (kLogLineWidth
// bytes): cut or blank-padded to 121 columns, every separator column blank,
// the repeat mark of column 24 included.
void normalizeLogLine(QByteArrayView line, char* out);

// An empty line, or one of blanks only: no QSO, and left out of sorts and
// imports.
bool isBlankLine(QByteArrayView line);

// Puts 121-byte lines in log order: by date and time (CenturyRule::Sort,
// undated lines last), then by mode, band, reports, castle name, QSL mark,
// callsign and reference, letter case ignored; equal lines keep their
// order.
void sortLogLines(std::vector<const char*>& lines);

}  // namespace ktl
