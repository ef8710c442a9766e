#include <string>

#include "win32_fixture.h"

using win32_test::Log;

namespace {

class Edits : public Win32Test {
 protected:
  HWND top = nullptr;

  HWND MakeEdit(DWORD style, LPCWSTR text = L"", int width = 200, int height = 24) {
    top = TopLevel(0, 0, 400, 200);
    HWND edit = CreateWindowExW(0, L"EDIT", text, WS_CHILD | WS_VISIBLE | WS_BORDER | style, 10, 10, width, height, top,
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

TEST_F(Edits, AReadOnlyFieldRefusesInputButCopies) {
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

constexpr DWORD kMultiline = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

// A multi-line edit keeps every line exactly as given; a single-line edit keeps only the first line of whatever it
// is given.
TEST_F(Edits, AMultilineEditKeepsEveryLine) {
  HWND edit = MakeEdit(kMultiline, L"one\r\ntwo\r\nthree", 200, 80);
  EXPECT_EQ(Text(edit), L"one\r\ntwo\r\nthree");
  SetWindowTextW(edit, L"first\r\n\r\nthird line");
  EXPECT_EQ(Text(edit), L"first\r\n\r\nthird line");
  EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 3);

  HWND single = MakeEdit(ES_AUTOHSCROLL, L"kept\r\nlost");
  EXPECT_EQ(Text(single), L"kept");
  SetWindowTextW(single, L"again\r\nlost");
  EXPECT_EQ(Text(single), L"again");
  EXPECT_EQ(SendMessageW(single, EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(single, EM_LINESCROLL, 0, 1), FALSE);
}

// Enter breaks the line (one CR LF, one EN_CHANGE); Backspace and Delete remove a line break whole.
TEST_F(Edits, EnterInAMultilineEditInsertsALineBreak) {
  HWND edit = MakeEdit(kMultiline, L"", 200, 80);
  winsim::TypeText(L"ab\r\ncd");
  EXPECT_EQ(Text(edit), L"ab\r\ncd");
  EXPECT_EQ(Notifications(EN_CHANGE), 5);
  EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 2);
  winsim::KeyPress(VK_HOME);
  winsim::KeyPress(VK_BACK);
  EXPECT_EQ(Text(edit), L"abcd");
  winsim::KeyPress(VK_RETURN);
  winsim::KeyPress(VK_LEFT);  // back over the whole break
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{2, 2}));
  winsim::KeyPress(VK_DELETE);
  EXPECT_EQ(Text(edit), L"abcd");
  // In a dialog the edit asks for Enter only with ES_WANTRETURN; Tab stays with the dialog manager.
  MSG enter{edit, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  MSG tab{edit, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(SendMessageW(edit, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTALLKEYS);
  LRESULT tabCode = SendMessageW(edit, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab));
  EXPECT_FALSE(tabCode & (DLGC_WANTALLKEYS | DLGC_WANTTAB));
  HWND plain = MakeEdit(ES_MULTILINE | ES_AUTOVSCROLL, L"", 200, 80);
  enter.hwnd = plain;
  EXPECT_FALSE(SendMessageW(plain, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTALLKEYS);
  winsim::TypeText(L"x\ry");  // outside a dialog Enter still reaches it and breaks the line
  EXPECT_EQ(Text(plain), L"x\r\ny");
}

// Up and Down keep the caret's column as near as the other line allows; Home and End work on the caret's line;
// Shift selects across lines and the clipboard carries the line breaks.
TEST_F(Edits, UpAndDownMoveBetweenLinesAndSelectionSpansThem) {
  HWND edit = MakeEdit(kMultiline, L"first\r\nsecond\r\nthe end", 200, 80);
  winsim::KeyPress(VK_DOWN);
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{7, 7}));
  winsim::KeyPress(VK_END);
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{13, 13}));
  winsim::KeyPress(VK_UP);
  EXPECT_EQ(Selection(edit).first, 5u);  // "first" is shorter: its end
  winsim::KeyPress(VK_UP);  // the first line stops the move
  EXPECT_EQ(Selection(edit).first, 5u);
  winsim::KeyPress(VK_HOME);
  EXPECT_EQ(Selection(edit).first, 0u);
  winsim::KeyDown(VK_SHIFT);
  winsim::KeyPress(VK_DOWN);
  winsim::KeyPress(VK_DOWN);
  winsim::KeyPress(VK_END);
  winsim::KeyUp(VK_SHIFT);
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 22}));
  SendMessageW(edit, EM_SETSEL, 3, 10);
  Chord(VK_CONTROL, 'C');
  EXPECT_EQ(ClipboardText(), L"st\r\nsec");
  Chord(VK_CONTROL, 'X');
  EXPECT_EQ(Text(edit), L"firond\r\nthe end");
  winsim::KeyPress(VK_END);
  Chord(VK_CONTROL, 'V');
  EXPECT_EQ(Text(edit), L"firondst\r\nsec\r\nthe end");
  EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 3);
}

