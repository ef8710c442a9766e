// The rectangle operations whose edge rules deserve a body of their own.
#include "mfc/geometry.h"

#include <algorithm>
#include <utility>

void CRect::NormalizeRect() {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) {
  const CRect a(lpRect1);
  const CRect b(lpRect2);
  SetRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom));
  if (!IsRectEmpty() && !a.IsRectEmpty() && !b.IsRectEmpty()) return TRUE;
  SetRectEmpty();
  return FALSE;
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) {
  const CRect a(lpRect1);
  const CRect b(lpRect2);
  // An empty rectangle adds nothing to the union.
  if (a.IsRectEmpty()) {
    *this = b;
  } else if (b.IsRectEmpty()) {
    *this = a;
  } else {
    SetRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom));
  }
  if (!IsRectEmpty()) return TRUE;
  SetRectEmpty();
  return FALSE;
}

BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) {
  CRect result(lpRectSrc1);
  CRect cut;
  // Only a cut that spans the whole width or height of the source shrinks it, as Windows does.
  if (!result.IsRectEmpty() && cut.IntersectRect(lpRectSrc1, lpRectSrc2)) {
    if (cut.left == result.left && cut.right == result.right) {
      if (cut.top == result.top) result.top = cut.bottom;
      else if (cut.bottom == result.bottom) result.bottom = cut.top;
    } else if (cut.top == result.top && cut.bottom == result.bottom) {
      if (cut.left == result.left) result.left = cut.right;
      else if (cut.right == result.right) result.right = cut.left;
    }
  }
  *this = result;
  if (!IsRectEmpty()) return TRUE;
  SetRectEmpty();
  return FALSE;
}
