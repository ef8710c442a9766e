// Update regions (client coordinates) and the functions that grow, shrink, read and flush them.
#include "gdi_internal.h"
#include "message_queue_internal.h"
#include "paint_internal.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

RECT ClientBox(const Window& window) {
  return {0, 0, window.clientRect.right - window.clientRect.left, window.clientRect.bottom - window.clientRect.top};
}

bool NeedsPaint(const Window& window) { return !window.update.IsEmpty() || window.internalPaint; }

HWND FindPaintBelow(HWND hwnd, HWND filter, DWORD thread) {
  Window* window = PeekWindow(hwnd);
  if (!window || !(window->style & WS_VISIBLE)) return nullptr;
  if (hwnd != DesktopHandle() && window->threadId == thread && NeedsPaint(*window) &&
      MatchesWindowFilter(hwnd, filter))
    return hwnd;
  for (HWND child : window->children)
    if (HWND found = FindPaintBelow(child, filter, thread)) return found;
  return nullptr;
}

// The region a call names: a region object, a rectangle, or (neither) the whole client area.
bool RegionArgument(const Window& window, const RECT* rect, HRGN hrgn, Region* out) {
  if (hrgn) {
    const Region* given = RegionOfHandle(hrgn);
    if (!given) return false;
    *out = *given;
  } else {
    *out = Region(rect ? *rect : ClientBox(window));
  }
  out->Intersect(Region(ClientBox(window)));
  return true;
}

void ApplyRedraw(HWND hwnd, const Region& area, UINT flags) {
  Window* window = PeekWindow(hwnd);
  if (!window) return;
  if (flags & RDW_INVALIDATE) {
    window->update.Union(area);
    if (flags & RDW_ERASE) window->eraseNeeded = true;
    if (flags & RDW_FRAME) window->frameNeeded = true;
  }
  if (flags & RDW_INTERNALPAINT) window->internalPaint = true;
  if (flags & RDW_VALIDATE) {
    window->update.Subtract(area);
    if (flags & RDW_NOFRAME) window->frameNeeded = false;
  }
  if (flags & RDW_NOERASE) window->eraseNeeded = false;
  if (flags & RDW_NOINTERNALPAINT) window->internalPaint = false;
  if (window->update.IsEmpty()) window->eraseNeeded = false;
  if (!(flags & RDW_ALLCHILDREN)) return;
  for (HWND childHandle : window->children) {
    Window* child = PeekWindow(childHandle);
    if (!child) continue;
    Region part = area;
    part.Intersect(Region(child->windowRect));
    part.Offset(-child->clientRect.left, -child->clientRect.top);
    part.Intersect(Region(ClientBox(*child)));
    if (!part.IsEmpty() || (flags & RDW_INTERNALPAINT)) ApplyRedraw(childHandle, part, flags);
  }
}

void UpdateTree(HWND hwnd, bool children) {
  UpdateWindow(hwnd);
  Window* window = PeekWindow(hwnd);
  if (!window || !children) return;
  std::vector<HWND> list = window->children;
  for (HWND child : list) UpdateTree(child, true);
}

}  // namespace

HWND NextWindowToPaint(HWND filter) { return FindPaintBelow(DesktopHandle(), filter, GetCurrentThreadId()); }

void InvalidateWhole(Window& window, bool erase, bool frame) {
  window.update = Region(ClientBox(window));
  window.eraseNeeded = window.eraseNeeded || erase;
  window.frameNeeded = window.frameNeeded || frame;
}

bool HasFrame(const Window& window) {
  const RECT& w = window.windowRect;
  const RECT& c = window.clientRect;
  return w.left != c.left || w.top != c.top || w.right != c.right || w.bottom != c.bottom;
}

void PaintFrameIfNeeded(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  if (!window || !window->frameNeeded || !IsVisibleOnScreen(hwnd)) return;
  window->frameNeeded = false;
  if (HasFrame(*window)) SendMessageW(hwnd, WM_NCPAINT, 1, 0);
}

void EraseNow(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  if (!window || !window->eraseNeeded || window->update.IsEmpty()) return;
  window->eraseNeeded = false;
  Region area = window->update;
  HDC hdc = GetDC(hwnd);
  if (!hdc) return;
  SetDCClipRegion(hdc, area);
  SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
  ReleaseDC(hwnd, hdc);
}

int RunPendingPaints(int limit) {
  int painted = 0;
  for (Window* desktop = Desktop(); painted < limit; ++painted) {
    HWND hwnd = FindPaintBelow(desktop->handle, nullptr, GetCurrentThreadId());
    if (!hwnd) break;
    SendMessageW(hwnd, WM_PAINT, 0, 0);
  }
  for (HWND hwnd : SubtreeOf(DesktopHandle())) {
    Window* window = PeekWindow(hwnd);
    if (window && window->threadId == GetCurrentThreadId()) PaintFrameIfNeeded(hwnd);
  }
  return painted;
}

}  // namespace win32_internal

using namespace win32_internal;

BOOL RedrawWindow(HWND hwnd, const RECT* update, HRGN hrgn, UINT flags) {
  Window* window = LookupWindow(hwnd ? hwnd : DesktopHandle());
  if (!window) return FALSE;
  HWND target = window->handle;
  Region area;
  if (!RegionArgument(*window, update, hrgn, &area)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  ApplyRedraw(target, area, flags | (target == DesktopHandle() ? RDW_ALLCHILDREN : 0));
  if (flags & RDW_ERASENOW) {
    PaintFrameIfNeeded(target);
    EraseNow(target);
  }
  if (flags & RDW_UPDATENOW) UpdateTree(target, (flags & RDW_ALLCHILDREN) || target == DesktopHandle());
  return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) { return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE); }

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  bool pending = !window->update.IsEmpty();
  if (rect) *rect = window->update.Bounds();
  if (erase && pending) EraseNow(hwnd);
  return pending;
}

BOOL UpdateWindow(HWND hwnd) {
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  if (!IsVisibleOnScreen(hwnd)) return TRUE;
  if (!window->update.IsEmpty() || window->internalPaint) SendMessageW(hwnd, WM_PAINT, 0, 0);
  else PaintFrameIfNeeded(hwnd);
  return TRUE;
}
