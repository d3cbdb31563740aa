// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interface languages of the program, as the settings store keeps
// them: "Francais", "Anglais", "Italien" or "Allemand", compared exactly.
// Any other stored value (an edited settings file) is Other: the captions
// stay as they are and the messages of the windows are not shown.
//
// Every text is written in French, the source language; the others come
// from the translation files (translations/orb_ktl_<code>.ts). Adding a
// language is one row below, one translation file and one menu item.
#include <QString>

#include <span>

namespace ktl {

enum class Language { French, English, Italian, German, Other };

struct LanguageInfo {
  Language language;
  const char* setting;  // the stored value
  const char* code;     // ISO 639-1: the translation files, Qt's own and $LANG
};
// The known languages, French (the source) first.
std::span<const LanguageInfo> languages();

Language languageFromSetting(const QString& value);
// The stored value of a language; an empty string for Other.
QString settingFromLanguage(Language language);
// The language of an ISO 639-1 code ("de", "en_GB.UTF-8" gives English);
// Other when it is none of ours.
Language languageFromCode(const QString& localeName);
// "fr", "en", "it", "de"; empty for Other.
QString languageCode(Language language);

// The language the program's own notices (a file that cannot be written,
// a lock, a backup...) are given in, which must never be silent: an
// unknown language gives the source language, French. The one rule for
// an unknown language, everywhere; only the captions and messages of the
// windows' design stay silent for it (pick() gives them no text).
constexpr Language spoken(Language language) { return language == Language::Other ? Language::French : language; }

}  // namespace ktl
