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
  Label2 = named(new QLabel, "Label2");
  QFont heading = Label2->font();
  heading.setBold(true);
  heading.setPointSize(heading.pointSize() + 2);
  Label2->setFont(heading);
  layout->addWidget(Label2);

  auto* modes = new QHBoxLayout;
  Ajou = named(new QPushButton, "Ajou");
  Edit = named(new QPushButton, "Edit");
  Supp = named(new QPushButton, "Supp");
  for (QPushButton* b : {Ajou, Edit, Supp}) modes->addWidget(b);
  layout->addLayout(modes);
  connect(Ajou, &QPushButton::clicked, this, [this] { chooseMode(Mode::Add); });
  connect(Edit, &QPushButton::clicked, this, [this] { chooseMode(Mode::Edit); });
  connect(Supp, &QPushButton::clicked, this, [this] { chooseMode(Mode::Delete); });

  auto* fields = new QGridLayout;
  Label3 = named(new QLabel, "Label3");
  Label7 = named(new QLabel, "Label7");
  Ref_E = named(new QLineEdit, "Ref_E");
  Pays_E = named(new QLineEdit, "Pays_E");
  Label9 = named(new QLabel(QStringLiteral("Ex : F, DL")), "Label9");
  Label12 = named(new QLabel(QStringLiteral("Ex : France, Allemagne")), "Label12");
  for (QLineEdit* e : {Ref_E, Pays_E}) {
    QFont f = e->font();
    f.setBold(true);
    e->setFont(f);
    e->installEventFilter(this);
  }
  Ref_E->setMaximumWidth(Ref_E->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 12);
  Label3->setBuddy(Ref_E);
  Label7->setBuddy(Pays_E);
  fields->addWidget(Label3, 0, 0);
  fields->addWidget(Ref_E, 0, 1, Qt::AlignLeft);
  fields->addWidget(Label9, 0, 2);
  fields->addWidget(Label7, 1, 0);
  fields->addWidget(Pays_E, 1, 1);
  fields->addWidget(Label12, 1, 2);
  fields->setColumnStretch(1, 1);
  layout->addLayout(fields);

  Enregistre = named(new QPushButton, "Enregistre");
  layout->addWidget(Enregistre, 0, Qt::AlignRight);
  layout->addStretch(1);
  connect(Enregistre, &QPushButton::clicked, this, &PrefixEditorWindow::record);
  // Enter or Space on a button that has the focus presses it.
  for (QPushButton* b : {Ajou, Edit, Supp, Enregistre}) b->setAutoDefault(true);

  retranslate();
  connect(&state_, &ProgramState::languageChanged, this, &PrefixEditorWindow::retranslate);
  reset();
  resize(520, 220);
}

void PrefixEditorWindow::retranslate() {
  applyCaptions(this, prefixEditorCaptions(), state_.language());
  Ref_E->setAccessibleName(Label3->text());
  Pays_E->setAccessibleName(Label7->text());
  Ref_E->setAccessibleDescription(Label9->text());
  Pays_E->setAccessibleDescription(Label12->text());
}

void PrefixEditorWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

QString PrefixEditorWindow::tablePath() const { return prefixTablePath(state_.dataDir()); }

void PrefixEditorWindow::chooseMode(Mode mode) {
  mode_ = mode;
  setFieldColour(Ajou, mode == Mode::Add);
  setFieldColour(Edit, mode == Mode::Edit);
  setFieldColour(Supp, mode == Mode::Delete);
  Ref_E->setEnabled(true);
  setFieldColour(Ref_E, true);
  Ref_E->setFocus();
}

bool PrefixEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || (watched != Ref_E && watched != Pays_E))
    return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (isEnterKey(*key)) {
    watched == Ref_E ? prefixEntered() : countryEntered();
    return true;
  }
  // The prefix is upper-cased as it is typed; the country keeps its case.
  return watched == Ref_E && retypeKey(watched, *key, upperTyped);
}

const Tx* PrefixEditorWindow::prefixRefusal() const {
  const QString p = Ref_E->text();
  if (p.isEmpty()) return &view_text::EditorPrefixEmpty;
  if (p.size() > 2) return &view_text::EditorPrefixTooLong;
  if (p.contains(QLatin1Char(';'))) return &view_text::EditorSemicolon;
  return nullptr;
}

const Tx* PrefixEditorWindow::countryRefusal() const {
  // A ";" would end the country field early and break the table's line.
  const QString c = Pays_E->text();
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
    const auto country = lookupCountryName(tablePath(), toFileBytes(Ref_E->text()));
    if (country) {
      Pays_E->setText(fromFileBytes(*country));
      Pays_E->setEnabled(true);
    }
  }
  setFieldColour(Ref_E, false);
  if (mode_ == Mode::Delete) {
    Enregistre->setEnabled(true);
    setFieldColour(Enregistre, true);
    Enregistre->setFocus();
  } else {
    Pays_E->setEnabled(true);
    setFieldColour(Pays_E, true);
    Pays_E->setFocus();
  }
}

void PrefixEditorWindow::countryEntered() {
  if (const Tx* refused = countryRefusal()) {
    platform_.say(this, state_.language(), *refused);
    return;
  }
  setFieldColour(Pays_E, false);
  Enregistre->setEnabled(true);
  setFieldColour(Enregistre, true);
  Enregistre->setFocus();
}

void PrefixEditorWindow::record() {
  const Language lang = state_.language();
  // The fields stay open while Enregistre waits: they are checked again as
  // they are now, so no empty or broken line reaches the table.
  const Tx* refused = prefixRefusal();
  QLineEdit* field = Ref_E;
  if (!refused && mode_ != Mode::Delete) {
    refused = countryRefusal();
    field = Pays_E;
  }
  if (refused) {
    platform_.say(this, lang, *refused);
    field->setFocus();
    return;
  }
  const QByteArray prefix = toFileBytes(Ref_E->text());
  const QByteArray country = toFileBytes(Pays_E->text());
  LogResult written;
  switch (mode_) {
    case Mode::Add:
      setFieldColour(Enregistre, false);
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
  for (QLineEdit* e : {Ref_E, Pays_E}) {
    e->clear();
    setFieldColour(e, false);
    e->setEnabled(false);
  }
  for (QPushButton* b : {Enregistre, Ajou, Edit, Supp}) setFieldColour(b, false);
  Enregistre->setEnabled(false);
  // The mode stays; its button takes the focus for the next operation.
  const std::array<QPushButton*, 3> modeButtons = {Ajou, Edit, Supp};
  modeButtons[int(mode_)]->setFocus();
}

}  // namespace ktl
