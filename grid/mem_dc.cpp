// CMemDC: a BufferedDC over the target's clip box.
#include "grid/mem_dc.h"

namespace Talvo {

namespace {

CRect ClipBoxOf(CDC* pDC) {
  CRect clip(0, 0, 0, 0);
  if (pDC != nullptr && pDC->GetSafeHdc() != nullptr) pDC->GetClipBox(&clip);
  return clip;
}

}  // namespace

CMemDC::CMemDC(CDC* pDC) : BufferedDC(pDC, ClipBoxOf(pDC)) {}

}  // namespace Talvo
