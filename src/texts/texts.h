// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every language-dependent text of the program, in one place: message-box
// texts, the caption table of each window, the entry-state and entry-mode
// labels, the list headers. The texts are kept exactly as the operators
// know them, blanks, accents and spellings included, so nothing here is to
// be "corrected".
//
// Each text is its French source, marked with QT_TRANSLATE_NOOP3 in the
// context "ORB_KTL" with an id that tells it apart (two texts with one
// French wording may read differently in another language); lupdate finds
// them, and the other languages live in translations/orb_ktl_<code>.ts.
// The windows keep their own caption tables and texts in files of this
// folder beside this one, read the same way.
//
// With a language value other than the known ones nothing is shown:
// message() returns no value and pick() a null QString, which the windows
// take as "leave the caption as it is".
#include "texts/language.h"

#include <QString>

#include <array>
#include <optional>
#include <span>

namespace ktl {

// One text of the program: its French source (UTF-8) and its id, as
// QT_TRANSLATE_NOOP3("ORB_KTL", source, id) gives them.
struct Tx {
  const char* source;
  const char* id;
};
inline constexpr char kTextContext[] = "ORB_KTL";
// The one way a text is taken in a language: its translation (the French
// source where the translation lacks it), a null QString for Other.
QString pick(const Tx& text, Language language);

enum class Msg {
  // Start-up and every key in Ind_A while no station is chosen; see also
  // firstUseAtStartup() and firstUseOnKey().
  FirstUse,
  // Enter chain of the entry window.
  CallsignEmpty,
  CallsignTooLong,
  PrefixEmpty,
  PrefixTooLong,
  ReferenceEmpty,
  ReferenceTooLong,
  AlreadyContacted,  // followed directly by the date; see alreadyContactedMessage()
  DateEmpty,
  DateFormat,
  TimeEmpty,
  TimeFormat,
  ModeEmpty,
  ModeTooLong,
  BandEmpty,
  BandTooLong,
  ReportEmpty,
  ReportTooLong,
  RstReceivedReadability,  // RST_A
  RstSentReadability,      // RST_B
  CastleNameTooLong,
  // QSO list and buttons of the entry window.
  ClickNoLine,
  DoubleClickNoLine,
  DeleteNoLine,
  SaveQuestion,    // Yes / No
  DeleteQuestion,  // Yes / No
  // Labels of the entry window.
  EntryNew,                // Label7; clearing, committing and the other entry actions
  EntryNewAfterSwitch,     // Label7 as the language routines word it ("Entering QSO")
  EntryInsert,
  EntryChange,
  EntryDeleting,
  DateRealTime,  // Label12 and the entry-mode items
  DateDeferred,
  ListHeader,    // above the QSO list: French 182 characters, English 185, Italian 178
  // Station window.
  StationEmpty,
  StationTooLong,
  StationBadCharacter,
  // ADIF export and import.
  ExportTitle,       // first line of the export; %1 is the station as I_Station shows it
  ExportDone,        // followed directly by the file name
  ImportNoFile,
  ImportUnreadable,  // followed by the system's reason
  ImportNoRecord,
  ImportNotAdif,
  ImportTooLate,
  ImportSummary,     // %1 the counts of replaced callsigns, dates, times and bands
  // The four replacement notices of the import: French in every language.
  NoticeCallsign,
  NoticeDate,
  NoticeTime,
  NoticeBand,
  // File failures: a head line, then the path and the system's reason.
  FileReadFailed,
  FileWriteFailed,
  // Search window.
  SearchCallsignEmpty,
  SearchReferenceTooLong,
  SearchCountryEmpty,
  SearchNotFound,
};
inline constexpr int kMsgCount = int(Msg::SearchNotFound) + 1;

std::optional<QString> message(Msg msg, Language language);
// The already-contacted warning with the date of the earlier QSO appended.
std::optional<QString> alreadyContactedMessage(const QString& date, Language language);
// The first-use message as the start-up shows it: a line break before and after.
std::optional<QString> firstUseAtStartup(Language language);
// The same as a key in Ind_A shows it: French and Italian with a line break
// before and after, English with one before only.
std::optional<QString> firstUseOnKey(Language language);

// A control's text in every language. A row whose tooltip flag is set
// gives the control's tooltip instead of its caption; a row named as the
// window itself gives its title. A null language text keeps the caption the
// control has (the Italian Mnu_Anglais, say).
struct CaptionRow {
  const char* control;
  Tx text;
  bool tooltip = false;
};
QString captionText(const CaptionRow& row, Language language);

// The caption table of each window, in the order the captions are put.
// Label_Liste_KTL, Label7 and Label12 of Main are not plain captions: see
// Msg::ListHeader, entryStateCaption() and dateEntryCaption().
std::span<const CaptionRow> mainCaptions();
std::span<const CaptionRow> stationCaptions();     // "Station" is the title
std::span<const CaptionRow> importCaptions();      // "Import_ADIF" is the title
std::span<const CaptionRow> searchCaptions();      // "Recherche_Indicatif" is the title

// A count with its noun, singular and plural, each a "%1 ..." text: the
// number the language puts the noun in for n (French: 0 and 1 singular).
struct CountedNoun {
  Tx one;
  Tx many;
};
QString countedText(qsizetype n, const CountedNoun& noun, Language language);

// After an import without a box per replaced field: what was replaced,
// counts of 0 left out; nothing when nothing was. Counts in the order
// callsign, date, time, band.
std::optional<QString> replacementSummary(const std::array<qsizetype, 4>& counts, Language language);

// Header line above the QSO list.
QString listHeader(Language language);

enum class EntryState { New, Insert, Change, Deleting };
// Who sets Label7: the language routines word the English new-entry caption
// "Entering QSO", while clearing, committing and the other entry actions
// word it "Enter QSO". The other captions are the same either way.
enum class StateCaptionSource { EntryAction, LanguageSwitch };
QString entryStateCaption(EntryState state, Language language,
                          StateCaptionSource source = StateCaptionSource::EntryAction);

// Label12: real-time or deferred entry of date and time.
QString dateEntryCaption(bool realTime, Language language);

// A failed read or write of `path`, with the system's reason.
enum class FileAction { Read, Write };
QString fileErrorMessage(Language language, FileAction action, const QString& path, const QString& detail);

}  // namespace ktl
