// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "awards/award_models.h"

#include "texts/award_texts.h"
#include "views/toolkit_order.h"

#include <QFont>

#include <algorithm>

namespace ktl {

namespace {

enum Column { Prefix, Country, Worked, Confirmed, Listed, NotInList };

}  // namespace

AwardGridModel::AwardGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int AwardGridModel::firstBandColumn() const { return tally_ && tally_->list() ? NotInList + 1 : Listed; }

void AwardGridModel::reset(const AwardTally* tally, CountryNames names, Language language) {
  beginResetModel();
  tally_ = tally;
  names_ = std::move(names);
  language_ = language;
  order_ = tally_ ? countriesInOrder(*tally_) : std::vector<int>();
  if (tally_) totals_ = tally_->totals();
  // A column that no longer exists (the list went) sorts by prefix.
  if (sortColumn_ >= columnCount()) sortColumn_ = Prefix, sortOrder_ = Qt::AscendingOrder;
  applySort();
  endResetModel();
}

void AwardGridModel::placeRows() {
  rowOf_.assign(tally_ ? tally_->countries().size() : 0, -1);
  for (int r = 0; r < int(order_.size()); ++r) rowOf_[order_[r]] = r;
}

int AwardGridModel::rowOfCountry(int country) const {
  return country >= 0 && country < int(rowOf_.size()) ? rowOf_[country] : -1;
}

void AwardGridModel::countriesChanged(const AwardTally::Update& update) {
  if (!tally_) return;
  // A country that comes (or comes back) takes a place in the order.
  const bool newRow = std::any_of(update.countries.begin(), update.countries.end(), [this](int c) {
    return rowOfCountry(c) < 0 && (tally_->countries()[c].worked > 0 || tally_->countries()[c].listed > 0);
  });
  if (update.full || update.countriesAdded || newRow) {
    reset(tally_, names_, language_);
    return;
  }
  totals_ = tally_->totals();
  const int last = columnCount() - 1;
  for (int country : update.countries) {
    const int row = rowOfCountry(country);
    if (row >= 0) emit dataChanged(index(row, 0), index(row, last));
  }
  const int totalsRow = int(order_.size());
  emit dataChanged(index(totalsRow, 0), index(totalsRow, last));
}

void AwardGridModel::setLanguage(Language language) {
  language_ = language;
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int AwardGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !tally_ ? 0 : int(order_.size()) + 1;
}

int AwardGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !tally_ ? 0 : firstBandColumn() + int(tally_->bands().size());
}

const AwardTally::Country& AwardGridModel::rowCountry(int row) const {
  return row < int(order_.size()) ? tally_->countries()[order_[row]] : totals_;
}

QVariant AwardGridModel::data(const QModelIndex& index, int role) const {
  if (!tally_ || !index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const int row = index.row(), column = index.column();
  const bool totalsRow = row == int(order_.size());
  const AwardTally::Country& k = rowCountry(row);
  const int band = column - firstBandColumn();
  if (role == Qt::FontRole && totalsRow) {
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  if (role == Qt::TextAlignmentRole)
    return int((column <= Country ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
  if (band >= 0) {
    const int worked = k.bandWorked[band], confirmed = k.bandConfirmed[band];
    if (role == Qt::BackgroundRole) {
      if (confirmed > 0) return kConfirmedCell;
      if (worked > 0) return kWorkedCell;
      return {};
    }
    if (role == Qt::ForegroundRole) return worked > 0 ? QVariant(kCellText) : QVariant();
    const QString name = totalsRow ? awardString(AwardText::TotalRow, language_) : QString::fromLatin1(k.prefix);
    const QString bandName = QString::fromLatin1(tally_->bands()[band]);
    if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) {
      if (worked == 0) return awardString(AwardText::SpokenNone, language_).arg(name, bandName);
      return awardString(AwardText::SpokenCell, language_).arg(name, bandName).arg(worked).arg(confirmed);
    }
    if (role == Qt::DisplayRole) return gridCell(worked, confirmed, language_);
    return {};
  }
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  switch (Column(column)) {
    case Prefix: return totalsRow ? awardString(AwardText::TotalRow, language_) : QString::fromLatin1(k.prefix);
    case Country: return totalsRow || !names_ ? QString() : names_(k.prefix);
    case Worked: return k.worked;
    case Confirmed: return k.confirmed;
    // "worked of N" of the list's castles.
    case Listed: return QStringLiteral("%1 / %2").arg(k.listedWorked).arg(k.listed);
    case NotInList: return k.notInList;
  }
  return {};
}

QVariant AwardGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) || !tally_)
    return QAbstractTableModel::headerData(section, orientation, role);
  const int band = section - firstBandColumn();
  if (band >= 0) return band < tally_->bands().size() ? QString::fromLatin1(tally_->bands()[band]) : QVariant();
  static constexpr AwardText kHeads[] = {AwardText::ColumnPrefix, AwardText::ColumnCountry, AwardText::ColumnWorked,
                                         AwardText::ColumnConfirmed, AwardText::ColumnListed,
                                         AwardText::ColumnNotInList};
  return awardString(kHeads[section], language_);
}

