// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entry_form.h"

#include "awards/award_list.h"
#include "entry/entry_checks.h"
#include "extras/extras_store.h"
#include "log/bands.h"
#include "log/clock.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "log/text_codec.h"
#include "platform/platform.h"
#include "platform/keyboard.h"
#include "platform/window_services.h"
#include "rig/rig_modes.h"
#include "state/log_access.h"
#include "state/program_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtMath>
#include <QVBoxLayout>

#include <array>

namespace ktl {
namespace {

const QStringList kModes = {QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("FM"), QStringLiteral("DIGI")};

// The fields of the entry, in the order of their Enter chain: each with
// its label, the kind of control, the alignment of its text and the room it
// needs (a width in characters, or a text of that width).
struct FieldDesign {
  EntryField id;
  const char* name;
  const char* label;
  const char* labelText;  // the design's caption, before a language puts its own
  enum Kind { Text, List, Tick } kind;
  Qt::Alignment align;
  int chars;              // 0: as wide as `widest`, or stretched (the castle name)
  const char* widest;
};
constexpr FieldDesign kFields[kEntryFieldCount] = {
    {EntryField::Ind_A, "Ind_A", "Label8", "Indicatif", FieldDesign::Text, Qt::AlignCenter, 12, nullptr},
    {EntryField::Type_A, "Type_A", "Label36", "Pays", FieldDesign::Text, Qt::AlignRight, 4, nullptr},
    {EntryField::Ref_A, "Ref_A", "Label1", "Référence", FieldDesign::Text, Qt::AlignLeft, 5, nullptr},
    {EntryField::Date_A, "Date_A", "Label5", "Date", FieldDesign::Text, Qt::AlignCenter, 0, "00/00/00"},
    {EntryField::Heure_A, "Heure_A", "Label40", "Heure", FieldDesign::Text, Qt::AlignCenter, 0, "00:00"},
    {EntryField::Mode_A, "Mode_A", "Label16", "Mode", FieldDesign::List, Qt::AlignLeft, 6, nullptr},
    {EntryField::Bande_A, "Bande_A", "Label10", "Bande", FieldDesign::List, Qt::AlignLeft, 7, nullptr},
    {EntryField::RST_A, "RST_A", "Label41", "RST R", FieldDesign::Text, Qt::AlignCenter, 3, nullptr},
    {EntryField::RST_B, "RST_B", "Label6", "RST E", FieldDesign::Text, Qt::AlignCenter, 3, nullptr},
    {EntryField::Rem_A, "Rem_A", "Label4", "Nom du Chateau", FieldDesign::Text, Qt::AlignCenter, 0, nullptr},
    {EntryField::QSL_A, "QSL_A", "Label3", "QSL R", FieldDesign::Tick, Qt::AlignCenter, 0, nullptr},
};
constexpr bool fieldsInChainOrder() {
  for (int i = 0; i < kEntryFieldCount; ++i)
    if (int(kFields[i].id) != i) return false;
  return true;
}
static_assert(fieldsInChainOrder(), "kFields must hold the fields in their EntryField order");

QWidget* makeField(const FieldDesign& d) {
  QWidget* w = nullptr;
  if (d.kind == FieldDesign::Tick) return named(new QCheckBox, d.name);
  if (d.kind == FieldDesign::List) {
    auto* c = new QComboBox;
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    w = c;
  } else {
    auto* e = new QLineEdit;
    e->setAlignment(d.align);
    w = e;
  }
  QFont f = w->font();
  f.setBold(true);
  f.setPointSize(12);
  w->setFont(f);
  return named(w, d.name);
}

// What a field shows of a log value: the value without the blanks that pad
// it to its columns (the padding is the log line's business).
QString shown(const QByteArray& logValue) {
  QString s = fromFileBytes(logValue);
  qsizetype end = s.size();
  while (end > 0 && s.at(end - 1) == u' ') --end;
  s.truncate(end);
  return s;
}

// Puts a stored list position into a combo. A valid position selects that
// item. -1 (a typed text that was not an item) clears the field when a
// station is chosen; at start-up it keeps the first item. Anything else
// (out of range, not a number) leaves the field as it is, which at start-up
// is the first item: the field always holds a valid item there.
void applyStoredIndex(QComboBox* combo, const QString& stored, bool startUp) {
  bool ok = false;
  const int i = stored.trimmed().toInt(&ok);
  if (!ok) return;
  if (i >= 0 && i < combo->count())
    combo->setCurrentIndex(i);
  else if (i == -1 && !startUp)
    combo->setCurrentIndex(-1);
}

// Puts `value` into a list field: its item when it has one, else as typed.
// The text is set as well, as a list whose item does not change keeps a
// text typed over it.
void setListText(QComboBox* combo, const QString& value) {
  const int i = combo->findText(value, Qt::MatchExactly);
  if (i >= 0) combo->setCurrentIndex(i);
  combo->setEditText(value);
}

}  // namespace

EntryForm::EntryForm(ProgramState& state, Platform& platform, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform) {
  build();
}

EntryForm::~EntryForm() = default;

void EntryForm::setKnownAtCommit(const QByteArray& freqMhz, const QByteArray& mode, const QByteArray& submode) {
  known_.freqMhz = freqMhz;
  known_.mode = mode;
  known_.submode = submode;
}

EntryDraft EntryForm::draft() const {
  return {fieldText(F::Ind_A).trimmed(), fieldText(F::Type_A).trimmed(), fieldText(F::Ref_A).trimmed(),
          fieldText(F::Bande_A).trimmed(), fieldText(F::Mode_A).trimmed()};
}

// ---- the rig -----------------------------------------------------------------

void EntryForm::setRigInUse(bool inUse) {
  rigInUse_ = inUse;
  if (!inUse) setRigReading(0, {});
}

void EntryForm::setRigReading(qint64 hz, const QString& hamlibMode) {
  rigHz_ = hz;
  rigMode_ = hamlibMode;
  followRig();
}

// The entry follows the rig while a new QSO is being entered: from a
// cleared entry (start-up, Effacer, Escape, a commit, a delete, a spot taken)
// until its commit, in real-time entry only. A QSO of the list shown or
// opened for a change, an inserted QSO and a QSO entered in deferred time
// were worked earlier, at a frequency the rig no longer tells: nothing of
// the rig goes into them. Within a new QSO each of Bande_A and Mode_A
// follows until the operator types in it or chooses from it (Enter
// included): what he has confirmed or typed is never overridden, and the
// frequency kept for the QSO is the one its band was confirmed at, so that
// tuning on to the next station before the commit changes nothing.
bool EntryForm::rigEntry() const {
  return rigInUse_ && entryMode_ == EntryMode::NewEntry && state_.realTimeEntry();
}

bool EntryForm::followsRig(EntryField f) const {
  if (!rigEntry()) return false;
  if (f == F::Bande_A) return !bandTaken_;
  if (f == F::Mode_A) return !modeTaken_;
  return false;
}

void EntryForm::followRig() {
  if (followsRig(F::Bande_A)) {
    heldHz_ = rigHz_;
    // Outside the twelve bands (60 m, 4 m) the band stays as it is; Main
    // says so beside the frequency.
    const int band = rigHz_ > 0 ? bandOfKhz(double(rigHz_) / 1000.0) : -1;
    if (band >= 0 && fieldText(F::Bande_A) != QLatin1String(kBands[band].log)) {
      setListText(list(F::Bande_A), QString::fromLatin1(kBands[band].log));
      writeListPosition(F::Bande_A);
    }
  }
  if (followsRig(F::Mode_A)) {
    heldMode_ = rigMode_;
    // The rig's data modes (PKTUSB...) cannot tell FT8 from PSK31: the
    // mode stays as it is.
    const auto mode = logModeForRig(rigMode_);
    if (mode && *mode->logMode && fieldText(F::Mode_A) != QLatin1String(mode->logMode)) {
      setListText(list(F::Mode_A), QString::fromLatin1(mode->logMode));
      writeListPosition(F::Mode_A);
    }
  }
}

void EntryForm::addRigReading(EntryKnown& known) const {
  const int band = bandOfLogText(toFileBytes(fieldText(F::Bande_A)).trimmed());
  if (heldHz_ > 0 && band >= 0 && bandOfKhz(double(heldHz_) / 1000.0) == band) known.freqMhz = adifFrequency(heldHz_);
  const auto mode = logModeForRig(heldMode_);
  if (!mode) return;
  const QString typed = fieldText(F::Mode_A).trimmed().toUpper();
  for (const char* name : {mode->logMode, mode->adifMode, mode->adifSubmode, mode->hamlib}) {
    if (*name && typed == QLatin1String(name)) {
      known.mode = mode->adifMode;
      known.submode = mode->adifSubmode;
      return;
    }
  }
}

bool EntryForm::takesField(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock: return false;
    default: return true;
  }
}

