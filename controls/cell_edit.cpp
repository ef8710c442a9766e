#include "controls/cell_edit.h"

#include <host/colors.h>

namespace Talvo {

IMPLEMENT_DYNAMIC(CellEdit, CEdit)

BEGIN_MESSAGE_MAP(CellEdit, CEdit)
  ON_WM_CHAR()
  ON_WM_CTLCOLOR_REFLECT()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CellEdit::CellEdit(CWnd* grid, const RECT& rect, DWORD style, UINT id, int row, int column,
                   const std::wstring& text)
    : grid_(grid), row_(row), column_(column) {
  if (grid == nullptr || grid->GetSafeHwnd() == nullptr) return;
  if (!Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | style, rect, grid, id)) return;
  SetFont(grid->GetFont(), FALSE);
  SetWindowText(text);
}

void CellEdit::OnChar(UINT, UINT, UINT) {
  HWND self = m_hWnd;
  Default();
  if (column_ != kReportingColumn || !::IsWindow(self)) return;
  HWND page = ::GetParent(::GetParent(self));
  if (page != nullptr) ::SendMessageW(page, WM_CELL_EDIT_END, 0, reinterpret_cast<LPARAM>(this));
}

// The field in the host's window colours, so that it reads well in both themes.
HBRUSH CellEdit::CtlColor(CDC* pDC, UINT) {
  pDC->SetTextColor(ColorMan()->GetColor(kControlText));
  pDC->SetBkColor(ColorMan()->GetColor(kWindow));
  return ColorMan()->GetBrush(kWindow);
}

void CellEdit::OnSetFocus(CWnd*) {
  accelerators_.FocusGained();
  Default();
}

void CellEdit::OnKillFocus(CWnd*) {
  Default();
  accelerators_.FocusLost();
}

}  // namespace Talvo
