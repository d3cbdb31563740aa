// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the live-spot window does for a hunter beyond reading spots: the
// class of mode a spot is in (for the mode filter), the throttle on alerts
// for new castles, and the DX command that posts a QSO's spot to the node.
#include "cluster/castle_refs.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringView>

namespace ktl {

// The operator's mode filter: telegraphy, voice, or the data modes.
enum class ModeClass { Unknown, Cw, Phone, Data };

// The class of a spot on `khz` with `comment`: the mode the rig would be put
// in for it (a mode named in the comment, else the band plan's segment).
// Unknown outside the plan with no mode named.
ModeClass modeClassOf(double khz, QStringView comment);

// At most one alert per castle and band within kQuietSecs.
class AlertThrottle {
 public:
  static constexpr qint64 kQuietSecs = 3600;
  // True when `ref` on `band` may be alerted at `now`, which then counts as
  // its last alert.
  bool allow(const CastleRef& ref, int band, const QDateTime& now);

 private:
  QHash<QString, QDateTime> last_;
};

// A kHz figure as nodes take it: one decimal ("14025.0").
QString khzText(double khz);
// A frequency stored beside a QSO in MHz ("14.025") as kHz text; empty for
// anything that is no positive number.
QString khzFromMhzText(QStringView mhz);

// The command that posts a spot: "DX <kHz> <callsign> KTL <reference>",
// the reference's number padded to five digits as spots write it. An empty
// `khz` leaves the place of the frequency empty ("DX  F5ABC ..."), for the
// operator to type; an empty prefix or number leaves the reference out.
QString postSpotCommand(const QString& khz, const QString& callsign, const QString& prefix, const QString& number);

}  // namespace ktl
