// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recherche_Indicatif: finds QSOs of the QSO list by callsign, reference or
// country prefix and takes the operator back to one of them in Main.
#include "views/qso_search.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListView;
class QRadioButton;

namespace ktl {

class LinesModel;
class Platform;
class ProgramState;
class WindowOpener;

class SearchWindow : public QDialog {
  Q_OBJECT
 public:
  SearchWindow(ProgramState& state, Platform& platform, WindowOpener& windows, QWidget* parent = nullptr);

  // RunSearch: the search of the selected option, whichever box had Enter.
  void runSearch();
  // Back to the log: the result's QSO selected in Main, then close.
  void returnToLog(int resultRow);
  // The save and print buttons: the results saved as a text file in the
  // data folder, or printed.
  void saveResults();
  void printResults();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();
  SearchBy selected() const;
  QLineEdit* box(SearchBy by) const;

  ProgramState& state_;
  Platform& platform_;
  WindowOpener& windows_;
  LinesModel* results_;
  QLabel* columnHeadings_;           // above the results, and in their report
  QButtonGroup* searchByGroup_;      // the three options, ids 1 to 3
  QRadioButton* searchByOptions_[3];
  QLineEdit *callsignField_, *referenceField_, *countryField_;
  QListView* resultList_;
};

}  // namespace ktl
