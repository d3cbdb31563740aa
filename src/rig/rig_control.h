// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's hold on the station's rig: reads the station's rig
// settings, makes the link the windows use and hands it to the shared state
// (none while no rig is used), starts and stops the program's own rigctld
// when asked, and makes them again when the station or its settings change.
#include "rig/rigctld_link.h"

#include <QObject>

#include <memory>

namespace ktl {

class ProgramState;

class RigControl : public QObject {
  Q_OBJECT
 public:
  explicit RigControl(ProgramState& state, QObject* parent = nullptr);
  // The state is left without a rig, and the program's rigctld is stopped.
  ~RigControl() override;

  // Follows the settings of the open station: nothing when they are
  // unchanged, unless `restart` (the operator confirmed them again, to
  // retry a rig that failed); otherwise a new link, rigctld started again
  // when its own settings changed, stopped when no longer wanted.
  void apply(bool restart = false);

  RigctldLink* link() const { return link_.get(); }
  RigDaemon& daemon() { return daemon_; }
  // The client's waits (tests shorten them); the poll interval is the
  // settings'.
  void setTiming(const RigClient::Timing& timing) { timing_ = timing; }

 signals:
  // The program's rigctld ended, or runs without reaching the rig: a text
  // with its own words, in the program's language, once for each start.
  void trouble(const QString& text);

 private:
  void dropLink();

  ProgramState& state_;
  RigDaemon daemon_;
  std::optional<RigSettings> daemonFor_;  // what the running rigctld was started for
  std::unique_ptr<RigctldLink> link_;
  RigClient::Timing timing_;
};

}  // namespace ktl
