// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/report_actions.h"

#include "platform/platform.h"
#include "texts/program_texts.h"
#include "texts/view_texts.h"
#include "views/report_file.h"

#include <QFontDatabase>

namespace ktl {

QFont reportPrintFont() {
  QString family = QStringLiteral("Courier New");
  if (!QFontDatabase::hasFamily(family)) family = QStringLiteral("Liberation Mono");
  if (!QFontDatabase::hasFamily(family)) family = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  QFont font(family);
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(7);
  font.setBold(true);
  return font;
}

void saveReportAndSay(QWidget* parent, Platform& platform, Language language, const QString& dataDir,
                      const QString& fileName, const Report& report) {
  const QString path = dataDir + QLatin1Char('/') + fileName;
  const LogResult saved = saveReport(path, report);
  if (!saved.ok()) {
    platform.reportFileError(parent, language, FileAction::Write, path, saved.detail);
    return;
  }
  // The box names the file; the folder it went to follows under it.
  const QString text = pick(view_text::ReportSaved, language);
  platform.tellFileWritten(parent, language, text.isNull() ? text : text + fileName, path);
}

void printReport(QWidget* parent, Platform& platform, Language language, const Report& report) {
  const PrintResult printed = platform.printLines(parent, report.printLines(), reportPrintFont());
  switch (printed.status) {
    case PrintResult::Printed:
      if (!printed.target.isEmpty())
        platform.tellFileWritten(parent, language, pick(programText(ProgramText::PrintedToFile), spoken(language)),
                                 printed.target);
      break;
    case PrintResult::Cancelled: break;
    case PrintResult::NoPrinter: platform.say(parent, language, view_text::NoPrinter); break;
    case PrintResult::Failed: {
      // A failure is told even in an unknown language, as file failures are.
      const QString head = pick(view_text::PrintFailed, spoken(language));
      platform.message(parent, head + QStringLiteral("\r\n") + printed.target);
      break;
    }
  }
}

}  // namespace ktl
