// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program's controls present themselves to a screen reader, where
// the toolkit's own presentation falls short. Made by the program after the
// application and before its first window: a screen reader already
// listening asks for each control as it is created.
//
// - A combo box named by nameAfterLabel() is announced by that name, not by
//   its value.
// - A text field answers every question a screen reader asks of its text:
//   the toolkit's own answer to "the word at the caret" with the caret at
//   the end of the text (where it sits after typing, and when a filled
//   field gets the focus) never returns, and the screen reader then reads
//   the field short of its last character.
namespace ktl {

struct AccessibleControls {
  AccessibleControls();
  ~AccessibleControls();
  AccessibleControls(const AccessibleControls&) = delete;
  AccessibleControls& operator=(const AccessibleControls&) = delete;
};

}  // namespace ktl
