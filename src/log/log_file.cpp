#include "log/log_file.h"

#include "log/lines.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <unistd.h>

namespace ktl {
namespace {

constexpr qsizetype kWriteChunk = 1 << 20;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int twoDigits(QByteArrayView s, qsizetype at) { return (s[at] - '0') * 10 + (s[at + 1] - '0'); }

LogResult failure(LogResult::Status status, const QFileDevice& f) { return {status, f.errorString()}; }

}  // namespace

LineReader::LineReader(QIODevice& device, qsizetype blockSize) : device_(device), blockSize_(blockSize) {}

bool LineReader::next(QByteArray& line) {
  for (;;) {
    if (pos_ < buffer_.size()) {
      // A line the block cuts short waits for the next block, unless the
      // device has no more.
      const LineAt at = lineAt(buffer_, pos_);
      if (at.ended || eof_) {
        line = at.line.toByteArray();
        pos_ = std::min(at.next, buffer_.size());
        return true;
      }
    } else if (eof_) {
      return false;
    }
    buffer_.remove(0, pos_);
    pos_ = 0;
    const qsizetype old = buffer_.size();
    buffer_.resize(old + blockSize_);
    const qint64 got = device_.read(buffer_.data() + old, blockSize_);
    if (got < 0) failed_ = true;
    buffer_.resize(old + std::max<qint64>(got, 0));
    if (got <= 0) eof_ = true;
  }
}

LogResult rewriteFile(const QString& path, const std::function<bool(const LineSink&)>& produce) {
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly)) return failure(LogResult::WriteFailed, out);
  QByteArray chunk;
  chunk.reserve(kWriteChunk + 256);
  bool writeOk = true;
  const LineSink sink = [&](QByteArrayView line) {
    chunk.append(line).append("\r\n");
    if (chunk.size() >= kWriteChunk) {
      writeOk = writeOk && out.write(chunk) == chunk.size();
      chunk.clear();
    }
  };
  if (!produce(sink)) {
    out.cancelWriting();
    return {LogResult::ReadFailed, QFile::tr("cannot read %1").arg(path)};
  }
  if (!chunk.isEmpty()) writeOk = writeOk && out.write(chunk) == chunk.size();
  // QSaveFile::commit() does not notice a failure of the flush it does on
  // close, and would then put a truncated file in place of the log.
  writeOk = writeOk && out.flush();
  if (!writeOk) {
    LogResult r = failure(LogResult::WriteFailed, out);
    out.cancelWriting();
    return r;
  }
  if (!out.commit()) return failure(LogResult::WriteFailed, out);
  return {};
}

LogResult forEachLine(const QString& path, const std::function<bool(const QByteArray&)>& visit) {
  QFile in(path);
  if (!in.exists()) return {};
  if (!in.open(QIODevice::ReadOnly)) return failure(LogResult::ReadFailed, in);
  LineReader reader(in);
  QByteArray line;
  while (reader.next(line))
    if (!visit(line)) break;
  if (reader.failed()) return failure(LogResult::ReadFailed, in);
  return {};
}

LogResult createEmptyLog(const QString& path) {
  return rewriteFile(path, [](const LineSink&) { return true; });
}

LogResult appendQso(const QString& path, QByteArrayView line) {
  QFile f(path);
  // Unbuffered: a failed write is seen at once and nothing is left waiting in
  // a buffer to be flushed after the resize below.
  if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return failure(LogResult::WriteFailed, f);
  const qint64 oldSize = f.size();
  QByteArray bytes;
  if (oldSize > 0) {
    // A file edited by hand may lack its last line end: never glue to it.
    f.seek(oldSize - 1);
    char last = 0;
    if (f.read(&last, 1) == 1 && last != '\n') bytes.append("\r\n");
  }
  bytes.append(line).append("\r\n");
  f.seek(oldSize);
  const bool ok = f.write(bytes) == bytes.size() && f.flush() && ::fsync(f.handle()) == 0;
  if (!ok) {
    LogResult r = failure(LogResult::WriteFailed, f);
    f.resize(oldSize);  // no half line left behind
    return r;
  }
  return {};
}

namespace {

LogResult copyWith(const QString& path, const std::function<void(const QByteArray&, const LineSink&)>& perLine,
                   const std::function<void(const LineSink&)>& atEnd) {
  return rewriteFile(path, [&](const LineSink& sink) {
    const LogResult read = forEachLine(path, [&](const QByteArray& line) {
      perLine(line, sink);
      return true;
    });
    if (!read.ok()) return false;
    atEnd(sink);
    return true;
  });
}

}  // namespace

LogResult replaceQso(const QString& path, QByteArrayView newLine, QByteArrayView oldLine) {
  bool replaced = false;
  return copyWith(
      path,
      [&](const QByteArray& line, const LineSink& sink) {
        if (sameQso(line, oldLine)) {
          sink(newLine);
          replaced = true;
        } else {
          sink(line);
        }
      },
      [&](const LineSink& sink) {
        if (!replaced) sink(newLine);
      });
}

LogResult deleteQso(const QString& path, QByteArrayView oldLine) {
  if (!QFileInfo::exists(path)) return {};
  return copyWith(
      path,
      [&](const QByteArray& line, const LineSink& sink) {
        if (!sameQso(line, oldLine)) sink(line);
      },
      [](const LineSink&) {});
}

