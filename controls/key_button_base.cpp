#include "controls/key_button_base.h"

#include "controls/buffered_dc.h"

namespace Talvo {

namespace {

// The mouse has no leave message here: while hot, the button checks every 50 ms whether it still is.
constexpr UINT_PTR kHoverTimer = 0x1C0C;
constexpr UINT kHoverPollMs = 50;

}  // namespace

IMPLEMENT_DYNAMIC(KeyButtonBase, CButton)

BEGIN_MESSAGE_MAP(KeyButtonBase, CButton)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_MOUSEMOVE()
  ON_WM_TIMER()
  ON_WM_LBUTTONUP()
  ON_WM_ENABLE()
END_MESSAGE_MAP()

KeyButtonBase::Look KeyButtonBase::CurrentLook() const {
  if (!IsWindowEnabled()) return Look::Disabled;
  if ((GetState() & BST_PUSHED) != 0) return Look::Pushed;
  return hot_ ? Look::Hover : Look::Normal;
}

void KeyButtonBase::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  Paint(dc, client);
}

BOOL KeyButtonBase::OnEraseBkgnd(CDC*) { return TRUE; }

void KeyButtonBase::SetHot(bool hot) {
  if (hot_ == hot) return;
  hot_ = hot;
  if (hot) {
    SetTimer(kHoverTimer, kHoverPollMs);
  } else {
    KillTimer(kHoverTimer);
  }
  Invalidate(FALSE);
}

void KeyButtonBase::OnMouseMove(UINT, CPoint) {
  SetHot(true);
  Default();
}

void KeyButtonBase::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kHoverTimer) {
    Default();
    return;
  }
  POINT cursor{};
  ::GetCursorPos(&cursor);
  if (::WindowFromPoint(cursor) != m_hWnd) SetHot(false);
}

// The button itself decides what a click is (press and release inside); it then reports BN_CLICKED to
// its parent as every button does, and the key button acts on it.
void KeyButtonBase::OnLButtonUp(UINT, CPoint point) {
  CRect client;
  GetClientRect(&client);
  bool clicked = (GetState() & BST_PUSHED) != 0 && client.PtInRect(point) && IsWindowEnabled();
  HWND self = m_hWnd;
  Default();
  if (clicked && ::IsWindow(self)) OnClicked();
}

void KeyButtonBase::OnEnable(BOOL bEnable) {
  if (!bEnable) SetHot(false);
  Invalidate(FALSE);
  Default();
}

}  // namespace Talvo
