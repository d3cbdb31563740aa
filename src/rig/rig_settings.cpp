// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rig/rig_settings.h"

#include "platform/settings_store.h"

#include <algorithm>
#include <optional>

namespace ktl {

namespace {

// A whole number within [low, high], or nothing.
std::optional<int> wholeIn(const QString& text, int low, int high) {
  bool ok = false;
  const qlonglong n = text.trimmed().toLongLong(&ok);
  if (!ok || n < low || n > high) return std::nullopt;
  return int(n);
}

}  // namespace

RigDaemonSettings RigSettings::daemon() const {
  RigDaemonSettings d;
  d.model = model;
  d.device = device;
  d.speed = speed;
  d.port = port;
  return d;
}

RigSettings readRigSettings(const SettingsStore& store, const QString& station) {
  const auto read = [&](const SettingKey& key) { return store.read(key, station); };
  RigSettings s;
  s.active = read(keys::RigActive).trimmed() == u"1";
  const QString host = read(keys::RigHost).trimmed();
  if (!host.isEmpty()) s.host = host;
  s.port = quint16(wholeIn(read(keys::RigPort), 1, 65535).value_or(s.port));
  bool ok = false;
  const qlonglong poll = read(keys::RigInterval).trimmed().toLongLong(&ok);
  if (ok) s.pollMs = int(std::clamp<qlonglong>(poll, RigSettings::kMinPollMs, RigSettings::kMaxPollMs));
  s.startDaemon = read(keys::RigStartDaemon).trimmed() == u"1";
  s.model = wholeIn(read(keys::RigModel), 1, 99'999'999).value_or(s.model);
  s.device = read(keys::RigDevice).trimmed();
  s.speed = wholeIn(read(keys::RigSpeed), 0, RigSettings::kMaxSpeed).value_or(0);
  return s;
}

void writeRigSettings(SettingsStore& store, const QString& station, const RigSettings& s) {
  const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
  store.write(keys::RigActive, station, flag(s.active));
  store.write(keys::RigHost, station, s.host);
  store.write(keys::RigPort, station, QString::number(s.port));
  store.write(keys::RigInterval, station, QString::number(s.pollMs));
  store.write(keys::RigStartDaemon, station, flag(s.startDaemon));
  store.write(keys::RigModel, station, QString::number(s.model));
  store.write(keys::RigDevice, station, s.device);
  store.write(keys::RigSpeed, station, QString::number(s.speed));
}

}  // namespace ktl
