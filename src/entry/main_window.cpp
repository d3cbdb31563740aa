#include "entry/main_window.h"

#include "adif/adif_export.h"
#include "adif/import_adif_window.h"
#include "entry/entry_checks.h"
#include "entry/io_messages.h"
#include "entry/loading_splash.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "log/text_codec.h"
#include "platform/data_dir.h"
#include "platform/platform.h"
#include "platform/window_services.h"
#include "station/station_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

namespace ktl {
namespace {

const QColor kRestColour(255, 255, 192);   // a field at rest or accepted
const QColor kInputColour(192, 255, 192);  // the field that expects input
const QString kNoStation = QStringLiteral("XXXXX");
const QStringList kModes = {QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("FM"), QStringLiteral("DIGI")};
const QStringList kBands = {QStringLiteral("1.8 Mhz"), QStringLiteral("3.5 Mhz"), QStringLiteral("7.0 Mhz"),
                            QStringLiteral("10 Mhz"),  QStringLiteral("14 Mhz"),  QStringLiteral("18 Mhz"),
                            QStringLiteral("21 Mhz"),  QStringLiteral("24 Mhz"),  QStringLiteral("28 Mhz"),
                            QStringLiteral("50 Mhz"),  QStringLiteral("144 Mhz"), QStringLiteral("432 Mhz")};

QFont listFont() {
  QFont f(QStringLiteral("Terminal"), 9);
  const QFontInfo info(f);
  if (info.family().compare(QStringLiteral("Terminal"), Qt::CaseInsensitive) != 0 || !info.fixedPitch()) {
    f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(9);
  }
  return f;
}

template <typename T>
T* named(T* w, const char* name) {
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

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

MainWindow::MainWindow(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral("ORB KTL  Rev 001"));
  buildControls();
  buildMenus();
  Timer1 = named(new QTimer(this), "Timer1");
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &MainWindow::clockTick);
  // The labels show the time from the start rather than placeholders.
  clockTick();
  Timer1->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
  auto* central = new QWidget;
  auto* root = new QVBoxLayout(central);

  // Station, clocks and entry mode.
  auto* top = new QHBoxLayout;
  auto* frame1 = named(new QFrame, "Frame1");
  auto* f1 = new QHBoxLayout(frame1);
  Label2 = named(new QLabel(QStringLiteral("Indicatif de la station : ")), "Label2");
  I_Station = named(new QLabel, "I_Station");
  I_Station->setStyleSheet(QStringLiteral("color: rgb(255,0,0); font-weight: bold;"));
  f1->addWidget(Label2);
  f1->addWidget(I_Station);
  top->addWidget(frame1);
  top->addStretch();
  auto* frame2 = named(new QFrame, "Frame2");
  auto* f2 = new QHBoxLayout(frame2);
  Label37 = named(new QLabel, "Label37");
  Label34 = named(new QLabel, "Label34");
  Label33 = named(new QLabel, "Label33");
  for (QLabel* l : {Label37, Label34, Label33}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    f2->addWidget(l);
  }
  top->addWidget(frame2);
  auto* frame7 = named(new QFrame, "Frame7");
  auto* f7 = new QHBoxLayout(frame7);
  Label12 = named(new QLabel(QStringLiteral("en temps réel")), "Label12");
  f7->addWidget(Label12);
  top->addWidget(frame7);
  root->addLayout(top);
  auto* line1 = named(new QFrame, "Line1");
  line1->setFrameShape(QFrame::HLine);
  root->addWidget(line1);

  // Entry fields, in the order of the chain.
  Frame3 = named(new QGroupBox(QStringLiteral("Saisie ou modification d'un QSO")), "Frame3");
  auto* grid = new QGridLayout(Frame3);
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
  // Each field as wide as the text it takes.
  const QFontMetrics fm(Ind_A->font());
  const std::array<std::pair<QWidget*, int>, 10> widths = {{{Ind_A, 12},
                                                            {Type_A, 4},
                                                            {Ref_A, 5},
                                                            {Date_A, 8},
                                                            {Heure_A, 5},
                                                            {Mode_A, 6},
                                                            {Bande_A, 7},
                                                            {RST_A, 3},
                                                            {RST_B, 3},
                                                            {QSL_A, 0}}};
  for (const auto& [w, chars] : widths) {
    if (chars == 0) continue;
    const int extra = qobject_cast<QComboBox*>(w) ? 40 : 16;
    w->setMinimumWidth(fm.horizontalAdvance(QString(chars, QLatin1Char('W'))) * 3 / 4 + extra);
  }
  for (int c = 0; c < grid->columnCount(); ++c) grid->setColumnStretch(c, 0);
  grid->setColumnStretch(0, 1);
  grid->addWidget(Label4, 2, 0, 1, 3, Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(Rem_A, 2, 3, 1, col - 3);
  Label7 = named(new QLabel(QStringLiteral("Saisie QSO")), "Label7");
  QFont bold = Label7->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 2);
  Label7->setFont(bold);
  grid->addWidget(Label7, 3, 0, 1, 3);
  root->addWidget(Frame3);

