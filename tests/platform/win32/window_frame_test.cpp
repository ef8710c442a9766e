// The default non-client frame: the title in the caption, and the frame's colours.
#include "win32_fixture.h"

namespace {

class WindowFrame : public Win32Test {
 protected:
  // The caption band of a WS_OVERLAPPEDWINDOW window, in window coordinates.
  static RECT CaptionBand(HWND hwnd) {
    RECT outer;
    GetWindowRect(hwnd, &outer);
    int border = GetSystemMetrics(SM_CXFRAME);
    return {border, border, outer.right - outer.left - border, border + GetSystemMetrics(SM_CYCAPTION)};
  }
  // How many pixels of `color` the window shows in columns [left, right) of its caption band.
  static int CountInCaption(HWND hwnd, COLORREF color, int left, int right) {
    RECT band = CaptionBand(hwnd);
    winsim::Image shot = winsim::CaptureWindow(hwnd);
    int count = 0;
    for (int y = band.top; y < band.bottom; ++y)
      for (int x = band.left + left; x < band.left + right; ++x) count += shot.Pixel(x, y) == color;
    return count;
  }
  static int CaptionWidth(HWND hwnd) {
    RECT band = CaptionBand(hwnd);
    return band.right - band.left;
  }
};

TEST_F(WindowFrame, TheCaptionShowsTheTitleAfterAMarginAndFollowsWmSetText) {
  HWND hwnd = TopLevel(10, 10, 300, 120, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetWindowTextW(hwnd, L"Options");
  ASSERT_EQ(GetActiveWindow(), hwnd);
  COLORREF text = GetSysColor(COLOR_CAPTIONTEXT);
  int width = CaptionWidth(hwnd);
  EXPECT_GT(CountInCaption(hwnd, text, 0, width), 20);
  EXPECT_EQ(CountInCaption(hwnd, text, 0, 3), 0);           // a margin before the title
  EXPECT_EQ(CountInCaption(hwnd, text, 100, width), 0);     // a short title stays at the left
  RECT band = CaptionBand(hwnd);
  EXPECT_EQ(winsim::CaptureWindow(hwnd).Pixel(band.right - 2, band.top + 2), GetSysColor(COLOR_ACTIVECAPTION));

  SetWindowTextW(hwnd, L"");  // the frame repaints without the old title
  EXPECT_EQ(CountInCaption(hwnd, text, 0, width), 0);
}

TEST_F(WindowFrame, ALongTitleIsCutBeforeTheCaptionsRightEnd) {
  HWND hwnd = TopLevel(10, 10, 120, 80, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetWindowTextW(hwnd, L"A title far too long to fit into this narrow caption");
  COLORREF text = GetSysColor(COLOR_CAPTIONTEXT);
  int width = CaptionWidth(hwnd);
  EXPECT_GT(CountInCaption(hwnd, text, 0, width / 2), 10);
  EXPECT_GT(CountInCaption(hwnd, text, width / 2, width), 0);
  EXPECT_EQ(CountInCaption(hwnd, text, width - 3, width), 0);
}

TEST_F(WindowFrame, AnInactiveCaptionIsDimmerAndRepaintsOnActivation) {
  HWND first = TopLevel(10, 10, 300, 120, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetWindowTextW(first, L"First");
  HWND second = TopLevel(400, 10, 300, 120, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_EQ(GetActiveWindow(), second);
  int width = CaptionWidth(first);
  RECT band = CaptionBand(first);
  EXPECT_EQ(winsim::CaptureWindow(first).Pixel(band.right - 2, band.top + 2), GetSysColor(COLOR_INACTIVECAPTION));
  EXPECT_GT(CountInCaption(first, GetSysColor(COLOR_INACTIVECAPTIONTEXT), 0, width), 10);
  EXPECT_EQ(CountInCaption(first, GetSysColor(COLOR_CAPTIONTEXT), 0, width), 0);

  SetActiveWindow(first);
  EXPECT_EQ(winsim::CaptureWindow(first).Pixel(band.right - 2, band.top + 2), GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_GT(CountInCaption(first, GetSysColor(COLOR_CAPTIONTEXT), 0, width), 10);
  EXPECT_EQ(winsim::CaptureWindow(second).Pixel(band.right - 2, band.top + 2), GetSysColor(COLOR_INACTIVECAPTION));
}

TEST_F(WindowFrame, TheFrameAndTheScrollBarCornerUseTheSystemFaceColour) {
  HWND hwnd = TopLevel(10, 10, 200, 150, WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL | WS_VISIBLE);
  RECT outer, client;
  GetWindowRect(hwnd, &outer);
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  // The corner between the two scroll bars, just beyond the client area's bottom-right.
  int cornerX = origin.x - outer.left + client.right + GetSystemMetrics(SM_CXVSCROLL) / 2;
  int cornerY = origin.y - outer.top + client.bottom + GetSystemMetrics(SM_CYHSCROLL) / 2;
  winsim::Image shot = winsim::CaptureWindow(hwnd);
  EXPECT_EQ(shot.Pixel(cornerX, cornerY), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(shot.Pixel(GetSystemMetrics(SM_CXFRAME) - 1, 60), GetSysColor(COLOR_3DFACE));  // the sizing border
}

}  // namespace