ExtrasStore& EntryForm::extras() {
  if (!extras_ || extras_->path() != ExtrasStore::pathFor(state_.logPath()))
    extras_ = std::make_unique<ExtrasStore>(state_.logPath());
  return *extras_;
}

void EntryForm::storeExtras(const QByteArray& line, const QByteArray& oldLine) {
  EntryKnown known;
  known.typedMode = toFileBytes(fieldText(F::Mode_A)).trimmed();
  ExtrasStore& store = extras();
  if (entryMode_ == EntryMode::EditEntry) {
    store.replace(oldLine, line, known);
  } else {
    known.freqMhz = known_.freqMhz;
    known.mode = known_.mode;
    known.submode = known_.submode;
    if (rigEntry()) addRigReading(known);
    store.add(line, entryFields(line, known));
  }
  if (auto trouble = store.takeReport(state_.language())) platform_.message(this, *trouble);
}

void EntryForm::build() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(0, 0, 0, 0);
  auto* frame = named(new QGroupBox(QStringLiteral("Saisie ou modification d'un QSO")), "Frame3");
  auto* grid = new QGridLayout(frame);
  // Tight columns: the row of fields fits the design width of the window.
  grid->setHorizontalSpacing(4);
  grid->setContentsMargins(6, grid->contentsMargins().top(), 6, 6);
  for (const FieldDesign& d : kFields) {
    fields_[int(d.id)] = makeField(d);
    labels_[int(d.id)] = named(new QLabel(QString::fromUtf8(d.labelText)), d.label);
  }
  // One row of labels over their fields, a dash between the prefix and the
  // number; the castle name on the row below, taking the extra width.
  int col = 0;
  for (const FieldDesign& d : kFields) {
    if (d.id == F::Rem_A) continue;
    grid->addWidget(labels_[int(d.id)], 0, col, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(field(d.id), 1, col, d.kind == FieldDesign::Tick ? Qt::AlignHCenter : Qt::Alignment());
    if (d.id == F::Type_A) grid->addWidget(named(new QLabel(QStringLiteral("-")), "Label11"), 1, ++col);
    ++col;
  }
  fitFieldWidths();
  grid->setColumnStretch(col, 1);
  grid->addWidget(labels_[int(F::Rem_A)], 2, 0, 1, 3, Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(field(F::Rem_A), 2, 3, 1, col - 2);
  stateCaption_ = named(new QLabel(QStringLiteral("Saisie QSO")), "Label7");
  QFont bold = stateCaption_->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 2);
  stateCaption_->setFont(bold);
  setLabelColour(stateCaption_, QColor(0, 0, 0));
  grid->addWidget(stateCaption_, 3, 0, 1, 3, Qt::AlignLeft);
  root->addWidget(frame);

  auto* buttons = new QHBoxLayout;
  const auto button = [&](const char* name, const char* caption, const char* tip) {
    auto* b = named(new QPushButton(QString::fromUtf8(caption)), name);
    b->setToolTip(QString::fromUtf8(tip));
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  commitButton_ = button("Valide_A", "Valider le QSO", "Valide la saisie du QSO en cours");
  clearButton_ = button("Efface_A", "Effacer saisie en cours", "Efface la saisie en cours");
  insertButton_ = button("Insert_Saisie", "Inserer un QSO", "Insert un QSO ");
  deleteButton_ = button("Annule_Saisie", "Supprimer un QSO", "Annuler la saisie d'un QSO contacté");
  searchButton_ = button("Rechercher", "Rechercher un QSO", "Permet une recherche dans la liste des QSO contactés");
  commitButton_->setEnabled(false);
  deleteButton_->setEnabled(false);
  root->addLayout(buttons);

  for (QWidget* f : fields_) f->installEventFilter(this);
  for (F f : {F::Mode_A, F::Bande_A}) list(f)->lineEdit()->installEventFilter(this);
  for (QWidget* b : {commitButton_, clearButton_, insertButton_, deleteButton_, searchButton_}) b->installEventFilter(this);
  for (int f = 0; f + 1 < kEntryFieldCount; ++f) setTabOrder(fields_[f], fields_[f + 1]);
  setTabOrder(field(F::QSL_A), commitButton_);

  // Design-time state of the fields.
  text(F::RST_A)->setText(QStringLiteral("59"));
  text(F::RST_B)->setText(QStringLiteral("59"));
  for (int f = int(F::Type_A); f < kEntryFieldCount; ++f) {
    fields_[f]->setEnabled(false);
    setFieldColour(fields_[f], false);
  }
  setFieldColour(field(F::Ind_A), true);

  connect(commitButton_, &QPushButton::clicked, this, &EntryForm::onCommit);
  connect(clearButton_, &QPushButton::clicked, this, &EntryForm::effaceQso);
  connect(insertButton_, &QPushButton::clicked, this, &EntryForm::onInsert);
  connect(deleteButton_, &QPushButton::clicked, this, &EntryForm::onDelete);
  connect(searchButton_, &QPushButton::clicked, this, &EntryForm::searchRequested);
  // Escape drops the QSO being typed, as Efface_A does, wherever the focus
  // is in Main (a list open in a combo box takes its Escape first).
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &EntryForm::effaceQso);
  // A band or mode chosen with the mouse is the operator's as a typed one is.
  connect(list(F::Bande_A), &QComboBox::activated, this, [this] { bandTaken_ = true; });
  connect(list(F::Mode_A), &QComboBox::activated, this, [this] { modeTaken_ = true; });
  // Back to real time, the QSO being entered follows the rig again.
  connect(&state_, &ProgramState::realTimeEntryChanged, this, [this] { followRig(); });
  nameFields();
}

