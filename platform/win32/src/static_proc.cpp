// The STATIC control: text, frames and rectangles, bitmaps and icons, owner-drawn statics. Only SS_NOTIFY statics
// take the mouse (STN_CLICKED, STN_DBLCLK); the others let it through to what lies below.
#include "controls_internal.h"
#include "static_state.h"

namespace win32_internal {

namespace {

DWORD StaticType(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)) & SS_TYPEMASK; }

bool Notifies(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_NOTIFY) != 0; }

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

// STM_SETIMAGE: the image type must suit the style. Returns the previous image.
LRESULT SetImage(HWND hwnd, StaticState& state, WPARAM type, HANDLE image) {
  DWORD staticType = StaticType(hwnd);
  bool fits = (type == IMAGE_BITMAP && staticType == SS_BITMAP) || (type == IMAGE_ICON && staticType == SS_ICON);
  if (!fits) return 0;
  HANDLE previous = state.image;
  state.image = image;
  Redraw(hwnd);
  return reinterpret_cast<LRESULT>(previous);
}

LRESULT StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) AttachControlState<StaticState>(hwnd);
  StaticState* state = ControlState<StaticState>(hwnd);
  if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      DeleteControlState<StaticState>(hwnd);
      return 0;
    case WM_NCHITTEST:
      return Notifies(hwnd) ? DefWindowProcW(hwnd, message, wParam, lParam) : HTTRANSPARENT;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      return PaintControl(hwnd, [&](HDC dc) { PaintStatic(hwnd, dc, *state); });
    case WM_SETFONT:
    case WM_GETFONT:
      return FontMessage(hwnd, state->font, message, wParam, lParam, FALSE, [] {});
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      Redraw(hwnd);
      return result;
    }
    case WM_ENABLE:
      Redraw(hwnd);
      if (Notifies(hwnd)) NotifyParent(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
      return 0;
    case WM_LBUTTONDOWN:
      if (Notifies(hwnd)) NotifyParent(hwnd, STN_CLICKED);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (Notifies(hwnd)) NotifyParent(hwnd, STN_DBLCLK);
      return 0;
    case STM_SETIMAGE:
      return SetImage(hwnd, *state, wParam, reinterpret_cast<HANDLE>(lParam));
    case STM_GETIMAGE:
      return reinterpret_cast<LRESULT>(state->image);
    case STM_SETICON:
      return SetImage(hwnd, *state, IMAGE_ICON, reinterpret_cast<HANDLE>(wParam));
    case STM_GETICON:
      return StaticType(hwnd) == SS_ICON ? reinterpret_cast<LRESULT>(state->image) : 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterStaticClass() { RegisterControlClass(WC_STATICW, StaticProc, 0); }

}  // namespace win32_internal
