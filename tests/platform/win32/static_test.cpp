#include <cstdlib>

#include "win32_fixture.h"

using win32_test::Log;

using Statics = Win32Test;

namespace {

HWND MakeStatic(HWND parent, int id, DWORD style, LPCWSTR text, int x, int y, int width, int height) {
  return CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// Pixels of the area whose every channel lies within 60 of the colour's (text is anti-aliased).
int CountPixels(const winsim::Image& shot, RECT area, COLORREF colour) {
  auto near = [](int a, int b) { return std::abs(a - b) <= 60; };
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      COLORREF p = shot.Pixel(x, y);
      count += near(GetRValue(p), GetRValue(colour)) && near(GetGValue(p), GetGValue(colour)) &&
               near(GetBValue(p), GetBValue(colour));
    }
  return count;
}

}  // namespace

TEST_F(Statics, TheParentChoosesTextColourBackgroundModeAndBrush) {
  static HBRUSH blue = CreateSolidBrush(RGB(0, 0, 200));
  static HBRUSH green = CreateSolidBrush(RGB(0, 160, 0));
  HWND top = TopLevel(0, 0, 300, 200);
  HWND solid = MakeStatic(top, 1, SS_LEFT, L"Solid WWW", 10, 10, 120, 30);
  MakeStatic(top, 2, SS_LEFT, L"Hollow WWW", 10, 60, 120, 30);
  Handle([&](HWND h, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
    if (h != top) return std::nullopt;
    if (m == WM_ERASEBKGND) {
      RECT all{0, 0, 300, 200};
      FillRect(reinterpret_cast<HDC>(w), &all, green);
      return TRUE;
    }
    if (m != WM_CTLCOLORSTATIC) return std::nullopt;
    auto dc = reinterpret_cast<HDC>(w);
    SetTextColor(dc, RGB(255, 255, 0));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(reinterpret_cast<HWND>(l) == solid ? blue : GetStockObject(HOLLOW_BRUSH));
  });
  InvalidateRect(top, nullptr, TRUE);
  winsim::Image shot = winsim::CaptureWindow(top);
  EXPECT_EQ(shot.Pixel(125, 35), RGB(0, 0, 200));  // the solid brush behind the text
  EXPECT_GT(CountPixels(shot, {10, 10, 130, 40}, RGB(255, 255, 0)), 10);
  EXPECT_EQ(shot.Pixel(125, 85), RGB(0, 160, 0));  // the hollow brush: the parent shows through
  EXPECT_GT(CountPixels(shot, {10, 60, 130, 90}, RGB(255, 255, 0)), 10);
  EXPECT_EQ(CountPixels(shot, {10, 60, 130, 90}, RGB(255, 255, 255)), 0);
  EXPECT_GE(win32_test::CountOf(top, WM_CTLCOLORSTATIC), 2);
}

// A label is transparent to the mouse: a click on it reaches the window below.
TEST_F(Statics, ClicksOnAPlainStaticGoToItsParent) {
  HWND top = TopLevel(0, 0, 300, 200);
  HWND label = MakeStatic(top, 6, SS_LEFT, L"Label", 10, 50, 100, 20);
  winsim::Click(20, 60);
  EXPECT_EQ(win32_test::CountOf(label, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(win32_test::CountOf(top, WM_LBUTTONDOWN), 1);
}

TEST_F(Statics, OwnerDrawnAndBitmapStaticsShowWhatTheyAreGiven) {
  static HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
  HWND top = TopLevel(0, 0, 300, 200);
  UINT drawnType = 0;
  Handle([&](HWND h, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (h != top || m != WM_DRAWITEM) return std::nullopt;
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
    drawnType = item->CtlType;
    FillRect(item->hDC, &item->rcItem, magenta);
    return TRUE;
  });
  MakeStatic(top, 7, SS_OWNERDRAW, L"", 10, 10, 40, 40);
  HWND picture = MakeStatic(top, 8, SS_BITMAP, L"", 100, 10, 60, 60);
  std::vector<std::uint32_t> pixels(16 * 16, 0x00FFC000u);  // 0xAARRGGBB: orange
  HBITMAP bitmap = CreateBitmap(16, 16, 1, 32, pixels.data());
  EXPECT_EQ(SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)), 0);
  EXPECT_EQ(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(bitmap));
  EXPECT_EQ(SendMessageW(picture, STM_SETIMAGE, IMAGE_ICON, 0), 0);  // not an icon static
  winsim::Image shot = winsim::CaptureWindow(top);
  EXPECT_EQ(drawnType, UINT{ODT_STATIC});
  EXPECT_EQ(shot.Pixel(30, 30), RGB(255, 0, 255));
  EXPECT_EQ(shot.Pixel(105, 15), RGB(255, 192, 0));
  EXPECT_NE(shot.Pixel(130, 40), RGB(255, 192, 0));  // beyond the bitmap
  DestroyWindow(picture);
  DeleteObject(bitmap);
}
