#include "views/castle_list.h"

#include "log/qso_record.h"
#include "views/toolkit_order.h"

#include <cstring>

namespace ktl {
namespace {

// The row of a log line into `out` (kCastleRowWidth bytes), without a copy
// of each piece.
void putCandidateRow(QByteArrayView line, char* out) {
  struct Piece {
    int column, width, blanksAfter;
  };
  // Reference, callsign, date, time, mode, band, RST received, RST sent,
  // castle name, QSL mark.
  static constexpr Piece kPieces[] = {{14, 10, 1}, {1, 12, 2}, {25, 8, 2}, {34, 5, 2},  {40, 3, 2},
                                      {44, 7, 2},  {52, 3, 2}, {119, 3, 2}, {56, 60, 2}, {117, 1, 0}};
  std::memset(out, ' ', kCastleRowWidth);
  for (const Piece& p : kPieces) {
    const qsizetype start = p.column - 1;
    if (start < line.size()) std::memcpy(out, line.data() + start, std::min<qsizetype>(p.width, line.size() - start));
    out += p.width + p.blanksAfter;
  }
}

}  // namespace

bool castleSelected(QByteArrayView line, QByteArrayView prefix) {
  if (prefix == kEveryPrefix) return true;
  const QByteArrayView country =
      line.size() > 13 ? line.sliced(13, std::min<qsizetype>(4, line.size() - 13)) : QByteArrayView();
  return country.trimmed() == prefix;
}

void CastleList::add(QByteArrayView line) {
  char row[kCastleRowWidth], key[10];
  putCandidateRow(line, row);
  const QByteArrayView rowView(row, kCastleRowWidth);
  caseFoldInto(rowView.first(10), key);
  const auto known = castle_.find(std::string_view(key, 10));
  if (known == castle_.end()) {
    castle_.emplace(std::string(key, 10), qsizetype(rows_.size()));
    rows_.emplace_back(rowView.toByteArray());
    folded_.push_back(caseFolded(rowView));
  } else if (foldsBefore(rowView, folded_[known->second])) {
    // Strictly before: of equal rows the first logged stays.
    rows_[known->second] = rowView.toByteArray();
    folded_[known->second] = caseFolded(rowView);
  }
}

QByteArrayList CastleList::numberedRows() const {
  QByteArrayList kept(rows_.begin(), rows_.end());
  sortAsToolkit(kept);
  const int width = numberWidthFor(kept.size());
  for (qsizetype i = 0; i < kept.size(); ++i) kept[i].prepend(sequenceNumber(i + 1, width));
  return kept;
}

LogResult contactedCastles(const QString& logPath, QByteArrayView prefix, QByteArrayList& rows) {
  CastleList list;
  const LogResult read = forEachLine(logPath, [&](const QByteArray& line) {
    if (castleSelected(line, prefix)) list.add(line);
    return true;
  });
  rows = read.ok() ? list.numberedRows() : QByteArrayList();
  return read;
}

}  // namespace ktl
