#pragma once
// The QSO entry of Main: the fields in their Enter chain, the entry-state
// caption and the buttons that commit, clear, insert, delete and search.
#include "adif/qso_extras.h"
#include "texts/texts.h"

#include <QByteArray>
#include <QWidget>

#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ktl {

class ExtrasStore;
class Platform;
class ProgramState;

class EntryForm : public QWidget {
  Q_OBJECT
 public:
  enum class EntryMode { NewEntry, InsertEntry, EditEntry };

  EntryForm(ProgramState& state, Platform& platform, QWidget* parent = nullptr);
  ~EntryForm() override;

  // What a rig (or another source) knows of the QSO being typed beyond its
  // fields: the frequency in MHz and the exact ADIF mode and submode (empty:
  // unknown). Stored beside the log with each new QSO committed from now on
  // (not with a change to an old one, which was worked elsewhere).
  void setKnownAtCommit(const QByteArray& freqMhz, const QByteArray& mode, const QByteArray& submode);

  EntryMode entryMode() const { return entryMode_; }
  bool alreadyContacted() const { return alreadyContacted_; }

  // The band and mode lists, and the positions stored for the station: a
  // valid position selects its item; see applyStoredIndex().
  void fillLists();
  void restoreBandAndMode(bool startUp);

  // Back to a new QSO: fields emptied and closed but the callsign, mode and
  // band kept, reports at "59".
  void effaceQso();
  void setDeleteEnabled(bool on);
  void focusCallsign();

  // A QSO of the list shown (click or selection from code): fields filled but
  // locked, ready to be deleted. Row -1 shows nothing.
  void showRow(int row);
  // A QSO of the list opened for a change (double click); -1 when no line
  // was under the click.
  void openRowForChange(int row);
  // A spot taken from the live-spot window: a new QSO with these texts in
  // its fields, Main in front and Ind_A awaiting Enter, so that the chain
  // and its checks run as for a typed entry. Nothing is written here.
  void fillFromSpot(const QString& callsign, const QString& prefix, const QString& number, const QString& band);

  // The parts of the captions that follow the state: entry-state caption,
  // accessible names.
  void retranslate();

 signals:
  void searchRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum Field { Ind, Type, Ref, Date, Heure, Mode, Bande, RstA, RstB, Rem, Qsl, FieldCount };

  void build();
  void fitFieldWidths();
  void say(Msg msg);
  // Each field named for screen readers after the label over it.
  void nameFields();
  void setEntryCaption(EntryState state, bool fromLanguageSwitch = false);
  void openField(Field from, Field to);
  QWidget* fieldWidget(Field f) const;
  QString fieldText(Field f) const;
  void setFieldText(Field f, const QString& text);
  bool onEnter(Field f);
  void writeListPosition(Field f);
  void fillFieldsFromLine(const QByteArray& displayLine);
  void showLineForChange(int row);
  void onCommit();
  void onInsert();
  // A log this window only shows (another program holds it): the change is
  // refused with why, and nothing is written.
  bool refusedReadOnly();
  void onDelete();
  std::optional<Field> firstIncompleteField(Msg* msg) const;
  QByteArray lineFromFields() const;
  void reloadLog();
  // The QSO's fields beyond its line, beside the log, after the log is
  // written; a store in trouble is told once and never stops the entry.
  void storeExtras(const QByteArray& line, const QByteArray& oldLine);
  ExtrasStore& extras();

  ProgramState& state_;
  Platform& platform_;
  EntryMode entryMode_ = EntryMode::NewEntry;
  EntryState entryState_ = EntryState::New;
  bool alreadyContacted_ = false;
  EntryKnown known_;
  std::unique_ptr<ExtrasStore> extras_;

  QLineEdit *Ind_A, *Type_A, *Ref_A, *Date_A, *Heure_A, *RST_A, *RST_B, *Rem_A;
  QComboBox *Mode_A, *Bande_A;
  QCheckBox* QSL_A;
  QPushButton *Valide_A, *Efface_A, *Insert_Saisie, *Annule_Saisie, *Rechercher;
  QLabel *Label7, *Label8, *Label36, *Label1, *Label5, *Label40, *Label16, *Label10, *Label41, *Label6, *Label4,
      *Label3, *Label11;
  QGroupBox* Frame3;
};

}  // namespace ktl
