// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files hold one byte per character in Windows-1252; the windows work in
// Unicode. These two calls are the only crossing between the two.
#include <QByteArray>
#include <QString>

#include <array>

namespace ktl {

QString fromFileBytes(QByteArrayView bytes);
// Characters with no Windows-1252 byte become one '?' each, so a text never
// takes more columns on disk than it has characters on screen.
QByteArray toFileBytes(QStringView text);

// Letter case of Windows-1252 bytes, both ways: a-z, the accented letters
// of 0xE0-0xFE (but the division sign 0xF7) and š œ ž ÿ (0x9A 0x9C 0x9E
// 0xFF) pair with A-Z, 0xC0-0xDE (but ×) and Š Œ Ž Ÿ (0x8A 0x8C 0x8E
// 0x9F). ß, ª, º and µ have no capital; every byte that is not a letter of
// a pair maps to itself. The sort folds with kLower1252, the ADIF import
// upper-cases with kUpper1252.
using CaseTable = std::array<unsigned char, 256>;

namespace detail {
constexpr unsigned char capitalOf(unsigned c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);
  if (c == 0xFF) return 0x9F;
  return static_cast<unsigned char>(c);
}
}  // namespace detail

inline constexpr CaseTable kUpper1252 = [] {
  CaseTable t{};
  for (unsigned c = 0; c < 256; ++c) t[c] = detail::capitalOf(c);
  return t;
}();

// The inverse of kUpper1252, so the two can never disagree on a letter.
inline constexpr CaseTable kLower1252 = [] {
  CaseTable t{};
  for (unsigned c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
  for (unsigned c = 0; c < 256; ++c)
    if (kUpper1252[c] != c) t[kUpper1252[c]] = static_cast<unsigned char>(c);
  return t;
}();

}  // namespace ktl
