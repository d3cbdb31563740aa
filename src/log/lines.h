// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How bytes are cut into lines, for the log and for ADIF files alike: a line
// ends at LF and a CR just before its end is dropped; a last line without LF
// is still a line, and nothing after a final LF is one.
#include <QByteArrayView>

#include <cstring>

namespace ktl {

struct LineAt {
  QByteArrayView line;  // without its CR LF
  qsizetype next;       // where the following line starts: past the end of
                        // the bytes when no LF ends this one
  bool ended;           // an LF ends it; false: it runs to the end of the bytes
};

// The line that starts at `from` (< bytes.size()).
inline LineAt lineAt(QByteArrayView bytes, qsizetype from) {
  const char* data = bytes.data();
  const void* nl = std::memchr(data + from, '\n', bytes.size() - from);
  const qsizetype end = nl ? static_cast<const char*>(nl) - data : bytes.size();
  qsizetype length = end - from;
  if (length > 0 && data[end - 1] == '\r') --length;
  return {QByteArrayView(data + from, length), end + 1, nl != nullptr};
}

// Calls `visit(QByteArrayView line)` for each line of `bytes`, in order.
template <typename Visit>
void forEachLineIn(QByteArrayView bytes, Visit&& visit) {
  for (qsizetype pos = 0; pos < bytes.size();) {
    const LineAt at = lineAt(bytes, pos);
    visit(at.line);
    pos = at.next;
  }
}

}  // namespace ktl
