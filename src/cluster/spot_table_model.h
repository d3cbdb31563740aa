// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spots of the live-spot window, newest first, each with its castle
// references, the castle's name from the award's list and whether the log
// already holds it, shown through the operator's filters.
//
// Spots come in as fast as a node sends them and wait in a queue; apply()
// takes them in at once, as one change of the table: the same DX callsign
// on the same band within kMergeMinutes is one row (its latest spot, its
// spotters counted), rows whose latest spot is older than the age limit go,
// and beyond kCapacity rows the oldest go. The row the operator chose
// (pin()) is never removed, whatever its age; it is known by its id, not by
// its place.
//
// Every cell speaks its own text to a screen reader, so a row is read once.
#include "cluster/castle_refs.h"
#include "cluster/spot_hunt.h"
#include "cluster/spot_parser.h"
#include "cluster/worked_index.h"
#include "texts/language.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace ktl {

struct SpotRow {
  quint64 id = 0;         // never reused in a run
  Spot spot;              // the latest spot of the row
  QList<CastleRef> refs;  // every castle of its spots' comments, the latest first; the first is classified
  QString castleName;     // the award list's name of the first, empty when unknown
  SpotStatus status = SpotStatus::None;
  ModeClass mode = ModeClass::Unknown;
  QDateTime latest;       // when its latest spot came in (UTC)
  QStringList spotters;   // each once, at most kSpottersKept
  bool shown = false;     // the filters let it through
  // The model's marks while it takes spots in.
  bool tookSpot = false, dropped = false, toShow = false;
  const CastleRef* firstRef() const { return refs.isEmpty() ? nullptr : &refs.first(); }
};

struct SpotFilter {
  bool castlesOnly = false;
  int band = -1;                          // an index of kBands; -1: every band
  ModeClass mode = ModeClass::Unknown;    // Unknown: every mode
  bool operator==(const SpotFilter&) const = default;
};

// A new castle that came in with the latest spots and passes the filters.
struct NewCastleSpot {
  CastleRef ref;
  int band = -1;
  QString dxCall, frequency, castleName;
};

class SpotTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column {
    Time,
    Frequency,
    Band,
    DxCall,
    Reference,
    CastleName,
    Status,
    Spotters,  // how many spotters
    Comment,
    Spotter,   // the latest one
    ColumnCount
  };
  static constexpr int kCapacity = 1000;
  static constexpr int kMergeMinutes = 10;
  static constexpr int kDefaultMaxAgeMinutes = 30;
  // Spots waiting for apply(): beyond it the oldest waiting are dropped,
  // as the capacity would drop them anyway.
  static constexpr int kMaxQueued = 4 * kCapacity;
  static constexpr int kSpottersKept = 99;

  explicit SpotTableModel(const WorkedIndex& index, QObject* parent = nullptr);

  void setLanguage(Language language);
  // A castle's name, from the award's list; asked once per reference as
  // spots come in. None: no names.
  void setNames(std::function<QString(const CastleRef&)> nameOf);
  void renameAll();

  // A spot received at `received` (UTC), waiting for apply().
  void add(Spot spot, const QDateTime& received);
  qsizetype queued() const { return qsizetype(queue_.size()); }
  // Takes the waiting spots in and ages rows out as of `now`. Returns the
  // new castles among the spots taken in that the filters let through.
  QList<NewCastleSpot> apply(const QDateTime& now);

  void setMaxAgeMinutes(int minutes) { maxAgeMinutes_ = minutes; }
  int maxAgeMinutes() const { return maxAgeMinutes_; }
  // The statuses again, after the index was rebuilt.
  void reclassify();
  void setFilter(const SpotFilter& filter);
  const SpotFilter& filter() const { return filter_; }

  // The operator's row: kept whatever comes (0: none). A row the filters
  // hide is not kept.
  void pin(quint64 id);
  quint64 pinned() const { return pinned_; }
  // The row of spot `id` in the table, -1 when not shown.
  int rowOf(quint64 id) const;
  // Rows held, shown or not.
  qsizetype heldCount() const { return qsizetype(all_.size()); }

  const SpotRow& spotAt(int row) const { return *shown_[row]; }
  static QString statusText(SpotStatus status, Language language);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  struct Queued {
    Spot spot;
    QDateTime received;
  };
  bool accepts(const SpotRow& row) const;
  void classify(SpotRow& row) const;
  QString cellText(const SpotRow& row, int column) const;
  // Takes the rows marked `shown == false` out of shown_, as row removals.
  void removeHidden();
  static QString keyOf(const Spot& spot);

  const WorkedIndex& index_;
  std::function<QString(const CastleRef&)> nameOf_;
  Language language_ = Language::French;
  SpotFilter filter_;
  int maxAgeMinutes_ = kDefaultMaxAgeMinutes;
  quint64 nextId_ = 0;
  quint64 pinned_ = 0;
  std::deque<Queued> queue_;
  std::deque<std::unique_ptr<SpotRow>> all_;  // newest first
  std::vector<SpotRow*> shown_;              // those the filters let through, in the same order
  QHash<QString, SpotRow*> byCallBand_;      // the row a spot of this callsign and band merges into
};

}  // namespace ktl
