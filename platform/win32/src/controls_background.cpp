// What the controls paint with: backgrounds (a brush from the parent, or nothing at all, so that the parent shows
// through), small glyphs and the owner's drawing of owner-drawn controls.
#include <cairo.h>

#include "controls_internal.h"
#include "window_internal.h"

namespace win32_internal {

bool IsHollowBrush(HBRUSH brush) {
  LOGBRUSH log{};
  return brush && GetObjectW(brush, sizeof log, &log) == sizeof log && log.lbStyle == BS_NULL;
}

// Each window has its own pixels, composed over its parent's; clear pixels are the parent's.
void ClearToTransparent(HWND control, const RECT* rect) {
  Window* window = PeekWindow(control);
  if (!window) return;
  EnsureSurface(*window);
  if (!window->surface) return;
  RECT client = ClientAreaInWindow(*window);
  RECT area = rect ? *rect : RECT{0, 0, client.right - client.left, client.bottom - client.top};
  cairo_surface_flush(window->surface);
  cairo_t* cr = cairo_create(window->surface);
  cairo_rectangle(cr, client.left, client.top, client.right - client.left, client.bottom - client.top);
  cairo_clip(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_rectangle(cr, client.left + area.left, client.top + area.top, area.right - area.left, area.bottom - area.top);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_mark_dirty(window->surface);
}

void FillControlBackground(HWND control, HDC dc, HBRUSH brush) {
  RECT r;
  GetClientRect(control, &r);
  if (IsHollowBrush(brush)) ClearToTransparent(control, nullptr);
  else if (brush) FillRect(dc, &r, brush);
}

void FillGlyph(HDC dc, const POINT* points, int count, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  Polygon(dc, points, count);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

void AskParentToDraw(HWND control, HDC dc, UINT controlType, UINT itemState) {
  RECT client;
  GetClientRect(control, &client);
  UINT id = static_cast<UINT>(GetDlgCtrlID(control));
  DRAWITEMSTRUCT item{controlType, id, 0, ODA_DRAWENTIRE, itemState, control, dc, client, 0};
  if (HWND parent = GetParent(control)) SendMessageW(parent, WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&item));
}

}  // namespace win32_internal
