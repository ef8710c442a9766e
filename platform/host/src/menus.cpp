#include "host/menus.h"

#include <algorithm>

#include "host/core_interface.h"
#include "reset.h"

namespace {

// Every menu and item the host handed out.
struct Pool {
  std::vector<std::unique_ptr<IMenu>> menus;
  std::vector<std::unique_ptr<IMenuItem>> items;
};

Pool& ThePool() {
  static Pool pool;
  return pool;
}

}  // namespace

IMenuItem* IMenu::GetItem(int position) const {
  if (position < 0 || position >= NumItems()) return nullptr;
  return items_[static_cast<std::size_t>(position)];
}

void IMenu::AddItem(IMenuItem* item, int position) {
  if (!item) return;
  if (position < 0 || position > NumItems()) position = NumItems();
  items_.insert(items_.begin() + position, item);
}

BOOL IMenu::RemoveItem(int position) {
  if (position < 0 || position >= NumItems()) return FALSE;
  items_.erase(items_.begin() + position);
  return TRUE;
}

BOOL IMenu::RemoveItem(IMenuItem* item) {
  const auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return FALSE;
  items_.erase(it);
  return TRUE;
}

IMenu* GetIMenu() {
  ThePool().menus.push_back(std::make_unique<IMenu>());
  return ThePool().menus.back().get();
}

IMenuItem* GetIMenuItem() {
  ThePool().items.push_back(std::make_unique<IMenuItem>());
  return ThePool().items.back().get();
}

BOOL IMenuManager::RegisterMenu(IMenu* menu, DWORD /*flags*/) {
  if (!menu || std::find(menus_.begin(), menus_.end(), menu) != menus_.end() || FindMenu(menu->GetTitle().data()))
    return FALSE;
  menus_.push_back(menu);
  return TRUE;
}

BOOL IMenuManager::UnRegisterMenu(IMenu* menu) { return std::erase(menus_, menu) > 0 ? TRUE : FALSE; }

IMenu* IMenuManager::FindMenu(const MCHAR* title) const {
  if (!title) return nullptr;
  for (IMenu* menu : menus_)
    if (menu->GetTitle() == title) return menu;
  return nullptr;
}

IMenu* IMenuManager::GetMenu(int index) const {
  if (index < 0 || index >= NumMenus()) return nullptr;
  return menus_[static_cast<std::size_t>(index)];
}

IMenu* IMenuManager::GetMainMenuBar() {
  if (!main_bar_) {
    main_bar_ = GetIMenu();
    main_bar_->SetTitle(L"Main Menu Bar");
    RegisterMenu(main_bar_);
  }
  return main_bar_;
}

void IMenuManager::Clear() {
  menus_.clear();
  main_bar_ = nullptr;
  updates_ = 0;
}

IMenuManager* Interface::GetMenuManager() {
  static IMenuManager manager;
  return &manager;
}

namespace host_internal {
void ResetMenus() {
  GetCOREInterface()->GetMenuManager()->Clear();
  ThePool() = Pool{};
}
}  // namespace host_internal
