#pragma once
// The spots of the live-spot window, newest first: the last 1,000 the node
// sent, each with its castle references and whether the log already holds
// them, shown through a band and castle filter. The status is given by
// text (its column, and the row as a screen reader reads it) and by the
// row's colour.
#include "cluster/castle_refs.h"
#include "cluster/spot_parser.h"
#include "cluster/worked_index.h"
#include "texts/language.h"

#include <QAbstractTableModel>
#include <QList>

#include <deque>

namespace ktl {

struct SpotRow {
  Spot spot;
  QList<CastleRef> refs;  // every castle of the comment; the first is classified
  SpotStatus status = SpotStatus::None;
  const CastleRef* firstRef() const { return refs.isEmpty() ? nullptr : &refs.first(); }
};

class SpotTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Time, Frequency, Band, DxCall, Reference, Status, Comment, Spotter, ColumnCount };
  static constexpr int kCapacity = 1000;

  explicit SpotTableModel(const WorkedIndex& index, QObject* parent = nullptr);

  void setLanguage(Language language);
  // A new spot at the top; the oldest goes beyond kCapacity.
  void add(Spot spot);
  // The statuses again, after the index was rebuilt.
  void reclassify();
  // Only spots with a castle reference; only band `band` (-1: all).
  void setFilter(bool castlesOnly, int band);

  const SpotRow& spotAt(int row) const { return *shown_[row]; }
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  bool accepts(const SpotRow& row) const;
  QString cellText(const SpotRow& row, int column) const;
  QString spokenRow(const SpotRow& row) const;

  const WorkedIndex& index_;
  Language language_ = Language::French;
  bool castlesOnly_ = false;
  int band_ = -1;
  std::deque<SpotRow> all_;     // newest first; its elements never move
  std::deque<SpotRow*> shown_;  // those the filter lets through, in the same order
};

}  // namespace ktl
