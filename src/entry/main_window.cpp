// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/main_window.h"

#include "adif/adif_export.h"
#include "adif/adif_standard.h"
#include "extras/adif_with_extras.h"
#include "awards/awards_window.h"
#include "entry/entry_form.h"
#include "entry/loading_splash.h"
#include "entry/qso_list.h"
#include "log/clock.h"
#include "platform/platform.h"
#include "platform/window_services.h"
#include "log/bands.h"
#include "rig/rig_modes.h"
#include "rig/rig_texts.h"
#include "state/daily_backup.h"
#include "state/log_access.h"
#include "state/program_state.h"
#include "state/window_opener.h"
#include "texts/award_texts.h"
#include "texts/keyboard_texts.h"
#include "texts/spots_texts.h"
#include "texts/program_texts.h"
#include "views/prefix_table.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace ktl {

MainWindow::MainWindow(ProgramState& state, Platform& platform, WindowOpener& windows, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform), windows_(windows) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral("ORB KTL  Rev 001"));
  auto* central = new QWidget;
  auto* root = new QVBoxLayout(central);
  root->setContentsMargins(6, 4, 6, 6);
  buildTop(central);
  form_ = new EntryForm(state_, platform_);
  root->addWidget(form_);
  // Shown only while the log is read-only, saying why.
  logAccessLine_ = named(new QLabel, "Etat_Log");
  logAccessLine_->setWordWrap(true);
  logAccessLine_->setMargin(3);
  setLabelColour(logAccessLine_, QColor(128, 0, 0));
  logAccessLine_->hide();
  // The rig's frequency and mode, and how the rig link is: shown while a
  // rig is in use.
  rigLine_ = named(new QWidget, "Radio_Main");
  auto* rigRow = new QHBoxLayout(rigLine_);
  rigRow->setContentsMargins(0, 0, 0, 0);
  rigFrequency_ = named(new QLabel, "Freq_Radio");
  QFont bold = rigFrequency_->font();
  bold.setBold(true);
  rigFrequency_->setFont(bold);
  rigFrequency_->setMargin(3);
  setLabelColour(rigFrequency_, QColor(0, 0, 0));
  rigState_ = named(new QLabel, "Etat_Radio");
  rigState_->setMargin(3);
  rigRow->addWidget(rigFrequency_);
  rigRow->addWidget(rigState_, 1);
  rigLine_->hide();
  root->addWidget(rigLine_);
  root->addWidget(logAccessLine_);
  list_ = new QsoList(state_.logModel());
  root->addWidget(list_, 1);
  setCentralWidget(central);
  buildMenus();

  connect(form_, &EntryForm::searchRequested, this, [this] { windows_.open(WindowId::Search); });
  connect(list_, &QsoList::rowChosen, form_, &EntryForm::showRow);
  connect(list_, &QsoList::rowOpened, form_, &EntryForm::openRowForChange);
  connect(list_, &QsoList::deleteRequested, form_, &EntryForm::onDelete);
  list_->setCallsignKeys(&EntryForm::startsCallsign);
  connect(list_, &QsoList::typedAside, form_, &EntryForm::typeNextQso);
  connect(form_, &EntryForm::lastQsoWanted, this, [this] { selectRow(state_.logModel().rowCount() - 1); });
  connect(&state_, &ProgramState::languageChanged, this, &MainWindow::applyLanguage);
  connect(&state_, &ProgramState::languageChanged, this, &MainWindow::showLogAccess);
  connect(&state_, &ProgramState::logAccessChanged, this, &MainWindow::showLogAccess);
  connect(&state_, &ProgramState::stationChanged, this, &MainWindow::showStation);
  connect(&state_, &ProgramState::rigChanged, this, &MainWindow::attachRig);
  connect(&state_, &ProgramState::languageChanged, this, &MainWindow::showRig);
  connect(&state_, &ProgramState::realTimeEntryChanged, this, [this](bool on) {
    (on ? realTimeItem_ : deferredItem_)->setChecked(true);
    const QString caption = dateEntryCaption(on, state_.language());
    if (!caption.isNull()) dateEntryCaption_->setText(caption);
  });

  clockTimer_ = named(new QTimer(this), "Timer1");
  clockTimer_->setInterval(1000);
  connect(clockTimer_, &QTimer::timeout, this, &MainWindow::clockTick);
  // The labels show the time from the start rather than placeholders.
  clockTick();
  clockTimer_->start();
  resize(designSize());
  attachRig();
}

