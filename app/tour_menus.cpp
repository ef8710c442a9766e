// The popup menus of the editor, each opened with the click that opens it and saved over the window it
// belongs to, then dismissed; the open lists of the case pickers and the spin editor's slider likewise.
#include <windows.h>
#include <win32/combobox.h>
#include <win32/menu.h>
#include <win32/modal_responder.h>
#include <win32/simulation.h>

#include <cstdio>
#include <functional>

#include "controls/cell_drop_down.h"
#include "controls/cell_spin_edit.h"
#include "controls/key_button.h"
#include "editing/function_editor_tab.h"
#include "editing/functions_tab.h"
#include "editor/profile_tab.h"
#include "frame/frame.h"
#include "grid/grid_cell_editors.h"
#include "grid/grid_cell_icon_button.h"
#include "model/vocabulary.h"
#include "tour_windows.h"
#include "user_story_gestures.h"

namespace tour {

namespace {

constexpr int kTextColumn = 2;
constexpr int kGroupColumn = 4;
constexpr int kCategoryColumn = 6;
constexpr int kActionColumn = 8;
constexpr int kScriptColumn = 10;
constexpr int kMenuMargin = 16;

// Opens a menu through `open` (a click), saves the screen around the menu and `opener` as "menu-<name>"
// and dismisses it. With `submenu`, that item's submenu is opened beside it too, as the user's pointer
// on the item opens it.
bool ShootMenu(const Shots& shots, const std::string& name, HWND opener, const std::function<void()>& open,
               int submenu = -1) {
  const std::filesystem::path file = shots.File("menu", name);
  bool shown = false;
  bool saved = false;
  winsim::ObserveNextPopupMenu([&](HWND menuWindow, HMENU menu) {
    shown = true;
    std::vector<HWND> windows{opener, menuWindow};
    HMENU inner = submenu >= 0 ? ::GetSubMenu(menu, submenu) : nullptr;
    if (inner == nullptr) {
      saved = SaveArea(AreaAround(windows, kMenuMargin), file);
      return;
    }
    RECT item{};
    ::GetWindowRect(menuWindow, &item);
    winsim::ObserveNextPopupMenu([&](HWND innerWindow, HMENU) {
      windows.push_back(innerWindow);
      saved = SaveArea(AreaAround(windows, kMenuMargin), file);
    });
    winsim::AnswerPopupMenu(0);
    const int rowHeight = (item.bottom - item.top) / std::max(1, ::GetMenuItemCount(menu));
    ::TrackPopupMenuEx(inner, TPM_RETURNCMD, item.right - 4, item.top + rowHeight * submenu, opener, nullptr);
  });
  winsim::AnswerPopupMenu(0);
  open();
  MouseAway();
  if (!shown) {
    winsim::ResetModalResponder();
    winsim::ObserveNextPopupMenu(nullptr);
    std::fprintf(stderr, "quillon-host: the menu %s did not open\n", name.c_str());
  }
  return shown && saved;
}

bool Click(HWND window, bool right = false) { return Talvo::ClickWindow(window, right); }

// Right-clicks the middle of a grid cell.
void RightClickCell(Talvo::CTreeGridCtrl& grid, int row, int column) {
  RECT cell{};
  grid.GetCellRect(row, column, &cell);
  POINT middle{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  ::ClientToScreen(grid.m_hWnd, &middle);
  winsim::Click(middle.x, middle.y, winsim::MouseButton::Right);
}

// The first row whose text column is a "+" button of that menu kind.
int PlusRow(Talvo::CTreeGridCtrl& grid, int menuKind) {
  for (int row = 0; row < grid.GetRowCount(); ++row) {
    auto* cell = dynamic_cast<Talvo::GridCellIconButton*>(grid.GetCell(row, kTextColumn));
    if (cell != nullptr && cell->menuKind == menuKind && cell->GetButton() != nullptr &&
        ::IsWindowVisible(cell->GetButton()->m_hWnd))
      return row;
  }
  return -1;
}

// The first row with an enabled drop-down in that column.
Talvo::CellDropDown* DropDownIn(Talvo::CTreeGridCtrl& grid, int column, int* rowFound = nullptr) {
  for (int row = 0; row < grid.GetRowCount(); ++row) {
    auto* cell = dynamic_cast<Talvo::GridCellDropDown*>(grid.GetCell(row, column));
    if (cell == nullptr || !cell->enabled || cell->GetDropDown() == nullptr || !cell->GetDropDown()->GetSafeHwnd())
      continue;
    if (rowFound != nullptr) *rowFound = row;
    return cell->GetDropDown();
  }
  return nullptr;
}

bool ShootKeyMenu(const TourData& data, const Shots& shots) {
  data.frame->GetTabs().ActivatePage(0);
  winsim::PumpMessages();
  auto* profiles = dynamic_cast<Talvo::ProfileTab*>(data.frame->GetTabs().GetPageAt(0));
  if (profiles == nullptr) return false;
  // An assigned key's menu, and the learning-interface key's, which offers to delete that assignment.
  const std::pair<int, const char*> keys[] = {{data.functionKey, "key-button"},
                                              {data.learningKey, "key-button-learning-interface"}};
  for (const auto& [number, name] : keys) {
    Talvo::KeyButton* key = profiles->GetLayout().GetKeyButton(number);
    if (key == nullptr || !ShootMenu(shots, name, key->m_hWnd, [key] { Click(key->m_hWnd, true); })) return false;
  }
  return true;
}

// The "+" tab, the level button and the unsaved-document lists of the File menu.
bool ShootStripMenus(const TourData& data, const Shots& shots, Talvo::FunctionEditorTab& page) {
  auto* functions = dynamic_cast<Talvo::FunctionsTab*>(data.frame->GetTabs().GetPageAt(1));
  CRect plus;
  if (functions == nullptr || !functions->GetEditorTabs().GetTabRect(0, plus)) return false;
  HWND strip = functions->GetEditorTabs().m_hWnd;
  const bool plusTab = ShootMenu(shots, "plus-tab", strip, [&] { Talvo::ClickClientPoint(strip, plus.CenterPoint()); });
  HWND level = page.GetAddCaseButton().m_hWnd;
  const bool levelMenu = ShootMenu(shots, "level", level, [level] { Click(level); });
  return plusTab && levelMenu;
}

// The menus of the File menu's two unsaved-document lists, each opened beside the File menu.
bool ShootUnsavedLists(const TourData& data, const Shots& shots) {
  CMFCMenuBar& bar = data.frame->GetMenuBar();
  CRect file = bar.GetMenuItem(0)->Rect();
  bar.ClientToScreen(&file);
  auto open = [&file] { winsim::Click(file.CenterPoint().x, file.CenterPoint().y); };
  constexpr int kUnsavedProfiles = 1;
  constexpr int kUnsavedFunctions = 4;
  const bool profiles = ShootMenu(shots, "unsaved-profiles", data.frame->m_hWnd, open, kUnsavedProfiles);
  const bool functions = ShootMenu(shots, "unsaved-functions", data.frame->m_hWnd, open, kUnsavedFunctions);
  return profiles && functions;
}

bool ShootGridMenus(const Shots& shots, Talvo::FunctionEditorTab& page) {
  Talvo::CTreeGridCtrl& grid = page.GetGrid();
  bool saved = true;
  const std::pair<int, const char*> plusMenus[] = {{0, "cell-plus-selection"},
                                                   {Talvo::GridCellIconButton::kModifierCaseMenu, "cell-plus-modifier"},
                                                   {Talvo::GridCellIconButton::kTapCountMenu, "cell-plus-tap-count"}};
  for (const auto& [kind, name] : plusMenus) {
    const int row = PlusRow(grid, kind);
    if (row < 0) {
      std::fprintf(stderr, "quillon-host: the grid shows no \"+\" button for %s\n", name);
      return false;
    }
    HWND button = dynamic_cast<Talvo::GridCellIconButton*>(grid.GetCell(row, kTextColumn))->GetButton()->m_hWnd;
    saved = saved && ShootMenu(shots, name, button, [button] { Click(button); });
  }
  int row = -1;
  if (DropDownIn(grid, kScriptColumn, &row) == nullptr) return false;
  HWND gridWindow = grid.m_hWnd;
  saved = saved && ShootMenu(shots, "grid-context", gridWindow, [&] { RightClickCell(grid, row, kTextColumn); });
  saved =
      saved && ShootMenu(shots, "grid-context-script", gridWindow, [&] { RightClickCell(grid, row, kScriptColumn); });
  return saved;
}

// An open list of the Group, Category and Action pickers.
bool ShootPickerLists(const Shots& shots, Talvo::FunctionEditorTab& page) {
  const std::pair<int, const char*> pickers[] = {
      {kGroupColumn, "group-list"}, {kCategoryColumn, "category-list"}, {kActionColumn, "action-list"}};
  for (const auto& [column, name] : pickers) {
    Talvo::CellDropDown* dropDown = DropDownIn(page.GetGrid(), column);
    if (dropDown == nullptr) return false;
    dropDown->ShowDropDown(TRUE);
    winsim::PumpMessages();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ::GetComboBoxInfo(dropDown->m_hWnd, &info);
    const bool saved = SaveArea(AreaAround({dropDown->m_hWnd, info.hwndList}, kMenuMargin), shots.File("menu", name));
    dropDown->ShowDropDown(FALSE);
    winsim::PumpMessages();
    if (!saved) return false;
  }
  return true;
}

}  // namespace

bool ShootSpinPopup(const Shots& shots, Talvo::CTreeGridCtrl& grid) {
  for (int row = 0; row < grid.GetRowCount(); ++row) {
    for (int column = 0; column < grid.GetColumnCount(); ++column) {
      auto* cell = dynamic_cast<Talvo::GridCellSpinEdit*>(grid.GetCell(row, column));
      Talvo::CellSpinEdit* spin = cell != nullptr ? cell->GetSpinEdit() : nullptr;
      if (spin == nullptr || !spin->GetSafeHwnd() || !spin->IsWindowVisible()) continue;
      CPoint button = spin->GetPopupButtonRect().CenterPoint();
      spin->ClientToScreen(&button);
      winsim::MouseMove(button.x, button.y);
      winsim::MouseDown();
      winsim::MouseUp();
      HWND popup = ::GetCapture();
      const bool saved = popup != nullptr && popup != spin->m_hWnd &&
                         SaveArea(AreaAround({spin->m_hWnd, popup}, kMenuMargin), shots.File("menu", "spin-popup"));
      ::ReleaseCapture();
      winsim::PumpMessages();
      if (!saved) std::fprintf(stderr, "quillon-host: the spin editor's slider did not open\n");
      return saved;
    }
  }
  std::fprintf(stderr, "quillon-host: the grid shows no spin editor\n");
  return false;
}

bool ShootMenus(const TourData& data, const Shots& shots) {
  FrontEditor(data);
  if (!ShootKeyMenu(data, shots) || !ShootUnsavedLists(data, shots)) return false;
  Talvo::FunctionEditorTab* page = ShowFunctionPage(*data.frame, data.functionId, Talvo::kInputEditablePoly);
  if (page == nullptr) {
    std::fprintf(stderr, "quillon-host: the tour's function shows no Editable Poly page\n");
    return false;
  }
  return ShootStripMenus(data, shots, *page) && ShootGridMenus(shots, *page) && ShootPickerLists(shots, *page);
}

}  // namespace tour
