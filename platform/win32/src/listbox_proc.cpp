// The LISTBOX control: a single-selection list of strings with item data, driven by the mouse and the keyboard.
// The combo box's drop-down list is the same control with LBS_COMBOBOX; it reports to its combo box instead.
#include <algorithm>

#include "listbox_internal.h"

namespace win32_internal {

namespace {

int Count(const ListBoxState& state) { return static_cast<int>(state.items.size()); }
bool ValidIndex(const ListBoxState& state, WPARAM index) {
  return static_cast<int>(index) >= 0 && static_cast<int>(index) < Count(state);
}
const wchar_t* TextOf(LPARAM lParam) {
  auto* text = reinterpret_cast<const wchar_t*>(lParam);
  return text ? text : L"";
}

LRESULT InsertItem(HWND hwnd, ListBoxState& state, int position, LPARAM text) {
  state.items.insert(state.items.begin() + position, ListItem{TextOf(text), 0});
  if (state.selection >= position) ++state.selection;
  InvalidateRect(hwnd, nullptr, TRUE);
  return position;
}

LRESULT DeleteItem(HWND hwnd, ListBoxState& state, WPARAM index) {
  if (!ValidIndex(state, index)) return LB_ERR;
  int position = static_cast<int>(index);
  state.items.erase(state.items.begin() + position);
  if (state.selection == position) state.selection = -1;
  else if (state.selection > position) --state.selection;
  state.top = std::clamp(state.top, 0, std::max(0, Count(state) - 1));
  InvalidateRect(hwnd, nullptr, TRUE);
  return Count(state);
}

void Select(HWND hwnd, ListBoxState& state, int index) {
  if (state.selection == index) return;
  state.selection = index;
  EnsureItemVisible(hwnd, state, index);
  InvalidateRect(hwnd, nullptr, TRUE);
}

// A selection the user made: it notifies the parent when the list asks for notifications.
void UserSelect(HWND hwnd, ListBoxState& state, int index) {
  if (index < 0 || index == state.selection) return;
  Select(hwnd, state, index);
  if (GetWindowLongW(hwnd, GWL_STYLE) & LBS_NOTIFY) NotifyParent(hwnd, LBN_SELCHANGE);
}

LRESULT CopyText(const ListBoxState& state, WPARAM index, LPARAM buffer) {
  if (!ValidIndex(state, index) || !buffer) return LB_ERR;
  const std::wstring& text = state.items[index].text;
  text.copy(reinterpret_cast<wchar_t*>(buffer), text.size());
  reinterpret_cast<wchar_t*>(buffer)[text.size()] = L'\0';
  return static_cast<LRESULT>(text.size());
}

// The item a navigation key leads to from the current one, or −1 for other keys.
int KeyTarget(HWND hwnd, const ListBoxState& state, WPARAM key) {
  int last = Count(state) - 1;
  int current = state.selection;
  int page = VisibleItemRows(hwnd, state);
  switch (key) {
    case VK_UP: return current < 0 ? 0 : std::max(0, current - 1);
    case VK_DOWN: return std::min(last, current + 1);
    case VK_HOME: return 0;
    case VK_END: return last;
    case VK_PRIOR: return current < 0 ? 0 : std::max(0, current - page + 1);
    case VK_NEXT: return std::min(last, std::max(0, current) + page - 1);
    default: return -1;
  }
}

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

RECT ClientOf(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return client;
}

// Mouse input of a drop-down list, which holds the capture while it is open.
LRESULT DropListMouse(HWND hwnd, ListBoxState& state, UINT message, LPARAM lParam) {
  RECT client = ClientOf(hwnd);
  POINT point = PointOf(lParam);
  int index = ItemAtPoint(state, point, client);
  switch (message) {
    case WM_MOUSEMOVE:
      if (index >= 0 && index != state.hot) {
        state.hot = index;
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    case WM_LBUTTONDOWN:
      if (!PtInRect(&client, point)) ComboListCancelled(state.combo);
      return 0;
    case WM_LBUTTONUP:
      if (index >= 0) ComboListChose(state.combo, index);
      return 0;
    default:
      return 0;
  }
}

LRESULT ListMessage(HWND hwnd, ListBoxState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LB_ADDSTRING:
      return InsertItem(hwnd, state, Count(state), lParam);
    case LB_INSERTSTRING: {
      int position = static_cast<int>(wParam);
      if (position == -1) position = Count(state);
      if (position < 0 || position > Count(state)) return LB_ERR;
      return InsertItem(hwnd, state, position, lParam);
    }
    case LB_DELETESTRING:
      return DeleteItem(hwnd, state, wParam);
    case LB_RESETCONTENT:
      state.items.clear();
      state.selection = state.hot = -1;
      state.top = 0;
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case LB_GETCOUNT:
      return Count(state);
    case LB_GETCURSEL:
    case LB_GETCARETINDEX:
      return state.selection;
    case LB_SETCURSEL:
    case LB_SETCARETINDEX:
      if (static_cast<int>(wParam) == -1) {
        Select(hwnd, state, -1);
        return LB_ERR;  // as the platform answers a cleared selection
      }
      if (!ValidIndex(state, wParam)) return LB_ERR;
      Select(hwnd, state, static_cast<int>(wParam));
      return state.selection;
    case LB_GETSEL:
      return ValidIndex(state, wParam) ? static_cast<int>(wParam) == state.selection : LB_ERR;
    case LB_GETTEXT:
      return CopyText(state, wParam, lParam);
    case LB_GETTEXTLEN:
      return ValidIndex(state, wParam) ? static_cast<LRESULT>(state.items[wParam].text.size()) : LB_ERR;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: {
      int found = FindListItem(state.items, static_cast<int>(wParam), TextOf(lParam), message == LB_FINDSTRINGEXACT);
      return found < 0 ? LB_ERR : found;
    }
    case LB_SELECTSTRING: {
      int found = FindListItem(state.items, static_cast<int>(wParam), TextOf(lParam), false);
      if (found < 0) return LB_ERR;
      Select(hwnd, state, found);
      return found;
    }
    case LB_GETITEMDATA:
      return ValidIndex(state, wParam) ? static_cast<LRESULT>(state.items[wParam].data) : LB_ERR;
    case LB_SETITEMDATA:
      if (!ValidIndex(state, wParam)) return LB_ERR;
      state.items[wParam].data = static_cast<ULONG_PTR>(lParam);
      return TRUE;
    case LB_GETTOPINDEX:
      return state.top;
    case LB_SETTOPINDEX:
      if (!ValidIndex(state, wParam)) return LB_ERR;
      state.top = static_cast<int>(wParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case LB_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (!ValidIndex(state, wParam) || !rect) return LB_ERR;
      int top = (static_cast<int>(wParam) - state.top) * state.itemHeight;
      *rect = {0, top, ClientOf(hwnd).right, top + state.itemHeight};
      return TRUE;
    }
    case LB_GETITEMHEIGHT:
      return state.itemHeight;
    case LB_SETITEMHEIGHT:
      if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255) return LB_ERR;
      state.itemHeight = LOWORD(lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case LB_ITEMFROMPOINT: {
      POINT point = PointOf(lParam);
      int index = ItemAtPoint(state, point, ClientOf(hwnd));
      if (index >= 0) return MAKELRESULT(index, 0);
      int nearest = std::clamp(state.top + point.y / std::max(1, state.itemHeight), 0, std::max(0, Count(state) - 1));
      return MAKELRESULT(nearest, 1);
    }
    default:
      return LB_ERR;
  }
}

}  // namespace

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* state = new ListBoxState;
    if (cs->style & LBS_COMBOBOX) state->combo = cs->hwndParent;
    state->itemHeight = TextItemHeight(nullptr);
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(state));
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ListBoxState* state = ListStateOf(hwnd);
  if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message >= LB_ADDSTRING && message <= LB_ITEMFROMPOINT) return ListMessage(hwnd, *state, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, 0, 0);
      delete state;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_SETFONT:
    case WM_GETFONT:
      return FontMessage(hwnd, state->font, message, wParam, lParam, TRUE,
                         [&] { state->itemHeight = TextItemHeight(state->font); });
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole client area
    case WM_PAINT:
      return PaintControl(hwnd, [&](HDC dc) { PaintListBox(hwnd, dc, *state); });
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd, nullptr, TRUE);
      if (GetWindowLongW(hwnd, GWL_STYLE) & LBS_NOTIFY)
        NotifyParent(hwnd, message == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
      return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      if (state->combo) return DropListMouse(hwnd, *state, message, lParam);
      if (message == WM_LBUTTONDOWN) {
        SetFocus(hwnd);
        if (ListStateOf(hwnd) == state) UserSelect(hwnd, *state, ItemAtPoint(*state, PointOf(lParam), ClientOf(hwnd)));
      }
      return 0;
    case WM_LBUTTONDBLCLK:
      if (!state->combo && (GetWindowLongW(hwnd, GWL_STYLE) & LBS_NOTIFY)) NotifyParent(hwnd, LBN_DBLCLK);
      return 0;
    case WM_KEYDOWN:
      UserSelect(hwnd, *state, KeyTarget(hwnd, *state, wParam));
      return 0;
    case WM_MOUSEWHEEL: {
      int rows = GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? -3 : 3;
      int top = std::clamp(state->top + rows, 0, std::max(0, Count(*state) - VisibleItemRows(hwnd, *state)));
      if (top != state->top) {
        state->top = top;
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace win32_internal
