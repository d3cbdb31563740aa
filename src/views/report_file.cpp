// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/report_file.h"

#include "log/clock.h"
#include "log/text_codec.h"
#include "state/program_state.h"
#include "texts/program_texts.h"
#include "texts/view_texts.h"

namespace ktl {
namespace {

QByteArray titleLine(const Tx& title, Language language, const QString& station, const ReportDate& date) {
  return QByteArray(20, ' ') + toFileBytes(pick(title, spoken(language)).arg(station, date.shown));
}

}  // namespace

ReportDate reportDate(const Clock& clock) {
  const QDate today = clock.now().toLocalTime().date();
  return {today.toString(QStringLiteral("dd/MM/yyyy")), today.toString(QStringLiteral("dd_MM_yy"))};
}

QByteArrayList Report::fileLines() const {
  QByteArrayList lines{title, {}, heading, {}};
  lines += rows;
  lines << QByteArray() << footer;
  return lines;
}

QStringList Report::printLines() const {
  QStringList lines;
  lines.reserve(rows.size() + 7);
  for (const QByteArray& l : QByteArrayList{title, {}, heading, {}}) lines << fromFileBytes(l);
  for (const QByteArray& row : rows) lines << fromFileBytes(row);
  lines << QString() << QString() << fromFileBytes(footer);
  return lines;
}

QByteArray reportFooter() {
  // The signature of the about box.
  return QByteArray(37, ' ') + "ORB_KTL  Revision " + toFileBytes(programRevision());
}

Report castleReport(Language language, const QString& station, const ReportDate& date, QByteArrayList rows) {
  return {titleLine(view_text::CastleReportTitle, language, station, date),
          toFileBytes(pick(view_text::CastleReportHeading, spoken(language))), std::move(rows), reportFooter()};
}

QString castleReportFileName(Language language, const QString& station, const QString& prefix,
                             const ReportDate& date) {
  return pick(view_text::CastleFileName, spoken(language)).arg(station, prefix, date.stamp);
}

Report searchReport(Language language, const QString& station, const ReportDate& date, const QString& heading,
                    QByteArrayList rows) {
  return {titleLine(view_text::SearchReportTitle, language, station, date), toFileBytes(heading), std::move(rows),
          reportFooter()};
}

QString searchReportFileName(const QString& station, const ReportDate& date) {
  return QString::fromLatin1(view_text::kSearchFileName).arg(station, date.stamp);
}

LogResult saveReport(const QString& path, const Report& report) {
  return rewriteFile(path, [&](const LineSink& sink) {
    for (const QByteArray& line : report.fileLines()) sink(line);
    return true;
  });
}

}  // namespace ktl
