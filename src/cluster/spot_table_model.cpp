#include "cluster/spot_table_model.h"

#include "texts/spots_texts.h"

#include <QColor>
#include <QStringList>

namespace ktl {

namespace {

// A text in the window's language; our texts in an unknown language are
// shown in French, as the captions are.
QString text(SpotsText id, Language language) {
  return pick(spotsText(id), spoken(language));
}

QString statusText(SpotStatus status, Language language) {
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

SpotTableModel::SpotTableModel(const WorkedIndex& index, QObject* parent) : QAbstractTableModel(parent), index_(index) {}

void SpotTableModel::setLanguage(Language language) {
  language_ = language;
  emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
  if (!shown_.empty()) emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, ColumnCount - 1));
}

bool SpotTableModel::accepts(const SpotRow& row) const {
  return (!castlesOnly_ || !row.refs.isEmpty()) && (band_ < 0 || row.spot.band == band_);
}

void SpotTableModel::add(Spot spot) {
  if (all_.size() >= std::size_t(kCapacity)) {
    if (!shown_.empty() && shown_.back() == &all_.back()) {
      beginRemoveRows({}, rowCount() - 1, rowCount() - 1);
      shown_.pop_back();
      endRemoveRows();
    }
    all_.pop_back();
  }
  SpotRow row{std::move(spot), {}, SpotStatus::None};
  row.refs = castleRefs(row.spot.comment, row.spot.commentMayBeCut);
  row.status = index_.status(row.firstRef(), row.spot.dxCall, row.spot.band);
  all_.push_front(std::move(row));
  if (accepts(all_.front())) {
    beginInsertRows({}, 0, 0);
    shown_.push_front(&all_.front());
    endInsertRows();
  }
}

void SpotTableModel::reclassify() {
  for (SpotRow& row : all_) row.status = index_.status(row.firstRef(), row.spot.dxCall, row.spot.band);
  if (!shown_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void SpotTableModel::setFilter(bool castlesOnly, int band) {
  beginResetModel();
  castlesOnly_ = castlesOnly;
  band_ = band;
  shown_.clear();
  for (SpotRow& row : all_)
    if (accepts(row)) shown_.push_back(&row);
  endResetModel();
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
    case Status: return statusText(row.status, language_);
    case Comment: return s.comment;
    case Spotter: return s.spotter;
  }
  return {};
}

// The row as a screen reader says it, whichever cell has the focus: the
// callsign, the references and the status first.
QString SpotTableModel::spokenRow(const SpotRow& row) const {
  QStringList parts;
  for (int column : {DxCall, Reference, Status, Frequency, Band, Time, Comment, Spotter}) {
    const QString t = cellText(row, column);
    if (!t.isEmpty()) parts << t;
  }
  return parts.join(QStringLiteral(", "));
}

QVariant SpotTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const SpotRow& row = *shown_[index.row()];
  switch (role) {
    case Qt::DisplayRole: return cellText(row, index.column());
    case Qt::ToolTipRole: return index.column() == Comment ? QVariant(row.spot.comment) : QVariant();
    case Qt::AccessibleTextRole: return spokenRow(row);
    case Qt::BackgroundRole: return statusColour(row.status);
    case Qt::ForegroundRole: return row.status == SpotStatus::None ? QVariant() : QVariant(QColor(Qt::black));
    default: return {};
  }
}

QVariant SpotTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
  return text(SpotsText(int(SpotsText::ColumnTime) + section), language_);
}

}  // namespace ktl
