// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/castle_list.h"

#include "log/qso_record.h"
#include "views/toolkit_order.h"

#include <QFile>

#include <algorithm>
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

CastleList::CastleList(qsizetype expectedLines) {
  castle_.reserve(std::size_t(expectedLines));
  rows_.reserve(std::size_t(expectedLines) * kCastleRowWidth);
  folded_.reserve(std::size_t(expectedLines) * kCastleRowWidth);
}

void CastleList::add(QByteArrayView line) {
  char row[kCastleRowWidth], folded[kCastleRowWidth];
  putCandidateRow(line, row);
  caseFoldInto(QByteArrayView(row, kCastleRowWidth), folded);
  Key key{};
  std::memcpy(&key.head, folded, 8);
  std::memcpy(&key.tail, folded + 8, 2);
  const auto [known, added] = castle_.try_emplace(key, qsizetype(rows_.size() / kCastleRowWidth));
  char* keptRow = nullptr;
  char* keptFold = nullptr;
  if (added) {
    rows_.resize(rows_.size() + kCastleRowWidth);
    folded_.resize(folded_.size() + kCastleRowWidth);
  } else if (std::memcmp(folded, folded_.data() + known->second * kCastleRowWidth, kCastleRowWidth) >= 0) {
    return;  // strictly before only: of equal rows the first logged stays
  }
  keptRow = rows_.data() + known->second * kCastleRowWidth;
  keptFold = folded_.data() + known->second * kCastleRowWidth;
  std::memcpy(keptRow, row, kCastleRowWidth);
  std::memcpy(keptFold, folded, kCastleRowWidth);
}

QByteArrayList CastleList::numberedRows() const {
  // The toolkit's sorted list: by the folded rows. Each castle has its own
  // folded reference, the rows' first ten columns, so their order is the
  // order of the references alone, compared as two big-endian numbers.
  const qsizetype count = qsizetype(rows_.size() / kCastleRowWidth);
  struct Sortable {
    quint64 head;
    quint16 tail;
    qsizetype slot;
  };
  std::vector<Sortable> sortable(static_cast<std::size_t>(count));
  for (qsizetype i = 0; i < count; ++i) {
    const auto* f = reinterpret_cast<const unsigned char*>(folded_.data() + i * kCastleRowWidth);
    quint64 head = 0;
    for (int b = 0; b < 8; ++b) head = head << 8 | f[b];
    sortable[std::size_t(i)] = {head, quint16(f[8] << 8 | f[9]), i};
  }
  std::sort(sortable.begin(), sortable.end(), [](const Sortable& a, const Sortable& b) {
    return a.head != b.head ? a.head < b.head : a.tail < b.tail;
  });
  std::vector<qsizetype> order(static_cast<std::size_t>(count));
  for (qsizetype i = 0; i < count; ++i) order[std::size_t(i)] = sortable[std::size_t(i)].slot;
  const int width = numberWidthFor(count);
  QByteArrayList numbered;
  numbered.reserve(count);
  for (qsizetype i = 0; i < count; ++i) {
    // The number as sequenceNumber() writes it, then the row, in one piece.
    QByteArray row(width + kCastleRowWidth, ' ');
    char* digit = row.data() + width;
    for (qsizetype n = i + 1; n > 0 && digit > row.data(); n /= 10) *--digit = char('0' + n % 10);
    std::memcpy(row.data() + width, rows_.data() + order[std::size_t(i)] * kCastleRowWidth, kCastleRowWidth);
    numbered.push_back(std::move(row));
  }
  return numbered;
}

LogResult contactedCastles(const QString& logPath, QByteArrayView prefix, QByteArrayList& rows) {
  rows.clear();
  QFile in(logPath);
  if (!in.exists()) return {};
  if (!in.open(QIODevice::ReadOnly)) return {LogResult::ReadFailed, in.errorString()};
  CastleList list(in.size() / (kLogLineWidth + 2));
  LineReader reader(in);
  for (QByteArrayView line; reader.next(line);)
    if (castleSelected(line, prefix)) list.add(line);
  if (reader.failed()) return {LogResult::ReadFailed, in.errorString()};
  rows = list.numberedRows();
  return {};
}

}  // namespace ktl
