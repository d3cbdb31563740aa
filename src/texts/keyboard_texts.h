#pragma once
// Texts that tell the operator how to reach Main's menus from the keyboard.
#include "texts/texts.h"

namespace ktl {

// Head of the menu bar's tooltip, followed by "Alt+F Fichier, ..." for each
// menu in the current captions.
inline constexpr Tri kMenuKeysHint = {"Menus : F10, ou", "Menus: F10, or", "Menu: F10, o"};

}  // namespace ktl
