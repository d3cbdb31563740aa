#include "app/command_line.h"

#include "adif/adif_export.h"
#include "adif/adif_import.h"
#include "adif/adif_standard.h"
#include "awards/award_bands.h"
#include "awards/award_list.h"
#include "awards/award_report.h"
#include "awards/award_tally.h"
#include "log/clock.h"
#include "log/log_list_model.h"
#include "platform/data_dir.h"
#include "platform/settings_store.h"
#include "state/daily_backup.h"
#include "state/log_lock.h"
#include "state/program_state.h"
#include "state/station_name.h"
#include "texts/program_texts.h"
#include "views/prefix_table.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>

#include <cstring>

namespace ktl {

bool isCommandLineRun(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (std::strncmp(a, "--", 2) == 0 || std::strcmp(a, "-h") == 0 || std::strcmp(a, "-v") == 0 ||
        std::strcmp(a, "-?") == 0)
      return true;
  }
  return false;
}

namespace {

// What the run prints: the summary on standard output, failures on standard
// error, one line each ("\n", not the message boxes' CR LF).
void print(FILE* stream, const QString& text) {
  QTextStream(stream) << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
}

int fail(int code, const QString& text) {
  print(stderr, text);
  return code;
}

// The station's messages in its language; English for an unknown one, so
// a run never fails in silence.
QString say(Msg msg, Language language) { return *message(msg, language); }

int importFile(const QString& file, const QString& logPath, const QString& call, bool sigIsAward, Language lang) {
  // The window holds this lock while the log is open, an import for its
  // run: two programs never rewrite one log at once. Not waited for: a
  // window keeps it.
  LogLock lock(logPath, LogLock::Role::Import);
  const LogLock::Attempt attempt = lock.tryTake();
  if (attempt.status == LogLock::Attempt::HeldByOther) {
    const ProgramText text = attempt.holder.role == LogLock::Role::Import ? ProgramText::LogHeldByImport
                                                                          : ProgramText::LogHeldByWindow;
    const QString process = attempt.holder.pid > 0 ? QString::number(attempt.holder.pid) : QStringLiteral("?");
    return fail(kExitLogInUse, pick(programText(text), lang).arg(ProgramState::shownForm(call), process));
  }
  if (attempt.status == LogLock::Attempt::Failed)
    return fail(kExitLockFailed, pick(programText(ProgramText::LockFailedCommandLine), lang)
                                     .arg(ProgramState::shownForm(call), logLockPath(logPath), attempt.detail));
  // The run is a start of the program on this station: the day's backup
  // comes first. Its failure is told and does not stop the import.
  const QString dataDir = QFileInfo(logPath).path();
  const BackupResult backup = backupLogOfTheDay(dataDir, call, SystemClock().now().toUTC().date());
  if (!backup.ok())
    print(stderr, pick(programText(ProgramText::BackupFailed), lang) + QLatin1Char('\n') + backup.path +
                      QLatin1Char('\n') + backup.detail);

  const AdifImportResult r = importAdif(file, logPath, AdifImportOptions{sigIsAward});
  switch (r.status) {
    case AdifImportResult::Imported:
      print(stdout, pick(programText(ProgramText::Imported), lang).arg(r.recordsImported).arg(file, logPath));
      print(stdout, *replacementSummary(r.replaced, lang));
      print(stdout, *importCutsSummary(r.modesCut, r.bandsUnknown, lang));
      return kExitDone;
    case AdifImportResult::NoFileChosen:
    case AdifImportResult::FileUnreadable:
      return fail(kExitFailed, say(Msg::ImportUnreadable, lang) + QLatin1Char('\n') + file + QLatin1Char('\n') + r.detail);
    case AdifImportResult::NoRecord: return fail(kExitFailed, say(Msg::ImportNoRecord, lang) + QLatin1Char(' ') + file);
    case AdifImportResult::RecordTooLarge:
      return fail(kExitFailed, say(Msg::ImportNotAdif, lang) + QLatin1Char(' ') + file);
    case AdifImportResult::FirstQsoTooLate: return fail(kExitFailed, say(Msg::ImportTooLate, lang));
    case AdifImportResult::LogReadFailed:
      return fail(kExitFailed, fileErrorMessage(lang, FileAction::Read, logPath, r.detail));
    case AdifImportResult::LogWriteFailed: break;
  }
  return fail(kExitFailed, fileErrorMessage(lang, FileAction::Write, logPath, r.detail));
}

int reportExport(const AdifExportResult& r, const QString& logPath, const QString& target, Language lang,
                 const QString& done) {
  if (r.ok()) {
    print(stdout, done + target);
    return kExitDone;
  }
  const bool read = r.status == AdifExportResult::LogReadFailed;
  return fail(kExitFailed,
              fileErrorMessage(lang, read ? FileAction::Read : FileAction::Write, read ? logPath : target, r.detail));
}

// --award-list: the award's list replaced by the file's castles, or kept
// when the file gives none.
int importAwardListFile(const QString& file, const QString& dataDir, Language lang) {
  const AwardListImport r = importAwardList(file, dataDir, SystemClock().now());
  if (r.status == AwardListImport::WriteFailed)
    return fail(kExitFailed, fileErrorMessage(lang, FileAction::Write, awardListPath(dataDir), r.detail));
  if (!r.ok()) return fail(kExitFailed, awardImportMessage(r, lang) + QLatin1Char('\n') + file);
  print(stdout, awardImportMessage(r, lang) + QLatin1Char('\n') + awardListPath(dataDir));
  return kExitDone;
}

// --progress: the award's figures of the log, against the list when there
// is one; JSON for scripts.
int printProgress(const QString& logPath, const QString& dataDir, const QString& call, Language lang, bool json) {
  LogListModel log;
  if (!log.load(logPath)) return fail(kExitFailed, fileErrorMessage(lang, FileAction::Read, logPath, log.errorString()));
  AwardTally tally(awardBands());
  tally.setList(loadAwardList(awardListPath(dataDir)));
  tally.update(log);
  const CountryNames names = countryNamesFrom(prefixTablePath(dataDir));
  if (json)
    QTextStream(stdout) << QString::fromUtf8(progressJson(tally, names, ProgramState::shownForm(call)));
  else
    print(stdout, progressText(tally, names, ProgramState::shownForm(call), lang));
  return kExitDone;
}

}  // namespace

