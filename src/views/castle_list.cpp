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
    QsoField field;
    int blanksAfter;
  };
  static constexpr Piece kPieces[] = {{QsoField::Reference, 1},   {QsoField::Callsign, 2},    {QsoField::QsoDate, 2},
                                      {QsoField::QsoTime, 2},     {QsoField::Mode, 2},        {QsoField::Band, 2},
                                      {QsoField::RstReceived, 2}, {QsoField::RstSent, 2},     {QsoField::CastleName, 2},
                                      {QsoField::QslReceived, 0}};
  std::memset(out, ' ', kCastleRowWidth);
  for (const Piece& p : kPieces) {
    const QByteArrayView piece = logFieldView(line, p.field);
    if (!piece.isEmpty()) std::memcpy(out, piece.data(), piece.size());
    out += layoutOf(p.field).width + p.blanksAfter;
  }
}

}  // namespace

bool castleSelected(QByteArrayView line, QByteArrayView prefix) {
  if (prefix == kEveryPrefix) return true;
  return logFieldView(line, QsoField::CountryPrefix).trimmed() == prefix;
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
