// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/castles_window.h"

#include "log/lines_model.h"
#include "log/qso_record.h"
#include "log/text_codec.h"
#include "platform/column_headings.h"
#include "platform/keyboard.h"
#include "platform/platform.h"
#include "platform/window_services.h"
#include "state/program_state.h"
#include "texts/view_texts.h"
#include "views/castle_list.h"
#include "views/report_actions.h"
#include "views/report_file.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktl {

ContactedCastlesWindow::ContactedCastlesWindow(ProgramState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), rows_(new LinesModel(this)) {
  setObjectName(QStringLiteral("Aff_Contacte"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  prefixLabel_ = named(new QLabel, "Label3");
  prefixField_ = named(new QLineEdit, "Type_B");
  QFont big = prefixField_->font();
  big.setBold(true);
  big.setPointSize(12);
  prefixField_->setFont(big);
  prefixField_->setMaximumWidth(prefixField_->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")) + 12);
  setFieldColour(prefixField_, false);
  prefixField_->installEventFilter(this);
  prefixHint_ = named(new QLabel, "Label1");
  showButton_ = named(new QPushButton, "Afficher");
  top->addWidget(prefixLabel_);
  top->addWidget(prefixField_);
  top->addWidget(prefixHint_);
  top->addStretch(1);
  top->addWidget(showButton_);
  layout->addLayout(top);

  castleList_ = named(new QListView, "Liste_KTL_Contacte");
  // Each heading over its column of the rows: the number right-justified
  // before column 6, then the reference, callsign, date, time, mode, band,
  // both reports, the castle's name and the QSL mark.
  static constexpr int kHeadingColumns[] = {6, 6, 17, 31, 41, 48, 53, 62, 67, 72, 134};
  columnHeadings_ = named(new ColumnHeadings(castleList_, kHeadingColumns), "Label2");
  layout->addWidget(columnHeadings_);
  castleList_->setModel(rows_);
  castleList_->setUniformItemSizes(true);
  castleList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  castleList_->setFont(fixedListFont(QStringLiteral("Terminal"), 9));
  castleList_->installEventFilter(this);
  layout->addWidget(castleList_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* printButton = named(new QPushButton, "Imprimer");
  auto* saveButton = named(new QPushButton, "Enregistrer");
  auto* quitButton = named(new QPushButton, "Quitter");
  for (QPushButton* b : {printButton, saveButton, quitButton}) buttons->addWidget(b);
  layout->addLayout(buttons);
  // Enter or Space on a button that has the focus presses it.
  for (QPushButton* b : {showButton_, printButton, saveButton, quitButton}) b->setAutoDefault(true);
  connect(showButton_, &QPushButton::clicked, this, &ContactedCastlesWindow::display);
  connect(printButton, &QPushButton::clicked, this, &ContactedCastlesWindow::print);
  connect(saveButton, &QPushButton::clicked, this, &ContactedCastlesWindow::save);
  connect(quitButton, &QPushButton::clicked, this, &QDialog::close);

  retranslate();
  connect(&state_, &ProgramState::languageChanged, this, &ContactedCastlesWindow::retranslate);
  // The rows belong to the station's log: another station closes the window.
  connect(&state_, &ProgramState::stationChanged, this, &QDialog::close);
  resize(1100, 500);
  prefixField_->setFocus();
}

void ContactedCastlesWindow::retranslate() {
  applyCaptions(this, castlesCaptions(), state_.language());
  prefixField_->setAccessibleName(prefixLabel_->text().simplified());
  prefixField_->setAccessibleDescription(prefixHint_->text());
  castleList_->setAccessibleName(columnHeadings_->text().simplified());
}

void ContactedCastlesWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

bool ContactedCastlesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == castleList_) return isEnterKey(*key);  // Enter in the list presses no button
  if (watched != prefixField_) return QDialog::eventFilter(watched, event);
  if (isEnterKey(*key)) {
    prefixEntered();
    return true;
  }
  return retypeKey(watched, *key, upperTyped);
}

void ContactedCastlesWindow::prefixEntered() {
  const qsizetype length = prefixField_->text().size();
  if (length == 0) {
    platform_.say(this, state_.language(), view_text::CountryEmpty);
  } else if (length > 4) {
    platform_.say(this, state_.language(), view_text::CountryTooLong);
  } else {
    // The list is built when the operator then presses the show button.
    setFieldColour(prefixField_, false);
    setFieldColour(showButton_, true);
    showButton_->setFocus();
  }
}

void ContactedCastlesWindow::display() {
  QByteArrayList rows;
  const LogResult read = contactedCastles(state_.logPath(), toFileBytes(prefixField_->text()), rows);
  // A missing log is an empty list; one that cannot be read is reported.
  if (!read.ok()) platform_.reportFileError(this, state_.language(), FileAction::Read, state_.logPath(), read.detail);
  // Past 9,999 castles every number takes one more column.
  columnHeadings_->setShift(numberWidthFor(qsizetype(rows.size())) - 5);
  rows_->setLines(std::move(rows));
  if (rows_->rowCount() > 0) castleList_->setCurrentIndex(rows_->index(0));
}

Report ContactedCastlesWindow::report(const ReportDate& today) const {
  return castleReport(state_.language(), state_.stationCallsign(), today, rows_->lines());
}

void ContactedCastlesWindow::save() {
  const ReportDate today = reportDate(platform_.clock());
  const QString name = castleReportFileName(state_.language(), state_.stationCallsign(), prefixField_->text(), today);
  saveReportAndSay(this, platform_, state_.language(), state_.dataDir(), name, report(today));
}

void ContactedCastlesWindow::print() {
  printReport(this, platform_, state_.language(), report(reportDate(platform_.clock())));
}

}  // namespace ktl
