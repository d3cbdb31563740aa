#pragma once
// Spots_Direct: the spots of a DX-cluster node as they arrive, each castle
// marked new, worked, or worked on this band from the station's log. Enter
// or a double click on a spot puts it into Main's entry; the window itself
// never writes to the log.
#include "cluster/spot_client.h"
#include "cluster/spot_table_model.h"
#include "cluster/worked_index.h"

#include <QDialog>

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
  void fillEntry(const QModelIndex& index);
  QString nodeName() const;

  ProgramState& state_;
  Platform& platform_;
  WindowOpener& windows_;
  WorkedIndex worked_;
  SpotTableModel model_;
  SpotClient client_;
  // The labels that name the fields beside them.
  QLabel *hostLabel_, *portLabel_, *silenceLabel_, *bandLabel_, *consoleLabel_, *commandLabel_;
  QLabel* stateLabel_;  // the connection's state, in words
  QLabel* helpLabel_;   // how to take a spot; the table's description
  QLineEdit *hostField_, *portField_, *commandField_;
  QSpinBox* silenceBox_;  // the node's longest silence, in minutes
  QPushButton* connectButton_;
  QCheckBox* castlesOnlyCheck_;
  QComboBox* bandFilter_;
  QTableView* spotTable_;
  QPlainTextEdit* console_;  // the node's lines that are not spots
};

}  // namespace ktl
