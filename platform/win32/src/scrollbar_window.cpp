// Scroll bars addressed by window and bar: the window's own bars in the non-client area, controls through their
// messages, and the functions of the platform on top.
#include "scrollbar_window.h"

#include <algorithm>
#include <cwctype>
#include <map>
#include <mutex>

#include "controls_internal.h"
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

DWORD StyleBit(int bar) { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }

bool IsWindowBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

bool IsScrollBarControl(HWND hwnd) {
  Window* window = PeekWindow(hwnd);
  if (!window || !window->windowClass) return false;
  std::wstring name = window->windowClass->name;
  std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return std::towlower(c); });
  return name == L"scrollbar";
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

ScrollBarState* FindScrollBarState(HWND hwnd, int bar, bool create) {
  if (bar == SB_CTL) return IsScrollBarControl(hwnd) ? ControlState<ScrollBarState>(hwnd) : nullptr;
  if (!IsWindowBar(bar) || !PeekWindow(hwnd) || hwnd == DesktopHandle()) return nullptr;
  WindowBars* bars = BarsOf(hwnd, create);
  if (!bars) return nullptr;
  return bar == SB_VERT ? &bars->vertical : &bars->horizontal;
}

bool IsScrollBarShown(HWND hwnd, int bar) {
  Window* window = PeekWindow(hwnd);
  if (!window) return false;
  if (bar == SB_CTL) return (window->style & WS_VISIBLE) != 0;
  return IsWindowBar(bar) && (window->style & StyleBit(bar));
}

bool ScreenScrollLayout(HWND hwnd, int bar, ScrollLayout* layout) {
  Window* window = PeekWindow(hwnd);
  ScrollBarState* state = FindScrollBarState(hwnd, bar, false);
  if (!window || !state) return false;
  RECT rect;
  POINT origin;
  bool vertical = bar == SB_VERT;
  if (bar == SB_CTL) {
    rect = {0, 0, window->clientRect.right - window->clientRect.left, window->clientRect.bottom - window->clientRect.top};
    origin = ClientOrigin(*window);
    vertical = (window->style & SBS_VERT) != 0;
  } else {
    if (!WindowBarRect(*window, bar, &rect)) return false;
    RECT outer = ScreenWindowRect(*window);
    origin = {outer.left, outer.top};
  }
  OffsetRect(&rect, origin.x, origin.y);
  *layout = LayoutScrollBar(rect, vertical, *state, !(window->style & WS_DISABLED));
  return true;
}

