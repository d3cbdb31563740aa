// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/prefixes_window.h"

#include "log/lines_model.h"
#include "platform/platform.h"
#include "platform/window_services.h"
#include "state/program_state.h"
#include "texts/view_texts.h"
#include "views/prefix_table.h"

#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

namespace ktl {

ContactedPrefixesWindow::ContactedPrefixesWindow(ProgramState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), rows_(new LinesModel(this)) {
  setObjectName(QStringLiteral("Liste_Prefixes"));
  auto* layout = new QVBoxLayout(this);
  title_ = new QLabel;
  title_->setObjectName(QStringLiteral("Label2"));
  QFont heading = title_->font();
  heading.setBold(true);
  heading.setPointSize(heading.pointSize() + 2);
  title_->setFont(heading);
  auto* columnHeadings = new QLabel;
  columnHeadings->setObjectName(QStringLiteral("Label3"));
  prefixList_ = new QListView;
  prefixList_->setObjectName(QStringLiteral("L_PrefX"));
  prefixList_->setModel(rows_);
  prefixList_->setUniformItemSizes(true);
  prefixList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QFont list = fixedListFont(QStringLiteral("Letter Gothic"), 8.25);
  list.setBold(true);
  prefixList_->setFont(list);
  setFieldColour(prefixList_, false);
  layout->addWidget(title_);
  layout->addWidget(columnHeadings);
  layout->addWidget(prefixList_, 1);

  retranslate();
  build();
  connect(&state_, &ProgramState::languageChanged, this, &ContactedPrefixesWindow::retranslate);
  // The list is the station's: another station closes it.
  connect(&state_, &ProgramState::stationChanged, this, &QDialog::close);
  resize(420, 480);
  prefixList_->setFocus();
}

void ContactedPrefixesWindow::retranslate() {
  applyCaptions(this, prefixesCaptions(), state_.language());
  prefixList_->setAccessibleName(title_->text());
}

void ContactedPrefixesWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

void ContactedPrefixesWindow::build() {
  const Language lang = state_.language();
  const QString tablePath = prefixTablePath(state_.dataDir());
  // A new operator gets the starter table, so the list shows countries
  // from the first opening; a failed write is told and the list is built
  // as without a table.
  const LogResult installed = installStarterPrefixTable(tablePath);
  if (!installed.ok()) platform_.reportFileError(this, lang, FileAction::Write, tablePath, installed.detail);
  // A missing table or log lists no country or no prefix; one that cannot
  // be read is reported.
  LogResult read;
  const PrefixTable table = PrefixTable::read(tablePath, &read);
  if (!read.ok()) platform_.reportFileError(this, lang, FileAction::Read, tablePath, read.detail);
  QByteArrayList rows;
  read = contactedPrefixes(state_.logPath(), table, rows);
  if (!read.ok()) platform_.reportFileError(this, lang, FileAction::Read, state_.logPath(), read.detail);
  rows_->setLines(std::move(rows));
  if (rows_->rowCount() > 0) prefixList_->setCurrentIndex(rows_->index(0));
}

}  // namespace ktl
