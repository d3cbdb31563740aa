// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cluster/spots_window.h"

#include "awards/award_list.h"
#include "platform/host_name.h"
#include "extras/extras_store.h"
#include "log/qso_record.h"
#include "log/text_codec.h"
#include "platform/platform.h"
#include "platform/keyboard.h"
#include "platform/window_services.h"
#include "state/program_state.h"
#include "state/window_opener.h"
#include "rig/rig_modes.h"
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
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
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

int ageMinutesOf(const QString& stored) {
  bool ok = false;
  const int minutes = stored.trimmed().toInt(&ok);
  if (ok && minutes >= SpotsWindow::kMinAgeMinutes && minutes <= SpotsWindow::kMaxAgeMinutes) return minutes;
  return QString::fromLatin1(keys::SpotsMaxAge.fallback).toInt();
}

// The mode filter's items in order, with how the settings keep them.
struct ModeItem {
  ModeClass mode;
  SpotsText text;
  const char* stored;
};
constexpr ModeItem kModeItems[] = {{ModeClass::Unknown, SpotsText::ModeAll, ""},
                                   {ModeClass::Cw, SpotsText::ModeCw, "CW"},
                                   {ModeClass::Phone, SpotsText::ModePhone, "PHONE"},
                                   {ModeClass::Data, SpotsText::ModeData, "DATA"}};

QString onOff(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

// A log line's field as text, without its padding.
QString fieldOf(QByteArrayView line, QsoField field) {
  return fromFileBytes(logFieldView(line, field).toByteArray()).trimmed();
}

// The frequency stored beside the log for its line `row` (kHz text), empty
// when none is. Identical lines take their stored records in order.
QString storedKhz(const QString& logPath, const LogListModel& log, int row) {
  const QByteArray key = qsoKey(log.logLine(row));
  int same = 0;
  for (int r = 0; r <= row; ++r) same += qsoKey(log.logLine(r)) == key;
  ExtrasStore store(logPath);
  const QsoExtrasLookup lookup = store.lookup();
  QByteArray fields;
  for (int i = 0; i < same; ++i) fields = lookup(key);
  return khzFromMhzText(QString::fromLatin1(storedValue(fields, "FREQ")));
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
  modeLabel_ = named(new QLabel, "Label7_SP");
  modeFilter_ = named(new QComboBox, "Mode_SP");
  for (std::size_t i = 0; i < std::size(kModeItems); ++i) modeFilter_->addItem(QString());
  ageLabel_ = named(new QLabel, "Label8_SP");
  ageBox_ = named(new QSpinBox, "Age_SP");
  ageBox_->setRange(kMinAgeMinutes, kMaxAgeMinutes);
  ageBox_->setKeyboardTracking(false);
  filterRow->addWidget(castlesOnlyCheck_);
  filterRow->addSpacing(20);
  filterRow->addWidget(bandLabel_);
  filterRow->addWidget(bandFilter_);
  filterRow->addWidget(modeLabel_);
  filterRow->addWidget(modeFilter_);
  filterRow->addWidget(ageLabel_);
  filterRow->addWidget(ageBox_);
  filterRow->addStretch(1);
  layout->addLayout(filterRow);

  auto* huntRow = new QHBoxLayout;
  notifyCheck_ = named(new QCheckBox, "Notif_SP");
  soundCheck_ = named(new QCheckBox, "Son_SP");
  postEntryButton_ = button("Annonce_SP");
  postLastButton_ = button("AnnonceDernier_SP");
  helpLabel_ = named(new QLabel, "Aide_SP");
  helpLabel_->setWordWrap(true);
  huntRow->addWidget(notifyCheck_);
  huntRow->addWidget(soundCheck_);
  huntRow->addWidget(postEntryButton_);
  huntRow->addWidget(postLastButton_);
  huntRow->addWidget(helpLabel_, 1);
  layout->addLayout(huntRow);

  spotTable_ = named(new QTableView, "Liste_SP");
  spotTable_->setModel(&model_);
  spotTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
  spotTable_->setSelectionMode(QAbstractItemView::SingleSelection);
  spotTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // By pixels, so that the operator's spot keeps its place on the screen
  // as rows come in above it.
  spotTable_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  spotTable_->verticalHeader()->hide();
  spotTable_->verticalHeader()->setDefaultSectionSize(spotTable_->fontMetrics().height() + 6);
  spotTable_->horizontalHeader()->setSectionResizeMode(SpotTableModel::Comment, QHeaderView::Stretch);
  spotTable_->horizontalHeader()->resizeSection(SpotTableModel::CastleName,
                                                spotTable_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 24);
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
  connect(modeFilter_, &QComboBox::currentIndexChanged, this, &SpotsWindow::applyFilter);
  connect(silenceBox_, &QSpinBox::valueChanged, this, &SpotsWindow::applySilence);
  connect(ageBox_, &QSpinBox::valueChanged, this, &SpotsWindow::applyAge);
  connect(notifyCheck_, &QCheckBox::toggled, this, &SpotsWindow::applyAlerts);
  connect(soundCheck_, &QCheckBox::toggled, this, &SpotsWindow::applyAlerts);
  connect(postEntryButton_, &QPushButton::clicked, this, &SpotsWindow::postEntry);
  connect(postLastButton_, &QPushButton::clicked, this, &SpotsWindow::postLast);
  connect(spotTable_, &QTableView::doubleClicked, this, &SpotsWindow::fillEntry);
  // The spot chosen is the operator's: the table keeps it, by its id.
  connect(spotTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& row) {
    model_.pin(row.isValid() ? model_.spotAt(row.row()).id : 0);
  });
  connect(&client_, &SpotClient::stateChanged, this, &SpotsWindow::showState);
  connect(&client_, &SpotClient::lineReceived, this, &SpotsWindow::onLine);
  takeTimer_.setSingleShot(true);
  connect(&takeTimer_, &QTimer::timeout, this, &SpotsWindow::takeSpots);
  ageTimer_.start(kAgeCheckMs);
  connect(&ageTimer_, &QTimer::timeout, this, &SpotsWindow::takeSpots);
  countdown_.setSingleShot(true);
  countdown_.setTimerType(Qt::PreciseTimer);
  connect(&countdown_, &QTimer::timeout, this, &SpotsWindow::showState);

  // The castles' names from the award's list, read again when it changes.
  AwardListStore& awardList = AwardListStore::of(state_);
  model_.setNames([&awardList](const CastleRef& ref) { return awardList.nameOf(ref.prefix, ref.number); });
  connect(&awardList, &AwardListStore::changed, this, [this] { model_.renameAll(); });

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
  nameAfterLabel(modeFilter_, modeLabel_);
  nameAfterLabel(ageBox_, ageLabel_);
  for (std::size_t i = 0; i < std::size(kModeItems); ++i)
    modeFilter_->setItemText(int(i), pick(spotsText(kModeItems[i].text), shown));
  nameAfterLabel(console_, consoleLabel_);
  nameAfterLabel(commandField_, commandLabel_);
  spotTable_->setAccessibleName(pick(spotsText(SpotsText::TableName), shown));
  spotTable_->setAccessibleDescription(helpLabel_->text());
  model_.setLanguage(shown);
  fitStatusColumn();
  showState();
}

