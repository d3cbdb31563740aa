// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The award's figures from the log: castles worked and confirmed (the QSL
// mark of any of their QSOs), by country and by band, the castles first
// worked and first confirmed each month, and with the award's list, how
// many of the listed castles each country has and which are still needed.
//
// The tally follows the log as it changes. Each call to update() compares
// the log's lines with those of the last call by a hash of each line: the
// lines equal at the start and at the end are not read again, so a QSO
// appended, changed, inserted or deleted costs the few lines between and
// the castles and countries they touch, whatever the size of the log.
#include "awards/award_list.h"

#include <QByteArrayList>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ktl {

class LogListModel;

class AwardTally {
 public:
  // `bands`: the band names of the log ("14 Mhz"), at most 31.
  explicit AwardTally(QByteArrayList bands);
  const QByteArrayList& bands() const { return bands_; }

  // The award's list (null or empty: none). Every figure that depends on
  // it is counted again; the log is not read. The countries of a former
  // list stay, with nothing listed: a window that changes lists starts a
  // new tally.
  void setList(std::shared_ptr<const AwardList> list);
  const AwardList* list() const { return list_ && !list_->isEmpty() ? list_.get() : nullptr; }

  struct Update {
    bool full = false;             // counted again from the first line
    std::vector<int> countries;    // countries whose figures changed, each once
    bool countriesAdded = false;   // countries() grew
    qsizetype linesRead = 0;       // lines read by this update
  };
  // Brings the tally to the log's `count` lines, `line(i)` giving each.
  Update update(qsizetype count, const std::function<QByteArrayView(qsizetype)>& line);
  Update update(const LogListModel& log);

  struct Country {
    QByteArray prefix;  // "OK"
    int worked = 0, confirmed = 0;  // castles
    int qsos = 0;
    int listed = 0;                 // castles of the list
    int listedWorked = 0, listedConfirmed = 0;
    int notInList = 0;              // worked castles the list does not know (with a list)
    // Castles worked and confirmed on each band; the last entry counts
    // band texts that are none of the log's bands.
    std::vector<int> bandWorked, bandConfirmed;
  };
  // In order of first appearance: the log's countries, then the list's.
  const std::vector<Country>& countries() const { return countries_; }
  // -1 when the country is neither in the log nor in the list.
  int countryIndex(QByteArrayView prefix) const;

  // The sums over every country; `countries` counts those with a castle
  // worked, `listedCountries` those of the list.
  Country totals() const;
  int countriesWorked() const;
  int listedCountries() const;

  // Whether the castle "OK-08815" was worked, and confirmed.
  bool worked(QByteArrayView key) const;
  bool confirmed(QByteArrayView key) const;

  struct Month {
    int yearMonth;  // 201603
    int worked;     // castles whose first QSO is of that month
    int confirmed;  // castles whose first confirmed QSO is of that month
  };
  // Months with a castle first worked or first confirmed, in order. A
  // two-digit year is 19xx from 50 on, as the log's sort takes it; castles
  // whose every QSO has no readable date are left out (undatedCastles()).
  std::vector<Month> months() const;
  int undatedCastles() const;

  // The castles of the list for `prefix` not worked yet: indices into the
  // list's castles, in reference order.
  std::vector<qsizetype> needed(QByteArrayView prefix) const;

 private:
  struct Qso {
    std::int32_t month;  // yyyymm, 0 without a readable date
    std::int16_t band;
    bool qsl;
    bool operator==(const Qso&) const = default;
  };
  struct Castle {
    CastleCode code;
    int country;
    const ListedCastle* listed = nullptr;
    std::vector<Qso> qsos;
    // What the castle adds to its country, as last added.
    std::uint32_t workedBands = 0, confirmedBands = 0;
    std::int32_t firstMonth = 0, firstConfirmedMonth = 0;
    bool touched = false;
  };
  struct Line {
    std::uint64_t hash;
    int castle;  // -1: no castle reference
    Qso qso;
  };

  int countryOf(QByteArrayView prefix, Update* update);
  Line readLine(QByteArrayView line, std::uint64_t hash, Update* update);
  // Takes the castle's share out of its country and the months, or puts
  // it back after its QSOs changed.
  void retire(Castle& c);
  void admit(Castle& c);
  void countListed();
  void clear();

  QByteArrayList bands_;
  std::shared_ptr<const AwardList> list_;
  std::vector<Country> countries_;
  CastleCodeMap countryIndex_;  // by the prefix
  std::vector<Castle> castles_;
  CastleCodeMap castleIndex_;
  std::vector<Line> lines_;
  // Castles first worked and first confirmed in each month from January
  // 1950 (a two-digit year is 1950 to 2049), by monthSlot().
  std::vector<std::pair<int, int>> months_;
  int undated_ = 0;
};

}  // namespace ktl
