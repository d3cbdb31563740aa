// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_director.h"

#include "adif/import_adif_window.h"
#include "awards/awards_window.h"
#include "cluster/cluster_window.h"
#include "cluster/spots_window.h"
#include "entry/entry_form.h"
#include "entry/main_window.h"
#include "rig/rig_window.h"
#include "station/station_window.h"
#include "views/castles_window.h"
#include "views/prefix_editor_window.h"
#include "views/prefixes_window.h"
#include "views/search_window.h"

#include <QDialog>

namespace ktl {

WindowDirector::WindowDirector(ProgramState& state, Platform& platform, RigControl* rig)
    : state_(state), platform_(platform), rig_(rig) {}

void WindowDirector::setOwner(MainWindow* owner) {
  main_ = owner;
  owner_ = owner;
}

void WindowDirector::selectQso(int row) {
  if (main_) main_->selectRow(row);
}

void WindowDirector::showImportedLog() {
  if (main_) main_->reloadAfterImport();
}

EntryDraft WindowDirector::entryDraft() const { return main_ ? main_->entryForm().draft() : EntryDraft{}; }

void WindowDirector::fillEntry(const QString& callsign, const QString& prefix, const QString& number,
                               const QString& band) {
  if (main_) main_->entryForm().fillFromSpot(callsign, prefix, number, band);
}

QWidget* WindowDirector::make(WindowId id) {
  switch (id) {
    case WindowId::Station: return new StationWindow(state_, platform_, owner_);
    case WindowId::ImportAdif: return new ImportAdifWindow(state_, platform_, *this, owner_);
    case WindowId::Search: return new SearchWindow(state_, platform_, *this, owner_);
    case WindowId::ContactedCastles: return new ContactedCastlesWindow(state_, platform_, owner_);
    case WindowId::ContactedPrefixes: return new ContactedPrefixesWindow(state_, platform_, owner_);
    case WindowId::PrefixEditor: return new PrefixEditorWindow(state_, platform_, owner_);
    case WindowId::Cluster: return new ClusterWindow(state_, platform_, owner_);
    case WindowId::LiveSpots: return new SpotsWindow(state_, platform_, *this, owner_);
    case WindowId::AwardProgress: return new AwardsWindow(state_, platform_, owner_);
    case WindowId::Rig: return rig_ ? new RigWindow(state_, platform_, *rig_, owner_) : nullptr;
    default: return nullptr;
  }
}

bool WindowDirector::has(WindowId id) const {
  switch (id) {
    case WindowId::Station:
    case WindowId::ImportAdif:
    case WindowId::Search:
    case WindowId::ContactedCastles:
    case WindowId::ContactedPrefixes:
    case WindowId::PrefixEditor:
    case WindowId::Cluster:
    case WindowId::LiveSpots:
    case WindowId::AwardProgress: return true;
    case WindowId::Rig: return rig_ != nullptr;
    default: return false;
  }
}

QWidget* WindowDirector::open(WindowId id) {
  QPointer<QWidget>& slot = open_[id];
  if (!slot) {
    slot = make(id);
    if (!slot) return nullptr;
    slot->setAttribute(Qt::WA_DeleteOnClose);
  }
  slot->show();
  slot->raise();
  slot->activateWindow();
  return slot;
}

void WindowDirector::openModal(WindowId id) {
  QPointer<QWidget>& slot = open_[id];
  if (slot) slot->close();  // a modeless copy gives way to the modal one
  QWidget* w = make(id);
  if (!w) return;
  slot = w;
  if (auto* dialog = qobject_cast<QDialog*>(w))
    dialog->exec();
  else
    w->show();
  delete w;
}

}  // namespace ktl
