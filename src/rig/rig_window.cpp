// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rig/rig_window.h"

#include "platform/host_name.h"
#include "platform/keyboard.h"
#include "platform/platform.h"
#include "platform/window_services.h"
#include "rig/rig_control.h"
#include "rig/rig_settings.h"
#include "rig/rig_texts.h"
#include "state/program_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ktl {

namespace {

constexpr int kNumberRole = Qt::UserRole;
constexpr int kSearchRole = Qt::UserRole + 1;
constexpr int kSpeeds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

// What a search compares: letters and digits only, in lower case, so that
// "ic7300" finds "IC-7300".
QString searchForm(const QString& text) {
  QString out;
  for (QChar c : text)
    if (c.isLetterOrNumber()) out += c.toLower();
  return out;
}

QString modelText(const RigModel& m) {
  return QStringLiteral("%1  %2 %3 (%4)").arg(m.number).arg(m.manufacturer, m.name, m.status);
}

QPushButton* button(const char* name) {
  auto* b = named(new QPushButton, name);
  // Enter in the fields moves on; it clicks a button only when the button
  // has the focus.
  b->setAutoDefault(false);
  return b;
}

}  // namespace

RigWindow::RigWindow(ProgramState& state, Platform& platform, RigControl& rig, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), rig_(rig) {
  setObjectName(QStringLiteral("Radio"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);

  activeBox_ = named(new QCheckBox, "Actif_RG");
  hostLabel_ = named(new QLabel, "Label1_RG");
  hostField_ = named(new QLineEdit, "Hote_RG");
  portLabel_ = named(new QLabel, "Label2_RG");
  portField_ = named(new QLineEdit, "Port_RG");
  portField_->setMaxLength(5);
  pollLabel_ = named(new QLabel, "Label3_RG");
  pollBox_ = named(new QSpinBox, "Intervalle_RG");
  pollBox_->setRange(RigSettings::kMinPollMs, RigSettings::kMaxPollMs);
  pollBox_->setSingleStep(100);
  daemonBox_ = named(new QCheckBox, "Lancer_RG");
  searchLabel_ = named(new QLabel, "Label4_RG");
  searchField_ = named(new QLineEdit, "Recherche_RG");
  modelsNote_ = named(new QLabel, "Note_RG");
  modelView_ = named(new QListView, "Modeles_RG");
  modelView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  modelView_->setUniformItemSizes(true);  // some thousand rows, measured once
  filtered_.setSourceModel(&models_);
  filtered_.setFilterRole(kSearchRole);
  modelView_->setModel(&filtered_);
  modelLabel_ = named(new QLabel, "Label5_RG");
  modelShown_ = named(new QLabel, "Modele_RG");
  deviceLabel_ = named(new QLabel, "Label6_RG");
  deviceField_ = named(new QLineEdit, "Peripherique_RG");
  speedLabel_ = named(new QLabel, "Label7_RG");
  speedBox_ = named(new QComboBox, "Vitesse_RG");
  speedBox_->setEditable(true);
  speedBox_->setInsertPolicy(QComboBox::NoInsert);
  speedBox_->addItem(QString());  // the model's own speed; worded by retranslate()
  for (int speed : kSpeeds) speedBox_->addItem(QString::number(speed));
  stateLabel_ = named(new QLabel, "Etat_RG");
  stateLabel_->setWordWrap(true);
  stateLabel_->setMargin(3);
  okButton_ = button("Valider_RG");
  closeButton_ = button("Fermer_RG");

  int row = 0;
  grid->addWidget(activeBox_, row++, 0, 1, 4);
  grid->addWidget(hostLabel_, row, 0);
  grid->addWidget(hostField_, row, 1);
  grid->addWidget(portLabel_, row, 2);
  grid->addWidget(portField_, row++, 3);
  grid->addWidget(pollLabel_, row, 0);
  grid->addWidget(pollBox_, row++, 1);
  grid->addWidget(daemonBox_, row++, 0, 1, 4);
  grid->addWidget(searchLabel_, row, 0);
  grid->addWidget(searchField_, row++, 1, 1, 3);
  grid->addWidget(modelsNote_, row++, 0, 1, 4);
  grid->addWidget(modelView_, row++, 0, 1, 4);
  grid->addWidget(modelLabel_, row, 0);
  grid->addWidget(modelShown_, row++, 1, 1, 3);
  grid->addWidget(deviceLabel_, row, 0);
  grid->addWidget(deviceField_, row, 1);
  grid->addWidget(speedLabel_, row, 2);
  grid->addWidget(speedBox_, row++, 3);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row - 3, 1);
  layout->addWidget(stateLabel_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(okButton_);
  buttons->addWidget(closeButton_);
  layout->addLayout(buttons);

  QWidget* chain[] = {activeBox_, hostField_, portField_, pollBox_, daemonBox_, searchField_, modelView_,
                      deviceField_, speedBox_, okButton_, closeButton_};
  for (size_t i = 0; i + 1 < std::size(chain); ++i) setTabOrder(chain[i], chain[i + 1]);
  for (QWidget* w : {static_cast<QWidget*>(activeBox_), static_cast<QWidget*>(hostField_),
                     static_cast<QWidget*>(portField_), static_cast<QWidget*>(pollBox_),
                     static_cast<QWidget*>(daemonBox_), static_cast<QWidget*>(searchField_),
                     static_cast<QWidget*>(modelView_), static_cast<QWidget*>(deviceField_),
                     static_cast<QWidget*>(speedBox_), static_cast<QWidget*>(speedBox_->lineEdit())})
    w->installEventFilter(this);

  connect(daemonBox_, &QCheckBox::toggled, this, &RigWindow::enableFields);
  connect(activeBox_, &QCheckBox::toggled, this, &RigWindow::enableFields);
  connect(searchField_, &QLineEdit::textChanged, this, &RigWindow::search);
  connect(modelView_, &QListView::activated, this, &RigWindow::chooseModel);
  connect(modelView_, &QListView::clicked, this, &RigWindow::chooseModel);
  connect(okButton_, &QPushButton::clicked, this, &RigWindow::save);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
  connect(&query_, &RigModelQuery::finished, this, &RigWindow::showModels);
  connect(&state_, &ProgramState::languageChanged, this, &RigWindow::retranslate);
  connect(&state_, &ProgramState::stationChanged, this, &RigWindow::load);
  connect(&state_, &ProgramState::rigChanged, this, &RigWindow::attachRig);

  load();
  retranslate();
  attachRig();
  resize(620, 560);
  activeBox_->setFocus();
  // Hamlib's list comes from rigctl, in the background.
  query_.start();
}

void RigWindow::retranslate() {
  // Our own texts in an unknown language are shown in French.
  const Language shown = spoken(state_.language());
  applyCaptions(this, rigCaptions(), shown);
  nameAfterLabel(hostField_, hostLabel_);
  nameAfterLabel(portField_, portLabel_);
  nameAfterLabel(pollBox_, pollLabel_);
  nameAfterLabel(searchField_, searchLabel_);
  nameAfterLabel(deviceField_, deviceLabel_);
  nameAfterLabel(speedBox_, speedLabel_);
  modelView_->setAccessibleName(pick(rigText(RigText::ModelListName), shown));
  speedBox_->setItemText(0, pick(rigText(RigText::DefaultSpeed), shown));
  showModels(known_, modelsError_);
  showChosenModel();
  showRigState();
}

void RigWindow::load() {
  const RigSettings s = readRigSettings(state_.settings(), state_.stationCallsign());
  activeBox_->setChecked(s.active);
  hostField_->setText(s.host);
  portField_->setText(QString::number(s.port));
  pollBox_->setValue(s.pollMs);
  daemonBox_->setChecked(s.startDaemon);
  model_ = s.model;
  deviceField_->setText(s.device);
  const int speed = s.speed > 0 ? speedBox_->findText(QString::number(s.speed)) : 0;
  speedBox_->setCurrentIndex(std::max(speed, 0));
  if (speed < 0) speedBox_->setEditText(QString::number(s.speed));
  enableFields();
  showChosenModel();
}

void RigWindow::showModels(const QList<RigModel>& models, const QString& error) {
  const Language shown = spoken(state_.language());
  if (!modelsLoaded_ && (!models.isEmpty() || !error.isEmpty())) {
    modelsLoaded_ = true;
    known_ = models;
    modelsError_ = error;
    models_.clear();
    for (const RigModel& m : models) {
      auto* item = new QStandardItem(modelText(m));
      item->setData(m.number, kNumberRole);
      item->setData(searchForm(modelText(m)), kSearchRole);
      models_.appendRow(item);
    }
    showChosenModel();
  }
  if (!modelsLoaded_)
    modelsNote_->setText(pick(rigText(RigText::ModelsLoading), shown));
  else if (known_.isEmpty())
    modelsNote_->setText(pick(rigText(RigText::ModelsFailed), shown).arg(modelsError_));
  modelsNote_->setVisible(!modelsLoaded_ || known_.isEmpty());
}

void RigWindow::search(const QString& text) {
  filtered_.setFilterFixedString(searchForm(text));
  // The first match is where Enter takes the operator; without a search,
  // the model chosen.
  if (searchForm(text).isEmpty())
    showChosenModel();
  else if (filtered_.rowCount() > 0)
    modelView_->setCurrentIndex(filtered_.index(0, 0));
}

void RigWindow::chooseModel(const QModelIndex& index) {
  if (!index.isValid()) return;
  model_ = index.data(kNumberRole).toInt();
  showChosenModel();
}

void RigWindow::showChosenModel() {
  QString text = model_ > 0 ? QString::number(model_) : pick(rigText(RigText::NoModel), spoken(state_.language()));
  for (int row = 0; row < models_.rowCount(); ++row) {
    if (models_.item(row)->data(kNumberRole).toInt() != model_) continue;
    text = models_.item(row)->text();
    // The list shows where the chosen model is, unless a search hides it.
    const QModelIndex at = filtered_.mapFromSource(models_.index(row, 0));
    if (at.isValid()) modelView_->setCurrentIndex(at);
    break;
  }
  modelShown_->setText(text);
  modelShown_->setAccessibleName(modelLabel_->text() + QStringLiteral(" : ") + text);
}

void RigWindow::enableFields() {
  // The program's own rigctld listens on the loopback: no host to give it.
  const bool daemon = daemonBox_->isChecked();
  hostField_->setEnabled(!daemon);
  for (QWidget* w : {static_cast<QWidget*>(searchField_), static_cast<QWidget*>(modelView_),
                     static_cast<QWidget*>(deviceField_), static_cast<QWidget*>(speedBox_)})
    w->setEnabled(daemon);
}

void RigWindow::attachRig() {
  disconnect(rigChanges_);
  if (RigLink* rig = state_.rig()) rigChanges_ = connect(rig, &RigLink::changed, this, &RigWindow::showRigState);
  showRigState();
}

void RigWindow::showRigState() {
  const Language shown = spoken(state_.language());
  const RigLink* rig = state_.rig();
  const QString text = rig ? rig->statusText(int(shown)) : pick(rigText(RigText::NoRig), shown);
  stateLabel_->setText(text);
  stateLabel_->setAccessibleName(text);
  setLabelColour(stateLabel_, rig && rig->inTrouble() ? QColor(160, 0, 0)
                              : rig && rig->linkUp()  ? QColor(0, 100, 0)
                                                      : QColor(0, 0, 0));
}

void RigWindow::save() {
  const Language language = state_.language();
  const auto refuse = [&](RigText why, QWidget* field) {
    platform_.say(this, language, rigText(why));
    field->setFocus();
  };
  RigSettings s;
  s.active = activeBox_->isChecked();
  s.startDaemon = daemonBox_->isChecked();
  s.host = hostField_->text().trimmed();
  if (!s.startDaemon && checkHostName(s.host) != HostCheck::Ok) return refuse(RigText::HostRefused, hostField_);
  if (s.startDaemon && s.host.isEmpty()) s.host = RigSettings{}.host;
  bool ok = false;
  const uint port = portField_->text().trimmed().toUInt(&ok);
  if (!ok || port < 1 || port > 65535) return refuse(RigText::PortRefused, portField_);
  s.port = quint16(port);
  s.pollMs = pollBox_->value();
  s.model = model_;
  if (s.startDaemon && s.model <= 0) return refuse(RigText::ModelRefused, searchField_);
  s.device = deviceField_->text().trimmed();
  s.speed = 0;
  if (speedBox_->currentIndex() != 0 || speedBox_->currentText() != speedBox_->itemText(0)) {
    const int speed = speedBox_->currentText().trimmed().toInt(&ok);
    if (!ok || speed < 0 || speed > RigSettings::kMaxSpeed) return refuse(RigText::SpeedRefused, speedBox_);
    s.speed = speed;
  }
  writeRigSettings(state_.settings(), state_.stationCallsign(), s);
  portField_->setText(QString::number(s.port));
  // Confirmed again, a rig that failed is tried again.
  rig_.apply(true);
  close();
}

bool RigWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (watched == searchField_ && key->key() == Qt::Key_Down && filtered_.rowCount() > 0) {
    modelView_->setFocus();
    return true;
  }
  if (!isEnterKey(*key)) return QDialog::eventFilter(watched, event);
  if (watched == searchField_) {
    if (filtered_.rowCount() == 0) return true;
    if (!modelView_->currentIndex().isValid()) modelView_->setCurrentIndex(filtered_.index(0, 0));
    modelView_->setFocus();
    return true;
  }
  if (watched == modelView_) chooseModel(modelView_->currentIndex());
  focusNextChild();
  return true;
}

}  // namespace ktl
