// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the station's log already holds, for the spots: its castle
// references (country prefix and number), the bands each was worked on,
// and its callsigns with their bands. Built by one pass over the log's
// lines; the spot window builds it again each time the QSO list is
// reloaded, which every commit, change, deletion, import and change of
// station does.
#include "cluster/castle_refs.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <string>
#include <unordered_map>

namespace ktl {

class LogListModel;

enum class SpotStatus {
  None,              // no castle reference, and a callsign not in the log
  New,               // a castle reference not in the log
  Worked,            // in the log, not on this band (or the spot's band is none of the twelve)
  WorkedOnBand,      // in the log on the spot's band
  CallWorked,        // no castle reference; the callsign is in the log
  CallWorkedOnBand,  // no castle reference; the callsign is in the log on this band
};

class WorkedIndex {
 public:
  void clear();
  // One 121-byte log line.
  void add(QByteArrayView logLine);
  void rebuild(const LogListModel& log);
  // A log file's bytes, line by line.
  void rebuild(QByteArrayView logBytes);

  // A spot with castle reference `ref` (null: none) for `dxCall` on band
  // `band` (an index of kBands, -1 for none).
  SpotStatus status(const CastleRef* ref, const QString& dxCall, int band) const;
  std::size_t referenceCount() const { return refs_.size(); }

 private:
  // Bit i: worked on band i of kBands; kOtherBand: on a band text of
  // the log that is none of them.
  using BandMask = std::uint16_t;
  static constexpr BandMask kOtherBand = 0x8000;
  static SpotStatus byBand(BandMask worked, int band, SpotStatus anyBand, SpotStatus onBand);

  // "OK-08815" and "F5ABC": short enough to be kept without an allocation.
  std::unordered_map<std::string, BandMask> refs_;
  std::unordered_map<std::string, BandMask> calls_;
};

}  // namespace ktl
