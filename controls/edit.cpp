#include "controls/edit.h"

#include "controls/visual_manager.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(Edit, CEdit)

BEGIN_MESSAGE_MAP(Edit, CEdit)
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_DESTROY()
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

namespace {

// The messages through which a user changes the text.
bool IsUserEdit(UINT message) {
  switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
      return true;
    default:
      return false;
  }
}

}  // namespace

Edit::Edit() = default;
Edit::~Edit() = default;

LRESULT Edit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR && (wParam == L'\r' || wParam == L'\n')) {
    Notify();  // Enter is swallowed
    return 0;
  }
  if (!IsUserEdit(message)) return CEdit::WindowProc(message, wParam, lParam);
  const HWND self = m_hWnd;
  const std::wstring before = GetWindowText();
  const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
  if (::IsWindow(self) && GetWindowText() != before) Notify();
  return result;
}

void Edit::Notify() {
  if (notifyMessage == 0) return;
  if (HWND parent = ::GetParent(m_hWnd)) ::SendMessageW(parent, notifyMessage, 0, 0);
}

void Edit::OnSetFocus(CWnd* pOldWnd) {
  accelerators_.FocusGained();
  CEdit::OnSetFocus(pOldWnd);
}

void Edit::OnKillFocus(CWnd* pNewWnd) {
  accelerators_.FocusLost();
  CEdit::OnKillFocus(pNewWnd);
}

void Edit::OnDestroy() {
  accelerators_.FocusLost();
  CEdit::OnDestroy();
}

HBRUSH Edit::CtlColor(CDC* pDC, UINT) {
  pDC->SetTextColor(IsWindowEnabled() ? HostColor(kWindowText) : HostDisabledTextColor());
  pDC->SetBkColor(HostColor(kWindow));
  return ColorMan()->GetBrush(kWindow);
}

}  // namespace Talvo
