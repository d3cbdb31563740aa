#pragma once
// Files hold one byte per character in Windows-1252; the windows work in
// Unicode. These two calls are the only crossing between the two.
#include <QByteArray>
#include <QString>

namespace ktl {

QString fromFileBytes(QByteArrayView bytes);
// Characters with no Windows-1252 byte become one '?' each, so a text never
// takes more columns on disk than it has characters on screen.
QByteArray toFileBytes(QStringView text);

}  // namespace ktl
