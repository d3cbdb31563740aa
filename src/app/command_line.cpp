// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "adif/adif_export.h"
#include "adif/adif_import.h"
#include "adif/adif_standard.h"
#include "extras/adif_with_extras.h"
#include "log/text_codec.h"
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
#include "platform/toolkit_translation.h"
#include "texts/command_line_texts.h"
#include "texts/program_texts.h"
#include "views/prefix_table.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextStream>

#include <cstring>
#include <memory>

namespace ktl {

namespace {

// Qt's own options of a window start ("-platform offscreen", "-reverse"),
// with one dash or two; those of the first list take a value.
constexpr const char* kWindowOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session", "style", "stylesheet", "display", "geometry", "title", "name", "visual", "ncols", "font", "fn", "bg",
    "fg", "btn", "im", "inputstyle", "qmljsdebugger"};
constexpr const char* kWindowFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

// The name of a window option ("style" for "-style" or "--style=fusion"),
// and whether it takes the next argument as its value.
bool isWindowOption(const char* arg, bool* takesNext) {
  if (arg[0] != '-') return false;
  const char* name = arg + (arg[1] == '-' ? 2 : 1);
  const char* eq = std::strchr(name, '=');
  const std::size_t length = eq ? std::size_t(eq - name) : std::strlen(name);
  for (const char* o : kWindowOptionsWithValue)
    if (std::strlen(o) == length && std::strncmp(o, name, length) == 0) {
      *takesNext = !eq;
      return true;
    }
  for (const char* o : kWindowFlags)
    if (std::strlen(o) == length && std::strncmp(o, name, length) == 0 && !eq) {
      *takesNext = false;
      return true;
    }
  return false;
}

}  // namespace

bool isCommandLineRun(int argc, char** argv) {
  // Anything but Qt's own window options is the command line's: a mistyped
  // option or a stray file name is told and refused, never the window.
  for (int i = 1; i < argc; ++i) {
    bool takesNext = false;
    if (!isWindowOption(argv[i], &takesNext)) return true;
    if (takesNext) ++i;
  }
  return false;
}

