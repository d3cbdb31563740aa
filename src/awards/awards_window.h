// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Progression: the award's progress at a glance. The totals (castles
// worked and confirmed, countries; with the award's list, "of N"), the
// grid of countries by band, the castles still needed in a chosen country,
// and two charts: castles over time and by country. Kept up to date as
// QSOs are committed, changed, deleted and imported; the grid saved as CSV,
// the charts as PNG or PDF, the figures printed.
#include "awards/award_report.h"
#include "awards/award_tally.h"

#include <QDialog>

#include <memory>

class QChartView;
class QComboBox;
class QLabel;
class QTabWidget;
class QTableView;

namespace ktl {

class AwardGridModel;
class AwardListStore;
class NeededModel;
class Platform;
class ProgramState;

class AwardsWindow : public QDialog {
  Q_OBJECT
 public:
  AwardsWindow(ProgramState& state, Platform& platform, QWidget* parent = nullptr);
  ~AwardsWindow() override;

  const AwardTally& tally() const { return *tally_; }

  // The buttons: each file goes through the one atomic write into the data
  // folder, and the message names it with its whole path.
  void saveCsv();
  void saveChartsPng();
  void saveChartsPdf();
  void print();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // A new tally from the list and the whole log (opening, a new list).
  void rebuild();
  // The log's list was reloaded (a commit, a change, a deletion, an
  // import, another station): only what changed is counted again.
  void logReloaded();
  void showTotals();
  void fillCountryChoice();
  void showNeeded();
  void refreshCharts(bool evenHidden = false);
  void retranslate();
  QString neededCountry() const;
  bool writeFiles(const QStringList& names, const QList<QByteArray>& contents);

  ProgramState& state_;
  Platform& platform_;
  AwardListStore& store_;
  std::shared_ptr<const AwardList> list_;
  std::unique_ptr<AwardTally> tally_;
  CountryNames names_;
  bool chartsDirty_ = true;

  AwardGridModel* grid_;
  NeededModel* needed_;
  QLabel* totals_;        // castles worked and confirmed, countries
  QLabel* listState_;     // the award's list in use, or that there is none
  QLabel* countryLabel_;  // names the needed list's country choice
  QLabel* neededCount_;   // how many castles the chosen country still needs
  QTabWidget* tabs_;      // grid, needed list, time chart, country chart
  QTableView *gridView_, *neededView_;
  QComboBox* neededCountryChoice_;
  QChartView *timeChart_, *countryChart_;
};

// Fichier, "Import the award's list": the file chosen in the file dialog
// becomes the stored list, and the operator is told what was found in it
// (or why the old list stays).
void importAwardListChosen(QWidget* parent, ProgramState& state, Platform& platform);

}  // namespace ktl
