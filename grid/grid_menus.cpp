// The grid's case-row menu and the cell button's node menu. Both only fill themselves; the editor window
// they are tracked for carries out the chosen command.
#include "grid/grid_menus.h"

#include <string>

#include "controls/cell_icon_button.h"
#include "engine/editor_shared_state.h"
#include "grid/function_editor_page.h"
#include "grid/grid_cell_icon_button.h"
#include "grid/grid_ctrl.h"
#include "model/talvo.h"
#include "model/vocabulary.h"

namespace Talvo {

namespace {

struct MenuItem {
  UINT command;  // 0: a separator
  int textId;
};

// The script commands of a script drop-down cell.
constexpr MenuItem kScriptItems[] = {{3030, 268}, {3031, 272}, {0, 0},      {3032, 269}, {3033, 270},
                                     {0, 0},      {3034, 266}, {3035, 267}, {0, 0},      {3036, 271}};
// "Add n selected" of the first row: for a page whose input is global, and otherwise.
constexpr MenuItem kGlobalSelectionItems[] = {{3130, 309}, {3131, 310}, {3132, 311}, {3133, 312}};
constexpr MenuItem kSelectionItems[] = {{3120, 278}, {3121, 277}, {3122, 279}, {3123, 280}};
// The keyboard-modifier cases and the tap-count cases a row's button offers (command id = string id).
constexpr UINT kFirstModifierItem = 282;
constexpr UINT kLastModifierItem = 289;
constexpr UINT kFirstTapCountItem = 290;
constexpr UINT kLastTapCountItem = 293;

constexpr UINT kCaseCopyCommand = 3012;
constexpr UINT kCasePasteCommand = 3013;

}  // namespace

GridContextMenu::GridContextMenu(CGridCtrl* pOwner, CPoint screenPoint, BOOL bScriptCell)
    : m_pOwner(pOwner), m_point(screenPoint), m_bScriptCell(bScriptCell) {}

BOOL GridContextMenu::Build() {
  if (!CreatePopupMenu()) return FALSE;
  if (m_bScriptCell) {
    for (const MenuItem& item : kScriptItems) {
      if (item.command == 0) {
        AppendMenu(MF_SEPARATOR);
      } else {
        AppendStringItem(item.command, item.textId);
      }
    }
    return TRUE;
  }
  AppendStringItem(kCaseCopyCommand, 224);
  AppendStringItem(kCasePasteCommand, 225, GetCaseClipboard().copied ? 0U : MF_GRAYED);
  AppendMenu(MF_SEPARATOR);
  AppendMenu(MF_SEPARATOR);
  return TRUE;
}

GridNodeContextMenu::GridNodeContextMenu(CellIconButton* pButton, CPoint screenPoint)
    : m_pButton(pButton), m_point(screenPoint) {}

BOOL GridNodeContextMenu::Build() {
  if (m_pButton == nullptr || !CreatePopupMenu()) return FALSE;
  auto* grid = dynamic_cast<CGridCtrl*>(m_pButton->GetParent());
  const int row = m_pButton->row;

  // The first row and the corner offer the selection counts that can be added to the page.
  if (row == 0 || row == -1) {
    const iFunctionEditorPage* page = grid != nullptr ? FunctionEditorPageOf(grid->m_hWnd) : nullptr;
    if (page == nullptr) return TRUE;
    const std::wstring input = page->GetPageName();
    const XmlFunction* function = GetTalvo().GetCurrentFunction();
    const bool global = (function != nullptr && function->IsInputGlobal(input)) ||
                        (input == kInputNoModifier && page->GetMappedText() == kModeGlobal);
    for (const MenuItem& item : global ? kGlobalSelectionItems : kSelectionItems) {
      AppendStringItem(item.command, item.textId);
    }
    return TRUE;
  }

  // Another row: its cell's menu kind decides; the editor window's commands read the button's case.
  const auto* cell = grid != nullptr ? grid->GetCell(row, m_pButton->column) : nullptr;
  if (cell == nullptr) return TRUE;
  CellMenuRecord& record = GetCellMenuRecord();
  record.selection = m_pButton->selectionCount;
  record.modifiers = static_cast<unsigned char>(m_pButton->modifierByte);
  record.press = m_pButton->tapCount;
  const auto appendOwnTextItems = [this](UINT first, UINT last) {
    for (UINT command = first; command <= last; ++command) AppendStringItem(command, static_cast<int>(command));
  };
  const auto* buttonCell = dynamic_cast<const GridCellIconButton*>(cell);
  const int kind = buttonCell != nullptr ? buttonCell->menuKind : 0;
  if (kind == GridCellIconButton::kModifierCaseMenu && m_pButton->selectionCount >= 0) {
    appendOwnTextItems(kFirstModifierItem, kLastModifierItem);
  } else if (kind == GridCellIconButton::kTapCountMenu) {
    appendOwnTextItems(kFirstTapCountItem, kLastTapCountItem);
  }
  return TRUE;
}

void InstallGridNodeMenu() {
  SetCellButtonMenuHandler([](CellIconButton& button, CPoint screenPoint) {
    GridNodeContextMenu menu(&button, screenPoint);
    if (menu.Build()) menu.Track(MenuCommandOwner(&button), screenPoint, TPM_LEFTALIGN | TPM_TOPALIGN);
  });
}

}  // namespace Talvo
