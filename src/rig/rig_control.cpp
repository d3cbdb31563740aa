// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rig/rig_control.h"

#include "rig/rig_texts.h"
#include "state/program_state.h"

namespace ktl {

namespace {

bool sameDaemon(const RigSettings& a, const RigSettings& b) {
  return a.model == b.model && a.device == b.device && a.speed == b.speed && a.port == b.port;
}

}  // namespace

RigControl::RigControl(ProgramState& state, QObject* parent) : QObject(parent), state_(state) {
  connect(&state_, &ProgramState::stationChanged, this, [this] { apply(); });
}

RigControl::~RigControl() {
  dropLink();
  daemon_.stop();
}

void RigControl::dropLink() {
  if (!link_) return;
  state_.setRig(nullptr);
  link_.reset();
}

void RigControl::apply(bool restart) {
  const RigSettings wanted =
      state_.hasStation() ? readRigSettings(state_.settings(), state_.stationCallsign()) : RigSettings{};
  if (!wanted.active) {
    dropLink();
    daemon_.stop();
    daemonFor_.reset();
    return;
  }
  if (link_ && link_->settings() == wanted && !restart) return;
  dropLink();
  if (wanted.startDaemon) {
    const bool running = daemon_.state() == RigDaemon::State::Running || daemon_.state() == RigDaemon::State::Starting;
    if (restart || !running || !daemonFor_ || !sameDaemon(*daemonFor_, wanted)) {
      daemon_.start(wanted.daemon());
      daemonFor_ = wanted;
    }
  } else {
    daemon_.stop();
    daemonFor_.reset();
  }
  link_ = std::make_unique<RigctldLink>(wanted, wanted.startDaemon ? &daemon_ : nullptr, timing_);
  connect(link_.get(), &RigctldLink::daemonTrouble, this, [this](bool ended, const QString& words) {
    const Tx& text = rigText(ended ? RigText::DaemonEnded : RigText::DaemonTrouble);
    emit trouble(pick(text, spoken(state_.language())).arg(words));
  });
  state_.setRig(link_.get());
}

}  // namespace ktl
