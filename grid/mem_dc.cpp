// CMemDC: a BufferedDC over the target's clip box, filled with the target's background colour first.
#include "grid/mem_dc.h"

namespace Talvo {

namespace {

CRect ClipBoxOf(CDC* pDC) {
  CRect clip(0, 0, 0, 0);
  if (pDC != nullptr && pDC->GetSafeHdc() != nullptr) pDC->GetClipBox(&clip);
  return clip;
}

}  // namespace

CMemDC::CMemDC(CDC* pDC) : BufferedDC(pDC, ClipBoxOf(pDC)) {
  if (IsBuffered()) FillSolidRect(ClipBoxOf(pDC), pDC->GetBkColor());
}

}  // namespace Talvo
