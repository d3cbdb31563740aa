// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/qso_list.h"

#include "log/log_list_model.h"
#include "platform/column_headings.h"
#include "platform/keyboard.h"
#include "platform/window_services.h"

#include <QListView>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <array>

namespace ktl {
namespace {

// The list column (1-based) each heading of the header stands over, in the
// order of the headings: number, callsign, reference, date, time, mode,
// band, reports received and sent, castle name, QSL. The number is
// right-justified in the columns before 6, and so is its heading.
constexpr std::array<int, 11> kHeadingColumns = {6, 8, 22, 34, 44, 51, 56, 65, 70, 75, 137};

}  // namespace

QsoList::QsoList(LogListModel& model, QWidget* parent)
    : QGroupBox(QStringLiteral("Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'éditer"),
                parent) {
  setObjectName(QStringLiteral("L_Communes"));
  auto* box = new QVBoxLayout(this);
  Liste_KTL = new QListView;
  Liste_KTL->setObjectName(QStringLiteral("Liste_KTL"));
  Liste_KTL->setModel(&model);
  Liste_KTL->setUniformItemSizes(true);
  Liste_KTL->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Liste_KTL->setSelectionMode(QAbstractItemView::SingleSelection);
  Liste_KTL->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Liste_KTL->setFont(fixedListFont(QStringLiteral("Terminal"), 9));
  // Light yellow with black text, in any desktop theme.
  setFieldColour(Liste_KTL, false);
  Label_Liste_KTL = new ColumnHeadings(Liste_KTL, kHeadingColumns);
  Label_Liste_KTL->setObjectName(QStringLiteral("Label_Liste_KTL"));
  box->addWidget(Label_Liste_KTL);
  box->addWidget(Liste_KTL, 1);

  Liste_KTL->viewport()->installEventFilter(this);
  Liste_KTL->installEventFilter(this);
  connect(Liste_KTL->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!quiet_ && current.isValid()) emit rowChosen(current.row());
          });
  connect(Liste_KTL, &QListView::clicked, this, [this](const QModelIndex& i) { emit rowChosen(i.row()); });
  connect(Liste_KTL, &QListView::doubleClicked, this, [this](const QModelIndex& i) { emit rowOpened(i.row()); });
}

void QsoList::setHeader(const QString& text) { Label_Liste_KTL->setText(text); }

void QsoList::selectQuietly(int row) {
  quiet_ = true;
  const QModelIndex index = Liste_KTL->model()->index(row, 0);
  Liste_KTL->setCurrentIndex(index);
  Liste_KTL->scrollTo(index);
  quiet_ = false;
}

bool QsoList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Liste_KTL->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    // A double click below the last line names no QSO.
    const auto* me = static_cast<QMouseEvent*>(event);
    if (!Liste_KTL->indexAt(me->position().toPoint()).isValid()) {
      emit rowOpened(-1);
      return true;
    }
  } else if (watched == Liste_KTL && event->type() == QEvent::KeyPress &&
             isEnterKey(*static_cast<QKeyEvent*>(event))) {
    // Enter on a line opens it for a change, as a double click does.
    emit rowOpened(Liste_KTL->currentIndex().isValid() ? Liste_KTL->currentIndex().row() : -1);
    return true;
  } else if (watched == Liste_KTL && event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    // The Delete key on a QSO of the list asks to delete it, as Supprimer does.
    emit deleteRequested();
    return true;
  } else if (watched == Liste_KTL && event->type() == QEvent::KeyPress) {
    // A callsign typed on the list starts the next QSO (the list's own
    // search by first letters would swallow it).
    const auto* key = static_cast<QKeyEvent*>(event);
    if (startsCallsign_ && startsCallsign_(*key)) {
      emit typedAside(key->text());
      return true;
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace ktl
