// What the key-shaped buttons share beyond the owner-drawn look: a completed left click is reported to
// the button itself, and their fonts are made from the host's interface font.
#pragma once

#include "controls/owner_drawn_button.h"

namespace Talvo {

class KeyButtonBase : public OwnerDrawnButton {
  DECLARE_DYNAMIC(KeyButtonBase)
 protected:
  KeyButtonBase() = default;

  // A left press and release inside the enabled button.
  virtual void OnClicked() {}
  // Creates `font` (once) from the host's interface font at a pixel height and weight.
  static void MakeFont(CFont& font, int height, int weight);

  void OnLButtonUp(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
};

}  // namespace Talvo