Language commandLineLanguage(const QString& lcAll, const QString& lcMessages, const QString& lang,
                             Language stationLanguage) {
  // The first of the locale variables that is set names the language, as
  // for every program of the system; one that is not ours, or none, leaves
  // the station's.
  for (const QString& value : {lcAll, lcMessages, lang}) {
    if (value.isEmpty()) continue;
    const Language l = languageFromCode(value);
    return l == Language::Other ? spoken(stationLanguage) : l;
  }
  return spoken(stationLanguage);
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

// A message in the run's language (never an unknown one: see
// commandLineLanguage()).
QString say(Msg msg, Language language) { return *message(msg, language); }
QString say(CliText text, Language language) { return pick(cliText(text), language); }

// The run's language from the environment, then the station's.
Language runLanguage(Language stationLanguage) {
  return commandLineLanguage(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                             qEnvironmentVariable("LANG"), stationLanguage);
}

// "-" for a file: standard input, copied whole into a file of the data
// folder for the import (an ADIF file is read twice), removed after.
struct StandardInput {
  std::unique_ptr<QTemporaryFile> file;
  QString error;
};
StandardInput readStandardInput(const QString& dataDir) {
  StandardInput in;
  in.file = std::make_unique<QTemporaryFile>(dataDir + QStringLiteral("/stdin-XXXXXX.adi"));
  QFile input;
  if (!in.file->open() || !input.open(stdin, QIODevice::ReadOnly)) {
    in.error = in.file->errorString();
    return in;
  }
  for (;;) {
    const QByteArray block = input.read(1 << 20);
    if (block.isEmpty()) break;
    if (in.file->write(block) != block.size()) {
      in.error = in.file->errorString();
      return in;
    }
  }
  if (input.error() != QFileDevice::NoError) in.error = input.errorString();
  in.file->flush();
  return in;
}

// "-" for the file written: the export goes to a file of the data folder,
// then to standard output.
bool copyToStandardOutput(const QString& path) {
  QFile from(path), out;
  if (!from.open(QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly)) return false;
  while (!from.atEnd()) {
    const QByteArray block = from.read(1 << 20);
    if (out.write(block) != block.size()) return false;
  }
  return out.flush();
}

int importFile(const QString& file, const QString& logPath, const QString& call, const AdifImportOptions& options,
               Language lang) {
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

  // Each record's fields go to the store beside the log, after the log.
  ExtrasStore store(logPath);
  const ImportWithExtras imported = importAdifWithExtras(file, logPath, options, {}, store);
  if (auto trouble = store.takeReport(lang)) print(stderr, *trouble);
  const AdifImportResult& r = imported.result;
  switch (r.status) {
    case AdifImportResult::Imported:
      print(stdout, *importedText(r.recordsImported, file, logPath, lang));
      if (auto replaced = replacementSummary(r.replaced, lang)) print(stdout, *replaced);
      print(stdout, *importCutsSummary(r.modesCut, r.bandsUnknown, lang));
      if (options.sigIsAward) print(stdout, *sigNotCastleSummary(r.sigNotCastle, lang));
      print(stdout, *extrasKeptText(imported.kept, store.path(), lang));
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
    if (auto gaps = exportGapsSummary(r.gaps, lang)) print(stdout, *gaps);
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
  QCoreApplication::setApplicationVersion(programRevision().trimmed());

  // Before the station is known, the language of the station the window
  // opens: usage errors and the help speak the run's language too.
  const SettingsStore settings(SettingsStore::defaultFile());
  const QString defaultStation = settings.read(keys::StationCallsign, {});
  Language lang = runLanguage(isStationName(defaultStation)
                                  ? languageFromSetting(settings.read(keys::Language, defaultStation))
                                  : Language::Other);
  ToolkitTranslation translation;  // Qt's own texts of the help and of the parser's errors
  translation.use(lang);

  QCommandLineParser parser;
  parser.setApplicationDescription(say(CliText::Description, lang));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                say(CliText::HelpOption, lang));
  const QCommandLineOption helpAll(QStringLiteral("help-all"), say(CliText::HelpAllOption, lang));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, say(CliText::VersionOption, lang));
  const QCommandLineOption station(QStringLiteral("station"), say(CliText::StationOption, lang), QStringLiteral("CALL"));
  const QCommandLineOption import(QStringLiteral("import"), say(CliText::ImportOption, lang),
                                  QStringLiteral("FILE.adi"));
  const QCommandLineOption sigAward(QStringLiteral("sig-award"), say(CliText::SigAwardOption, lang));
  const QCommandLineOption exportOwn(QStringLiteral("export"), say(CliText::ExportOption, lang));
  const QCommandLineOption exportStandard(QStringLiteral("export-standard"), say(CliText::ExportStandardOption, lang),
                                          QStringLiteral("FILE"));
  const QCommandLineOption awardList(QStringLiteral("award-list"), say(CliText::AwardListOption, lang),
                                     QStringLiteral("FILE"));
  const QCommandLineOption progress(QStringLiteral("progress"), say(CliText::ProgressOption, lang));
  const QCommandLineOption json(QStringLiteral("json"), say(CliText::JsonOption, lang));
  for (const QCommandLineOption& o :
       {help, helpAll, version, station, import, sigAward, exportOwn, exportStandard, awardList, progress, json})
    parser.addOption(o);
  parser.addPositionalArgument(QStringLiteral("FILE"), say(CliText::FileArgument, lang), QStringLiteral("[FILE]"));

  const auto usage = [&lang](const QString& text) {
    return fail(kExitUsage, text + QLatin1Char('\n') + say(CliText::TryHelp, lang));
  };
  if (!parser.parse(QCoreApplication::arguments())) return usage(parser.errorText());
  if (parser.isSet(helpAll)) {
    print(stdout, parser.helpText() + QLatin1Char('\n') + say(CliText::WindowOptions, lang));
    return kExitDone;
  }
  if (parser.isSet(help)) {
    print(stdout, parser.helpText());
    return kExitDone;
  }
  if (parser.isSet(version)) {
    print(stdout, QStringLiteral("orb-ktl ") + QCoreApplication::applicationVersion());
    return kExitDone;
  }
  const int actions = int(parser.isSet(import)) + int(parser.isSet(exportOwn)) + int(parser.isSet(exportStandard));
  const int awardActions = int(parser.isSet(awardList)) + int(parser.isSet(progress));
  if (actions + awardActions != 1) return usage(say(CliText::OneAction, lang));
  if (parser.isSet(json) && !parser.isSet(progress)) return usage(say(CliText::JsonWithProgress, lang));
  if (parser.isSet(sigAward) && !parser.isSet(import)) return usage(say(CliText::SigWithImport, lang));
  const QStringList files = parser.positionalArguments();
  if (files.size() > (parser.isSet(exportOwn) ? 1 : 0))
    return usage(say(CliText::Unexpected, lang) + files.join(QLatin1Char(' ')));

  // The award's list is the program's, not a station's.
  if (parser.isSet(awardList)) return importAwardListFile(parser.value(awardList), dataDirectory(), lang);
  // As typed on the command line ("f0orb/p" is F0ORB_P), or the stored form
  // of the settings file, taken as it is.
  const QString given = parser.isSet(station) ? parser.value(station) : defaultStation;
  QString call = given;
  if (parser.isSet(station)) call = call.toUpper().replace(QLatin1Char('/'), QLatin1Char('_'));
  if (call.isEmpty() || call == kNoStation) return usage(say(CliText::NoStation, lang));
  // The station window's rule for a callsign.
  if (!isStationName(call)) return usage(say(CliText::NotCallsign, lang).arg(given));
  const QString dataDir = dataDirectory();
  const QString logPath = logFilePath(dataDir, call);
  // A mistyped callsign never makes a new log: stations are made in the window.
  if (!QFileInfo::exists(logPath))
    return usage(say(CliText::NoLog, lang).arg(ProgramState::shownForm(call), logPath));

  const Language stored = languageFromSetting(settings.read(keys::Language, call));
  if (lang != runLanguage(stored)) {
    lang = runLanguage(stored);
    translation.use(lang);
  }
  if (parser.isSet(progress)) return printProgress(logPath, dataDir, call, lang, parser.isSet(json));
  if (parser.isSet(import)) {
    AdifImportOptions options;
    options.sigIsAward = parser.isSet(sigAward);
    options.awardName = toFileBytes(settings.read(keys::AwardName, {}));
    QString file = parser.value(import);
    StandardInput in;
    if (file == u"-") {
      in = readStandardInput(dataDir);
      if (!in.error.isEmpty()) return fail(kExitFailed, say(CliText::StdinUnreadable, lang).arg(in.error));
      file = in.file->fileName();
    }
    return importFile(file, logPath, call, options, lang);
  }
  // "-": written to a file of the data folder first, then to standard
  // output, which then carries the file alone (what is told goes to the
  // error output).
  const bool toStdout = (parser.isSet(exportOwn) ? files.value(0) : parser.value(exportStandard)) == u"-";
  QTemporaryFile outFile(dataDir + QStringLiteral("/stdout-XXXXXX.adi"));
  if (toStdout && !outFile.open())
    return fail(kExitFailed, fileErrorMessage(lang, FileAction::Write, outFile.fileTemplate(), outFile.errorString()));
  const auto finish = [&](const AdifExportResult& r, const QString& target, const QString& done) -> int {
    if (!toStdout) return reportExport(r, logPath, target, lang, done);
    if (!r.ok()) return reportExport(r, logPath, target, lang, done);
    if (!copyToStandardOutput(target)) return fail(kExitFailed, fileErrorMessage(lang, FileAction::Write, QStringLiteral("-"), {}));
    if (auto gaps = exportGapsSummary(r.gaps, lang)) print(stderr, *gaps);
    return kExitDone;
  };
  if (parser.isSet(exportOwn)) {
    // The title names the station as the window's label shows it after a
    // start, in the stored form; the language is the station's stored one
    // (no title for an unknown one, as in the window).
    const QString target =
        toStdout ? outFile.fileName() : files.isEmpty() ? adifExportPath(dataDir, call) : files.first();
    return finish(exportAdif(logPath, target, adifTitleLine(stored, call)), target, say(Msg::ExportDone, lang));
  }
  const QString target = toStdout ? outFile.fileName() : parser.value(exportStandard);
  const StandardAdifHeader header = makeStandardAdifHeader(settings, ProgramState::shownForm(call),
                                                           programRevision(), SystemClock().now());
  ExtrasStore store(logPath);
  const AdifExportResult exported = exportStandardWithExtras(logPath, target, header, store);
  if (auto trouble = store.takeReport(lang)) print(stderr, *trouble);
  return finish(exported, target, pick(programText(ProgramText::StandardExportDone), lang));
}

}  // namespace ktl