LogResult insertQsoByDate(const QString& path, QByteArrayView newLine) {
  const qint64 own = dateKey(newLine, CenturyRule::Insert);
  bool written = false;
  return copyWith(
      path,
      [&](const QByteArray& line, const LineSink& sink) {
        if (!written) {
          // Undated lines count as later than every dated QSO; an undated new
          // line goes before the first undated one.
          if (dateKey(line, CenturyRule::Insert) >= own) {
            sink(newLine);
            written = true;
          }
        }
        sink(line);
      },
      [&](const LineSink& sink) {
        if (!written) sink(newLine);
      });
}

LogResult sortLog(const QString& path) {
  if (!QFileInfo::exists(path)) return {};
  // The sort needs every line at once: the file is read in one piece and the
  // lines, normalized to 121 bytes, go into one flat buffer.
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) return failure(LogResult::ReadFailed, in);
  const QByteArray bytes = in.readAll();
  if (in.error() != QFileDevice::NoError) return failure(LogResult::ReadFailed, in);
  in.close();

  QByteArray flat;
  flat.reserve(bytes.size() + kLogLineWidth);
  forEachLineIn(bytes, [&flat](QByteArrayView line) {
    const qsizetype at = flat.size();
    flat.resize(at + kLogLineWidth);
    normalizeLogLine(line, flat.data() + at);
  });
  std::vector<const char*> lines;
  lines.reserve(flat.size() / kLogLineWidth);
  for (qsizetype at = 0; at < flat.size(); at += kLogLineWidth) lines.push_back(flat.constData() + at);
  sortLogLines(lines);
  return rewriteFile(path, [&](const LineSink& sink) {
    for (const char* line : lines) sink(QByteArrayView(line, kLogLineWidth));
    return true;
  });
}

std::optional<QByteArray> findCastleNumber(const QString& path, QByteArrayView number) {
  std::optional<QByteArray> date;
  forEachLine(path, [&](const QByteArray& line) {
    if (logField(line, QsoField::CastleNumber) == number) {
      date = logField(line, QsoField::QsoDate);
      return false;
    }
    return true;
  });
  return date;
}

qint64 dateKey(QByteArrayView line, CenturyRule rule) {
  constexpr qsizetype date = layoutOf(QsoField::QsoDate).logColumn - 1;  // dd/mm/yy
  constexpr qsizetype time = layoutOf(QsoField::QsoTime).logColumn - 1;  // HH:MM
  constexpr qsizetype digits[] = {date, date + 1, date + 3, date + 4, date + 6, date + 7,
                                  time, time + 1, time + 3, time + 4};
  if (line.size() < time + layoutOf(QsoField::QsoTime).width) return kUndated;
  for (qsizetype at : digits)
    if (!isDigit(line[at])) return kUndated;
  const int yy = twoDigits(line, date + 6);
  const int first1900s = rule == CenturyRule::Insert ? 51 : 50;
  return dateKey((yy >= first1900s ? 1900 : 2000) + yy, twoDigits(line, date + 3), twoDigits(line, date),
                 twoDigits(line, time), twoDigits(line, time + 3));
}

namespace {

// Columns of the log line that some field covers.
constexpr auto kCovered = [] {
  std::array<bool, kLogLineWidth> covered{};
  for (const FieldLayout& f : kQsoLayout)
    for (int c = f.logColumn; c < f.logColumn + f.width; ++c) covered[c - 1] = true;
  return covered;
}();

// What the sorted log holds blank: the separators and the repeat mark.
constexpr auto kBlankedColumns = [] {
  std::array<int, std::count(kCovered.begin(), kCovered.end(), false) + 1> columns{};
  std::size_t n = 0;
  for (int c = 1; c <= kLogLineWidth; ++c)
    if (!kCovered[c - 1]) columns[n++] = c;
  columns[n] = layoutOf(QsoField::RepeatMark).logColumn;
  return columns;
}();

}  // namespace

void normalizeLogLine(QByteArrayView line, char* out) {
  const qsizetype n = std::min<qsizetype>(line.size(), kLogLineWidth);
  std::memcpy(out, line.data(), n);
  std::memset(out + n, ' ', kLogLineWidth - n);
  for (int c : kBlankedColumns) out[c - 1] = ' ';
}

void sortLogLines(std::vector<const char*>& lines) {
  // The fields after the date and time, in the order the list shows them,
  // then the callsign and the reference.
  static constexpr QsoField kTies[] = {QsoField::Mode,     QsoField::Band,       QsoField::RstReceived,
                                       QsoField::RstSent,  QsoField::CastleName, QsoField::QslReceived,
                                       QsoField::Callsign, QsoField::Reference};
  // The same as byte ranges: 0-based first byte, one past the last.
  static constexpr auto kOrder = [] {
    std::array<std::pair<int, int>, std::size(kTies)> order{};
    for (std::size_t i = 0; i < order.size(); ++i) {
      const FieldLayout& f = layoutOf(kTies[i]);
      order[i] = {f.logColumn - 1, f.logColumn - 1 + f.width};
    }
    return order;
  }();
  struct Entry {
    qint64 key;
    const char* line;
  };
  std::vector<Entry> entries;
  entries.reserve(lines.size());
  for (const char* line : lines)
    entries.push_back({dateKey(QByteArrayView(line, kLogLineWidth), CenturyRule::Sort), line});
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    if (a.key != b.key) return a.key < b.key;
    for (const auto& [from, to] : kOrder) {
      for (int i = from; i < to; ++i) {
        const unsigned char x = kLower1252[static_cast<unsigned char>(a.line[i])];
        const unsigned char y = kLower1252[static_cast<unsigned char>(b.line[i])];
        if (x != y) return x < y;
      }
    }
    return false;
  });
  for (std::size_t i = 0; i < entries.size(); ++i) lines[i] = entries[i].line;
}

}  // namespace ktl
