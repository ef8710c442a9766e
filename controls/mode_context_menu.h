// The level/mode popup of the function editor's add-case and mode buttons. Its items are commands for
// the editor window, which carries them out.
#pragma once

#include "controls/context_menu.h"

namespace Talvo {

// Which items the level/mode menu offers.
enum class ModeMenuItems {
  Levels,          // 3100-3104: show a sub-object level
  SubObjectCases,  // 3210-3214: turn a global page into a sub-object level
  ModifierCases,   // 3201-3204: turn a single-tap or multi-tap page into a modifier page
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
