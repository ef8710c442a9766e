// The tab control's layout and painting: one row of tabs sized to their labels (and icons), the
// selected tab raised and joined to the panel below.
#include <algorithm>

#include "controls_internal.h"
#include "tabctrl_internal.h"

namespace win32_internal {

namespace {

constexpr int kLabelPadding = 6;  // left and right of a tab's icon and label
constexpr int kIconGap = 3;       // between icon and label
constexpr int kRaise = 2;         // how much higher the selected tab stands

SIZE IconSize(const TabControlState& state) {
  int cx = 0, cy = 0;
  if (state.images == nullptr || !ImageList_GetIconSize(state.images, &cx, &cy)) return {0, 0};
  return {cx, cy};
}

}  // namespace

int TabRowHeight(HWND, const TabControlState& state) {
  HDC hdc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, ControlFontOr(state.font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(hdc, &metrics);
  SelectObject(hdc, old);
  ReleaseDC(nullptr, hdc);
  return std::max<int>(metrics.tmHeight, IconSize(state).cy) + 6 + kRaise;
}

std::vector<RECT> TabRects(HWND hwnd, const TabControlState& state) {
  std::vector<RECT> rects;
  HDC hdc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, ControlFontOr(state.font));
  const int height = TabRowHeight(hwnd, state);
  const SIZE icon = IconSize(state);
  int x = kRaise;
  for (const TabItem& item : state.items) {
    SIZE text{0, 0};
    GetTextExtentPoint32W(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &text);
    int width = 2 * kLabelPadding + text.cx;
    if (item.image >= 0 && icon.cx > 0) width += icon.cx + (text.cx > 0 ? kIconGap : 0);
    rects.push_back({x, kRaise, x + width, height});
    x += width;
  }
  SelectObject(hdc, old);
  ReleaseDC(nullptr, hdc);
  return rects;
}

void PaintTabControl(HWND hwnd, HDC hdc, const TabControlState& state) {
  RECT client{};
  GetClientRect(hwnd, &client);
  FillRect(hdc, &client, GetSysColorBrush(COLOR_3DFACE));
  const int rowHeight = TabRowHeight(hwnd, state);
  // The panel under the tabs, in the selected tab's colour so that the two read as one.
  RECT panel{client.left, rowHeight - 1, client.right, client.bottom};
  FillRect(hdc, &panel, GetSysColorBrush(COLOR_WINDOW));
  HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DSHADOW));
  HGDIOBJ oldPen = SelectObject(hdc, shadow);
  HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
  Rectangle(hdc, panel.left, panel.top, panel.right, panel.bottom);
  HGDIOBJ oldFont = SelectObject(hdc, ControlFontOr(state.font));
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
  const std::vector<RECT> rects = TabRects(hwnd, state);
  const SIZE icon = IconSize(state);
  for (size_t i = 0; i < rects.size(); ++i) {
    RECT tab = rects[i];
    const bool selected = static_cast<int>(i) == state.current;
    if (selected) {
      InflateRect(&tab, kRaise, 0);
      tab.top -= kRaise;
      tab.bottom += 1;  // covers the panel's top edge, joining the two
    }
    FillRect(hdc, &tab, GetSysColorBrush(selected ? COLOR_WINDOW : COLOR_3DFACE));
    MoveToEx(hdc, tab.left, tab.bottom - 1, nullptr);
    LineTo(hdc, tab.left, tab.top);
    LineTo(hdc, tab.right - 1, tab.top);
    LineTo(hdc, tab.right - 1, tab.bottom);
    RECT label{tab.left + kLabelPadding, tab.top, tab.right - kLabelPadding, tab.bottom};
    const TabItem& item = state.items[i];
    if (item.image >= 0 && icon.cx > 0) {
      ImageList_Draw(state.images, item.image, hdc, label.left, (label.top + label.bottom - icon.cy) / 2,
                     ILD_TRANSPARENT);
      label.left += icon.cx + kIconGap;
    }
    DrawTextW(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &label,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  }
  SelectObject(hdc, oldFont);
  SelectObject(hdc, oldBrush);
  SelectObject(hdc, oldPen);
  DeleteObject(shadow);
}

}  // namespace win32_internal
