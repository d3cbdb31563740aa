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
  Label2 = new QLabel;
  Label2->setObjectName(QStringLiteral("Label2"));
  QFont heading = Label2->font();
  heading.setBold(true);
  heading.setPointSize(heading.pointSize() + 2);
  Label2->setFont(heading);
  Label3 = new QLabel;
  Label3->setObjectName(QStringLiteral("Label3"));
  L_PrefX = new QListView;
  L_PrefX->setObjectName(QStringLiteral("L_PrefX"));
  L_PrefX->setModel(rows_);
  L_PrefX->setUniformItemSizes(true);
  L_PrefX->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QFont list = fixedListFont(QStringLiteral("Letter Gothic"), 8.25);
  list.setBold(true);
  L_PrefX->setFont(list);
  setFieldColour(L_PrefX, false);
  layout->addWidget(Label2);
  layout->addWidget(Label3);
  layout->addWidget(L_PrefX, 1);

  retranslate();
  build();
  connect(&state_, &ProgramState::languageChanged, this, &ContactedPrefixesWindow::retranslate);
  // The list is the station's: another station closes it.
  connect(&state_, &ProgramState::stationChanged, this, &QDialog::close);
  resize(420, 480);
  L_PrefX->setFocus();
}

void ContactedPrefixesWindow::retranslate() {
  applyCaptions(this, prefixesCaptions(), state_.language());
  L_PrefX->setAccessibleName(Label2->text());
}

void ContactedPrefixesWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

void ContactedPrefixesWindow::build() {
  const Language lang = state_.language();
  const QString tablePath = prefixTablePath(state_.dataDir());
  // A missing table or log lists no country or no prefix; one that cannot
  // be read is reported.
  LogResult read;
  const PrefixTable table = PrefixTable::read(tablePath, &read);
  if (!read.ok()) platform_.reportFileError(this, lang, FileAction::Read, tablePath, read.detail);
  QByteArrayList rows;
  read = contactedPrefixes(state_.logPath(), table, rows);
  if (!read.ok()) platform_.reportFileError(this, lang, FileAction::Read, state_.logPath(), read.detail);
  rows_->setLines(std::move(rows));
  if (rows_->rowCount() > 0) L_PrefX->setCurrentIndex(rows_->index(0));
}

}  // namespace ktl