QSize MainWindow::designSize() const {
  const qreal scale = logicalDpiX() / 96.0;
  return QSize(qRound(840 * scale), qRound(520 * scale)).expandedTo(minimumSizeHint());
}

QMargins MainWindow::frameAllowance() const {
  // The window manager's frame is known once the window is shown; before,
  // a title bar and thin borders are assumed.
  const QRect frame = frameGeometry(), client = geometry();
  if (frame != client)
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
  const int border = 4;
  return {border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + border, border, border};
}

void MainWindow::placeOnScreen() {
  QRect wanted;
  const QStringList stored = state_.setting(keys::MainWindowPlace).split(QLatin1Char(','));
  if (stored.size() == 4) {
    std::array<int, 4> v{};
    bool all = true;
    for (int i = 0; i < 4; ++i) {
      bool ok = false;
      v[i] = stored[i].trimmed().toInt(&ok);
      all = all && ok;
    }
    if (all && v[2] > 0 && v[3] > 0) wanted = QRect(v[0], v[1], v[2], v[3]);
  }
  QScreen* screen = wanted.isValid() ? QGuiApplication::screenAt(wanted.center()) : nullptr;
  if (!screen) screen = this->screen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const QMargins frame = frameAllowance();
  if (!wanted.isValid()) {
    // First start: the design size, centred with its frame.
    const QSize size = placeWithin(QRect(available.topLeft(), designSize()), available, frame, minimumSizeHint()).size();
    const QSize outer = size.grownBy(frame);
    wanted = QRect(QPoint(available.x() + (available.width() - outer.width()) / 2 + frame.left(),
                          available.y() + (available.height() - outer.height()) / 2 + frame.top()),
                   size);
  }
  setGeometry(placeWithin(wanted, available, frame, minimumSizeHint()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The place and size are kept for the next start; a maximised window
  // keeps the place it had before.
  const QRect g = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
  state_.saveSetting(keys::MainWindowPlace,
                     QStringLiteral("%1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()));
  QMainWindow::closeEvent(event);
}

void MainWindow::bindMenuKeys() {
  // The captions carry no mnemonic mark, so each menu takes the first letter
  // of its caption that no menu before it has taken (Affichage A, Aide i).
  qDeleteAll(menuKeys_);
  menuKeys_.clear();
  QString taken;
  QStringList hint;
  for (QAction* item : menuBar()->actions()) {
    if (!item->isVisible()) continue;
    for (const QChar c : item->text()) {
      const QChar letter = c.toUpper();
      if (letter < QLatin1Char('A') || letter > QLatin1Char('Z') || taken.contains(letter)) continue;
      taken += letter;
      auto* key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + (letter.unicode() - 'A'))), this);
      connect(key, &QShortcut::activated, this, [this, item] {
        if (!item->menu()) return item->trigger();
        // The menu opens on its first item, so that Enter chooses it and the
        // arrows move from there.
        menuBar()->setActiveAction(item);
        for (QAction* first : item->menu()->actions())
          if (first->isVisible() && first->isEnabled() && !first->isSeparator()) {
            item->menu()->setActiveAction(first);
            break;
          }
      });
      menuKeys_ << key;
      hint << QStringLiteral("Alt+%1 %2").arg(letter).arg(item->text());
      break;
    }
  }
  const QString head = pick(kMenuKeysHint, state_.language());
  if (!head.isNull()) menuBar()->setToolTip(head + QLatin1Char(' ') + hint.join(QStringLiteral(", ")));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTop(QWidget* central) {
  auto* root = static_cast<QVBoxLayout*>(central->layout());
  auto* top = new QHBoxLayout;
  auto* frame1 = named(new QFrame, "Frame1");
  auto* f1 = new QHBoxLayout(frame1);
  stationCaption_ = named(new QLabel(QStringLiteral("Indicatif de la station : ")), "Label2");
  stationCallsign_ = named(new QLabel, "I_Station");
  QFont bold = stationCallsign_->font();
  bold.setBold(true);
  stationCallsign_->setFont(bold);
  setLabelColour(stationCallsign_, QColor(255, 0, 0));
  f1->addWidget(stationCaption_);
  f1->addWidget(stationCallsign_);
  top->addWidget(frame1);
  top->addStretch();
  auto* frame2 = named(new QFrame, "Frame2");
  auto* f2 = new QHBoxLayout(frame2);
  utcTime_ = named(new QLabel, "Label37");
  localTime_ = named(new QLabel, "Label34");
  utcDate_ = named(new QLabel, "Label33");
  for (QLabel* l : {utcTime_, localTime_, utcDate_}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    f2->addWidget(l);
  }
  top->addWidget(frame2);
  auto* frame7 = named(new QFrame, "Frame7");
  auto* f7 = new QHBoxLayout(frame7);
  dateEntryCaption_ = named(new QLabel(QStringLiteral("en temps réel")), "Label12");
  f7->addWidget(dateEntryCaption_);
  top->addWidget(frame7);
  root->addLayout(top);
  auto* line1 = named(new QFrame, "Line1");
  line1->setFrameShape(QFrame::HLine);
  root->addWidget(line1);
}

// An item that opens a window, shown only when the program has that window:
// no menu item is ever dead.
QAction* MainWindow::windowItem(QMenu* menu, const char* name, const QString& caption, int window) {
  const auto id = static_cast<WindowId>(window);
  QAction* a = named(menu->addAction(caption), name);
  a->setVisible(windows_.has(id));
  connect(a, &QAction::triggered, this, [this, id] { windows_.open(id); });
  return a;
}

void MainWindow::buildMenus() {
  // Initial captions; the language routines replace those their tables name.
  QMenuBar* bar = menuBar();
  QMenu* file = named(bar->addMenu(QStringLiteral("Fichier")), "Mnu_Fichier");
  QAction* quit = named(file->addAction(QStringLiteral("Quitter ORB_KTL")), "Mnu_Quitter");
  connect(quit, &QAction::triggered, this, [] {
    QApplication::closeAllWindows();
    QApplication::quit();
  });
  windowItem(file, "Mnu_Import_ADIF", QStringLiteral("Importer un fichier au format ADIF"), int(WindowId::ImportAdif));
  QAction* exportItem = named(file->addAction(QStringLiteral("Exporter le log au format ADIF")), "Mnu_Export_ADIF");
  connect(exportItem, &QAction::triggered, this, &MainWindow::exportLog);
  // The standard ADIF 3.1 export, for logging services: beside the log, and
  // the message gives the whole path, as the operator has to find the file.
  QAction* standard = named(file->addAction(pick(fileMenuCaptions()[0].text, Language::French)), "Mnu_Export_ADIF_Standard");
  connect(standard, &QAction::triggered, this, [this] {
    const QString target = standardAdifPath(platform_.dataDir(), state_.stationCallsign());
    ExtrasStore store(state_.logPath());  // each QSO's full record, where one is kept
    const AdifExportResult result = exportStandardWithExtras(
        state_.logPath(), target,
        makeStandardAdifHeader(state_.settings(), ProgramState::shownForm(state_.stationCallsign()),
                               programRevision(), platform_.clock().now()),
        store);
    const Language lang = state_.language();
    if (!result.ok()) {
      const bool read = result.status == AdifExportResult::LogReadFailed;
      platform_.reportFileError(this, lang, read ? FileAction::Read : FileAction::Write,
                                read ? state_.logPath() : target, result.detail);
      return;
    }
    QString done = pick(programText(ProgramText::StandardExportDone), lang);
    if (done.isNull()) return;
    done += QDir::toNativeSeparators(target);
    if (auto gaps = exportGapsSummary(result.gaps, lang)) done += QStringLiteral("\r\n") + *gaps;
    if (auto trouble = store.takeReport(lang)) done += QStringLiteral("\r\n") + *trouble;
    platform_.message(this, done);
  });
  QAction* backups = named(file->addAction(pick(fileMenuCaptions()[1].text, Language::French)), "Mnu_Sauvegardes");
  connect(backups, &QAction::triggered, this, [this] {
    const QString folder = backupFolder(platform_.dataDir());
    QDir().mkpath(folder);
    const QString where = pick(programText(ProgramText::BackupFolder), state_.language());
    if (!platform_.openFolder(folder) && !where.isNull()) platform_.message(this, where + QDir::toNativeSeparators(folder));
  });
  windowItem(file, "Mnu_Edit_Pays", QStringLiteral("Editer la liste des pays"), int(WindowId::PrefixEditor));
  // The award's published list of castles, for the progress window and the
  // castle names offered at entry.
  QAction* awardList = named(file->addAction(pick(awardText(AwardText::ImportMenuItem), Language::French)), "Mnu_Import_Liste");
  connect(awardList, &QAction::triggered, this, [this] { importAwardListChosen(this, state_, platform_); });
  connect(&state_, &ProgramState::languageChanged, awardList, [this, awardList] {
    const QString caption = pick(awardText(AwardText::ImportMenuItem), state_.language());
    if (!caption.isNull()) awardList->setText(caption);
  });

  QMenu* language = named(bar->addMenu(QStringLiteral("Language")), "mnu_Langue");
  languages_ = new QActionGroup(this);
  // With an unknown stored language no item carries the mark.
  languages_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  const std::array<std::tuple<QAction**, const char*, const char*, Language>, 4> items = {
      {{&frenchItem_, "Mnu_Francais", "Français", Language::French},
       {&englishItem_, "Mnu_Anglais", "Anglais", Language::English},
       {&italianItem_, "Mnu_Italien", "Italien", Language::Italian},
       {&germanItem_, "Mnu_Allemand", "Allemand", Language::German}}};
  for (const auto& [slot, name, caption, lang] : items) {
    QAction* a = named(language->addAction(QString::fromUtf8(caption)), name);
    a->setCheckable(true);
    languages_->addAction(a);
    connect(a, &QAction::triggered, this, [this, lang = lang] { state_.setLanguage(lang); });
    *slot = a;
  }
  frenchItem_->setChecked(true);

  QMenu* station = named(bar->addMenu(QStringLiteral("Station")), "Mnu_Station");
  windowItem(station, "Mnu_New_Indicatif", QStringLiteral("Nouvel Indicatif"), int(WindowId::Station));

  QMenu* options = named(bar->addMenu(QStringLiteral("Options")), "Mnu_Options");
  QMenu* dateEntry = named(options->addMenu(QStringLiteral("Saisie du log")), "Mnu_Date_Auto");
  dateEntry_ = new QActionGroup(this);
  realTimeItem_ = named(dateEntry->addAction(QStringLiteral("en temps réel")), "Mnu_Date_Auto_Oui");
  deferredItem_ = named(dateEntry->addAction(QStringLiteral("en différé")), "Mnu_Date_Auto_Non");
  for (QAction* a : {realTimeItem_, deferredItem_}) {
    a->setCheckable(true);
    dateEntry_->addAction(a);
  }
  realTimeItem_->setChecked(true);
  connect(realTimeItem_, &QAction::triggered, this, [this] { state_.setRealTimeEntry(true); });
  connect(deferredItem_, &QAction::triggered, this, [this] { state_.setRealTimeEntry(false); });
  QAction* rig = windowItem(options, "Mnu_Radio", pick(rigText(RigText::MenuItem), Language::French), int(WindowId::Rig));
  connect(&state_, &ProgramState::languageChanged, rig, [this, rig] {
    const QString caption = pick(rigText(RigText::MenuItem), state_.language());
    if (!caption.isNull()) rig->setText(caption);
  });

  QMenu* display = named(bar->addMenu(QStringLiteral("Affichage")), "Mnu_Affichage");
  const bool contact = windowItem(display, "Mnu_Aff_Contact", QStringLiteral("Alphanumerique des Chateaux contactés"),
                                  int(WindowId::ContactedCastles))->isVisible();
  const bool prefixes = windowItem(display, "Mnu_Aff_Prefixes", QStringLiteral("des Préfixes contactés"),
                                   int(WindowId::ContactedPrefixes))->isVisible();
  QAction* spots = windowItem(display, "Mnu_Spots", QStringLiteral("Spots en direct"), int(WindowId::LiveSpots));
  connect(&state_, &ProgramState::languageChanged, spots, [this, spots] {
    const QString caption = pick(spotsText(SpotsText::MenuItem), state_.language());
    if (!caption.isNull()) spots->setText(caption);
  });
  QAction* progress = windowItem(display, "Mnu_Progression", pick(awardText(AwardText::MenuItem), Language::French),
                                 int(WindowId::AwardProgress));
  connect(&state_, &ProgramState::languageChanged, progress, [this, progress] {
    const QString caption = pick(awardText(AwardText::MenuItem), state_.language());
    if (!caption.isNull()) progress->setText(caption);
  });
  display->menuAction()->setVisible(contact || prefixes || spots->isVisible() || progress->isVisible());

  // A menu-bar item of its own, without sub-items: choosing it opens the window.
  QAction* cluster = named(bar->addAction(QStringLiteral("Cluster")), "Mnu_Cluster");
  cluster->setVisible(windows_.has(WindowId::Cluster));
  connect(cluster, &QAction::triggered, this, [this] { windows_.open(WindowId::Cluster); });

  QMenu* help = named(bar->addMenu(QStringLiteral("Aide")), "Mnu_Aide");
  QAction* history = named(help->addAction(QStringLiteral("Historique")), "Mnu_Historique");
  connect(history, &QAction::triggered, this, [this] { platform_.message(this, historyText()); });
  QAction* about = named(help->addAction(QStringLiteral("A_Propos")), "Mnu_A_Propos");
  connect(about, &QAction::triggered, this, [this] {
    platform_.message(this, QStringLiteral("ORB_KTL  Revision ") + programRevision());
  });

  // F10 opens the menu bar from the keyboard, whatever the desktop's style.
  auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menuBar()->actions().first()); });
  bindMenuKeys();
}

