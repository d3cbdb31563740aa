#pragma once
// The station's log file: one 121-byte line per QSO, CR LF line ends, no
// header. Every routine here opens, changes and closes the file within the
// call. Rewrites go through a temporary file in the same folder that then
// replaces the log in one rename, so a failure at any moment leaves either
// the old log or the new one on disk, never a mix or nothing.
#include <QByteArray>
#include <QIODevice>
#include <QString>

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

// Reads a device line by line in large blocks. A line ends at LF; a CR just
// before it is dropped. A last line without LF is still a line.
class LineReader {
 public:
  explicit LineReader(QIODevice& device, qsizetype blockSize = 1 << 20);
  bool next(QByteArray& line);
  bool failed() const { return failed_; }

 private:
  QIODevice& device_;
  qsizetype blockSize_;
  QByteArray buffer_;
  qsizetype pos_ = 0;
  bool eof_ = false;
  bool failed_ = false;
};

// Writes a complete new content for `path` and replaces the file atomically.
// `produce` gets a sink that takes one line (without its CR LF) at a time.
using LineSink = std::function<void(QByteArrayView line)>;
LogResult rewriteFile(const QString& path, const std::function<bool(const LineSink&)>& produce);

// Calls `visit` for each line of `path` until it returns false. A missing
// file has no lines.
LogResult forEachLine(const QString& path, const std::function<bool(const QByteArray&)>& visit);

LogResult createEmptyLog(const QString& path);
LogResult appendQso(const QString& path, QByteArrayView line);
// A missing log is taken as empty by replace and insert, so the new QSO is
// never lost; delete and sort leave a missing log missing.
LogResult replaceQso(const QString& path, QByteArrayView newLine, QByteArrayView oldLine);
LogResult insertQsoByDate(const QString& path, QByteArrayView newLine);
LogResult deleteQso(const QString& path, QByteArrayView oldLine);
LogResult sortLog(const QString& path);

// Date of the first line whose castle number (columns 19-23) equals `number`
// exactly, or nothing.
std::optional<QByteArray> findCastleNumber(const QString& path, QByteArrayView number);

// Date and time of a line as a comparable number for the insert, where a
// two-digit year from 51 to 99 is 19xx and from 00 to 50 is 20xx. Lines
// whose date or time is not made of digits have no timestamp.
std::optional<qint64> insertTimestamp(QByteArrayView logLine);

// A line as the sorted log holds it, written to `out` (kLogLineWidth
// bytes): cut or blank-padded to 121 columns, every separator column blank,
// the repeat mark of column 24 included.
void normalizeLogLine(QByteArrayView line, char* out);

// Date and time of a 121-byte line as the sort orders them: CCYYMMDDHHMM,
// where 50-99 are 19xx and 00-49 20xx; a line whose date or time is not
// made of digits gets 999999999999, after every dated QSO.
qint64 sortDateKey(const char* line);

// Puts 121-byte lines in log order: by date and time, then by mode, band,
// reports, castle name, QSL mark, callsign and reference, letter case
// ignored; equal lines keep their order.
void sortLogLines(std::vector<const char*>& lines);

}  // namespace ktl
