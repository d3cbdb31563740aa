// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spots_Direct: the spots of a DX-cluster node as they arrive, each castle
// marked new, worked, or worked on this band from the station's log, with
// its name from the award's list. Enter or a double click on a spot puts it
// into Main's entry and tunes the rig to it; the window itself never writes
// to the log.
//
// For hunting: the spot the operator selects stays selected, in view and in
// the table whatever the node sends; spots age out after the operator's
// limit; a new castle brings a desktop notification and a sound, each at
// most once an hour per castle and band, gathered into one alert at most
// every few seconds; a QSO is posted to the node as a
// DX command the operator checks in the command field before sending.
//
// Lines from the node wait in a queue and are taken in at most every
// kTakeMs, as one change of the table: a node sending a thousand spots a
// second costs the interface a few table updates a second.
#include "cluster/spot_client.h"
#include "cluster/spot_hunt.h"
#include "cluster/spot_table_model.h"
#include "cluster/worked_index.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace ktl {

class Platform;
class ProgramState;
class WindowOpener;

class SpotsWindow : public QDialog {
  Q_OBJECT
 public:
  SpotsWindow(ProgramState& state, Platform& platform, WindowOpener& windows, QWidget* parent = nullptr);

  SpotClient& client() { return client_; }
  SpotTableModel& model() { return model_; }
  // Takes the waiting lines in now (the queue's timer does it by itself).
  void takeSpots();
  static constexpr int kTakeMs = 200;
  // How often rows are aged out when nothing comes.
  static constexpr int kAgeCheckMs = 10000;
  static constexpr int kMinAgeMinutes = 1;
  static constexpr int kMaxAgeMinutes = 1440;
  // Alerts come at most every kAlertGapSecs, one notice and one sound for
  // the new castles since the last (kCastlesPerAlert at most; the others
  // are told when spotted again).
  static constexpr int kAlertGapSecs = 5;
  static constexpr int kCastlesPerAlert = 5;
  // The node's console keeps the last kConsoleLines lines.
  static constexpr int kConsoleLines = 500;
  // The node's longest silence, in minutes, that the silence box takes.
  static constexpr int kMinSilenceMinutes = 1;
  static constexpr int kMaxSilenceMinutes = 1440;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();
  void showState();
  // The node and filters stored for the station; connects when both host
  // and port are set.
  void loadStationSettings();
  // The connect button (Connexion_SP): connects with the fields' node,
  // stored for the station, or disconnects.
  void toggleConnection();
  void connectToNode();
  void onLine(const QString& line);
  void sendCommand();
  void applyFilter();
  void applySilence();
  void applyAge();
  void applyAlerts();
  SpotFilter filterShown() const;
  // The new castles of a take, told now or at a later take.
  void alert(const QList<NewCastleSpot>& castles);
  // The operator's spot selected again after the table was rebuilt.
  void selectPinned();
  void fillEntry(const QModelIndex& index);
  // The status column as wide as its longest text in the language.
  void fitStatusColumn();
  // A DX command for the QSO in the entry, or the last one of the log, put
  // in the command field for the operator to check.
  void postEntry();
  void postLast();
  void offerPost(const QString& command);
  QString nodeName() const;

  ProgramState& state_;
  Platform& platform_;
  WindowOpener& windows_;
  WorkedIndex worked_;
  SpotTableModel model_;
  SpotClient client_;
  // The labels that name the fields beside them.
  QLabel *hostLabel_, *portLabel_, *silenceLabel_, *bandLabel_, *modeLabel_, *ageLabel_, *consoleLabel_,
      *commandLabel_;
  QLabel* stateLabel_;  // the connection's state, in words
  QLabel* helpLabel_;   // how to take a spot; the table's description
  QLineEdit *hostField_, *portField_, *commandField_;
  QSpinBox* silenceBox_;  // the node's longest silence, in minutes
  QPushButton* connectButton_;
  QCheckBox *castlesOnlyCheck_, *notifyCheck_, *soundCheck_;
  QComboBox *bandFilter_, *modeFilter_;
  QSpinBox* ageBox_;  // minutes a spot nobody repeats stays
  QPushButton *postEntryButton_, *postLastButton_;
  QTableView* spotTable_;
  QPlainTextEdit* console_;  // the node's lines that are not spots
  QStringList consoleQueue_;  // lines for it, waiting for the next take
  QTimer takeTimer_, ageTimer_;
  QTimer countdown_;  // the wait before the next try, told each second
  AlertThrottle throttle_;
  QList<NewCastleSpot> alertQueue_;  // waiting for the gap to pass
  QDateTime lastAlert_;
};

}  // namespace ktl
