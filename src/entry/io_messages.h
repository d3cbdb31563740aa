#pragma once
// Messages for file failures (folder not writable, disk full): these are the
// program's own, in the three interface languages.
#include "entry/texts.h"

#include <QString>

namespace ktl {

enum class FileAction { Read, Write };
QString fileErrorMessage(Language lang, FileAction action, const QString& path, const QString& detail);

}  // namespace ktl
