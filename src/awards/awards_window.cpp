// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "awards/awards_window.h"

#include "awards/award_bands.h"
#include "awards/award_charts.h"
#include "awards/award_list.h"
#include "awards/award_models.h"
#include "log/log_file.h"
#include "log/text_codec.h"
#include "platform/platform.h"
#include "platform/settings_keys.h"
#include "platform/keyboard.h"
#include "platform/window_services.h"
#include "state/program_state.h"
#include "texts/award_texts.h"
#include "views/prefix_table.h"
#include "views/report_actions.h"
#include "views/report_file.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace ktl {

namespace {

QTableView* tableView(const char* name) {
  auto* view = named(new QTableView, name);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setTabKeyNavigation(false);  // Tab leaves the table, arrows move in it
  view->verticalHeader()->hide();
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->horizontalHeader()->setHighlightSections(false);
  return view;
}

enum Tab { GridTab, NeededTab, TimeTab, CountriesTab };

}  // namespace

AwardsWindow::AwardsWindow(ProgramState& state, Platform& platform, QWidget* parent)
    : QDialog(parent),
      state_(state),
      platform_(platform),
      store_(AwardListStore::of(state)),
      grid_(new AwardGridModel(this)),
      needed_(new NeededModel(this)) {
  setObjectName(QStringLiteral("Progression"));
  auto* layout = new QVBoxLayout(this);
  totals_ = named(new QLabel, "Label_Totaux");
  QFont bold = totals_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() + 1);
  totals_->setFont(bold);
  totals_->setWordWrap(true);
  totals_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  listState_ = named(new QLabel, "Label_Liste");
  listState_->setWordWrap(true);
  layout->addWidget(totals_);
  layout->addWidget(listState_);

  tabs_ = named(new QTabWidget, "Onglets");
  gridView_ = tableView("Grille");
  gridView_->setModel(grid_);
  gridView_->setSortingEnabled(true);
  gridView_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
  gridView_->installEventFilter(this);
  tabs_->addTab(gridView_, QString());

  auto* neededPage = new QWidget;
  auto* neededLayout = new QVBoxLayout(neededPage);
  auto* choice = new QHBoxLayout;
  countryLabel_ = named(new QLabel, "Label_Pays");
  neededCountryChoice_ = named(new QComboBox, "Pays_Manquants");
  neededCountryChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  neededCount_ = named(new QLabel, "Label_Manquants");
  choice->addWidget(countryLabel_);
  choice->addWidget(neededCountryChoice_);
  choice->addWidget(neededCount_, 1);
  neededLayout->addLayout(choice);
  neededView_ = tableView("Liste_Manquants");
  neededView_->setModel(needed_);
  neededView_->horizontalHeader()->setStretchLastSection(true);
  neededView_->installEventFilter(this);
  neededLayout->addWidget(neededView_, 1);
  tabs_->addTab(neededPage, QString());

  timeChart_ = makeChartView();
  timeChart_->setObjectName(QStringLiteral("Graphique_Temps"));
  countryChart_ = makeChartView();
  countryChart_->setObjectName(QStringLiteral("Graphique_Pays"));
  tabs_->addTab(timeChart_, QString());
  tabs_->addTab(countryChart_, QString());
  layout->addWidget(tabs_, 1);

  auto* buttons = new QHBoxLayout;
  auto* saveCsvButton = named(new QPushButton, "Enregistrer_CSV");
  auto* savePngButton = named(new QPushButton, "Enregistrer_PNG");
  auto* savePdfButton = named(new QPushButton, "Enregistrer_PDF");
  auto* printButton = named(new QPushButton, "Imprimer");
  auto* quitButton = named(new QPushButton, "Quitter");
  buttons->addStretch(1);
  for (QPushButton* b : {saveCsvButton, savePngButton, savePdfButton, printButton, quitButton}) {
    b->setAutoDefault(true);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);
  setTabOrder(tabs_, gridView_);
  setTabOrder(gridView_, neededCountryChoice_);
  setTabOrder(neededCountryChoice_, neededView_);
  setTabOrder(neededView_, saveCsvButton);

  connect(saveCsvButton, &QPushButton::clicked, this, &AwardsWindow::saveCsv);
  connect(savePngButton, &QPushButton::clicked, this, &AwardsWindow::saveChartsPng);
  connect(savePdfButton, &QPushButton::clicked, this, &AwardsWindow::saveChartsPdf);
  connect(printButton, &QPushButton::clicked, this, &AwardsWindow::print);
  connect(quitButton, &QPushButton::clicked, this, &QDialog::close);
  connect(neededCountryChoice_, &QComboBox::currentIndexChanged, this, [this] {
    state_.saveSetting(keys::AwardNeededCountry, neededCountry());
    showNeeded();
  });
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { refreshCharts(); });

  connect(&state_.logModel(), &QAbstractItemModel::modelReset, this, &AwardsWindow::logReloaded);
  connect(&store_, &AwardListStore::changed, this, &AwardsWindow::rebuild);
  connect(&state_, &ProgramState::languageChanged, this, &AwardsWindow::retranslate);
  connect(&state_, &ProgramState::stationChanged, this, &AwardsWindow::fillCountryChoice);

  retranslate();
  rebuild();
  resize(1000, 620);
  gridView_->setFocus();
}

