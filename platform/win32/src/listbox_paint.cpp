// Drawing a list box: its background, its items and the highlighted one, and the geometry of its rows.
#include <algorithm>

#include "listbox_internal.h"

namespace win32_internal {

ListBoxState* ListStateOf(HWND list) {
  return reinterpret_cast<ListBoxState*>(GetWindowLongPtrW(list, 0));
}

int VisibleItemRows(HWND list, const ListBoxState& state) {
  RECT client{};
  GetClientRect(list, &client);
  return std::max(1, static_cast<int>(client.bottom) / std::max(1, state.itemHeight));
}

int ItemAtPoint(const ListBoxState& state, POINT client, const RECT& clientRect) {
  if (client.x < clientRect.left || client.x >= clientRect.right || client.y < clientRect.top ||
      client.y >= clientRect.bottom)
    return -1;
  int index = state.top + client.y / std::max(1, state.itemHeight);
  return index < static_cast<int>(state.items.size()) ? index : -1;
}

void EnsureItemVisible(HWND list, ListBoxState& state, int index) {
  if (index < 0) return;
  int rows = VisibleItemRows(list, state);
  int top = state.top;
  if (index < top) top = index;
  if (index >= top + rows) top = index - rows + 1;
  if (top != state.top) {
    state.top = top;
    InvalidateRect(list, nullptr, TRUE);
  }
}

void PaintListBox(HWND list, HDC hdc, const ListBoxState& state) {
  RECT client{};
  GetClientRect(list, &client);
  HBRUSH background = GetSysColorBrush(COLOR_WINDOW);
  COLORREF textColor = GetSysColor(COLOR_WINDOWTEXT);
  // The parent may choose the colours, as for every standard control; a combo box's dropped list asks the combo
  // box's parent, in the combo box's name, so that it shows in the colours of the closed field.
  HWND parent = state.combo ? GetParent(state.combo) : GetParent(list);
  HWND asking = state.combo ? state.combo : list;
  if (parent) {
    auto chosen = reinterpret_cast<HBRUSH>(
        SendMessageW(parent, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(asking)));
    if (chosen) background = chosen;
    textColor = GetTextColor(hdc);
  }
  FillRect(hdc, &client, background);
  HGDIOBJ oldFont = SelectObject(hdc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(hdc, TRANSPARENT);
  int highlighted = state.combo && state.hot >= 0 ? state.hot : state.selection;
  bool enabled = IsWindowEnabled(list) != FALSE;
  for (int index = state.top; index < static_cast<int>(state.items.size()); ++index) {
    RECT row{client.left, (index - state.top) * state.itemHeight, client.right, 0};
    row.bottom = row.top + state.itemHeight;
    if (row.top >= client.bottom) break;
    bool selected = index == highlighted;
    if (selected) FillRect(hdc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(hdc, !enabled ? GetSysColor(COLOR_GRAYTEXT) : selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColor);
    RECT text = row;
    text.left += 2;
    const std::wstring& label = state.items[static_cast<size_t>(index)].text;
    DrawTextW(hdc, label.c_str(), static_cast<int>(label.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (selected && !state.combo && GetFocus() == list) DrawFocusRect(hdc, &row);
  }
  SelectObject(hdc, oldFont);
}

}  // namespace win32_internal