void SpotsWindow::fitStatusColumn() {
  const Language language = spoken(state_.language());
  // As the item delegate lays a cell out: the text between two margins of
  // the focus frame and one pixel.
  const int margin = 2 * (spotTable_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, spotTable_) + 1);
  int widest = 0;
  for (SpotStatus s : {SpotStatus::New, SpotStatus::Worked, SpotStatus::WorkedOnBand, SpotStatus::CallWorked,
                       SpotStatus::CallWorkedOnBand})
    widest = std::max(widest, spotTable_->fontMetrics().horizontalAdvance(SpotTableModel::statusText(s, language)));
  const QString header = model_.headerData(SpotTableModel::Status, Qt::Horizontal).toString();
  const int headerWidth = spotTable_->horizontalHeader()->fontMetrics().horizontalAdvance(header) +
                          2 * spotTable_->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, spotTable_);
  spotTable_->horizontalHeader()->resizeSection(SpotTableModel::Status, std::max(widest + margin + 2, headerWidth));
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
      const int seconds = std::max(1, (client_.remainingWaitMs() + 999) / 1000);
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
  // The next word when the seconds left change.
  if (client_.state() != SpotClient::State::Waiting)
    countdown_.stop();
  else
    countdown_.start(client_.remainingWaitMs() % 1000 + 1);
}

