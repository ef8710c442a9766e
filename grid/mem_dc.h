// CMemDC: an off-screen device context for flicker-free painting. Built over a target DC it draws into a
// bitmap the size of the target's clip box and copies it to the target when it goes out of scope.
#pragma once

#include <afxwin.h>

namespace Talvo {

class CMemDC : public CDC {
 public:
  explicit CMemDC(CDC* pDC);
  ~CMemDC() override;  // copies the bitmap to the target and selects the old bitmap back
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

 private:
  CBitmap m_bitmap;                 // the off-screen bitmap
  CBitmap* m_pOldBitmap = nullptr;  // the bitmap selected out of this DC
  CDC* m_pDC;                       // the target
  CRect m_rect;                     // the target rectangle (the clip box)
  BOOL m_bMemDC;                    // drawing into memory (not straight into a printing target)
};

}  // namespace Talvo
