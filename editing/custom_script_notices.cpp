#include "editing/custom_script_notices.h"

#include "engine/messages.h"
#include "grid/grid_cell_editors.h"
#include "model/editor_window.h"
#include "model/string_table.h"

namespace Talvo {

namespace {
constexpr int kNotSelectedText = 143;
}  // namespace

std::wstring NotSelectedScriptId() { return GetString(kNotSelectedText); }

void WarnScriptsDocumentMissing() {
  MessageBoxW(nullptr, L"Can't find script XML. Changes ignored.", L"Warning!",
              MB_OK | MB_ICONWARNING | MB_TASKMODAL);
}

void SendScriptsChanged(CellDropDown* dropDown) {
  HWND editor = EditorWindow();
  if (editor != nullptr && ::IsWindow(editor))
    ::SendMessageW(editor, ScriptsChangedMessage, 0, reinterpret_cast<LPARAM>(dropDown));
}

void SendApplyCell(HWND page, CellDropDown* dropDown) {
  if (page != nullptr && ::IsWindow(page)) ::SendMessageW(page, WM_APPLY_CELL, 0, reinterpret_cast<LPARAM>(dropDown));
}

CellDropDown* LiveDropDown(CellDropDown* dropDown, HWND window) {
  if (dropDown == nullptr || window == nullptr || !::IsWindow(window)) return nullptr;
  return CWnd::FromHandlePermanent(window) == dropDown ? dropDown : nullptr;
}

void SendScriptsChangedAndApply(CellDropDown* dropDown, HWND page) {
  const HWND window = dropDown != nullptr ? dropDown->GetSafeHwnd() : nullptr;
  if (page == nullptr) page = PageOfDropDown(dropDown);
  SendScriptsChanged(dropDown);
  SendApplyCell(page, LiveDropDown(dropDown, window));
}

HWND PageOfDropDown(const CellDropDown* dropDown) {
  if (dropDown == nullptr || dropDown->GetSafeHwnd() == nullptr) return nullptr;
  HWND grid = ::GetParent(dropDown->GetSafeHwnd());
  return grid != nullptr ? ::GetParent(grid) : nullptr;
}

void SelectScriptInCell(CellDropDown* dropDown, const std::wstring& scriptId) {
  if (dropDown == nullptr) return;
  auto* cell = dynamic_cast<GridCellDropDown*>(dropDown->GetCell());
  if (cell == nullptr) return;
  cell->scriptId = scriptId;
  // The page reads the drop-down's selection when it applies the cell, so the list shows the script now
  // rather than only after the editor window refreshes its lists.
  cell->SyncEditor();
}

}  // namespace Talvo
