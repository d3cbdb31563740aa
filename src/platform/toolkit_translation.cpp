#include "platform/toolkit_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ktl {

ToolkitTranslation::~ToolkitTranslation() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

void ToolkitTranslation::use(Language language) {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
  installed_ = false;
  const char* code = language == Language::French ? "fr" : language == Language::Italian ? "it" : nullptr;
  if (!code) return;
  // A missing translation file leaves the toolkit in English.
  if (translator_.load(QStringLiteral("qtbase_") + QLatin1String(code),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installed_ = QCoreApplication::installTranslator(&translator_);
}

}  // namespace ktl
