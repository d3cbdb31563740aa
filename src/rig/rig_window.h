// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Radio: the station's rig settings. Whether a rig is used, the rigctld to
// talk to and how often to read the rig; or rigctld started by the program
// for a model chosen from Hamlib's list (a search box narrows it), the rig's
// device and speed. Valider stores them for the station and puts them to
// use at once; the rig's state is shown as it changes. Enter moves from
// field to field and clicks the focused button.
#include "rig/rig_daemon.h"

#include <QDialog>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSpinBox;

namespace ktl {

class Platform;
class ProgramState;
class RigControl;

class RigWindow : public QDialog {
  Q_OBJECT
 public:
  RigWindow(ProgramState& state, Platform& platform, RigControl& rig, QWidget* parent = nullptr);

  // The model list's rows as "number  manufacturer name (status)".
  QAbstractItemModel& modelList() { return filtered_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void retranslate();
  // The station's stored settings into the fields.
  void load();
  void showModels(const QList<RigModel>& models, const QString& error);
  void search(const QString& text);
  void chooseModel(const QModelIndex& index);
  void showChosenModel();
  void enableFields();
  void attachRig();
  void showRigState();
  // Valider: the fields checked, stored for the station and put to use.
  void save();

  ProgramState& state_;
  Platform& platform_;
  RigControl& rig_;
  RigModelQuery query_;
  QStandardItemModel models_;
  QSortFilterProxyModel filtered_;
  QList<RigModel> known_;
  QString modelsError_;
  bool modelsLoaded_ = false;
  int model_ = 1;  // the model chosen, by Hamlib's number
  QMetaObject::Connection rigChanges_;

  QCheckBox *activeBox_, *daemonBox_;
  QLabel *hostLabel_, *portLabel_, *pollLabel_, *searchLabel_, *modelLabel_, *deviceLabel_, *speedLabel_;
  QLabel *modelShown_, *modelsNote_, *stateLabel_;
  QLineEdit *hostField_, *portField_, *searchField_, *deviceField_;
  QSpinBox* pollBox_;
  QListView* modelView_;
  QComboBox* speedBox_;
  QPushButton *okButton_, *closeButton_;
};

}  // namespace ktl
