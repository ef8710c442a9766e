// HoverTracker: whether the mouse is over a control, from its WM_MOUSEMOVE and WM_MOUSELEAVE. The first move
// asks the window system for one WM_MOUSELEAVE, so the control hears when the mouse goes without watching it.
#pragma once

#include <windows.h>

namespace Talvo {

class HoverTracker {
 public:
  bool IsHot() const { return hot_; }
  // The mouse moved over `hwnd`. True when this starts the hover (the control then shows it).
  bool Enter(HWND hwnd);
  // The mouse left (WM_MOUSELEAVE), or the control stops showing the hover for its own reason (disabled): the
  // pending leave request of `hwnd` is dropped. True when the hover ends here.
  bool Leave(HWND hwnd);

 private:
  bool hot_ = false;
};

}  // namespace Talvo