void MainWindow::startUp() {
  // 1. On the screen: where the operator left it, else centred.
  placeOnScreen();
  // 2. Band and mode lists.
  form_->fillLists();
  // 3. Station, 4. and its language.
  state_.loadFromSettings();
  if (!state_.rejectedStation().isEmpty())
    platform_.message(this, pick(programText(ProgramText::StoredStationRefused), spoken(state_.language()))
                                .arg(state_.rejectedStation()));
  stationCallsign_->setText(state_.stationCallsign());
  if (state_.language() != Language::Other)
    state_.setLanguage(state_.language());  // stores it, ticks its item, puts its captions
  else
    languages_->checkedAction()->setChecked(false);
  // 5. Where the logs are; a new operator's prefix table (a failure is told
  // when a prefix window opens).
  state_.saveSetting(keys::DataFolder, platform_.dataDir());
  installStarterPrefixTable(prefixTablePath(platform_.dataDir()));
  // 6. First use: choose a station.
  if (!state_.hasStation()) {
    platform_.sayText(this, firstUseAtStartup(state_.language()));
    windows_.openModal(WindowId::Station);
  }
  // 7. Show the window, ready for a callsign.
  show();
  form_->focusCallsign();
  // 8, 9.
  setWindowTitle(QStringLiteral("  ORB_KTL    Keep Tower League    Revision ") + programRevision());
  // 10. The log, after the splash.
  if (state_.hasStation()) {
    LoadingSplash::showModal(this, state_.stationCallsign(), platform_.splashMilliseconds());
    QString error;
    if (!state_.loadLog(&error))
      platform_.reportFileError(this, state_.language(), FileAction::Read, state_.logPath(), error);
    selectRow(state_.logModel().rowCount() - 1);
  }
  // 11.
  state_.saveSetting(keys::Revision, programRevision());
  // 12.
  form_->effaceQso();
  form_->setDeleteEnabled(false);
  state_.setRealTimeEntry(true);
  // 13.
  form_->restoreBandAndMode(true);
  emit startedUp();
}

