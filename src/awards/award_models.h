// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid of the award's progress and its list of needed castles, as
// table models over the tally: one row per country, one column per band,
// each cell worked, confirmed or none in its text, its colours and what a
// screen reader says; a last row of totals that stays last when sorted.
#include "awards/award_report.h"
#include "awards/award_tally.h"
#include "texts/language.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

namespace ktl {

// Cell colours, each with its text colour so that it reads the same on a
// light or a dark desktop.
inline const QColor kConfirmedCell(150, 220, 150), kWorkedCell(255, 230, 140), kCellText(0, 0, 0);

class AwardGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit AwardGridModel(QObject* parent = nullptr);

  // A new tally (a new log, a new list): every row again, in the order last
  // asked for.
  void reset(const AwardTally* tally, CountryNames names, Language language);
  // After an update of the same tally: the rows of `countries` and the
  // totals change; the rows keep their places until the next sort.
  void countriesChanged(const AwardTally::Update& update);
  void setLanguage(Language language);

  // The countries in the order shown (the totals row not included).
  const std::vector<int>& order() const { return order_; }
  // Columns: prefix, country, worked, confirmed, [listed, not in the
  // list,] then one per band.
  int firstBandColumn() const;
  int rowOfCountry(int country) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  const AwardTally::Country& rowCountry(int row) const;
  void applySort();
  void placeRows();

  const AwardTally* tally_ = nullptr;
  CountryNames names_;
  Language language_ = Language::French;
  std::vector<int> order_, rowOf_;
  AwardTally::Country totals_;
  int sortColumn_ = 0;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

// The needed castles of one country: reference, name, region.
class NeededModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void setRows(std::shared_ptr<const AwardList> list, std::vector<qsizetype> rows, Language language);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  std::shared_ptr<const AwardList> list_;
  std::vector<qsizetype> rows_;
  Language language_ = Language::French;
};

}  // namespace ktl
