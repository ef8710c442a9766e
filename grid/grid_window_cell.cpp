// What the cells with windows share: control ids, measuring, where a cell lies in its grid, showing and
// dropping the window, the script buttons, and handing a new place on to the windows.
#include "grid/grid_window_cell.h"


#include <algorithm>
#include <array>

#include "controls/cell_drop_down.h"
#include "controls/cell_edit.h"
#include "controls/cell_spin_edit.h"
#include "controls/visual_manager.h"
#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

// Tells an in-place editor of this type its new place; false when the window is not one.
template <typename Editor>
bool MoveEditor(CWnd* window, int row, int column) {
  auto* editor = dynamic_cast<Editor*>(window);
  if (editor != nullptr) editor->SetCellPlace(row, column);
  return editor != nullptr;
}

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

// Script button `index` of a cell: a hidden image button of the host theme's icon set (like every other
// icon of the program), child of `parent`, with the click mode the page reads.
std::unique_ptr<IconButton> CreateScriptButton(CWnd* parent, int index, UINT id, int row, int column, CWnd* value) {
  const ScriptButtonKind& kind = kScriptButtons.at(static_cast<size_t>(index));
  auto button = std::make_unique<IconButton>(parent, row, column, value);
  button->mode = kind.mode;
  if (parent == nullptr || !button->Create(L"", WS_CHILD | WS_VISIBLE, CRect(1, 1, 10, 10), parent, id)) return button;
  button->ShowWindow(SW_HIDE);
  button->LoadImages(ThemedIconFolder(), kind.image, L"bmp", kAllStateImages);
  return button;
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

void GridWindowCell::SetCoords(int nRow, int nCol) {
  const bool moved = nRow != m_nRow || nCol != m_nCol;
  CGridCell::SetCoords(nRow, nCol);
  if (!moved) return;
  if (m_pEditWnd != nullptr && m_pEditWnd->GetSafeHwnd() != nullptr && WindowHasCellId()) {
    m_pEditWnd->SetDlgCtrlID(static_cast<int>(EditorControlId(nRow, nCol)));
  }
  // The editors report their row and column with every change, and a cell's image button finds its cell
  // by the row and column it carries.
  if (auto* button = dynamic_cast<IconButton*>(m_pEditWnd)) {
    button->row = nRow;
    button->column = nCol;
  } else {
    MoveEditor<CellSpinEdit>(m_pEditWnd, nRow, nCol) || MoveEditor<CellEdit>(m_pEditWnd, nRow, nCol) ||
        MoveEditor<CellDropDown>(m_pEditWnd, nRow, nCol);
  }
  for (size_t i = 0; i < m_Buttons.size(); ++i) {
    IconButton& button = *m_Buttons[i];
    if (button.GetSafeHwnd() != nullptr) {
      button.SetDlgCtrlID(static_cast<int>(ScriptButtonControlId(nRow, nCol, static_cast<int>(i))));
    }
    if (button.value != nullptr) {
      button.row = nRow;
      button.column = nCol;
    }
  }
}

CSize GridWindowCell::GetCellExtent(CDC* pDC) { return EditorCellExtent(CGridCell::GetCellExtent(pDC)); }

CGridCtrl* GridWindowCell::PlacedGrid() const {
  CGridCtrl* grid = GetGrid();
  if (grid == nullptr || !::IsWindow(grid->GetSafeHwnd()) || grid->IsDestroying()) return nullptr;
  return grid->IsValid(m_nRow, m_nCol) ? grid : nullptr;
}

BOOL GridWindowCell::IsInView(const CGridCtrl& grid, CRect& rect, CRect* visiblePart) const {
  rect.SetRectEmpty();
  if (!grid.GetCellRect(m_nRow, m_nCol, &rect) || rect.IsRectEmpty()) return FALSE;
  CRect client;
  grid.GetClientRect(&client);
  CRect inside;
  if (!inside.IntersectRect(&rect, &client)) return FALSE;
  if (visiblePart != nullptr) *visiblePart = inside;
  return TRUE;
}

CGridCtrl* GridWindowCell::GridShowingCell(CRect& rect) const {
  CGridCtrl* grid = PlacedGrid();
  return grid != nullptr && IsInView(*grid, rect) ? grid : nullptr;
}

CGridCtrl* GridWindowCell::ShowWindowOnCell(CRect& rect) {
  CGridCtrl* grid = PlacedGrid();
  if (grid == nullptr || m_pEditWnd == nullptr || m_pEditWnd->GetSafeHwnd() == nullptr) return nullptr;
  const bool shown = (m_pEditWnd->GetStyle() & WS_VISIBLE) != 0;
  if (!IsInView(*grid, rect)) {
    if (shown) m_pEditWnd->ShowWindow(SW_HIDE);
    return nullptr;
  }
  if (!shown) m_pEditWnd->ShowWindow(SW_SHOWNA);
  return grid;
}

void GridWindowCell::AdoptWindow(CWnd* pWnd, BOOL bEnable) {
  pWnd->EnableWindow(bEnable);
  SetEditWnd(pWnd);
}

void GridWindowCell::DestroyWindowOfCell() {
  if (m_pEditWnd == nullptr) return;
  if (m_pEditWnd->GetSafeHwnd() != nullptr) m_pEditWnd->DestroyWindow();
  DeleteEditWnd();
}

void GridWindowCell::AddScriptButtons(CWnd* parent, int count, bool carryCell) {
  for (int i = 0; i < count; ++i) {
    m_Buttons.push_back(CreateScriptButton(parent, i, ScriptButtonControlId(m_nRow, m_nCol, i), carryCell ? m_nRow : -1,
                                           carryCell ? m_nCol : -1, carryCell ? m_pEditWnd : nullptr));
  }
}

void GridWindowCell::InvalidateButtons() const {
  for (const auto& button : m_Buttons) {
    if (button->GetSafeHwnd() != nullptr) button->Invalidate(FALSE);
  }
}

}  // namespace Talvo
