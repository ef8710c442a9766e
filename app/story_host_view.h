// What the story's host shows of its own: a viewport with the edited box (its selected vertices marked and
// the height of the first one written), the host's undo and redo lists, and the last lines of the script
// listener. It lives in the host's main window, so that a picture of that window shows what a case did.
#pragma once

#include <windows.h>
#include <max.h>

namespace Talvo {

class StoryHostView {
 public:
  ~StoryHostView();
  // Shows the node's mesh in the host's main window (again, after a host restart).
  void Show(INode* node);
  void Close();
  // The view's window inside the host's main window; null before Show.
  HWND Window() const { return window_; }

 private:
  HWND Host() const;

  HWND window_ = nullptr;
};

}  // namespace Talvo
