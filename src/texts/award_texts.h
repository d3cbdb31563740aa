// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the award's progress: the window, its grid, charts and needed
// list, the import of the award's list, and the figures the command line
// prints (all of them ours).
#include "texts/texts.h"

#include <span>

namespace ktl {

// The window's title (Progression), its tabs' labels and its buttons.
std::span<const CaptionRow> awardCaptions();

enum class AwardText {
  MenuItem,         // Mnu_Progression in Affichage: the title's words
  ImportMenuItem,   // Mnu_Import_Liste in Fichier
  ImportFilter,     // the file dialog's filter
  TabGrid,
  TabNeeded,
  TabTime,
  TabCountries,
  // The totals: %1 worked, %2 listed; confirmed; countries %1 of %2.
  Worked,
  WorkedOf,
  Confirmed,
  Countries,
  CountriesOf,
  NotInList,        // %1 castles of the log the list does not know
  ListState,        // %1 castles, %2 the file imported, %3 its date
  NoList,
  // Column headers.
  ColumnPrefix,
  ColumnCountry,
  ColumnWorked,
  ColumnConfirmed,
  ColumnListed,
  ColumnNotInList,
  ColumnReference,
  ColumnName,
  ColumnRegion,
  TotalRow,
  // A cell of the grid: %1 castles worked, %2 confirmed.
  CellWorked,
  CellConfirmed,
  CellNone,
  // What a screen reader says of a cell: %1 prefix, %2 band, %3 worked, %4 confirmed.
  SpokenCell,
  SpokenNone,       // %1 prefix, %2 band
  GridName,
  NeededName,
  NeededCount,      // %1 castles needed in the country chosen
  NeededNoList,
  // Charts.
  ChartTime,
  ChartCountries,
  SeriesWorked,
  SeriesConfirmed,
  SeriesListed,
  // Saving and printing: followed by the file's whole path.
  Saved,
  PrintTitle,       // %1 the station, %2 today
  // The import of a list.
  ImportDone,       // %1 castles, %2 the encoding, %3 the separator
  ImportMalformed,  // %1 lines, %2 the first of them
  ImportDuplicates, // %1 references
  ImportUnknownCountries,  // %1 countries
  ImportAnotherAward,
  ImportEmpty,
  ImportNotText,
  ImportNoReference,
  ImportTooLarge,
  ImportUnreadable, // followed by a line break and the system's reason
  // Command line.
  ProgressTitle,    // %1 the station
};
const Tx& awardText(AwardText id);
// The text in `language`; French for an unknown one, as the figures and
// their headings are never left blank.
QString awardString(AwardText id, Language language);

}  // namespace ktl
