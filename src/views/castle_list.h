// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contacted castles of a log: one numbered row per castle, in
// alphanumeric order of the castle reference, for one country prefix or for
// every prefix ("XX").
#include "log/log_file.h"

#include <QByteArray>
#include <QByteArrayList>

#include <unordered_map>
#include <vector>

namespace ktl {

inline constexpr int kCastleRowWidth = 129;
// The prefix that lists every castle.
inline constexpr QByteArrayView kEveryPrefix = "XX";

// Whether the log line is listed for `prefix`: its country prefix (columns
// 14-17, blanks around it removed) equals `prefix` exactly, letter case
// included, or `prefix` is "XX".
bool castleSelected(QByteArrayView logLine, QByteArrayView prefix);

// The list as the log lines arrive. Each line gives a 129-byte row:
// reference (10 columns, as in the log), callsign, date, time, mode, band,
// reports received and sent, castle name and QSL mark, each as wide as in
// the log, with the blanks between them; a line too short for a column
// gives blanks there, so the columns after it stay in place.
//
// The rows are ordered as the toolkit's sorted list orders them (ascending,
// letter case ignored, equal rows in log order), and one row is kept per
// castle: the key is the whole 10-column reference, letter case ignored as
// in the sort, and the row kept is the first of its castle in that order
// (the lowest callsign, then the lowest date as dd/mm/yy text). Only that
// row is held for each castle, so a long log takes no more memory than its
// castles.
class CastleList {
 public:
  // `expectedLines`: room made for that many castles at once.
  explicit CastleList(qsizetype expectedLines = 0);
  void add(QByteArrayView logLine);
  // Numbered from 1, five columns wide ("    1", " 9999"). A list of more
  // than 9,999 castles numbers every row on six columns, as the QSO list
  // does, so the numbers stay whole and every row keeps the same columns.
  QByteArrayList numberedRows() const;

 private:
  // A castle: its 10-column reference folded to small letters, as two
  // numbers.
  struct Key {
    quint64 head;
    quint16 tail;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const { return (k.head * 0x9E3779B97F4A7C15ull) ^ k.tail; }
  };
  std::unordered_map<Key, qsizetype, KeyHash> castle_;  // -> its slot
  // One slot per castle, kCastleRowWidth bytes each, in order of first
  // arrival: the row kept, and the same folded for comparing.
  std::vector<char> rows_, folded_;
};

// Reads the log once and gives the numbered rows for `prefix`. A missing log
// gives no rows; a log that cannot be read gives none and the reason.
LogResult contactedCastles(const QString& logPath, QByteArrayView prefix, QByteArrayList& rows);

}  // namespace ktl
