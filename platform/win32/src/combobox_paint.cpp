// Drawing a combo box: a sunken field showing the selected item, and the drop-down button with its arrow.
#include "combobox_internal.h"

namespace win32_internal {

namespace {

void DrawArrow(HDC hdc, const RECT& button, COLORREF color) {
  int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2;
  POINT arrow[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
  FillGlyph(hdc, arrow, 3, color);
}

}  // namespace

RECT ComboButtonRect(HWND combo) {
  RECT client{};
  GetClientRect(combo, &client);
  int edge = GetSystemMetrics(SM_CXEDGE);
  return {client.right - edge - GetSystemMetrics(SM_CXVSCROLL), client.top + edge, client.right - edge,
          client.bottom - edge};
}

void PaintComboBox(HWND combo, HDC hdc, const ComboState& state) {
  RECT client{};
  GetClientRect(combo, &client);
  bool enabled = IsWindowEnabled(combo) != FALSE;
  HWND parent = GetParent(combo);
  HBRUSH background = GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_3DFACE);
  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  if (parent && enabled) {
    auto chosen = reinterpret_cast<HBRUSH>(
        SendMessageW(parent, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(combo)));
    if (chosen) background = chosen;
  }
  COLORREF textColor = enabled ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);
  FillRect(hdc, &client, background);
  RECT frame = client;
  DrawEdge(hdc, &frame, EDGE_SUNKEN, BF_RECT);

  RECT button = ComboButtonRect(combo);
  FillRect(hdc, &button, GetSysColorBrush(COLOR_3DFACE));
  RECT buttonEdge = button;
  DrawEdge(hdc, &buttonEdge, state.dropped ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT);
  DrawArrow(hdc, button, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));

  int edge = GetSystemMetrics(SM_CXEDGE);
  RECT field{client.left + edge + 1, client.top + edge + 1, button.left - 1, client.bottom - edge - 1};
  bool focused = GetFocus() == combo && !state.dropped;
  if (focused) FillRect(hdc, &field, GetSysColorBrush(COLOR_HIGHLIGHT));
  // The selected item; a CBS_DROPDOWN box without a selection shows its own text.
  int selection = static_cast<int>(SendMessageW(state.list, LB_GETCURSEL, 0, 0));
  std::wstring text;
  if (selection >= 0) text = ListStateOf(state.list)->items[static_cast<size_t>(selection)].text;
  else text = WindowText(combo);  // empty for a drop-down list
  if (!text.empty()) {
    HGDIOBJ oldFont = SelectObject(hdc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, focused ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColor);
    RECT textRect = field;
    textRect.left += 2;
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(hdc, oldFont);
  }
  if (focused) DrawFocusRect(hdc, &field);
}

}  // namespace win32_internal
