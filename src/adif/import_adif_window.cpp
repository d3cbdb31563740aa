// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "adif/import_adif_window.h"

#include "adif/adif_import.h"
#include "extras/adif_with_extras.h"
#include "log/text_codec.h"
#include "platform/platform.h"
#include "platform/window_services.h"
#include "state/log_access.h"
#include "state/program_state.h"
#include "state/window_opener.h"
#include "texts/program_texts.h"

#include <QCheckBox>

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ktl {

ImportAdifWindow::ImportAdifWindow(ProgramState& state, Platform& platform, WindowOpener& windows, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), windows_(windows) {
  setObjectName(QStringLiteral("Import_ADIF"));
  auto* layout = new QVBoxLayout(this);
  auto* titleFrame = new QFrame;
  titleFrame->setFrameShape(QFrame::Box);
  auto* tf = new QVBoxLayout(titleFrame);
  auto* title = new QLabel;
  QFont big = title->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 3);
  title->setFont(big);
  title->setAlignment(Qt::AlignCenter);
  tf->addWidget(title);
  layout->addWidget(titleFrame);
  auto* textFrame = new QFrame;
  textFrame->setFrameShape(QFrame::Box);
  auto* xf = new QVBoxLayout(textFrame);
  auto* referenceWarning = new QLabel;
  auto* referenceForm = new QLabel;
  auto* referenceExample = new QLabel;
  auto* sigNote = new QLabel;
  for (QLabel* l : {referenceWarning, referenceForm, referenceExample, sigNote}) xf->addWidget(l);
  layout->addWidget(textFrame);
  boxPerFieldCheck_ = new QCheckBox;
  sigIsAwardCheck_ = new QCheckBox;
  layout->addWidget(boxPerFieldCheck_);
  layout->addWidget(sigIsAwardCheck_);
  auto* importButton = new QPushButton;
  importButton->setAutoDefault(true);
  importButton->setDefault(true);
  layout->addWidget(importButton);

  const std::array<std::pair<QWidget*, const char*>, 9> named = {{{title, "Label11"},
                                                                  {referenceWarning, "Label2"},
                                                                  {referenceForm, "Label1"},
                                                                  {referenceExample, "Label3"},
                                                                  {sigNote, "Label5"},
                                                                  {boxPerFieldCheck_, "Messages_Remplacement"},
                                                                  {sigIsAwardCheck_, "SIG_Diplome"},
                                                                  {importButton, "Importer"},
                                                                  {this, "Import_ADIF"}}};
  for (const auto& [w, name] : named) w->setObjectName(QString::fromLatin1(name));
  applyCaptions(this, importCaptions(), state_.language());

  const auto flag = [this](const SettingKey& key) { return state_.setting(key) == QLatin1String("1"); };
  boxPerFieldCheck_->setChecked(flag(keys::ImportBoxEach));
  sigIsAwardCheck_->setChecked(flag(keys::ImportSigAward));
  connect(boxPerFieldCheck_, &QCheckBox::toggled, this,
          [this](bool on) { state_.saveSetting(keys::ImportBoxEach, on ? QStringLiteral("1") : QStringLiteral("0")); });
  connect(sigIsAwardCheck_, &QCheckBox::toggled, this,
          [this](bool on) { state_.saveSetting(keys::ImportSigAward, on ? QStringLiteral("1") : QStringLiteral("0")); });
  connect(importButton, &QPushButton::clicked, this, &ImportAdifWindow::importFile);
}

void ImportAdifWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

void ImportAdifWindow::importFile() {
  const Language lang = state_.language();
  if (const auto& why = state_.readOnly()) {
    // Another program holds the log: nothing is imported into it.
    platform_.message(this, writeRefusedMessage(*why, spoken(lang)));
    close();
    return;
  }
  // Other programs also name their files .adif.
  const QString file =
      platform_.openFileName(this, windowTitle(), QStringLiteral("adi (*.adi);;adif (*.adif);;ADI (*.ADI *.ADIF)"));
  if (file.isEmpty()) {
    platform_.say(this, lang, Msg::ImportNoFile);
    close();
    return;
  }
  AdifImportOptions options;
  options.sigIsAward = sigIsAwardCheck_->isChecked();
  options.awardName = toFileBytes(state_.settings().read(keys::AwardName, {}));
  // Ticked, every replaced field gets its own box while the file is read;
  // unticked (a file with hundreds of band-less records), the closing
  // message says what was replaced.
  const bool boxEach = boxPerFieldCheck_->isChecked();
  ExtrasStore store(state_.logPath());
  const ImportWithExtras imported = importAdifWithExtras(
      file, state_.logPath(), options,
      [&](ReplacedField field, qsizetype) {
        if (boxEach) platform_.message(this, replacementNotice(field));
      },
      store);
  const AdifImportResult& result = imported.result;
  // What the import has to tell is told once the window has closed, in one
  // message: no box keeps Import_ADIF open after its work, and nothing a
  // box already said is said again.
  QStringList closing;
  const auto add = [&closing](const std::optional<QString>& text) {
    if (text) closing << *text;
  };
  switch (result.status) {
    case AdifImportResult::Imported: {
      windows_.showImportedLog();
      const bool replaced = std::any_of(result.replaced.begin(), result.replaced.end(), [](qsizetype n) { return n > 0; });
      if (!boxEach && replaced) add(replacementSummary(result.replaced, lang));
      if (result.sigNotCastle > 0) add(sigNotCastleSummary(result.sigNotCastle, lang));
      break;
    }
    case AdifImportResult::NoFileChosen: add(message(Msg::ImportNoFile, lang)); break;
    case AdifImportResult::FileUnreadable:
      if (auto text = message(Msg::ImportUnreadable, lang))
        closing << *text + QStringLiteral("\r\n") + file + QStringLiteral("\r\n") + result.detail;
      break;
    case AdifImportResult::NoRecord: add(message(Msg::ImportNoRecord, lang)); break;
    case AdifImportResult::RecordTooLarge: add(message(Msg::ImportNotAdif, lang)); break;
    case AdifImportResult::FirstQsoTooLate:
      add(message(Msg::ImportTooLate, lang));
      windows_.showImportedLog();  // nothing added, but the log was sorted
      break;
    case AdifImportResult::LogReadFailed:
      closing << fileErrorMessage(lang, FileAction::Read, state_.logPath(), result.detail);
      break;
    case AdifImportResult::LogWriteFailed:
      closing << fileErrorMessage(lang, FileAction::Write, state_.logPath(), result.detail);
      break;
  }
  add(store.takeReport(lang));
  QWidget* owner = parentWidget();
  close();
  if (!closing.isEmpty()) platform_.message(owner, closing.join(QStringLiteral("\r\n")));
}

}  // namespace ktl
