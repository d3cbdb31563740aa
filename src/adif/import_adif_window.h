#pragma once
// Import_ADIF: explains the ADIF dialect the log expects and merges a chosen
// file into the open station's log.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ktl {

class MainWindow;

class ImportAdifWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ImportAdifWindow(MainWindow& main);
  // From the menu: one window, brought to the front when already open.
  static ImportAdifWindow* showModeless(MainWindow& main);

  // The Importer button: choose a file, import it, close the window.
  void importFile();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  MainWindow& main_;
  QLabel *Label11, *Label2, *Label1, *Label3, *Label5;
  QCheckBox* Messages_Remplacement;  // one box per replaced field, or a summary
  QCheckBox* SIG_Diplome;            // SIG names the award, SIG_INFO the reference
  QPushButton* Importer;
};

}  // namespace ktl
