// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's rig settings as the program keeps them (per station, in
// the settings store) and uses them: the rigctld to talk to, how often to
// read the rig, and the rigctld the program starts itself when asked.
#include "rig/rig_daemon.h"

#include <QString>

namespace ktl {

class SettingsStore;

struct RigSettings {
  static constexpr int kMinPollMs = 100;
  static constexpr int kMaxPollMs = 10000;
  static constexpr int kMaxSpeed = 10'000'000;

  bool active = false;
  QString host = QStringLiteral("127.0.0.1");
  quint16 port = 4532;
  int pollMs = 500;
  // rigctld started by the program, listening on the loopback at `port`.
  bool startDaemon = false;
  int model = 1;
  QString device;
  int speed = 0;

  bool operator==(const RigSettings&) const = default;
  // Where the client connects: the loopback when the program starts rigctld.
  QString connectHost() const { return startDaemon ? QStringLiteral("127.0.0.1") : host; }
  RigDaemonSettings daemon() const;
};

// The settings stored for `station`. A value that is not one (an edited
// file: a port out of range, an interval that is no number) gives its
// default; an interval out of its range is brought into it.
RigSettings readRigSettings(const SettingsStore& store, const QString& station);
void writeRigSettings(SettingsStore& store, const QString& station, const RigSettings& settings);

}  // namespace ktl