void EntryForm::fitFieldWidths() {
  // Each box as wide as the longest text it takes, in its own font, plus its
  // frame and margins: the date and the time by their format, the others by
  // their length at the mean width of the capitals and digits callsigns and
  // references are made of; a list fits its longest item too.
  const QFontMetricsF fm(field(F::Ind_A)->font());
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
  const qreal meanChar = fm.horizontalAdvance(letters) / letters.size();
  for (const FieldDesign& d : kFields) {
    if (d.chars == 0 && !d.widest) continue;
    int width = qCeil(d.widest ? fm.horizontalAdvance(QString::fromLatin1(d.widest)) : d.chars * meanChar);
    QWidget* w = field(d.id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i) width = qMax(width, qCeil(fm.horizontalAdvance(combo->itemText(i))));
      QStyleOptionComboBox opt;
      opt.initFrom(combo);
      opt.editable = true;
      w->setFixedWidth(
          combo->style()->sizeFromContents(QStyle::CT_ComboBox, &opt, QSize(width, int(fm.height())), combo).width());
    } else {
      // QLineEdit's smallest size is its frame and margins around the widest glyph.
      auto* edit = static_cast<QLineEdit*>(w);
      w->setFixedWidth(edit->minimumSizeHint().width() - QFontMetrics(edit->font()).maxWidth() + width);
    }
  }
}

