// Scroll bars addressed by window and bar: the window's own bars in the non-client area (their numbers, drawing
// and mouse tracking).
#include "scrollbar_window.h"

#include <map>
#include <mutex>

#include "scrollbar_site.h"
#include "scrollbar_track.h"

namespace win32_internal {

namespace {

struct WindowBars {
  ScrollBarState horizontal{0, 100};
  ScrollBarState vertical{0, 100};
};

struct WindowBarTable {
  std::mutex mutex;
  std::map<HWND, WindowBars> bars;
};

WindowBarTable& Table() {
  static WindowBarTable table;
  return table;
}

// The bars of a window; entries of windows that are gone are dropped whenever one is added.
WindowBars* BarsOf(HWND hwnd, bool create) {
  WindowBarTable& table = Table();
  std::lock_guard lock(table.mutex);
  auto it = table.bars.find(hwnd);
  if (it != table.bars.end()) return &it->second;
  if (!create) return nullptr;
  std::erase_if(table.bars, [](const auto& entry) { return PeekWindow(entry.first) == nullptr; });
  return &table.bars[hwnd];
}

// A window bar's rectangle in window (surface) coordinates: beside or below the client area.
bool WindowBarRect(const Window& window, int bar, RECT* rect) {
  if (!(window.style & StyleBit(bar))) return false;
  RECT client = ClientAreaInWindow(window);
  if (bar == SB_VERT) *rect = {client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
  else *rect = {client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
  return true;
}

HWND trackerWindow = nullptr;

// The hidden window that holds the mouse capture while a window's bar is tracked; made for each press.
LRESULT TrackerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(hwnd, &screen);
      ScrollTrackingMouseMove(screen);
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (!IsTrackingScrollBar(hwnd)) return 0;
      if (message == WM_LBUTTONUP) ScrollTrackingButtonUp();
      else ScrollTrackingLost();
      // The tracking is over: the window goes once the messages of this press are done.
      PostMessageW(hwnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_TIMER:
      ScrollTrackingTimer(wParam);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

constexpr const wchar_t* kTrackerClass = L"#ScrollBarTracker";

HWND Tracker() {
  if (IsWindow(trackerWindow)) return trackerWindow;
  trackerWindow = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kTrackerClass, L"", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, nullptr, nullptr);
  return trackerWindow;
}

}  // namespace

void RegisterScrollBarTrackerClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_GLOBALCLASS;
  wc.lpfnWndProc = TrackerProc;
  wc.lpszClassName = kTrackerClass;
  RegisterClassExW(&wc);
}

DWORD StyleBit(int bar) { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }

bool IsWindowBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

ScrollBarState* FindScrollBarState(HWND hwnd, int bar, bool create) {
  if (!IsWindowBar(bar) || !PeekWindow(hwnd) || hwnd == DesktopHandle()) return nullptr;
  WindowBars* bars = BarsOf(hwnd, create);
  if (!bars) return nullptr;
  return bar == SB_VERT ? &bars->vertical : &bars->horizontal;
}

bool IsScrollBarShown(HWND hwnd, int bar) {
  Window* window = PeekWindow(hwnd);
  if (!window) return false;
  return IsWindowBar(bar) && (window->style & StyleBit(bar));
}

bool ScreenScrollLayout(HWND hwnd, int bar, ScrollLayout* layout) {
  Window* window = PeekWindow(hwnd);
  ScrollBarState* state = FindScrollBarState(hwnd, bar, false);
  if (!window || !state) return false;
  RECT rect;
  if (!WindowBarRect(*window, bar, &rect)) return false;
  RECT outer = ScreenWindowRect(*window);
  OffsetRect(&rect, outer.left, outer.top);
  *layout = LayoutScrollBar(rect, bar == SB_VERT, *state, !(window->style & WS_DISABLED));
  return true;
}

void SendScrollCode(HWND hwnd, int bar, int code, int position) {
  if (PeekWindow(hwnd)) SendMessageW(hwnd, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, position), 0);
}

void RedrawScrollBar(HWND hwnd) {
  if (IsWindowVisible(hwnd)) PaintWindowScrollBars(hwnd);
}

void PaintWindowScrollBars(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  if (!window || !(window->style & (WS_HSCROLL | WS_VSCROLL))) return;
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  RECT outer = ScreenWindowRect(*window);
  for (int bar : {SB_HORZ, SB_VERT}) {
    ScrollLayout layout;
    ScrollBarState* state = FindScrollBarState(hwnd, bar, true);
    if (!state || !ScreenScrollLayout(hwnd, bar, &layout)) continue;
    OffsetRect(&layout.bar, -outer.left, -outer.top);
    DrawScrollBar(dc, layout, *state, !(window->style & WS_DISABLED), TrackedScrollPart(hwnd, bar),
                  DefaultScrollTrackBrush());
  }
  ReleaseDC(hwnd, dc);
}

void TrackWindowScrollBar(HWND hwnd, int bar, POINT screen) {
  if (!FindScrollBarState(hwnd, bar, true)) return;
  if (HWND tracker = Tracker()) BeginScrollTracking(hwnd, bar, screen, tracker);
}

}  // namespace win32_internal