void SpotsWindow::loadStationSettings() {
  client_.stop();
  hostField_->setText(state_.setting(keys::SpotsHost));
  portField_->setText(state_.setting(keys::SpotsPort));
  {
    const QSignalBlocker quietBox(castlesOnlyCheck_), quietBand(bandFilter_), quietSilence(silenceBox_),
        quietMode(modeFilter_), quietAge(ageBox_), quietNotify(notifyCheck_), quietSound(soundCheck_);
    silenceBox_->setValue(silenceMinutesOf(state_.setting(keys::SpotsSilence)));
    ageBox_->setValue(ageMinutesOf(state_.setting(keys::SpotsMaxAge)));
    notifyCheck_->setChecked(state_.setting(keys::SpotsNotify) != QLatin1String("0"));
    soundCheck_->setChecked(state_.setting(keys::SpotsSound) != QLatin1String("0"));
    const QString mode = state_.setting(keys::SpotsMode);
    modeFilter_->setCurrentIndex(0);
    for (std::size_t i = 1; i < std::size(kModeItems); ++i)
      if (mode == QLatin1String(kModeItems[i].stored)) modeFilter_->setCurrentIndex(int(i));
    castlesOnlyCheck_->setChecked(state_.setting(keys::SpotsCastlesOnly) == QLatin1String("1"));
    const QString band = state_.setting(keys::SpotsBand);
    const int found = band.isEmpty() ? -1 : bandFilter_->findText(band, Qt::MatchExactly);
    bandFilter_->setCurrentIndex(found > 0 ? found : 0);
  }
  model_.setFilter(filterShown());
  model_.setMaxAgeMinutes(ageBox_->value());
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
  if (auto spot = parseSpot(line)) {
    model_.add(std::move(*spot), platform_.clock().now());
  } else {
    if (consoleQueue_.size() >= kConsoleLines) consoleQueue_.removeFirst();
    consoleQueue_.append(applyTypedErasures(line));
  }
  if (!takeTimer_.isActive()) takeTimer_.start(kTakeMs);
}

void SpotsWindow::takeSpots() {
  takeTimer_.stop();
  if (!consoleQueue_.isEmpty()) {
    console_->appendPlainText(consoleQueue_.join(u'\n'));
    consoleQueue_.clear();
  }
  // The operator's spot stays where it is on the screen.
  const quint64 pinned = model_.pinned();
  const int before = model_.rowOf(pinned);
  const int shownAt = before >= 0 ? spotTable_->rowViewportPosition(before) : 0;
  const QList<NewCastleSpot> castles = model_.apply(platform_.clock().now());
  if (const int after = model_.rowOf(pinned); before >= 0 && after >= 0 && after != before) {
    spotTable_->doItemsLayout();  // the scroll bar's range takes the new rows in
    QScrollBar* bar = spotTable_->verticalScrollBar();
    bar->setValue(bar->value() + spotTable_->rowViewportPosition(after) - shownAt);
  }
  alert(castles);
}

