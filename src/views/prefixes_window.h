// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Liste_Prefixes: every country prefix of the station's log once, in
// alphabetical order, with its country from the prefix table. Built once,
// when the window opens.
#include <QDialog>

class QLabel;
class QListView;

namespace ktl {

class LinesModel;
class Platform;
class ProgramState;

class ContactedPrefixesWindow : public QDialog {
  Q_OBJECT
 public:
  ContactedPrefixesWindow(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();
  void build();

  ProgramState& state_;
  Platform& platform_;
  LinesModel* rows_;
  QLabel* title_;  // also the list's accessible name
  QListView* prefixList_;
};

}  // namespace ktl
