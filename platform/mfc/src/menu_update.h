// Update handlers over a popup menu's items, before the menu shows.
#pragma once

#include <windows.h>

class CCmdTarget;

namespace mfc_internal {

// Runs pTarget's update handlers over every command item of the popup and its submenus: disabled
// items are greyed, checks and texts set. bDisableIfNoHndler greys items that nobody handles
// (DoUpdate leaves system commands alone).
void UpdatePopupMenu(HMENU hMenu, CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

}  // namespace mfc_internal
