// The window table, the desktop window at its root, and walking the window tree.
#include <algorithm>
#include <mutex>

#include "screen_state.h"
#include "window_internal.h"

namespace win32_internal {

HWND ToHwnd(std::uintptr_t value) { return reinterpret_cast<HWND>(value); }
std::uintptr_t FromHwnd(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }

HandleTable<Window>& WindowTable() {
  static HandleTable<Window> table(0x10010, 4);
  return table;
}

namespace {

// The desktop is made once and never destroyed; its children are the top-level windows.
HWND MakeDesktop() {
  auto desktop = std::make_unique<Window>();
  desktop->style = WS_VISIBLE | WS_CLIPCHILDREN;
  desktop->windowRect = desktop->clientRect = ScreenRect();
  std::uintptr_t value = WindowTable().Add(std::move(desktop));
  Window* window = WindowTable().Find(value);
  window->handle = ToHwnd(value);
  return window->handle;
}

}  // namespace

HWND DesktopHandle() {
  static HWND desktop = MakeDesktop();
  return desktop;
}

Window* Desktop() { return WindowTable().Find(FromHwnd(DesktopHandle())); }

Window* PeekWindow(HWND hwnd) {
  if (!hwnd) return nullptr;
  DesktopHandle();
  return WindowTable().Find(FromHwnd(hwnd));
}

Window* LookupWindow(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

bool IsTopLevel(const Window& window) { return window.parent == DesktopHandle(); }

Window* ParentOf(const Window& window) { return PeekWindow(window.parent); }

HWND RootOf(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  while (window && window->parent && !IsTopLevel(*window)) window = ParentOf(*window);
  return window && window->handle != DesktopHandle() ? window->handle : nullptr;
}

bool IsSelfOrDescendant(HWND hwnd, HWND ancestor) {
  for (Window* window = PeekWindow(hwnd); window; window = ParentOf(*window))
    if (window->handle == ancestor) return true;
  return false;
}

namespace {

std::mutex& TopLevelListMutex() {
  static std::mutex mutex;
  return mutex;
}

// Holds the top-level list's lock while `parent`'s children change, when `parent` is the desktop.
std::unique_lock<std::mutex> LockChildrenOf(const Window& parent) {
  if (parent.handle != DesktopHandle()) return {};
  return std::unique_lock(TopLevelListMutex());
}

}  // namespace

void ClearTopLevelList() {
  Window* desktop = Desktop();
  std::lock_guard lock(TopLevelListMutex());
  desktop->children.clear();
}

void Unlink(Window& window) {
  Window* parent = ParentOf(window);
  if (!parent) return;
  auto lock = LockChildrenOf(*parent);
  auto& siblings = parent->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
}

namespace {

bool IsTopmost(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  return window && (window->exStyle & WS_EX_TOPMOST);
}

}  // namespace

void LinkInto(Window& parent, Window& window, HWND after) {
  window.parent = parent.handle;
  auto lock = LockChildrenOf(parent);
  auto& siblings = parent.children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
  bool topLevel = parent.handle == DesktopHandle();
  if (topLevel && after == HWND_TOPMOST) window.exStyle |= WS_EX_TOPMOST;
  if (topLevel && after == HWND_NOTOPMOST) window.exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
  if (!topLevel) window.exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
  // Top-level windows keep two bands: topmost windows above all others.
  bool topmost = topLevel && (window.exStyle & WS_EX_TOPMOST);
  auto bandBegin = siblings.begin();
  auto bandEnd = siblings.end();
  if (topLevel) {
    auto firstPlain = std::find_if(siblings.begin(), siblings.end(), [](HWND h) { return !IsTopmost(h); });
    if (topmost) bandEnd = firstPlain;
    else bandBegin = firstPlain;
  }
  auto position = bandBegin;
  if (after == HWND_BOTTOM) {
    position = bandEnd;
  } else if (after != HWND_TOP && after != HWND_TOPMOST && after != HWND_NOTOPMOST) {
    auto found = std::find(bandBegin, bandEnd, after);
    if (found != bandEnd) position = found + 1;
  }
  siblings.insert(position, window.handle);
}

std::vector<HWND> SubtreeOf(HWND hwnd) {
  std::vector<HWND> out;
  Window* window = PeekWindow(hwnd);
  if (!window) return out;
  out.push_back(hwnd);
  for (HWND child : window->children) {
    auto below = SubtreeOf(child);
    out.insert(out.end(), below.begin(), below.end());
  }
  return out;
}

bool IsVisibleOnScreen(HWND hwnd) {
  for (Window* window = PeekWindow(hwnd); window; window = ParentOf(*window)) {
    if (!(window->style & WS_VISIBLE)) return false;
    if (window->handle == DesktopHandle()) return true;
  }
  return false;
}

}  // namespace win32_internal
