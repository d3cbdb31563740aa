// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the award's views: the contacted-castles window and its report,
// the contacted-prefix list, the prefix editor, and the saved and printed
// search results. Kept exactly as the operators know them, blanks and
// spellings included; the texts marked "ours" are worded here.
#include "texts/texts.h"

#include <span>

namespace ktl {

// Caption tables; each names its window first (the window title).
std::span<const CaptionRow> castlesCaptions();      // Aff_Contacte; Label2 is the column heading
std::span<const CaptionRow> prefixesCaptions();     // Liste_Prefixes
std::span<const CaptionRow> prefixEditorCaptions(); // Ajout_Ref

namespace view_text {

// Type_B of Aff_Contacte, Enter.
extern const Tx CountryEmpty;
extern const Tx CountryTooLong;  // 5 characters or more

// The contacted-castles report: %1 the station, %2 today dd/mm/yyyy. The
// title follows 20 blanks.
extern const Tx CastleReportTitle;
extern const Tx CastleReportHeading;
// %1 the station, %2 the prefix asked for, %3 today dd_mm_yy.
extern const Tx CastleFileName;
// After a report is saved, followed directly by the file name.
extern const Tx ReportSaved;

// The saved and printed search results (ours): %1 the station, %2 today
// dd/mm/yyyy; the file name is French in every language, as the buttons
// that save and print are.
extern const Tx SearchReportTitle;
inline constexpr const char* kSearchFileName = "%1_QSO_Trouves_%2.txt";  // station, dd_mm_yy

// Printing (ours).
extern const Tx NoPrinter;
extern const Tx PrintFailed;  // followed by a line break and the printer or file

// Ajout_Ref.
extern const Tx EditorPrefixEmpty;
extern const Tx EditorPrefixTooLong;  // more than 2 characters; the English wording is ours
extern const Tx EditorCountryEmpty;
extern const Tx EditorSemicolon;      // ours: a ";" would split the table's line
extern const Tx EditorDeleteQuestion; // Yes / No

}  // namespace view_text
}  // namespace ktl
