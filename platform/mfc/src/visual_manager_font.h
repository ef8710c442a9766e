// The font of menus, tabs and buttons, shared by the visual manager and CMFCMenuBar.
#pragma once

#include "mfc/gdi_objects.h"

namespace mfc_internal {

// The menu font: the default GUI font's face and size.
CFont& MenuFont();

}  // namespace mfc_internal
