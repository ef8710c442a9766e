// The host's menu manager: menus of items that run actions or open sub-menus, and the main menu bar.
#pragma once

#include <memory>
#include <vector>

#include "host/actions.h"
#include "host/strings.h"

class IMenu;

class IMenuItem {
 public:
  void SetTitle(const MCHAR* title) { title_ = title; }
  const MSTR& GetTitle() const { return title_; }
  // The action the item runs (not owned), or null.
  void SetActionItem(ActionItem* action) { action_ = action; }
  void SetSubMenu(IMenu* menu) { sub_menu_ = menu; }
  IMenu* GetSubMenu() const { return sub_menu_; }
  void ActAsSeparator() { separator_ = true; }
  bool IsSeparator() const { return separator_; }

 private:
  MSTR title_;
  ActionItem* action_ = nullptr;
  IMenu* sub_menu_ = nullptr;
  bool separator_ = false;
};

class IMenu {
 public:
  void SetTitle(const MCHAR* title) { title_ = title; }
  const MSTR& GetTitle() const { return title_; }
  int NumItems() const { return static_cast<int>(items_.size()); }
  // Items by position; null out of range.
  IMenuItem* GetItem(int position) const;
  // Inserts an item at a position (appended when out of range).
  void AddItem(IMenuItem* item, int position = -1);
  // Takes an item out of the menu; FALSE when the position or item is not in it.
  BOOL RemoveItem(int position);
  BOOL RemoveItem(IMenuItem* item);

 private:
  MSTR title_;
  std::vector<IMenuItem*> items_;
};

// Menus and items come from the host and belong to it; they live until the host resets.
IMenu* GetIMenu();
IMenuItem* GetIMenuItem();

class IMenuManager {
 public:
  // Registers a menu under its title; FALSE when the menu or its title is registered already.
  BOOL RegisterMenu(IMenu* menu, DWORD flags = 0);
  BOOL UnRegisterMenu(IMenu* menu);
  // The registered menu with that title, or null.
  IMenu* FindMenu(const MCHAR* title) const;
  int NumMenus() const { return static_cast<int>(menus_.size()); }
  IMenu* GetMenu(int index) const;
  // The host's main menu bar, made when the host starts.
  IMenu* GetMainMenuBar();
  // Redraws the menu bar; counted for tests.
  void UpdateMenuBar() { ++updates_; }
  int UpdateCount() const { return updates_; }
  void Clear();

 private:
  std::vector<IMenu*> menus_;
  IMenu* main_bar_ = nullptr;
  int updates_ = 0;
};
