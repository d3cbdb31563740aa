#pragma once
// Station: choose or create the station callsign whose log is open.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ktl {

class MainWindow;

class StationWindow : public QDialog {
  Q_OBJECT
 public:
  explicit StationWindow(MainWindow& main);
  // At first start: Main waits until the window is closed.
  static void showModal(MainWindow& main);
  // From the menu: one window, brought to the front when already open.
  static StationWindow* showModeless(MainWindow& main);

  void confirm();  // the Validation button

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  MainWindow& main_;
  QLabel *Label2, *Label3, *Label5;
  QLineEdit* New_Indicatif;
  QPushButton* Validation;
};

}  // namespace ktl
