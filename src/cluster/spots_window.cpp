#include "cluster/spots_window.h"

#include "cluster/host_name.h"
#include "platform/platform.h"
#include "platform/keyboard.h"
#include "platform/window_services.h"
#include "state/program_state.h"
#include "state/window_opener.h"
#include "texts/spots_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace ktl {

namespace {

QPushButton* button(const char* name) {
  auto* b = named(new QPushButton, name);
  // Enter in the fields and the table has its own meaning here; no button
  // takes it as the window's default.
  b->setAutoDefault(false);
  return b;
}

// A port as the operator typed or stored it: 1 to 65535, else 0.
quint16 portOf(const QString& text) {
  bool ok = false;
  const uint port = text.trimmed().toUInt(&ok);
  return ok && port >= 1 && port <= 65535 ? quint16(port) : 0;
}

// The stored silence limit in minutes; anything but a whole number in the
// spin box's range (an edited settings file) gives the default.
int silenceMinutesOf(const QString& stored) {
  bool ok = false;
  const int minutes = stored.trimmed().toInt(&ok);
  if (ok && minutes >= SpotsWindow::kMinSilenceMinutes && minutes <= SpotsWindow::kMaxSilenceMinutes) return minutes;
  return QString::fromLatin1(keys::SpotsSilence.fallback).toInt();
}

// A limit as the state label words it: whole minutes, else seconds.
QString limitText(int ms) {
  return ms % 60000 == 0 ? QStringLiteral("%1 min").arg(ms / 60000) : QStringLiteral("%1 s").arg((ms + 999) / 1000);
}

}  // namespace

