#include "controls/owner_drawn_button.h"

#include "controls/buffered_dc.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(OwnerDrawnButton, CButton)

BEGIN_MESSAGE_MAP(OwnerDrawnButton, CButton)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSELEAVE()
  ON_WM_ENABLE()
END_MESSAGE_MAP()

OwnerDrawnButton::Look OwnerDrawnButton::CurrentLook() const {
  if (m_hWnd == nullptr) return Look::Normal;
  if (!IsWindowEnabled()) return Look::Disabled;
  if ((GetState() & BST_PUSHED) != 0) return Look::Pushed;
  return hover_.IsHot() ? Look::Hover : Look::Normal;
}

bool OwnerDrawnButton::ReleaseCompletesClick(CPoint point) const {
  CRect client;
  GetClientRect(&client);
  return (GetState() & BST_PUSHED) != 0 && client.PtInRect(point) && IsWindowEnabled();
}

void OwnerDrawnButton::OnPaint() {
  CRect client;
  GetClientRect(&client);
  // Paint covers the whole rectangle, so the buffer needs no clearing first.
  BufferedDC dc(this, client, BufferedDC::Start::PaintedOver);
  if (dc.m_hDC != nullptr) Paint(dc, client);
}

BOOL OwnerDrawnButton::OnEraseBkgnd(CDC*) { return TRUE; }

void OwnerDrawnButton::OnMouseMove(UINT, CPoint) {
  if (hover_.Enter(m_hWnd)) Invalidate(FALSE);
  Default();
}

void OwnerDrawnButton::OnMouseLeave() {
  if (hover_.Leave(m_hWnd)) Invalidate(FALSE);
}

void OwnerDrawnButton::OnEnable(BOOL bEnable) {
  if (!bEnable) hover_.Leave(m_hWnd);
  Invalidate(FALSE);
  Default();
}

}  // namespace Talvo
