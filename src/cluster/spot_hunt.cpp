// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cluster/spot_hunt.h"

#include "rig/rig_modes.h"

#include <QList>

namespace ktl {

ModeClass modeClassOf(double khz, QStringView comment) {
  const auto mode = rigModeForSpot(khz, comment);
  if (!mode) return ModeClass::Unknown;
  if (mode->startsWith(u"CW")) return ModeClass::Cw;
  if (mode->startsWith(u"PKT") || mode->startsWith(u"RTTY") || mode->startsWith(u"PSK")) return ModeClass::Data;
  return ModeClass::Phone;
}

bool AlertThrottle::allow(const CastleRef& ref, int band, const QDateTime& now) {
  const QString key = ref.text() + u'|' + QString::number(band);
  const auto it = last_.constFind(key);
  if (it != last_.cend() && it->secsTo(now) < kQuietSecs && it->secsTo(now) >= 0) return false;
  // The memory stays bounded: what is past its quiet hour is forgotten.
  if (last_.size() >= 4096) last_.removeIf([&now](const auto& e) { return e.value().secsTo(now) >= kQuietSecs; });
  last_.insert(key, now);
  return true;
}

QString khzText(double khz) { return QString::number(khz, 'f', 1); }

QString khzFromMhzText(QStringView mhz) {
  bool ok = false;
  const double value = mhz.trimmed().toDouble(&ok);
  if (!ok || !(value > 0)) return {};
  return khzText(value * 1000.0);
}

QString postSpotCommand(const QString& khz, const QString& callsign, const QString& prefix, const QString& number) {
  QString command = QStringLiteral("DX ") + khz + u' ' + callsign.trimmed().toUpper();
  const QString p = prefix.trimmed().toUpper(), n = number.trimmed();
  if (!p.isEmpty() && !n.isEmpty()) {
    const bool digits = std::all_of(n.begin(), n.end(), [](QChar c) { return c.isDigit(); });
    const QString padded = digits && n.size() < kCastleNumberDigits ? n.rightJustified(kCastleNumberDigits, u'0') : n;
    command += QStringLiteral(" KTL ") + p + u'-' + padded;
  }
  return command;
}

}  // namespace ktl
