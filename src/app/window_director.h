// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place that opens the windows of the program: each exists once and
// is brought to the front when chosen again.
#include "state/window_opener.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace ktl {

class MainWindow;
class Platform;
class ProgramState;
class RigControl;

class WindowDirector : public WindowOpener {
 public:
  // `rig`: what the rig window applies its settings to; no rig window
  // without it.
  WindowDirector(ProgramState& state, Platform& platform, RigControl* rig = nullptr);
  // The window the others belong to, and whose entry they command (Main).
  void setOwner(MainWindow* owner);

  bool has(WindowId id) const override;
  QWidget* open(WindowId id) override;
  void openModal(WindowId id) override;
  void selectQso(int row) override;
  void showImportedLog() override;
  void fillEntry(const QString& callsign, const QString& prefix, const QString& number,
                 const QString& band) override;
  EntryDraft entryDraft() const override;

 private:
  QWidget* make(WindowId id);

  ProgramState& state_;
  Platform& platform_;
  MainWindow* main_ = nullptr;
  RigControl* rig_;
  QWidget* owner_ = nullptr;  // the same, as the windows' parent
  std::map<WindowId, QPointer<QWidget>> open_;
};

}  // namespace ktl
