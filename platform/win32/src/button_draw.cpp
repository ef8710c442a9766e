// Painting of BUTTON controls in the classic look: raised push buttons (framed when default), check boxes and
// radio buttons beside their text, etched group boxes with their caption, and owner-drawn buttons by the parent.
#include "button_state.h"
#include "controls_internal.h"

namespace win32_internal {

namespace {

constexpr int kCheckSize = 13;
constexpr int kTextGap = 4;

bool IsPushType(DWORD style) {
  DWORD type = style & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON || type == BS_PUSHBOX ||
         (style & BS_PUSHLIKE);
}

UINT HorizontalAlignment(DWORD style, UINT fallback) {
  switch (style & BS_CENTER) {
    case BS_LEFT: return DT_LEFT;
    case BS_RIGHT: return DT_RIGHT;
    case BS_CENTER: return DT_CENTER;
    default: return fallback;
  }
}

void DrawCaption(HDC dc, HWND hwnd, RECT area, UINT format, DWORD style) {
  std::wstring text = WindowText(hwnd);
  if (text.empty()) return;
  if (style & BS_MULTILINE) {
    RECT measured = area;
    DrawTextW(dc, text.c_str(), -1, &measured, (format & ~DT_SINGLELINE & ~DT_VCENTER) | DT_WORDBREAK | DT_CALCRECT);
    int height = measured.bottom - measured.top;
    area.top += ((area.bottom - area.top) - height) / 2;
    DrawTextW(dc, text.c_str(), -1, &area, (format & ~DT_SINGLELINE & ~DT_VCENTER) | DT_WORDBREAK);
  } else {
    DrawTextW(dc, text.c_str(), -1, &area, format | DT_SINGLELINE | DT_VCENTER);
  }
}

void PaintOwnerDrawn(HWND hwnd, HDC dc, const ButtonState& state) {
  UINT itemState = (state.pushed ? ODS_SELECTED : 0) | (state.focused ? ODS_FOCUS : 0) |
                   (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
  AskParentToDraw(hwnd, dc, ODT_BUTTON, itemState);
}

void PaintPush(HWND hwnd, HDC dc, const ButtonState& state, DWORD style) {
  RECT face;
  GetClientRect(hwnd, &face);
  FillControlBackground(hwnd, dc, ParentColors(hwnd, dc, WM_CTLCOLORBTN));
  bool pushed = state.pushed || ((style & BS_PUSHLIKE) && state.check == BST_CHECKED);
  if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
    FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&face, -1, -1);
  }
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | DFCS_ADJUSTRECT);
  RECT text = face;
  if (pushed) OffsetRect(&text, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawCaption(dc, hwnd, text, HorizontalAlignment(style, DT_CENTER), style);
  if (state.focused) {
    RECT focus = face;
    InflateRect(&focus, -2, -2);
    DrawFocusRect(dc, &focus);
  }
}

void PaintCheck(HWND hwnd, HDC dc, const ButtonState& state, DWORD style) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillControlBackground(hwnd, dc, ParentColors(hwnd, dc, WM_CTLCOLORSTATIC));
  bool boxRight = (style & BS_LEFTTEXT) != 0;
  int top = (client.bottom - kCheckSize) / 2;
  RECT box = boxRight ? RECT{client.right - kCheckSize, top, client.right, top + kCheckSize}
                      : RECT{0, top, kCheckSize, top + kCheckSize};
  bool enabled = IsWindowEnabled(hwnd);
  UINT look = DFCS_BUTTONCHECK | (state.check != BST_UNCHECKED ? DFCS_CHECKED : 0) | (state.pushed ? DFCS_PUSHED : 0) |
              (enabled ? 0 : DFCS_INACTIVE);
  DrawFrameControl(dc, &box, DFC_BUTTON, look);
  RECT text = boxRight ? RECT{0, 0, box.left - kTextGap, client.bottom}
                       : RECT{box.right + kTextGap, 0, client.right, client.bottom};
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawCaption(dc, hwnd, text, HorizontalAlignment(style, DT_LEFT), style);
  if (state.focused && GetWindowTextLengthW(hwnd) > 0) {
    std::wstring caption = WindowText(hwnd);
    RECT measured = text;
    DrawTextW(dc, caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    int height = measured.bottom - measured.top;
    RECT focus{measured.left - 1, (client.bottom - height) / 2 - 1, std::min(measured.right, text.right) + 1,
               (client.bottom + height) / 2 + 1};
    DrawFocusRect(dc, &focus);
  }
}

// The frame runs through the middle of the caption's line; the caption interrupts it.
void PaintGroup(HWND hwnd, HDC dc, DWORD style) {
  RECT client;
  GetClientRect(hwnd, &client);
  HBRUSH brush = ParentColors(hwnd, dc, WM_CTLCOLORSTATIC);
  ClearToTransparent(hwnd, nullptr);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT frame{0, metrics.tmHeight / 2, client.right, client.bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  std::wstring caption = WindowText(hwnd);
  if (caption.empty()) return;
  RECT text{8, 0, client.right - 8, metrics.tmHeight};
  DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
  text.left -= 2;
  text.right = std::min<LONG>(text.right + 2, client.right - 6);
  if (IsHollowBrush(brush)) ClearToTransparent(hwnd, &text);
  else FillRect(dc, &text, brush);
  SetBkMode(dc, TRANSPARENT);
  if (!IsWindowEnabled(hwnd)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  text.left += 2;
  DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | HorizontalAlignment(style, DT_LEFT));
}

}  // namespace

void PaintButton(HWND hwnd, HDC dc, const ButtonState& state) {
  DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  DWORD type = style & BS_TYPEMASK;
  if (type == BS_OWNERDRAW) {
    PaintOwnerDrawn(hwnd, dc, state);
    return;
  }
  HGDIOBJ oldFont = SelectObject(dc, ControlFontOr(state.font));
  if (type == BS_GROUPBOX) PaintGroup(hwnd, dc, style);
  else if (IsPushType(style)) PaintPush(hwnd, dc, state, style);
  else PaintCheck(hwnd, dc, state, style);
  SelectObject(dc, oldFont);
}

}  // namespace win32_internal
