// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Aff_Contacte: the castles contacted from the station's log, one numbered
// row each, for one country prefix or every prefix ("XX"); printed or saved
// as a text file in the data folder.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace ktl {

class ColumnHeadings;
class LinesModel;
class Platform;
class ProgramState;
struct Report;
struct ReportDate;

class ContactedCastlesWindow : public QDialog {
  Q_OBJECT
 public:
  ContactedCastlesWindow(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

  // The show button (Afficher): the list for the prefix in the prefix
  // field, from the log file.
  void display();
  // The save and print buttons: the rows shown, whatever the prefix field
  // holds now, except that the file is named after it.
  void save();
  void print();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();
  void prefixEntered();
  Report report(const ReportDate& today) const;

  ProgramState& state_;
  Platform& platform_;
  LinesModel* rows_;
  QLineEdit* prefixField_;
  QLabel* prefixLabel_;     // names the prefix field
  QLabel* prefixHint_;      // "XX = every prefix", the field's description
  ColumnHeadings* columnHeadings_;  // above the list, and its accessible name
  QPushButton* showButton_;
  QListView* castleList_;
};

}  // namespace ktl
