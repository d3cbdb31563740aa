#pragma once
// Import_ADIF: explains the ADIF dialect the log expects and merges a chosen
// file into the open station's log.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ktl {

class Platform;
class ProgramState;

class ImportAdifWindow : public QDialog {
  Q_OBJECT
 public:
  ImportAdifWindow(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

  // The Importer button: choose a file, import it, close the window.
  void importFile();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ProgramState& state_;
  Platform& platform_;
  QLabel *Label11, *Label2, *Label1, *Label3, *Label5;
  QCheckBox* Messages_Remplacement;  // one box per replaced field, or a summary
  QCheckBox* SIG_Diplome;            // SIG names the award, SIG_INFO the reference
  QPushButton* Importer;
};

}  // namespace ktl
