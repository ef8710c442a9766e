#include "controls/cell_icon_button.h"

#include <host/debug.h>

#include <utility>

#include "controls/visual_manager.h"
#include "engine/editor_shared_state.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(CellIconButton, IconButton)

BEGIN_MESSAGE_MAP(CellIconButton, IconButton)
  ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {

CellButtonMenuHandler& MenuHandler() {
  static CellButtonMenuHandler handler;
  return handler;
}

}  // namespace

CellButtonMenuHandler SetCellButtonMenuHandler(CellButtonMenuHandler handler) {
  return std::exchange(MenuHandler(), std::move(handler));
}

CellIconButton::CellIconButton(CWnd* grid, const RECT& rect, DWORD style, UINT id, int row, int column,
                               const std::wstring& text)
    : IconButton(grid, row, column), text(text) {
  if (Create(nullptr, style | WS_CHILD | WS_VISIBLE, rect, grid, id)) SetWindowText(text);
}

CellIconButton::~CellIconButton() = default;

COLORREF CellIconButton::BackgroundColor() const {
  return HasBackgroundColor() ? IconButton::BackgroundColor() : HostColor(kWindow);
}

void CellIconButton::OnLButtonUp(UINT nFlags, CPoint point) {
  CPoint screen = point;
  ClientToScreen(&screen);
  DebugPrint(L"Befor menu show\n");
  GetCellMenuRecord().menuOpen = true;
  const HWND self = m_hWnd;
  if (MenuHandler()) MenuHandler()(*this, screen);
  DebugPrint(L"After menu show\n");
  if (::IsWindow(self)) CButton::OnLButtonUp(nFlags, point);
}

}  // namespace Talvo