void EntryForm::fillLists() {
  list(F::Bande_A)->clear();
  for (const Band& band : kBands) list(F::Bande_A)->addItem(QString::fromLatin1(band.log));
  list(F::Mode_A)->clear();
  list(F::Mode_A)->addItems(kModes);
  fitFieldWidths();
}

void EntryForm::restoreBandAndMode(bool startUp) {
  applyStoredIndex(list(F::Bande_A), state_.setting(keys::BandUsed), startUp);
  applyStoredIndex(list(F::Mode_A), state_.setting(keys::ModeUsed), startUp);
  followRig();
}

void EntryForm::setDeleteEnabled(bool on) { deleteButton_->setEnabled(on); }

void EntryForm::focusCallsign() {
  text(F::Ind_A)->setEnabled(true);
  text(F::Ind_A)->setFocus();
}

void EntryForm::say(Msg msg) { platform_.say(this, state_.language(), msg); }

// ---- entry fields ----------------------------------------------------------

QLineEdit* EntryForm::text(F f) const { return static_cast<QLineEdit*>(field(f)); }
QComboBox* EntryForm::list(F f) const { return static_cast<QComboBox*>(field(f)); }
QCheckBox* EntryForm::qslBox() const { return static_cast<QCheckBox*>(field(F::QSL_A)); }

