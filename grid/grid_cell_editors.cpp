// What the editor cells share: control ids, measuring, where a cell lies in its grid and the script buttons.
#include "grid/grid_cell_editors.h"

#include <host/directories.h>
#include <host/core_interface.h>

#include <algorithm>
#include <array>

#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

struct ScriptButtonKind {
  const wchar_t* image;
  int mode;
};

// The script buttons in their order on the cell.
constexpr std::array<ScriptButtonKind, 5> kScriptButtons = {{
    {L"Talvo_ScriptSave_h16", kIconButtonScriptEdit},
    {L"Talvo_ScriptLoad_h16", kIconButtonScriptOpen},
    {L"Talvo_ScriptCopy_h16", kIconButtonScriptCopy},
    {L"Talvo_ScriptPaste_h16", kIconButtonScriptPaste},
    {L"Talvo_ScriptDel_h16", kIconButtonScriptDelete},
}};

// Every state image of a script button.
constexpr UINT kAllStateImages = 0xFF;

// The script buttons always use the dark icon set, whatever the host's theme.
std::wstring ScriptButtonFolder() {
  const MCHAR* root = GetCOREInterface()->GetDir(APP_ICONS_DIR);
  return std::wstring(root != nullptr ? root : L"") + L"IconsDark/";
}

}  // namespace

UINT EditorControlId(int row, int column) {
  return MAKELONG(static_cast<WORD>(row), static_cast<WORD>(column));
}

UINT ScriptButtonControlId(int row, int column, int index) { return EditorControlId(row, column + 100 + index); }

CSize EditorCellExtent(CSize baseExtent) {
  return CSize(baseExtent.cx + ::GetSystemMetrics(SM_CXVSCROLL),
               std::max<int>(baseExtent.cy, ::GetSystemMetrics(SM_CYHSCROLL)));
}

CGridCtrl* PlacedGrid(const CGridCell& cell) {
  CGridCtrl* grid = cell.GetGrid();
  if (grid == nullptr || !::IsWindow(grid->GetSafeHwnd()) || grid->IsDestroying()) return nullptr;
  return grid->IsValid(cell.GetRow(), cell.GetColumn()) ? grid : nullptr;
}

BOOL VisibleCellRect(const CGridCtrl& grid, const CGridCell& cell, CRect& rect, CRect* visiblePart) {
  rect.SetRectEmpty();
  if (!grid.GetCellRect(cell.GetRow(), cell.GetColumn(), &rect) || rect.IsRectEmpty()) return FALSE;
  CRect client;
  grid.GetClientRect(&client);
  CRect inside;
  if (!inside.IntersectRect(&rect, &client)) return FALSE;
  if (visiblePart != nullptr) *visiblePart = inside;
  return TRUE;
}

std::unique_ptr<IconButton> CreateScriptButton(CWnd* parent, int index, UINT id, int row, int column, CWnd* value) {
  const ScriptButtonKind& kind = kScriptButtons.at(static_cast<size_t>(index));
  auto button = std::make_unique<IconButton>(parent, row, column, value);
  button->mode = kind.mode;
  if (parent == nullptr || !button->Create(L"", WS_CHILD | WS_VISIBLE, CRect(1, 1, 10, 10), parent, id)) return button;
  button->ShowWindow(SW_HIDE);
  button->LoadImages(ScriptButtonFolder(), kind.image, L"bmp", kAllStateImages);
  return button;
}

}  // namespace Talvo
