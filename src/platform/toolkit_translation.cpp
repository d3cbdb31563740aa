// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/toolkit_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ktl {

ToolkitTranslation::~ToolkitTranslation() { removeAll(); }

void ToolkitTranslation::removeAll() {
  if (qtInstalled_) QCoreApplication::removeTranslator(&qt_);
  if (programInstalled_) QCoreApplication::removeTranslator(&program_);
  qtInstalled_ = programInstalled_ = false;
}

void ToolkitTranslation::use(Language language) {
  removeAll();
  const QString code = languageCode(language);
  if (code.isEmpty()) return;
  // A missing translation file leaves the toolkit in English.
  if (language != Language::English &&
      qt_.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    qtInstalled_ = QCoreApplication::installTranslator(&qt_);
  if (language != Language::French && program_.load(QStringLiteral(":/i18n/orb_ktl_") + code))
    programInstalled_ = QCoreApplication::installTranslator(&program_);
}

}  // namespace ktl
