// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Import_ADIF: explains the ADIF dialect the log expects and merges a chosen
// file into the open station's log.
#include <QDialog>

class QCheckBox;

namespace ktl {

class Platform;
class ProgramState;
class WindowOpener;

class ImportAdifWindow : public QDialog {
  Q_OBJECT
 public:
  ImportAdifWindow(ProgramState& state, Platform& platform, WindowOpener& windows, QWidget* parent = nullptr);

  // The import button (Importer): choose a file, import it, close the window.
  void importFile();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ProgramState& state_;
  Platform& platform_;
  WindowOpener& windows_;
  QCheckBox* boxPerFieldCheck_;  // one box per replaced field, or a summary
  QCheckBox* sigIsAwardCheck_;   // SIG names the award, SIG_INFO the reference
};

}  // namespace ktl