QString EntryForm::fieldText(F f) const {
  if (auto* c = qobject_cast<QComboBox*>(field(f))) return c->currentText();
  if (auto* e = qobject_cast<QLineEdit*>(field(f))) return e->text();
  return {};
}

void EntryForm::setFieldText(F f, const QString& value) {
  if (auto* c = qobject_cast<QComboBox*>(field(f))) {
    // A list line holds "CW " for CW: the item is selected, and the padding
    // comes back when the line is built again.
    int i = c->findText(value, Qt::MatchExactly);
    if (i < 0) i = c->findText(QString(value).remove(QRegularExpression(QStringLiteral(" +$"))), Qt::MatchExactly);
    if (i >= 0)
      c->setCurrentIndex(i);
    else
      c->setEditText(value);
  } else if (auto* e = qobject_cast<QLineEdit*>(field(f))) {
    e->setText(value);
  }
}

// Opens field `to` (kEntryFieldCount: the commit button) after `from`.
void EntryForm::openField(F from, int to) {
  QWidget* next = to == kEntryFieldCount ? static_cast<QWidget*>(commitButton_) : fields_[to];
  next->setEnabled(true);
  setFieldColour(field(from), false);
  setFieldColour(next, true);
  next->setFocus();
}

bool EntryForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  std::optional<F> which;
  for (int f = 0; f < kEntryFieldCount; ++f)
    if (watched == fields_[f]) which = F(f);
  if (watched == list(F::Mode_A)->lineEdit()) which = F::Mode_A;
  if (watched == list(F::Bande_A)->lineEdit()) which = F::Bande_A;
  if (!which) {
    // A callsign typed on a button (where a search or a window left the
    // focus) starts the next QSO instead of being lost.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (qobject_cast<QPushButton*>(watched) && startsCallsign(*key) && awaitsNextQso()) {
      typeNextQso(key->text());
      return true;
    }
    return QWidget::eventFilter(watched, event);
  }

  auto* key = static_cast<QKeyEvent*>(event);
  if (*which == F::Ind_A && !state_.hasStation()) platform_.sayText(this, firstUseOnKey(state_.language()));
  if (*which == F::Mode_A && takesField(*key)) modeTaken_ = true;
  if (*which == F::Bande_A && takesField(*key)) bandTaken_ = true;
  if (isEnterKey(*key)) {
    if (onEnter(*which)) writeListPosition(*which);
    return true;
  }
  if (*which == F::QSL_A) return false;  // the space bar ticks the box as usual
  if (!retypeKey(watched, *key, upperTyped)) watched->event(event);
  writeListPosition(*which);
  return true;
}

bool EntryForm::startsCallsign(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key.text();
  return text.size() == 1 && (text[0].isLetterOrNumber() || text[0] == u'/');
}

