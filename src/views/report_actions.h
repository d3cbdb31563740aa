// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving and printing a report from a window, with the operator's messages.
#include "texts/language.h"

#include <QFont>
#include <QString>

class QWidget;

namespace ktl {

class Platform;
struct Report;

// The face reports are printed in: bold 7-point "Courier New", or
// "Liberation Mono" (the same letter widths) where it is missing, else the
// system's fixed font.
QFont reportPrintFont();

// Saves the report as `fileName` in `dataDir` and names the file in a
// message; a file that cannot be written is reported with the system's
// reason.
void saveReportAndSay(QWidget* parent, Platform& platform, Language language, const QString& dataDir,
                      const QString& fileName, const Report& report);

// Prints the report on what the operator chooses in the print dialog.
// Closing the dialog prints nothing and says nothing; without a printer the
// operator is told that printing to a PDF file and saving still work.
void printReport(QWidget* parent, Platform& platform, Language language, const Report& report);

}  // namespace ktl
