#pragma once
// The interface language of the program, as the settings store keeps it:
// "Francais", "Anglais" or "Italien", compared exactly. Any other stored
// value (an edited settings file) is Other: captions stay as they are and
// no message is shown.
#include <QString>

namespace ktl {

enum class Language { French, English, Italian, Other };

Language languageFromSetting(const QString& value);
// The stored value of a language; an empty string for Other.
QString settingFromLanguage(Language language);

}  // namespace ktl
