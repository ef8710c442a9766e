// The function editor's "+" tab menu: add an Editable Poly, Edit Poly, Unwrap UVW or objects page. Built
// on the caller's stack and tracked with the editor window as owner.
#pragma once

#include "controls/context_menu.h"

namespace Talvo {

// The commands of the "+" tab menu, carried out by the editor window.
inline constexpr UINT ID_INPUT_MENU_EDITABLE_POLY = 3008;
inline constexpr UINT ID_INPUT_MENU_EDIT_POLY = 3009;
inline constexpr UINT ID_INPUT_MENU_UNWRAP_UVW = 3010;
inline constexpr UINT ID_INPUT_MENU_OBJECTS = 3019;

class InputContextMenu : public ContextMenu {
 public:
  BOOL Build() override;
};

}  // namespace Talvo