bool EntryForm::awaitsNextQso() const {
  // A QSO of the list shown, or no QSO begun: a QSO being typed is never
  // touched by a key that strays onto a button.
  return entryMode_ != EntryMode::NewEntry || text(F::Ind_A)->text().isEmpty();
}

void EntryForm::typeNextQso(const QString& typed) {
  if (!awaitsNextQso()) return;
  // A QSO of the list shown or changed stays as it is in the log: the entry
  // starts a new QSO.
  if (entryMode_ != EntryMode::NewEntry || !field(F::Ind_A)->isEnabled()) effaceQso();
  window()->activateWindow();
  text(F::Ind_A)->setFocus();
  text(F::Ind_A)->end(false);
  text(F::Ind_A)->insert(QString(upperTyped(typed[0])));
}

void EntryForm::writeListPosition(F f) {
  if (f != F::Mode_A && f != F::Bande_A) return;
  QComboBox* combo = list(f);
  const int position = combo->findText(combo->currentText(), Qt::MatchExactly);
  state_.saveSetting(f == F::Mode_A ? keys::ModeUsed : keys::BandUsed, QString::number(position));
}

bool EntryForm::onEnter(F f) {
  if (f == F::QSL_A) {
    setFieldColour(qslBox(), false);
    commitButton_->setEnabled(true);
    setFieldColour(commitButton_, true);
    commitButton_->setFocus();
    return true;
  }
  const QString value = fieldText(f);
  if (auto refused = checkField(f, value)) {
    say(*refused);
    return false;
  }
  if (f == F::Ref_A) {
    alreadyContacted_ = false;
    if (entryMode_ != EntryMode::EditEntry) {
      if (auto date = findCastleNumber(state_.logPath(), toFileBytes(value))) {
        alreadyContacted_ = true;
        platform_.sayText(this, alreadyContactedMessage(fromFileBytes(*date), state_.language()));
      } else if (text(F::Rem_A)->text().isEmpty()) {
        // A castle the log does not know yet: the award's list offers its
        // name, which the operator may change or clear.
        text(F::Rem_A)->setText(castleNameForLog(AwardListStore::of(state_).nameOf(fieldText(F::Type_A), value)));
      }
    }
    if (state_.realTimeEntry() && entryMode_ == EntryMode::NewEntry) {
      // The UTC date and time of the clock, to the minute, as the clock
      // labels show them.
      const Clock& clock = platform_.clock();
      text(F::Date_A)->setText(utcDateText(clock));
      text(F::Heure_A)->setText(utcTimeText(clock).left(5));
      setFieldColour(text(F::Ref_A), false);
      list(F::Mode_A)->setEnabled(true);
      setFieldColour(list(F::Mode_A), true);
      list(F::Mode_A)->setFocus();
      return true;
    }
  }
  openField(f, int(f) + 1);
  return true;
}

// ---- commit, insert, edit, delete -----------------------------------------

void EntryForm::setEntryCaption(EntryState state, bool fromLanguageSwitch) {
  entryState_ = state;
  const QString caption = entryStateCaption(
      state, state_.language(),
      fromLanguageSwitch ? StateCaptionSource::LanguageSwitch : StateCaptionSource::EntryAction);
  if (!caption.isNull()) stateCaption_->setText(caption);  // an unknown language keeps the caption
  if (!fromLanguageSwitch) setLabelColour(stateCaption_, state == EntryState::New ? QColor(0, 0, 0) : QColor(255, 0, 0));
}

