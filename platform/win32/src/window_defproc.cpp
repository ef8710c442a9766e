// DefWindowProc: the default handling every window procedure falls back on.
#include <algorithm>
#include <cstring>

#include "paint_internal.h"
#include "screen_state.h"
#include "scrollbar_window.h"
#include "window_frame.h"
#include "window_internal.h"
#include "window_position.h"

using namespace win32_internal;

namespace {

constexpr ULONG_PTR kLastSystemColor = 30;

// A class brush may be a system colour index plus one, as classes register them.
HBRUSH ResolveBrush(HBRUSH brush) {
  auto value = reinterpret_cast<ULONG_PTR>(brush);
  if (value > 0 && value <= kLastSystemColor + 1) return GetSysColorBrush(static_cast<int>(value - 1));
  return brush;
}

LRESULT EraseBackground(Window& window, HDC hdc) {
  HBRUSH brush = window.windowClass ? ResolveBrush(window.windowClass->background) : nullptr;
  if (!brush || !hdc) return 0;
  RECT client{0, 0, window.clientRect.right - window.clientRect.left,
              window.clientRect.bottom - window.clientRect.top};
  FillRect(hdc, &client, brush);
  return 1;
}

LRESULT GetText(const Window& window, WPARAM size, LPARAM buffer) {
  auto* out = reinterpret_cast<wchar_t*>(buffer);
  if (!out || size == 0) return 0;
  size_t count = std::min(window.text.size(), static_cast<size_t>(size) - 1);
  window.text.copy(out, count);
  out[count] = L'\0';
  return static_cast<LRESULT>(count);
}

LRESULT SizeAndMove(HWND hwnd, const WINDOWPOS& pos) {
  Window* window = PeekWindow(hwnd);
  if (!window) return 0;
  RECT client = window->clientRect;
  WPARAM kind = window->minimized ? SIZE_MINIMIZED : window->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
  if (!(pos.flags & SWP_NOCLIENTMOVE)) SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(client.left, client.top));
  if (!(pos.flags & SWP_NOCLIENTSIZE) && PeekWindow(hwnd))
    SendMessageW(hwnd, WM_SIZE, kind, MAKELPARAM(client.right - client.left, client.bottom - client.top));
  return 0;
}

// Resizable top-level windows keep within the limits WM_GETMINMAXINFO reports.
void ClampToTrackSize(HWND hwnd, WINDOWPOS& pos) {
  Window* window = PeekWindow(hwnd);
  if (!window || !IsTopLevel(*window) || (pos.flags & SWP_NOSIZE) || !(window->style & WS_THICKFRAME)) return;
  SIZE screen = ScreenSize();
  MINMAXINFO info{};
  info.ptMaxSize = {screen.cx, screen.cy};
  info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  info.ptMaxTrackSize = {screen.cx + 2 * GetSystemMetrics(SM_CXFRAME), screen.cy + 2 * GetSystemMetrics(SM_CYFRAME)};
  SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  pos.cx = std::clamp<int>(pos.cx, info.ptMinTrackSize.x, std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
  pos.cy = std::clamp<int>(pos.cy, info.ptMinTrackSize.y, std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
}

LRESULT ColorControl(UINT message, HDC hdc) {
  bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
  int background = field ? COLOR_WINDOW : COLOR_3DFACE;
  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(hdc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

LRESULT Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
  return 0;
}

}  // namespace

LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = LookupWindow(hwnd);
  if (!window || hwnd == DesktopHandle()) return 0;
  bool child = !IsTopLevel(*window);
  switch (message) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) window->text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
      if (rect) *rect = ClientFromWindowRect(*rect, window->style, window->exStyle);
      return 0;
    }
    case WM_NCHITTEST:
      return FrameHitTest(*window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      // A press on a window's own scroll bar: the bar tracks the mouse from here.
      if (wParam == HTHSCROLL || wParam == HTVSCROLL)
        TrackWindowScrollBar(hwnd, wParam == HTVSCROLL ? SB_VERT : SB_HORZ,
                             {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_NCPAINT:
      PaintFrame(*window, RootOf(hwnd) == GetActiveWindow());
      return 0;
    case WM_NCACTIVATE:
      if (IsVisibleOnScreen(hwnd) && HasFrame(*window)) PaintFrame(*window, wParam != FALSE);
      return TRUE;
    case WM_GETTEXT:
      return GetText(*window, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    case WM_SETTEXT: {
      auto* text = reinterpret_cast<const wchar_t*>(lParam);
      window->text = text ? text : L"";
      if ((window->style & WS_CAPTION) == WS_CAPTION) window->frameNeeded = true;
      return TRUE;
    }
    case WM_ERASEBKGND:
      return EraseBackground(*window, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
      return Paint(hwnd);
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_WINDOWPOSCHANGING:
      ClampToTrackSize(hwnd, *reinterpret_cast<WINDOWPOS*>(lParam));
      return 0;
    case WM_WINDOWPOSCHANGED:
      return SizeAndMove(hwnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !window->minimized) SetFocus(hwnd);
      return 0;
    case WM_MOUSEACTIVATE:
      if (child && window->parent) {
        LRESULT parentSays = SendMessageW(window->parent, WM_MOUSEACTIVATE, wParam, lParam);
        if (parentSays) return parentSays;
      }
      return MA_ACTIVATE;
    case WM_SETCURSOR:
      if (child && window->parent && SendMessageW(window->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
      window = PeekWindow(hwnd);
      if (window && LOWORD(lParam) == HTCLIENT && window->windowClass && window->windowClass->cursor) {
        SetCursor(window->windowClass->cursor);
        return TRUE;
      }
      return FALSE;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CONTEXTMENU:
      return child && window->parent ? SendMessageW(window->parent, message, wParam, lParam) : 0;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE: SendMessageW(hwnd, WM_CLOSE, 0, 0); break;
        case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
        case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
        case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
        default: break;
      }
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && !child) SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      return ColorControl(message, reinterpret_cast<HDC>(wParam));
    default:
      return 0;
  }
}