  // Buttons.
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
  // The search window is not part of this build yet: the button stays off
  // rather than pretend to work.
  Rechercher->setEnabled(false);
  for (QPushButton* b : {Valide_A, Efface_A, Insert_Saisie, Annule_Saisie, Rechercher}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  Valide_A->setEnabled(false);
  Annule_Saisie->setEnabled(false);
  root->addLayout(buttons);

  // The QSO list.
  L_Communes = named(
      new QGroupBox(
          QStringLiteral("Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'éditer")),
      "L_Communes");
  auto* listBox = new QVBoxLayout(L_Communes);
  Label_Liste_KTL = named(new QLabel, "Label_Liste_KTL");
  Liste_KTL = named(new QListView, "Liste_KTL");
  Liste_KTL->setModel(&model_);
  Liste_KTL->setUniformItemSizes(true);
  Liste_KTL->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Liste_KTL->setSelectionMode(QAbstractItemView::SingleSelection);
  Liste_KTL->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // The header is spaced for the window's proportional font, in which it
  // stands over the fixed-pitch columns of the list.
  Liste_KTL->setFont(listFont());
  Label_Liste_KTL->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  QPalette lp = Liste_KTL->palette();
  lp.setColor(QPalette::Base, kRestColour);
  Liste_KTL->setPalette(lp);
  listBox->addWidget(Label_Liste_KTL);
  listBox->addWidget(Liste_KTL, 1);
  root->addWidget(L_Communes, 1);
  setCentralWidget(central);

  for (QWidget* w : {static_cast<QWidget*>(Ind_A), static_cast<QWidget*>(Type_A), static_cast<QWidget*>(Ref_A),
                     static_cast<QWidget*>(Date_A), static_cast<QWidget*>(Heure_A), static_cast<QWidget*>(Mode_A),
                     static_cast<QWidget*>(Bande_A), static_cast<QWidget*>(RST_A), static_cast<QWidget*>(RST_B),
                     static_cast<QWidget*>(Rem_A), static_cast<QWidget*>(QSL_A)}) {
    w->installEventFilter(this);
  }
  Mode_A->lineEdit()->installEventFilter(this);
  Bande_A->lineEdit()->installEventFilter(this);
  Liste_KTL->viewport()->installEventFilter(this);
  Liste_KTL->installEventFilter(this);
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

  connect(Valide_A, &QPushButton::clicked, this, &MainWindow::onCommit);
  connect(Efface_A, &QPushButton::clicked, this, &MainWindow::effaceQso);
  connect(Insert_Saisie, &QPushButton::clicked, this, &MainWindow::onInsert);
  connect(Annule_Saisie, &QPushButton::clicked, this, &MainWindow::onDelete);
  connect(Liste_KTL->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!selectingFromCode_ && current.isValid()) onListSelection(current.row());
          });
  connect(Liste_KTL, &QListView::clicked, this, [this](const QModelIndex& i) { onListSelection(i.row()); });
  connect(Liste_KTL, &QListView::doubleClicked, this, [this](const QModelIndex& i) { onListDoubleClick(i.row()); });

  resize(840, 520);
}

