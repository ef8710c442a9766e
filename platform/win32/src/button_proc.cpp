// The BUTTON control: push buttons, check boxes, group boxes and owner-drawn buttons. A click happens when the
// mouse is released over the button it was pressed on, or when a held Space is released; auto check boxes change
// their check first, then the parent hears BN_CLICKED.
#include "button_state.h"
#include "controls_internal.h"

namespace win32_internal {

namespace {

bool IsCheckType(DWORD type) { return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX; }

bool TakesClicks(DWORD type) { return type != BS_GROUPBOX; }

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

void SetPushed(HWND hwnd, ButtonState& state, bool pushed) {
  if (state.pushed == pushed) return;
  state.pushed = pushed;
  Redraw(hwnd);
}

void Click(HWND hwnd, ButtonState& state) {
  switch (ButtonType(hwnd)) {
    case BS_AUTOCHECKBOX:
      state.check = state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
      Redraw(hwnd);
      break;
    default:
      break;
  }
  NotifyParent(hwnd, BN_CLICKED);
}

bool Inside(HWND hwnd, LPARAM lParam) {
  RECT client;
  GetClientRect(hwnd, &client);
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return p.x >= client.left && p.x < client.right && p.y >= client.top && p.y < client.bottom;
}

LRESULT DialogCode(HWND hwnd) {
  switch (ButtonType(hwnd)) {
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
  }
}

LRESULT MouseMessage(HWND hwnd, ButtonState& state, UINT message, LPARAM lParam) {
  if (!TakesClicks(ButtonType(hwnd))) return 0;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(hwnd);
      SetCapture(hwnd);
      state.mouseHeld = true;
      SetPushed(hwnd, state, true);
      break;
    case WM_MOUSEMOVE:
      if (state.mouseHeld) SetPushed(hwnd, state, Inside(hwnd, lParam));
      break;
    case WM_LBUTTONUP: {
      if (!state.mouseHeld) break;
      bool clicked = Inside(hwnd, lParam);
      state.mouseHeld = false;
      SetPushed(hwnd, state, false);
      if (GetCapture() == hwnd) ReleaseCapture();
      if (clicked) Click(hwnd, state);
      break;
    }
    default:
      break;
  }
  return 0;
}

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) AttachControlState<ButtonState>(hwnd);
  ButtonState* state = ControlState<ButtonState>(hwnd);
  if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
  bool notify = (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_NOTIFY) != 0;
  switch (message) {
    case WM_NCDESTROY:
      DeleteControlState<ButtonState>(hwnd);
      return 0;
    case WM_NCHITTEST:
      // Group boxes are frames around other controls: the mouse goes through them.
      if (!TakesClicks(ButtonType(hwnd))) return HTTRANSPARENT;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_GETDLGCODE:
      return DialogCode(hwnd);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      return PaintControl(hwnd, [&](HDC dc) { PaintButton(hwnd, dc, *state); });
    case WM_SETFONT:
    case WM_GETFONT:
      return FontMessage(hwnd, state->font, message, wParam, lParam, FALSE, [] {});
    case WM_SETTEXT:
    case WM_ENABLE: {
      LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      Redraw(hwnd);
      return message == WM_SETTEXT ? result : 0;
    }
    case WM_SETFOCUS:
      state->focused = true;
      Redraw(hwnd);
      if (notify) NotifyParent(hwnd, BN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      state->focused = false;
      state->spaceHeld = false;
      if (!state->mouseHeld) SetPushed(hwnd, *state, false);
      Redraw(hwnd);
      if (notify) NotifyParent(hwnd, BN_KILLFOCUS);
      return 0;
    case WM_CAPTURECHANGED:
      if (state->mouseHeld) {
        state->mouseHeld = false;
        SetPushed(hwnd, *state, false);
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      return MouseMessage(hwnd, *state, message, lParam);
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && TakesClicks(ButtonType(hwnd)) && !state->mouseHeld) {
        state->spaceHeld = true;
        SetPushed(hwnd, *state, true);
      }
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && state->spaceHeld) {
        state->spaceHeld = false;
        SetPushed(hwnd, *state, false);
        Click(hwnd, *state);
      }
      return 0;
    case BM_GETCHECK:
      return IsCheckType(ButtonType(hwnd)) ? state->check : BST_UNCHECKED;
    case BM_SETCHECK:
      if (IsCheckType(ButtonType(hwnd)) && wParam <= BST_CHECKED && state->check != wParam) {
        state->check = static_cast<UINT>(wParam);
        Redraw(hwnd);
      }
      return 0;
    case BM_GETSTATE:
      return state->check | (state->pushed ? BST_PUSHED : 0) | (state->focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
      SetPushed(hwnd, *state, wParam != 0);
      return 0;
    case BM_SETSTYLE: {
      DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
      SetWindowLongPtrW(hwnd, GWL_STYLE, static_cast<LONG_PTR>((style & 0xFFFF0000u) | LOWORD(wParam)));
      if (lParam) Redraw(hwnd);
      return 0;
    }
    case BM_CLICK:
      if (IsWindowEnabled(hwnd) && TakesClicks(ButtonType(hwnd))) Click(hwnd, *state);
      return 0;
    case BM_GETIMAGE:
      return reinterpret_cast<LRESULT>(state->image);
    case BM_SETIMAGE: {
      HANDLE previous = state->image;
      state->image = reinterpret_cast<HANDLE>(lParam);
      Redraw(hwnd);
      return reinterpret_cast<LRESULT>(previous);
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterButtonClass() { RegisterControlClass(WC_BUTTONW, ButtonProc, CS_HREDRAW | CS_VREDRAW); }

}  // namespace win32_internal
