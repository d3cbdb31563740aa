// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Enter on a focused command button clicks it, in every window of the
// program, as the space bar does: the entry is an Enter chain from the
// callsign to the commit button, and the station window's Validation ends
// the first start the same way. Installed once on the application.
#include <QObject>

namespace ktl {

class EnterClicksButtons : public QObject {
 public:
  explicit EnterClicksButtons(QObject* parent = nullptr);
  ~EnterClicksButtons() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ktl
