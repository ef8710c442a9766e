// The window of an open popup menu: its items laid out in rows (owner-drawn ones measured by the owner) and
// painted, so that screenshots show the menu while the responder chooses.
#include <algorithm>
#include <memory>
#include <utility>

#include "controls_internal.h"
#include "menu_internal.h"

namespace win32_internal {

namespace {

constexpr int kCheckColumn = 24;   // room for the check mark, left of the text
constexpr int kArrowColumn = 24;   // room for the submenu arrow, right of the text
constexpr int kShortcutGap = 24;   // between the text and the shortcut after its tab
constexpr int kSeparatorHeight = 9;
constexpr int kPadding = 2;        // inside the border, above the first and below the last row

struct PopupMenuState {
  HMENU menu = nullptr;
  HWND owner = nullptr;
  std::vector<RECT> rows;  // client coordinates, one per item
  SIZE size{};             // the client size the rows need
};

winsim::PopupMenuPainter& Painter() {
  static winsim::PopupMenuPainter painter;
  return painter;
}

COLORREF TextColor(bool enabled) {
  if (Painter().textColor) return Painter().textColor(!enabled);
  return GetSysColor(enabled ? COLOR_MENUTEXT : COLOR_GRAYTEXT);
}

void FillBackground(HDC hdc, const RECT& client) {
  if (Painter().fillBackground) Painter().fillBackground(hdc, client);
  else FillRect(hdc, &client, GetSysColorBrush(COLOR_MENU));
}

void DrawSeparator(HDC hdc, const RECT& row) {
  if (Painter().drawSeparator) {
    Painter().drawSeparator(hdc, row);
    return;
  }
  RECT line{row.left + kCheckColumn, (row.top + row.bottom) / 2, row.right - 4, (row.top + row.bottom) / 2 + 1};
  FillRect(hdc, &line, GetSysColorBrush(COLOR_3DSHADOW));
}

PopupMenuState* StateOf(HWND hwnd) { return reinterpret_cast<PopupMenuState*>(GetWindowLongPtrW(hwnd, 0)); }

std::wstring Before(const std::wstring& text, wchar_t mark) { return text.substr(0, text.find(mark)); }
std::wstring After(const std::wstring& text, wchar_t mark) {
  size_t at = text.find(mark);
  return at == std::wstring::npos ? std::wstring() : text.substr(at + 1);
}

int TextWidth(HDC hdc, const std::wstring& text) {
  RECT rect{0, 0, 0, 0};
  DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_CALCRECT);
  return rect.right - rect.left;
}

SIZE MeasureItem(HDC hdc, const MenuItem& item, HWND owner, int textHeight) {
  if (item.IsSeparator()) return {0, kSeparatorHeight};
  if (item.IsOwnerDrawn()) {
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.id, 0, static_cast<UINT>(textHeight + 8), item.data};
    SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    return {static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
  }
  std::wstring shortcut = After(item.text, L'\t');
  int width = TextWidth(hdc, Before(item.text, L'\t'));
  if (!shortcut.empty()) width += kShortcutGap + TextWidth(hdc, shortcut);
  return {width, textHeight + 8};
}

// Which separators take no room: none, unless the painter hides those that open or close the menu or follow
// another separator.
std::vector<bool> HiddenSeparators(const std::vector<MenuItem>& items) {
  std::vector<bool> hidden(items.size(), false);
  if (!Painter().hideExtraSeparators) return hidden;
  bool afterContent = false;  // an item other than a separator is shown above
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i].IsSeparator()) {
      afterContent = true;
      continue;
    }
    hidden[i] = !afterContent;
    afterContent = false;
  }
  // Separators at the end close the menu.
  for (size_t i = items.size(); i-- > 0 && items[i].IsSeparator();) hidden[i] = true;
  return hidden;
}

void Layout(PopupMenuState& state) {
  const Menu* menu = MenuTable().Find(reinterpret_cast<std::uintptr_t>(state.menu));
  HDC hdc = GetDC(nullptr);
  HGDIOBJ oldFont = SelectObject(hdc, MenuFont());
  TEXTMETRICW metrics{};
  GetTextMetricsW(hdc, &metrics);
  std::vector<SIZE> sizes;
  const std::vector<bool> hidden = HiddenSeparators(menu->items);
  for (size_t i = 0; i < menu->items.size(); ++i)
    sizes.push_back(hidden[i] ? SIZE{0, 0} : MeasureItem(hdc, menu->items[i], state.owner, metrics.tmHeight));
  SelectObject(hdc, oldFont);
  ReleaseDC(nullptr, hdc);
  int width = 80;
  for (const SIZE& size : sizes) width = std::max<int>(width, size.cx + kCheckColumn + kArrowColumn);
  int y = kPadding;
  for (const SIZE& size : sizes) {
    state.rows.push_back({kPadding, y, kPadding + width, y + size.cy});
    y += size.cy;
  }
  state.size = {width + 2 * kPadding, y + kPadding};
}

void DrawSubmenuArrow(HDC hdc, const RECT& row, COLORREF color) {
  int x = row.right - kArrowColumn / 2, y = (row.top + row.bottom) / 2;
  POINT arrow[3] = {{x - 2, y - 4}, {x + 2, y}, {x - 2, y + 4}};
  FillGlyph(hdc, arrow, 3, color);
}

