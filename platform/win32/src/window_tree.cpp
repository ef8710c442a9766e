// Walking and changing the window tree: parents, owners, siblings in z-order, enumeration.
#include <algorithm>
#include <cwctype>

#include "window_internal.h"

using namespace win32_internal;

namespace {

const std::vector<HWND>* SiblingsOf(const Window& window) {
  Window* parent = ParentOf(window);
  return parent ? &parent->children : nullptr;
}

bool SameTextIgnoringCase(const std::wstring& a, LPCWSTR b) {
  std::wstring other(b);
  return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](wchar_t x, wchar_t y) {
           return std::towlower(x) == std::towlower(y);
         });
}

}  // namespace

HWND GetDesktopWindow() { return DesktopHandle(); }

// The parent of a child window, the owner of a top-level one.
HWND GetParent(HWND hwnd) {
  Window* window = LookupWindow(hwnd);
  if (!window) return nullptr;
  if (window->style & WS_CHILD) return IsTopLevel(*window) ? nullptr : window->parent;
  return (window->style & WS_POPUP) ? window->owner : nullptr;
}

HWND SetParent(HWND childHandle, HWND newParentHandle) {
  Window* child = LookupWindow(childHandle);
  if (!child || childHandle == DesktopHandle()) return nullptr;
  Window* newParent = newParentHandle ? LookupWindow(newParentHandle) : Desktop();
  if (!newParent) return nullptr;
  if (IsSelfOrDescendant(newParent->handle, childHandle)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HWND old = child->parent;
  Unlink(*child);
  LinkInto(*newParent, *child, HWND_TOP);
  if (newParent->handle != DesktopHandle()) child->owner = nullptr;
  InvalidateWhole(*child, true, true);
  return old;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  Window* window = LookupWindow(hwnd);
  if (!window || hwnd == DesktopHandle()) return nullptr;
  switch (flags) {
    case GA_PARENT:
      return window->parent;
    case GA_ROOT:
      return RootOf(hwnd);
    case GA_ROOTOWNER: {
      HWND root = RootOf(hwnd);
      for (Window* w = PeekWindow(root); w && w->owner; w = PeekWindow(w->owner)) root = w->owner;
      return root;
    }
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

HWND GetWindow(HWND hwnd, UINT relation) {
  Window* window = LookupWindow(hwnd);
  if (!window) return nullptr;
  if (relation == GW_CHILD) return window->children.empty() ? nullptr : window->children.front();
  if (relation == GW_OWNER) return IsTopLevel(*window) ? window->owner : nullptr;
  const std::vector<HWND>* siblings = SiblingsOf(*window);
  if (!siblings || siblings->empty()) return nullptr;
  auto at = std::find(siblings->begin(), siblings->end(), hwnd);
  switch (relation) {
    case GW_HWNDFIRST: return siblings->front();
    case GW_HWNDLAST: return siblings->back();
    case GW_HWNDNEXT: return at == siblings->end() || at + 1 == siblings->end() ? nullptr : *(at + 1);
    case GW_HWNDPREV: return at == siblings->begin() || at == siblings->end() ? nullptr : *(at - 1);
    case GW_ENABLEDPOPUP: return nullptr;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

HWND GetNextWindow(HWND hwnd, UINT relation) { return GetWindow(hwnd, relation); }

HWND GetTopWindow(HWND hwnd) { return GetWindow(hwnd ? hwnd : DesktopHandle(), GW_CHILD); }

BOOL IsChild(HWND parentHandle, HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  while (window && (window->style & WS_CHILD) && !IsTopLevel(*window)) {
    if (window->parent == parentHandle) return TRUE;
    window = ParentOf(*window);
  }
  return FALSE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  if (!proc) return FALSE;
  std::vector<HWND> tops = Desktop()->children;
  for (HWND top : tops)
    if (PeekWindow(top) && !proc(top, lParam)) return FALSE;
  return TRUE;
}

HWND FindWindowW(LPCWSTR className, LPCWSTR windowName) {
  WindowClass* wanted = className ? FindClass(className) : nullptr;
  if (className && !wanted) return nullptr;
  for (HWND top : Desktop()->children) {
    Window* window = PeekWindow(top);
    if (!window) continue;
    if (wanted && window->windowClass != wanted) continue;
    if (windowName && !SameTextIgnoringCase(window->text, windowName)) continue;
    return top;
  }
  return nullptr;
}
