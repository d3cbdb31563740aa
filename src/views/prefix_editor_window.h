#pragma once
// Ajout_Ref: adds an entry to the prefix table, changes the country of a
// prefix or deletes a prefix, one operation at a time, straight on the file.
//
// States: idle (window opened, or reset after an operation: both fields and
// Enregistre disabled) -> prefix entry (a mode button: Ref_E enabled, with
// the focus) -> country entry (add, edit: Enter with a valid prefix opens
// Pays_E) -> ready (Enter in Pays_E with a country, or a valid prefix in
// delete mode: Enregistre enabled, with the focus).
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ktl {

class Platform;
class ProgramState;
struct Tx;

class PrefixEditorWindow : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { Add, Edit, Delete };

  PrefixEditorWindow(ProgramState& state, Platform& platform, QWidget* parent = nullptr);
  Mode mode() const { return mode_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();
  void chooseMode(Mode mode);
  void prefixEntered();
  void countryEntered();
  void record();
  void reset();
  // The message a field's text is refused with, or null when it may be written.
  const Tx* prefixRefusal() const;
  const Tx* countryRefusal() const;
  QString tablePath() const;

  ProgramState& state_;
  Platform& platform_;
  Mode mode_ = Mode::Add;
  QPushButton *Ajou, *Edit, *Supp, *Enregistre;
  QLineEdit *Ref_E, *Pays_E;
  QLabel *Label2, *Label3, *Label7, *Label9, *Label12;
};

}  // namespace ktl
