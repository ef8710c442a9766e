// CreateWindowEx and DestroyWindow: the creation handshake and the destruction order.
#include <algorithm>
#include <utility>

#include "screen_state.h"
#include "window_internal.h"

namespace win32_internal {

namespace {

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;
constexpr int kDefaultX = 100;
constexpr int kDefaultY = 100;

// Top-level windows with a caption or a sizing border respect the limits WM_GETMINMAXINFO reports.
void ApplyMinMaxInfo(HWND hwnd, DWORD style, int& width, int& height) {
  SIZE screen = ScreenSize();
  MINMAXINFO info{};
  info.ptMaxSize = {screen.cx, screen.cy};
  info.ptMaxPosition = {0, 0};
  info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  info.ptMaxTrackSize = {screen.cx + 2 * GetSystemMetrics(SM_CXFRAME), screen.cy + 2 * GetSystemMetrics(SM_CYFRAME)};
  SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  if ((style & WS_THICKFRAME) || (style & WS_CAPTION) == WS_CAPTION) {
    width = std::clamp<int>(width, info.ptMinTrackSize.x, std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
    height = std::clamp<int>(height, info.ptMinTrackSize.y, std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
  }
}

// Sends the final WM_NCDESTROY and forgets the window with what only it used.
void Forget(HWND hwnd) {
  SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
  KillTimersOf(hwnd);
  DropPostedMessagesOf(hwnd);
  ForgetClipboardWindow(hwnd);
  Window* window = PeekWindow(hwnd);
  if (!window) return;
  Unlink(*window);
  if (window->windowClass) --window->windowClass->windowCount;
  ReleaseSurface(*window);
  WindowTable().Remove(FromHwnd(hwnd));
}

// WM_DESTROY goes to a window before its children; WM_NCDESTROY to the children before their parent.
void DestroyTree(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  if (!window) return;
  window->destroying = true;
  SendMessageW(hwnd, WM_DESTROY, 0, 0);
  window = PeekWindow(hwnd);
  if (!window) return;
  std::vector<HWND> children = window->children;
  for (HWND child : children) DestroyTree(child);
  Forget(hwnd);
}

std::vector<HWND> OwnedWindowsOf(HWND owner) {
  std::vector<HWND> owned;
  for (HWND top : Desktop()->children) {
    Window* window = PeekWindow(top);
    if (window && window->owner == owner && !window->destroying) owned.push_back(top);
  }
  return owned;
}

}  // namespace

}  // namespace win32_internal

using namespace win32_internal;

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parentHandle, HMENU menu, HINSTANCE instance, LPVOID param) {
  WindowClass* windowClass = FindClass(className);
  if (!windowClass) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  Window* parent = Desktop();
  HWND owner = nullptr;
  if (parentHandle && parentHandle != HWND_MESSAGE) {
    Window* given = LookupWindow(parentHandle);
    if (!given) return nullptr;
    if (style & WS_CHILD) parent = given;
    else owner = given->handle == DesktopHandle() ? nullptr : RootOf(given->handle);
  } else if (style & WS_CHILD) {
    SetLastError(1406L);  // ERROR_TLW_WITH_WSCHILD
    return nullptr;
  }
  bool child = parent != Desktop();
  // Overlapped windows always have a caption and clip their siblings.
  if (!child && !(style & WS_POPUP)) style |= WS_CAPTION | WS_CLIPSIBLINGS;
  if (x == CW_USEDEFAULT) {
    x = child ? 0 : kDefaultX;
    y = child ? 0 : kDefaultY;
  }
  if (width == CW_USEDEFAULT) {
    width = child ? 0 : kDefaultWidth;
    height = child ? 0 : kDefaultHeight;
  }

  auto created = std::make_unique<Window>();
  created->windowClass = windowClass;
  created->threadId = GetCurrentThreadId();
  created->proc = windowClass->proc;
  created->style = style & ~static_cast<DWORD>(WS_VISIBLE);
  created->exStyle = exStyle;
  created->owner = owner;
  created->id = child ? reinterpret_cast<LONG_PTR>(menu) : 0;
  created->instance = instance;
  created->extra.assign(static_cast<size_t>(windowClass->windowExtra), 0);
  HWND hwnd = ToHwnd(WindowTable().Add(std::move(created)));
  Window* window = PeekWindow(hwnd);
  window->handle = hwnd;
  ++windowClass->windowCount;
  // Top-level windows go on top of their band; children below their existing siblings, so that the order of
  // creation is the order of GW_HWNDNEXT (and of dialog tabbing).
  LinkInto(*parent, *window, child ? HWND_BOTTOM : HWND_TOP);

  if (!child) ApplyMinMaxInfo(hwnd, style, width, height);
  window = PeekWindow(hwnd);
  if (!window) return nullptr;
  window->windowRect = window->clientRect = {x, y, x + width, y + height};

  CREATESTRUCTW cs{param, instance, menu, parentHandle, height, width, y, x, static_cast<LONG>(style), windowName,
                   className, exStyle};
  if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    Forget(hwnd);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  PlaceWindow(hwnd, {x, y, x + width, y + height});
  if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(hwnd);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  window = PeekWindow(hwnd);
  if (!window) return nullptr;
  RECT client = window->clientRect;
  SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right - client.left, client.bottom - client.top));
  SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(client.left, client.top));
  window = PeekWindow(hwnd);
  if (!window) return nullptr;
  if (child && !(exStyle & WS_EX_NOPARENTNOTIFY) && PeekWindow(window->parent))
    SendMessageW(window->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, window->id), reinterpret_cast<LPARAM>(hwnd));
  if (!PeekWindow(hwnd)) return nullptr;
  if (style & WS_VISIBLE) {
    int show = (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW;
    ShowWindow(hwnd, show);
  }
  return PeekWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  if (hwnd == DesktopHandle() || window->destroying) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (window->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  window->destroying = true;
  bool child = !IsTopLevel(*window);
  if (child && !(window->exStyle & WS_EX_NOPARENTNOTIFY) && PeekWindow(window->parent))
    SendMessageW(window->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, window->id), reinterpret_cast<LPARAM>(hwnd));
  // Owned windows go first, entirely.
  if (!child)
    for (HWND owned : OwnedWindowsOf(hwnd)) DestroyWindow(owned);
  window = PeekWindow(hwnd);
  if (!window) return TRUE;
  if (window->style & WS_VISIBLE) {
    ShowWindow(hwnd, SW_HIDE);
  }
  ReleaseInputStateOf(hwnd);
  DestroyTree(hwnd);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) { return PeekWindow(hwnd) != nullptr; }
