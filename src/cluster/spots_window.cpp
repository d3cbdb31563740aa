#include "cluster/spots_window.h"

#include "cluster/host_name.h"
#include "platform/platform.h"
#include "platform/keyboard.h"
#include "platform/window_services.h"
#include "state/program_state.h"
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

// A limit as Etat_SP words it: whole minutes, else seconds.
QString limitText(int ms) {
  return ms % 60000 == 0 ? QStringLiteral("%1 min").arg(ms / 60000) : QStringLiteral("%1 s").arg((ms + 999) / 1000);
}

}  // namespace

SpotsWindow::SpotsWindow(ProgramState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), model_(worked_) {
  setObjectName(QStringLiteral("Spots_Direct"));
  auto* layout = new QVBoxLayout(this);

  auto* nodeRow = new QHBoxLayout;
  Label1_SP = named(new QLabel, "Label1_SP");
  Hote_SP = named(new QLineEdit, "Hote_SP");
  Label2_SP = named(new QLabel, "Label2_SP");
  Port_SP = named(new QLineEdit, "Port_SP");
  Port_SP->setMaxLength(5);
  Port_SP->setMaximumWidth(Port_SP->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
  Label6_SP = named(new QLabel, "Label6_SP");
  Silence_SP = named(new QSpinBox, "Silence_SP");
  Silence_SP->setRange(kMinSilenceMinutes, kMaxSilenceMinutes);
  // Taken when the operator is done (Enter, leaving the field, an arrow
  // step), not at every digit typed.
  Silence_SP->setKeyboardTracking(false);
  Connexion_SP = button("Connexion_SP");
  Etat_SP = named(new QLabel, "Etat_SP");
  nodeRow->addWidget(Label1_SP);
  nodeRow->addWidget(Hote_SP, 2);
  nodeRow->addWidget(Label2_SP);
  nodeRow->addWidget(Port_SP);
  nodeRow->addWidget(Label6_SP);
  nodeRow->addWidget(Silence_SP);
  nodeRow->addWidget(Connexion_SP);
  nodeRow->addWidget(Etat_SP, 3);
  layout->addLayout(nodeRow);

  auto* filterRow = new QHBoxLayout;
  Chateaux_SP = named(new QCheckBox, "Chateaux_SP");
  Label3_SP = named(new QLabel, "Label3_SP");
  Bande_SP = named(new QComboBox, "Bande_SP");
  Bande_SP->addItem(QString());  // all bands; worded by retranslate()
  for (const Band& band : kBands) Bande_SP->addItem(QString::fromLatin1(band.log));
  Aide_SP = named(new QLabel, "Aide_SP");
  filterRow->addWidget(Chateaux_SP);
  filterRow->addSpacing(20);
  filterRow->addWidget(Label3_SP);
  filterRow->addWidget(Bande_SP);
  filterRow->addStretch(1);
  filterRow->addWidget(Aide_SP);
  layout->addLayout(filterRow);

  Liste_SP = named(new QTableView, "Liste_SP");
  Liste_SP->setModel(&model_);
  Liste_SP->setSelectionBehavior(QAbstractItemView::SelectRows);
  Liste_SP->setSelectionMode(QAbstractItemView::SingleSelection);
  Liste_SP->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Liste_SP->verticalHeader()->hide();
  Liste_SP->verticalHeader()->setDefaultSectionSize(Liste_SP->fontMetrics().height() + 6);
  Liste_SP->horizontalHeader()->setSectionResizeMode(SpotTableModel::Comment, QHeaderView::Stretch);
  Liste_SP->installEventFilter(this);
  layout->addWidget(Liste_SP, 3);

  Label4_SP = named(new QLabel, "Label4_SP");
  Console_SP = named(new QPlainTextEdit, "Console_SP");
  Console_SP->setReadOnly(true);
  Console_SP->setMaximumBlockCount(kConsoleLines);
  Console_SP->setFont(fixedListFont(QStringLiteral("Terminal"), 9));
  layout->addWidget(Label4_SP);
  layout->addWidget(Console_SP, 1);

  auto* commandRow = new QHBoxLayout;
  Label5_SP = named(new QLabel, "Label5_SP");
  Commande_SP = named(new QLineEdit, "Commande_SP");
  Envoi_SP = button("Envoi_SP");
  commandRow->addWidget(Label5_SP);
  commandRow->addWidget(Commande_SP, 1);
  commandRow->addWidget(Envoi_SP);
  layout->addLayout(commandRow);

  for (QLineEdit* e : {Hote_SP, Port_SP, Commande_SP}) e->installEventFilter(this);
  connect(Connexion_SP, &QPushButton::clicked, this, &SpotsWindow::toggleConnection);
  connect(Envoi_SP, &QPushButton::clicked, this, &SpotsWindow::sendCommand);
  connect(Chateaux_SP, &QCheckBox::toggled, this, &SpotsWindow::applyFilter);
  connect(Bande_SP, &QComboBox::currentIndexChanged, this, &SpotsWindow::applyFilter);
  connect(Silence_SP, &QSpinBox::valueChanged, this, &SpotsWindow::applySilence);
  connect(Liste_SP, &QTableView::doubleClicked, this, &SpotsWindow::fillEntry);
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
  Liste_SP->setFocus();
}

void SpotsWindow::retranslate() {
  const Language language = state_.language();
  // Our own texts in an unknown language are shown in French.
  const Language shown = spoken(language);
  applyCaptions(this, spotsCaptions(), shown);
  Bande_SP->setItemText(0, pick(spotsText(SpotsText::AllBands), shown));
  nameAfterLabel(Hote_SP, Label1_SP);
  nameAfterLabel(Port_SP, Label2_SP);
  nameAfterLabel(Silence_SP, Label6_SP);
  nameAfterLabel(Bande_SP, Label3_SP);
  nameAfterLabel(Console_SP, Label4_SP);
  nameAfterLabel(Commande_SP, Label5_SP);
  Liste_SP->setAccessibleName(pick(spotsText(SpotsText::TableName), shown));
  Liste_SP->setAccessibleDescription(Aide_SP->text());
  model_.setLanguage(shown);
  showState();
}

QString SpotsWindow::nodeName() const { return Hote_SP->text().trimmed() + u':' + Port_SP->text().trimmed(); }

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
  Etat_SP->setText(text);
  Etat_SP->setAccessibleName(text);
  const bool idle = client_.state() == SpotClient::State::Idle;
  Connexion_SP->setText(say(idle ? SpotsText::Connect : SpotsText::Disconnect));
}