void MainWindow::showLogAccess() {
  const auto& why = state_.readOnly();
  logAccessLine_->setText(why ? readOnlyState(*why, spoken(state_.language())) : QString());
  logAccessLine_->setAccessibleName(logAccessLine_->text());
  logAccessLine_->setVisible(why.has_value());
}

void MainWindow::attachRig() {
  disconnect(rigChanges_);
  RigLink* rig = state_.rig();
  if (rig) rigChanges_ = connect(rig, &RigLink::changed, this, &MainWindow::showRig);
  form_->setRigInUse(rig != nullptr);
  rigLine_->setVisible(rig != nullptr);
  showRig();
}

void MainWindow::showRig() {
  const RigLink* rig = state_.rig();
  QWidget* band = form_->findChild<QWidget*>(QStringLiteral("Bande_A"));
  if (!rig) {
    band->setAccessibleDescription({});
    return;
  }
  const Language lang = spoken(state_.language());
  const qint64 hz = rig->frequencyHz();
  QString frequency = pick(rigText(RigText::FrequencyUnknown), lang);
  if (hz > 0) {
    frequency = shownFrequency(hz);
    if (!rig->hamlibMode().isEmpty()) frequency += QStringLiteral("  ") + rig->hamlibMode();
    if (bandOfKhz(double(hz) / 1000.0) < 0) frequency += QStringLiteral(" (") + pick(rigText(RigText::OutsideBands), lang) + u')';
  }
  rigFrequency_->setText(frequency);
  // A screen reader reads it with the label, and with Bande_A as it comes
  // into the entry.
  const QString spokenFrequency = pick(rigText(RigText::FrequencyName), lang).arg(frequency);
  rigFrequency_->setAccessibleName(spokenFrequency);
  band->setAccessibleDescription(spokenFrequency);
  const QString status = rig->statusText(int(lang));
  rigState_->setText(status);
  rigState_->setAccessibleName(status);
  const QColor colour = rig->inTrouble() ? QColor(160, 0, 0) : rig->linkUp() ? QColor(0, 100, 0) : QColor(0, 0, 0);
  setLabelColour(rigState_, colour);
  form_->setRigReading(hz, rig->hamlibMode());
}

