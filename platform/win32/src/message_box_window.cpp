// The window of an observed message box: the caption, the text and a row of buttons, centred on its owner
// (or the screen), so that a screenshot shows what the user would read.
#include <windows.h>
#include <win32/message_box_observer.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "message_box_window.h"

namespace win32_internal {

namespace {

constexpr int kMargin = 16;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 8;
constexpr int kMaxTextWidth = 480;

winsim::MessageBoxObserver& NextMessageBoxObserver() {
  static winsim::MessageBoxObserver observer;
  return observer;
}

std::vector<std::pair<int, const wchar_t*>> ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {{IDOK, L"OK"}, {IDCANCEL, L"Cancel"}};
    case MB_ABORTRETRYIGNORE:
      return {{IDABORT, L"Abort"}, {IDRETRY, L"Retry"}, {IDIGNORE, L"Ignore"}};
    case MB_YESNOCANCEL:
      return {{IDYES, L"Yes"}, {IDNO, L"No"}, {IDCANCEL, L"Cancel"}};
    case MB_YESNO:
      return {{IDYES, L"Yes"}, {IDNO, L"No"}};
    case MB_RETRYCANCEL:
      return {{IDRETRY, L"Retry"}, {IDCANCEL, L"Cancel"}};
    case MB_CANCELTRYCONTINUE:
      return {{IDCANCEL, L"Cancel"}, {IDTRYAGAIN, L"Try Again"}, {IDCONTINUE, L"Continue"}};
    default:
      return {{IDOK, L"OK"}};
  }
}

constexpr const wchar_t* kMessageBoxClass = L"WinSimMessageBox";

void RegisterMessageBoxClass() {
  WNDCLASSEXW existing{};
  if (GetClassInfoExW(nullptr, kMessageBoxClass, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kMessageBoxClass;
  RegisterClassExW(&wc);
}

SIZE TextSize(const std::wstring& text) {
  HDC hdc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
  RECT rect{0, 0, kMaxTextWidth, 0};
  DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_WORDBREAK);
  SelectObject(hdc, old);
  ReleaseDC(nullptr, hdc);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

HWND CreateMessageBoxWindow(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  const auto buttons = ButtonsOf(type);
  const SIZE textSize = TextSize(text);
  const int buttonsWidth = static_cast<int>(buttons.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
  const int clientWidth = std::max<int>(textSize.cx, buttonsWidth) + 2 * kMargin;
  const int clientHeight = textSize.cy + kButtonHeight + 3 * kMargin;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner != nullptr && IsWindow(owner)) GetWindowRect(owner, &around);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RegisterMessageBoxClass();
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, kMessageBoxClass, caption.c_str(), style,
                                (around.left + around.right - width) / 2, (around.top + around.bottom - height) / 2,
                                width, height, owner, nullptr, nullptr, nullptr);
  if (window == nullptr) return nullptr;
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HWND label = CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT, kMargin, kMargin,
                               textSize.cx, textSize.cy, window, nullptr, nullptr, nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  int x = clientWidth - kMargin - buttonsWidth;
  for (const auto& [id, title] : buttons) {
    HWND button = CreateWindowExW(0, L"BUTTON", title, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x,
                                  clientHeight - kMargin - kButtonHeight, kButtonWidth, kButtonHeight, window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    x += kButtonWidth + kButtonGap;
  }
  return window;
}

}  // namespace

void ShowObservedMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  winsim::MessageBoxObserver observe = std::exchange(NextMessageBoxObserver(), nullptr);
  if (!observe) return;
  HWND window = CreateMessageBoxWindow(owner, text, caption, type);
  if (window == nullptr) return;
  UpdateWindow(window);
  observe(window);
  if (IsWindow(window)) DestroyWindow(window);
}

void ResetMessageBoxObserver() { NextMessageBoxObserver() = nullptr; }

}  // namespace win32_internal

void winsim::ObserveNextMessageBox(MessageBoxObserver observe) {
  win32_internal::NextMessageBoxObserver() = std::move(observe);
}
