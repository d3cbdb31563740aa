// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "adif/adif_fields.h"

#include "log/bands.h"
#include "log/text_codec.h"

#include <array>
#include <cstring>

namespace ktl {
namespace {

bool equalsIgnoringAsciiCase(QByteArrayView a, QByteArrayView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

// Windows-1252 bytes 0x80-0x9F and the characters they stand for; 0x81,
// 0x8D, 0x8F, 0x90 and 0x9D stand for none.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char windows1252For(char32_t cp) {
  if (cp >= 0xA0 && cp <= 0xFF) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] != 0 && kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

// Length of a well-formed UTF-8 multi-byte character at `p` and its code
// point, or 0 when the bytes there are not one.
int utf8Character(const unsigned char* p, qsizetype left, char32_t& cp) {
  const unsigned char b = p[0];
  int n;
  char32_t min;
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2, cp = b & 0x1F, min = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3, cp = b & 0x0F, min = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4, cp = b & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (left < n) return 0;
  for (int i = 1; i < n; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (p[i] & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

QByteArrayView adifBandForLogBand(QByteArrayView logBand) {
  const QByteArrayView band = trimmedBlanks(logBand);
  const int i = bandOfLogText(band);
  return i < 0 ? QByteArrayView() : QByteArrayView(kBands[i].adif);
}

QByteArrayView logBandForAdifBand(QByteArrayView adifBand) {
  // The ADIF name in any case, or one of the MHz forms; the first matching
  // band wins.
  for (const Band& band : kBands) {
    if (equalsIgnoringAsciiCase(adifBand, band.adif)) return band.log;
    for (const char* mhz : band.adifMhz)
      if (mhz && adifBand == QByteArrayView(mhz)) return band.log;
  }
  return {};
}

QByteArrayView adifFieldValue(QByteArrayView record, QByteArrayView searchText) {
  const qsizetype tagAt = record.indexOf(searchText);
  return tagAt < 0 ? QByteArrayView() : adifValueAt(record, tagAt);
}

namespace {

QByteArray toWindows1252(QByteArrayView text, bool upper) {
  QByteArray out(text.size(), Qt::Uninitialized);  // never longer than the text
  char* to = out.data();
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size;) {
    unsigned char c = p[i];
    if (c < 0x80) {
      if (c < 0x20 || c == 0x7F) c = ' ';
      ++i;
    } else {
      char32_t cp = 0;
      const int n = utf8Character(p + i, size - i, cp);
      if (n > 0) {
        c = static_cast<unsigned char>(windows1252For(cp));
        i += n;
      } else {
        ++i;
      }
    }
    *to++ = static_cast<char>(upper ? kUpper1252[c] : c);
  }
  const char* begin = out.constData();
  const char* end = to;
  while (begin < end && *begin == ' ') ++begin;
  while (end > begin && end[-1] == ' ') --end;
  const qsizetype from = begin - out.constData();
  out.truncate(end - out.constData());
  out.remove(0, from);
  return out;
}

}  // namespace

QByteArray adifTextToLogBytes(QByteArrayView text) { return toWindows1252(text, true); }
QByteArray adifTextTo1252(QByteArrayView text) { return toWindows1252(text, false); }

}  // namespace ktl
