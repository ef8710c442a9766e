// The numeric cell: a persistent spin editor on the cell, integer or float.
#include "grid/grid_cell_editors.h"

#include <algorithm>
#include <cmath>

#include "controls/cell_editor_links.h"
#include "grid/grid_ctrl.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(GridCellSpinEdit, CGridCell)

namespace {

// The range a new editor starts with; a wheel-events page sets its own right after creation.
constexpr int kDefaultMinimum = 50;
constexpr int kDefaultMaximum = 1000;
// An options page shows this for a stored value outside the range.
constexpr int kOptionsFallbackValue = 300;

bool ParentIs(const CGridCtrl& grid, const char* pageClass) {
  return IsWindowOfRuntimeClass(::GetParent(grid.GetSafeHwnd()), pageClass);
}

// Where a new editor goes: the cell less 20 pixels top and bottom and 50 on the right (never inside out; the
// first placing fits it to the cell).
CRect NewEditorRect(CRect cell) {
  cell.DeflateRect(0, 20, 50, 20);
  cell.right = std::max(cell.right, cell.left);
  cell.bottom = std::max(cell.bottom, cell.top);
  return cell;
}

}  // namespace

GridCellSpinEdit::~GridCellSpinEdit() { DeleteEditWnd(); }

CWnd* GridCellSpinEdit::CreateEditor() {
  CRect rect;
  CGridCtrl* grid = GridShowingCell(rect);
  if (grid == nullptr) return nullptr;
  minimum = kDefaultMinimum;
  maximum = kDefaultMaximum;
  if (ParentIs(*grid, "OptionsEditorTab") && (value < minimum || value > maximum)) value = kOptionsFallbackValue;
  auto* editor = new CellSpinEdit(grid, NewEditorRect(rect), m_nRow, m_nCol, minimum, maximum, value, this);
  if (!ParentIs(*grid, "WheelEventsEditorTab")) editor->SetPos(value);
  AdoptWindow(editor, enabled);
  return editor;
}

CWnd* GridCellSpinEdit::CreateFloatEditor(int nDecimals) {
  CRect rect;
  CGridCtrl* grid = GridShowingCell(rect);
  if (grid == nullptr) return nullptr;
  floatMinimum = static_cast<float>(kDefaultMinimum);
  floatMaximum = static_cast<float>(kDefaultMaximum);
  // The editor shows the value clamped into its range; the stored value stays the page's until an edit.
  const float shown = std::isnan(floatValue) ? floatMinimum : std::clamp(floatValue, floatMinimum, floatMaximum);
  auto* editor =
      new CellSpinEdit(grid, NewEditorRect(rect), m_nRow, m_nCol, floatMinimum, floatMaximum, shown, this, nDecimals);
  if (!ParentIs(*grid, "WheelEventsEditorTab")) editor->SetPos(shown);
  AdoptWindow(editor, enabled);
  return editor;
}

void GridCellSpinEdit::PrepareIntegerEditor(int nMinimum, int nMaximum, int nValue) {
  m_PreparedMode = PreparedMode::Integer;
  minimum = nMinimum;
  maximum = nMaximum;
  value = nValue;
}

void GridCellSpinEdit::PrepareFloatEditor(float fMinimum, float fMaximum, float fValue, int nDecimals) {
  m_PreparedMode = PreparedMode::Float;
  floatMinimum = fMinimum;
  floatMaximum = fMaximum;
  floatValue = fValue;
  m_nPreparedDecimals = nDecimals;
}

CWnd* GridCellSpinEdit::CreatePreparedEditor() {
  if (m_PreparedMode == PreparedMode::None) return nullptr;
  CRect rect;
  CGridCtrl* grid = GridShowingCell(rect);
  if (grid == nullptr) return nullptr;
  // The editor clamps the value into the range and shows it.
  CellSpinEdit* editor =
      m_PreparedMode == PreparedMode::Integer
          ? new CellSpinEdit(grid, NewEditorRect(rect), m_nRow, m_nCol, minimum, maximum, value, this)
          : new CellSpinEdit(grid, NewEditorRect(rect), m_nRow, m_nCol, floatMinimum, floatMaximum, floatValue, this,
                             m_nPreparedDecimals);
  AdoptWindow(editor, enabled);
  return editor;
}

void GridCellSpinEdit::DestroyEditor() { DestroyWindowOfCell(); }

void GridCellSpinEdit::PlaceEditor() {
  // A cell that scrolls (or is expanded, or sized) into view for the first time gets its prepared editor
  // here, so no page has to watch the grid's scrolling.
  if (m_pEditWnd == nullptr) CreatePreparedEditor();
  CRect rect;
  CGridCtrl* grid = ShowWindowOnCell(rect);
  if (grid == nullptr) return;
  CellSpinEdit* editor = GetSpinEdit();
  if (ParentIs(*grid, "OptionsEditorTab")) {
    rect.DeflateRect(7, 6, 15, 6);
  } else if (ParentIs(*grid, "WheelEventsEditorTab")) {
    rect.DeflateRect(0, 4, 0, 4);
  }
  const int width = std::max(rect.Width(), 0);
  const int height = std::max(rect.Height(), 0);
  editor->SetWindowPos(nullptr, rect.left, rect.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  editor->ArrangeParts(width, height);
  editor->Invalidate();
}

BOOL GridCellSpinEdit::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd) {
  const BOOL drawn = DrawCell(pDC, nRow, nCol, rect, bEraseBkgnd, CellText::None);
  if (drawn) pDC->FillSolidRect(CRect(rect.left, rect.top + 6, rect.right, rect.bottom - 6), GetGrid()->GetGridBkColor());
  return drawn;
}

}  // namespace Talvo
