// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The station's rig as the windows see it (RigLink), through Hamlib's
// rigctld: the rigctld client, and rigctld itself when the program starts
// it. Nothing here waits: the client works from its socket's signals, and
// rigctld is reached once it runs.
#include "rig/rig_client.h"
#include "rig/rig_daemon.h"
#include "rig/rig_settings.h"
#include "state/rig_link.h"

#include <QPointer>

#include <optional>

namespace ktl {

// What is worth showing of rigctld's output: each line once, in the order
// first seen, the last `maxLines` of them.
QString rigctldWords(const QString& output, int maxLines = 6);

class RigctldLink : public RigLink {
  Q_OBJECT
 public:
  // Talks to the rigctld `settings` name. With `daemon` (the program's own
  // rigctld, started for these settings) the client connects once it runs,
  // to the loopback; its end or its failure to reach the rig is told once
  // by daemonTrouble().
  RigctldLink(const RigSettings& settings, RigDaemon* daemon, const RigClient::Timing& timing,
              QObject* parent = nullptr);

  bool linkUp() const override;
  qint64 frequencyHz() const override { return client_.frequency(); }
  QString hamlibMode() const override { return client_.mode(); }
  // Never silent: an unknown language gives French.
  QString statusText(int language) const override;
  bool tune(qint64 hz, const QString& hamlibMode) override;
  bool inTrouble() const override;

  const RigSettings& settings() const { return settings_; }
  RigClient& client() { return client_; }

 signals:
  // The program's rigctld ended (`ended`), or runs without reaching the
  // rig: its own words, once for each start.
  void daemonTrouble(bool ended, const QString& words);

 private:
  void onDaemonState();
  void onStatus();
  bool daemonFailed() const;

  RigSettings settings_;
  RigClient client_;
  QPointer<RigDaemon> daemon_;
  // The last set the rig refused, told until the rig is tuned again or the
  // link's state changes.
  std::optional<std::pair<RigClient::Command, int>> refused_;
  bool troubleTold_ = false;
  // The rig was read since the link came up: a frequency or a mode.
  bool heard_ = false;
};

}  // namespace ktl