void MainWindow::showStation() {
  stationCallsign_->setText(ProgramState::shownForm(state_.stationCallsign()));
  form_->restoreBandAndMode(false);
}

void MainWindow::selectRow(int row) {
  if (row < 0 || row >= state_.logModel().rowCount()) {
    // An empty list: nothing left to show or delete.
    if (state_.logModel().rowCount() == 0) state_.setSelectedLine({});
    return;
  }
  list_->selectQuietly(row);
  form_->showRow(row);
}

void MainWindow::reloadAfterImport() {
  LoadingSplash::showModal(this, state_.stationCallsign(), platform_.splashMilliseconds());
  QString error;
  if (!state_.loadLog(&error))
    platform_.reportFileError(this, state_.language(), FileAction::Read, state_.logPath(), error);
  selectRow(state_.logModel().rowCount() - 1);
}

void MainWindow::clockTick() {
  const Clock& clock = platform_.clock();
  utcTime_->setEnabled(true);
  utcTime_->setText(utcTimeText(clock).left(5) + QStringLiteral(" Utc"));
  localTime_->setEnabled(true);
  localTime_->setText(localTimeText(clock).left(5) + QStringLiteral(" Loc"));
  utcDate_->setText(utcDateText(clock));
}

void MainWindow::exportLog() {
  const QString target = adifExportPath(platform_.dataDir(), state_.stationCallsign());
  const Language lang = state_.language();
  const AdifExportResult result = exportAdif(state_.logPath(), target, adifTitleLine(lang, stationCallsign_->text()));
  if (!result.ok()) {
    const bool read = result.status == AdifExportResult::LogReadFailed;
    platform_.reportFileError(this, lang, read ? FileAction::Read : FileAction::Write,
                              read ? state_.logPath() : target, result.detail);
    return;
  }
  if (auto text = message(Msg::ExportDone, lang))
    platform_.tellFileWritten(this, lang, *text + adifExportFileName(state_.stationCallsign()), target);
}

// The captions of the chosen language; the language is already stored by
// the state.
void MainWindow::applyLanguage() {
  const Language lang = state_.language();
  const std::array<QAction*, 4> marks = {frenchItem_, englishItem_, italianItem_, germanItem_};
  marks[int(lang)]->setChecked(true);
  applyCaptions(this, mainCaptions(), lang);
  applyCaptions(this, fileMenuCaptions(), lang);
  list_->setHeader(listHeader(lang));
  dateEntryCaption_->setText(dateEntryCaption(state_.realTimeEntry(), lang));
  form_->retranslate();
  list_->view()->setAccessibleName(list_->title());
  bindMenuKeys();
}

}  // namespace ktl
