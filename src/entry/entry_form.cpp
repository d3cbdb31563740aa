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
#include "platform/window_services.h"
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

QLineEdit* entryBox(const char* name, Qt::Alignment align) {
  auto* e = named(new QLineEdit, name);
  e->setAlignment(align);
  QFont f = e->font();
  f.setBold(true);
  f.setPointSize(12);
  e->setFont(f);
  return e;
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

}  // namespace

EntryForm::EntryForm(ProgramState& state, Platform& platform, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform) {
  build();
  connect(&state_, &ProgramState::entryFillRequested, this, &EntryForm::fillFromSpot);
}

EntryForm::~EntryForm() = default;

void EntryForm::setKnownAtCommit(const QByteArray& freqMhz, const QByteArray& mode, const QByteArray& submode) {
  known_.freqMhz = freqMhz;
  known_.mode = mode;
  known_.submode = submode;
}

ExtrasStore& EntryForm::extras() {
  if (!extras_ || extras_->path() != ExtrasStore::pathFor(state_.logPath()))
    extras_ = std::make_unique<ExtrasStore>(state_.logPath());
  return *extras_;
}

void EntryForm::storeExtras(const QByteArray& line, const QByteArray& oldLine) {
  EntryKnown known;
  known.typedMode = toFileBytes(fieldText(Mode)).trimmed();
  ExtrasStore& store = extras();
  if (entryMode_ == EntryMode::EditEntry) {
    store.replace(oldLine, line, known);
  } else {
    known.freqMhz = known_.freqMhz;
    known.mode = known_.mode;
    known.submode = known_.submode;
    store.add(line, entryFields(line, known));
  }
  if (auto trouble = store.takeReport(state_.language())) platform_.message(this, *trouble);
}

