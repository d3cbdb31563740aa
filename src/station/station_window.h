// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Station: choose or create the station callsign whose log is open.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace ktl {

class Platform;
class ProgramState;

class StationWindow : public QDialog {
  Q_OBJECT
 public:
  StationWindow(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

  void confirm();  // the confirm button (Validation)

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  ProgramState& state_;
  Platform& platform_;
  QLineEdit* callsignField_;
  QPushButton* confirmButton_;
};

}  // namespace ktl