SpotsWindow::SpotsWindow(ProgramState& state, Platform& platform, WindowOpener& windows, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), windows_(windows), model_(worked_) {
  setObjectName(QStringLiteral("Spots_Direct"));
  auto* layout = new QVBoxLayout(this);

  auto* nodeRow = new QHBoxLayout;
  hostLabel_ = named(new QLabel, "Label1_SP");
  hostField_ = named(new QLineEdit, "Hote_SP");
  portLabel_ = named(new QLabel, "Label2_SP");
  portField_ = named(new QLineEdit, "Port_SP");
  portField_->setMaxLength(5);
  portField_->setMaximumWidth(portField_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
  silenceLabel_ = named(new QLabel, "Label6_SP");
  silenceBox_ = named(new QSpinBox, "Silence_SP");
  silenceBox_->setRange(kMinSilenceMinutes, kMaxSilenceMinutes);
  // Taken when the operator is done (Enter, leaving the field, an arrow
  // step), not at every digit typed.
  silenceBox_->setKeyboardTracking(false);
  connectButton_ = button("Connexion_SP");
  stateLabel_ = named(new QLabel, "Etat_SP");
  nodeRow->addWidget(hostLabel_);
  nodeRow->addWidget(hostField_, 2);
  nodeRow->addWidget(portLabel_);
  nodeRow->addWidget(portField_);
  nodeRow->addWidget(silenceLabel_);
  nodeRow->addWidget(silenceBox_);
  nodeRow->addWidget(connectButton_);
  nodeRow->addWidget(stateLabel_, 3);
  layout->addLayout(nodeRow);

  auto* filterRow = new QHBoxLayout;
  castlesOnlyCheck_ = named(new QCheckBox, "Chateaux_SP");
  bandLabel_ = named(new QLabel, "Label3_SP");
  bandFilter_ = named(new QComboBox, "Bande_SP");
  bandFilter_->addItem(QString());  // all bands; worded by retranslate()
  for (const Band& band : kBands) bandFilter_->addItem(QString::fromLatin1(band.log));
  helpLabel_ = named(new QLabel, "Aide_SP");
  filterRow->addWidget(castlesOnlyCheck_);
  filterRow->addSpacing(20);
  filterRow->addWidget(bandLabel_);
  filterRow->addWidget(bandFilter_);
  filterRow->addStretch(1);
  filterRow->addWidget(helpLabel_);
  layout->addLayout(filterRow);

  spotTable_ = named(new QTableView, "Liste_SP");
  spotTable_->setModel(&model_);
  spotTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
  spotTable_->setSelectionMode(QAbstractItemView::SingleSelection);
  spotTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  spotTable_->verticalHeader()->hide();
  spotTable_->verticalHeader()->setDefaultSectionSize(spotTable_->fontMetrics().height() + 6);
  spotTable_->horizontalHeader()->setSectionResizeMode(SpotTableModel::Comment, QHeaderView::Stretch);
  spotTable_->installEventFilter(this);
  layout->addWidget(spotTable_, 3);

  consoleLabel_ = named(new QLabel, "Label4_SP");
  console_ = named(new QPlainTextEdit, "Console_SP");
  console_->setReadOnly(true);
  console_->setMaximumBlockCount(kConsoleLines);
  console_->setFont(fixedListFont(QStringLiteral("Terminal"), 9));
  layout->addWidget(consoleLabel_);
  layout->addWidget(console_, 1);

  auto* commandRow = new QHBoxLayout;
  commandLabel_ = named(new QLabel, "Label5_SP");
  commandField_ = named(new QLineEdit, "Commande_SP");
  auto* sendButton = button("Envoi_SP");
  commandRow->addWidget(commandLabel_);
  commandRow->addWidget(commandField_, 1);
  commandRow->addWidget(sendButton);
  layout->addLayout(commandRow);

  for (QLineEdit* e : {hostField_, portField_, commandField_}) e->installEventFilter(this);
  connect(connectButton_, &QPushButton::clicked, this, &SpotsWindow::toggleConnection);
  connect(sendButton, &QPushButton::clicked, this, &SpotsWindow::sendCommand);
  connect(castlesOnlyCheck_, &QCheckBox::toggled, this, &SpotsWindow::applyFilter);
  connect(bandFilter_, &QComboBox::currentIndexChanged, this, &SpotsWindow::applyFilter);
  connect(silenceBox_, &QSpinBox::valueChanged, this, &SpotsWindow::applySilence);
  connect(spotTable_, &QTableView::doubleClicked, this, &SpotsWindow::fillEntry);
  connect(&client_, &SpotClient::stateChanged, this, &SpotsWindow::showState);
  connect(&client_, &SpotClient::lineReceived, this, &SpotsWindow::onLine);

  // The marks follow the log: every change to it reloads the QSO list.
  worked_.rebuild(state_.logModel());
  connect(&state_.logModel(), &QAbstractItemModel::modelReset, this, [this] {
    worked_.rebuild(state_.logModel());
    model_.reclassify();
  });
  connect(&state_, &ProgramState::languageChanged, this, &SpotsWindow::retranslate);
  // Another station logs in with its own callsign to its own node.
  connect(&state_, &ProgramState::stationChanged, this, &SpotsWindow::loadStationSettings);

  retranslate();
  resize(940, 620);
  loadStationSettings();
  spotTable_->setFocus();
}

void SpotsWindow::retranslate() {
  const Language language = state_.language();
  // Our own texts in an unknown language are shown in French.
  const Language shown = spoken(language);
  applyCaptions(this, spotsCaptions(), shown);
  bandFilter_->setItemText(0, pick(spotsText(SpotsText::AllBands), shown));
  nameAfterLabel(hostField_, hostLabel_);
  nameAfterLabel(portField_, portLabel_);
  nameAfterLabel(silenceBox_, silenceLabel_);
  nameAfterLabel(bandFilter_, bandLabel_);
  nameAfterLabel(console_, consoleLabel_);
  nameAfterLabel(commandField_, commandLabel_);
  spotTable_->setAccessibleName(pick(spotsText(SpotsText::TableName), shown));
  spotTable_->setAccessibleDescription(helpLabel_->text());
  model_.setLanguage(shown);
  showState();
}

QString SpotsWindow::nodeName() const { return hostField_->text().trimmed() + u':' + portField_->text().trimmed(); }

void SpotsWindow::showState() {
  const Language language = spoken(state_.language());
  const auto say = [language](SpotsText id) { return pick(spotsText(id), language); };
  QString text;
  switch (client_.state()) {
    case SpotClient::State::Idle: text = say(SpotsText::StateIdle); break;
    case SpotClient::State::Connecting: text = say(SpotsText::StateConnecting).arg(nodeName()); break;
    case SpotClient::State::Connected: text = say(SpotsText::StateConnected).arg(nodeName()); break;
    case SpotClient::State::Waiting: {
      const int seconds = (client_.waitMs() + 999) / 1000;
      text = client_.droppedForSilence()
                 ? say(SpotsText::StateSilent).arg(seconds).arg(limitText(client_.idleLimitMs()))
                 : say(SpotsText::StateWaiting).arg(seconds).arg(client_.lastError());
      break;
    }
  }
  stateLabel_->setText(text);
  stateLabel_->setAccessibleName(text);
  const bool idle = client_.state() == SpotClient::State::Idle;
  connectButton_->setText(say(idle ? SpotsText::Connect : SpotsText::Disconnect));
}

void SpotsWindow::loadStationSettings() {
  client_.stop();
  hostField_->setText(state_.setting(keys::SpotsHost));
  portField_->setText(state_.setting(keys::SpotsPort));
  {
    const QSignalBlocker quietBox(castlesOnlyCheck_), quietBand(bandFilter_), quietSilence(silenceBox_);
    silenceBox_->setValue(silenceMinutesOf(state_.setting(keys::SpotsSilence)));
    castlesOnlyCheck_->setChecked(state_.setting(keys::SpotsCastlesOnly) == QLatin1String("1"));
    const QString band = state_.setting(keys::SpotsBand);
    const int found = band.isEmpty() ? -1 : bandFilter_->findText(band, Qt::MatchExactly);
    bandFilter_->setCurrentIndex(found > 0 ? found : 0);
  }
  model_.setFilter(castlesOnlyCheck_->isChecked(), bandFilter_->currentIndex() - 1);
  client_.setIdleLimitMs(silenceBox_->value() * 60000);
  // With its node known the window connects at once.
  if (checkHostName(hostField_->text().trimmed()) == HostCheck::Ok && portOf(portField_->text()) && state_.hasStation())
    connectToNode();
}

void SpotsWindow::toggleConnection() {
  if (client_.state() == SpotClient::State::Idle)
    connectToNode();
  else
    client_.stop();
}

void SpotsWindow::connectToNode() {
  const QString host = hostField_->text().trimmed();
  const quint16 port = portOf(portField_->text());
  if (host.isEmpty() || !port) {
    platform_.say(this, state_.language(), spotsText(SpotsText::NodeRefused));
    (host.isEmpty() ? hostField_ : portField_)->setFocus();
    return;
  }
  if (checkHostName(host) != HostCheck::Ok) {
    platform_.say(this, state_.language(), spotsText(SpotsText::HostRefused));
    hostField_->setFocus();
    return;
  }
  if (!state_.hasStation()) {
    platform_.say(this, state_.language(), spotsText(SpotsText::NoStation));
    return;
  }
  state_.saveSetting(keys::SpotsHost, host);
  state_.saveSetting(keys::SpotsPort, QString::number(port));
  portField_->setText(QString::number(port));
  client_.start(host, port, ProgramState::shownForm(state_.stationCallsign()));
}

void SpotsWindow::onLine(const QString& line) {
  if (auto spot = parseSpot(line))
    model_.add(std::move(*spot));
  else
    console_->appendPlainText(applyTypedErasures(line));
}

void SpotsWindow::sendCommand() {
  const QString command = commandField_->text().trimmed();
  if (command.isEmpty()) return;
  if (client_.send(command)) {
    console_->appendPlainText(QStringLiteral("> ") + command);
    commandField_->clear();
  } else {
    const Language language = spoken(state_.language());
    console_->appendPlainText(pick(spotsText(SpotsText::NotSent), language));
  }
}

void SpotsWindow::applyFilter() {
  state_.saveSetting(keys::SpotsCastlesOnly, castlesOnlyCheck_->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
  state_.saveSetting(keys::SpotsBand, bandFilter_->currentIndex() > 0 ? bandFilter_->currentText() : QString());
  model_.setFilter(castlesOnlyCheck_->isChecked(), bandFilter_->currentIndex() - 1);
}

void SpotsWindow::applySilence() {
  state_.saveSetting(keys::SpotsSilence, QString::number(silenceBox_->value()));
  client_.setIdleLimitMs(silenceBox_->value() * 60000);
}

void SpotsWindow::fillEntry(const QModelIndex& index) {
  if (!index.isValid() || index.row() >= model_.rowCount()) return;
  const SpotRow& row = model_.spotAt(index.row());
  const CastleRef* ref = row.firstRef();
  windows_.fillEntry(row.spot.dxCall, ref ? ref->prefix : QString(), ref ? ref->number : QString(),
                   row.spot.bandText());
}

void SpotsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

bool SpotsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !isEnterKey(*static_cast<QKeyEvent*>(event)))
    return QDialog::eventFilter(watched, event);
  if (watched == spotTable_)
    fillEntry(spotTable_->currentIndex());
  else if (watched == commandField_)
    sendCommand();
  else if (watched == hostField_ || watched == portField_)
    connectToNode();
  else
    return QDialog::eventFilter(watched, event);
  return true;
}

}  // namespace ktl
