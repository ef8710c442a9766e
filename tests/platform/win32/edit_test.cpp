#include "win32_fixture.h"

using win32_test::Log;

namespace {

class Edits : public Win32Test {
 protected:
  HWND top = nullptr;

  HWND MakeEdit(DWORD style, LPCWSTR text = L"", int width = 200) {
    top = TopLevel(0, 0, 400, 200);
    HWND edit = CreateWindowExW(0, L"EDIT", text, WS_CHILD | WS_VISIBLE | WS_BORDER | style, 10, 10, width, 24, top,
                                reinterpret_cast<HMENU>(9), nullptr, nullptr);
    SetFocus(edit);
    winsim::PumpMessages();
    Log().clear();
    return edit;
  }

  int Notifications(int code) const {
    int count = 0;
    for (const auto& seen : Log())
      count += seen.hwnd == top && seen.message == WM_COMMAND && HIWORD(seen.wParam) == code &&
               LOWORD(seen.wParam) == 9;
    return count;
  }

  static std::wstring Text(HWND hwnd) {
    wchar_t buffer[256];
    GetWindowTextW(hwnd, buffer, 256);
    return buffer;
  }

  static std::pair<DWORD, DWORD> Selection(HWND hwnd) {
    DWORD start = 0, end = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }

  static void Chord(int modifier, int key) {
    winsim::KeyDown(modifier);
    winsim::KeyPress(key);
    winsim::KeyUp(modifier);
  }

  static std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
      text = static_cast<const wchar_t*>(GlobalLock(block));
      GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
  }
};

}  // namespace

TEST_F(Edits, EveryChangeOfTheTextIsFollowedByEnChange) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL);
  winsim::TypeText(L"ab");
  EXPECT_EQ(Notifications(EN_CHANGE), 2);
  SetWindowTextW(edit, L"set");
  EXPECT_EQ(Notifications(EN_CHANGE), 3);
  SendMessageW(edit, EM_SETSEL, 3, 3);
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"!"));
  EXPECT_EQ(Notifications(EN_CHANGE), 4);
  winsim::KeyPress(VK_BACK);
  EXPECT_EQ(Notifications(EN_CHANGE), 5);
  EXPECT_EQ(Text(edit), L"set");
  // Moving the caret or selecting changes nothing.
  winsim::KeyPress(VK_HOME);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  EXPECT_EQ(Notifications(EN_CHANGE), 5);
  EXPECT_EQ(GetWindowTextLengthW(edit), 3);
  EXPECT_EQ(SendMessageW(edit, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
}

// A parent may answer EN_CHANGE by setting the text again or by destroying the field; the field copes with both,
// and text set by the program leaves the field unmodified while typing marks it.
TEST_F(Edits, TheParentMayResetOrDestroyTheFieldWhileItHearsEnChange) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL);
  winsim::TypeText(L"x");
  EXPECT_TRUE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
  bool resetting = false;
  Handle([&](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE || resetting) return std::nullopt;
    resetting = true;
    SetWindowTextW(edit, L"normalised");
    resetting = false;
    return 0;
  });
  winsim::TypeText(L"y");
  EXPECT_EQ(Text(edit), L"normalised");
  EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));

  Handle([&](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) DestroyWindow(edit);
    return std::nullopt;
  });
  SetWindowTextW(edit, L"gone");
  EXPECT_FALSE(IsWindow(edit));
}

TEST_F(Edits, TypedControlCharactersPressTheirKeysAndInsertNothing) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL);
  std::vector<WPARAM> keys;
  winsim::SetPreDispatchFilter([&](MSG& msg) {
    if (msg.hwnd == edit && msg.message == WM_KEYDOWN) keys.push_back(msg.wParam);
    return false;
  });
  winsim::TypeText(L"a\tb\nc\r\n");
  winsim::SetPreDispatchFilter(nullptr);
  EXPECT_EQ(keys, (std::vector<WPARAM>{'A', VK_TAB, 'B', VK_RETURN, 'C', VK_RETURN}));  // "\r\n" is one Enter
  EXPECT_EQ(Text(edit), L"abc");
}

TEST_F(Edits, TheCaretMovesAndShiftSelects) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL, L"hello world");
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 0}));
  winsim::KeyPress(VK_END);
  Chord(VK_SHIFT, VK_LEFT);
  Chord(VK_SHIFT, VK_LEFT);
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{9, 11}));
  winsim::TypeText(L"X");  // typing replaces the selection
  EXPECT_EQ(Text(edit), L"hello worX");
  winsim::KeyDown(VK_SHIFT);
  winsim::KeyPress(VK_HOME);
  winsim::KeyUp(VK_SHIFT);
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 10}));
  winsim::KeyPress(VK_LEFT);  // an arrow collapses the selection to its edge
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 0}));
  winsim::KeyPress(VK_DELETE);
  EXPECT_EQ(Text(edit), L"ello worX");
  SendMessageW(edit, EM_SETSEL, 6, 2);  // start after end: the lower one starts the selection
  EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), MAKELRESULT(2, 6));
  SendMessageW(edit, EM_SETSEL, 1, 100);
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{1, 9}));
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(Selection(edit).first, Selection(edit).second);
  // The mouse selects too: a press places the caret, a drag extends it.
  winsim::MouseMove(12, 20);
  winsim::MouseDown();
  winsim::MouseMove(300, 20);
  winsim::MouseUp();
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 9}));
}

