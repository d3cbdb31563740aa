// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "adif/adif_reader.h"

#include "adif/adif_import.h"
#include "log/lines.h"
#include "log/log_file.h"

#include <algorithm>
#include <cstring>

namespace ktl {

AdifRecordReader::AdifRecordReader(QIODevice& device, qsizetype blockSize, bool keepOriginal)
    : device_(device), blockSize_(readBlockSize(device, blockSize)), keepOriginal_(keepOriginal) {}

bool AdifRecordReader::fill() {
  if (eof_) return false;
  if (start_ > 0) {
    text_.remove(0, start_);
    if (keepOriginal_) raw_.remove(0, start_);
    searched_ -= start_;
    start_ = 0;
  }
  block_.resize(blockSize_);
  const qint64 got = device_.read(block_.data(), blockSize_);
  if (got <= 0) {
    failed_ = got < 0;
    eof_ = true;
    return false;
  }
  const auto* in = reinterpret_cast<const unsigned char*>(block_.constData());
  qint64 from = 0;
  if (firstBlock_) {
    firstBlock_ = false;
    if (got >= 3 && in[0] == 0xEF && in[1] == 0xBB && in[2] == 0xBF) from = 3;
  }
  // Copy line by line, without the line ends and upper-casing ASCII
  // letters; a CR left inside a line (a lone one) is dropped after. A line
  // cut by the end of the block just goes on in the next one.
  const qsizetype old = text_.size();
  text_.resize(old + (got - from));
  char* out = text_.data() + old;
  const QByteArrayView bytes(block_.constData() + from, got - from);
  if (keepOriginal_) {
    // The same copy into both texts, letter case kept in the second.
    raw_.resize(old + (got - from));
    char* kept = raw_.data() + old;
    forEachLineIn(bytes, [&out, &kept](QByteArrayView line) {
      for (const char ch : line) {
        if (ch == '\r') continue;
        const auto c = static_cast<unsigned char>(ch);
        *out++ = static_cast<char>(static_cast<unsigned>(c - 'a') < 26u ? c - 32 : c);
        *kept++ = ch;
      }
    });
    raw_.resize(kept - raw_.constData());
  } else {
    forEachLineIn(bytes, [&out](QByteArrayView line) {
      char* segment = out;
      for (const char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        *out++ = static_cast<char>(static_cast<unsigned>(c - 'a') < 26u ? c - 32 : c);
      }
      if (std::memchr(segment, '\r', out - segment)) out = std::remove(segment, out, '\r');
    });
  }
  text_.resize(out - text_.constData());
  if (text_.size() - start_ > kMaxAdifRecordBytes) {
    tooLarge_ = true;
    return false;
  }
  return true;
}

bool AdifRecordReader::findRecordsStart() {
  for (;;) {
    const char* data = text_.constData();
    qsizetype at = searched_;
    const qsizetype end = text_.size() - 4;
    while (at < end) {
      const void* lt = std::memchr(data + at, '<', end - at);
      if (!lt) break;
      at = static_cast<const char*>(lt) - data;
      if (std::memcmp(data + at + 1, "EOH>", 4) == 0) {
        headerFound_ = true;
        start_ = searched_ = at + 5;
        return true;
      }
      if (std::memcmp(data + at + 1, "EOR>", 4) == 0) {
        start_ = searched_ = 0;
        return true;
      }
      ++at;
    }
    searched_ = std::max<qsizetype>(0, text_.size() - 4);
    if (!fill()) return false;
  }
}

bool AdifRecordReader::next(QByteArrayView& record) {
  if (!started_) {
    started_ = true;
    if (!findRecordsStart()) return false;
  }
  for (;;) {
    const char* data = text_.constData();
    const qsizetype end = text_.size() - 4;
    while (searched_ < end) {
      const void* lt = std::memchr(data + searched_, '<', end - searched_);
      if (!lt) break;
      const qsizetype at = static_cast<const char*>(lt) - data;
      if (std::memcmp(data + at + 1, "EOR>", 4) == 0) {
        record = QByteArrayView(data + start_, at + 5 - start_);
        if (keepOriginal_) original_ = QByteArrayView(raw_.constData() + start_, at + 5 - start_);
        start_ = searched_ = at + 5;
        return true;
      }
      searched_ = at + 1;
    }
    searched_ = std::max(start_, end);
    if (!fill()) return false;
  }
}

}  // namespace ktl
