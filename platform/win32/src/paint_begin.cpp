// BeginPaint and EndPaint: a device context clipped to the update region, which BeginPaint validates.
#include "gdi_internal.h"
#include "paint_internal.h"
#include "window_internal.h"

using namespace win32_internal;

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
  Window* window = LookupWindow(hwnd);
  if (!window || !paint) return nullptr;
  PaintFrameIfNeeded(hwnd);
  window = PeekWindow(hwnd);
  if (!window) return nullptr;
  RECT client{0, 0, window->clientRect.right - window->clientRect.left,
              window->clientRect.bottom - window->clientRect.top};
  Region area = window->update;
  area.Intersect(Region(client));
  bool erase = window->eraseNeeded;
  window->update = Region();
  window->eraseNeeded = false;
  window->internalPaint = false;

  *paint = PAINTSTRUCT{};
  HDC hdc = GetDC(hwnd);
  if (!hdc) return nullptr;
  SetDCClipRegion(hdc, area);
  paint->hdc = hdc;
  paint->rcPaint = area.Bounds();
  if (erase) paint->fErase = SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) == 0;
  return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
  if (!paint || !paint->hdc) return FALSE;
  ReleaseDC(hwnd, paint->hdc);
  return TRUE;
}
