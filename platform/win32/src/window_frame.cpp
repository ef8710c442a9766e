// Sizes, hit-testing and drawing of the simple non-client frame.
#include "window_frame.h"

#include <algorithm>

#include "scrollbar_window.h"

namespace win32_internal {

namespace {

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

int BorderWidth(DWORD style, DWORD exStyle) {
  int width = 0;
  if (style & WS_THICKFRAME) width = GetSystemMetrics(SM_CXFRAME);
  else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) width = GetSystemMetrics(SM_CXDLGFRAME);
  else if (style & WS_BORDER) width = GetSystemMetrics(SM_CXBORDER);
  if (exStyle & WS_EX_CLIENTEDGE) width += GetSystemMetrics(SM_CXEDGE);
  if (exStyle & WS_EX_STATICEDGE) width += GetSystemMetrics(SM_CXBORDER);
  return width;
}

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

void SetColor(cairo_t* cr, COLORREF color) {
  cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

void FillBox(cairo_t* cr, const RECT& r, COLORREF color) {
  if (IsEmptyRect(r)) return;
  SetColor(cr, color);
  cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
  cairo_fill(cr);
}

// A one-pixel rectangle outline: top and left in `topLeft`, bottom and right in `bottomRight`.
void Edge(cairo_t* cr, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  FillBox(cr, {r.left, r.top, r.right, r.top + 1}, topLeft);
  FillBox(cr, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
  FillBox(cr, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  FillBox(cr, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

RECT Deflate(RECT r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// Space between the caption's left and right ends and its title.
constexpr int kCaptionTextMargin = 4;

// The title, left-aligned in the caption band and cut with an ellipsis before its right end, in the caption font.
void DrawCaptionTitle(HWND hwnd, const std::wstring& title, RECT band, bool active) {
  if (title.empty()) return;
  HDC hdc = GetWindowDC(hwnd);
  if (!hdc) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  HFONT font = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)
                   ? CreateFontIndirectW(&metrics.lfCaptionFont)
                   : nullptr;
  HGDIOBJ oldFont = SelectObject(hdc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  band.left += kCaptionTextMargin;
  band.right -= kCaptionTextMargin;
  DrawTextW(hdc, title.c_str(), static_cast<int>(title.size()), &band,
            DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(hdc, oldFont);
  if (font) DeleteObject(font);
  ReleaseDC(hwnd, hdc);
}

}  // namespace

FrameInsets FrameInsetsFor(DWORD style, DWORD exStyle, bool menu) {
  int border = BorderWidth(style, exStyle);
  FrameInsets insets{border, border, border, border};
  if (HasCaption(style)) insets.top += GetSystemMetrics(SM_CYCAPTION);
  if (menu) insets.top += GetSystemMetrics(SM_CYMENU);
  return insets;
}

RECT ClientFromWindowRect(const RECT& windowRect, DWORD style, DWORD exStyle) {
  FrameInsets insets = FrameInsetsFor(style, exStyle, false);
  RECT client{windowRect.left + insets.left, windowRect.top + insets.top, windowRect.right - insets.right,
              windowRect.bottom - insets.bottom};
  if (style & WS_VSCROLL) client.right -= GetSystemMetrics(SM_CXVSCROLL);
  if (style & WS_HSCROLL) client.bottom -= GetSystemMetrics(SM_CYHSCROLL);
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  return client;
}

LRESULT FrameHitTest(const Window& window, POINT p) {
  RECT outer = ScreenWindowRect(window);
  if (!Inside(outer, p)) return HTNOWHERE;
  POINT origin = ClientOrigin(window);
  RECT client{origin.x, origin.y, origin.x + window.clientRect.right - window.clientRect.left,
              origin.y + window.clientRect.bottom - window.clientRect.top};
  if (Inside(client, p)) return HTCLIENT;
  if ((window.style & WS_VSCROLL) && p.x >= client.right && p.x < client.right + GetSystemMetrics(SM_CXVSCROLL) &&
      p.y >= client.top && p.y < client.bottom)
    return HTVSCROLL;
  if ((window.style & WS_HSCROLL) && p.y >= client.bottom && p.y < client.bottom + GetSystemMetrics(SM_CYHSCROLL) &&
      p.x >= client.left && p.x < client.right)
    return HTHSCROLL;
  int border = BorderWidth(window.style, window.exStyle);
  RECT inner = Deflate(outer, border);
  if (Inside(inner, p)) {
    if (HasCaption(window.style) && p.y < inner.top + GetSystemMetrics(SM_CYCAPTION)) return HTCAPTION;
    return HTNOWHERE;
  }
  if (!(window.style & WS_THICKFRAME)) return HTBORDER;
  bool left = p.x < inner.left, right = p.x >= inner.right, top = p.y < inner.top, bottom = p.y >= inner.bottom;
  if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
  if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
  return left ? HTLEFT : HTRIGHT;
}

void PaintFrame(Window& window, bool active) {
  EnsureSurface(window);
  if (!window.surface) return;
  // The frame takes its colours from the system colours, as the controls do.
  const COLORREF face = GetSysColor(COLOR_3DFACE), light = GetSysColor(COLOR_3DLIGHT),
                 highlight = GetSysColor(COLOR_3DHIGHLIGHT), shadow = GetSysColor(COLOR_3DSHADOW),
                 darkShadow = GetSysColor(COLOR_3DDKSHADOW);
  cairo_t* cr = cairo_create(window.surface);
  RECT whole{0, 0, window.windowRect.right - window.windowRect.left, window.windowRect.bottom - window.windowRect.top};
  RECT client = ClientAreaInWindow(window);
  // Everything outside the client area belongs to the frame.
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_rectangle(cr, 0, 0, whole.right, whole.bottom);
  cairo_rectangle(cr, client.left, client.top, client.right - client.left, client.bottom - client.top);
  cairo_clip(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  FillBox(cr, whole, face);
  RECT r = whole;
  DWORD style = window.style, exStyle = window.exStyle;
  if (style & (WS_THICKFRAME | WS_DLGFRAME)) {
    Edge(cr, r, light, darkShadow);
    Edge(cr, Deflate(r, 1), highlight, shadow);
  } else if (style & WS_BORDER) {
    Edge(cr, r, darkShadow, darkShadow);
  }
  int border = BorderWidth(style, exStyle) - ((exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0) -
               ((exStyle & WS_EX_STATICEDGE) ? 1 : 0);
  r = Deflate(r, border);
  RECT caption{};
  if (HasCaption(style)) {
    caption = {r.left, r.top, r.right, r.top + GetSystemMetrics(SM_CYCAPTION)};
    FillBox(cr, caption, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    r.top = caption.bottom;
  }
  if (exStyle & WS_EX_CLIENTEDGE) {
    Edge(cr, r, shadow, highlight);
    Edge(cr, Deflate(r, 1), darkShadow, light);
  } else if (exStyle & WS_EX_STATICEDGE) {
    Edge(cr, r, shadow, highlight);
  }
  cairo_destroy(cr);
  cairo_surface_mark_dirty(window.surface);
  HWND hwnd = window.handle;
  if (!IsEmptyRect(caption)) DrawCaptionTitle(hwnd, window.text, caption, active);
  PaintWindowScrollBars(hwnd);
}

}  // namespace win32_internal
