#include "log/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace ktl {

QString fromFileBytes(QByteArrayView bytes) {
  QStringDecoder decoder("windows-1252");
  if (!decoder.isValid()) return QString::fromLatin1(bytes);
  return decoder.decode(bytes);
}

QByteArray toFileBytes(QStringView text) {
  QStringEncoder encoder("windows-1252");
  if (!encoder.isValid()) return text.toLatin1();
  QByteArray out = encoder.encode(text);
  if (encoder.hasError()) {
    // The encoder writes the SUB control (0x1A) for what it cannot map.
    out.replace('\x1a', '?');
  }
  return out;
}

}  // namespace ktl
