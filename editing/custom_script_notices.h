// Shared steps of the custom-script commands: the warning for a missing custom-scripts document and the
// notifications that make the editor window and the function-editor page take a changed script list.
#pragma once

#include <windows.h>

#include <string>

#include "controls/cell_drop_down.h"

namespace Talvo {

// "Not Selected": the script id and list entry that stand for no script.
std::wstring NotSelectedScriptId();

// The task-modal "Can't find script XML. Changes ignored." warning.
void WarnScriptsDocumentMissing();

// Sends ScriptsChangedMessage (lParam = dropDown) to the editor window when there is one.
void SendScriptsChanged(CellDropDown* dropDown);

// Sends WM_APPLY_CELL (lParam = dropDown) to a page window when it exists.
void SendApplyCell(HWND page, CellDropDown* dropDown);

// The drop-down when `window` still stands and still belongs to it, else null. A modal loop or a notice
// handler may rebuild the drop-down, so a pointer kept across one is looked up again by its window.
CellDropDown* LiveDropDown(CellDropDown* dropDown, HWND window);

// Sends ScriptsChangedMessage, then WM_APPLY_CELL to the drop-down's page (or to `page` when given). The
// editor window may rebuild the drop-down while it handles the first message: the second names the
// drop-down only if it is still alive.
void SendScriptsChangedAndApply(CellDropDown* dropDown, HWND page = nullptr);

// The page two parent levels above a drop-down (drop-down -> grid -> page); null when there is none.
HWND PageOfDropDown(const CellDropDown* dropDown);

// Gives the drop-down's grid cell a script id and reselects it in the drop-down's list.
void SelectScriptInCell(CellDropDown* dropDown, const std::wstring& scriptId);

}  // namespace Talvo