void DrawTextItem(HDC hdc, const MenuItem& item, const RECT& row) {
  COLORREF color = TextColor(item.IsEnabled());
  SetTextColor(hdc, color);
  if (item.state & MF_CHECKED) {
    RECT mark{row.left, row.top, row.left + kCheckColumn, row.bottom};
    const wchar_t* glyph = (item.type & MFT_RADIOCHECK) ? L"\u25CF" : L"\u2713";
    DrawTextW(hdc, glyph, 1, &mark, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  }
  RECT text{row.left + kCheckColumn, row.top, row.right - kArrowColumn, row.bottom};
  std::wstring label = Before(item.text, L'\t'), shortcut = After(item.text, L'\t');
  DrawTextW(hdc, label.c_str(), static_cast<int>(label.size()), &text, DT_SINGLELINE | DT_VCENTER);
  if (!shortcut.empty())
    DrawTextW(hdc, shortcut.c_str(), static_cast<int>(shortcut.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  if (item.submenu) DrawSubmenuArrow(hdc, row, color);
}

void DrawOwnerItem(HDC hdc, const PopupMenuState& state, const MenuItem& item, const RECT& row) {
  UINT itemState = (item.IsEnabled() ? 0 : ODS_GRAYED | ODS_DISABLED) | ((item.state & MF_CHECKED) ? ODS_CHECKED : 0);
  DRAWITEMSTRUCT draw{ODT_MENU, 0, item.id, ODA_DRAWENTIRE, itemState, reinterpret_cast<HWND>(state.menu), hdc, row,
                      item.data};
  SendMessageW(state.owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}

void Paint(HWND hwnd, HDC hdc, const PopupMenuState& state) {
  RECT client{};
  GetClientRect(hwnd, &client);
  FillBackground(hdc, client);
  const Menu* menu = MenuTable().Find(reinterpret_cast<std::uintptr_t>(state.menu));
  if (!menu) return;
  HGDIOBJ oldFont = SelectObject(hdc, MenuFont());
  SetBkMode(hdc, TRANSPARENT);
  for (size_t i = 0; i < menu->items.size() && i < state.rows.size(); ++i) {
    const MenuItem& item = menu->items[i];
    const RECT& row = state.rows[i];
    if (row.bottom <= row.top) continue;  // a hidden separator
    if (item.IsSeparator()) {
      int saved = SaveDC(hdc);
      DrawSeparator(hdc, row);
      RestoreDC(hdc, saved);
    } else if (item.IsOwnerDrawn()) {
      int saved = SaveDC(hdc);
      DrawOwnerItem(hdc, state, item, row);
      RestoreDC(hdc, saved);
    } else {
      DrawTextItem(hdc, item, row);
    }
  }
  SelectObject(hdc, oldFont);
}

LRESULT CALLBACK PopupMenuProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    case WM_NCDESTROY:
      delete StateOf(hwnd);
      SetWindowLongPtrW(hwnd, 0, 0);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      if (hdc && StateOf(hwnd)) Paint(hwnd, hdc, *StateOf(hwnd));
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void RegisterPopupMenuClass() {
  WNDCLASSEXW existing{};
  if (GetClassInfoExW(nullptr, kPopupMenuClass, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_GLOBALCLASS | CS_SAVEBITS | CS_DROPSHADOW;
  wc.lpfnWndProc = PopupMenuProc;
  wc.cbWndExtra = sizeof(void*);
  wc.lpszClassName = kPopupMenuClass;
  RegisterClassExW(&wc);
}

// The menu's corner at `at` as the alignment flags say, kept on the screen.
POINT Place(POINT at, SIZE size, UINT flags) {
  if (flags & TPM_RIGHTALIGN) at.x -= size.cx;
  else if (flags & TPM_CENTERALIGN) at.x -= size.cx / 2;
  if (flags & TPM_BOTTOMALIGN) at.y -= size.cy;
  else if (flags & TPM_VCENTERALIGN) at.y -= size.cy / 2;
  at.x = std::clamp<LONG>(at.x, 0, std::max<LONG>(0, GetSystemMetrics(SM_CXSCREEN) - size.cx));
  at.y = std::clamp<LONG>(at.y, 0, std::max<LONG>(0, GetSystemMetrics(SM_CYSCREEN) - size.cy));
  return at;
}

}  // namespace

HWND ShowPopupMenuWindow(HMENU menu, HWND owner, POINT at, UINT flags) {
  RegisterPopupMenuClass();
  auto state = std::make_unique<PopupMenuState>();
  state->menu = menu;
  state->owner = owner;
  Layout(*state);
  RECT frame{0, 0, state->size.cx, state->size.cy};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, 0);
  SIZE outer{frame.right - frame.left, frame.bottom - frame.top};
  POINT corner = Place(at, outer, flags);
  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kPopupMenuClass, L"",
                                WS_POPUP | WS_BORDER, corner.x, corner.y, outer.cx, outer.cy, owner, nullptr, nullptr,
                                state.get());
  if (!window) return nullptr;
  state.release();  // the window owns it now
  ShowWindow(window, SW_SHOWNA);
  UpdateWindow(window);
  return window;
}

}  // namespace win32_internal

void winsim::SetPopupMenuPainter(PopupMenuPainter painter) { win32_internal::Painter() = std::move(painter); }
