#pragma once
// Aff_Contacte: the castles contacted from the station's log, one numbered
// row each, for one country prefix or every prefix ("XX"); printed or saved
// as a text file in the data folder.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace ktl {

class LinesModel;
class Platform;
class ProgramState;
struct Report;
struct ReportDate;

class ContactedCastlesWindow : public QDialog {
  Q_OBJECT
 public:
  ContactedCastlesWindow(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

  // Afficher: the list for the prefix in Type_B, from the log file.
  void display();
  // SaveContactedList and PrintContactedList: the rows shown, whatever
  // Type_B holds now, except that the file is named after it.
  void save();
  void print();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();
  void prefixEntered();
  Report report(const ReportDate& today) const;

  ProgramState& state_;
  Platform& platform_;
  LinesModel* rows_;
  QLineEdit* Type_B;
  QLabel *Label1, *Label2, *Label3;
  QPushButton *Afficher, *Imprimer, *Enregistrer, *Quitter;
  QListView* Liste_KTL_Contacte;
};

}  // namespace ktl