void SpotsWindow::loadStationSettings() {
  client_.stop();
  Hote_SP->setText(state_.setting(keys::SpotsHost));
  Port_SP->setText(state_.setting(keys::SpotsPort));
  {
    const QSignalBlocker quietBox(Chateaux_SP), quietBand(Bande_SP), quietSilence(Silence_SP);
    Silence_SP->setValue(silenceMinutesOf(state_.setting(keys::SpotsSilence)));
    Chateaux_SP->setChecked(state_.setting(keys::SpotsCastlesOnly) == QLatin1String("1"));
    const QString band = state_.setting(keys::SpotsBand);
    const int found = band.isEmpty() ? -1 : Bande_SP->findText(band, Qt::MatchExactly);
    Bande_SP->setCurrentIndex(found > 0 ? found : 0);
  }
  model_.setFilter(Chateaux_SP->isChecked(), Bande_SP->currentIndex() - 1);
  client_.setIdleLimitMs(Silence_SP->value() * 60000);
  // With its node known the window connects at once.
  if (checkHostName(Hote_SP->text().trimmed()) == HostCheck::Ok && portOf(Port_SP->text()) && state_.hasStation())
    connectToNode();
}

void SpotsWindow::toggleConnection() {
  if (client_.state() == SpotClient::State::Idle)
    connectToNode();
  else
    client_.stop();
}

void SpotsWindow::connectToNode() {
  const QString host = Hote_SP->text().trimmed();
  const quint16 port = portOf(Port_SP->text());
  if (host.isEmpty() || !port) {
    platform_.say(this, state_.language(), spotsText(SpotsText::NodeRefused));
    (host.isEmpty() ? Hote_SP : Port_SP)->setFocus();
    return;
  }
  if (checkHostName(host) != HostCheck::Ok) {
    platform_.say(this, state_.language(), spotsText(SpotsText::HostRefused));
    Hote_SP->setFocus();
    return;
  }
  if (!state_.hasStation()) {
    platform_.say(this, state_.language(), spotsText(SpotsText::NoStation));
    return;
  }
  state_.saveSetting(keys::SpotsHost, host);
  state_.saveSetting(keys::SpotsPort, QString::number(port));
  Port_SP->setText(QString::number(port));
  client_.start(host, port, ProgramState::shownForm(state_.stationCallsign()));
}

void SpotsWindow::onLine(const QString& line) {
  if (auto spot = parseSpot(line))
    model_.add(std::move(*spot));
  else
    Console_SP->appendPlainText(applyTypedErasures(line));
}

void SpotsWindow::sendCommand() {
  const QString command = Commande_SP->text().trimmed();
  if (command.isEmpty()) return;
  if (client_.send(command)) {
    Console_SP->appendPlainText(QStringLiteral("> ") + command);
    Commande_SP->clear();
  } else {
    const Language language = spoken(state_.language());
    Console_SP->appendPlainText(pick(spotsText(SpotsText::NotSent), language));
  }
}

void SpotsWindow::applyFilter() {
  state_.saveSetting(keys::SpotsCastlesOnly, Chateaux_SP->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
  state_.saveSetting(keys::SpotsBand, Bande_SP->currentIndex() > 0 ? Bande_SP->currentText() : QString());
  model_.setFilter(Chateaux_SP->isChecked(), Bande_SP->currentIndex() - 1);
}

void SpotsWindow::applySilence() {
  state_.saveSetting(keys::SpotsSilence, QString::number(Silence_SP->value()));
  client_.setIdleLimitMs(Silence_SP->value() * 60000);
}

void SpotsWindow::fillEntry(const QModelIndex& index) {
  if (!index.isValid() || index.row() >= model_.rowCount()) return;
  const SpotRow& row = model_.spotAt(index.row());
  const CastleRef* ref = row.firstRef();
  state_.fillEntry(row.spot.dxCall, ref ? ref->prefix : QString(), ref ? ref->number : QString(),
                   row.spot.bandText());
}

void SpotsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

bool SpotsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !isEnterKey(*static_cast<QKeyEvent*>(event)))
    return QDialog::eventFilter(watched, event);
  if (watched == Liste_SP)
    fillEntry(Liste_SP->currentIndex());
  else if (watched == Commande_SP)
    sendCommand();
  else if (watched == Hote_SP || watched == Port_SP)
    connectToNode();
  else
    return QDialog::eventFilter(watched, event);
  return true;
}

}  // namespace ktl