TEST_F(Edits, CtrlShortcutsGoThroughTheClipboard) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL, L"copy me");
  Chord(VK_CONTROL, 'A');
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 7}));
  Chord(VK_CONTROL, 'C');
  EXPECT_EQ(ClipboardText(), L"copy me");
  SendMessageW(edit, EM_SETSEL, 0, 5);
  Chord(VK_CONTROL, 'X');
  EXPECT_EQ(Text(edit), L"me");
  EXPECT_EQ(ClipboardText(), L"copy ");
  winsim::KeyPress(VK_END);
  Chord(VK_CONTROL, 'V');
  EXPECT_EQ(Text(edit), L"mecopy ");
  EXPECT_EQ(Notifications(EN_CHANGE), 2);
  // The messages behind the shortcuts.
  SendMessageW(edit, EM_SETSEL, 0, 2);
  SendMessageW(edit, WM_CLEAR, 0, 0);
  EXPECT_EQ(Text(edit), L"copy ");
  SendMessageW(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(edit), L"copy copy ");
}

TEST_F(Edits, TheLimitNumbersOnlyAndReadOnlyRefuseInput) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL);
  SendMessageW(edit, EM_LIMITTEXT, 3, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 3);
  winsim::TypeText(L"abcd");
  EXPECT_EQ(Text(edit), L"abc");
  EXPECT_EQ(Notifications(EN_MAXTEXT), 1);
  EXPECT_EQ(Notifications(EN_CHANGE), 3);

  HWND number = MakeEdit(ES_NUMBER | ES_AUTOHSCROLL);
  winsim::TypeText(L"1a2B3");
  EXPECT_EQ(Text(number), L"123");
  EXPECT_EQ(Notifications(EN_CHANGE), 3);

  HWND fixed = MakeEdit(ES_READONLY | ES_AUTOHSCROLL, L"fixed");
  winsim::TypeText(L"x");
  winsim::KeyPress(VK_BACK);
  winsim::KeyPress(VK_DELETE);
  Chord(VK_CONTROL, 'A');
  Chord(VK_CONTROL, 'X');
  Chord(VK_CONTROL, 'V');
  EXPECT_EQ(Text(fixed), L"fixed");
  EXPECT_EQ(Notifications(EN_CHANGE), 0);
  Chord(VK_CONTROL, 'C');  // copying is allowed
  EXPECT_EQ(ClipboardText(), L"fixed");
  SendMessageW(fixed, EM_SETREADONLY, FALSE, 0);
  winsim::TypeText(L"!");
  EXPECT_EQ(Text(fixed), L"!");
}

TEST_F(Edits, FocusNotificationsColoursMarginsAndHorizontalScrolling) {
  static HBRUSH tint = CreateSolidBrush(RGB(250, 230, 120));
  HWND edit = MakeEdit(0, L"", 60);
  Handle([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (h == top && m == WM_CTLCOLOREDIT) return reinterpret_cast<LRESULT>(tint);
    return std::nullopt;
  });
  SetFocus(top);
  SetFocus(edit);
  EXPECT_EQ(Notifications(EN_KILLFOCUS), 1);
  EXPECT_EQ(Notifications(EN_SETFOCUS), 1);
  InvalidateRect(edit, nullptr, TRUE);
  EXPECT_EQ(winsim::CaptureWindow(top).Pixel(10 + 55, 10 + 18), RGB(250, 230, 120));

  SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(4, 0));
  EXPECT_EQ(SendMessageW(edit, EM_GETMARGINS, 0, 0), MAKELRESULT(4, 0));
  RECT format;
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  EXPECT_EQ(format.left, 4);
  // Without ES_AUTOHSCROLL the user cannot type past the field's width.
  winsim::TypeText(L"WWWWWWWWWWWWWWWWWWWW");
  int kept = GetWindowTextLengthW(edit);
  EXPECT_GT(kept, 0);
  EXPECT_LT(kept, 20);
  // With it, the text scrolls to keep the caret in view.
  HWND scrolling = MakeEdit(ES_AUTOHSCROLL, L"", 60);
  winsim::TypeText(L"WWWWWWWWWWWWWWWWWWWW");
  EXPECT_EQ(GetWindowTextLengthW(scrolling), 20);
  LRESULT caret = SendMessageW(scrolling, EM_POSFROMCHAR, 20, 0);
  EXPECT_LE(GET_X_LPARAM(caret), 60);
  EXPECT_LT(GET_X_LPARAM(SendMessageW(scrolling, EM_POSFROMCHAR, 0, 0)), 0);
}
