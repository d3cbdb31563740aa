// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "awards/award_tally.h"

#include "awards/award_bands.h"
#include "log/log_file.h"
#include "log/log_list_model.h"
#include "log/qso_record.h"

#include <QHashFunctions>

#include <algorithm>
#include <bit>

namespace ktl {
namespace {

// yyyymm of a line's date, 0 when it has none readable.
std::int32_t monthOf(QByteArrayView line) {
  const qint64 key = dateKey(line, CenturyRule::Sort);
  if (key == kUndated) return 0;
  const auto month = std::int32_t(key / 1000000);
  return month % 100 >= 1 && month % 100 <= 12 ? month : 0;
}

constexpr int kFirstYear = 1950, kYears = 100;
int monthSlot(int yearMonth) { return (yearMonth / 100 - kFirstYear) * 12 + yearMonth % 100 - 1; }

}  // namespace

AwardTally::AwardTally(QByteArrayList bands) : bands_(std::move(bands)), months_(kYears * 12) {
  if (bands_.size() > 31) bands_.resize(31);
}

int AwardTally::countryIndex(QByteArrayView prefix) const { return countryIndex_.find(CastleCode::of(prefix)); }

int AwardTally::countryOf(QByteArrayView prefix, Update* update) {
  const int known = countryIndex_.find(CastleCode::of(prefix));
  if (known >= 0) return known;
  Country c;
  c.prefix = prefix.toByteArray();
  c.bandWorked.assign(bands_.size() + 1, 0);
  c.bandConfirmed.assign(bands_.size() + 1, 0);
  countries_.push_back(std::move(c));
  const int index = int(countries_.size() - 1);
  countryIndex_.insert(CastleCode::of(prefix), index);
  if (update) update->countriesAdded = true;
  return index;
}

AwardTally::Line AwardTally::readLine(QByteArrayView text, std::uint64_t hash, Update* update) {
  Line l{hash, -1, {0, 0, false}};
  const CastleCode code = castleCodeOfLine(text);
  if (code.isEmpty()) return l;
  bool added = false;
  l.castle = castleIndex_.insert(code, int(castles_.size()), &added);
  if (added) {
    Castle c;
    c.code = code;
    c.country = countryOf(code.key().first(code.key().indexOf('-')), update);
    if (list_) c.listed = list_->find(code);
    castles_.push_back(std::move(c));
  }
  l.qso = {monthOf(text), std::int16_t(awardBandIndex(bands_, logFieldView(text, QsoField::Band))),
           logFieldView(text, QsoField::QslReceived) == QByteArrayView("*")};
  return l;
}

void AwardTally::retire(Castle& c) {
  if (c.qsos.empty()) return;
  Country& k = countries_[c.country];
  const bool confirmed = c.confirmedBands != 0;
  k.qsos -= int(c.qsos.size());
  --k.worked;
  if (confirmed) --k.confirmed;
  for (std::uint32_t m = c.workedBands; m; m &= m - 1) --k.bandWorked[std::countr_zero(m)];
  for (std::uint32_t m = c.confirmedBands; m; m &= m - 1) --k.bandConfirmed[std::countr_zero(m)];
  if (c.listed) {
    --k.listedWorked;
    if (confirmed) --k.listedConfirmed;
  } else if (list()) {
    --k.notInList;
  }
  if (c.firstMonth) --months_[monthSlot(c.firstMonth)].first; else --undated_;
  if (c.firstConfirmedMonth) --months_[monthSlot(c.firstConfirmedMonth)].second;
}

void AwardTally::admit(Castle& c) {
  c.workedBands = c.confirmedBands = 0;
  c.firstMonth = c.firstConfirmedMonth = 0;
  if (c.qsos.empty()) return;
  for (const Qso& q : c.qsos) {
    c.workedBands |= 1u << q.band;
    if (q.qsl) c.confirmedBands |= 1u << q.band;
    if (q.month && (!c.firstMonth || q.month < c.firstMonth)) c.firstMonth = q.month;
    if (q.qsl && q.month && (!c.firstConfirmedMonth || q.month < c.firstConfirmedMonth)) c.firstConfirmedMonth = q.month;
  }
  Country& k = countries_[c.country];
  const bool confirmed = c.confirmedBands != 0;
  k.qsos += int(c.qsos.size());
  ++k.worked;
  if (confirmed) ++k.confirmed;
  for (std::uint32_t m = c.workedBands; m; m &= m - 1) ++k.bandWorked[std::countr_zero(m)];
  for (std::uint32_t m = c.confirmedBands; m; m &= m - 1) ++k.bandConfirmed[std::countr_zero(m)];
  if (c.listed) {
    ++k.listedWorked;
    if (confirmed) ++k.listedConfirmed;
  } else if (list()) {
    ++k.notInList;
  }
  if (c.firstMonth) ++months_[monthSlot(c.firstMonth)].first; else ++undated_;
  if (c.firstConfirmedMonth) ++months_[monthSlot(c.firstConfirmedMonth)].second;
}

void AwardTally::clear() {
  countries_.clear();
  countryIndex_.clear();
  castles_.clear();
  castleIndex_.clear();
  lines_.clear();
  months_.assign(kYears * 12, {0, 0});
  undated_ = 0;
}

void AwardTally::countListed() {
  for (Country& k : countries_) k.listed = 0;
  if (!list()) return;
  for (const QByteArray& prefix : list_->prefixes()) countries_[countryOf(prefix, nullptr)].listed = int(list_->castlesOf(prefix).size());
}

void AwardTally::setList(std::shared_ptr<const AwardList> list) {
  for (Castle& c : castles_) retire(c);
  list_ = std::move(list);
  for (Castle& c : castles_) c.listed = list_ ? list_->find(c.code) : nullptr;
  countListed();
  for (Castle& c : castles_) admit(c);
}

AwardTally::Update AwardTally::update(const LogListModel& log) {
  return update(log.rowCount(), [&log](qsizetype i) { return log.logLine(int(i)); });
}

AwardTally::Update AwardTally::update(qsizetype count, const std::function<QByteArrayView(qsizetype)>& line) {
  Update u;
  std::vector<std::uint64_t> hashes(count);
  for (qsizetype i = 0; i < count; ++i) hashes[i] = qHash(line(i), 0);
  const qsizetype old = qsizetype(lines_.size());
  qsizetype head = 0, tail = 0;
  while (head < std::min(old, count) && lines_[head].hash == hashes[head]) ++head;
  while (tail < std::min(old, count) - head && lines_[old - 1 - tail].hash == hashes[count - 1 - tail]) ++tail;
  const qsizetype removed = old - head - tail, added = count - head - tail;
  if (removed == 0 && added == 0) return u;

  // Many lines changed (an import, a sort, another station): counted again.
  u.full = removed + added > std::max<qsizetype>(64, count / 4);
  if (u.full) {
    const std::shared_ptr<const AwardList> list = list_;
    clear();
    list_ = list;
    lines_.reserve(count);
    castleIndex_.reserve(std::min<qsizetype>(count, 1 << 20));
    for (qsizetype i = 0; i < count; ++i) lines_.push_back(readLine(line(i), hashes[i], &u));
    countListed();
    // Each castle's QSOs in one allocation: counted first.
    std::vector<int> qsos(castles_.size(), 0);
    for (const Line& l : lines_)
      if (l.castle >= 0) ++qsos[l.castle];
    for (std::size_t c = 0; c < castles_.size(); ++c) castles_[c].qsos.reserve(qsos[c]);
    for (const Line& l : lines_)
      if (l.castle >= 0) castles_[l.castle].qsos.push_back(l.qso);
    for (Castle& c : castles_) admit(c);
    u.linesRead = count;
    for (int i = 0; i < int(countries_.size()); ++i) u.countries.push_back(i);
    u.countriesAdded = true;
    return u;
  }

  std::vector<Line> fresh;
  fresh.reserve(added);
  for (qsizetype i = head; i < head + added; ++i) fresh.push_back(readLine(line(i), hashes[i], &u));
  u.linesRead = added;
  std::vector<int> touched;
  const auto touch = [&](int castle) {
    if (castle < 0 || castles_[castle].touched) return;
    castles_[castle].touched = true;
    touched.push_back(castle);
    retire(castles_[castle]);
  };
  for (qsizetype i = head; i < head + removed; ++i) touch(lines_[i].castle);
  for (const Line& l : fresh) touch(l.castle);
  for (qsizetype i = head; i < head + removed; ++i) {
    const Line& l = lines_[i];
    if (l.castle < 0) continue;
    std::vector<Qso>& qsos = castles_[l.castle].qsos;
    const auto it = std::find(qsos.begin(), qsos.end(), l.qso);
    if (it != qsos.end()) qsos.erase(it);
  }
  for (const Line& l : fresh)
    if (l.castle >= 0) castles_[l.castle].qsos.push_back(l.qso);
  lines_.erase(lines_.begin() + head, lines_.begin() + head + removed);
  lines_.insert(lines_.begin() + head, fresh.begin(), fresh.end());
  for (int castle : touched) {
    Castle& c = castles_[castle];
    c.touched = false;
    admit(c);
    if (std::find(u.countries.begin(), u.countries.end(), c.country) == u.countries.end())
      u.countries.push_back(c.country);
  }
  return u;
}

AwardTally::Country AwardTally::totals() const {
  Country t;
  t.bandWorked.assign(bands_.size() + 1, 0);
  t.bandConfirmed.assign(bands_.size() + 1, 0);
  for (const Country& k : countries_) {
    t.worked += k.worked;
    t.confirmed += k.confirmed;
    t.qsos += k.qsos;
    t.listed += k.listed;
    t.listedWorked += k.listedWorked;
    t.listedConfirmed += k.listedConfirmed;
    t.notInList += k.notInList;
    for (std::size_t b = 0; b < t.bandWorked.size(); ++b) {
      t.bandWorked[b] += k.bandWorked[b];
      t.bandConfirmed[b] += k.bandConfirmed[b];
    }
  }
  return t;
}

int AwardTally::countriesWorked() const {
  return int(std::count_if(countries_.begin(), countries_.end(), [](const Country& k) { return k.worked > 0; }));
}

int AwardTally::listedCountries() const {
  return int(std::count_if(countries_.begin(), countries_.end(), [](const Country& k) { return k.listed > 0; }));
}

bool AwardTally::worked(QByteArrayView key) const {
  const int i = castleIndex_.find(CastleCode::of(key));
  return i >= 0 && !castles_[i].qsos.empty();
}

bool AwardTally::confirmed(QByteArrayView key) const {
  const int i = castleIndex_.find(CastleCode::of(key));
  return i >= 0 && castles_[i].confirmedBands != 0;
}

std::vector<AwardTally::Month> AwardTally::months() const {
  std::vector<Month> out;
  for (int i = 0; i < int(months_.size()); ++i)
    if (months_[i].first || months_[i].second)
      out.push_back({(kFirstYear + i / 12) * 100 + i % 12 + 1, months_[i].first, months_[i].second});
  return out;
}

int AwardTally::undatedCastles() const { return undated_; }

std::vector<qsizetype> AwardTally::needed(QByteArrayView prefix) const {
  std::vector<qsizetype> out;
  if (!list()) return out;
  for (qsizetype i : list_->castlesOf(prefix))
    if (!worked(list_->castles()[i].key)) out.push_back(i);
  return out;
}

}  // namespace ktl
