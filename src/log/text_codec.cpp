// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/text_codec.h"

#include <QStringDecoder>

namespace ktl {
namespace {

// The character of each byte, taken once from the system's converter (a
// converter per call costs more than the text it converts: the list decodes
// every row it shows). Without a converter the bytes read as Latin-1.
struct Windows1252 {
  char16_t character[256];
  Windows1252() {
    QStringDecoder decoder("windows-1252");
    for (int b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      const QString c = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString(QChar(b));
      character[b] = c.size() == 1 ? c.front().unicode() : u'?';
      decoder.resetState();
    }
  }
  // The byte of a character, '?' for none. Only 0x80-0x9F stand for
  // characters other than their own code.
  char byteOf(char16_t c) const {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int b = 0x80; b < 0xA0; ++b)
      if (character[b] == c) return static_cast<char>(b);
    return '?';
  }
};

const Windows1252& windows1252() {
  static const Windows1252 table;
  return table;
}

}  // namespace

QString fromFileBytes(QByteArrayView bytes) {
  const Windows1252& t = windows1252();
  QString out(bytes.size(), Qt::Uninitialized);
  QChar* to = out.data();
  for (const char b : bytes) *to++ = QChar(t.character[static_cast<unsigned char>(b)]);
  return out;
}

QByteArray toFileBytes(QStringView text) {
  const Windows1252& t = windows1252();
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    // A character beyond 0xFFFF is one '?', not two.
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) ++i;
    out.append(t.byteOf(c));
  }
  return out;
}

}  // namespace ktl
