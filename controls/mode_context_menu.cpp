#include "controls/mode_context_menu.h"

namespace Talvo {

namespace {

struct MenuEntry {
  UINT command;
  int textId;
  bool borderOrElement;
};

// Level items in the order vertex, edge, polygon, border, element.
constexpr MenuEntry kLevelEntries[] = {
    {3100, 146, false}, {3101, 147, false}, {3102, 148, false}, {3103, 149, true}, {3104, 150, true}};
constexpr MenuEntry kSubObjectEntries[] = {
    {3210, 307, false}, {3211, 306, false}, {3213, 308, false}, {3212, 3212, true}, {3214, 3213, true}};
constexpr MenuEntry kModifierEntries[] = {{3201, 302, false}, {3202, 303, false}, {3203, 304, false}, {3204, 305, false}};

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
