// Window and client rectangles, coordinate mapping and the frame arithmetic of AdjustWindowRectEx.
#include <algorithm>

#include "window_frame.h"
#include "window_internal.h"

namespace win32_internal {

POINT ClientOrigin(const Window& window) {
  Window* parent = ParentOf(window);
  POINT base = parent ? ClientOrigin(*parent) : POINT{0, 0};
  return {base.x + window.clientRect.left, base.y + window.clientRect.top};
}

RECT ScreenWindowRect(const Window& window) {
  Window* parent = ParentOf(window);
  POINT base = parent ? ClientOrigin(*parent) : POINT{0, 0};
  return {base.x + window.windowRect.left, base.y + window.windowRect.top, base.x + window.windowRect.right,
          base.y + window.windowRect.bottom};
}

RECT ClientAreaInWindow(const Window& window) {
  LONG dx = window.windowRect.left, dy = window.windowRect.top;
  return {window.clientRect.left - dx, window.clientRect.top - dy, window.clientRect.right - dx,
          window.clientRect.bottom - dy};
}

void PlaceWindow(HWND hwnd, const RECT& windowRect) {
  Window* window = PeekWindow(hwnd);
  if (!window) return;
  window->windowRect = windowRect;
  RECT client = windowRect;
  SendMessageW(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
  window = PeekWindow(hwnd);
  if (!window) return;
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  window->clientRect = client;
  EnsureSurface(*window);
}

}  // namespace win32_internal

using win32_internal::LookupWindow;
using win32_internal::Window;

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
  Window* window = LookupWindow(hwnd);
  if (!window || !rect) return FALSE;
  *rect = win32_internal::ScreenWindowRect(*window);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  Window* window = LookupWindow(hwnd);
  if (!window || !rect) return FALSE;
  *rect = {0, 0, window->clientRect.right - window->clientRect.left, window->clientRect.bottom - window->clientRect.top};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
  Window* window = LookupWindow(hwnd);
  if (!window || !point) return FALSE;
  POINT origin = win32_internal::ClientOrigin(*window);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
  Window* window = LookupWindow(hwnd);
  if (!window || !point) return FALSE;
  POINT origin = win32_internal::ClientOrigin(*window);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  POINT fromOrigin{0, 0}, toOrigin{0, 0};
  if (from) {
    Window* window = LookupWindow(from);
    if (!window) return 0;
    fromOrigin = win32_internal::ClientOrigin(*window);
  }
  if (to) {
    Window* window = LookupWindow(to);
    if (!window) return 0;
    toOrigin = win32_internal::ClientOrigin(*window);
  }
  LONG dx = fromOrigin.x - toOrigin.x, dy = fromOrigin.y - toOrigin.y;
  for (UINT i = 0; points && i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  SetLastError(ERROR_SUCCESS);
  return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (!rect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  win32_internal::FrameInsets insets = win32_internal::FrameInsetsFor(style, exStyle, menu != FALSE);
  rect->left -= insets.left;
  rect->top -= insets.top;
  rect->right += insets.right;
  rect->bottom += insets.bottom;
  return TRUE;
}
