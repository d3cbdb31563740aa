#include "views/castles_window.h"

#include "log/lines_model.h"
#include "log/text_codec.h"
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
  Label3 = named(new QLabel, "Label3");
  Type_B = named(new QLineEdit, "Type_B");
  QFont big = Type_B->font();
  big.setBold(true);
  big.setPointSize(12);
  Type_B->setFont(big);
  Type_B->setMaximumWidth(Type_B->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")) + 12);
  setFieldColour(Type_B, false);
  Type_B->installEventFilter(this);
  Label1 = named(new QLabel, "Label1");
  Afficher = named(new QPushButton, "Afficher");
  top->addWidget(Label3);
  top->addWidget(Type_B);
  top->addWidget(Label1);
  top->addStretch(1);
  top->addWidget(Afficher);
  layout->addLayout(top);

  Label2 = named(new QLabel, "Label2");
  Label2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  layout->addWidget(Label2);
  Liste_KTL_Contacte = named(new QListView, "Liste_KTL_Contacte");
  Liste_KTL_Contacte->setModel(rows_);
  Liste_KTL_Contacte->setUniformItemSizes(true);
  Liste_KTL_Contacte->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Liste_KTL_Contacte->setFont(fixedListFont(QStringLiteral("Terminal"), 9));
  Liste_KTL_Contacte->installEventFilter(this);
  layout->addWidget(Liste_KTL_Contacte, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Imprimer = named(new QPushButton, "Imprimer");
  Enregistrer = named(new QPushButton, "Enregistrer");
  Quitter = named(new QPushButton, "Quitter");
  for (QPushButton* b : {Imprimer, Enregistrer, Quitter}) buttons->addWidget(b);
  layout->addLayout(buttons);
  // Enter or Space on a button that has the focus presses it.
  for (QPushButton* b : {Afficher, Imprimer, Enregistrer, Quitter}) b->setAutoDefault(true);
  connect(Afficher, &QPushButton::clicked, this, &ContactedCastlesWindow::display);
  connect(Imprimer, &QPushButton::clicked, this, &ContactedCastlesWindow::print);
  connect(Enregistrer, &QPushButton::clicked, this, &ContactedCastlesWindow::save);
  connect(Quitter, &QPushButton::clicked, this, &QDialog::close);

  retranslate();
  connect(&state_, &ProgramState::languageChanged, this, &ContactedCastlesWindow::retranslate);
  // The rows belong to the station's log: another station closes the window.
  connect(&state_, &ProgramState::stationChanged, this, &QDialog::close);
  resize(1100, 500);
  Type_B->setFocus();
}

void ContactedCastlesWindow::retranslate() {
  applyCaptions(this, castlesCaptions(), state_.language());
  Type_B->setAccessibleName(Label3->text().simplified());
  Type_B->setAccessibleDescription(Label1->text());
  Liste_KTL_Contacte->setAccessibleName(Label2->text().simplified());
}

void ContactedCastlesWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

bool ContactedCastlesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == Liste_KTL_Contacte) return isEnterKey(*key);  // Enter in the list presses no button
  if (watched != Type_B) return QDialog::eventFilter(watched, event);
  if (isEnterKey(*key)) {
    prefixEntered();
    return true;
  }
  return retypeKey(watched, *key, upperTyped);
}

void ContactedCastlesWindow::prefixEntered() {
  const qsizetype length = Type_B->text().size();
  if (length == 0) {
    platform_.say(this, state_.language(), view_text::CountryEmpty);
  } else if (length > 4) {
    platform_.say(this, state_.language(), view_text::CountryTooLong);
  } else {
    // The list is built when the operator then presses Afficher.
    setFieldColour(Type_B, false);
    setFieldColour(Afficher, true);
    Afficher->setFocus();
  }
}

void ContactedCastlesWindow::display() {
  QByteArrayList rows;
  const LogResult read = contactedCastles(state_.logPath(), toFileBytes(Type_B->text()), rows);
  // A missing log is an empty list; one that cannot be read is reported.
  if (!read.ok()) platform_.reportFileError(this, state_.language(), FileAction::Read, state_.logPath(), read.detail);
  rows_->setLines(std::move(rows));
  if (rows_->rowCount() > 0) Liste_KTL_Contacte->setCurrentIndex(rows_->index(0));
}

Report ContactedCastlesWindow::report(const ReportDate& today) const {
  return castleReport(state_.language(), state_.stationCallsign(), today, rows_->lines());
}

void ContactedCastlesWindow::save() {
  const ReportDate today = reportDate(platform_.clock());
  const QString name = castleReportFileName(state_.language(), state_.stationCallsign(), Type_B->text(), today);
  saveReportAndSay(this, platform_, state_.language(), state_.dataDir(), name, report(today));
}

void ContactedCastlesWindow::print() {
  printReport(this, platform_, state_.language(), report(reportDate(platform_.clock())));
}

}  // namespace ktl
