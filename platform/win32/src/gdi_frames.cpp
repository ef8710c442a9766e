// The standard 3-D edges, focus rectangles and frame controls, in the classic scheme's colours.
#include <algorithm>

#include "gdi_draw_scope.h"

using namespace win32_internal;

namespace {

void FillSolid(HDC hdc, const RECT& rect, COLORREF color) {
  DrawScope scope(hdc);
  if (!scope || IsEmptyRect(rect)) return;
  cairo_t* cr = scope.cr();
  SetSourceColor(cr, color);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_rectangle(cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  cairo_fill(cr);
}

struct EdgeColors {
  COLORREF topLeft;
  COLORREF bottomRight;
};

// One ring of an edge: the left and top sides in one colour, the right and bottom in the other.
void DrawRing(HDC hdc, const RECT& r, UINT sides, EdgeColors colors) {
  if (sides & BF_LEFT) FillSolid(hdc, RECT{r.left, r.top, r.left + 1, r.bottom}, colors.topLeft);
  if (sides & BF_TOP) FillSolid(hdc, RECT{r.left, r.top, r.right, r.top + 1}, colors.topLeft);
  if (sides & BF_RIGHT) FillSolid(hdc, RECT{r.right - 1, r.top, r.right, r.bottom}, colors.bottomRight);
  if (sides & BF_BOTTOM) FillSolid(hdc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, colors.bottomRight);
}

RECT Deflated(const RECT& r, UINT sides) {
  return {r.left + ((sides & BF_LEFT) ? 1 : 0), r.top + ((sides & BF_TOP) ? 1 : 0),
          r.right - ((sides & BF_RIGHT) ? 1 : 0), r.bottom - ((sides & BF_BOTTOM) ? 1 : 0)};
}

// A square of `size` pixels centred in `rect`.
RECT CenteredSquare(const RECT& rect, int size) {
  const int left = rect.left + (rect.right - rect.left - size) / 2;
  const int top = rect.top + (rect.bottom - rect.top - size) / 2;
  return {left, top, left + size, top + size};
}

void DrawCheckMark(HDC hdc, const RECT& box, COLORREF color) {
  // A 7 × 7 tick: three pixels thick, falling then rising.
  const int x = box.left + (box.right - box.left - 7) / 2;
  const int y = box.top + (box.bottom - box.top - 7) / 2;
  static const int kDepth[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int i = 0; i < 7; ++i) FillSolid(hdc, RECT{x + i, y + kDepth[i] + 2, x + i + 1, y + kDepth[i] + 5}, color);
}

void DrawArrow(HDC hdc, const RECT& rect, UINT direction, COLORREF color) {
  const int cx = (rect.left + rect.right) / 2;
  const int cy = (rect.top + rect.bottom) / 2;
  const int size = std::max(2, static_cast<int>(std::min(rect.right - rect.left, rect.bottom - rect.top)) / 4);
  for (int i = 0; i < size; ++i) {
    switch (direction) {
      case DFCS_SCROLLUP:
        FillSolid(hdc, RECT{cx - i, cy - size / 2 + i, cx + i + 1, cy - size / 2 + i + 1}, color);
        break;
      case DFCS_SCROLLLEFT:
        FillSolid(hdc, RECT{cx - size / 2 + i, cy - i, cx - size / 2 + i + 1, cy + i + 1}, color);
        break;
      case DFCS_SCROLLRIGHT:
        FillSolid(hdc, RECT{cx + size / 2 - i, cy - i, cx + size / 2 - i + 1, cy + i + 1}, color);
        break;
      default: FillSolid(hdc, RECT{cx - i, cy + size / 2 - i, cx + i + 1, cy + size / 2 - i + 1}, color); break;
    }
  }
}

}  // namespace

BOOL DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags) {
  if (rect == nullptr || LookupGdi<DcObject>(hdc) == nullptr) return FALSE;
  const UINT sides = flags & BF_RECT;
  EdgeColors outer{};
  EdgeColors inner{};
  if (flags & BF_MONO) {
    outer = {GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)};
    inner = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW)};
  } else if (flags & BF_FLAT) {
    outer = {GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW)};
    inner = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE)};
  } else {
    outer = (edge & BDR_RAISEDOUTER) ? EdgeColors{GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW)}
                                     : EdgeColors{GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT)};
    inner = (edge & BDR_RAISEDINNER) ? EdgeColors{GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)}
                                     : EdgeColors{GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)};
  }
  RECT r = *rect;
  if (edge & BDR_OUTER) {
    DrawRing(hdc, r, sides, outer);
    r = Deflated(r, sides);
  }
  if (edge & BDR_INNER) {
    DrawRing(hdc, r, sides, inner);
    r = Deflated(r, sides);
  }
  if (flags & BF_MIDDLE) FillSolid(hdc, r, GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
  if (flags & BF_ADJUST) *rect = r;
  return TRUE;
}