void MainWindow::buildMenus() {
  Mnu_Fichier = named(menuBar()->addMenu(QStringLiteral("Fichier")), "Mnu_Fichier");
  Mnu_Import_ADIF =
      named(Mnu_Fichier->addAction(QStringLiteral("Importer un fichier au format ADIF")), "Mnu_Import_ADIF");
  connect(Mnu_Import_ADIF, &QAction::triggered, this, [this] { ImportAdifWindow::showModeless(*this); });
  Mnu_Export_ADIF = named(Mnu_Fichier->addAction(QStringLiteral("Exporter le log au format ADIF")), "Mnu_Export_ADIF");
  connect(Mnu_Export_ADIF, &QAction::triggered, this, &MainWindow::exportLog);
  Mnu_Fichier->addSeparator();
  Mnu_Quitter = named(Mnu_Fichier->addAction(QStringLiteral("Quitter ORB_KTL")), "Mnu_Quitter");
  connect(Mnu_Quitter, &QAction::triggered, this, [] {
    QApplication::closeAllWindows();
    QApplication::quit();
  });

  mnu_Langue = named(menuBar()->addMenu(QStringLiteral("Langage")), "mnu_Langue");
  Mnu_Francais = named(mnu_Langue->addAction(QStringLiteral("Francais")), "Mnu_Francais");
  Mnu_Anglais = named(mnu_Langue->addAction(QStringLiteral("Anglais")), "Mnu_Anglais");
  Mnu_Italien = named(mnu_Langue->addAction(QStringLiteral("Italien")), "Mnu_Italien");
  const std::array<std::pair<QAction*, const char*>, 3> languages = {
      {{Mnu_Francais, "Francais"}, {Mnu_Anglais, "Anglais"}, {Mnu_Italien, "Italien"}}};
  for (const auto& [action, value] : languages) {
    action->setCheckable(true);
    const QString v = QString::fromLatin1(value);
    connect(action, &QAction::triggered, this, [this, v] { changeLanguageFromMenu(v); });
  }
  Mnu_Francais->setChecked(true);

  // F10 opens the menu bar from the keyboard, whatever the desktop's style.
  auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, this, [this] {
    if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().first());
  });

  Mnu_Station = named(menuBar()->addMenu(QStringLiteral("Station")), "Mnu_Station");
  Mnu_New_Indicatif = named(Mnu_Station->addAction(QStringLiteral("Nouvel Indicatif")), "Mnu_New_Indicatif");
  connect(Mnu_New_Indicatif, &QAction::triggered, this, [this] { StationWindow::showModeless(*this); });
}

QString MainWindow::logPath() const { return logFilePath(platform_.dataDir(), stationCallsign_); }

void MainWindow::startUp() {
  // 1. Centre on the screen, at the size the controls need.
  resize(sizeHint().expandedTo(QSize(840, 520)));
  centreOnScreen(this);
  // 2. Band and mode lists.
  Bande_A->clear();
  Bande_A->addItems(kBands);
  Mode_A->clear();
  Mode_A->addItems(kModes);
  // 3. Station.
  SettingsStore& settings = platform_.settings();
  stationCallsign_ = settings.get(kApp, kCommonSection, QStringLiteral("Indicatif Station"), kNoStation);
  I_Station->setText(stationCallsign_);
  // 4. Language of that station.
  const QString lang =
      settings.get(kApp, stationSection(stationCallsign_), QStringLiteral("Language"), QStringLiteral("Francais"));
  uiLanguage_ = lang;
  if (languageFromSetting(lang) != Language::Other) {
    Mnu_Francais->setChecked(lang == QLatin1String("Francais"));
    Mnu_Anglais->setChecked(lang == QLatin1String("Anglais"));
    Mnu_Italien->setChecked(lang == QLatin1String("Italien"));
    applyLanguage(lang);
  } else {
    Mnu_Francais->setChecked(false);
  }
  refreshAccessibleNames();
  // 5. Where the logs are.
  settings.save(kApp, kCommonSection, QStringLiteral("Chemin Repertoire"), platform_.dataDir());
  // 6. First use: choose a station.
  if (stationCallsign_ == kNoStation) {
    showText(firstUseAtStartup(language()));
    StationWindow::showModal(*this);
  }
  // 7. Show the window, ready for a callsign.
  show();
  Ind_A->setEnabled(true);
  Ind_A->setFocus();
  // 8, 9.
  revision_ = QStringLiteral(" 1.0.1");
  historyText_ = QStringLiteral(
      "V1.0.0   le 07/01/2016 creation\r\n"
      "V1.0.1   le 08/03/2016 Nouveau format des Ref + langue Anglaise\r\n");
  setWindowTitle(QStringLiteral("  ORB_KTL    Keep Tower League    Revision ") + revision_);
  // 10. The log, after the splash.
  if (stationCallsign_ != kNoStation) {
    LoadingSplash::showModal(this, stationCallsign_, platform_.splashMilliseconds());
    loadLogIntoList();
    selectLastLine();
  }
  // 11.
  settings.save(kApp, stationSection(stationCallsign_), QStringLiteral("Revision"), revision_);
  // 12.
  effaceQso();
  Annule_Saisie->setEnabled(false);
  entryMode_ = EntryMode::NewEntry;
  realTimeEntry_ = true;
  // 13.
  restoreBandAndMode(true);
}

