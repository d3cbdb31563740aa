// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/prefix_editor_window.h"

#include "log/text_codec.h"
#include "platform/keyboard.h"
#include "platform/platform.h"
#include "platform/window_services.h"
#include "state/program_state.h"
#include "texts/view_texts.h"
#include "views/prefix_table.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktl {

PrefixEditorWindow::PrefixEditorWindow(ProgramState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
  setObjectName(QStringLiteral("Ajout_Ref"));
  auto* layout = new QVBoxLayout(this);
  auto* title = named(new QLabel, "Label2");
  QFont heading = title->font();
  heading.setBold(true);
  heading.setPointSize(heading.pointSize() + 2);
  title->setFont(heading);
  layout->addWidget(title);

  auto* modes = new QHBoxLayout;
  addButton_ = named(new QPushButton, "Ajou");
  editButton_ = named(new QPushButton, "Edit");
  deleteButton_ = named(new QPushButton, "Supp");
  for (QPushButton* b : {addButton_, editButton_, deleteButton_}) modes->addWidget(b);
  layout->addLayout(modes);
  connect(addButton_, &QPushButton::clicked, this, [this] { chooseMode(Mode::Add); });
  connect(editButton_, &QPushButton::clicked, this, [this] { chooseMode(Mode::Edit); });
  connect(deleteButton_, &QPushButton::clicked, this, [this] { chooseMode(Mode::Delete); });

  auto* fields = new QGridLayout;
  prefixLabel_ = named(new QLabel, "Label3");
  countryLabel_ = named(new QLabel, "Label7");
  prefixField_ = named(new QLineEdit, "Ref_E");
  countryField_ = named(new QLineEdit, "Pays_E");
  prefixExample_ = named(new QLabel(QStringLiteral("Ex : F, DL")), "Label9");
  countryExample_ = named(new QLabel(QStringLiteral("Ex : France, Allemagne")), "Label12");
  for (QLineEdit* e : {prefixField_, countryField_}) {
    QFont f = e->font();
    f.setBold(true);
    e->setFont(f);
    e->installEventFilter(this);
  }
  prefixField_->setMaximumWidth(prefixField_->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 12);
  prefixLabel_->setBuddy(prefixField_);
  countryLabel_->setBuddy(countryField_);
  fields->addWidget(prefixLabel_, 0, 0);
  fields->addWidget(prefixField_, 0, 1, Qt::AlignLeft);
  fields->addWidget(prefixExample_, 0, 2);
  fields->addWidget(countryLabel_, 1, 0);
  fields->addWidget(countryField_, 1, 1);
  fields->addWidget(countryExample_, 1, 2);
  fields->setColumnStretch(1, 1);
  layout->addLayout(fields);

  saveButton_ = named(new QPushButton, "Enregistre");
  layout->addWidget(saveButton_, 0, Qt::AlignRight);
  layout->addStretch(1);
  connect(saveButton_, &QPushButton::clicked, this, &PrefixEditorWindow::record);
  // Enter or Space on a button that has the focus presses it.
  for (QPushButton* b : {addButton_, editButton_, deleteButton_, saveButton_}) b->setAutoDefault(true);

  retranslate();
  connect(&state_, &ProgramState::languageChanged, this, &PrefixEditorWindow::retranslate);
  reset();
  resize(520, 220);
  // A new operator edits the starter table rather than an empty one; a
  // failed write is told and the editor works as without a table.
  const LogResult installed = installStarterPrefixTable(tablePath());
  if (!installed.ok())
    platform_.reportFileError(this, state_.language(), FileAction::Write, tablePath(), installed.detail);
}

void PrefixEditorWindow::retranslate() {
  applyCaptions(this, prefixEditorCaptions(), state_.language());
  prefixField_->setAccessibleName(prefixLabel_->text());
  countryField_->setAccessibleName(countryLabel_->text());
  prefixField_->setAccessibleDescription(prefixExample_->text());
  countryField_->setAccessibleDescription(countryExample_->text());
}

void PrefixEditorWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

QString PrefixEditorWindow::tablePath() const { return prefixTablePath(state_.dataDir()); }

void PrefixEditorWindow::chooseMode(Mode mode) {
  mode_ = mode;
  setFieldColour(addButton_, mode == Mode::Add);
  setFieldColour(editButton_, mode == Mode::Edit);
  setFieldColour(deleteButton_, mode == Mode::Delete);
  prefixField_->setEnabled(true);
  setFieldColour(prefixField_, true);
  prefixField_->setFocus();
}

