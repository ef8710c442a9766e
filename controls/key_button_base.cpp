#include "controls/key_button_base.h"

#include "controls/buffered_dc.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(KeyButtonBase, CButton)

BEGIN_MESSAGE_MAP(KeyButtonBase, CButton)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSELEAVE()
  ON_WM_LBUTTONUP()
  ON_WM_ENABLE()
END_MESSAGE_MAP()

KeyButtonBase::Look KeyButtonBase::CurrentLook() const {
  if (!IsWindowEnabled()) return Look::Disabled;
  if ((GetState() & BST_PUSHED) != 0) return Look::Pushed;
  return hover_.IsHot() ? Look::Hover : Look::Normal;
}

void KeyButtonBase::OnPaint() {
  CRect client;
  GetClientRect(&client);
  BufferedDC dc(this, client);
  Paint(dc, client);
}

BOOL KeyButtonBase::OnEraseBkgnd(CDC*) { return TRUE; }

void KeyButtonBase::OnMouseMove(UINT, CPoint) {
  if (hover_.Enter(m_hWnd)) Invalidate(FALSE);
  Default();
}

void KeyButtonBase::OnMouseLeave() {
  if (hover_.Leave(m_hWnd)) Invalidate(FALSE);
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
  if (!bEnable) hover_.Leave(m_hWnd);
  Invalidate(FALSE);
  Default();
}

}  // namespace Talvo