void MainWindow::restoreBandAndMode(bool startUp) {
  SettingsStore& settings = platform_.settings();
  const QString section = stationSection(stationCallsign_);
  applyStoredIndex(Bande_A, settings.get(kApp, section, QStringLiteral("bande Utilisee"), QStringLiteral("0")),
                   startUp);
  applyStoredIndex(Mode_A, settings.get(kApp, section, QStringLiteral("Mode Utilise"), QStringLiteral("0")), startUp);
}

bool MainWindow::changeStation(const QString& storedCallsign) {
  SettingsStore& settings = platform_.settings();
  const QString previous = stationCallsign_;
  stationCallsign_ = storedCallsign;
  const QString key = QStringLiteral("Indicatif Station");
  if (!QFileInfo::exists(logPath())) {
    const LogResult created = createEmptyLog(logPath());
    if (!created.ok()) {
      reportFileError(created.detail);
      stationCallsign_ = previous;
      return false;
    }
    settings.save(kApp, kCommonSection, key, storedCallsign);
    settings.save(kApp, stationSection(storedCallsign), QStringLiteral("bande Utilisee"), QStringLiteral("0"));
    settings.save(kApp, stationSection(storedCallsign), QStringLiteral("Mode Utilise"), QStringLiteral("0"));
  } else {
    settings.save(kApp, kCommonSection, key, storedCallsign);
  }
  QString shown = settings.get(kApp, kCommonSection, key, kNoStation);
  shown.replace(QLatin1Char('_'), QLatin1Char('/'));
  I_Station->setText(shown);
  restoreBandAndMode(false);
  // The line chosen in the previous station's list names no QSO of this log.
  selectedLine_.clear();
  loadLogIntoList();
  return true;
}

void MainWindow::setRealTimeEntry(bool on) {
  realTimeEntry_ = on;
  const QString caption = dateEntryCaption(on, language());
  if (!caption.isNull()) Label12->setText(caption);
}

void MainWindow::clockTick() {
  const Clock& clock = platform_.clock();
  Label37->setEnabled(true);
  Label37->setText(utcTimeText(clock).left(5) + QStringLiteral(" Utc"));
  Label34->setEnabled(true);
  Label34->setText(localTimeText(clock).left(5) + QStringLiteral(" Loc"));
  Label33->setText(utcDateText(clock));
}

void MainWindow::loadLogIntoList() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (!model_.load(logPath())) reportFileError(model_.errorString(), FileAction::Read);
}

void MainWindow::selectLastLine() {
  const int last = model_.rowCount() - 1;
  if (last < 0) {
    selectedLine_.clear();  // nothing left to show or delete
    return;
  }
  selectingFromCode_ = true;
  const QModelIndex index = model_.index(last);
  Liste_KTL->setCurrentIndex(index);
  Liste_KTL->scrollTo(index);
  selectingFromCode_ = false;
  onListSelection(last);
}

void MainWindow::say(Msg msg) { showText(message(msg, language())); }

void MainWindow::showText(const std::optional<QString>& text) {
  if (text) platform_.message(this, *text);
}

void MainWindow::reportFileError(const QString& detail, FileAction action, const QString& path) {
  platform_.message(this, fileErrorMessage(language(), action, path.isEmpty() ? logPath() : path, detail));
}

void MainWindow::exportLog() {
  const QString target = adifExportPath(platform_.dataDir(), stationCallsign_);
  const AdifExportResult result = exportAdif(logPath(), target, adifTitleLine(uiLanguage_, I_Station->text()));
  if (!result.ok()) {
    const bool read = result.status == AdifExportResult::LogReadFailed;
    reportFileError(result.detail, read ? FileAction::Read : FileAction::Write, read ? logPath() : target);
    return;
  }
  if (auto text = message(Msg::ExportDone, language())) platform_.message(this, *text + adifExportFileName(stationCallsign_));
}

// ---- entry fields ----------------------------------------------------------

QWidget* MainWindow::fieldWidget(Field f) const {
  switch (f) {
    case Ind: return Ind_A;
    case Type: return Type_A;
    case Ref: return Ref_A;
    case Date: return Date_A;
    case Heure: return Heure_A;
    case Mode: return Mode_A;
    case Bande: return Bande_A;
    case RstA: return RST_A;
    case RstB: return RST_B;
    case Rem: return Rem_A;
    case Qsl: return QSL_A;
    case FieldCount: break;
  }
  return nullptr;
}

