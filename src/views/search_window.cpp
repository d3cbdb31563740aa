#include "views/search_window.h"

#include "log/lines_model.h"
#include "platform/keyboard.h"
#include "platform/platform.h"
#include "platform/window_services.h"
#include "state/program_state.h"
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

SearchWindow::SearchWindow(ProgramState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), results_(new LinesModel(this)) {
  setObjectName(QStringLiteral("Recherche_Indicatif"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QFrame;
  title->setFrameShape(QFrame::Box);
  auto* tl = new QVBoxLayout(title);
  Label3 = new QLabel;
  Label3->setObjectName(QStringLiteral("Label3"));
  QFont big = Label3->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 2);
  Label3->setFont(big);
  tl->addWidget(Label3);
  layout->addWidget(title);

  auto* row = new QHBoxLayout;
  Option1 = new QButtonGroup(this);
  Option1->setObjectName(QStringLiteral("Option1"));
  Indica = new QLineEdit;
  Refa = new QLineEdit;
  Typar = new QLineEdit;
  const std::array<std::pair<QLineEdit*, const char*>, 3> boxes = {
      {{Indica, "Indica"}, {Refa, "Refa"}, {Typar, "Typar"}}};
  for (int i = 0; i < 3; ++i) {
    options_[i] = new QRadioButton;
    options_[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i + 1));
    Option1->addButton(options_[i], i + 1);
    QLineEdit* e = boxes[i].first;
    e->setObjectName(QString::fromLatin1(boxes[i].second));
    QFont f = e->font();
    f.setBold(true);
    e->setFont(f);
    e->installEventFilter(this);
    row->addWidget(options_[i]);
    row->addWidget(e);
  }
  layout->addLayout(row);
  // Choosing an option (a click, or the arrow keys) puts the focus in its box.
  connect(Option1, &QButtonGroup::buttonClicked, this, [this] { box(selected())->setFocus(); });

  Label13 = new QLabel;
  Label13->setObjectName(QStringLiteral("Label13"));
  Label13->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  layout->addWidget(Label13);
  QSO_Effectues = new QListView;
  QSO_Effectues->setObjectName(QStringLiteral("QSO_Effectues"));
  QSO_Effectues->setModel(results_);
  QSO_Effectues->setUniformItemSizes(true);
  QSO_Effectues->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QSO_Effectues->setFont(fixedListFont(QStringLiteral("Terminal"), 9));
  QSO_Effectues->setToolTip(QStringLiteral("Double clique sur le QSO pour retour au log"));
  QSO_Effectues->installEventFilter(this);
  connect(QSO_Effectues, &QListView::doubleClicked, this, [this](const QModelIndex& i) { returnToLog(i.row()); });
  layout->addWidget(QSO_Effectues, 1);

  auto* buttons = new QHBoxLayout;
  Command2 = new QPushButton(QStringLiteral("Enregistrer"));
  Command2->setObjectName(QStringLiteral("Command2"));
  Command3 = new QPushButton(QStringLiteral("Imprimer"));
  Command3->setObjectName(QStringLiteral("Command3"));
  Command1 = new QPushButton;
  Command1->setObjectName(QStringLiteral("Command1"));
  for (QPushButton* b : {Command2, Command3, Command1}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  connect(Command2, &QPushButton::clicked, this, &SearchWindow::saveResults);
  connect(Command3, &QPushButton::clicked, this, &SearchWindow::printResults);
  connect(Command1, &QPushButton::clicked, this, &QDialog::close);
  layout->addLayout(buttons);

  retranslate();
  // An open search follows the language; its results name lines of the
  // station's list, so it closes when the station changes.
  connect(&state_, &ProgramState::languageChanged, this, &SearchWindow::retranslate);
  connect(&state_, &ProgramState::stationChanged, this, &QDialog::close);
  resize(1000, 400);
  options_[0]->setChecked(true);
  Indica->setFocus();
}

void SearchWindow::retranslate() {
  applyCaptions(this, searchCaptions(), state_.language());
  for (int i = 0; i < 3; ++i) box(SearchBy(i))->setAccessibleName(options_[i]->text());
  QSO_Effectues->setAccessibleName(Label13->text().simplified());
}

void SearchWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

SearchBy SearchWindow::selected() const { return SearchBy(std::max(0, Option1->checkedId() - 1)); }

QLineEdit* SearchWindow::box(SearchBy by) const {
  const std::array<QLineEdit*, 3> boxes = {Indica, Refa, Typar};
  return boxes[int(by)];
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == QSO_Effectues) {
    if (event->type() == QEvent::KeyPress && isEnterKey(*static_cast<QKeyEvent*>(event))) {
      if (QSO_Effectues->currentIndex().isValid()) returnToLog(QSO_Effectues->currentIndex().row());
      return true;
    }
    return QDialog::eventFilter(watched, event);
  }
  std::optional<SearchBy> by;
  for (int i = 0; i < 3; ++i)
    if (watched == box(SearchBy(i))) by = SearchBy(i);
  if (!by) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    options_[int(*by)]->setChecked(true);  // a click in a box selects its option
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
  for (QLineEdit* e : {Indica, Refa, Typar}) e->clear();
  if (results_->rowCount() > 0) QSO_Effectues->setCurrentIndex(results_->index(0));
}

void SearchWindow::returnToLog(int resultRow) {
  if (resultRow < 0 || resultRow >= results_->rowCount()) return;
  const int row = ktl::resultRow(results_->lines().at(resultRow));
  if (row >= 0 && row < state_.logModel().rowCount()) state_.selectRow(row);
  close();
}

// The results as they are listed, under the heading shown above them.
void SearchWindow::saveResults() {
  const ReportDate today = reportDate(platform_.clock());
  const Report report =
      searchReport(state_.language(), state_.stationCallsign(), today, Label13->text(), results_->lines());
  saveReportAndSay(this, platform_, state_.language(), state_.dataDir(),
                   searchReportFileName(state_.stationCallsign(), today), report);
}

void SearchWindow::printResults() {
  const Report report = searchReport(state_.language(), state_.stationCallsign(), reportDate(platform_.clock()),
                                     Label13->text(), results_->lines());
  printReport(this, platform_, state_.language(), report);
}

}  // namespace ktl
