// The tab control's window procedure: items, the current selection, hit-testing, the display
// area, and TCN_SELCHANGING / TCN_SELCHANGE to the parent when a click changes the selection.
#include <algorithm>
#include <mutex>

#include "controls_internal.h"
#include "tabctrl_internal.h"

namespace win32_internal {

namespace {

constexpr int kStateIndex = 0;  // the state pointer in the window's extra bytes
constexpr int kBorder = 2;      // the panel's frame, outside the display area

TabControlState* StateOrNull(HWND hwnd) {
  return reinterpret_cast<TabControlState*>(GetWindowLongPtrW(hwnd, kStateIndex));
}

bool ValidIndex(const TabControlState& state, WPARAM index) { return index < state.items.size(); }

LRESULT Notify(HWND hwnd, UINT code) {
  NMHDR header{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code};
  HWND parent = GetParent(hwnd);
  return parent != nullptr ? SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) : 0;
}

int HitTest(HWND hwnd, const TabControlState& state, POINT point, UINT* flags) {
  const std::vector<RECT> rects = TabRects(hwnd, state);
  for (size_t i = 0; i < rects.size(); ++i) {
    if (PtInRect(&rects[i], point)) {
      if (flags != nullptr) *flags = TCHT_ONITEM;
      return static_cast<int>(i);
    }
  }
  if (flags != nullptr) *flags = TCHT_NOWHERE;
  return -1;
}

void ReadItem(const TabItem& item, TCITEMW& out) {
  if ((out.mask & TCIF_TEXT) && out.pszText != nullptr && out.cchTextMax > 0) {
    const size_t count = std::min(item.text.size(), static_cast<size_t>(out.cchTextMax - 1));
    std::copy_n(item.text.c_str(), count, out.pszText);
    out.pszText[count] = L'\0';
  }
  if (out.mask & TCIF_IMAGE) out.iImage = item.image;
  if (out.mask & TCIF_PARAM) out.lParam = item.param;
}

void WriteItem(const TCITEMW& in, TabItem& item) {
  if (in.mask & TCIF_TEXT) item.text = in.pszText != nullptr ? in.pszText : L"";
  if (in.mask & TCIF_IMAGE) item.image = in.iImage;
  if (in.mask & TCIF_PARAM) item.param = in.lParam;
}

// The display area from the window rectangle (bLarger FALSE), or the reverse.
void AdjustRect(HWND hwnd, const TabControlState& state, BOOL bLarger, RECT* rect) {
  const int top = TabRowHeight(hwnd, state) + kBorder;
  const int sign = bLarger ? -1 : 1;
  rect->left += sign * kBorder;
  rect->right -= sign * kBorder;
  rect->top += sign * top;
  rect->bottom -= sign * kBorder;
}

void Click(HWND hwnd, TabControlState& state, POINT point) {
  if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & TCS_FOCUSNEVER)) SetFocus(hwnd);
  const int index = HitTest(hwnd, state, point, nullptr);
  if (index < 0 || index == state.current) return;
  if (Notify(hwnd, TCN_SELCHANGING) != 0 || !IsWindow(hwnd)) return;
  state.current = index;
  InvalidateRect(hwnd, nullptr, TRUE);
  Notify(hwnd, TCN_SELCHANGE);
}

LRESULT HandleItems(HWND hwnd, TabControlState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case TCM_GETITEMCOUNT:
      return static_cast<LRESULT>(state.items.size());
    case TCM_INSERTITEMW: {
      const auto* in = reinterpret_cast<const TCITEMW*>(lParam);
      if (in == nullptr) return -1;
      const size_t at = std::min<size_t>(wParam, state.items.size());
      TabItem item;
      WriteItem(*in, item);
      state.items.insert(state.items.begin() + static_cast<std::ptrdiff_t>(at), item);
      if (state.current >= static_cast<int>(at)) ++state.current;
      if (state.current < 0) state.current = 0;
      InvalidateRect(hwnd, nullptr, TRUE);
      return static_cast<LRESULT>(at);
    }
    case TCM_DELETEITEM: {
      if (!ValidIndex(state, wParam)) return FALSE;
      const int index = static_cast<int>(wParam);
      state.items.erase(state.items.begin() + index);
      if (state.current == index) {
        state.current = -1;
      } else if (state.current > index) {
        --state.current;
      }
      InvalidateRect(hwnd, nullptr, TRUE);
      return TRUE;
    }
    case TCM_DELETEALLITEMS:
      state.items.clear();
      state.current = -1;
      InvalidateRect(hwnd, nullptr, TRUE);
      return TRUE;
    case TCM_GETITEMW:
    case TCM_SETITEMW: {
      auto* item = reinterpret_cast<TCITEMW*>(lParam);
      if (item == nullptr || !ValidIndex(state, wParam)) return FALSE;
      if (message == TCM_GETITEMW) {
        ReadItem(state.items[wParam], *item);
      } else {
        WriteItem(*item, state.items[wParam]);
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return TRUE;
    }
    default:
      return 0;
  }
}

LRESULT CALLBACK TabControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TabControlState* state = StateOrNull(hwnd);
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, kStateIndex, reinterpret_cast<LONG_PTR>(new TabControlState));
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (state == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, kStateIndex, 0);
      delete state;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case TCM_GETITEMCOUNT:
    case TCM_INSERTITEMW:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
    case TCM_GETITEMW:
    case TCM_SETITEMW:
      return HandleItems(hwnd, *state, message, wParam, lParam);
    case TCM_GETCURSEL:
      return state->current;
    case TCM_SETCURSEL: {
      // No notification: only the user's clicks notify.
      const int previous = state->current;
      if (!ValidIndex(*state, wParam)) return -1;
      state->current = static_cast<int>(wParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return previous;
    }
    case TCM_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      const std::vector<RECT> rects = TabRects(hwnd, *state);
      if (rect == nullptr || wParam >= rects.size()) return FALSE;
      *rect = rects[wParam];
      return TRUE;
    }
    case TCM_HITTEST: {
      auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
      return info != nullptr ? HitTest(hwnd, *state, info->pt, &info->flags) : -1;
    }
    case TCM_ADJUSTRECT:
      if (lParam != 0) AdjustRect(hwnd, *state, static_cast<BOOL>(wParam), reinterpret_cast<RECT*>(lParam));
      return 0;
    case TCM_SETIMAGELIST: {
      HIMAGELIST previous = state->images;
      state->images = reinterpret_cast<HIMAGELIST>(lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return reinterpret_cast<LRESULT>(previous);
    }
    case TCM_GETIMAGELIST:
      return reinterpret_cast<LRESULT>(state->images);
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a quick second click selects as the first did
      Click(hwnd, *state, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills everything
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC hdc = BeginPaint(hwnd, &paint);
      PaintTabControl(hwnd, hdc, *state);
      EndPaint(hwnd, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

}  // namespace win32_internal

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
  if (picce == nullptr || picce->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
  static std::once_flag once;
  // A global class outlives the simulation's resets, as the standard controls' classes do.
  std::call_once(once, [] {
    win32_internal::RegisterControlClass(WC_TABCONTROLW, win32_internal::TabControlProc, CS_HREDRAW | CS_VREDRAW);
  });
  return TRUE;
}

void InitCommonControls() {
  INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&init);
}
