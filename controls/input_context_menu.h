// The function editor's "+" tab menu: add an Editable Poly (3008), Edit Poly (3009), Unwrap UVW (3010)
// or objects (3019) page. Built on the caller's stack and tracked with the editor window as owner.
#pragma once

#include "controls/context_menu.h"

namespace Talvo {

class InputContextMenu : public ContextMenu {
 public:
  BOOL Build() override;
};

}  // namespace Talvo