void EntryForm::build() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(0, 0, 0, 0);
  Frame3 = named(new QGroupBox(QStringLiteral("Saisie ou modification d'un QSO")), "Frame3");
  auto* grid = new QGridLayout(Frame3);
  // Tight columns: the row of fields fits the design width of the window.
  grid->setHorizontalSpacing(4);
  grid->setContentsMargins(6, grid->contentsMargins().top(), 6, 6);
  Ind_A = entryBox("Ind_A", Qt::AlignCenter);
  Type_A = entryBox("Type_A", Qt::AlignRight);
  Ref_A = entryBox("Ref_A", Qt::AlignLeft);
  Date_A = entryBox("Date_A", Qt::AlignCenter);
  Heure_A = entryBox("Heure_A", Qt::AlignCenter);
  RST_A = entryBox("RST_A", Qt::AlignCenter);
  RST_B = entryBox("RST_B", Qt::AlignCenter);
  Rem_A = entryBox("Rem_A", Qt::AlignCenter);
  Mode_A = named(new QComboBox, "Mode_A");
  Bande_A = named(new QComboBox, "Bande_A");
  for (QComboBox* c : {Mode_A, Bande_A}) {
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    QFont f = c->font();
    f.setBold(true);
    f.setPointSize(12);
    c->setFont(f);
  }
  QSL_A = named(new QCheckBox, "QSL_A");
  Label8 = named(new QLabel(QStringLiteral("Indicatif")), "Label8");
  Label36 = named(new QLabel(QStringLiteral("Pays")), "Label36");
  Label11 = named(new QLabel(QStringLiteral("-")), "Label11");
  Label1 = named(new QLabel(QStringLiteral("Référence")), "Label1");
  Label5 = named(new QLabel(QStringLiteral("Date")), "Label5");
  Label40 = named(new QLabel(QStringLiteral("Heure")), "Label40");
  Label16 = named(new QLabel(QStringLiteral("Mode")), "Label16");
  Label10 = named(new QLabel(QStringLiteral("Bande")), "Label10");
  Label41 = named(new QLabel(QStringLiteral("RST R")), "Label41");
  Label6 = named(new QLabel(QStringLiteral("RST E")), "Label6");
  Label4 = named(new QLabel(QStringLiteral("Nom du Chateau")), "Label4");
  Label3 = named(new QLabel(QStringLiteral("QSL R")), "Label3");
  const std::array<std::pair<QLabel*, QWidget*>, 10> row = {{{Label8, Ind_A},
                                                              {Label36, Type_A},
                                                              {Label1, Ref_A},
                                                              {Label5, Date_A},
                                                              {Label40, Heure_A},
                                                              {Label16, Mode_A},
                                                              {Label10, Bande_A},
                                                              {Label41, RST_A},
                                                              {Label6, RST_B},
                                                              {Label3, QSL_A}}};
  int col = 0;
  for (const auto& [label, field] : row) {
    grid->addWidget(label, 0, col, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(field, 1, col, field == QSL_A ? Qt::AlignHCenter : Qt::Alignment());
    if (field == Type_A) grid->addWidget(Label11, 1, ++col);
    ++col;
  }
  fitFieldWidths();
  // Extra width goes to the castle name, after the fields.
  grid->setColumnStretch(col, 1);
  grid->addWidget(Label4, 2, 0, 1, 3, Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(Rem_A, 2, 3, 1, col - 2);
  Label7 = named(new QLabel(QStringLiteral("Saisie QSO")), "Label7");
  QFont bold = Label7->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 2);
  Label7->setFont(bold);
  setLabelColour(Label7, QColor(0, 0, 0));
  grid->addWidget(Label7, 3, 0, 1, 3, Qt::AlignLeft);
  root->addWidget(Frame3);

  auto* buttons = new QHBoxLayout;
  Valide_A = named(new QPushButton(QStringLiteral("Valider le QSO")), "Valide_A");
  Valide_A->setToolTip(QStringLiteral("Valide la saisie du QSO en cours"));
  Efface_A = named(new QPushButton(QStringLiteral("Effacer saisie en cours")), "Efface_A");
  Efface_A->setToolTip(QStringLiteral("Efface la saisie en cours"));
  Insert_Saisie = named(new QPushButton(QStringLiteral("Inserer un QSO")), "Insert_Saisie");
  Insert_Saisie->setToolTip(QStringLiteral("Insert un QSO "));
  Annule_Saisie = named(new QPushButton(QStringLiteral("Supprimer un QSO")), "Annule_Saisie");
  Annule_Saisie->setToolTip(QStringLiteral("Annuler la saisie d'un QSO contacté"));
  Rechercher = named(new QPushButton(QStringLiteral("Rechercher un QSO")), "Rechercher");
  Rechercher->setToolTip(QStringLiteral("Permet une recherche dans la liste des QSO contactés"));
  for (QPushButton* b : {Valide_A, Efface_A, Insert_Saisie, Annule_Saisie, Rechercher}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  Valide_A->setEnabled(false);
  Annule_Saisie->setEnabled(false);
  root->addLayout(buttons);

  for (int f = Ind; f < FieldCount; ++f) fieldWidget(Field(f))->installEventFilter(this);
  Mode_A->lineEdit()->installEventFilter(this);
  Bande_A->lineEdit()->installEventFilter(this);
  for (int f = Ind; f < Qsl; ++f) setTabOrder(fieldWidget(Field(f)), fieldWidget(Field(f + 1)));
  setTabOrder(QSL_A, Valide_A);

  // Design-time state of the fields.
  RST_A->setText(QStringLiteral("59"));
  RST_B->setText(QStringLiteral("59"));
  for (int f = Type; f < FieldCount; ++f) {
    fieldWidget(Field(f))->setEnabled(false);
    setFieldColour(fieldWidget(Field(f)), false);
  }
  setFieldColour(Ind_A, true);

  connect(Valide_A, &QPushButton::clicked, this, &EntryForm::onCommit);
  connect(Efface_A, &QPushButton::clicked, this, &EntryForm::effaceQso);
  connect(Insert_Saisie, &QPushButton::clicked, this, &EntryForm::onInsert);
  connect(Annule_Saisie, &QPushButton::clicked, this, &EntryForm::onDelete);
  connect(Rechercher, &QPushButton::clicked, this, &EntryForm::searchRequested);
  // Escape drops the QSO being typed, as Efface_A does, wherever the focus
  // is in Main (a list open in a combo box takes its Escape first).
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &EntryForm::effaceQso);
  nameFields();
}

