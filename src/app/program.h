// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program as one piece: its shared state, the windows it can open and
// the entry window that routes to them, over a platform (the desktop's, or
// a test's).
#include "app/enter_clicks.h"
#include "app/window_director.h"
#include "entry/main_window.h"
#include "platform/accessible_controls.h"
#include "platform/platform.h"
#include "platform/toolkit_translation.h"
#include "platform/window_services.h"
#include "rig/rig_control.h"
#include "state/program_state.h"
#include "state/station_upkeep.h"
#include "texts/program_texts.h"

#include <utility>

namespace ktl {

struct Program {
  explicit Program(Platform& platform)
      : state(platform.settings(), platform.dataDir()),
        upkeep(state, platform),
        rig(state),
        windows(state, platform, &rig),
        main(state, platform, windows) {
    windows.setOwner(&main);
    // The station's rig once the start-up knows the station (a change of
    // station or of its rig settings makes it again); rigctld's failure told
    // once with its own words.
    QObject::connect(&main, &MainWindow::startedUp, &rig, [this] { rig.apply(); });
    QObject::connect(&rig, &RigControl::trouble, &main,
                     [this, &platform](const QString& text) { platform.message(&main, text); });
    // A settings file that cannot be written is told once a run; the values
    // stay in use.
    platform.settings().onWriteFailed([this, &platform](const QString& reason) {
      if (std::exchange(settingsFailureShown, true)) return;
      platform.message(&main, settingsWriteFailedMessage(platform.settings().file(), reason, state.language()));
    });
    translation.use(state.language());
    QObject::connect(&state, &ProgramState::languageChanged, &state, [this] { translation.use(state.language()); });
  }
  AccessibleControls accessible;
  EnterClicksButtons enterKeys;
  ToolkitTranslation translation;
  ProgramState state;
  // The open log's lock and its daily backup.
  StationUpkeep upkeep;
  // The station's rig; its rigctld stopped on quit.
  RigControl rig;
  WindowDirector windows;
  MainWindow main;
  bool settingsFailureShown = false;
};

}  // namespace ktl
