#include "controls/input_context_menu.h"

namespace Talvo {

// The texts are the string table's "Add Editable Poly" ... "Add Object Mode".
BOOL InputContextMenu::Build() {
  if (!CreatePopupMenu()) return FALSE;
  AppendStringItem(3008, 302);
  AppendStringItem(3009, 303);
  AppendStringItem(3010, 304);
  AppendStringItem(3019, 305);
  return TRUE;
}

}  // namespace Talvo
