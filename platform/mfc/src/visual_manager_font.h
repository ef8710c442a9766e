// The font of menus, tabs and buttons, shared by the visual manager and CMFCMenuBar::SetMenuFont.
#pragma once

#include "mfc/gdi_objects.h"

namespace mfc_internal {

// The current menu font: the one set last, else the default GUI font's face and size.
CFont& MenuFont();
// Replaces the menu font; FALSE when the font cannot be made (the old one stays).
BOOL SetMenuFont(const LOGFONTW& logFont);

}  // namespace mfc_internal
