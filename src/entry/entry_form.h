// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The QSO entry of Main: the fields in their Enter chain, the entry-state
// caption and the buttons that commit, clear, insert, delete and search.
#include "adif/qso_extras.h"
#include "entry/entry_checks.h"
#include "state/window_opener.h"
#include "texts/texts.h"

#include <QByteArray>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
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

  // The station's rig, while one is in use: its last reading (`hz` 0 and
  // `hamlibMode` empty while unknown). Bande_A and Mode_A follow it while
  // followsRig() says so, and a new QSO keeps of it what they followed.
  void setRigInUse(bool inUse);
  void setRigReading(qint64 hz, const QString& hamlibMode);
  bool followsRig(EntryField field) const;

  EntryMode entryMode() const { return entryMode_; }
  // The QSO being typed, as its fields hold it (blanks around removed).
  EntryDraft draft() const;
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

 public slots:
  // Supprimer: the QSO shown asked to be deleted, the question first.
  void onDelete();
  // A letter, a digit or "/" typed where no field takes it (a button, the
  // list): the first character of the next QSO's callsign.
  void typeNextQso(const QString& typed);

 public:
  static bool startsCallsign(const QKeyEvent& key);
  // No QSO is being typed: one of the list is shown, or the entry is empty.
  bool awaitsNextQso() const;

 signals:
  void searchRequested();
  // After a commit or a delete: the list shows its last QSO.
  void lastQsoWanted();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using F = EntryField;

  void build();
  void fitFieldWidths();
  void say(Msg msg);
  // Each field named for screen readers after the label over it.
  void nameFields();
  void setEntryCaption(EntryState state, bool fromLanguageSwitch = false);
  void openField(F from, int to);
  // The fields by their place in the chain; the line edits, the two lists
  // and the QSL box as what they are.
  QWidget* field(F f) const { return fields_[int(f)]; }
  QLineEdit* text(F f) const;
  QComboBox* list(F f) const;
  QCheckBox* qslBox() const;
  QString fieldText(F f) const;
  void setFieldText(F f, const QString& text);
  bool onEnter(F f);
  void writeListPosition(F f);
  void fillFieldsFromLine(const QByteArray& displayLine);
  void showLineForChange(int row);
  void onCommit();
  void onInsert();
  // A log this window only shows (another program holds it): the change is
  // refused with why, and nothing is written.
  bool refusedReadOnly();
  std::optional<F> firstIncompleteField(Msg* msg) const;
  QByteArray lineFromFields() const;
  void reloadLog();
  // The QSO's fields beyond its line, beside the log, after the log is
  // written; a store in trouble is told once and never stops the entry.
  void storeExtras(const QByteArray& line, const QByteArray& oldLine);
  // A new QSO in real time with a rig in use: the rig has a say in it.
  bool rigEntry() const;
  // Bande_A and Mode_A put where the rig is, as far as they follow it.
  void followRig();
  // What the rig adds to a new QSO: the frequency Bande_A followed, when
  // the band committed is its band, and the exact mode Mode_A followed,
  // when the mode committed is that mode.
  void addRigReading(EntryKnown& known) const;
  // Whether a key in Mode_A or Bande_A makes it the operator's.
  static bool takesField(const QKeyEvent& key);
  ExtrasStore& extras();

  ProgramState& state_;
  Platform& platform_;
  EntryMode entryMode_ = EntryMode::NewEntry;
  EntryState entryState_ = EntryState::New;
  bool alreadyContacted_ = false;
  EntryKnown known_;
  bool rigInUse_ = false;
  qint64 rigHz_ = 0;
  QString rigMode_;
  // The reading as Bande_A and Mode_A last followed it, for this QSO.
  qint64 heldHz_ = 0;
  QString heldMode_;
  // The operator has typed in (or chosen from) Bande_A or Mode_A for this QSO.
  bool bandTaken_ = false, modeTaken_ = false;
  std::unique_ptr<ExtrasStore> extras_;

  std::array<QWidget*, kEntryFieldCount> fields_{};
  std::array<QLabel*, kEntryFieldCount> labels_{};
  QPushButton *commitButton_, *clearButton_, *insertButton_, *deleteButton_, *searchButton_;
  QLabel* stateCaption_;  // new QSO, insert, change, delete
};

}  // namespace ktl
