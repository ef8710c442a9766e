#include "controls/input_context_menu.h"

namespace Talvo {

// The texts are the string table's "Add Editable Poly" ... "Add Object Mode".
BOOL InputContextMenu::Build() {
  if (!CreatePopupMenu()) return FALSE;
  AppendStringItem(ID_INPUT_MENU_EDITABLE_POLY, 302);
  AppendStringItem(ID_INPUT_MENU_EDIT_POLY, 303);
  AppendStringItem(ID_INPUT_MENU_UNWRAP_UVW, 304);
  AppendStringItem(ID_INPUT_MENU_OBJECTS, 305);
  return TRUE;
}

}  // namespace Talvo
