// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/toolkit_order.h"

#include "log/text_codec.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace ktl {
namespace {

constexpr const auto& kFold = kLower1252;

}  // namespace

void caseFoldInto(QByteArrayView text, char* out) {
  for (char c : text) *out++ = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
}

QByteArray caseFolded(QByteArrayView text) {
  QByteArray out(text.size(), Qt::Uninitialized);
  caseFoldInto(text, out.data());
  return out;
}

bool foldsBefore(QByteArrayView text, QByteArrayView folded) {
  const qsizetype n = std::min(text.size(), folded.size());
  for (qsizetype i = 0; i < n; ++i) {
    const unsigned char a = kFold[static_cast<unsigned char>(text[i])];
    const auto b = static_cast<unsigned char>(folded[i]);
    if (a != b) return a < b;
  }
  return text.size() < folded.size();
}

void sortAsToolkit(QByteArrayList& items) {
  // Each text is folded once; the sort then compares plain bytes.
  std::vector<QByteArray> keys;
  keys.reserve(items.size());
  for (const QByteArray& item : items) keys.push_back(caseFolded(item));
  std::vector<qsizetype> order(items.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
  QByteArrayList sorted;
  sorted.reserve(items.size());
  for (qsizetype i : order) sorted.push_back(std::move(items[i]));
  items = std::move(sorted);
}

}  // namespace ktl
