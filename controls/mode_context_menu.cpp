#include "controls/mode_context_menu.h"

namespace Talvo {

namespace {

struct MenuEntry {
  UINT command;
  int textId;
  bool borderOrElement;
};

// Level items in the order vertex, edge, polygon, border, element.
constexpr MenuEntry kLevelEntries[] = {{ID_MODE_VERTEX, 146, false},
                                       {ID_MODE_EDGE, 147, false},
                                       {ID_MODE_POLYGON, 148, false},
                                       {ID_MODE_BORDER, 149, true},
                                       {ID_MODE_ELEMENT, 150, true}};
constexpr MenuEntry kSubObjectEntries[] = {{ID_ADD_VERTEX_MODE, 307, false},
                                           {ID_ADD_EDGE_MODE, 306, false},
                                           {ID_ADD_POLYGON_MODE, 308, false},
                                           {ID_ADD_BORDER_MODE, 3212, true},
                                           {ID_ADD_ELEMENT_MODE, 3213, true}};
constexpr MenuEntry kModifierEntries[] = {{ID_ADD_EDITABLE_POLY, 302, false},
                                          {ID_ADD_EDIT_POLY, 303, false},
                                          {ID_ADD_UNWRAP_UVW, 304, false},
                                          {ID_ADD_OBJECT_MODE, 305, false}};

}  // namespace

BOOL ModeContextMenu::Build() {
  if (!CreatePopupMenu()) return FALSE;
  auto append = [this](const auto& entries) {
    for (const MenuEntry& entry : entries) {
      if (entry.borderOrElement && request_.withoutBorderAndElement) continue;
      AppendStringItem(entry.command, entry.textId);
    }
  };
  switch (request_.items) {
    case ModeMenuItems::Levels:
      append(kLevelEntries);
      break;
    case ModeMenuItems::SubObjectCases:
      append(kSubObjectEntries);
      break;
    case ModeMenuItems::ModifierCases:
      append(kModifierEntries);
      break;
  }
  return TRUE;
}

}  // namespace Talvo
