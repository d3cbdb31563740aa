#include "log/log_file.h"

#include "log/qso_record.h"

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

// dd/mm/yy in columns 25-32 and HH:MM in 34-38, as digits.
bool readableDateTime(QByteArrayView line) {
  if (line.size() < 38) return false;
  for (int c : {25, 26, 28, 29, 31, 32, 34, 35, 37, 38})
    if (!isDigit(line[c - 1])) return false;
  return true;
}

char foldCase(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  // Windows-1252 capitals À-Þ (except ×) and Š Œ Ž Ÿ.
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
  if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 16);
  if (u == 0x9F) return static_cast<char>(0xFF);
  return c;
}

LogResult failure(LogResult::Status status, const QFileDevice& f) { return {status, f.errorString()}; }

}  // namespace

LineReader::LineReader(QIODevice& device, qsizetype blockSize) : device_(device), blockSize_(blockSize) {}

bool LineReader::next(QByteArray& line) {
  for (;;) {
    const char* data = buffer_.constData();
    const void* nl = pos_ < buffer_.size() ? std::memchr(data + pos_, '\n', buffer_.size() - pos_) : nullptr;
    if (nl || eof_) {
      if (!nl && pos_ >= buffer_.size()) return false;
      const qsizetype end = nl ? static_cast<const char*>(nl) - data : buffer_.size();
      qsizetype len = end - pos_;
      if (len > 0 && data[pos_ + len - 1] == '\r') --len;
      line = QByteArray(data + pos_, len);
      pos_ = nl ? end + 1 : buffer_.size();
      return true;
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
  const auto own = insertTimestamp(newLine);
  bool written = false;
  return copyWith(
      path,
      [&](const QByteArray& line, const LineSink& sink) {
        if (!written) {
          const auto ts = insertTimestamp(line);
          // Undated lines count as later than every dated QSO; an undated new
          // line goes before the first undated one.
          const bool notEarlier = !ts || (own && *ts >= *own);
          if (notEarlier) {
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
  // keys, all of the same length, go into one flat buffer.
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) return failure(LogResult::ReadFailed, in);
  const QByteArray bytes = in.readAll();
  if (in.error() != QFileDevice::NoError) return failure(LogResult::ReadFailed, in);
  in.close();

  static const auto folded = [] {
    std::array<char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = foldCase(static_cast<char>(c));
    return t;
  }();
  constexpr qsizetype kKey = 14 + 87 + 26;
  std::vector<QByteArrayView> lines;
  lines.reserve(bytes.size() / (kLogLineWidth + 2) + 1);
  for (qsizetype pos = 0; pos < bytes.size();) {
    const void* nl = std::memchr(bytes.constData() + pos, '\n', bytes.size() - pos);
    const qsizetype end = nl ? static_cast<const char*>(nl) - bytes.constData() : bytes.size();
    qsizetype len = end - pos;
    if (len > 0 && bytes[pos + len - 1] == '\r') --len;
    lines.emplace_back(bytes.constData() + pos, len);
    pos = end + 1;
  }
  QByteArray keys(static_cast<qsizetype>(lines.size()) * kKey, Qt::Uninitialized);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QByteArray item = sortItem(lines[i]);
    char* key = keys.data() + i * kKey;
    for (qsizetype c = 0; c < kKey; ++c) key[c] = folded[static_cast<unsigned char>(item[c])];
  }
  std::vector<quint32> order(lines.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<quint32>(i);
  const char* k = keys.constData();
  std::stable_sort(order.begin(), order.end(), [k](quint32 a, quint32 b) {
    return std::memcmp(k + a * kKey, k + b * kKey, kKey) < 0;
  });
  return rewriteFile(path, [&](const LineSink& sink) {
    QByteArray out;
    for (quint32 i : order) {
      // The list line rebuilt: 121 bytes, the field columns kept and every
      // separator blank, column 24 included.
      out = column(lines[i], 1, kLogLineWidth);
      for (int c : {13, 24, 33, 39, 43, 51, 55, 116, 118}) out[c - 1] = ' ';
      sink(out);
    }
    return true;
  });
}

std::optional<QByteArray> findCastleNumber(const QString& path, QByteArrayView number) {
  std::optional<QByteArray> date;
  forEachLine(path, [&](const QByteArray& line) {
    if (column(line, 19, 5) == number) {
      date = column(line, 25, 8);
      return false;
    }
    return true;
  });
  return date;
}

std::optional<qint64> insertTimestamp(QByteArrayView line) {
  if (!readableDateTime(line)) return std::nullopt;
  const int yy = twoDigits(line, 30);
  const int year = (yy >= 51 ? 1900 : 2000) + yy;
  const qint64 v = ((static_cast<qint64>(year) * 100 + twoDigits(line, 27)) * 100 + twoDigits(line, 24)) * 10000 +
                   twoDigits(line, 33) * 100 + twoDigits(line, 36);
  return v;
}

QByteArray sortItem(QByteArrayView line) {
  // Key, then the list line's columns from the mode to the QSL mark, then
  // the callsign and reference with their separators, written straight from
  // the log line into one buffer (short lines read as blanks).
  static constexpr struct {
    int first, width;
  } kPieces[] = {{40, 3}, {0, 2}, {44, 7}, {0, 2}, {52, 3}, {0, 2}, {119, 3}, {0, 2}, {56, 60}, {0, 2},
                 {117, 1}, {1, 12}, {0, 2}, {14, 10}, {0, 2}};
  QByteArray item(14 + 87 + 26, ' ');
  char* out = item.data();
  if (readableDateTime(line)) {
    std::memcpy(out, twoDigits(line, 30) >= 50 ? "19" : "20", 2);
    int at = 2;
    for (int c : {31, 32, 28, 29, 25, 26, 34, 35, 37, 38}) out[at++] = line[c - 1];  // YYMMDDHHMM
  } else {
    std::memcpy(out, "999999999999", 12);
  }
  out += 14;
  for (const auto& p : kPieces) {
    if (p.first > 0 && p.first - 1 < line.size())
      std::memcpy(out, line.data() + p.first - 1, std::min<qsizetype>(p.width, line.size() - (p.first - 1)));
    out += p.width;
  }
  return item;
}

}  // namespace ktl