QString MainWindow::fieldText(Field f) const {
  if (f == Mode) return Mode_A->currentText();
  if (f == Bande) return Bande_A->currentText();
  if (auto* e = qobject_cast<QLineEdit*>(fieldWidget(f))) return e->text();
  return {};
}

void MainWindow::setFieldText(Field f, const QString& text) {
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

void MainWindow::setFieldColour(QWidget* w, bool awaitingInput) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, awaitingInput ? kInputColour : kRestColour);
  p.setColor(QPalette::Button, awaitingInput ? kInputColour : p.color(QPalette::Window));
  w->setPalette(p);
  if (auto* c = qobject_cast<QComboBox*>(w)) c->lineEdit()->setPalette(p);
}

void MainWindow::openField(Field from, Field to) {
  QWidget* next = to == FieldCount ? static_cast<QWidget*>(Valide_A) : fieldWidget(to);
  next->setEnabled(true);
  setFieldColour(fieldWidget(from), false);
  setFieldColour(next, true);
  next->setFocus();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Liste_KTL->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    const auto* me = static_cast<QMouseEvent*>(event);
    if (!Liste_KTL->indexAt(me->position().toPoint()).isValid()) {
      onListDoubleClick(-1);
      return true;
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  if (watched == Liste_KTL) {
    // Enter on a line opens it for a change, as a double click does.
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      onListDoubleClick(Liste_KTL->currentIndex().isValid() ? Liste_KTL->currentIndex().row() : -1);
      return true;
    }
    return false;
  }
  std::optional<Field> field;
  for (int f = Ind; f < FieldCount; ++f)
    if (watched == fieldWidget(Field(f))) field = Field(f);
  if (watched == Mode_A->lineEdit()) field = Mode;
  if (watched == Bande_A->lineEdit()) field = Bande;
  if (!field) return QMainWindow::eventFilter(watched, event);

  auto* key = static_cast<QKeyEvent*>(event);
  if (*field == Ind && stationCallsign_ == kNoStation) showText(firstUseOnKey(language()));
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    if (onEnter(*field)) afterKey(*field);
    return true;
  }
  if (*field == Qsl) return false;  // the space bar ticks the box as usual
  if (!retypeKey(watched, *key, upperTyped)) watched->event(event);
  afterKey(*field);
  return true;
}

void MainWindow::afterKey(Field f) {
  if (f == Mode || f == Bande) writeListPosition(f);
}

void MainWindow::writeListPosition(Field f) {
  auto* combo = f == Mode ? Mode_A : Bande_A;
  const int position = combo->findText(combo->currentText(), Qt::MatchExactly);
  platform_.settings().save(kApp, stationSection(stationCallsign_),
                            f == Mode ? QStringLiteral("Mode Utilise") : QStringLiteral("bande Utilisee"),
                            QString::number(position));
}

