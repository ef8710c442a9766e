// Rectangle arithmetic and MulDiv.
#include <algorithm>
#include <cmath>

#include "region.h"
#include "win32/gdi.h"

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (rect == nullptr) return FALSE;
  *rect = {left, top, right, bottom};
  return TRUE;
}

BOOL SetRectEmpty(LPRECT rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL InflateRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  *rect = {rect->left - dx, rect->top - dy, rect->right + dx, rect->bottom + dy};
  return TRUE;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  *rect = {rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy};
  return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) { return rect == nullptr || win32_internal::IsEmptyRect(*rect) ? TRUE : FALSE; }

BOOL PtInRect(const RECT* rect, POINT point) {
  return rect != nullptr && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
                 point.y < rect->bottom
             ? TRUE
             : FALSE;
}

BOOL IntersectRect(LPRECT dest, const RECT* a, const RECT* b) {
  if (dest == nullptr || a == nullptr || b == nullptr) return FALSE;
  const RECT result = win32_internal::IntersectRects(*a, *b);
  if (win32_internal::IsEmptyRect(result)) {
    *dest = {0, 0, 0, 0};
    return FALSE;
  }
  *dest = result;
  return TRUE;
}

BOOL UnionRect(LPRECT dest, const RECT* a, const RECT* b) {
  if (dest == nullptr || a == nullptr || b == nullptr) return FALSE;
  const bool aEmpty = win32_internal::IsEmptyRect(*a);
  const bool bEmpty = win32_internal::IsEmptyRect(*b);
  if (aEmpty && bEmpty) {
    *dest = {0, 0, 0, 0};
    return FALSE;
  }
  if (aEmpty || bEmpty) {
    *dest = aEmpty ? *b : *a;
    return TRUE;
  }
  *dest = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
           std::max(a->bottom, b->bottom)};
  return TRUE;
}

// The result is `a` made smaller only when `b` covers one whole side of it.
BOOL SubtractRect(LPRECT dest, const RECT* a, const RECT* b) {
  if (dest == nullptr || a == nullptr || b == nullptr) return FALSE;
  RECT result = *a;
  if (!win32_internal::IsEmptyRect(win32_internal::IntersectRects(*a, *b))) {
    const bool coversWidth = b->left <= a->left && b->right >= a->right;
    const bool coversHeight = b->top <= a->top && b->bottom >= a->bottom;
    if (coversWidth && coversHeight) {
      result = {0, 0, 0, 0};
    } else if (coversWidth && b->top <= a->top) {
      result.top = b->bottom;
    } else if (coversWidth && b->bottom >= a->bottom) {
      result.bottom = b->top;
    } else if (coversHeight && b->left <= a->left) {
      result.left = b->right;
    } else if (coversHeight && b->right >= a->right) {
      result.right = b->left;
    }
  }
  *dest = result;
  return win32_internal::IsEmptyRect(result) ? FALSE : TRUE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
  return a != nullptr && b != nullptr && a->left == b->left && a->top == b->top && a->right == b->right &&
                 a->bottom == b->bottom
             ? TRUE
             : FALSE;
}

// number × numerator / denominator with a 64-bit intermediate, rounded half away from zero; -1 on
// division by zero or overflow.
int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const long long product = static_cast<long long>(number) * numerator;
  long long quotient = product / denominator;
  const long long remainder = product % denominator;
  if (std::llabs(remainder) * 2 >= std::llabs(static_cast<long long>(denominator)))
    quotient += ((product < 0) != (denominator < 0)) ? -1 : 1;
  if (quotient > INT32_MAX || quotient < INT32_MIN) return -1;
  return static_cast<int>(quotient);
}
