// MenuButton: the host-themed button that opens a list of items (layouts, profiles, functions, wheel
// event sets). Item i (0-based) carries the command number i + 1; removing an item renumbers the rest.
// When the user chooses an item the button sends WM_COMMAND (its id, BN_CLICKED) to its parent, whose
// handler reads GetChosenItem(): the 1-based number, 0 when the menu was dismissed. Like every CMFCButton it
// shows highlighted while the mouse is over it.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

namespace Talvo {

class MenuButton : public CMFCMenuButton {
  DECLARE_DYNAMIC(MenuButton)
 public:
  MenuButton();
  ~MenuButton() override;

  void AddItem(const std::wstring& text);
  // Out-of-range indexes are ignored.
  void RemoveItem(int index);
  void RemoveAllItems();
  void SetItemText(int index, const std::wstring& text);
  // Makes the item's text the caption.
  void ShowItem(int index);

  int GetItemCount() const { return static_cast<int>(items_.size()); }
  // The item's text; empty for an index outside the list.
  std::wstring GetItemText(int index) const;
  // The command number of the item the user chose last (1-based), 0 when nothing was chosen.
  int GetChosenItem() const { return m_nMenuResult; }

 private:
  void RebuildMenu();

  std::vector<std::wstring> items_;
  CMenu menu_;
};

}  // namespace Talvo