// Keeping the caret's line in view scrolls by whole lines, and the vertical scroll bar follows and scrolls too.
TEST_F(Edits, AMultilineEditScrollsByLines) {
  std::wstring text;
  for (int i = 0; i < 12; ++i) text += L"line " + std::to_wstring(i) + (i < 11 ? L"\r\n" : L"");
  HWND edit = MakeEdit(kMultiline | WS_VSCROLL, text.c_str(), 200, 60);
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  Chord(VK_CONTROL, VK_END);
  int first = static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
  EXPECT_GT(first, 0);
  RECT client;
  GetClientRect(edit, &client);
  int caretY = GET_Y_LPARAM(SendMessageW(edit, EM_POSFROMCHAR, text.size(), 0));
  EXPECT_GE(caretY, 0);
  EXPECT_LT(caretY, client.bottom);
  EXPECT_EQ(GetScrollPos(edit, SB_VERT), first);
  SendMessageW(edit, WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), first - 1);
  EXPECT_EQ(GetScrollPos(edit, SB_VERT), first - 1);
  SendMessageW(edit, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_TRUE(SendMessageW(edit, EM_LINESCROLL, 0, 100));
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), first);  // the last page stops it
  SendMessageW(edit, EM_SETSEL, 0, 0);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  // Without ES_AUTOVSCROLL the user cannot type below the last line that shows.
  HWND fixed = MakeEdit(ES_MULTILINE | ES_WANTRETURN, L"", 200, 40);
  winsim::TypeText(L"a\rb\rc\rd\re");
  EXPECT_LT(SendMessageW(fixed, EM_GETLINECOUNT, 0, 0), 5);
}

// A multi-line edit drawn for a person to look at; the check makes sure its lines are drawn one below another.
TEST_F(Edits, AScreenshotOfAMultilineEdit) {
  HWND edit = MakeEdit(kMultiline | WS_VSCROLL, L"first line\r\nsecond line\r\n\r\nfourth, after an empty one",
                       260, 90);
  SendMessageW(edit, EM_SETSEL, 6, 18);
  winsim::Image shot = winsim::CaptureWindow(edit);
  int rows[4] = {};
  int height = GET_Y_LPARAM(SendMessageW(edit, EM_POSFROMCHAR, 12, 0)) -
               GET_Y_LPARAM(SendMessageW(edit, EM_POSFROMCHAR, 0, 0));
  ASSERT_GT(height, 0);
  for (int line = 0; line < 4; ++line)
    for (int y = line * height + 2; y < (line + 1) * height + 2 && y < shot.height; ++y)
      for (int x = 2; x < 150; ++x) rows[line] += shot.Pixel(x, y) != GetSysColor(COLOR_WINDOW);
  EXPECT_GT(rows[0], 0);
  EXPECT_GT(rows[1], 0);
  EXPECT_EQ(rows[2], 0);
  EXPECT_GT(rows[3], 0);
  EXPECT_TRUE(winsim::SaveWindowPng(top, (win32_test::OutputFolder() / "multiline_edit.png").string()));
}
