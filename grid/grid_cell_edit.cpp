// The text cell: a persistent edit field on the cell, optionally with four script buttons inside it.
#include "grid/grid_cell_editors.h"

#include <algorithm>

#include "grid/function_editor_page.h"
#include "grid/grid_ctrl.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(GridCellEdit, CGridCell)

namespace {

// Save, load, copy and paste.
constexpr int kEditScriptButtons = 4;
// Left margin of the text in a function editor: clear of the buttons, or a small gap.
constexpr int kMarginWithButtons = 80;
constexpr int kMarginWithoutButtons = 4;
// The grey that stands for the editor until it exists.
constexpr COLORREF kPlaceholderColour = RGB(200, 200, 200);

// The height of one line of the field's font.
int FieldLineHeight(CWnd& field) {
  CClientDC dc(&field);
  CFont* font = field.GetFont();
  CFont* old = font != nullptr ? dc.SelectObject(font) : nullptr;
  TEXTMETRICW metrics{};
  dc.GetTextMetrics(&metrics);
  if (old != nullptr) dc.SelectObject(old);
  return metrics.tmHeight;
}

}  // namespace

GridCellEdit::~GridCellEdit() {
  m_Buttons.clear();
  DeleteEditWnd();
}

CWnd* GridCellEdit::CreateEditor() {
  CRect rect;
  CGridCtrl* grid = GridShowingCell(rect);
  if (grid == nullptr) return nullptr;

  // The buttons of an earlier editor are its children: they go first.
  m_Buttons.clear();
  auto* editor = new CellEdit(grid, rect, editorStyle | WS_CLIPCHILDREN, EditorControlId(m_nRow, m_nCol), m_nRow,
                              m_nCol, m_strText.Get());
  editor->textTag1 = textTag1;
  editor->textTag2 = textTag2;
  editor->numberTag1 = numberTag1;
  editor->numberTag2 = numberTag2;
  editor->flagTag = flagTag;
  AdoptWindow(editor, enabled);
  if (withButtons && editor->GetSafeHwnd() != nullptr) AddScriptButtons(editor, kEditScriptButtons, false);
  return editor;
}

void GridCellEdit::DestroyEditor() {
  // The buttons go with the editor; the cell keeps wanting them, so a new editor gets them again.
  if (m_pEditWnd != nullptr && m_pEditWnd->GetSafeHwnd() != nullptr) m_Buttons.clear();
  DestroyWindowOfCell();
}

void GridCellEdit::PlaceEditor() {
  CRect rect;
  CGridCtrl* grid = ShowWindowOnCell(rect);
  if (grid == nullptr) return;
  CellEdit* editor = GetEditor();
  if (inset > 0) {
    rect.DeflateRect(inset, inset);
    rect.right -= 14;
  } else {
    // The field's first line (drawn one pixel below its top) lines up with the texts of the cells beside it,
    // which sit centred in the row.
    const int vertical = std::max(2, (rect.Height() - FieldLineHeight(*editor)) / 2 - 1);
    rect.DeflateRect(0, vertical, 16, vertical);
  }
  editor->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  if (IsFunctionEditorGrid(grid->GetSafeHwnd())) {
    const int left = withButtons ? kMarginWithButtons : kMarginWithoutButtons;
    editor->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(left, 0));
  }
  for (size_t i = 0; i < m_Buttons.size(); ++i) {
    IconButton& button = *m_Buttons[i];
    if (button.GetSafeHwnd() == nullptr) continue;
    button.SetWindowPos(nullptr, 2 + 19 * static_cast<int>(i), 3, 16, 16, SWP_NOZORDER | SWP_NOACTIVATE);
    button.ShowWindow(enabled ? SW_SHOWNA : SW_HIDE);
  }
}

BOOL GridCellEdit::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd) {
  const BOOL drawn = DrawCell(pDC, nRow, nCol, rect, bEraseBkgnd, CellText::None);
  if (drawn && m_pEditWnd == nullptr) {
    pDC->FillSolidRect(CRect(rect.left, rect.top + 4, rect.right - 16, rect.bottom - 4), kPlaceholderColour);
  }
  InvalidateButtons();
  return drawn;
}

}  // namespace Talvo