void EntryForm::fitFieldWidths() {
  // Each box as wide as the longest text it takes, in its own font, plus its
  // frame and margins: the date and the time by their format, the others by
  // their length at the mean width of the capitals and digits callsigns and
  // references are made of; the band box fits its longest list item too.
  const QFontMetricsF fm(Ind_A->font());
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
  const qreal meanChar = fm.horizontalAdvance(letters) / letters.size();
  const auto chars = [&](int n) { return n * meanChar; };
  const std::array<std::pair<QWidget*, qreal>, 9> texts = {{{Ind_A, chars(12)},
                                                            {Type_A, chars(4)},
                                                            {Ref_A, chars(5)},
                                                            {Date_A, fm.horizontalAdvance(QStringLiteral("00/00/00"))},
                                                            {Heure_A, fm.horizontalAdvance(QStringLiteral("00:00"))},
                                                            {Mode_A, chars(6)},
                                                            {Bande_A, chars(7)},
                                                            {RST_A, chars(3)},
                                                            {RST_B, chars(3)}}};
  for (const auto& [w, width] : texts) {
    int text = qCeil(width);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i) text = qMax(text, qCeil(fm.horizontalAdvance(combo->itemText(i))));
      QStyleOptionComboBox opt;
      opt.initFrom(combo);
      opt.editable = true;
      w->setFixedWidth(combo->style()->sizeFromContents(QStyle::CT_ComboBox, &opt, QSize(text, int(fm.height())), combo).width());
    } else {
      // QLineEdit's smallest size is its frame and margins around the widest glyph.
      auto* edit = static_cast<QLineEdit*>(w);
      w->setFixedWidth(edit->minimumSizeHint().width() - QFontMetrics(edit->font()).maxWidth() + text);
    }
  }
}

void EntryForm::fillLists() {
  Bande_A->clear();
  for (const Band& band : kBands) Bande_A->addItem(QString::fromLatin1(band.log));
  Mode_A->clear();
  Mode_A->addItems(kModes);
  fitFieldWidths();
}

void EntryForm::restoreBandAndMode(bool startUp) {
  applyStoredIndex(Bande_A, state_.setting(keys::BandUsed), startUp);
  applyStoredIndex(Mode_A, state_.setting(keys::ModeUsed), startUp);
}

void EntryForm::setDeleteEnabled(bool on) { Annule_Saisie->setEnabled(on); }

void EntryForm::focusCallsign() {
  Ind_A->setEnabled(true);
  Ind_A->setFocus();
}

void EntryForm::say(Msg msg) { platform_.say(this, state_.language(), msg); }

// ---- entry fields ----------------------------------------------------------

QWidget* EntryForm::fieldWidget(Field f) const {
  const std::array<QWidget*, FieldCount> fields = {Ind_A, Type_A, Ref_A, Date_A, Heure_A, Mode_A,
                                                   Bande_A, RST_A, RST_B, Rem_A, QSL_A};
  return fields[f];
}

QString EntryForm::fieldText(Field f) const {
  if (f == Mode) return Mode_A->currentText();
  if (f == Bande) return Bande_A->currentText();
  if (auto* e = qobject_cast<QLineEdit*>(fieldWidget(f))) return e->text();
  return {};
}

void EntryForm::setFieldText(Field f, const QString& text) {
  if (f == Mode || f == Bande) {
    // A list line holds "CW " for CW: the item is selected, and the padding
    // comes back when the line is built again.
    auto* c = static_cast<QComboBox*>(fieldWidget(f));
    int i = c->findText(text, Qt::MatchExactly);
    if (i < 0) i = c->findText(QString(text).remove(QRegularExpression(QStringLiteral(" +$"))), Qt::MatchExactly);
    if (i >= 0)
      c->setCurrentIndex(i);
    else
      c->setEditText(text);
  } else if (auto* e = qobject_cast<QLineEdit*>(fieldWidget(f))) {
    e->setText(text);
  }
}

void EntryForm::openField(Field from, Field to) {
  QWidget* next = to == FieldCount ? static_cast<QWidget*>(Valide_A) : fieldWidget(to);
  next->setEnabled(true);
  setFieldColour(fieldWidget(from), false);
  setFieldColour(next, true);
  next->setFocus();
}

