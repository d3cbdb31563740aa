// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the ADIF export and import share: the band names both ways, the way a
// field's value is found in a record, the turning of text bytes written by
// other programs into the log's Windows-1252 bytes, and the small byte-view
// pieces both build their lines with.
#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <cstring>

namespace ktl {

// Copies `v` to `out`, for the record and log lines built in place; returns
// the end.
inline char* putBytes(char* out, QByteArrayView v) {
  if (!v.isEmpty()) std::memcpy(out, v.data(), v.size());
  return out + v.size();
}

// Pieces of a value as the date and time conversions take them, cut short
// at the value's end instead of failing: the first n bytes, the last n, and
// n from 0-based `from`.
inline QByteArrayView leftPart(QByteArrayView v, qsizetype n) { return v.first(std::min(n, v.size())); }
inline QByteArrayView rightPart(QByteArrayView v, qsizetype n) { return v.last(std::min(n, v.size())); }
inline QByteArrayView midPart(QByteArrayView v, qsizetype from, qsizetype n) {
  return from >= v.size() ? QByteArrayView() : v.sliced(from, std::min(n, v.size() - from));
}

// A value without the blanks around it (tabs and other bytes are kept).
inline QByteArrayView trimmedBlanks(QByteArrayView v) {
  while (!v.isEmpty() && v.front() == ' ') v = v.sliced(1);
  while (!v.isEmpty() && v.back() == ' ') v.chop(1);
  return v;
}

// ADIF band name ("20m") of a log band ("14 Mhz", blanks around it ignored);
// empty for a band outside the twelve of the entry window.
QByteArrayView adifBandForLogBand(QByteArrayView logBand);

// Log band of an ADIF BAND value: the name ("20M"), or the band's start in
// MHz as older files write it ("14", "145"). Letter case does not matter.
// Empty for anything else ("60M", "13CM", "").
QByteArrayView logBandForAdifBand(QByteArrayView adifBand);

// The value of a field in a record text, found by the start of its tag
// ("<SIG" also finds "<SIG_INFO" when that comes first): from the first ">"
// after the first occurrence of `searchText` to the next "<", blanks around
// it removed. The data length of the tag is not used, so a wrong length does
// no harm. Empty when the search text is absent. Both texts are taken as
// they are: the caller upper-cases the record.
QByteArrayView adifFieldValue(QByteArrayView recordText, QByteArrayView searchText);
// The same rule from a search text already found at `tagAt`, for a reader
// that finds many fields in one walk over the record.
inline QByteArrayView adifValueAt(QByteArrayView recordText, qsizetype tagAt) {
  const char* data = recordText.data();
  const qsizetype size = recordText.size();
  if (tagAt >= size) return {};
  const void* gt = std::memchr(data + tagAt, '>', size - tagAt);
  if (!gt) return {};
  const qsizetype from = static_cast<const char*>(gt) - data + 1;
  const void* lt = std::memchr(data + from, '<', size - from);
  const qsizetype to = lt ? static_cast<const char*>(lt) - data : size;
  return trimmedBlanks(recordText.sliced(from, to - from));
}

// Text bytes of a foreign file as log bytes: each well-formed UTF-8
// multi-byte character becomes one byte, its Windows-1252 byte or '?' when
// it has none (so a character never takes two columns); every other byte is
// already Windows-1252 (or Latin-1) and is kept. Control bytes become
// blanks, so a tab or a lone CR can never reach a log line. The result is
// upper-cased the Windows-1252 way (é -> É, š -> Š, ÿ -> Ÿ; ß stays) and
// the blanks around it are removed.
// Other multi-byte codes (GBK, ...) cannot be told apart from Windows-1252
// and are kept byte for byte; the columns still hold, as every value is cut
// to its width in bytes.
QByteArray adifTextToLogBytes(QByteArrayView text);
// The same without the upper-casing: text of a foreign file as
// Windows-1252 bytes in its own letter case.
QByteArray adifTextTo1252(QByteArrayView text);

}  // namespace ktl