void AwardGridModel::sort(int column, Qt::SortOrder order) {
  if (!tally_ || column < 0 || column >= columnCount()) return;
  sortColumn_ = column;
  sortOrder_ = order;
  emit layoutAboutToBeChanged();
  const QModelIndexList before = persistentIndexList();
  std::vector<int> countriesBefore;
  for (const QModelIndex& i : before) countriesBefore.push_back(i.row() < int(order_.size()) ? order_[i.row()] : -1);
  applySort();
  QModelIndexList after;
  for (qsizetype i = 0; i < before.size(); ++i) {
    const int row = countriesBefore[i] < 0 ? int(order_.size()) : rowOf_[countriesBefore[i]];
    after << index(row, before[i].column());
  }
  changePersistentIndexList(before, after);
  emit layoutChanged();
}

void AwardGridModel::applySort() {
  if (!tally_) {
    order_.clear();
    placeRows();
    return;
  }
  const auto& countries = tally_->countries();
  const int band = sortColumn_ - firstBandColumn();
  // Counts sort by their value, a band by castles worked then confirmed;
  // equal rows keep prefix order.
  std::vector<int> sorted = countriesInOrder(*tally_);
  const auto key = [&](int c) -> std::pair<qint64, qint64> {
    const AwardTally::Country& k = countries[c];
    if (band >= 0) return {k.bandWorked[band], k.bandConfirmed[band]};
    switch (Column(sortColumn_)) {
      case Worked: return {k.worked, k.confirmed};
      case Confirmed: return {k.confirmed, k.worked};
      case Listed: return {k.listedWorked, k.listed};
      case NotInList: return {k.notInList, 0};
      default: return {0, 0};
    }
  };
  if (sortColumn_ == Country && names_) {
    std::vector<QByteArray> folded(countries.size());
    for (int c : sorted) folded[c] = caseFolded(names_(countries[c].prefix).toUtf8());
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) { return folded[a] < folded[b]; });
  } else if (sortColumn_ != Prefix) {
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) { return key(a) < key(b); });
  }
  if (sortOrder_ == Qt::DescendingOrder) std::reverse(sorted.begin(), sorted.end());
  order_ = std::move(sorted);
  placeRows();
}

// ---- needed castles ------------------------------------------------------------

void NeededModel::setRows(std::shared_ptr<const AwardList> list, std::vector<qsizetype> rows, Language language) {
  beginResetModel();
  list_ = std::move(list);
  rows_ = std::move(rows);
  language_ = language;
  endResetModel();
}

int NeededModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int NeededModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant NeededModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
    return {};
  const ListedCastle& c = list_->castles()[rows_[index.row()]];
  switch (index.column()) {
    case 0: return QString::fromLatin1(c.key);
    case 1: return c.name;
    case 2: return c.region;
  }
  return {};
}

QVariant NeededModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
    return QAbstractTableModel::headerData(section, orientation, role);
  static constexpr AwardText kHeads[] = {AwardText::ColumnReference, AwardText::ColumnName, AwardText::ColumnRegion};
  return section >= 0 && section < 3 ? awardString(kHeads[section], language_) : QVariant();
}

}  // namespace ktl
