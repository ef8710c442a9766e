#include <cstdlib>
#include <filesystem>

#include "win32_fixture.h"

using ControlsScreenshot = Win32Test;

namespace {

std::filesystem::path OutputFolder() {
  const char* folder = std::getenv("TALVO_TEST_OUTPUT");
  std::filesystem::path path = folder ? folder : std::filesystem::temp_directory_path() / "talvo-test-output";
  std::filesystem::create_directories(path);
  return path;
}

HWND Control(HWND parent, LPCWSTR className, LPCWSTR text, DWORD style, int x, int y, int width, int height,
             DWORD exStyle = 0) {
  static int id = 100;
  return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(++id)), nullptr, nullptr);
}

}  // namespace

// A window with every standard control, saved for a person to look at; the checks only make sure it was drawn.
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
  Control(top, L"BUTTON", L"Options", BS_GROUPBOX, 10, 10, 220, 130);
  HWND check = Control(top, L"BUTTON", L"Check box (checked)", BS_AUTOCHECKBOX | WS_GROUP, 22, 32, 190, 20);
  Control(top, L"BUTTON", L"Check box", BS_AUTOCHECKBOX, 22, 56, 190, 20);
  HWND radio = Control(top, L"BUTTON", L"Radio button (on)", BS_AUTORADIOBUTTON | WS_GROUP, 22, 80, 190, 20);
  Control(top, L"BUTTON", L"Radio button", BS_AUTORADIOBUTTON, 22, 104, 190, 20);
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);

  Control(top, L"BUTTON", L"Default", BS_DEFPUSHBUTTON, 250, 16, 110, 28);
  HWND pushed = Control(top, L"BUTTON", L"Pushed", BS_PUSHBUTTON, 250, 52, 110, 28);
  SendMessageW(pushed, BM_SETSTATE, TRUE, 0);
  HWND disabled = Control(top, L"BUTTON", L"Disabled", BS_PUSHBUTTON, 250, 88, 110, 28);
  EnableWindow(disabled, FALSE);

  Control(top, L"STATIC", L"Static text on the left", SS_LEFT, 10, 154, 220, 18);
  Control(top, L"STATIC", L"Centred, sunken", SS_CENTER | SS_SUNKEN, 10, 176, 220, 20);
  Control(top, L"STATIC", L"", SS_ETCHEDHORZ, 10, 204, 220, 2);

  HWND edit = Control(top, L"EDIT", L"Editable text, part selected", ES_AUTOHSCROLL, 10, 216, 220, 24,
                      WS_EX_CLIENTEDGE);
  Control(top, L"EDIT", L"Read-only text", ES_READONLY, 10, 248, 220, 24, WS_EX_CLIENTEDGE);

  HWND horizontal = Control(top, L"SCROLLBAR", nullptr, SBS_HORZ, 10, 284, 220, 17);
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 25, 30, 0};
  SetScrollInfo(horizontal, SB_CTL, &info, TRUE);
  HWND vertical = Control(top, L"SCROLLBAR", nullptr, SBS_VERT, 380, 16, 17, 120);
  SetScrollInfo(vertical, SB_CTL, &info, TRUE);

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
  // The checked radio button's mark is round: its box's corner shows the face, its middle the dot.
  RECT radioRect;
  GetWindowRect(radio, &radioRect);
  POINT box{radioRect.left - topRect.left, radioRect.top - topRect.top + (20 - 13) / 2};
  EXPECT_EQ(shot.Pixel(box.x, box.y), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(shot.Pixel(box.x + 6, box.y + 6), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_TRUE(winsim::SaveWindowPng(top, (OutputFolder() / "standard_controls.png").string()));
}
