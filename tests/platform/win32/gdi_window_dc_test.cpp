#include <gtest/gtest.h>
#include <windows.h>

#include "win32_fixture.h"

namespace {

class GdiWindowDc : public Win32Test {};

TEST_F(GdiWindowDc, DrawsOnTheWindowAndReleases) {
  HWND hwnd = TopLevel(0, 0, 50, 40);
  HDC hdc = GetDC(hwnd);
  ASSERT_NE(hdc, nullptr);
  EXPECT_EQ(WindowFromDC(hdc), hwnd);
  RECT box{};
  EXPECT_EQ(GetClipBox(hdc, &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 50);
  EXPECT_EQ(box.bottom, 40);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT rect{10, 10, 20, 20};
  FillRect(hdc, &rect, red);
  EXPECT_EQ(GetPixel(hdc, 10, 10), RGB(255, 0, 0));
  EXPECT_EQ(ReleaseDC(nullptr, hdc), 0);  // not this DC's window
  EXPECT_EQ(ReleaseDC(hwnd, hdc), 1);
  EXPECT_EQ(GetPixel(hdc, 10, 10), CLR_INVALID);  // released
  DeleteObject(red);
  DestroyWindow(hwnd);
  EXPECT_EQ(GetDC(hwnd), nullptr);
}

TEST_F(GdiWindowDc, ClientDcStartsInsideTheFrame) {
  HWND hwnd = TopLevel(0, 0, 120, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HDC client = GetDC(hwnd);
  HDC whole = GetWindowDC(hwnd);
  SetPixel(client, 0, 0, RGB(0, 0, 255));
  POINT origin{};
  ClientToScreen(hwnd, &origin);
  RECT window{};
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(GetPixel(whole, origin.x - window.left, origin.y - window.top), RGB(0, 0, 255));
  ReleaseDC(hwnd, client);
  ReleaseDC(hwnd, whole);
  DestroyWindow(hwnd);
}

TEST_F(GdiWindowDc, ScreenDcMeasuresText) {
  HDC screen = GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  EXPECT_GT(GetDeviceCaps(screen, HORZRES), 0);
  HGDIOBJ old = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  EXPECT_TRUE(GetTextExtentPoint32W(screen, L"OK", 2, &size));
  EXPECT_GT(size.cx, 0);
  SelectObject(screen, old);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
}

}  // namespace