void SpotsWindow::alert(const QList<NewCastleSpot>& castles) {
  const bool notices = notifyCheck_->isChecked(), sound = soundCheck_->isChecked();
  if (!notices && !sound) {
    alertQueue_.clear();
    return;
  }
  const QDateTime now = platform_.clock().now();
  for (const NewCastleSpot& c : castles)
    if (alertQueue_.size() < kCastlesPerAlert && throttle_.allow(c.ref, c.band, now)) alertQueue_.append(c);
  if (alertQueue_.isEmpty() || (lastAlert_.isValid() && lastAlert_.secsTo(now) < kAlertGapSecs)) return;
  lastAlert_ = now;
  if (notices) {
    const Language language = spoken(state_.language());
    const Tx& body = spotsText(SpotsText::NotifyBody);
    const auto bandOf = [](int band) { return band < 0 ? QString() : QString::fromLatin1(kBands[band].log); };
    if (alertQueue_.size() == 1) {
      const NewCastleSpot& c = alertQueue_.first();
      const QString what = c.castleName.isEmpty() ? c.ref.text() : c.ref.text() + u' ' + c.castleName;
      platform_.notify(pick(spotsText(SpotsText::NotifyTitle), language).arg(what),
                       pick(body, language).arg(c.dxCall, c.frequency, bandOf(c.band)));
    } else {
      QStringList refs, lines;
      for (const NewCastleSpot& c : std::as_const(alertQueue_)) {
        refs << c.ref.text();
        lines << pick(body, language).arg(c.dxCall + u' ' + c.ref.text(), c.frequency, bandOf(c.band));
      }
      platform_.notify(pick(spotsText(SpotsText::NotifyTitleMany), language).arg(refs.join(QStringLiteral(", "))),
                       lines.join(u'\n'));
    }
  }
  if (sound) platform_.alertSound();
  alertQueue_.clear();
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

SpotFilter SpotsWindow::filterShown() const {
  const int mode = std::max(0, modeFilter_->currentIndex());
  return {castlesOnlyCheck_->isChecked(), bandFilter_->currentIndex() - 1, kModeItems[mode].mode};
}

void SpotsWindow::applyFilter() {
  state_.saveSetting(keys::SpotsCastlesOnly, onOff(castlesOnlyCheck_->isChecked()));
  state_.saveSetting(keys::SpotsBand, bandFilter_->currentIndex() > 0 ? bandFilter_->currentText() : QString());
  state_.saveSetting(keys::SpotsMode, QLatin1String(kModeItems[std::max(0, modeFilter_->currentIndex())].stored));
  model_.setFilter(filterShown());
  selectPinned();
}

void SpotsWindow::selectPinned() {
  const int row = model_.rowOf(model_.pinned());
  if (row < 0) return;
  spotTable_->selectionModel()->setCurrentIndex(model_.index(row, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  spotTable_->scrollTo(model_.index(row, 0));
}

void SpotsWindow::applyAge() {
  state_.saveSetting(keys::SpotsMaxAge, QString::number(ageBox_->value()));
  model_.setMaxAgeMinutes(ageBox_->value());
  takeSpots();
}

void SpotsWindow::applyAlerts() {
  state_.saveSetting(keys::SpotsNotify, onOff(notifyCheck_->isChecked()));
  state_.saveSetting(keys::SpotsSound, onOff(soundCheck_->isChecked()));
}

void SpotsWindow::applySilence() {
  state_.saveSetting(keys::SpotsSilence, QString::number(silenceBox_->value()));
  client_.setIdleLimitMs(silenceBox_->value() * 60000);
}

void SpotsWindow::fillEntry(const QModelIndex& index) {
  if (!index.isValid() || index.row() >= model_.rowCount()) return;
  const SpotRow& row = model_.spotAt(index.row());
  const Spot spot = row.spot;
  const CastleRef* ref = row.firstRef();
  windows_.fillEntry(spot.dxCall, ref ? ref->prefix : QString(), ref ? ref->number : QString(), spot.bandText());
  // The rig to the spot, in the mode its comment or the band plan gives
  // (none: the rig keeps its mode).
  if (RigLink* rig = state_.rig(); rig && rig->linkUp())
    rig->tune(qRound64(spot.khz * 1000.0), rigModeForSpot(spot.khz, spot.comment).value_or(QString()));
}

void SpotsWindow::postEntry() {
  const EntryDraft entry = windows_.entryDraft();
  if (entry.callsign.isEmpty()) {
    platform_.say(this, state_.language(), spotsText(SpotsText::PostNoEntry));
    return;
  }
  // The QSO is on the air now: the rig's frequency, when one answers.
  QString khz;
  if (RigLink* rig = state_.rig(); rig && rig->linkUp() && rig->frequencyHz() > 0)
    khz = khzText(double(rig->frequencyHz()) / 1000.0);
  offerPost(postSpotCommand(khz, entry.callsign, entry.prefix, entry.number));
}

void SpotsWindow::postLast() {
  const LogListModel& log = state_.logModel();
  const int last = log.rowCount() - 1;
  if (last < 0) {
    platform_.say(this, state_.language(), spotsText(SpotsText::PostNoQso));
    return;
  }
  const QByteArrayView line = log.logLine(last);
  offerPost(postSpotCommand(storedKhz(state_.logPath(), log, last), fieldOf(line, QsoField::Callsign),
                            fieldOf(line, QsoField::CountryPrefix), fieldOf(line, QsoField::CastleNumber)));
}

void SpotsWindow::offerPost(const QString& command) {
  commandField_->setText(command);
  commandField_->setFocus();
  // Without a frequency, the cursor waits where it goes.
  static const QString noFrequency = QStringLiteral("DX  ");
  commandField_->setCursorPosition(command.startsWith(noFrequency) ? 3 : int(command.size()));
  console_->appendPlainText(pick(spotsText(SpotsText::PostCheck), spoken(state_.language())));
}

void SpotsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

bool SpotsWindow::eventFilter(QObject* watched, QEvent* event) {
  // Escape in a command being checked abandons it; the window stays.
  if (event->type() == QEvent::KeyPress && watched == commandField_ &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !commandField_->text().isEmpty()) {
    commandField_->clear();
    return true;
  }
  if (event->type() != QEvent::KeyPress || !isEnterKey(*static_cast<QKeyEvent*>(event)))
    return QDialog::eventFilter(watched, event);
  if (watched == spotTable_) {
    // The spot the operator sees selected: the table never removes it, so
    // the current row follows it wherever new rows put it.
    fillEntry(spotTable_->currentIndex());
  } else if (watched == commandField_) {
    sendCommand();
  } else if (watched == hostField_ || watched == portField_) {
    connectToNode();
  } else {
    return QDialog::eventFilter(watched, event);
  }
  return true;
}

}  // namespace ktl