int runCommandLine(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("orb-ktl"));
  QCoreApplication::setApplicationVersion(ProgramState::revision().trimmed());

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "ORB_KTL, the logbook of the KTL castles award. Without options it opens its window; with the options "
      "below it works on a station's log without any window and exits.\n"
      "Exit codes: 0 done, 1 a file could not be read or written or held no QSO, 2 wrong options or unknown "
      "station, 3 the station's log is held by another program, a window or another import (nothing imported), "
      "4 the log's lock could not be taken (nothing imported)."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption station(
      QStringLiteral("station"),
      QStringLiteral("The station whose log is used (\"/\" may be typed as \"_\"); by default the station the "
                     "window opens."),
      QStringLiteral("CALL"));
  const QCommandLineOption import(QStringLiteral("import"),
                                  QStringLiteral("Merge an ADIF file into the station's log and sort it."),
                                  QStringLiteral("FILE.adi"));
  const QCommandLineOption sigAward(
      QStringLiteral("sig-award"),
      QStringLiteral("With --import: SIG names the award and SIG_INFO holds the castle reference (the castle's "
                     "name then comes from QTH)."));
  const QCommandLineOption exportOwn(
      QStringLiteral("export"),
      QStringLiteral("Write the log as the window's export does, to FILE or to <CALL>_KTL.adi in the data folder."));
  const QCommandLineOption exportStandard(
      QStringLiteral("export-standard"),
      QStringLiteral("Write the log as a standard ADIF 3.1 file (SIG = award, SIG_INFO = reference, castle name in "
                     "QTH) for logging services."),
      QStringLiteral("FILE"));
  for (const QCommandLineOption& o : {station, import, sigAward, exportOwn, exportStandard}) parser.addOption(o);
  const QCommandLineOption awardList(
      QStringLiteral("award-list"),
      QStringLiteral("Import the award's published list of castles (CSV, semicolon or tab file, UTF-8 or "
                     "Windows-1252) into the data folder, replacing the list kept there; no station needed."),
      QStringLiteral("FILE"));
  const QCommandLineOption progress(
      QStringLiteral("progress"),
      QStringLiteral("Print the award's figures of the station's log: castles worked and confirmed, countries, "
                     "and per country; with the award's list, how many castles it has."));
  const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("With --progress: the figures as JSON."));
  for (const QCommandLineOption& o : {awardList, progress, json}) parser.addOption(o);
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("With --export: the file to write."),
                               QStringLiteral("[FILE]"));

  const auto usage = [](const QString& text) {
    return fail(kExitUsage, text + QStringLiteral("\nTry 'orb-ktl --help'."));
  };
  if (!parser.parse(QCoreApplication::arguments())) return usage(parser.errorText());
  if (parser.isSet(help)) parser.showHelp(kExitDone);
  if (parser.isSet(version)) parser.showVersion();
  const int actions = int(parser.isSet(import)) + int(parser.isSet(exportOwn)) + int(parser.isSet(exportStandard));
  const int awardActions = int(parser.isSet(awardList)) + int(parser.isSet(progress));
  if (actions + awardActions != 1)
    return usage(QStringLiteral("Give one of --import, --export, --export-standard, --award-list and --progress."));
  if (parser.isSet(json) && !parser.isSet(progress)) return usage(QStringLiteral("--json goes with --progress."));
  if (parser.isSet(sigAward) && !parser.isSet(import)) return usage(QStringLiteral("--sig-award goes with --import."));
  const QStringList files = parser.positionalArguments();
  if (files.size() > (parser.isSet(exportOwn) ? 1 : 0))
    return usage(QStringLiteral("Unexpected argument: ") + files.join(QLatin1Char(' ')));

  const SettingsStore settings(SettingsStore::defaultFile());
  if (parser.isSet(awardList)) {
    // The messages in the language of the station the window opens.
    const Language stored = languageFromSetting(settings.read(keys::Language, settings.read(keys::StationCallsign, {})));
    return importAwardListFile(parser.value(awardList), dataDirectory(),
                               stored == Language::Other ? Language::English : stored);
  }
  // As typed on the command line ("f0orb/p" is F0ORB_P), or the stored form
  // of the settings file, taken as it is.
  const QString given = parser.isSet(station) ? parser.value(station) : settings.read(keys::StationCallsign, {});
  QString call = given;
  if (parser.isSet(station)) call = call.toUpper().replace(QLatin1Char('/'), QLatin1Char('_'));
  if (call.isEmpty() || call == kNoStation)
    return usage(QStringLiteral("No station: give --station CALL (none has been chosen in the window yet)."));
  // The station window's rule for a callsign.
  if (!isStationName(call))
    return usage(QStringLiteral("Not a station callsign: ") + given +
                 QStringLiteral(" (letters, digits and \"/\" or \"_\", 12 at most)."));
  const QString dataDir = dataDirectory();
  const QString logPath = logFilePath(dataDir, call);
  // A mistyped callsign never makes a new log: stations are made in the window.
  if (!QFileInfo::exists(logPath))
    return usage(QStringLiteral("No log for station ") + ProgramState::shownForm(call) + QStringLiteral(": ") +
                 logPath + QStringLiteral(" does not exist."));

  const Language stored = languageFromSetting(settings.read(keys::Language, call));
  const Language lang = stored == Language::Other ? Language::English : stored;
  if (parser.isSet(progress)) return printProgress(logPath, dataDir, call, lang, parser.isSet(json));
  if (parser.isSet(import)) return importFile(parser.value(import), logPath, call, parser.isSet(sigAward), lang);
  if (parser.isSet(exportOwn)) {
    // The title names the station as the window's label shows it after a
    // start, in the stored form; the language is the station's stored one
    // (no title for an unknown one, as in the window).
    const QString target = files.isEmpty() ? adifExportPath(dataDir, call) : files.first();
    return reportExport(exportAdif(logPath, target, adifTitleLine(stored, call)), logPath, target, lang,
                        say(Msg::ExportDone, lang));
  }
  const QString target = parser.value(exportStandard);
  const StandardAdifHeader header = makeStandardAdifHeader(settings, ProgramState::shownForm(call),
                                                           ProgramState::revision(), SystemClock().now());
  return reportExport(exportStandardAdif(logPath, target, header), logPath, target, lang,
                      pick(programText(ProgramText::StandardExportDone), lang));
}

}  // namespace ktl
