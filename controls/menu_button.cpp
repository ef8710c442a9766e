#include "controls/menu_button.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(MenuButton, CMFCMenuButton)

MenuButton::MenuButton() { RebuildMenu(); }

MenuButton::~MenuButton() = default;

// The popup holds exactly the items, numbered 1..n in list order.
void MenuButton::RebuildMenu() {
  menu_.DestroyMenu();
  menu_.CreatePopupMenu();
  for (size_t i = 0; i < items_.size(); ++i) menu_.AppendMenu(MF_STRING, i + 1, items_[i].c_str());
  m_hMenu = menu_.m_hMenu;
}

void MenuButton::AddItem(const std::wstring& text) {
  items_.push_back(text);
  menu_.AppendMenu(MF_STRING, items_.size(), text.c_str());
}

void MenuButton::RemoveItem(int index) {
  if (index < 0 || index >= GetItemCount()) return;
  items_.erase(items_.begin() + index);
  RebuildMenu();
}

void MenuButton::RemoveAllItems() {
  items_.clear();
  RebuildMenu();
}

void MenuButton::SetItemText(int index, const std::wstring& text) {
  if (index < 0 || index >= GetItemCount()) return;
  items_[static_cast<size_t>(index)] = text;
  menu_.ModifyMenu(static_cast<UINT>(index), MF_BYPOSITION | MF_STRING, static_cast<UINT_PTR>(index) + 1,
                   text.c_str());
}

void MenuButton::ShowItem(int index) {
  if (index < 0 || index >= GetItemCount() || m_hWnd == nullptr) return;
  SetWindowText(items_[static_cast<size_t>(index)]);
  Invalidate();
}

std::wstring MenuButton::GetItemText(int index) const {
  if (index < 0 || index >= GetItemCount()) return {};
  return items_[static_cast<size_t>(index)];
}

}  // namespace Talvo