bool EntryForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  std::optional<Field> field;
  for (int f = Ind; f < FieldCount; ++f)
    if (watched == fieldWidget(Field(f))) field = Field(f);
  if (watched == Mode_A->lineEdit()) field = Mode;
  if (watched == Bande_A->lineEdit()) field = Bande;
  if (!field) return QWidget::eventFilter(watched, event);

  auto* key = static_cast<QKeyEvent*>(event);
  if (*field == Ind && !state_.hasStation()) platform_.sayText(this, firstUseOnKey(state_.language()));
  if (isEnterKey(*key)) {
    if (onEnter(*field)) writeListPosition(*field);
    return true;
  }
  if (*field == Qsl) return false;  // the space bar ticks the box as usual
  if (!retypeKey(watched, *key, upperTyped)) watched->event(event);
  writeListPosition(*field);
  return true;
}

void EntryForm::writeListPosition(Field f) {
  if (f != Mode && f != Bande) return;
  auto* combo = f == Mode ? Mode_A : Bande_A;
  const int position = combo->findText(combo->currentText(), Qt::MatchExactly);
  state_.saveSetting(f == Mode ? keys::ModeUsed : keys::BandUsed, QString::number(position));
}

bool EntryForm::onEnter(Field f) {
  if (f == Qsl) {
    setFieldColour(QSL_A, false);
    Valide_A->setEnabled(true);
    setFieldColour(Valide_A, true);
    Valide_A->setFocus();
    return true;
  }
  const QString text = fieldText(f);
  if (auto refused = checkField(static_cast<EntryField>(f), text)) {
    say(*refused);
    return false;
  }
  if (f == Ref) {
    alreadyContacted_ = false;
    if (entryMode_ != EntryMode::EditEntry) {
      if (auto date = findCastleNumber(state_.logPath(), toFileBytes(text))) {
        alreadyContacted_ = true;
        platform_.sayText(this, alreadyContactedMessage(fromFileBytes(*date), state_.language()));
      } else if (Rem_A->text().isEmpty()) {
        // A castle the log does not know yet: the award's list offers its
        // name, which the operator may change or clear.
        Rem_A->setText(castleNameForLog(AwardListStore::of(state_).nameOf(fieldText(Type), text)));
      }
    }
    if (state_.realTimeEntry() && entryMode_ == EntryMode::NewEntry) {
      // The UTC date and time of the clock, to the minute, as the clock
      // labels show them.
      const Clock& clock = platform_.clock();
      Date_A->setText(utcDateText(clock));
      Heure_A->setText(utcTimeText(clock).left(5));
      setFieldColour(Ref_A, false);
      Mode_A->setEnabled(true);
      setFieldColour(Mode_A, true);
      Mode_A->setFocus();
      return true;
    }
  }
  openField(f, Field(f + 1));
  return true;
}

// ---- commit, insert, edit, delete -----------------------------------------

void EntryForm::setEntryCaption(EntryState state, bool fromLanguageSwitch) {
  entryState_ = state;
  const QString caption = entryStateCaption(
      state, state_.language(),
      fromLanguageSwitch ? StateCaptionSource::LanguageSwitch : StateCaptionSource::EntryAction);
  if (!caption.isNull()) Label7->setText(caption);  // an unknown language keeps the caption
  if (!fromLanguageSwitch) setLabelColour(Label7, state == EntryState::New ? QColor(0, 0, 0) : QColor(255, 0, 0));
}

void EntryForm::effaceQso() {
  for (QLineEdit* e : {Type_A, Ref_A, Date_A, Heure_A, Rem_A}) {
    e->clear();
    e->setEnabled(false);
    setFieldColour(e, false);
  }
  for (QComboBox* c : {Mode_A, Bande_A}) {
    c->setEnabled(false);
    setFieldColour(c, false);
  }
  for (QLineEdit* e : {RST_A, RST_B}) {
    e->setText(QStringLiteral("59"));
    e->setEnabled(false);
    setFieldColour(e, false);
  }
  QSL_A->setChecked(false);
  QSL_A->setEnabled(false);
  Ind_A->clear();
  setFieldColour(Ind_A, true);
  Ind_A->setEnabled(true);
  Ind_A->setFocus();
  setEntryCaption(EntryState::New);
  entryMode_ = EntryMode::NewEntry;
}

void EntryForm::onInsert() {
  entryMode_ = EntryMode::InsertEntry;
  Ind_A->setEnabled(true);
  setFieldColour(Ind_A, true);
  setEntryCaption(EntryState::Insert);
  Ind_A->setFocus();
}