void EntryForm::effaceQso() {
  for (QLineEdit* e : {text(F::Type_A), text(F::Ref_A), text(F::Date_A), text(F::Heure_A), text(F::Rem_A)}) {
    e->clear();
    e->setEnabled(false);
    setFieldColour(e, false);
  }
  for (QComboBox* c : {list(F::Mode_A), list(F::Bande_A)}) {
    c->setEnabled(false);
    setFieldColour(c, false);
  }
  for (QLineEdit* e : {text(F::RST_A), text(F::RST_B)}) {
    e->setText(QStringLiteral("59"));
    e->setEnabled(false);
    setFieldColour(e, false);
  }
  qslBox()->setChecked(false);
  qslBox()->setEnabled(false);
  text(F::Ind_A)->clear();
  setFieldColour(text(F::Ind_A), true);
  text(F::Ind_A)->setEnabled(true);
  text(F::Ind_A)->setFocus();
  setEntryCaption(EntryState::New);
  entryMode_ = EntryMode::NewEntry;
  // A new QSO: the band and mode are the rig's again.
  bandTaken_ = modeTaken_ = false;
  heldHz_ = 0;
  heldMode_.clear();
  followRig();
}

void EntryForm::onInsert() {
  entryMode_ = EntryMode::InsertEntry;
  text(F::Ind_A)->setEnabled(true);
  setFieldColour(text(F::Ind_A), true);
  setEntryCaption(EntryState::Insert);
  text(F::Ind_A)->setFocus();
}

void EntryForm::fillFieldsFromLine(const QByteArray& displayLine) {
  const QsoRecord q = fromDisplayLine(displayLine);
  text(F::Ind_A)->setText(shown(q.callsign));
  text(F::Type_A)->setText(shown(q.countryPrefix));
  text(F::Ref_A)->setText(shown(q.castleNumber));
  text(F::Date_A)->setText(shown(q.qsoDate));
  text(F::Heure_A)->setText(shown(q.qsoTime));
  setFieldText(F::Mode_A, shown(q.mode));
  setFieldText(F::Bande_A, shown(q.band));
  text(F::RST_A)->setText(shown(q.rstReceived));
  text(F::RST_B)->setText(shown(q.rstSent));
  text(F::Rem_A)->setText(shown(q.castleName));
  qslBox()->setChecked(q.qslReceived);
}

void EntryForm::showLineForChange(int row) {
  state_.setSelectedLine(state_.logModel().displayLine(row));
  setEntryCaption(EntryState::Change);
  entryMode_ = EntryMode::EditEntry;
  fillFieldsFromLine(state_.selectedLine());
}

void EntryForm::showRow(int row) {
  if (row < 0 || row >= state_.logModel().rowCount()) return;
  showLineForChange(row);
  text(F::Ind_A)->setEnabled(false);
  setFieldColour(text(F::Ind_A), false);
  deleteButton_->setEnabled(true);
}

void EntryForm::openRowForChange(int row) {
  if (row < 0 || row >= state_.logModel().rowCount()) {
    say(Msg::DoubleClickNoLine);
    return;
  }
  showLineForChange(row);
  for (int f = int(F::Type_A); f < kEntryFieldCount; ++f) fields_[f]->setEnabled(true);
  commitButton_->setEnabled(true);
  deleteButton_->setEnabled(false);
  text(F::Ind_A)->setEnabled(true);
  setFieldColour(text(F::Ind_A), true);
  text(F::Ind_A)->setFocus();
}

void EntryForm::fillFromSpot(const QString& callsign, const QString& prefix, const QString& number,
                             const QString& band) {
  effaceQso();
  text(F::Ind_A)->setText(callsign);
  text(F::Type_A)->setText(prefix);
  text(F::Ref_A)->setText(number);
  // The band is remembered for the station as a band typed in list(F::Bande_A) is.
  if (!band.isEmpty()) {
    setFieldText(F::Bande_A, band);
    writeListPosition(F::Bande_A);
  }
  window()->raise();
  window()->activateWindow();
  text(F::Ind_A)->setFocus();
}

std::optional<EntryForm::F> EntryForm::firstIncompleteField(Msg* msg) const {
  for (int f = 0; f < kEntryFieldCount; ++f) {
    if (auto refused = checkField(F(f), fieldText(F(f)))) {
      *msg = *refused;
      return F(f);
    }
  }
  return std::nullopt;
}

