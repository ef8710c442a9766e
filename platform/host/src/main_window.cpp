#include "main_window.h"

#include "host/colors.h"
#include "reset.h"
#include "windows.h"

namespace host_internal {
namespace {

constexpr const wchar_t* kMainWindowClass = L"HostMainWindow";
HWND main_window = nullptr;

LRESULT MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      // The background follows the current theme.
      RECT client{};
      GetClientRect(hwnd, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, ColorMan()->GetBrush(kWindow));
      return 1;
    }
    case WM_NCDESTROY:
      if (hwnd == main_window) main_window = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterMainWindowClass() {
  WNDCLASSEXW existing{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kMainWindowClass, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kMainWindowClass;
  RegisterClassExW(&wc);
}

}  // namespace

void CreateMainWindow() {
  if (main_window && IsWindow(main_window)) return;
  RegisterMainWindowClass();
  main_window = CreateWindowExW(0, kMainWindowClass, L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1920, 1040,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void DestroyMainWindow() {
  if (main_window && IsWindow(main_window)) DestroyWindow(main_window);
  main_window = nullptr;
}

HWND MainWindow() { return main_window && IsWindow(main_window) ? main_window : nullptr; }

std::vector<HWND>& DialogWindows() {
  static std::vector<HWND> windows;
  return windows;
}

void ResetDialogWindows() { DialogWindows().clear(); }

}  // namespace host_internal
