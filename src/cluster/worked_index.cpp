// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cluster/worked_index.h"

#include "cluster/spot_parser.h"
#include "log/bands.h"
#include "log/lines.h"
#include "log/log_list_model.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

#include <algorithm>

namespace ktl {

namespace {

QByteArrayView trimmed(QByteArrayView v) { return v.trimmed(); }

void appendUpper(std::string& out, QByteArrayView bytes) {
  for (char c : bytes) out += static_cast<char>(kUpper1252[static_cast<unsigned char>(c)]);
}

// The key of a reference: prefix, "-", number. A number of 1 to 4 digits
// typed short in the log is padded as the spots' are ("1051" is 01051).
std::string referenceKey(QByteArrayView prefix, QByteArrayView number) {
  std::string key;
  key.reserve(11);
  appendUpper(key, prefix);
  key += '-';
  if (number.size() < 5 && !number.isEmpty() && std::all_of(number.begin(), number.end(), [](char c) {
        return c >= '0' && c <= '9';
      }))
    key.append(5 - number.size(), '0');
  appendUpper(key, number);
  return key;
}

}  // namespace

void WorkedIndex::clear() {
  refs_.clear();
  calls_.clear();
}

void WorkedIndex::add(QByteArrayView line) {
  const int band = bandOfLogText(trimmed(logFieldView(line, QsoField::Band)));
  const BandMask bit = band < 0 ? kOtherBand : BandMask(1u << band);
  const QByteArrayView prefix = trimmed(logFieldView(line, QsoField::CountryPrefix));
  const QByteArrayView number = trimmed(logFieldView(line, QsoField::CastleNumber));
  if (!prefix.isEmpty() && !number.isEmpty()) refs_[referenceKey(prefix, number)] |= bit;
  const QByteArrayView call = trimmed(logFieldView(line, QsoField::Callsign));
  if (!call.isEmpty()) {
    std::string key;
    appendUpper(key, call);
    calls_[key] |= bit;
  }
}

void WorkedIndex::rebuild(const LogListModel& log) {
  clear();
  const int rows = log.rowCount();
  refs_.reserve(rows);
  calls_.reserve(rows);
  for (int row = 0; row < rows; ++row) add(log.logLine(row));
}

void WorkedIndex::rebuild(QByteArrayView logBytes) {
  clear();
  forEachLineIn(logBytes, [this](QByteArrayView line) { add(line); });
}

SpotStatus WorkedIndex::byBand(BandMask worked, int band, SpotStatus anyBand, SpotStatus onBand) {
  return band >= 0 && (worked & (1u << band)) ? onBand : anyBand;
}

SpotStatus WorkedIndex::status(const CastleRef* ref, const QString& dxCall, int band) const {
  if (ref) {
    // References and callsigns of spots are ASCII letters, digits and "/".
    const auto it = refs_.find(referenceKey(ref->prefix.toLatin1(), ref->number.toLatin1()));
    if (it == refs_.end()) return SpotStatus::New;
    return byBand(it->second, band, SpotStatus::Worked, SpotStatus::WorkedOnBand);
  }
  std::string key;
  appendUpper(key, dxCall.toLatin1());
  const auto it = calls_.find(key);
  if (it == calls_.end()) return SpotStatus::None;
  return byBand(it->second, band, SpotStatus::CallWorked, SpotStatus::CallWorkedOnBand);
}

}  // namespace ktl
