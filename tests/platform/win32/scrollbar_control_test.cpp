#include "win32_fixture.h"

using win32_test::Log;

using ScrollBarControl = Win32Test;

TEST_F(ScrollBarControl, TellsItsParentWithItselfAsLParamAndKeepsItsNumbers) {
  HWND top = TopLevel(0, 0, 300, 100);
  HWND bar = CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_HORZ, 10, 10, 200, 20, top,
                             reinterpret_cast<HMENU>(7), nullptr, nullptr);
  ASSERT_NE(bar, nullptr);
  SCROLLINFO empty{sizeof empty, SIF_ALL, 1, 1, 1, 1, 1};
  ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &empty));
  EXPECT_EQ(empty.nMin, 0);
  EXPECT_EQ(empty.nMax, 0);  // a control starts with an empty range
  SendMessageW(bar, SBM_SETRANGE, 0, 10);
  EXPECT_EQ(SendMessageW(bar, SBM_SETPOS, 50, TRUE), 0);
  EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 10);
  SCROLLINFO paged{sizeof paged, SIF_PAGE | SIF_POS, 0, 0, 5, 10, 0};
  EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &paged, TRUE), 6);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 6);

  SetScrollPos(bar, SB_CTL, 0, TRUE);
  winsim::PumpMessages();
  Log().clear();
  winsim::Click(10 + 200 - 3, 20);  // the right arrow
  std::vector<std::pair<int, LPARAM>> seen;
  for (const auto& message : Log())
    if (message.hwnd == top && message.message == WM_HSCROLL) seen.emplace_back(LOWORD(message.wParam), message.lParam);
  auto self = reinterpret_cast<LPARAM>(bar);
  EXPECT_EQ(seen, (std::vector<std::pair<int, LPARAM>>{{SB_LINERIGHT, self}, {SB_ENDSCROLL, self}}));

  // A focused bar scrolls with the arrow keys; the key's release ends the scroll.
  Log().clear();
  SetFocus(bar);
  winsim::KeyPress(VK_RIGHT);
  winsim::KeyPress(VK_NEXT);
  seen.clear();
  for (const auto& message : Log())
    if (message.hwnd == top && message.message == WM_HSCROLL) seen.emplace_back(LOWORD(message.wParam), message.lParam);
  EXPECT_EQ(seen, (std::vector<std::pair<int, LPARAM>>{
                      {SB_LINERIGHT, self}, {SB_ENDSCROLL, self}, {SB_PAGERIGHT, self}, {SB_ENDSCROLL, self}}));

  // Disabled arrows take no clicks.
  EXPECT_TRUE(EnableScrollBar(bar, SB_CTL, ESB_DISABLE_RIGHT));
  EXPECT_FALSE(EnableScrollBar(bar, SB_CTL, ESB_DISABLE_RIGHT));
  Log().clear();
  winsim::Click(10 + 200 - 3, 20);
  EXPECT_EQ(win32_test::CountOf(top, WM_HSCROLL), 0);
}
