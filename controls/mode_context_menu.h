// The level/mode popup of the function editor's add-case and mode buttons. Its items are commands for
// the editor window, which carries them out.
#pragma once

#include "controls/context_menu.h"

namespace Talvo {

// The commands of the level/mode menu, carried out by the editor window.
inline constexpr UINT ID_MODE_VERTEX = 3100;
inline constexpr UINT ID_MODE_EDGE = 3101;
inline constexpr UINT ID_MODE_POLYGON = 3102;
inline constexpr UINT ID_MODE_BORDER = 3103;
inline constexpr UINT ID_MODE_ELEMENT = 3104;
inline constexpr UINT ID_ADD_EDITABLE_POLY = 3201;
inline constexpr UINT ID_ADD_EDIT_POLY = 3202;
inline constexpr UINT ID_ADD_UNWRAP_UVW = 3203;
inline constexpr UINT ID_ADD_OBJECT_MODE = 3204;
inline constexpr UINT ID_ADD_VERTEX_MODE = 3210;
inline constexpr UINT ID_ADD_EDGE_MODE = 3211;
inline constexpr UINT ID_ADD_BORDER_MODE = 3212;
inline constexpr UINT ID_ADD_POLYGON_MODE = 3213;
inline constexpr UINT ID_ADD_ELEMENT_MODE = 3214;

// Which items the level/mode menu offers.
enum class ModeMenuItems {
  Levels,          // ID_MODE_*: show a sub-object level
  SubObjectCases,  // ID_ADD_VERTEX_MODE to ID_ADD_ELEMENT_MODE: turn a global page into a sub-object level
  ModifierCases,   // ID_ADD_EDITABLE_POLY to ID_ADD_OBJECT_MODE: turn a tap page into a modifier page
};

// What a case page tells its add-case button about the menu to open.
struct ModeMenuRequest {
  ModeMenuItems items = ModeMenuItems::Levels;
  bool withoutBorderAndElement = false;  // an "Unwrap UVW" page has no border and element levels
};

// Implemented by the page that holds an add-case button (mode 16).
class iModeMenuPage {
 public:
  virtual ModeMenuRequest GetModeMenuRequest() const = 0;

 protected:
  ~iModeMenuPage() = default;
};

class ModeContextMenu : public ContextMenu {
 public:
  explicit ModeContextMenu(ModeMenuRequest request) : request_(request) {}
  BOOL Build() override;

 private:
  ModeMenuRequest request_;
};

}  // namespace Talvo
