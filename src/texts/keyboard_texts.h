// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts that tell the operator how to reach Main's menus from the keyboard.
#include "texts/texts.h"

namespace ktl {

// Head of the menu bar's tooltip, followed by "Alt+F Fichier, ..." for each
// menu in the current captions.
inline constexpr Tx kMenuKeysHint = QT_TRANSLATE_NOOP3("ORB_KTL", "Menus : F10, ou", "keyboard/MenuKeysHint");

}  // namespace ktl
