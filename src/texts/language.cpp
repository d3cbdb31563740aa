// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/language.h"

#include "texts/texts.h"

#include <QCoreApplication>
#include <QTranslator>

#include <array>
#include <memory>

namespace ktl {

namespace {

constexpr LanguageInfo kLanguages[] = {
    {Language::French, "Francais", "fr"},
    {Language::English, "Anglais", "en"},
    {Language::Italian, "Italien", "it"},
    {Language::German, "Allemand", "de"},
};

// The program's translations, one per language, loaded once from the
// resources the build makes of translations/*.ts. French is the source and
// has none.
const QTranslator* translationOf(Language language) {
  static std::array<std::unique_ptr<QTranslator>, std::size(kLanguages)> loaded;
  const auto index = static_cast<std::size_t>(language);
  if (language == Language::French || index >= loaded.size()) return nullptr;
  if (!loaded[index]) {
    loaded[index] = std::make_unique<QTranslator>();
    if (!loaded[index]->load(QStringLiteral(":/i18n/orb_ktl_") + languageCode(language)))
      qWarning("ORB_KTL: no %s translation in the program", qPrintable(languageCode(language)));
  }
  return loaded[index].get();
}

}  // namespace

std::span<const LanguageInfo> languages() { return kLanguages; }

Language languageFromSetting(const QString& value) {
  for (const LanguageInfo& l : kLanguages)
    if (value == QLatin1String(l.setting)) return l.language;
  return Language::Other;
}

QString settingFromLanguage(Language language) {
  for (const LanguageInfo& l : kLanguages)
    if (l.language == language) return QString::fromLatin1(l.setting);
  return {};
}

Language languageFromCode(const QString& localeName) {
  const QString code = localeName.left(2).toLower();
  for (const LanguageInfo& l : kLanguages)
    if (code == QLatin1String(l.code) && (localeName.size() == 2 || !localeName.at(2).isLetter()))
      return l.language;
  return Language::Other;
}

QString languageCode(Language language) {
  for (const LanguageInfo& l : kLanguages)
    if (l.language == language) return QString::fromLatin1(l.code);
  return {};
}

QString pick(const Tx& text, Language language) {
  if (language == Language::Other) return {};
  if (const QTranslator* t = translationOf(language)) {
    const QString translated = t->translate(kTextContext, text.source, text.id);
    if (!translated.isEmpty()) return translated;
  }
  return QString::fromUtf8(text.source);
}

}  // namespace ktl