AwardsWindow::~AwardsWindow() {
  // The views may still ask the grid while the window is taken down, after
  // the tally is gone.
  grid_->reset(nullptr, {}, Language::French);
}

void AwardsWindow::rebuild() {
  list_ = store_.list();
  names_ = countryNamesFrom(prefixTablePath(state_.dataDir()));
  auto tally = std::make_unique<AwardTally>(awardBands());
  tally->setList(list_);
  tally->update(state_.logModel());
  // The grid lets go of the old tally before it is freed.
  grid_->reset(tally.get(), names_, state_.language());
  tally_ = std::move(tally);
  gridView_->resizeColumnsToContents();
  fillCountryChoice();
  showTotals();
  chartsDirty_ = true;
  refreshCharts();
}

void AwardsWindow::logReloaded() {
  // A list imported meanwhile by the command line comes in with the log
  // (the store's signal rebuilds the tally).
  store_.list();
  const AwardTally::Update u = tally_->update(state_.logModel());
  if (u.linesRead == 0 && u.countries.empty()) return;
  if (u.full) names_ = countryNamesFrom(prefixTablePath(state_.dataDir()));
  grid_->countriesChanged(u);
  showTotals();
  const int chosen = tally_->countryIndex(neededCountry().toLatin1());
  if (u.full || std::find(u.countries.begin(), u.countries.end(), chosen) != u.countries.end()) showNeeded();
  chartsDirty_ = true;
  refreshCharts();
}

void AwardsWindow::showTotals() {
  const Language lang = state_.language();
  totals_->setText(totalsText(*tally_, lang));
  totals_->setAccessibleName(totals_->text());
  if (const AwardList* list = tally_->list())
    listState_->setText(awardString(AwardText::ListState, lang)
                             .arg(list->size())
                             .arg(list->source, list->imported.toUTC().toString(QStringLiteral("dd/MM/yyyy"))));
  else
    listState_->setText(awardString(AwardText::NoList, lang));
  listState_->setAccessibleName(listState_->text());
}

QString AwardsWindow::neededCountry() const { return neededCountryChoice_->currentData().toString(); }

void AwardsWindow::fillCountryChoice() {
  const QSignalBlocker quiet(neededCountryChoice_);
  neededCountryChoice_->clear();
  const AwardList* list = tally_ ? tally_->list() : nullptr;
  if (list) {
    for (const QByteArray& prefix : list->prefixes()) {
      const QString name = names_ ? names_(prefix) : QString();
      neededCountryChoice_->addItem(name.isEmpty() ? QString::fromLatin1(prefix)
                                             : QString::fromLatin1(prefix) + QStringLiteral(" – ") + name,
                              QString::fromLatin1(prefix));
    }
    const int stored = neededCountryChoice_->findData(state_.setting(keys::AwardNeededCountry));
    neededCountryChoice_->setCurrentIndex(std::max(stored, 0));
  }
  neededCountryChoice_->setEnabled(list != nullptr);
  showNeeded();
}

void AwardsWindow::showNeeded() {
  const Language lang = state_.language();
  const AwardList* list = tally_->list();
  if (!list) {
    needed_->setRows(nullptr, {}, lang);
    neededCount_->setText(awardString(AwardText::NeededNoList, lang));
    return;
  }
  std::vector<qsizetype> rows = tally_->needed(neededCountry().toLatin1());
  neededCount_->setText(awardString(AwardText::NeededCount, lang).arg(rows.size()));
  needed_->setRows(list_, std::move(rows), lang);
  neededView_->resizeColumnToContents(0);
}

void AwardsWindow::refreshCharts(bool evenHidden) {
  // Charts are drawn when seen or saved: a commit while they are hidden
  // costs nothing.
  const bool shown = tabs_->currentIndex() == TimeTab || tabs_->currentIndex() == CountriesTab;
  if (!chartsDirty_ || !(shown || evenHidden)) return;
  const Language lang = state_.language();
  const ChartTexts texts{{}, awardString(AwardText::SeriesWorked, lang), awardString(AwardText::SeriesConfirmed, lang),
                         awardString(AwardText::SeriesListed, lang)};
  ChartTexts time = texts, countries = texts;
  time.title = awardString(AwardText::ChartTime, lang);
  countries.title = awardString(AwardText::ChartCountries, lang);
  showMonths(timeChart_, tally_->months(), time);
  std::vector<CountryBar> bars;
  for (int c : grid_->order()) {
    const AwardTally::Country& k = tally_->countries()[c];
    bars.push_back({QString::fromLatin1(k.prefix), k.worked, k.confirmed, k.listed});
  }
  showCountries(countryChart_, bars, tally_->list() != nullptr, countries);
  chartsDirty_ = false;
}

