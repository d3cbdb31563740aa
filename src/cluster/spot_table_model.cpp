// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cluster/spot_table_model.h"

#include "texts/spots_texts.h"

#include <QColor>

#include <algorithm>

namespace ktl {

namespace {

// A text in the window's language; our texts in an unknown language are
// shown in French, as the captions are.
QString text(SpotsText id, Language language) { return pick(spotsText(id), spoken(language)); }

constexpr SpotsText kHeaders[SpotTableModel::ColumnCount] = {
    SpotsText::ColumnTime,       SpotsText::ColumnFrequency, SpotsText::ColumnBand,     SpotsText::ColumnDxCall,
    SpotsText::ColumnReference,  SpotsText::ColumnCastle,    SpotsText::ColumnStatus,   SpotsText::ColumnSpotters,
    SpotsText::ColumnComment,    SpotsText::ColumnSpotter,
};

// Backgrounds, always under black text so they read the same in a light or
// a dark desktop theme: a castle still needed stands out in light red; one
// worked on another band is light yellow; worked on this band, nothing
// more to get, grey; a callsign of the log without a castle, light blue.
QVariant statusColour(SpotStatus status) {
  switch (status) {
    case SpotStatus::None: break;
    case SpotStatus::New: return QColor(255, 200, 200);
    case SpotStatus::Worked: return QColor(255, 255, 192);
    case SpotStatus::WorkedOnBand:
    case SpotStatus::CallWorkedOnBand: return QColor(215, 215, 215);
    case SpotStatus::CallWorked: return QColor(220, 235, 255);
  }
  return {};
}

}  // namespace

QString SpotTableModel::statusText(SpotStatus status, Language language) {
  switch (status) {
    case SpotStatus::None: break;
    case SpotStatus::New: return text(SpotsText::StatusNew, language);
    case SpotStatus::Worked: return text(SpotsText::StatusWorked, language);
    case SpotStatus::WorkedOnBand: return text(SpotsText::StatusWorkedOnBand, language);
    case SpotStatus::CallWorked: return text(SpotsText::StatusCallWorked, language);
    case SpotStatus::CallWorkedOnBand: return text(SpotsText::StatusCallWorkedOnBand, language);
  }
  return {};
}

SpotTableModel::SpotTableModel(const WorkedIndex& index, QObject* parent) : QAbstractTableModel(parent), index_(index) {}

void SpotTableModel::setLanguage(Language language) {
  language_ = language;
  emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
  if (!shown_.empty()) emit dataChanged(this->index(0, Status), this->index(rowCount() - 1, Status));
}

void SpotTableModel::setNames(std::function<QString(const CastleRef&)> nameOf) {
  nameOf_ = std::move(nameOf);
  renameAll();
}

void SpotTableModel::renameAll() {
  for (auto& row : all_) row->castleName = nameOf_ && row->firstRef() ? nameOf_(*row->firstRef()) : QString();
  if (!shown_.empty()) emit dataChanged(index(0, CastleName), index(rowCount() - 1, CastleName));
}

bool SpotTableModel::accepts(const SpotRow& row) const {
  return (!filter_.castlesOnly || !row.refs.isEmpty()) && (filter_.band < 0 || row.spot.band == filter_.band) &&
         (filter_.mode == ModeClass::Unknown || row.mode == filter_.mode);
}

void SpotTableModel::classify(SpotRow& row) const {
  row.status = index_.status(row.firstRef(), row.spot.dxCall, row.spot.band);
  row.castleName = nameOf_ && row.firstRef() ? nameOf_(*row.firstRef()) : QString();
  row.mode = modeClassOf(row.spot.khz, row.spot.comment);
}

QString SpotTableModel::keyOf(const Spot& spot) { return spot.dxCall + u'|' + QString::number(spot.band); }

void SpotTableModel::add(Spot spot, const QDateTime& received) {
  if (queue_.size() >= std::size_t(kMaxQueued)) queue_.pop_front();
  queue_.push_back({std::move(spot), received});
}

QList<NewCastleSpot> SpotTableModel::apply(const QDateTime& now) {
  std::vector<std::unique_ptr<SpotRow>> fresh;  // oldest first
  std::vector<SpotRow*> took;                   // every row that took a spot, each once
  for (Queued& q : queue_) {
    QList<CastleRef> refs = castleRefs(q.spot.comment, q.spot.commentMayBeCut);
    const QString key = keyOf(q.spot);
    SpotRow* row = byCallBand_.value(key);
    if (row && qAbs(row->latest.secsTo(q.received)) <= kMergeMinutes * 60) {
      // The castles of the earlier spots stay: a later "tnx" loses none.
      for (const CastleRef& r : std::as_const(row->refs))
        if (!refs.contains(r)) refs.append(r);
      row->refs = std::move(refs);
      if (!row->spotters.contains(q.spot.spotter) && row->spotters.size() < kSpottersKept)
        row->spotters.append(q.spot.spotter);
      if (q.received >= row->latest) {
        row->latest = q.received;
        row->spot = std::move(q.spot);
      }
    } else {
      auto made = std::make_unique<SpotRow>();
      row = made.get();
      row->id = ++nextId_;
      row->refs = std::move(refs);
      row->spotters = {q.spot.spotter};
      row->latest = q.received;
      row->spot = std::move(q.spot);
      byCallBand_.insert(key, row);
      fresh.push_back(std::move(made));
    }
    classify(*row);
    if (!std::exchange(row->tookSpot, true)) took.push_back(row);
  }
  queue_.clear();

  // Too old, then too many: the rows whose latest spot is oldest go, never
  // the operator's.
  const QDateTime cutoff = now.addSecs(-qint64(maxAgeMinutes_) * 60);
  std::vector<SpotRow*> keep;
  keep.reserve(all_.size() + fresh.size());
  const auto sift = [&](SpotRow* row) {
    if (row->id != pinned_ && row->latest < cutoff)
      row->dropped = true;
    else if (row->id != pinned_)
      keep.push_back(row);
  };
  for (auto& row : all_) sift(row.get());
  for (auto& row : fresh) sift(row.get());
  const qsizetype room = kCapacity - (pinned_ != 0 && rowOf(pinned_) >= 0 ? 1 : 0);
  if (qsizetype(keep.size()) > room) {
    const auto excess = keep.begin() + (qsizetype(keep.size()) - room);
    std::nth_element(keep.begin(), excess, keep.end(),
                     [](const SpotRow* a, const SpotRow* b) {
                       return a->latest != b->latest ? a->latest < b->latest : a->id < b->id;
                     });
    for (auto it = keep.begin(); it != excess; ++it) (*it)->dropped = true;
  }

  // Rows leaving the table: dropped, or no longer let through (the
  // operator's stays).
  for (SpotRow* row : shown_)
    if (row->dropped || (row->tookSpot && row->id != pinned_ && !accepts(*row))) row->shown = false;
  removeHidden();
  for (auto& row : all_)
    if (!row->dropped && !row->shown && row->tookSpot && accepts(*row)) row->toShow = true;
  const auto forget = [this](std::unique_ptr<SpotRow>& row) {
    if (!row->dropped) return false;
    const auto it = byCallBand_.constFind(keyOf(row->spot));
    if (it != byCallBand_.cend() && it.value() == row.get()) byCallBand_.erase(it);
    return true;
  };
  all_.erase(std::remove_if(all_.begin(), all_.end(), forget), all_.end());
  fresh.erase(std::remove_if(fresh.begin(), fresh.end(), forget), fresh.end());
  took.erase(std::remove_if(took.begin(), took.end(), [](const SpotRow* r) { return r->dropped; }), took.end());

  // Held rows the filters now let through, in their place.
  int place = 0;
  for (auto& row : all_) {
    if (row->toShow) {
      beginInsertRows({}, place, place);
      shown_.insert(shown_.begin() + place, row.get());
      row->shown = true;
      row->toShow = false;
      endInsertRows();
    }
    if (row->shown) ++place;
  }
  // The new rows on top, newest first, in one insertion.
  std::vector<SpotRow*> top;
  for (auto it = fresh.rbegin(); it != fresh.rend(); ++it)
    if (accepts(**it)) top.push_back(it->get());
  for (auto& row : fresh) all_.push_front(std::move(row));
  if (!top.empty()) {
    beginInsertRows({}, 0, int(top.size()) - 1);
    for (SpotRow* row : top) row->shown = true;
    shown_.insert(shown_.begin(), top.begin(), top.end());
    endInsertRows();
  }
  // Held rows that took a spot show it.
  int first = -1, last = -1;
  for (int r = int(top.size()); r < int(shown_.size()); ++r)
    if (shown_[r]->tookSpot) {
      if (first < 0) first = r;
      last = r;
    }
  if (first >= 0) emit dataChanged(index(first, 0), index(last, ColumnCount - 1));

  QList<NewCastleSpot> alerts;
  for (SpotRow* row : took) {
    row->tookSpot = false;
    if (row->shown && row->status == SpotStatus::New)
      alerts.append({row->refs.first(), row->spot.band, row->spot.dxCall, row->spot.frequency, row->castleName});
  }
  return alerts;
}

void SpotTableModel::removeHidden() {
  for (int end = int(shown_.size()); end > 0;) {
    if (shown_[end - 1]->shown) {
      --end;
      continue;
    }
    int begin = end - 1;
    while (begin > 0 && !shown_[begin - 1]->shown) --begin;
    beginRemoveRows({}, begin, end - 1);
    shown_.erase(shown_.begin() + begin, shown_.begin() + end);
    endRemoveRows();
    end = begin;
  }
}

void SpotTableModel::reclassify() {
  for (auto& row : all_) row->status = index_.status(row->firstRef(), row->spot.dxCall, row->spot.band);
  if (!shown_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void SpotTableModel::setFilter(const SpotFilter& filter) {
  beginResetModel();
  filter_ = filter;
  shown_.clear();
  for (auto& row : all_) {
    row->shown = accepts(*row);
    if (row->shown) shown_.push_back(row.get());
  }
  if (rowOf(pinned_) < 0) pinned_ = 0;
  endResetModel();
}

void SpotTableModel::pin(quint64 id) { pinned_ = rowOf(id) >= 0 ? id : 0; }

int SpotTableModel::rowOf(quint64 id) const {
  if (id == 0) return -1;
  for (int r = 0; r < int(shown_.size()); ++r)
    if (shown_[r]->id == id) return r;
  return -1;
}

int SpotTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(shown_.size()); }

int SpotTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString SpotTableModel::cellText(const SpotRow& row, int column) const {
  const Spot& s = row.spot;
  switch (column) {
    case Time: return s.time;
    case Frequency: return s.frequency;
    case Band: return s.bandText();
    case DxCall: return s.dxCall;
    case Reference: {
      QStringList refs;
      for (const CastleRef& r : row.refs) refs << r.text();
      return refs.join(u' ');
    }
    case CastleName: return row.castleName;
    case Status: return statusText(row.status, language_);
    case Spotters: return QString::number(row.spotters.size());
    case Comment: return s.comment;
    case Spotter: return s.spotter;
  }
  return {};
}

QVariant SpotTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const SpotRow& row = *shown_[index.row()];
  switch (role) {
    // Each cell its own text, for the eye and the screen reader alike.
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return cellText(row, index.column());
    case Qt::ToolTipRole:
      if (index.column() == Comment) return row.spot.comment;
      if (index.column() == Spotters) return row.spotters.join(QStringLiteral(", "));
      return {};
    case Qt::TextAlignmentRole:
      return index.column() == Spotters ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case Qt::BackgroundRole: return statusColour(row.status);
    case Qt::ForegroundRole: return row.status == SpotStatus::None ? QVariant() : QVariant(QColor(Qt::black));
    default: return {};
  }
}

QVariant SpotTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
  return text(kHeaders[section], language_);
}

}  // namespace ktl
