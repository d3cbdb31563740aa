// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/search_window.h"

#include "log/lines_model.h"
#include "platform/keyboard.h"
#include "platform/platform.h"
#include "platform/window_services.h"
#include "state/program_state.h"
#include "state/window_opener.h"
#include "views/report_actions.h"
#include "views/report_file.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ktl {

SearchWindow::SearchWindow(ProgramState& state, Platform& platform, WindowOpener& windows, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), windows_(windows), results_(new LinesModel(this)) {
  setObjectName(QStringLiteral("Recherche_Indicatif"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QFrame;
  title->setFrameShape(QFrame::Box);
  auto* tl = new QVBoxLayout(title);
  auto* heading = new QLabel;
  heading->setObjectName(QStringLiteral("Label3"));
  QFont big = heading->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 2);
  heading->setFont(big);
  tl->addWidget(heading);
  layout->addWidget(title);

  auto* row = new QHBoxLayout;
  searchByGroup_ = new QButtonGroup(this);
  searchByGroup_->setObjectName(QStringLiteral("Option1"));
  callsignField_ = new QLineEdit;
  referenceField_ = new QLineEdit;
  countryField_ = new QLineEdit;
  const std::array<std::pair<QLineEdit*, const char*>, 3> boxes = {
      {{callsignField_, "Indica"}, {referenceField_, "Refa"}, {countryField_, "Typar"}}};
  for (int i = 0; i < 3; ++i) {
    searchByOptions_[i] = new QRadioButton;
    searchByOptions_[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i + 1));
    searchByGroup_->addButton(searchByOptions_[i], i + 1);
    QLineEdit* e = boxes[i].first;
    e->setObjectName(QString::fromLatin1(boxes[i].second));
    QFont f = e->font();
    f.setBold(true);
    e->setFont(f);
    e->installEventFilter(this);
    row->addWidget(searchByOptions_[i]);
    row->addWidget(e);
  }
  layout->addLayout(row);
  // Choosing an option (a click, or the arrow keys) puts the focus in its box.
  connect(searchByGroup_, &QButtonGroup::buttonClicked, this, [this] { box(selected())->setFocus(); });

  columnHeadings_ = new QLabel;
  columnHeadings_->setObjectName(QStringLiteral("Label13"));
  columnHeadings_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  layout->addWidget(columnHeadings_);
  resultList_ = new QListView;
  resultList_->setObjectName(QStringLiteral("QSO_Effectues"));
  resultList_->setModel(results_);
  resultList_->setUniformItemSizes(true);
  resultList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  resultList_->setFont(fixedListFont(QStringLiteral("Terminal"), 9));
  resultList_->setToolTip(QStringLiteral("Double clique sur le QSO pour retour au log"));
  resultList_->installEventFilter(this);
  connect(resultList_, &QListView::doubleClicked, this, [this](const QModelIndex& i) { returnToLog(i.row()); });
  layout->addWidget(resultList_, 1);

  auto* buttons = new QHBoxLayout;
  auto* saveButton = new QPushButton(QStringLiteral("Enregistrer"));
  saveButton->setObjectName(QStringLiteral("Command2"));
  auto* printButton = new QPushButton(QStringLiteral("Imprimer"));
  printButton->setObjectName(QStringLiteral("Command3"));
  auto* quitButton = new QPushButton;
  quitButton->setObjectName(QStringLiteral("Command1"));
  for (QPushButton* b : {saveButton, printButton, quitButton}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  connect(saveButton, &QPushButton::clicked, this, &SearchWindow::saveResults);
  connect(printButton, &QPushButton::clicked, this, &SearchWindow::printResults);
  connect(quitButton, &QPushButton::clicked, this, &QDialog::close);
  layout->addLayout(buttons);

  retranslate();
  // An open search follows the language; its results name lines of the
  // station's list, so it closes when the station changes.
  connect(&state_, &ProgramState::languageChanged, this, &SearchWindow::retranslate);
  connect(&state_, &ProgramState::stationChanged, this, &QDialog::close);
  resize(1000, 400);
  searchByOptions_[0]->setChecked(true);
  callsignField_->setFocus();
}

void SearchWindow::retranslate() {
  applyCaptions(this, searchCaptions(), state_.language());
  for (int i = 0; i < 3; ++i) box(SearchBy(i))->setAccessibleName(searchByOptions_[i]->text());
  resultList_->setAccessibleName(columnHeadings_->text().simplified());
}

void SearchWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

SearchBy SearchWindow::selected() const { return SearchBy(std::max(0, searchByGroup_->checkedId() - 1)); }

QLineEdit* SearchWindow::box(SearchBy by) const {
  const std::array<QLineEdit*, 3> boxes = {callsignField_, referenceField_, countryField_};
  return boxes[int(by)];
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == resultList_) {
    if (event->type() == QEvent::KeyPress && isEnterKey(*static_cast<QKeyEvent*>(event))) {
      if (resultList_->currentIndex().isValid()) returnToLog(resultList_->currentIndex().row());
      return true;
    }
    return QDialog::eventFilter(watched, event);
  }
  std::optional<SearchBy> by;
  for (int i = 0; i < 3; ++i)
    if (watched == box(SearchBy(i))) by = SearchBy(i);
  if (!by) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    searchByOptions_[int(*by)]->setChecked(true);  // a click in a box selects its option
    return false;
  }
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (isEnterKey(*key)) {
    // The box's own checks, then the search of the selected option.
    if (auto refused = checkSearchBox(*by, box(*by)->text()))
      platform_.say(this, state_.language(), *refused);
    else
      runSearch();
    return true;
  }
  return retypeKey(watched, *key, upperTyped);
}

void SearchWindow::runSearch() {
  const SearchBy by = selected();
  QString typed = box(by)->text();
  if (typed.startsWith(QStringLiteral("\r\n"))) typed.remove(0, 2);
  results_->setLines(searchList(state_.logModel(), by, searchText(by, typed)));
  if (results_->rowCount() == 0) platform_.say(this, state_.language(), Msg::SearchNotFound);
  for (QLineEdit* e : {callsignField_, referenceField_, countryField_}) e->clear();
  if (results_->rowCount() > 0) resultList_->setCurrentIndex(results_->index(0));
}

void SearchWindow::returnToLog(int resultRow) {
  if (resultRow < 0 || resultRow >= results_->rowCount()) return;
  const int row = ktl::resultRow(results_->lines().at(resultRow));
  if (row >= 0 && row < state_.logModel().rowCount()) windows_.selectQso(row);
  close();
}

// The results as they are listed, under the heading shown above them.
void SearchWindow::saveResults() {
  const ReportDate today = reportDate(platform_.clock());
  const Report report =
      searchReport(state_.language(), state_.stationCallsign(), today, columnHeadings_->text(), results_->lines());
  saveReportAndSay(this, platform_, state_.language(), state_.dataDir(),
                   searchReportFileName(state_.stationCallsign(), today), report);
}

void SearchWindow::printResults() {
  const Report report = searchReport(state_.language(), state_.stationCallsign(), reportDate(platform_.clock()),
                                     columnHeadings_->text(), results_->lines());
  printReport(this, platform_, state_.language(), report);
}

}  // namespace ktl
