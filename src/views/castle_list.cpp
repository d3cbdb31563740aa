#include "views/castle_list.h"

#include "log/qso_record.h"
#include "views/toolkit_order.h"

namespace ktl {

QByteArray castleCandidateRow(QByteArrayView line) {
  struct Piece {
    int column, width, blanksAfter;
  };
  // Reference, callsign, date, time, mode, band, RST received, RST sent,
  // castle name, QSL mark.
  static constexpr Piece kPieces[] = {{14, 10, 1}, {1, 12, 2}, {25, 8, 2}, {34, 5, 2},  {40, 3, 2},
                                      {44, 7, 2},  {52, 3, 2}, {119, 3, 2}, {56, 60, 2}, {117, 1, 0}};
  QByteArray row;
  row.reserve(kCastleRowWidth);
  for (const Piece& p : kPieces) {
    row.append(column(line, p.column, p.width));
    row.append(p.blanksAfter, ' ');
  }
  return row;
}

bool castleSelected(QByteArrayView line, QByteArrayView prefix) {
  if (prefix == kEveryPrefix) return true;
  const QByteArrayView country = line.size() > 13 ? line.sliced(13, std::min<qsizetype>(4, line.size() - 13)) : QByteArrayView();
  return country.trimmed() == prefix;
}

QByteArrayList numberedCastleRows(QByteArrayList candidates) {
  sortAsToolkit(candidates);
  // One row per castle: the key is the whole 10-column reference, letter
  // case ignored as in the sort (so the rows of one castle are neighbours).
  // Of the rows of one castle the first in sorted order is kept: the lowest
  // callsign, then the lowest date as dd/mm/yy text.
  QByteArrayList kept;
  QByteArray lastKey;
  for (QByteArray& row : candidates) {
    QByteArray key = caseFolded(QByteArrayView(row).first(10));
    if (!kept.isEmpty() && key == lastKey) continue;
    lastKey = std::move(key);
    kept.push_back(std::move(row));
  }
  // The number column is five wide ("    1", " 9999"); a list of more than
  // 9,999 castles numbers every row on six, as the QSO list does, so the
  // numbers stay whole and every row keeps the same columns.
  const int width = numberWidthFor(kept.size());
  for (qsizetype i = 0; i < kept.size(); ++i) kept[i].prepend(sequenceNumber(i + 1, width));
  return kept;
}

LogResult contactedCastles(const QString& logPath, QByteArrayView prefix, QByteArrayList& rows) {
  QByteArrayList candidates;
  const LogResult read = forEachLine(logPath, [&](const QByteArray& line) {
    if (castleSelected(line, prefix)) candidates.push_back(castleCandidateRow(line));
    return true;
  });
  rows = read.ok() ? numberedCastleRows(std::move(candidates)) : QByteArrayList();
  return read;
}

}  // namespace ktl