// Inverts every other pixel of the rectangle's border, so that drawing it twice removes it.
BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
  DrawScope scope(hdc);
  if (!scope || rect == nullptr) return FALSE;
  const RECT r = scope.ToSurface(*rect);
  if (IsEmptyRect(r)) return TRUE;
  const auto invertDots = [](std::uint32_t& pixel, int x, int y) {
    if ((x + y) % 2 == 0) pixel = (~pixel & 0xFFFFFF) | 0xFF000000u;
  };
  scope.ForEachPixel(RECT{r.left, r.top, r.right, r.top + 1}, invertDots);
  if (r.bottom - r.top > 1) scope.ForEachPixel(RECT{r.left, r.bottom - 1, r.right, r.bottom}, invertDots);
  scope.ForEachPixel(RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, invertDots);
  if (r.right - r.left > 1) scope.ForEachPixel(RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, invertDots);
  return TRUE;
}

BOOL DrawFrameControl(HDC hdc, LPRECT rect, UINT type, UINT state) {
  if (rect == nullptr || LookupGdi<DcObject>(hdc) == nullptr) return FALSE;
  const bool inactive = (state & DFCS_INACTIVE) != 0;
  const bool pushed = (state & DFCS_PUSHED) != 0;
  const UINT edgeFlags =
      BF_RECT | BF_MIDDLE | ((state & DFCS_FLAT) ? BF_FLAT : 0) | ((state & DFCS_MONO) ? BF_MONO : 0);
  const COLORREF mark = GetSysColor(inactive ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
  if (type == DFC_BUTTON && (state & 0xFF) == DFCS_BUTTONPUSH) {
    RECT inner = *rect;
    DrawEdge(hdc, &inner, pushed ? EDGE_SUNKEN : EDGE_RAISED, edgeFlags | BF_ADJUST);
    if (state & DFCS_ADJUSTRECT) *rect = inner;
    return TRUE;
  }
  if (type == DFC_BUTTON && (state & 0xFF) == DFCS_BUTTONCHECK) {
    const int size = std::min<int>(13, std::min(rect->right - rect->left, rect->bottom - rect->top));
    RECT box = CenteredSquare(*rect, size);
    DrawEdge(hdc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST | ((state & DFCS_FLAT) ? BF_FLAT | BF_MONO : 0));
    FillSolid(hdc, box, GetSysColor(inactive || pushed ? COLOR_BTNFACE : COLOR_WINDOW));
    if (state & DFCS_CHECKED)
      DrawCheckMark(hdc, box, inactive ? GetSysColor(COLOR_GRAYTEXT) : GetSysColor(COLOR_WINDOWTEXT));
    return TRUE;
  }
  if (type == DFC_SCROLL) {
    RECT inner = *rect;
    DrawEdge(hdc, &inner, pushed ? EDGE_SUNKEN : EDGE_RAISED, edgeFlags | BF_ADJUST);
    const UINT direction = (state & 0xFF) == DFCS_SCROLLCOMBOBOX ? DFCS_SCROLLDOWN : state & 0xFF;
    if (pushed) OffsetRect(&inner, 1, 1);
    DrawArrow(hdc, inner, direction, mark);
    return TRUE;
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}
