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
  Label_Totaux = named(new QLabel, "Label_Totaux");
  QFont bold = Label_Totaux->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() + 1);
  Label_Totaux->setFont(bold);
  Label_Totaux->setWordWrap(true);
  Label_Totaux->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  Label_Liste = named(new QLabel, "Label_Liste");
  Label_Liste->setWordWrap(true);
  layout->addWidget(Label_Totaux);
  layout->addWidget(Label_Liste);

  Onglets = named(new QTabWidget, "Onglets");
  Grille = tableView("Grille");
  Grille->setModel(grid_);
  Grille->setSortingEnabled(true);
  Grille->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
  Grille->installEventFilter(this);
  Onglets->addTab(Grille, QString());

  auto* neededPage = new QWidget;
  auto* neededLayout = new QVBoxLayout(neededPage);
  auto* choice = new QHBoxLayout;
  Label_Pays = named(new QLabel, "Label_Pays");
  Pays_Manquants = named(new QComboBox, "Pays_Manquants");
  Pays_Manquants->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  Label_Manquants = named(new QLabel, "Label_Manquants");
  choice->addWidget(Label_Pays);
  choice->addWidget(Pays_Manquants);
  choice->addWidget(Label_Manquants, 1);
  neededLayout->addLayout(choice);
  Liste_Manquants = tableView("Liste_Manquants");
  Liste_Manquants->setModel(needed_);
  Liste_Manquants->horizontalHeader()->setStretchLastSection(true);
  Liste_Manquants->installEventFilter(this);
  neededLayout->addWidget(Liste_Manquants, 1);
  Onglets->addTab(neededPage, QString());

  Graphique_Temps = makeChartView();
  Graphique_Temps->setObjectName(QStringLiteral("Graphique_Temps"));
  Graphique_Pays = makeChartView();
  Graphique_Pays->setObjectName(QStringLiteral("Graphique_Pays"));
  Onglets->addTab(Graphique_Temps, QString());
  Onglets->addTab(Graphique_Pays, QString());
  layout->addWidget(Onglets, 1);

  auto* buttons = new QHBoxLayout;
  Enregistrer_CSV = named(new QPushButton, "Enregistrer_CSV");
  Enregistrer_PNG = named(new QPushButton, "Enregistrer_PNG");
  Enregistrer_PDF = named(new QPushButton, "Enregistrer_PDF");
  Imprimer = named(new QPushButton, "Imprimer");
  Quitter = named(new QPushButton, "Quitter");
  buttons->addStretch(1);
  for (QPushButton* b : {Enregistrer_CSV, Enregistrer_PNG, Enregistrer_PDF, Imprimer, Quitter}) {
    b->setAutoDefault(true);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);
  setTabOrder(Onglets, Grille);
  setTabOrder(Grille, Pays_Manquants);
  setTabOrder(Pays_Manquants, Liste_Manquants);
  setTabOrder(Liste_Manquants, Enregistrer_CSV);

  connect(Enregistrer_CSV, &QPushButton::clicked, this, &AwardsWindow::saveCsv);
  connect(Enregistrer_PNG, &QPushButton::clicked, this, &AwardsWindow::saveChartsPng);
  connect(Enregistrer_PDF, &QPushButton::clicked, this, &AwardsWindow::saveChartsPdf);
  connect(Imprimer, &QPushButton::clicked, this, &AwardsWindow::print);
  connect(Quitter, &QPushButton::clicked, this, &QDialog::close);
  connect(Pays_Manquants, &QComboBox::currentIndexChanged, this, [this] {
    state_.saveSetting(keys::AwardNeededCountry, neededCountry());
    showNeeded();
  });
  connect(Onglets, &QTabWidget::currentChanged, this, [this] { refreshCharts(); });

  connect(&state_.logModel(), &QAbstractItemModel::modelReset, this, &AwardsWindow::logReloaded);
  connect(&store_, &AwardListStore::changed, this, &AwardsWindow::rebuild);
  connect(&state_, &ProgramState::languageChanged, this, &AwardsWindow::retranslate);
  connect(&state_, &ProgramState::stationChanged, this, &AwardsWindow::fillCountryChoice);

  retranslate();
  rebuild();
  resize(1000, 620);
  Grille->setFocus();
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
  Grille->resizeColumnsToContents();
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
  Label_Totaux->setText(totalsText(*tally_, lang));
  Label_Totaux->setAccessibleName(Label_Totaux->text());
  if (const AwardList* list = tally_->list())
    Label_Liste->setText(awardString(AwardText::ListState, lang)
                             .arg(list->size())
                             .arg(list->source, list->imported.toUTC().toString(QStringLiteral("dd/MM/yyyy"))));
  else
    Label_Liste->setText(awardString(AwardText::NoList, lang));
  Label_Liste->setAccessibleName(Label_Liste->text());
}