bool PrefixEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || (watched != prefixField_ && watched != countryField_))
    return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (isEnterKey(*key)) {
    watched == prefixField_ ? prefixEntered() : countryEntered();
    return true;
  }
  // The prefix is upper-cased as it is typed; the country keeps its case.
  return watched == prefixField_ && retypeKey(watched, *key, upperTyped);
}

const Tx* PrefixEditorWindow::prefixRefusal() const {
  const QString p = prefixField_->text();
  if (p.isEmpty()) return &view_text::EditorPrefixEmpty;
  if (p.size() > 2) return &view_text::EditorPrefixTooLong;
  if (p.contains(QLatin1Char(';'))) return &view_text::EditorSemicolon;
  return nullptr;
}

const Tx* PrefixEditorWindow::countryRefusal() const {
  // A ";" would end the country field early and break the table's line.
  const QString c = countryField_->text();
  if (c.isEmpty()) return &view_text::EditorCountryEmpty;
  if (c.contains(QLatin1Char(';'))) return &view_text::EditorSemicolon;
  return nullptr;
}

void PrefixEditorWindow::prefixEntered() {
  if (const Tx* refused = prefixRefusal()) {
    platform_.say(this, state_.language(), *refused);
    return;
  }
  if (mode_ != Mode::Add) {
    // Edit and delete show the country of the prefix's first line.
    const auto country = lookupCountryName(tablePath(), toFileBytes(prefixField_->text()));
    if (country) {
      countryField_->setText(fromFileBytes(*country));
      countryField_->setEnabled(true);
    }
  }
  setFieldColour(prefixField_, false);
  if (mode_ == Mode::Delete) {
    saveButton_->setEnabled(true);
    setFieldColour(saveButton_, true);
    saveButton_->setFocus();
  } else {
    countryField_->setEnabled(true);
    setFieldColour(countryField_, true);
    countryField_->setFocus();
  }
}

void PrefixEditorWindow::countryEntered() {
  if (const Tx* refused = countryRefusal()) {
    platform_.say(this, state_.language(), *refused);
    return;
  }
  setFieldColour(countryField_, false);
  saveButton_->setEnabled(true);
  setFieldColour(saveButton_, true);
  saveButton_->setFocus();
}

void PrefixEditorWindow::record() {
  const Language lang = state_.language();
  // The fields stay open while the save button waits: they are checked
  // again as they are now, so no empty or broken line reaches the table.
  const Tx* refused = prefixRefusal();
  QLineEdit* field = prefixField_;
  if (!refused && mode_ != Mode::Delete) {
    refused = countryRefusal();
    field = countryField_;
  }
  if (refused) {
    platform_.say(this, lang, *refused);
    field->setFocus();
    return;
  }
  const QByteArray prefix = toFileBytes(prefixField_->text());
  const QByteArray country = toFileBytes(countryField_->text());
  LogResult written;
  switch (mode_) {
    case Mode::Add:
      setFieldColour(saveButton_, false);
      written = appendPrefix(tablePath(), prefix, country);
      break;
    case Mode::Edit: written = replacePrefix(tablePath(), prefix, country); break;
    case Mode::Delete:
      // No: nothing written, the window as it was.
      if (!platform_.ask(this, lang, view_text::EditorDeleteQuestion)) return;
      written = deletePrefix(tablePath(), prefix);
      break;
  }
  if (!written.ok()) {
    // The table is as it was; the fields stay for another try.
    const FileAction action = written.status == LogResult::ReadFailed ? FileAction::Read : FileAction::Write;
    platform_.reportFileError(this, lang, action, tablePath(), written.detail);
    return;
  }
  reset();
}

void PrefixEditorWindow::reset() {
  for (QLineEdit* e : {prefixField_, countryField_}) {
    e->clear();
    setFieldColour(e, false);
    e->setEnabled(false);
  }
  for (QPushButton* b : {saveButton_, addButton_, editButton_, deleteButton_}) setFieldColour(b, false);
  saveButton_->setEnabled(false);
  // The mode stays; its button takes the focus for the next operation.
  const std::array<QPushButton*, 3> modeButtons = {addButton_, editButton_, deleteButton_};
  modeButtons[int(mode_)]->setFocus();
}

}  // namespace ktl
