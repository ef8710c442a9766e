#include "win32_fixture.h"

using ControlsScreenshot = Win32Test;

namespace {

HWND Control(HWND parent, LPCWSTR className, LPCWSTR text, DWORD style, int x, int y, int width, int height,
             DWORD exStyle = 0) {
  static int id = 100;
  return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(++id)), nullptr, nullptr);
}

}  // namespace

// A window with each standard control the program uses, saved for a person to look at; the check makes sure the
// focused edit shows its selection.
TEST_F(ControlsScreenshot, AWindowHoldingEachStandardControl) {
  static HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  HWND top = CreateWindowExW(0, win32_test::kClass, L"Standard controls",
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 40, 40, 520, 360, nullptr, nullptr,
                             nullptr, nullptr);
  Handle([&](HWND h, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    if (h != top || m != WM_ERASEBKGND) return std::nullopt;
    RECT client;
    GetClientRect(h, &client);
    FillRect(reinterpret_cast<HDC>(w), &client, face);
    return TRUE;
  });
  HWND check = Control(top, L"BUTTON", L"Check box (checked)", BS_AUTOCHECKBOX, 22, 32, 190, 20);
  Control(top, L"BUTTON", L"Check box", BS_AUTOCHECKBOX, 22, 56, 190, 20);
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);

  Control(top, L"BUTTON", L"Default", BS_DEFPUSHBUTTON, 250, 16, 110, 28);
  HWND pushed = Control(top, L"BUTTON", L"Pushed", BS_PUSHBUTTON, 250, 52, 110, 28);
  SendMessageW(pushed, BM_SETSTATE, TRUE, 0);
  HWND disabled = Control(top, L"BUTTON", L"Disabled", BS_PUSHBUTTON, 250, 88, 110, 28);
  EnableWindow(disabled, FALSE);

  Control(top, L"STATIC", L"Static text on the left", SS_LEFT, 10, 154, 220, 18);
  Control(top, L"STATIC", L"Centred, sunken", SS_CENTER | SS_SUNKEN, 10, 176, 220, 20);

  HWND edit = Control(top, L"EDIT", L"Editable text, part selected", ES_AUTOHSCROLL, 10, 216, 220, 24,
                      WS_EX_CLIENTEDGE);
  Control(top, L"EDIT", L"Read-only text", ES_READONLY, 10, 248, 220, 24, WS_EX_CLIENTEDGE);

  HWND scrolled = Control(top, win32_test::kClass, L"", WS_VSCROLL | WS_HSCROLL | WS_BORDER, 250, 154, 240, 150);
  SCROLLINFO window{sizeof window, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 199, 50, 120, 0};
  SetScrollInfo(scrolled, SB_VERT, &window, TRUE);
  window.nPos = 0;
  SetScrollInfo(scrolled, SB_HORZ, &window, TRUE);

  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 9, 13);
  winsim::Image shot = winsim::CaptureWindow(top);
  ASSERT_GT(shot.width, 0);
  RECT editRect;
  GetWindowRect(edit, &editRect);
  RECT topRect;
  GetWindowRect(top, &topRect);
  POINT editInShot{editRect.left - topRect.left, editRect.top - topRect.top};
  int highlighted = 0;
  for (int x = 0; x < 220; ++x)
    highlighted += shot.Pixel(editInShot.x + x, editInShot.y + 10) == GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_GT(highlighted, 5);
  EXPECT_TRUE(winsim::SaveWindowPng(top, (win32_test::OutputFolder() / "standard_controls.png").string()));
}
