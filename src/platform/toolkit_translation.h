// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one switch of the program's language for what the toolkit shows
// itself (the Yes and No of the question boxes, the edit menu of the text
// boxes, the file and print dialogs) and for any tr() of the program: Qt's
// own translation and the program's, for the interface language.
#include "texts/language.h"

#include <QTranslator>

namespace ktl {

class ToolkitTranslation {
 public:
  ~ToolkitTranslation();
  // Installs the translations of `language`; French loads Qt's French
  // (the program's texts are written in French), English needs none of
  // Qt's, and an unknown language leaves both in their source.
  void use(Language language);

 private:
  void removeAll();
  QTranslator qt_, program_;
  bool qtInstalled_ = false, programInstalled_ = false;
};

}  // namespace ktl
