// CMemDC: painting into an off-screen bitmap the size of the target's clip box, copied to the target at the end.
#include "grid/mem_dc.h"

namespace Talvo {

CMemDC::CMemDC(CDC* pDC) : m_pDC(pDC), m_bMemDC(FALSE) {
  if (pDC == nullptr || pDC->GetSafeHdc() == nullptr) return;
  pDC->GetClipBox(&m_rect);
  if (!m_rect.IsRectEmpty() && CreateCompatibleDC(pDC)) {
    if (m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height())) {
      m_pOldBitmap = SelectObject(&m_bitmap);
      SetWindowOrg(m_rect.left, m_rect.top);
      FillSolidRect(&m_rect, pDC->GetBkColor());
      m_bMemDC = TRUE;
      return;
    }
    DeleteDC();
  }
  // Nothing to buffer (an empty clip box) or no memory for it: draw straight into the target.
  m_hDC = m_hAttribDC = pDC->GetSafeHdc();
}

CMemDC::~CMemDC() {
  if (m_bMemDC) {
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
    SelectObject(m_pOldBitmap);
  } else {
    // The target's handle is borrowed; the target releases it.
    m_hDC = m_hAttribDC = nullptr;
  }
}

}  // namespace Talvo
