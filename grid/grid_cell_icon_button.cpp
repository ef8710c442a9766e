// The icon-button cell: a 20 x 20 "+" (or, on the "Override Mode" page, a dot) button left of the cell's text.
#include "grid/grid_cell_icon_button.h"

#include "controls/visual_manager.h"
#include "grid/grid_cell_editors.h"
#include "grid/grid_ctrl.h"
#include "model/string_table.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(GridCellIconButton, CGridCell)

namespace {

// Text id of the input whose rows show the dot.
constexpr int kOverrideModeText = 313;
// The normal colour image and the normal, hot, pressed and disabled masks.
constexpr UINT kCellButtonImages = 0xF1;
// The button sits this far inside the cell's top-left corner.
constexpr int kButtonLeft = 1;
constexpr int kButtonTop = 6;
constexpr int kButtonSize = 20;

}  // namespace

GridCellIconButton::~GridCellIconButton() { DeleteEditWnd(); }

CWnd* GridCellIconButton::CreateButton() {
  CGridCtrl* grid = PlacedGrid(*this);
  CRect cell;
  if (grid == nullptr || !VisibleCellRect(*grid, *this, cell)) return nullptr;
  const CRect rect(cell.left + kButtonLeft, cell.top + kButtonTop, cell.left + 20, cell.top + 25);
  auto* button = new CellIconButton(grid, rect, buttonStyle | WS_CLIPCHILDREN, EditorControlId(m_nRow, m_nCol),
                                    m_nRow, m_nCol, m_strText);
  const wchar_t* image = inputName == GetString(kOverrideModeText) ? L"TalvoDot-20x20" : L"TalvoPls-20x20";
  button->LoadImages(ThemedIconFolder(), image, L"bmp", kCellButtonImages);
  SetEditWnd(button);
  return button;
}

void GridCellIconButton::DestroyButton() {
  if (m_pEditWnd == nullptr) return;
  if (m_pEditWnd->GetSafeHwnd() != nullptr) m_pEditWnd->DestroyWindow();
  DeleteEditWnd();
}

void GridCellIconButton::PlaceButton() {
  CGridCtrl* grid = PlacedGrid(*this);
  CellIconButton* button = GetButton();
  if (grid == nullptr || button == nullptr || button->GetSafeHwnd() == nullptr) return;
  CRect cell;
  if (!VisibleCellRect(*grid, *this, cell)) {
    button->ShowWindow(SW_HIDE);
    return;
  }
  if ((button->GetStyle() & WS_VISIBLE) == 0) button->ShowWindow(SW_SHOWNA);
  const int shift = offset > 0 ? offset : 0;
  button->SetWindowPos(nullptr, cell.left + kButtonLeft + shift, cell.top + kButtonTop + shift, kButtonSize,
                       kButtonSize, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL GridCellIconButton::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL /*bEraseBkgnd*/) {
  return DrawCell(pDC, nRow, nCol, rect, FALSE, CellText::BesideButton);
}

CSize GridCellIconButton::GetCellExtent(CDC* pDC) { return EditorCellExtent(CGridCell::GetCellExtent(pDC)); }

}  // namespace Talvo
