// The COMBOBOX control: a selection field with a drop-down list. CBS_DROPDOWNLIST shows the selected item;
// CBS_DROPDOWN also keeps a free text of its own (shown when nothing is selected). Item messages go to the list.
#include <algorithm>

#include "combobox_internal.h"

namespace win32_internal {

namespace {

bool IsDropDownList(HWND combo) { return (GetWindowLongW(combo, GWL_STYLE) & 3) == CBS_DROPDOWNLIST; }

// The list message behind each item message of the combo box (0 for the combo box's own messages).
UINT ListMessageFor(UINT message) {
  switch (message) {
    case CB_ADDSTRING: return LB_ADDSTRING;
    case CB_INSERTSTRING: return LB_INSERTSTRING;
    case CB_DELETESTRING: return LB_DELETESTRING;
    case CB_RESETCONTENT: return LB_RESETCONTENT;
    case CB_GETCOUNT: return LB_GETCOUNT;
    case CB_GETCURSEL: return LB_GETCURSEL;
    case CB_SETCURSEL: return LB_SETCURSEL;
    case CB_GETLBTEXT: return LB_GETTEXT;
    case CB_GETLBTEXTLEN: return LB_GETTEXTLEN;
    case CB_FINDSTRING: return LB_FINDSTRING;
    case CB_FINDSTRINGEXACT: return LB_FINDSTRINGEXACT;
    case CB_SELECTSTRING: return LB_SELECTSTRING;
    case CB_GETITEMDATA: return LB_GETITEMDATA;
    case CB_SETITEMDATA: return LB_SETITEMDATA;
    case CB_GETTOPINDEX: return LB_GETTOPINDEX;
    case CB_SETTOPINDEX: return LB_SETTOPINDEX;
    default: return 0;
  }
}

void FitHeight(HWND combo, const ComboState& state) {
  RECT box{};
  GetWindowRect(combo, &box);
  SetWindowPos(combo, nullptr, 0, 0, box.right - box.left, ComboHeight(state),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SetItemHeight(HWND combo, ComboState& state, WPARAM which, LPARAM height) {
  if (height <= 0 || height > 255) return CB_ERR;
  if (static_cast<int>(which) != -1) return SendMessageW(state.list, LB_SETITEMHEIGHT, 0, height);
  state.fieldHeight = static_cast<int>(height);
  FitHeight(combo, state);
  InvalidateRect(combo, nullptr, TRUE);
  return 0;
}

// The selected item's text, for WM_GETTEXT of a drop-down list.
std::wstring SelectedText(const ComboState& state) {
  const ListBoxState* list = ListStateOf(state.list);
  if (!list || list->selection < 0) return {};
  return list->items[static_cast<size_t>(list->selection)].text;
}

LRESULT ComboInfo(HWND combo, const ComboState& state, LPARAM lParam) {
  auto* info = reinterpret_cast<COMBOBOXINFO*>(lParam);
  if (!info || info->cbSize != sizeof(COMBOBOXINFO)) return FALSE;
  RECT client{};
  GetClientRect(combo, &client);
  info->rcButton = ComboButtonRect(combo);
  int edge = GetSystemMetrics(SM_CXEDGE);
  info->rcItem = {client.left + edge, client.top + edge, info->rcButton.left, client.bottom - edge};
  info->stateButton = 0;
  info->hwndCombo = combo;
  info->hwndItem = combo;
  info->hwndList = state.list;
  return TRUE;
}

LRESULT CreateList(HWND combo, ComboState& state) {
  state.list = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kComboListClass, L"",
                               WS_POPUP | WS_BORDER | LBS_COMBOBOX, 0, 0, 0, 0, combo, nullptr, nullptr,
                               nullptr);
  if (!state.list) return -1;
  FitHeight(combo, state);
  return 0;
}

LRESULT ComboMessage(HWND hwnd, ComboState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  if (UINT listMessage = ListMessageFor(message)) {
    LRESULT result = SendMessageW(state.list, listMessage, wParam, lParam);
    if (message != CB_GETCOUNT && message != CB_GETCURSEL && message != CB_GETLBTEXT &&
        message != CB_GETLBTEXTLEN && message != CB_GETITEMDATA)
      InvalidateRect(hwnd, nullptr, TRUE);
    return result;
  }
  switch (message) {
    case CB_SETITEMHEIGHT:
      return SetItemHeight(hwnd, state, wParam, lParam);
    case CB_GETITEMHEIGHT:
      return static_cast<int>(wParam) == -1 ? state.fieldHeight : SendMessageW(state.list, LB_GETITEMHEIGHT, 0, 0);
    case CB_SHOWDROPDOWN:
      if (wParam) OpenComboList(hwnd, state);
      else CloseComboList(hwnd, state);
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return state.dropped;
    case CB_GETDROPPEDCONTROLRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (!rect) return CB_ERR;
      if (state.dropped) return GetWindowRect(state.list, rect);
      GetWindowRect(hwnd, rect);
      return TRUE;
    }
    case CB_SETDROPPEDWIDTH:
      state.droppedWidth = static_cast<int>(wParam);
      return state.droppedWidth;
    case CB_GETDROPPEDWIDTH: {
      RECT box{};
      GetWindowRect(hwnd, &box);
      return std::max<LRESULT>(state.droppedWidth, box.right - box.left);
    }
    case CB_SETMINVISIBLE:
      if (static_cast<int>(wParam) <= 0) return FALSE;
      state.minVisible = static_cast<int>(wParam);
      return TRUE;
    case CB_GETMINVISIBLE:
      return state.minVisible;
    case CB_GETCOMBOBOXINFO:
      return ComboInfo(hwnd, state, lParam);
    default:
      return CB_ERR;
  }
}

LRESULT TextMessage(HWND hwnd, ComboState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsDropDownList(hwnd)) {
    // CBS_DROPDOWN: the field shows the selected item, or a text of its own once one is set.
    if (message == WM_SETTEXT) {
      SendMessageW(state.list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
      InvalidateRect(hwnd, nullptr, TRUE);
    }
    if (message == WM_SETTEXT || ListStateOf(state.list)->selection < 0)
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  switch (message) {
    case WM_SETTEXT: {
      // A drop-down list can only show one of its items: the text selects the item that equals it.
      auto* text = reinterpret_cast<const wchar_t*>(lParam);
      int found = FindListItem(ListStateOf(state.list)->items, -1, text ? text : L"", true);
      if (found < 0) return CB_ERR;
      SendMessageW(state.list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
      InvalidateRect(hwnd, nullptr, TRUE);
      return TRUE;
    }
    case WM_GETTEXT:
      return CopyTextOut(SelectedText(state), wParam, lParam);
    default:
      return static_cast<LRESULT>(SelectedText(state).size());
  }
}

LRESULT DialogCode(const ComboState& state, LPARAM lParam) {
  LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  auto* msg = reinterpret_cast<const MSG*>(lParam);
  // While the list is open, Enter and Escape close it instead of going to the dialog's buttons.
  if (state.dropped && msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
    code |= DLGC_WANTMESSAGE;
  return code;
}

}  // namespace

ComboState* ComboStateOf(HWND combo) {
  return IsWindow(combo) ? reinterpret_cast<ComboState*>(GetWindowLongPtrW(combo, 0)) : nullptr;
}

int ComboHeight(const ComboState& state) { return state.fieldHeight + 2 * GetSystemMetrics(SM_CYEDGE) + 2; }

LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* state = new ComboState;
    state->fieldHeight = TextItemHeight(nullptr);
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(state));
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ComboState* state = ComboStateOf(hwnd);
  if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message >= CB_GETEDITSEL && message <= CB_GETCOMBOBOXINFO) return ComboMessage(hwnd, *state, message, wParam, lParam);
  if (message == CB_SETMINVISIBLE || message == CB_GETMINVISIBLE) return ComboMessage(hwnd, *state, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      return CreateList(hwnd, *state);
    case WM_DESTROY:
      if (state->dropped && GetCapture() == state->list) ReleaseCapture();
      state->dropped = false;
      DestroyWindow(state->list);
      state->list = nullptr;
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, 0, 0);
      delete state;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_WINDOWPOSCHANGING: {
      // The height given is the height with the list open; the box itself keeps its field's height.
      auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      if (!(pos->flags & SWP_NOSIZE)) pos->cy = ComboHeight(*state);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      return TextMessage(hwnd, *state, message, wParam, lParam);
    case WM_SETFONT:
    case WM_GETFONT:
      return FontMessage(hwnd, state->font, message, wParam, lParam, TRUE, [&] {
        state->fieldHeight = TextItemHeight(state->font);
        SendMessageW(state->list, WM_SETFONT, wParam, 0);
        FitHeight(hwnd, *state);
      });
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole client area
    case WM_PAINT:
      return PaintControl(hwnd, [&](HDC dc) { PaintComboBox(hwnd, dc, *state); });
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(hwnd);
      if (ComboStateOf(hwnd) != state) return 0;
      if (state->dropped) CloseComboList(hwnd, *state);
      else OpenComboList(hwnd, *state);
      return 0;
    case WM_KEYDOWN:
      ComboKeyDown(hwnd, *state, wParam);
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_DOWN || wParam == VK_UP) {
        ComboKeyDown(hwnd, *state, wParam);
        return 0;
      }
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_CHAR:
      ComboChar(hwnd, *state, static_cast<wchar_t>(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      if (!state->dropped) {
        int current = static_cast<int>(SendMessageW(state->list, LB_GETCURSEL, 0, 0));
        UserSelectInCombo(hwnd, *state, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? current - 1 : current + 1);
      }
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(*state, lParam);
    case WM_SETFOCUS:
      InvalidateRect(hwnd, nullptr, TRUE);
      NotifyParent(hwnd, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if (state->dropped) ComboListCancelled(hwnd);
      if (ComboStateOf(hwnd) != state) return 0;
      InvalidateRect(hwnd, nullptr, TRUE);
      NotifyParent(hwnd, CBN_KILLFOCUS);
      return 0;
    case WM_ENABLE:
      if (!wParam && state->dropped) CloseComboList(hwnd, *state);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace win32_internal

BOOL GetComboBoxInfo(HWND combo, PCOMBOBOXINFO info) {
  return static_cast<BOOL>(SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(info)));
}
