// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/station_window.h"

#include "platform/data_dir.h"
#include "platform/keyboard.h"
#include "platform/platform.h"
#include "platform/window_services.h"
#include "state/program_state.h"
#include "state/station_name.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktl {

StationWindow::StationWindow(ProgramState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
  setObjectName(QStringLiteral("Station"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel;
  title->setObjectName(QStringLiteral("Label2"));
  QFont big = title->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 2);
  title->setFont(big);
  auto* callsignLabel = new QLabel;
  callsignLabel->setObjectName(QStringLiteral("Label3"));
  callsignField_ = new QLineEdit;
  callsignField_->setObjectName(QStringLiteral("New_Indicatif"));
  setFieldColour(callsignField_, true);
  QFont bold = callsignField_->font();
  bold.setBold(true);
  bold.setPointSize(12);
  callsignField_->setFont(bold);
  auto* slashNote = new QLabel;
  slashNote->setObjectName(QStringLiteral("Label5"));
  setLabelColour(slashNote, QColor(255, 0, 0));
  confirmButton_ = new QPushButton;
  confirmButton_->setObjectName(QStringLiteral("Validation"));
  confirmButton_->setAutoDefault(false);
  for (QWidget* w : {static_cast<QWidget*>(title), static_cast<QWidget*>(callsignLabel),
                     static_cast<QWidget*>(callsignField_), static_cast<QWidget*>(slashNote),
                     static_cast<QWidget*>(confirmButton_)})
    layout->addWidget(w);
  applyCaptions(this, stationCaptions(), state_.language());
  nameAfterLabel(callsignField_, callsignLabel);
  callsignField_->installEventFilter(this);
  connect(confirmButton_, &QPushButton::clicked, this, &StationWindow::confirm);
  callsignField_->setFocus();
}

void StationWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

bool StationWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != callsignField_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (isEnterKey(*key)) {
    QPalette p = callsignField_->palette();
    p.setColor(QPalette::Base, Qt::white);
    callsignField_->setPalette(p);
    confirmButton_->setFocus();
    return true;
  }
  // A typed "/" becomes "_", so the callsign can name a file.
  return retypeKey(callsignField_, *key, [](QChar c) { return c == QLatin1Char('/') ? QLatin1Char('_') : upperTyped(c); });
}

void StationWindow::confirm() {
  const QString candidate = callsignField_->text().toUpper();
  const Language lang = state_.language();
  switch (checkStationName(candidate)) {
    case StationNameProblem::Empty: platform_.say(this, lang, Msg::StationEmpty); return;
    case StationNameProblem::TooLong: platform_.say(this, lang, Msg::StationTooLong); return;
    case StationNameProblem::BadCharacter:
      platform_.say(this, lang, Msg::StationBadCharacter);
      callsignField_->clear();
      return;
    case StationNameProblem::None: break;
  }
  const LogResult result = state_.changeStation(candidate);
  if (!result.ok()) {
    // A log that cannot be created leaves the station as it was, for another
    // try; a log that exists but cannot be read is the station's all the same.
    const bool created = result.status != LogResult::WriteFailed;
    platform_.reportFileError(this, lang, created ? FileAction::Read : FileAction::Write,
                              logFilePath(state_.dataDir(), candidate), result.detail);
    if (!created) return;
  }
  close();
}

}  // namespace ktl
