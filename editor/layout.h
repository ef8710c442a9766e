// Layout: the keyboard view of the profiles page. It lays one KeyButton per key of the current keyboard
// layout on a fixed keyboard drawing, gives each the key's captions from the layout document and the
// name of the function the current profile assigns to it, marks the key that carries the learning
// interface, and keeps the buttons placed when the view is resized. Clicks, drops and menus of the keys
// are the buttons' own.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

#include "controls/key_button.h"
#include "controls/tab_content.h"
#include "editor/layout_key_geometry.h"

namespace Talvo {

// The control id and window style of every key button of the view.
inline constexpr UINT kLayoutKeyButtonId = 5000;
inline constexpr DWORD kLayoutKeyButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;

class Layout : public TabContent {
  DECLARE_DYNAMIC(Layout)
 public:
  // The profiles page makes its view with the ANSI kind; BuildKeys takes the kind of the current layout.
  explicit Layout(int kind = kLayoutKindAnsi);
  ~Layout() override;

  // Creates the buttons for the current layout and profile (the buttons of an earlier build are cleared
  // first). False when the view has no window to put them in.
  bool BuildKeys();
  // Destroys every button and empties the list.
  void ClearKeys();
  // Re-reads the assigned texts and the learning-interface key from the current profile.
  void RefreshCaptions();
  // The key's rectangle in the view's client coordinates; false when the key has none (a key number
  // the drawing lacks, or a client area too small for the drawing).
  bool GetKeyRect(int key, CRect& rect) const;

  int GetKind() const { return kind_; }
  int GetKeyButtonCount() const { return static_cast<int>(keyButtons_.size()); }
  // The button of a key number, or null.
  KeyButton* GetKeyButton(int key) const;

 protected:
  void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  // Where a key's button window goes: the key's rectangle, edges included.
  bool GetKeyPlacement(int key, CRect& placement) const;

  std::vector<std::unique_ptr<KeyButton>> keyButtons_;  // index = key number
  int kind_;
};

}  // namespace Talvo
