// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_file.h"

#include "log/lines.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ktl {
namespace {

constexpr qsizetype kWriteChunk = 1 << 20;
constexpr char kLeftoverSuffix[] = ".ktl-new";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int twoDigits(QByteArrayView s, qsizetype at) { return (s[at] - '0') * 10 + (s[at + 1] - '0'); }

LogResult failure(LogResult::Status status, const QFileDevice& f) { return {status, f.errorString()}; }

// The system's own words for an error number ("No space left on device").
LogResult systemFailure(LogResult::Status status, int error) { return {status, qt_error_string(error)}; }

// Writes all of `n` bytes at `offset` (or at the current position when it
// is negative). A short write (a disk filling up) goes on, so that the
// failure ends with the system's reason instead of a count that names
// none. 0 or the error number.
int writeAll(int fd, const char* data, qsizetype n, off_t offset = -1) {
  while (n > 0) {
    const ssize_t w = offset < 0 ? ::write(fd, data, n) : ::pwrite(fd, data, n, offset);
    if (w < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (w == 0) return EIO;
    data += w;
    n -= w;
    if (offset >= 0) offset += w;
  }
  return 0;
}

// Makes the names in a folder durable: after a rename or a new file, a
// power cut can no longer bring back the old state. 0 or the error number;
// a file system that cannot sync a folder (EINVAL) has nothing more to give.
int syncFolder(const QByteArray& folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  ::close(fd);
  return error;
}

QByteArray folderOf(const QString& path) { return QFile::encodeName(QFileInfo(path).absolutePath()); }

// A file the operator made read-only is never changed, by an append or by a
// rewrite (whose rename would replace it whatever its rights): 0, or the
// error number that refuses it. The system decides for an operator; the
// superuser, whom it lets write anything, is held to the file's write bits
// all the same, so a chmod a-w means "do not touch" for every account.
int refuseUnwritable(const QByteArray& path) {
  struct stat st;
  if (::stat(path.constData(), &st) != 0) return 0;  // a new file
  if (::geteuid() == 0) return (st.st_mode & 0222) == 0 ? EACCES : 0;
  return ::access(path.constData(), W_OK) == 0 ? 0 : errno;
}

// The new content of a file, written beside it and put in its place by one
// rename. The content is written to an unnamed file (O_TMPFILE), which a
// kill simply drops; it gets its name "<file>.ktl-new" only once complete
// and synced, just before the rename. File systems without unnamed files
// write the named one from the start.
class AtomicFile {
 public:
  explicit AtomicFile(const QString& path) {
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink() && !info.canonicalFilePath().isEmpty()) target = info.canonicalFilePath();
    target_ = QFile::encodeName(target);
    folder_ = folderOf(target);
    temp_ = target_ + kLeftoverSuffix;
  }
  ~AtomicFile() { cancel(); }
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // 0 or the error number.
  int open() {
    if (const int refused = refuseUnwritable(target_)) return refused;
    fd_ = ::open(folder_.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
      named_ = true;
      fd_ = ::open(temp_.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    }
    if (fd_ < 0) return errno;
    // The new file keeps the access rights of the one it replaces, and its
    // owner when the superuser rewrites another account's file.
    struct stat st;
    if (::stat(target_.constData(), &st) == 0) {
      if (::geteuid() == 0 && (st.st_uid != 0 || st.st_gid != 0)) {
        [[maybe_unused]] const int owned = ::fchown(fd_, st.st_uid, st.st_gid);
      }
      ::fchmod(fd_, st.st_mode & 07777);
    }
    return 0;
  }
  int write(QByteArrayView bytes) { return writeAll(fd_, bytes.data(), bytes.size()); }

  // Gives the new content the name only when nobody has it: EEXIST when
  // the name is taken, and nothing is changed.
  void onlyIfAbsent() { onlyIfAbsent_ = true; }

  int commit() {
    if (::fsync(fd_) != 0) return fail(errno);
    if (onlyIfAbsent_) return commitIfAbsent();
    if (!named_) {
      ::unlink(temp_.constData());  // a leftover of a rewrite cut short
      char self[40];
      std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd_);
      if (::linkat(AT_FDCWD, self, AT_FDCWD, temp_.constData(), AT_SYMLINK_FOLLOW) != 0) return fail(errno);
      named_ = true;
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) return fail(errno);
    if (::rename(temp_.constData(), target_.constData()) != 0) return fail(errno);
    named_ = false;
    return syncFolder(folder_);
  }

  int commitIfAbsent() {
    int error = 0;
    if (named_) {
      if (::link(temp_.constData(), target_.constData()) != 0) error = errno;
    } else {
      char self[40];
      std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd_);
      if (::linkat(AT_FDCWD, self, AT_FDCWD, target_.constData(), AT_SYMLINK_FOLLOW) != 0) error = errno;
    }
    cancel();  // the unnamed or temporary name goes; the content stays under its new name
    return error ? error : syncFolder(folder_);
  }

  void cancel() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (named_) ::unlink(temp_.constData());
    named_ = false;
  }

 private:
  int fail(int error) {
    cancel();
    return error;
  }
  QByteArray target_, folder_, temp_;
  int fd_ = -1;
  bool named_ = false;  // the new content has a name that a kill would leave
  bool onlyIfAbsent_ = false;
};

}  // namespace