QString AwardsWindow::neededCountry() const { return Pays_Manquants->currentData().toString(); }

void AwardsWindow::fillCountryChoice() {
  const QSignalBlocker quiet(Pays_Manquants);
  Pays_Manquants->clear();
  const AwardList* list = tally_ ? tally_->list() : nullptr;
  if (list) {
    for (const QByteArray& prefix : list->prefixes()) {
      const QString name = names_ ? names_(prefix) : QString();
      Pays_Manquants->addItem(name.isEmpty() ? QString::fromLatin1(prefix)
                                             : QString::fromLatin1(prefix) + QStringLiteral(" – ") + name,
                              QString::fromLatin1(prefix));
    }
    const int stored = Pays_Manquants->findData(state_.setting(keys::AwardNeededCountry));
    Pays_Manquants->setCurrentIndex(std::max(stored, 0));
  }
  Pays_Manquants->setEnabled(list != nullptr);
  showNeeded();
}

void AwardsWindow::showNeeded() {
  const Language lang = state_.language();
  const AwardList* list = tally_->list();
  if (!list) {
    needed_->setRows(nullptr, {}, lang);
    Label_Manquants->setText(awardString(AwardText::NeededNoList, lang));
    return;
  }
  std::vector<qsizetype> rows = tally_->needed(neededCountry().toLatin1());
  Label_Manquants->setText(awardString(AwardText::NeededCount, lang).arg(rows.size()));
  needed_->setRows(list_, std::move(rows), lang);
  Liste_Manquants->resizeColumnToContents(0);
}

void AwardsWindow::refreshCharts(bool evenHidden) {
  // Charts are drawn when seen or saved: a commit while they are hidden
  // costs nothing.
  const bool shown = Onglets->currentIndex() == TimeTab || Onglets->currentIndex() == CountriesTab;
  if (!chartsDirty_ || !(shown || evenHidden)) return;
  const Language lang = state_.language();
  const ChartTexts texts{{}, awardString(AwardText::SeriesWorked, lang), awardString(AwardText::SeriesConfirmed, lang),
                         awardString(AwardText::SeriesListed, lang)};
  ChartTexts time = texts, countries = texts;
  time.title = awardString(AwardText::ChartTime, lang);
  countries.title = awardString(AwardText::ChartCountries, lang);
  showMonths(Graphique_Temps, tally_->months(), time);
  std::vector<CountryBar> bars;
  for (int c : grid_->order()) {
    const AwardTally::Country& k = tally_->countries()[c];
    bars.push_back({QString::fromLatin1(k.prefix), k.worked, k.confirmed, k.listed});
  }
  showCountries(Graphique_Pays, bars, tally_->list() != nullptr, countries);
  chartsDirty_ = false;
}

void AwardsWindow::retranslate() {
  const Language lang = state_.language();
  applyCaptions(this, awardCaptions(), lang);
  if (lang != Language::Other) {
    const AwardText tabs[] = {AwardText::TabGrid, AwardText::TabNeeded, AwardText::TabTime, AwardText::TabCountries};
    for (int i = 0; i < 4; ++i) Onglets->setTabText(i, awardString(tabs[i], lang));
  }
  Grille->setAccessibleName(awardString(AwardText::GridName, lang));
  Liste_Manquants->setAccessibleName(awardString(AwardText::NeededName, lang));
  nameAfterLabel(Pays_Manquants, Label_Pays);
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
    followPalette(Graphique_Temps, palette());
    followPalette(Graphique_Pays, palette());
  }
}

bool AwardsWindow::eventFilter(QObject* watched, QEvent* event) {
  // Enter in a table presses no button of the window.
  if (event->type() == QEvent::KeyPress && (watched == Grille || watched == Liste_Manquants))
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
             {chartPng(Graphique_Temps), chartPng(Graphique_Pays)});
}

void AwardsWindow::saveChartsPdf() {
  refreshCharts(true);
  const QString call = state_.stationCallsign();
  writeFiles({QStringLiteral("%1_Progression_%2.pdf").arg(call, reportDate(platform_.clock()).stamp)},
             {chartsPdf({Graphique_Temps, Graphique_Pays},
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
