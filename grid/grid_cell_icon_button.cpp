// The icon-button cell: a 20 x 20 "+" (or, on the "Override Mode" page, a dot) button left of the cell's text.
#include "grid/grid_cell_icon_button.h"

#include "controls/visual_manager.h"
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
  CRect cell;
  CGridCtrl* grid = GridShowingCell(cell);
  if (grid == nullptr) return nullptr;
  const CRect rect(cell.left + kButtonLeft, cell.top + kButtonTop, cell.left + 20, cell.top + 25);
  auto* button = new CellIconButton(grid, rect, buttonStyle | WS_CLIPCHILDREN, EditorControlId(m_nRow, m_nCol),
                                    m_nRow, m_nCol, m_strText.Get());
  const wchar_t* image = inputName == GetString(kOverrideModeText) ? L"TalvoDot-20x20" : L"TalvoPls-20x20";
  button->LoadImages(ThemedIconFolder(), image, L"bmp", kCellButtonImages);
  SetEditWnd(button);
  return button;
}

void GridCellIconButton::DestroyButton() { DestroyWindowOfCell(); }

void GridCellIconButton::PlaceButton() {
  CRect cell;
  if (ShowWindowOnCell(cell) == nullptr) return;
  const int shift = offset > 0 ? offset : 0;
  GetButton()->SetWindowPos(nullptr, cell.left + kButtonLeft + shift, cell.top + kButtonTop + shift, kButtonSize,
                            kButtonSize, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL GridCellIconButton::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL /*bEraseBkgnd*/) {
  return DrawCell(pDC, nRow, nCol, rect, FALSE, CellText::BesideButton);
}

}  // namespace Talvo
