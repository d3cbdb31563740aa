#include "adif/import_adif_window.h"

#include "adif/adif_import.h"
#include "entry/loading_splash.h"
#include "entry/main_window.h"
#include "platform/platform.h"
#include "platform/window_services.h"

#include <QCheckBox>

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ktl {
namespace {

const QString kEachMessageKey = QStringLiteral("Import un message par champ");
const QString kSigAwardKey = QStringLiteral("Import SIG diplome");

}  // namespace

ImportAdifWindow::ImportAdifWindow(MainWindow& main) : QDialog(&main), main_(main) {
  setObjectName(QStringLiteral("Import_ADIF"));
  auto* layout = new QVBoxLayout(this);
  auto* titleFrame = new QFrame;
  titleFrame->setFrameShape(QFrame::Box);
  auto* tf = new QVBoxLayout(titleFrame);
  Label11 = new QLabel;
  QFont big = Label11->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 3);
  Label11->setFont(big);
  Label11->setAlignment(Qt::AlignCenter);
  tf->addWidget(Label11);
  layout->addWidget(titleFrame);
  auto* textFrame = new QFrame;
  textFrame->setFrameShape(QFrame::Box);
  auto* xf = new QVBoxLayout(textFrame);
  Label2 = new QLabel;
  Label1 = new QLabel;
  Label3 = new QLabel;
  Label5 = new QLabel;
  for (QLabel* l : {Label2, Label1, Label3, Label5}) xf->addWidget(l);
  layout->addWidget(textFrame);
  Messages_Remplacement = new QCheckBox;
  SIG_Diplome = new QCheckBox;
  layout->addWidget(Messages_Remplacement);
  layout->addWidget(SIG_Diplome);
  Importer = new QPushButton;
  Importer->setAutoDefault(true);
  Importer->setDefault(true);
  layout->addWidget(Importer);

  const std::array<std::pair<QWidget*, const char*>, 9> named = {{{Label11, "Label11"},
                                                                  {Label2, "Label2"},
                                                                  {Label1, "Label1"},
                                                                  {Label3, "Label3"},
                                                                  {Label5, "Label5"},
                                                                  {Messages_Remplacement, "Messages_Remplacement"},
                                                                  {SIG_Diplome, "SIG_Diplome"},
                                                                  {Importer, "Importer"},
                                                                  {this, "Import_ADIF"}}};
  for (const auto& [w, name] : named) w->setObjectName(QString::fromLatin1(name));
  const Language lang = main.language();
  for (const CaptionRow& row : importCaptions()) {
    const QString caption = captionText(row, lang);
    if (caption.isNull()) continue;
    const QString name = QString::fromLatin1(row.control);
    if (name == objectName())
      setWindowTitle(caption);
    else if (auto* l = findChild<QLabel*>(name))
      l->setText(caption);
    else if (auto* b = findChild<QAbstractButton*>(name))
      b->setText(caption);
  }

  SettingsStore& settings = main.platform().settings();
  Messages_Remplacement->setChecked(settings.get(kApp, kCommonSection, kEachMessageKey, QStringLiteral("1")) ==
                                    QLatin1String("1"));
  SIG_Diplome->setChecked(settings.get(kApp, kCommonSection, kSigAwardKey, QStringLiteral("0")) ==
                          QLatin1String("1"));
  connect(Messages_Remplacement, &QCheckBox::toggled, this, [&settings](bool on) {
    settings.save(kApp, kCommonSection, kEachMessageKey, on ? QStringLiteral("1") : QStringLiteral("0"));
  });
  connect(SIG_Diplome, &QCheckBox::toggled, this, [&settings](bool on) {
    settings.save(kApp, kCommonSection, kSigAwardKey, on ? QStringLiteral("1") : QStringLiteral("0"));
  });
  connect(Importer, &QPushButton::clicked, this, &ImportAdifWindow::importFile);
}

void ImportAdifWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

ImportAdifWindow* ImportAdifWindow::showModeless(MainWindow& main) {
  static QPointer<ImportAdifWindow> open;
  return showOnce(open, [&main] { return new ImportAdifWindow(main); });
}

void ImportAdifWindow::importFile() {
  Platform& platform = main_.platform();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  // Other programs also name their files .adif.
  const QString file =
      platform.openFileName(this, windowTitle(), QStringLiteral("adi (*.adi);;adif (*.adif);;ADI (*.ADI *.ADIF)"));
  if (file.isEmpty()) {
    main_.say(Msg::ImportNoFile);
    close();
    return;
  }
  AdifImportOptions options;
  options.sigIsAward = SIG_Diplome->isChecked();
  // Ticked, every replaced field gets its own box while the file is read;
  // unticked (a file with hundreds of band-less records), one summary at
  // the end says what was replaced.
  const bool boxEach = Messages_Remplacement->isChecked();
  const AdifImportResult result =
      importAdif(file, main_.logPath(), options, [&](ReplacedField field, qsizetype) {
        if (boxEach) platform.message(this, replacementNotice(field));
      });
  switch (result.status) {
    case AdifImportResult::Imported: {
      LoadingSplash::showModal(&main_, main_.stationCallsign(), platform.splashMilliseconds());
      main_.loadLogIntoList();
      main_.selectLastLine();
      const bool replaced = std::any_of(result.replaced.begin(), result.replaced.end(), [](qsizetype n) { return n > 0; });
      if (!boxEach && replaced) main_.showText(replacementSummary(result.replaced, main_.language()));
      break;
    }
    case AdifImportResult::NoFileChosen: main_.say(Msg::ImportNoFile); break;
    case AdifImportResult::FileUnreadable:
      if (auto text = message(Msg::ImportUnreadable, main_.language()))
        platform.message(this, *text + QStringLiteral("\r\n") + file + QStringLiteral("\r\n") + result.detail);
      break;
    case AdifImportResult::NoRecord: main_.say(Msg::ImportNoRecord); break;
    case AdifImportResult::RecordTooLarge: main_.say(Msg::ImportNotAdif); break;
    case AdifImportResult::FirstQsoTooLate: main_.say(Msg::ImportTooLate); break;
    case AdifImportResult::LogReadFailed: main_.reportFileError(result.detail, FileAction::Read); break;
    case AdifImportResult::LogWriteFailed: main_.reportFileError(result.detail, FileAction::Write); break;
  }
  close();
}

}  // namespace ktl