bool MainWindow::onEnter(Field f) {
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
      if (auto date = findCastleNumber(logPath(), toFileBytes(text))) {
        alreadyContacted_ = true;
        showText(alreadyContactedMessage(fromFileBytes(*date), language()));
      }
    }
    if (realTimeEntry_ && entryMode_ == EntryMode::NewEntry) {
      Date_A->setText(Label33->text());
      Heure_A->setText(Label37->text().left(5));
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

void MainWindow::setEntryCaption(EntryState state, bool fromLanguageSwitch) {
  entryState_ = state;
  Label7->setText(entryStateCaption(
      state, language(),
      fromLanguageSwitch ? StateCaptionSource::LanguageSwitch : StateCaptionSource::EntryAction));
  if (!fromLanguageSwitch)
    Label7->setStyleSheet(state == EntryState::New ? QStringLiteral("color: rgb(0,0,0);")
                                                   : QStringLiteral("color: rgb(255,0,0);"));
}

void MainWindow::effaceQso() {
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

void MainWindow::onInsert() {
  entryMode_ = EntryMode::InsertEntry;
  Ind_A->setEnabled(true);
  setFieldColour(Ind_A, true);
  setEntryCaption(EntryState::Insert);
  Ind_A->setFocus();
}

void MainWindow::fillFieldsFromLine(const QByteArray& displayLine) {
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

void MainWindow::showLineForChange(int row) {
  selectedLine_ = model_.displayLine(row);
  setEntryCaption(EntryState::Change);
  entryMode_ = EntryMode::EditEntry;
  fillFieldsFromLine(selectedLine_);
}

void MainWindow::onListSelection(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  showLineForChange(row);
  Ind_A->setEnabled(false);
  setFieldColour(Ind_A, false);
  Annule_Saisie->setEnabled(true);
}

void MainWindow::onListDoubleClick(int row) {
  if (row < 0 || row >= model_.rowCount()) {
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

std::optional<MainWindow::Field> MainWindow::firstIncompleteField(Msg* msg) const {
  for (int f = Ind; f < Qsl; ++f) {
    if (auto refused = checkField(static_cast<EntryField>(f), fieldText(Field(f)))) {
      *msg = *refused;
      return Field(f);
    }
  }
  return std::nullopt;
}

QByteArray MainWindow::lineFromFields() const {
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

void MainWindow::onCommit() {
  // Fields left empty or malformed (the commit button stays enabled across a
  // clear) are refused with the message of the first such field: a line
  // that is written is always a complete QSO.
  Msg refused{};
  if (auto field = firstIncompleteField(&refused)) {
    say(refused);
    if (fieldWidget(*field)->isEnabled()) fieldWidget(*field)->setFocus();
    return;
  }
  const std::optional<QString> question = message(Msg::SaveQuestion, language());
  const bool yes = question && platform_.question(this, *question);
  if (yes) {
    const QByteArray line = lineFromFields();
    LogResult result;
    switch (entryMode_) {
      case EntryMode::NewEntry: result = appendQso(logPath(), line); break;
      case EntryMode::EditEntry: result = replaceQso(logPath(), line, rebuildLogLine(selectedLine_)); break;
      case EntryMode::InsertEntry: result = insertQsoByDate(logPath(), line); break;
    }
    if (!result.ok()) {
      // The typed QSO stays in the fields so that nothing is lost.
      reportFileError(result.detail);
      return;
    }
    loadLogIntoList();
  }
  selectLastLine();
  entryMode_ = EntryMode::NewEntry;
  Valide_A->setEnabled(false);
  setFieldColour(Valide_A, false);
  effaceQso();
}

void MainWindow::onDelete() {
  if (selectedLine_.isEmpty()) {
    say(Msg::DeleteNoLine);
    return;
  }
  setEntryCaption(EntryState::Deleting);
  const std::optional<QString> question = message(Msg::DeleteQuestion, language());
  if (question && platform_.question(this, *question)) {
    const LogResult result = deleteQso(logPath(), rebuildLogLine(selectedLine_));
    if (!result.ok()) reportFileError(result.detail);
    loadLogIntoList();
  }
  selectLastLine();
  effaceQso();
}

// ---- languages -------------------------------------------------------------

void MainWindow::changeLanguageFromMenu(const QString& value) {
  Mnu_Francais->setChecked(value == QLatin1String("Francais"));
  Mnu_Anglais->setChecked(value == QLatin1String("Anglais"));
  Mnu_Italien->setChecked(value == QLatin1String("Italien"));
  uiLanguage_ = value;
  applyLanguage(value);
}

void MainWindow::applyLanguage(const QString& value) {
  const Language lang = languageFromSetting(value);
  if (lang == Language::Other) return;
  platform_.settings().save(kApp, stationSection(stationCallsign_), QStringLiteral("Language"), value);
  for (const CaptionRow& row : mainCaptions()) {
    const QString caption = captionText(row, lang);
    if (caption.isNull()) continue;  // no caption of its own in this language: keep the current one
    const QString name = QString::fromLatin1(row.control);
    if (QAction* a = findChild<QAction*>(name)) {
      a->setText(caption);
    } else if (QMenu* m = findChild<QMenu*>(name)) {
      m->setTitle(caption);
    } else if (QWidget* w = findChild<QWidget*>(name)) {
      if (row.tooltip)
        w->setToolTip(caption);
      else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(caption);
      else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(caption);
      else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(caption);
    }
  }
  Label_Liste_KTL->setText(listHeader(lang));
  Label12->setText(dateEntryCaption(realTimeEntry_, lang));
  setEntryCaption(entryState_, true);
  refreshAccessibleNames();
}

void MainWindow::refreshAccessibleNames() {
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
  for (const auto& [field, label] : pairs) {
    field->setAccessibleName(label->text());
    label->setBuddy(field);
  }
  Liste_KTL->setAccessibleName(L_Communes->title());
}


}  // namespace ktl
