#pragma once
// Every language-dependent text of the entry window and the station window:
// message-box texts, caption tables, the entry-state and entry-mode labels
// and the header line above the QSO list. The texts are kept exactly as the
// operators know them, blanks, accents and spellings included, so nothing
// here is to be "corrected".
//
// With a language value other than the three known ones nothing is shown:
// message() returns no value and the caption functions return a null
// QString, which the windows take as "leave the caption as it is".
#include <QString>

#include <array>
#include <optional>
#include <span>

namespace ktl {

enum class Language { French, English, Italian, Other };

// "Francais", "Anglais", "Italien", compared exactly; anything else is Other.
Language languageFromSetting(const QString& value);
// The stored value of a language; an empty string for Other.
QString settingFromLanguage(Language language);


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
  // Station window.
  StationEmpty,
  StationTooLong,
  StationBadCharacter,
  // ADIF export and import.
  ExportDone,        // followed directly by the file name
  ImportNoFile,
  ImportUnreadable,  // followed by the system's reason
  ImportNoRecord,
  ImportNotAdif,
  ImportTooLate,
};
inline constexpr int kMsgCount = int(Msg::ImportTooLate) + 1;

std::optional<QString> message(Msg msg, Language language);
// The already-contacted warning with the date of the earlier QSO appended.
std::optional<QString> alreadyContactedMessage(const QString& date, Language language);
// The first-use message as the start-up shows it: a line break before and after.
std::optional<QString> firstUseAtStartup(Language language);
// The same as a key in Ind_A shows it: French and Italian with a line break
// before and after, English with one before only.
std::optional<QString> firstUseOnKey(Language language);

// One control's text in the three languages. Texts are UTF-8. A row whose
// tooltip flag is set gives the control's tooltip instead of its caption.
struct CaptionRow {
  const char* control;
  const char* french;
  const char* english;
  const char* italian;
  bool tooltip;
};
QString captionText(const CaptionRow& row, Language language);

// The captions the language routines put on Main, in the order they put
// them. Label_Liste_KTL, Label7 and Label12 are not plain captions and are
// served by listHeader(), entryStateCaption() and dateEntryCaption().
std::span<const CaptionRow> mainCaptions();
// Captions of the station window; the row named "Station" is its title.
std::span<const CaptionRow> stationCaptions();

// Captions of the ADIF import window; the row named "Import_ADIF" is its
// title. The two option boxes ("Messages_Remplacement", "SIG_Diplome") are
// worded by us.
std::span<const CaptionRow> importCaptions();
// After an import without a box per replaced field: what was replaced.
// Counts in the order callsign, date, time, band.
std::optional<QString> replacementSummary(const std::array<qsizetype, 4>& counts, Language language);

// Header line above the QSO list (French 182 characters, English 185,
// Italian 178).
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

}  // namespace ktl
