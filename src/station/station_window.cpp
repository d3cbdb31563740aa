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
  Label2 = new QLabel;
  Label2->setObjectName(QStringLiteral("Label2"));
  QFont big = Label2->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 2);
  Label2->setFont(big);
  Label3 = new QLabel;
  Label3->setObjectName(QStringLiteral("Label3"));
  New_Indicatif = new QLineEdit;
  New_Indicatif->setObjectName(QStringLiteral("New_Indicatif"));
  setFieldColour(New_Indicatif, true);
  QFont bold = New_Indicatif->font();
  bold.setBold(true);
  bold.setPointSize(12);
  New_Indicatif->setFont(bold);
  Label5 = new QLabel;
  Label5->setObjectName(QStringLiteral("Label5"));
  setLabelColour(Label5, QColor(255, 0, 0));
  Validation = new QPushButton;
  Validation->setObjectName(QStringLiteral("Validation"));
  Validation->setAutoDefault(false);
  for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3),
                     static_cast<QWidget*>(New_Indicatif), static_cast<QWidget*>(Label5),
                     static_cast<QWidget*>(Validation)})
    layout->addWidget(w);
  applyCaptions(this, stationCaptions(), state_.language());
  nameAfterLabel(New_Indicatif, Label3);
  New_Indicatif->installEventFilter(this);
  connect(Validation, &QPushButton::clicked, this, &StationWindow::confirm);
  New_Indicatif->setFocus();
}

void StationWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

bool StationWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != New_Indicatif || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (isEnterKey(*key)) {
    QPalette p = New_Indicatif->palette();
    p.setColor(QPalette::Base, Qt::white);
    New_Indicatif->setPalette(p);
    Validation->setFocus();
    return true;
  }
  // A typed "/" becomes "_", so the callsign can name a file.
  return retypeKey(New_Indicatif, *key, [](QChar c) { return c == QLatin1Char('/') ? QLatin1Char('_') : upperTyped(c); });
}

void StationWindow::confirm() {
  const QString candidate = New_Indicatif->text().toUpper();
  const Language lang = state_.language();
  switch (checkStationName(candidate)) {
    case StationNameProblem::Empty: platform_.say(this, lang, Msg::StationEmpty); return;
    case StationNameProblem::TooLong: platform_.say(this, lang, Msg::StationTooLong); return;
    case StationNameProblem::BadCharacter:
      platform_.say(this, lang, Msg::StationBadCharacter);
      New_Indicatif->clear();
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