void EntryForm::fillFieldsFromLine(const QByteArray& displayLine) {
  const QsoRecord q = fromDisplayLine(displayLine);
  Ind_A->setText(fromFileBytes(q.callsign));
  Type_A->setText(fromFileBytes(q.countryPrefix));
  Ref_A->setText(fromFileBytes(q.castleNumber));
  Date_A->setText(fromFileBytes(q.qsoDate));
  Heure_A->setText(fromFileBytes(q.qsoTime));
  setFieldText(Mode, fromFileBytes(q.mode));
  setFieldText(Bande, fromFileBytes(q.band));
  RST_A->setText(fromFileBytes(q.rstReceived));
  RST_B->setText(fromFileBytes(q.rstSent));
  Rem_A->setText(fromFileBytes(q.castleName));
  QSL_A->setChecked(q.qslReceived);
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
  Ind_A->setEnabled(false);
  setFieldColour(Ind_A, false);
  Annule_Saisie->setEnabled(true);
}

void EntryForm::openRowForChange(int row) {
  if (row < 0 || row >= state_.logModel().rowCount()) {
    say(Msg::DoubleClickNoLine);
    return;
  }
  showLineForChange(row);
  for (int f = Type; f < FieldCount; ++f) fieldWidget(Field(f))->setEnabled(true);
  Valide_A->setEnabled(true);
  Annule_Saisie->setEnabled(false);
  Ind_A->setEnabled(true);
  setFieldColour(Ind_A, true);
  Ind_A->setFocus();
}

void EntryForm::fillFromSpot(const QString& callsign, const QString& prefix, const QString& number,
                             const QString& band) {
  effaceQso();
  Ind_A->setText(callsign);
  Type_A->setText(prefix);
  Ref_A->setText(number);
  // The band is remembered for the station as a band typed in Bande_A is.
  if (!band.isEmpty()) {
    setFieldText(Bande, band);
    writeListPosition(Bande);
  }
  window()->raise();
  window()->activateWindow();
  Ind_A->setFocus();
}

std::optional<EntryForm::Field> EntryForm::firstIncompleteField(Msg* msg) const {
  for (int f = Ind; f < Qsl; ++f) {
    if (auto refused = checkField(static_cast<EntryField>(f), fieldText(Field(f)))) {
      *msg = *refused;
      return Field(f);
    }
  }
  return std::nullopt;
}

QByteArray EntryForm::lineFromFields() const {
  // Control characters (pasted text) would break the line: they become blanks.
  const auto bytes = [this](Field f) {
    QByteArray b = toFileBytes(fieldText(f));
    for (char& c : b)
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    return b;
  };
  QsoRecord q;
  q.callsign = bytes(Ind);
  q.countryPrefix = bytes(Type);
  q.castleNumber = bytes(Ref);
  q.repeatMark = alreadyContacted_;
  q.qsoDate = bytes(Date);
  q.qsoTime = bytes(Heure);
  // A mode has three columns in the log: a longer one ("DIGI") is stored as
  // its first three letters, which the list then shows.
  q.mode = bytes(Mode);
  q.band = bytes(Bande);
  q.rstReceived = bytes(RstA);
  q.castleName = bytes(Rem);
  q.qslReceived = QSL_A->isChecked();
  q.rstSent = bytes(RstB);
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
  if (auto field = firstIncompleteField(&refused)) {
    say(refused);
    if (fieldWidget(*field)->isEnabled()) fieldWidget(*field)->setFocus();
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
  state_.selectLastRow();
  entryMode_ = EntryMode::NewEntry;
  Valide_A->setEnabled(false);
  setFieldColour(Valide_A, false);
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
  state_.selectLastRow();
  effaceQso();
}

void EntryForm::retranslate() {
  setEntryCaption(entryState_, true);
  nameFields();
}

void EntryForm::nameFields() {
  const std::array<std::pair<QWidget*, QLabel*>, 11> pairs = {{{Ind_A, Label8},
                                                               {Type_A, Label36},
                                                               {Ref_A, Label1},
                                                               {Date_A, Label5},
                                                               {Heure_A, Label40},
                                                               {Mode_A, Label16},
                                                               {Bande_A, Label10},
                                                               {RST_A, Label41},
                                                               {RST_B, Label6},
                                                               {Rem_A, Label4},
                                                               {QSL_A, Label3}}};
  for (const auto& [field, label] : pairs) nameAfterLabel(field, label);
}

}  // namespace ktl