void SendScrollCode(HWND hwnd, int bar, int code, int position) {
  WPARAM wParam = MAKEWPARAM(code, position);
  if (bar == SB_CTL) {
    Window* window = PeekWindow(hwnd);
    HWND parent = GetParent(hwnd);
    if (!window || !parent) return;
    UINT message = (window->style & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    SendMessageW(parent, message, wParam, reinterpret_cast<LPARAM>(hwnd));
  } else if (PeekWindow(hwnd)) {
    SendMessageW(hwnd, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, wParam, 0);
  }
}

void RedrawScrollBar(HWND hwnd, int bar) {
  if (bar == SB_CTL) InvalidateRect(hwnd, nullptr, FALSE);
  else if (IsWindowVisible(hwnd)) PaintWindowScrollBars(hwnd);
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

using namespace win32_internal;

namespace {

// Shows, hides or disables a window's bar after its range or page changed, as SetScrollInfo does.
void FitWindowBarToRange(HWND hwnd, int bar, const ScrollBarState& state, bool disableNoScroll) {
  if (IsScrollNeeded(state)) {
    if (!IsScrollBarShown(hwnd, bar)) ShowScrollBar(hwnd, bar, TRUE);
    if (ScrollBarState* fresh = FindScrollBarState(hwnd, bar, false)) fresh->disabledArrows = ESB_ENABLE_BOTH;
  } else if (disableNoScroll) {
    if (ScrollBarState* fresh = FindScrollBarState(hwnd, bar, false)) fresh->disabledArrows = ESB_DISABLE_BOTH;
  } else if (IsScrollBarShown(hwnd, bar)) {
    ShowScrollBar(hwnd, bar, FALSE);
  }
}

bool ValidInfo(LPCSCROLLINFO info) {
  bool valid = info && (info->cbSize == sizeof(SCROLLINFO) || info->cbSize == sizeof(SCROLLINFO) - sizeof(int));
  if (!valid) SetLastError(ERROR_INVALID_PARAMETER);
  return valid;
}

}  // namespace

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw) {
  if (!LookupWindow(hwnd) || !ValidInfo(info)) return 0;
  if (bar == SB_CTL)
    return static_cast<int>(SendMessageW(hwnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
  ScrollBarState* state = FindScrollBarState(hwnd, bar, true);
  if (!state) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  int position = ApplyScrollInfo(*state, *info);
  ScrollBarState copy = *state;
  if (info->fMask & (SIF_RANGE | SIF_PAGE)) FitWindowBarToRange(hwnd, bar, copy, info->fMask & SIF_DISABLENOSCROLL);
  if (redraw) RedrawScrollBar(hwnd, bar);
  return position;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
  if (!LookupWindow(hwnd) || !ValidInfo(info)) return FALSE;
  if (bar == SB_CTL) return SendMessageW(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) != 0;
  // A window that never had the bar has no numbers to give.
  ScrollBarState* state = FindScrollBarState(hwnd, bar, IsScrollBarShown(hwnd, bar));
  if (!state) {
    SetLastError(1447L);  // ERROR_NO_SCROLLBARS
    return FALSE;
  }
  ReadScrollInfo(*state, *info);
  return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int position, BOOL redraw) {
  if (bar != SB_CTL && !FindScrollBarState(hwnd, bar, true)) return 0;
  int previous = GetScrollPos(hwnd, bar);
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, position, 0};
  SetScrollInfo(hwnd, bar, &info, redraw);
  return previous;
}

int GetScrollPos(HWND hwnd, int bar) {
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
  return GetScrollInfo(hwnd, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, BOOL redraw) {
  if (static_cast<long long>(maximum) - minimum > 0x7FFFFFFF) {
    SetLastError(1448L);  // ERROR_INVALID_SCROLLBAR_RANGE
    return FALSE;
  }
  SCROLLINFO info{sizeof info, SIF_RANGE, minimum, maximum, 0, 0, 0};
  if (!LookupWindow(hwnd)) return FALSE;
  SetScrollInfo(hwnd, bar, &info, redraw);
  return FindScrollBarState(hwnd, bar, false) != nullptr;
}

BOOL GetScrollRange(HWND hwnd, int bar, LPINT minimum, LPINT maximum) {
  SCROLLINFO info{sizeof info, SIF_RANGE, 0, 0, 0, 0, 0};
  BOOL ok = GetScrollInfo(hwnd, bar, &info);
  if (minimum) *minimum = ok ? info.nMin : 0;
  if (maximum) *maximum = ok ? info.nMax : 0;
  return ok;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  Window* window = LookupWindow(hwnd);
  if (!window) return FALSE;
  if (bar == SB_CTL) {
    ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
    return TRUE;
  }
  DWORD bits = bar == SB_BOTH ? WS_HSCROLL | WS_VSCROLL : IsWindowBar(bar) ? StyleBit(bar) : 0;
  if (!bits) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (bits & WS_HSCROLL) FindScrollBarState(hwnd, SB_HORZ, true);
  if (bits & WS_VSCROLL) FindScrollBarState(hwnd, SB_VERT, true);
  DWORD style = show ? (window->style | bits) : (window->style & ~bits);
  if (style == window->style) return TRUE;
  window->style = style;
  // The frame changes: WM_NCCALCSIZE gives the new client area, and WM_SIZE follows at once.
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  if (!LookupWindow(hwnd)) return FALSE;
  if (bar == SB_CTL) return SendMessageW(hwnd, SBM_ENABLE_ARROWS, arrows, 0) != 0;
  bool changed = false;
  for (int one : {SB_HORZ, SB_VERT}) {
    if (bar != SB_BOTH && static_cast<int>(bar) != one) continue;
    ScrollBarState* state = FindScrollBarState(hwnd, one, true);
    if (!state || state->disabledArrows == arrows) continue;
    state->disabledArrows = arrows;
    changed = true;
    RedrawScrollBar(hwnd, one);
  }
  return changed;
}