QByteArray EntryForm::lineFromFields() const {
  // Control characters (pasted text) would break the line: they become blanks.
  const auto bytes = [this](F f) {
    QByteArray b = toFileBytes(fieldText(f));
    for (char& c : b)
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    return b;
  };
  QsoRecord q;
  q.callsign = bytes(F::Ind_A);
  q.countryPrefix = bytes(F::Type_A);
  q.castleNumber = bytes(F::Ref_A);
  q.repeatMark = alreadyContacted_;
  q.qsoDate = bytes(F::Date_A);
  q.qsoTime = bytes(F::Heure_A);
  // A mode has three columns in the log: a longer one ("DIGI") is stored as
  // its first three letters, which the list then shows.
  q.mode = bytes(F::Mode_A);
  q.band = bytes(F::Bande_A);
  q.rstReceived = bytes(F::RST_A);
  q.castleName = bytes(F::Rem_A);
  q.qslReceived = qslBox()->isChecked();
  q.rstSent = bytes(F::RST_B);
  return toLogLine(q);
}

void EntryForm::reloadLog() {
  QString error;
  if (!state_.loadLog(&error))
    platform_.reportFileError(this, state_.language(), FileAction::Read, state_.logPath(), error);
}

void EntryForm::onCommit() {
  // Fields left empty or malformed (the commit button stays enabled across a
  // clear) are refused with the message of the first such field: a line
  // that is written is always a complete QSO.
  Msg refused{};
  if (auto incomplete = firstIncompleteField(&refused)) {
    say(refused);
    if (field(*incomplete)->isEnabled()) field(*incomplete)->setFocus();
    return;
  }
  if (refusedReadOnly()) return;  // the typed QSO stays in the fields
  if (platform_.ask(this, state_.language(), Msg::SaveQuestion)) {
    const QByteArray line = lineFromFields();
    const QString path = state_.logPath();
    const QByteArray oldLine = entryMode_ == EntryMode::EditEntry ? rebuildLogLine(state_.selectedLine()) : QByteArray();
    LogResult result;
    switch (entryMode_) {
      case EntryMode::NewEntry: result = appendQso(path, line); break;
      case EntryMode::EditEntry: result = replaceQso(path, line, oldLine); break;
      case EntryMode::InsertEntry: result = insertQsoByDate(path, line); break;
    }
    if (!result.ok()) {
      // The typed QSO stays in the fields so that nothing is lost.
      platform_.reportFileError(this, state_.language(), FileAction::Write, path, result.detail);
      return;
    }
    storeExtras(line, oldLine);
    reloadLog();
  }
  emit lastQsoWanted();
  entryMode_ = EntryMode::NewEntry;
  commitButton_->setEnabled(false);
  setFieldColour(commitButton_, false);
  effaceQso();
}

bool EntryForm::refusedReadOnly() {
  const auto& why = state_.readOnly();
  if (!why) return false;
  const Language lang = spoken(state_.language());
  platform_.message(this, writeRefusedMessage(*why, lang));
  return true;
}

void EntryForm::onDelete() {
  if (state_.selectedLine().isEmpty()) {
    say(Msg::DeleteNoLine);
    return;
  }
  if (refusedReadOnly()) return;
  setEntryCaption(EntryState::Deleting);
  if (platform_.ask(this, state_.language(), Msg::DeleteQuestion)) {
    const QByteArray oldLine = rebuildLogLine(state_.selectedLine());
    const LogResult result = deleteQso(state_.logPath(), oldLine);
    if (!result.ok()) {
      platform_.reportFileError(this, state_.language(), FileAction::Write, state_.logPath(), result.detail);
    } else {
      ExtrasStore& store = extras();
      store.remove(oldLine);
      if (auto trouble = store.takeReport(state_.language())) platform_.message(this, *trouble);
    }
    reloadLog();
  }
  emit lastQsoWanted();
  effaceQso();
}

void EntryForm::retranslate() {
  setEntryCaption(entryState_, true);
  nameFields();
}

void EntryForm::nameFields() {
  for (int f = 0; f < kEntryFieldCount; ++f) nameAfterLabel(fields_[f], labels_[f]);
}

}  // namespace ktl