void AwardsWindow::retranslate() {
  const Language lang = state_.language();
  applyCaptions(this, awardCaptions(), lang);
  if (lang != Language::Other) {
    const AwardText tabs[] = {AwardText::TabGrid, AwardText::TabNeeded, AwardText::TabTime, AwardText::TabCountries};
    for (int i = 0; i < 4; ++i) tabs_->setTabText(i, awardString(tabs[i], lang));
  }
  gridView_->setAccessibleName(awardString(AwardText::GridName, lang));
  neededView_->setAccessibleName(awardString(AwardText::NeededName, lang));
  nameAfterLabel(neededCountryChoice_, countryLabel_);
  grid_->setLanguage(lang);
  if (tally_) {
    showTotals();
    showNeeded();
    chartsDirty_ = true;
    refreshCharts();
  }
}

void AwardsWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

void AwardsWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // A desktop switched to a dark theme (or back) redraws the charts in it.
  if (event->type() == QEvent::PaletteChange) {
    followPalette(timeChart_, palette());
    followPalette(countryChart_, palette());
  }
}

bool AwardsWindow::eventFilter(QObject* watched, QEvent* event) {
  // Enter in a table presses no button of the window.
  if (event->type() == QEvent::KeyPress && (watched == gridView_ || watched == neededView_))
    return isEnterKey(*static_cast<QKeyEvent*>(event));
  return QDialog::eventFilter(watched, event);
}

// ---- saving and printing -------------------------------------------------------

bool AwardsWindow::writeFiles(const QStringList& names, const QList<QByteArray>& contents) {
  const Language lang = state_.language();
  QStringList written;
  for (qsizetype i = 0; i < names.size(); ++i) {
    const QString path = state_.dataDir() + QLatin1Char('/') + names[i];
    const QByteArray& bytes = contents[i];
    const LogResult saved = writeFileAtomically(path, [&bytes](const ByteSink& sink) {
      sink(bytes);
      return true;
    });
    if (!saved.ok()) {
      platform_.reportFileError(this, lang, FileAction::Write, path, saved.detail);
      return false;
    }
    written << QDir::toNativeSeparators(path);
  }
  platform_.message(this, awardString(AwardText::Saved, lang) + written.join(QStringLiteral("\r\n")));
  return true;
}

void AwardsWindow::saveCsv() {
  const QString stamp = reportDate(platform_.clock()).stamp;
  writeFiles({QStringLiteral("%1_Progression_%2.csv").arg(state_.stationCallsign(), stamp)},
             {progressCsv(*tally_, names_, grid_->order(), state_.language())});
}

void AwardsWindow::saveChartsPng() {
  refreshCharts(true);
  const QString stamp = reportDate(platform_.clock()).stamp, call = state_.stationCallsign();
  writeFiles({QStringLiteral("%1_Progression_Temps_%2.png").arg(call, stamp),
              QStringLiteral("%1_Progression_Pays_%2.png").arg(call, stamp)},
             {chartPng(timeChart_), chartPng(countryChart_)});
}

void AwardsWindow::saveChartsPdf() {
  refreshCharts(true);
  const QString call = state_.stationCallsign();
  writeFiles({QStringLiteral("%1_Progression_%2.pdf").arg(call, reportDate(platform_.clock()).stamp)},
             {chartsPdf({timeChart_, countryChart_},
                        awardString(AwardText::ProgressTitle, state_.language()).arg(ProgramState::shownForm(call)))});
}

void AwardsWindow::print() {
  const Language lang = state_.language();
  Report report;
  report.title = toFileBytes(awardString(AwardText::PrintTitle, lang)
                                 .arg(ProgramState::shownForm(state_.stationCallsign()), reportDate(platform_.clock()).shown));
  report.heading = toFileBytes(totalsText(*tally_, lang));
  for (const QString& line : progressGridLines(*tally_, names_, grid_->order(), lang)) report.rows << toFileBytes(line);
  report.footer = reportFooter();
  printReport(this, platform_, lang, report);
}

void importAwardListChosen(QWidget* parent, ProgramState& state, Platform& platform) {
  const Language lang = state.language();
  const QString file = platform.openFileName(parent, awardString(AwardText::ImportMenuItem, lang),
                                             awardString(AwardText::ImportFilter, lang));
  if (file.isEmpty()) return;
  AwardListStore& store = AwardListStore::of(state);
  const AwardListImport r = store.import(file, platform.clock().now());
  if (r.status == AwardListImport::WriteFailed)
    platform.reportFileError(parent, lang, FileAction::Write, store.path(), r.detail);
  else
    platform.message(parent, awardImportMessage(r, lang));
}

}  // namespace ktl
