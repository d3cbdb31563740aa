// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reports the views save and print: a title line, a column heading, the
// rows as the window shows them and a footer, and the text file they are
// saved to in the data folder.
#include "log/log_file.h"
#include "texts/language.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>

namespace ktl {

class Clock;

// Today's local date from the clock: "31/12/2050" in the title and
// "31_12_50" in file names, made directly rather than cut from the
// system's short date text, so any regional date format gives the same.
struct ReportDate {
  QString shown;  // dd/mm/yyyy
  QString stamp;  // dd_mm_yy
};
ReportDate reportDate(const Clock& clock);

struct Report {
  QByteArray title;
  QByteArray heading;
  QByteArrayList rows;
  QByteArray footer;

  // Saved: title, empty line, heading, empty line, rows, empty line, footer.
  QByteArrayList fileLines() const;
  // Printed: the same with two empty lines before the footer.
  QStringList printLines() const;
};

// 37 blanks and the product's signature with its revision.
QByteArray reportFooter();

// The contacted castles of `station` (stored form) in `language`; an
// unknown language writes the French texts, since the file needs a name.
Report castleReport(Language language, const QString& station, const ReportDate& date, QByteArrayList rows);
// <CALL>_Chateaux_<P>_Contactes_<dd_mm_yy>.txt and its Italian and English forms.
QString castleReportFileName(Language language, const QString& station, const QString& prefix,
                             const ReportDate& date);

// The results of a search, under the heading the search window shows.
Report searchReport(Language language, const QString& station, const ReportDate& date, const QString& heading,
                    QByteArrayList rows);
// <CALL>_QSO_Trouves_<dd_mm_yy>.txt in every language.
QString searchReportFileName(const QString& station, const ReportDate& date);

// Writes the report as `path`, replacing an earlier file of that name whole
// and at once (Windows-1252, CR LF).
LogResult saveReport(const QString& path, const Report& report);

}  // namespace ktl
