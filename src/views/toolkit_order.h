// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order of the sorted list boxes the award's views sort through:
// ascending order of the bytes with the letter case of Windows-1252
// ignored (a = A, é = É), texts that compare equal keeping their order of
// arrival.
#include <QByteArray>
#include <QByteArrayList>

namespace ktl {

// The text with every Windows-1252 capital turned into its small letter.
QByteArray caseFolded(QByteArrayView text);
// The same into `out`, which holds text.size() bytes.
void caseFoldInto(QByteArrayView text, char* out);

// Whether `text`, folded, comes before the already folded `folded`; folds
// only as far as the first difference.
bool foldsBefore(QByteArrayView text, QByteArrayView folded);

// Sorts `items` in that order (stable).
void sortAsToolkit(QByteArrayList& items);

}  // namespace ktl
