// The drop-down cell: a persistent combo box on the cell, or the program's script list with five script
// buttons left of it.
#include "grid/grid_cell_editors.h"

#include "grid/grid_ctrl.h"
#include "model/string_table.h"
#include "model/xml_custom_scripts.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(GridCellDropDown, CGridCell)

namespace {

// The script list carries save, load, copy, paste and delete.
constexpr int kDropDownScriptButtons = 5;
// Each script button takes this much of the cell's width, left of the list.
constexpr int kScriptButtonSlot = 20;
// The editor leaves the cell's top and bottom edges free.
constexpr int kEditorTopInset = 3;
constexpr int kEditorBottomInset = 4;
// Text id of the script a new cell refers to ("Not Selected").
constexpr int kNotSelectedText = 143;

// A colour of the cell, or of its default cell when the cell has none of its own, or the system's.
COLORREF ResolvedColour(COLORREF own, COLORREF fromDefault, int systemColour) {
  if (own != CLR_DEFAULT) return own;
  if (fromDefault != CLR_DEFAULT) return fromDefault;
  return ::GetSysColor(systemColour);
}

// Puts a script button on the cell: 16 x 16 pixels, side by side from the cell's left edge.
void PlaceScriptButton(IconButton& button, int index, int left, int top, BOOL enabled) {
  if (button.GetSafeHwnd() == nullptr) return;
  button.ShowWindow(SW_HIDE);
  button.SetWindowPos(nullptr, left + 2 + 19 * index, top, 16, 16, SWP_NOZORDER | SWP_NOACTIVATE);
  button.EnableWindow(enabled);
  button.ShowWindow(SW_SHOWNA);
}

}  // namespace

GridCellDropDown::GridCellDropDown() : scriptId(GetString(kNotSelectedText)) {}

GridCellDropDown::~GridCellDropDown() {
  m_Buttons.clear();
  DeleteEditWnd();
}

void GridCellDropDown::SetOptions(const std::vector<std::wstring>& options) { m_Options = options; }

CWnd* GridCellDropDown::CreateEditor() {
  CRect rect;
  CGridCtrl* grid = GridShowingCell(rect);
  if (grid == nullptr) return nullptr;

  const CGridCellBase* defaultCell = GetDefaultCell();
  const COLORREF text = ResolvedColour(GetTextClr(), defaultCell ? defaultCell->GetTextClr() : CLR_DEFAULT, COLOR_WINDOWTEXT);
  const COLORREF back = ResolvedColour(GetBackClr(), defaultCell ? defaultCell->GetBackClr() : CLR_DEFAULT, COLOR_WINDOW);
  const bool scriptList = listKind == kScriptListKind;
  auto* editor = new CellDropDown(grid, this, rect, listStyle, EditorControlId(m_nRow, m_nCol), m_nRow, m_nCol, text,
                                  back, m_Options, m_strText.Get(), scriptList);
  AdoptWindow(editor, enabled);
  // Buttons of an earlier editor now serve this one.
  for (const auto& button : m_Buttons) button->value = editor;
  if (scriptList) scriptListMode = 1;
  if (!scriptListMode) return editor;

  editor->FillScriptList();
  SelectScript(*editor);
  if (editor->GetSafeHwnd() != nullptr && m_Buttons.empty()) AddScriptButtons(grid, kDropDownScriptButtons, true);
  return editor;
}

void GridCellDropDown::PlaceEditor() {
  CGridCtrl* grid = PlacedGrid();
  if (grid == nullptr) return;
  CRect rect;
  CRect visible;
  if (!IsInView(*grid, rect, &visible)) {
    // Out of view: the editor and its buttons hide until the cell shows again.
    if (m_pEditWnd != nullptr && m_pEditWnd->GetSafeHwnd() != nullptr) m_pEditWnd->ShowWindow(SW_HIDE);
    m_CellRect.SetRectEmpty();
    m_VisibleRect.SetRectEmpty();
    for (const auto& button : m_Buttons) {
      if (button->GetSafeHwnd() != nullptr) button->ShowWindow(SW_HIDE);
    }
    return;
  }

  if (m_pEditWnd == nullptr) CreateEditor();
  m_CellRect = rect;
  m_VisibleRect = visible;
  CellDropDown* editor = GetDropDown();
  if (editor == nullptr || editor->GetSafeHwnd() == nullptr) return;
  if ((editor->GetStyle() & WS_VISIBLE) == 0) editor->ShowWindow(SW_SHOWNA);

  CRect editorRect = rect;
  editorRect.top += kEditorTopInset;
  editorRect.bottom -= kEditorBottomInset;
  if (scriptListMode) {
    const int buttonsWidth = kScriptButtonSlot * static_cast<int>(m_Buttons.size());
    editor->SetWindowPos(nullptr, editorRect.left + buttonsWidth, editorRect.top, editorRect.Width() - buttonsWidth,
                         editorRect.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  } else {
    editor->CWnd::SetWindowPos(nullptr, editorRect.left, editorRect.top, editorRect.Width(), editorRect.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (size_t i = 0; i < m_Buttons.size(); ++i) {
    PlaceScriptButton(*m_Buttons[i], static_cast<int>(i), rect.left, editorRect.top + 3, enabled);
  }
}

void GridCellDropDown::SyncEditor() {
  CellDropDown* editor = GetDropDown();
  if (listKind != kScriptListKind || editor == nullptr || editor->GetSafeHwnd() == nullptr || !scriptListMode) return;
  editor->FillScriptList();
  SelectScript(*editor);
}

// A script the list no longer holds shows as the list's first entry, "Not Selected".
void GridCellDropDown::SelectScript(CellDropDown& editor) const {
  const int index = IndexOfScript(scriptId);
  editor.SetCurSel(index < 0 ? 0 : index);
}

BOOL GridCellDropDown::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd) {
  const BOOL drawn = DrawCell(pDC, nRow, nCol, rect, bEraseBkgnd, CellText::None);
  InvalidateButtons();
  return drawn;
}

}  // namespace Talvo
