// The EDIT control, single-line or ES_MULTILINE: its messages, the mouse, focus, scrolling and the EM_* requests.
#include <algorithm>

#include "controls_internal.h"
#include "edit_state.h"

namespace win32_internal {

namespace {

constexpr int kFontMargin = 2;

int Length(const EditState& state) { return static_cast<int>(state.text.size()); }

LRESULT GetSelection(const EditState& state, WPARAM startOut, LPARAM endOut) {
  auto start = static_cast<DWORD>(state.selectionStart()), end = static_cast<DWORD>(state.selectionEnd());
  if (startOut) *reinterpret_cast<DWORD*>(startOut) = start;
  if (endOut) *reinterpret_cast<DWORD*>(endOut) = end;
  return start > 0xFFFF || end > 0xFFFF ? -1 : MAKELRESULT(start, end);
}

// EM_SETSEL: a start of −1 removes the selection; a negative end means the end of the text.
void SetSelection(HWND hwnd, EditState& state, WPARAM wParam, LPARAM lParam) {
  int start = static_cast<int>(static_cast<INT_PTR>(wParam)), end = static_cast<int>(lParam);
  if (start == -1) {
    SetEditSelection(hwnd, state, state.caret, state.caret);
    return;
  }
  if (end < 0) end = Length(state);
  if (start < 0) start = Length(state);
  SetEditSelection(hwnd, state, start, end);
}

void SetMargins(HWND hwnd, EditState& state, WPARAM sides, LPARAM lParam) {
  auto margin = [](WORD value) { return value == EC_USEFONTINFO ? kFontMargin : static_cast<int>(value); };
  if (sides & EC_LEFTMARGIN) state.leftMargin = margin(LOWORD(lParam));
  if (sides & EC_RIGHTMARGIN) state.rightMargin = margin(HIWORD(lParam));
  ScrollEditToCaret(hwnd, state);
}

void SelectWordAt(HWND hwnd, EditState& state, int at) {
  auto isWord = [&](int i) {
    if (i < 0 || i >= Length(state)) return false;
    wchar_t c = state.text[static_cast<size_t>(i)];
    return c != L' ' && c != L'\t' && c != L'\r' && c != L'\n';
  };
  int start = at, end = at;
  while (isWord(start - 1)) --start;
  while (isWord(end)) ++end;
  SetEditSelection(hwnd, state, start, end);
}

LRESULT Mouse(HWND hwnd, EditState& state, UINT message, LPARAM lParam) {
  int at = EditCharFromPoint(hwnd, state, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  switch (message) {
    case WM_LBUTTONDOWN:
      if (GetFocus() != hwnd) SetFocus(hwnd);
      if (GetFocus() != hwnd) return 0;
      SetEditSelection(hwnd, state, (GetKeyState(VK_SHIFT) & 0x8000) ? state.anchor : at, at);
      state.mouseSelecting = true;
      SetCapture(hwnd);
      return 0;
    case WM_LBUTTONDBLCLK:
      SelectWordAt(hwnd, state, at);
      return 0;
    case WM_MOUSEMOVE:
      if (state.mouseSelecting) SetEditSelection(hwnd, state, state.anchor, at);
      return 0;
    case WM_LBUTTONUP:
      if (state.mouseSelecting && GetCapture() == hwnd) ReleaseCapture();
      state.mouseSelecting = false;
      return 0;
    default:
      return 0;
  }
}

void Paint(HWND hwnd, const EditState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (dc) PaintEdit(hwnd, dc, state);
  EndPaint(hwnd, &ps);
}

// WM_VSCROLL from the window's own scroll bar: lines, pages, the thumb and the ends.
void VerticalScroll(HWND hwnd, EditState& state, WPARAM request) {
  int page = EditVisibleLines(hwnd, state);
  int target = state.topLine;
  switch (LOWORD(request)) {
    case SB_LINEUP:
      target -= 1;
      break;
    case SB_LINEDOWN:
      target += 1;
      break;
    case SB_PAGEUP:
      target -= page;
      break;
    case SB_PAGEDOWN:
      target += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      target = static_cast<short>(HIWORD(request));
      break;
    case SB_TOP:
      target = 0;
      break;
    case SB_BOTTOM:
      target = Length(state);  // clamped to the last page
      break;
    default:
      return;
  }
  ScrollEditLines(hwnd, state, target);
}

// A multi-line edit wants Enter from the dialog manager only with ES_WANTRETURN; Tab and Escape stay with it.
LRESULT DialogCode(HWND hwnd, LPARAM lParam) {
  LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  auto* msg = reinterpret_cast<const MSG*>(lParam);
  if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN &&
      (EditStyle(hwnd) & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN))
    code |= DLGC_WANTALLKEYS;
  return code;
}

// EM_LINESCROLL: scrolls a multi-line edit by characters (horizontally, in average character widths) and lines.
LRESULT LineScroll(HWND hwnd, EditState& state, WPARAM characters, LPARAM lines) {
  if (!IsMultilineEdit(hwnd)) return FALSE;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, ControlFontOr(state.font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  int columns = static_cast<int>(static_cast<INT_PTR>(characters));
  state.scroll = std::max(0, state.scroll + columns * metrics.tmAveCharWidth);
  ScrollEditLines(hwnd, state, state.topLine + static_cast<int>(lines));
  return TRUE;
}

void Focus(HWND hwnd, EditState& state, bool focused) {
  state.focused = focused;
  InvalidateRect(hwnd, nullptr, FALSE);
  NotifyParent(hwnd, focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

LRESULT EditRequest(HWND hwnd, EditState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case EM_GETSEL:
      return GetSelection(state, wParam, lParam);
    case EM_SETSEL:
      SetSelection(hwnd, state, wParam, lParam);
      return 0;
    case EM_REPLACESEL: {
      auto* text = reinterpret_cast<const wchar_t*>(lParam);
      ReplaceEditSelection(hwnd, state, text ? text : L"", false);
      return 0;
    }
    case EM_SETMARGINS:
      SetMargins(hwnd, state, wParam, lParam);
      return 0;
    case EM_GETMARGINS:
      return MAKELRESULT(state.leftMargin, state.rightMargin);
    case EM_GETMODIFY:
      return state.modified;
    case EM_SETREADONLY: {
      LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
      SetWindowLongPtrW(hwnd, GWL_STYLE, wParam ? style | ES_READONLY : style & ~static_cast<LONG_PTR>(ES_READONLY));
      InvalidateRect(hwnd, nullptr, FALSE);
      return TRUE;
    }
    case EM_LINESCROLL:
      return LineScroll(hwnd, state, wParam, lParam);
    case EM_GETFIRSTVISIBLELINE:
      if (IsMultilineEdit(hwnd)) return state.topLine;
      return EditCharFromPoint(hwnd, state, EditFormatRect(hwnd, state).left, 0);  // the first character shown
    case EM_SCROLLCARET:
      ScrollEditToCaret(hwnd, state);
      return TRUE;
    case EM_POSFROMCHAR: {
      int index = static_cast<int>(wParam);
      if (index < 0 || index > Length(state)) return -1;
      POINT at = EditCharPosition(hwnd, state, index);
      return MAKELRESULT(at.x, at.y);
    }
    case EM_GETLINECOUNT:
      return static_cast<LRESULT>(EditLines(hwnd, state).size());
    case EM_UNDO:
      return FALSE;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    AttachControlState<EditState>(hwnd);
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (create && create->lpszName && !IS_INTRESOURCE(create->lpszName)) {
      std::wstring text = create->lpszName;
      ControlState<EditState>(hwnd)->text = (create->style & ES_MULTILINE) ? text : FirstEditLine(text);
    }
  }
  EditState* state = ControlState<EditState>(hwnd);
  if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      DeleteControlState<EditState>(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(hwnd, lParam);
    case WM_GETTEXT:
      return CopyTextOut(state->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return Length(*state);
    case WM_SETTEXT: {
      auto* text = reinterpret_cast<const wchar_t*>(lParam);
      SetEditText(hwnd, *state, text ? text : L"");
      return TRUE;
    }
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wParam);
      ScrollEditToCaret(hwnd, *state);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(hwnd, *state);
      return 0;
    case WM_SIZE:
    case WM_ENABLE:
    case WM_STYLECHANGED:
      ScrollEditToCaret(hwnd, *state);
      return 0;
    case WM_SETFOCUS:
      Focus(hwnd, *state, true);
      return 0;
    case WM_KILLFOCUS:
      Focus(hwnd, *state, false);
      return 0;
    case WM_CAPTURECHANGED:
      state->mouseSelecting = false;
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      return Mouse(hwnd, *state, message, lParam);
    case WM_KEYDOWN:
      EditKeyDown(hwnd, *state, wParam);
      return 0;
    case WM_VSCROLL:
      VerticalScroll(hwnd, *state, wParam);
      return 0;
    case WM_CHAR:
      EditChar(hwnd, *state, static_cast<wchar_t>(wParam));
      return 0;
    case WM_COPY:
      CopyEditSelection(hwnd, *state);
      return 0;
    case WM_CUT:
      CutEditSelection(hwnd, *state);
      return 0;
    case WM_PASTE:
      PasteIntoEdit(hwnd, *state);
      return 0;
    case WM_CLEAR:
      ClearEditSelection(hwnd, *state);
      return 0;
    default:
      return EditRequest(hwnd, *state, message, wParam, lParam);
  }
}

}  // namespace

void RegisterEditClass() { RegisterControlClass(WC_EDITW, EditProc, 0); }

}  // namespace win32_internal
