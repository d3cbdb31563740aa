// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ajout_Ref: adds an entry to the prefix table, changes the country of a
// prefix or deletes a prefix, one operation at a time, straight on the file.
//
// States: idle (window opened, or reset after an operation: both fields and
// the save button disabled) -> prefix entry (a mode button: the prefix field
// enabled, with the focus) -> country entry (add, edit: Enter with a valid
// prefix opens the country field) -> ready (Enter in the country field with
// a country, or a valid prefix in delete mode: the save button enabled, with
// the focus).
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ktl {

class Platform;
class ProgramState;
struct Tx;

class PrefixEditorWindow : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { Add, Edit, Delete };

  PrefixEditorWindow(ProgramState& state, Platform& platform, QWidget* parent = nullptr);
  Mode mode() const { return mode_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();
  void chooseMode(Mode mode);
  void prefixEntered();
  void countryEntered();
  void record();
  void reset();
  // The message a field's text is refused with, or null when it may be written.
  const Tx* prefixRefusal() const;
  const Tx* countryRefusal() const;
  QString tablePath() const;

  ProgramState& state_;
  Platform& platform_;
  Mode mode_ = Mode::Add;
  QPushButton *addButton_, *editButton_, *deleteButton_;  // the modes, in Mode's order
  QPushButton* saveButton_;
  QLineEdit *prefixField_, *countryField_;
  // Each field's name and, beside it, an example that describes it.
  QLabel *prefixLabel_, *countryLabel_, *prefixExample_, *countryExample_;
};

}  // namespace ktl
