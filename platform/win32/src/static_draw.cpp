// Painting of STATIC controls. The parent chooses text colour, background mode and brush with
// WM_CTLCOLORSTATIC; a hollow brush leaves the background transparent.
#include "controls_internal.h"
#include "static_state.h"

namespace win32_internal {

namespace {

UINT TextFormat(DWORD style) {
  UINT format = DT_EXPANDTABS;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: format |= DT_RIGHT | DT_WORDBREAK; break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: format |= DT_LEFT | DT_SINGLELINE; break;
    default: format |= DT_LEFT | DT_WORDBREAK; break;
  }
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
  switch (style & SS_ELLIPSISMASK) {
    case SS_ENDELLIPSIS: format |= DT_END_ELLIPSIS; break;
    case SS_PATHELLIPSIS: format |= DT_PATH_ELLIPSIS; break;
    case SS_WORDELLIPSIS: format |= DT_WORD_ELLIPSIS; break;
    default: break;
  }
  return format;
}

void PaintText(HWND hwnd, HDC dc, const StaticState& state, DWORD style) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillControlBackground(hwnd, dc, ParentColors(hwnd, dc, WM_CTLCOLORSTATIC));
  if (!IsWindowEnabled(hwnd)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  HGDIOBJ oldFont = SelectObject(dc, ControlFontOr(state.font));
  std::wstring text = WindowText(hwnd);
  DrawTextW(dc, text.c_str(), -1, &client, TextFormat(style));
  SelectObject(dc, oldFont);
}

// Bitmaps sit at the top left (or centred with SS_CENTERIMAGE); icons likewise.
void PaintImage(HWND hwnd, HDC dc, const StaticState& state, DWORD style) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillControlBackground(hwnd, dc, ParentColors(hwnd, dc, WM_CTLCOLORSTATIC));
  if (!state.image) return;
  bool centre = (style & SS_CENTERIMAGE) != 0;
  if ((style & SS_TYPEMASK) == SS_ICON) {
    auto icon = static_cast<HICON>(state.image);
    int size = GetSystemMetrics(SM_CXICON);
    int x = centre ? (client.right - size) / 2 : 0, y = centre ? (client.bottom - size) / 2 : 0;
    DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
    return;
  }
  BITMAP info{};
  if (!GetObjectW(state.image, sizeof info, &info)) return;
  int x = centre ? (client.right - info.bmWidth) / 2 : 0, y = centre ? (client.bottom - info.bmHeight) / 2 : 0;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, state.image);
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

void PaintShape(HWND hwnd, HDC dc, DWORD type) {
  RECT client;
  GetClientRect(hwnd, &client);
  COLORREF colour = type == SS_BLACKRECT || type == SS_BLACKFRAME   ? GetSysColor(COLOR_WINDOWFRAME)
                    : type == SS_GRAYRECT || type == SS_GRAYFRAME   ? GetSysColor(COLOR_BTNSHADOW)
                                                                    : GetSysColor(COLOR_WINDOW);
  HBRUSH brush = CreateSolidBrush(colour);
  if (type == SS_BLACKRECT || type == SS_GRAYRECT || type == SS_WHITERECT) {
    FillRect(dc, &client, brush);
  } else {
    FillControlBackground(hwnd, dc, ParentColors(hwnd, dc, WM_CTLCOLORSTATIC));
    FrameRect(dc, &client, brush);
  }
  DeleteObject(brush);
}

void PaintEtched(HWND hwnd, HDC dc, DWORD type) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillControlBackground(hwnd, dc, ParentColors(hwnd, dc, WM_CTLCOLORSTATIC));
  RECT line = client;
  if (type == SS_ETCHEDHORZ) line.bottom = line.top + 2;
  if (type == SS_ETCHEDVERT) line.right = line.left + 2;
  DrawEdge(dc, &line, EDGE_ETCHED, type == SS_ETCHEDHORZ ? BF_TOP : type == SS_ETCHEDVERT ? BF_LEFT : BF_RECT);
}

}  // namespace

void PaintStatic(HWND hwnd, HDC dc, const StaticState& state) {
  DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  DWORD type = style & SS_TYPEMASK;
  switch (type) {
    case SS_OWNERDRAW: AskParentToDraw(hwnd, dc, ODT_STATIC, IsWindowEnabled(hwnd) ? 0u : ODS_DISABLED); break;
    case SS_BITMAP:
    case SS_ICON: PaintImage(hwnd, dc, state, style); break;
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME: PaintShape(hwnd, dc, type); break;
    case SS_ETCHEDHORZ:
    case SS_ETCHEDVERT:
    case SS_ETCHEDFRAME: PaintEtched(hwnd, dc, type); break;
    default: PaintText(hwnd, dc, state, style); break;
  }
  if (style & SS_SUNKEN) {
    RECT client;
    GetClientRect(hwnd, &client);
    DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
  }
}

}  // namespace win32_internal