LineReader::LineReader(QIODevice& device, qsizetype blockSize)
    : device_(device), blockSize_(readBlockSize(device, blockSize)) {}

bool LineReader::next(QByteArrayView& line) {
  for (;;) {
    if (pos_ < buffer_.size()) {
      // A line the block cuts short waits for the next block, unless the
      // device has no more.
      const LineAt at = lineAt(buffer_, pos_);
      if (at.ended || eof_) {
        line = at.line;
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

bool LineReader::next(QByteArray& line) {
  QByteArrayView view;
  if (!next(view)) return false;
  line = view.toByteArray();
  return true;
}

namespace {

LogResult writeAtomically(const QString& path, const std::function<bool(const ByteSink&)>& produce, bool onlyIfAbsent) {
  AtomicFile out(path);
  if (onlyIfAbsent) out.onlyIfAbsent();
  if (const int error = out.open()) return systemFailure(LogResult::WriteFailed, error);
  QByteArray chunk;
  chunk.reserve(kWriteChunk + 256);
  int error = 0;
  const ByteSink sink = [&](QByteArrayView bytes) {
    chunk.append(bytes);
    if (chunk.size() >= kWriteChunk) {
      if (!error) error = out.write(chunk);
      chunk.clear();
    }
  };
  if (!produce(sink)) {
    out.cancel();
    return {LogResult::ReadFailed, qt_error_string(EIO)};
  }
  if (!error) error = out.write(chunk);
  if (!error) error = out.commit();
  if (error == EEXIST && onlyIfAbsent) return {};  // somebody's file: left as it is
  if (error) return systemFailure(LogResult::WriteFailed, error);
  return {};
}

}  // namespace

LogResult writeFileAtomically(const QString& path, const std::function<bool(const ByteSink&)>& produce) {
  return writeAtomically(path, produce, false);
}

LogResult rewriteFile(const QString& path, const std::function<bool(const LineSink&)>& produce) {
  return writeFileAtomically(path, [&](const ByteSink& bytes) {
    return produce([&](QByteArrayView line) {
      bytes(line);
      bytes("\r\n");
    });
  });
}

LogResult copyFileAtomically(const QString& from, const QString& to, bool onlyIfAbsent) {
  QFile in(from);
  if (!in.open(QIODevice::ReadOnly)) return failure(LogResult::ReadFailed, in);
  LogResult readFailure;
  const LogResult written = writeAtomically(to, [&](const ByteSink& sink) {
    QByteArray block;
    while (!in.atEnd()) {
      block = in.read(kWriteChunk);
      if (block.isEmpty() && in.error() != QFileDevice::NoError) {
        readFailure = failure(LogResult::ReadFailed, in);
        return false;
      }
      sink(block);
    }
    return true;
  }, onlyIfAbsent);
  return readFailure.ok() ? written : readFailure;
}

void removeRewriteLeftover(const QString& path) { ::unlink(QFile::encodeName(path + kLeftoverSuffix).constData()); }

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
  const QByteArray name = QFile::encodeName(path);
  const bool existed = QFileInfo::exists(path);
  if (const int refused = refuseUnwritable(name)) return systemFailure(LogResult::WriteFailed, refused);
  const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return systemFailure(LogResult::WriteFailed, errno);
  const auto finish = [fd](int error) {
    ::close(fd);
    return error ? systemFailure(LogResult::WriteFailed, error) : LogResult{};
  };
  struct stat st;
  if (::fstat(fd, &st) != 0) return finish(errno);
  const off_t oldSize = st.st_size;
  QByteArray bytes;
  if (oldSize > 0) {
    // A file edited by hand may lack its last line end: never glue to it.
    char last = 0;
    if (::pread(fd, &last, 1, oldSize - 1) == 1 && last != '\n') bytes.append("\r\n");
  }
  bytes.append(line).append("\r\n");
  // Room first: a full disk refuses here, before any byte of the line.
  if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, oldSize, bytes.size()) != 0 && errno != EOPNOTSUPP && errno != ENOSYS)
    return finish(errno);
  int error = writeAll(fd, bytes.constData(), bytes.size(), oldSize);
  if (!error && ::fsync(fd) != 0) error = errno;
  if (error) {
    // No half line left behind (the reservation above keeps a full disk
    // from coming this far where the file system can reserve).
    if (::ftruncate(fd, oldSize) == 0) ::fsync(fd);
    return finish(error);
  }
  if (!existed) error = syncFolder(folderOf(path));
  return finish(error);
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
  // The sort needs every line at once: the lines, normalized to 121 bytes,
  // are read straight into one flat buffer, the file never held twice.
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) return failure(LogResult::ReadFailed, in);
  QByteArray flat;
  flat.reserve(in.size() / (kLogLineWidth + 2) * kLogLineWidth + kLogLineWidth);
  LineReader reader(in);
  for (QByteArrayView line; reader.next(line);) {
    if (isBlankLine(line)) continue;
    const qsizetype at = flat.size();
    flat.resize(at + kLogLineWidth);
    normalizeLogLine(line, flat.data() + at);
  }
  if (reader.failed()) return failure(LogResult::ReadFailed, in);
  in.close();
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

bool isBlankLine(QByteArrayView line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' '; });
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
