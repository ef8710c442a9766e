#include <algorithm>
#include <cstring>

#include "win32_fixture.h"
#include "window_canvas.h"

using Screenshots = Win32Test;

namespace {

// Fills part of a window's client area straight on its surface.
void FillOnCanvas(HWND hwnd, RECT r, double red, double green, double blue) {
  win32_internal::WindowCanvas canvas;
  ASSERT_TRUE(win32_internal::GetWindowCanvas(hwnd, false, &canvas));
  cairo_t* cr = cairo_create(canvas.surface);
  cairo_set_source_rgb(cr, red, green, blue);
  cairo_rectangle(cr, canvas.origin.x + r.left, canvas.origin.y + r.top, r.right - r.left, r.bottom - r.top);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_mark_dirty(canvas.surface);
}

}  // namespace

TEST_F(Screenshots, AWindowShotHoldsItsPixelsAndItsChildrenClippedToTheClientArea) {
  HWND top = TopLevel(50, 50, 100, 60, WS_POPUP | WS_BORDER | WS_VISIBLE);
  HWND child = Child(top, 1, 80, 10, 40, 20);
  winsim::PumpMessages();
  FillOnCanvas(top, {0, 0, 98, 58}, 0, 1, 0);
  FillOnCanvas(child, {0, 0, 40, 20}, 0, 0, 1);
  winsim::Image shot = winsim::CaptureWindow(top);
  ASSERT_EQ(shot.width, 100);
  ASSERT_EQ(shot.height, 60);
  EXPECT_EQ(shot.Pixel(5, 5), RGB(0, 255, 0));
  EXPECT_EQ(shot.Pixel(1 + 80, 1 + 10), RGB(0, 0, 255));
  EXPECT_EQ(shot.Pixel(98, 15), RGB(0, 0, 255));   // the child's last visible column
  EXPECT_NE(shot.Pixel(99, 15), RGB(0, 0, 255));   // the border: the child is clipped away
  EXPECT_EQ(shot.Alpha(5, 5), 255);
  EXPECT_EQ(winsim::CaptureWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1234))).width, 0);
}

TEST_F(Screenshots, TheScreenComposesTopLevelWindowsInZOrderWithColourKeysTransparent) {
  HWND back = TopLevel(0, 0, 200, 200);
  HWND front = TopLevel(100, 100, 50, 50, WS_POPUP | WS_VISIBLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(front, RGB(1, 11, 21), 0, LWA_COLORKEY);
  winsim::PumpMessages();
  FillOnCanvas(back, {0, 0, 200, 200}, 1, 0, 0);
  FillOnCanvas(front, {0, 0, 25, 50}, 1.0 / 255, 11.0 / 255, 21.0 / 255);
  FillOnCanvas(front, {25, 0, 50, 50}, 1, 1, 0);

  winsim::Image window = winsim::CaptureWindow(front);
  EXPECT_EQ(window.Alpha(10, 10), 0);
  EXPECT_EQ(window.Alpha(30, 10), 255);

  winsim::Image screen = winsim::CaptureScreen();
  EXPECT_EQ(screen.width, 1920);
  EXPECT_EQ(screen.Pixel(110, 110), RGB(255, 0, 0));   // the key shows the window below
  EXPECT_EQ(screen.Pixel(130, 110), RGB(255, 255, 0));
  EXPECT_EQ(screen.Pixel(500, 500), RGB(128, 128, 128));

  winsim::Image part = winsim::CaptureScreenRect({120, 100, 140, 110});
  EXPECT_EQ(part.width, 20);
  EXPECT_EQ(part.Pixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(part.Pixel(10, 0), RGB(255, 255, 0));
}

TEST_F(Screenshots, PendingPaintsRunBeforeTheShot) {
  HWND w = TopLevel(0, 0, 40, 40);
  static HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
  Handle([](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    FillRect(dc, &ps.rcPaint, green);
    EndPaint(h, &ps);
    return 0;
  });
  EXPECT_EQ(winsim::CaptureWindow(w).Pixel(20, 20), RGB(0, 128, 0));
}

// A part of the screen is composed on its own; it must match the same part of the whole screen, whichever
// windows (plain, colour-keyed, faded, partly off the screen) it crosses.
TEST_F(Screenshots, APartOfTheScreenMatchesTheWholeScreenCutToIt) {
  HWND back = TopLevel(-30, 20, 300, 200);
  HWND keyed = TopLevel(100, 100, 50, 50, WS_POPUP | WS_VISIBLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(keyed, RGB(1, 11, 21), 0, LWA_COLORKEY);
  HWND faded = TopLevel(200, 150, 60, 60, WS_POPUP | WS_VISIBLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(faded, 0, 128, LWA_ALPHA);
  winsim::PumpMessages();
  FillOnCanvas(back, {0, 0, 300, 200}, 1, 0, 0);
  FillOnCanvas(back, {150, 50, 200, 190}, 0, 0.5, 1);
  FillOnCanvas(keyed, {0, 0, 25, 50}, 1.0 / 255, 11.0 / 255, 21.0 / 255);
  FillOnCanvas(keyed, {25, 0, 50, 50}, 1, 1, 0);
  FillOnCanvas(faded, {0, 0, 60, 60}, 0, 1, 0);

  const winsim::Image screen = winsim::CaptureScreen();
  for (const RECT& rect : {RECT{0, 0, 40, 40}, RECT{90, 90, 160, 160}, RECT{180, 140, 290, 230},
                           RECT{-20, 10, 400, 300}, RECT{1900, 1000, 1950, 1100}}) {
    const winsim::Image part = winsim::CaptureScreenRect(rect);
    const RECT shown{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0), std::min<LONG>(rect.right, screen.width),
                     std::min<LONG>(rect.bottom, screen.height)};
    ASSERT_EQ(part.width, shown.right - shown.left);
    ASSERT_EQ(part.height, shown.bottom - shown.top);
    int different = 0;
    for (int y = 0; y < part.height; ++y)
      for (int x = 0; x < part.width; ++x) different += part.Pixel(x, y) != screen.Pixel(shown.left + x, shown.top + y);
    EXPECT_EQ(different, 0) << "part " << rect.left << "," << rect.top;
  }
}

// The PNG file holds the pixels of the shot exactly.
TEST_F(Screenshots, ThePngFileHoldsTheShotsPixels) {
  HWND top = TopLevel(0, 0, 120, 70, WS_POPUP | WS_VISIBLE);
  winsim::PumpMessages();
  FillOnCanvas(top, {0, 0, 120, 70}, 0.2, 0.4, 0.6);
  FillOnCanvas(top, {10, 10, 50, 30}, 1, 0.5, 0);
  FillOnCanvas(top, {60, 20, 61, 60}, 0, 0, 0);
  const winsim::Image shot = winsim::CaptureWindow(top);
  const std::filesystem::path file = win32_test::OutputFolder() / "screenshot_png_file.png";
  ASSERT_TRUE(winsim::SaveWindowPng(top, file.string()));
  cairo_surface_t* loaded = cairo_image_surface_create_from_png(file.string().c_str());
  ASSERT_EQ(cairo_surface_status(loaded), CAIRO_STATUS_SUCCESS);
  ASSERT_EQ(cairo_image_surface_get_width(loaded), shot.width);
  ASSERT_EQ(cairo_image_surface_get_height(loaded), shot.height);
  const unsigned char* data = cairo_image_surface_get_data(loaded);
  const int stride = cairo_image_surface_get_stride(loaded);
  int different = 0;
  for (int y = 0; y < shot.height; ++y)
    for (int x = 0; x < shot.width; ++x) {
      std::uint32_t p;
      std::memcpy(&p, data + y * stride + 4 * x, sizeof p);
      different += RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) != shot.Pixel(x, y) || (p >> 24) != 255;
    }
  EXPECT_EQ(different, 0);
  cairo_surface_destroy(loaded);
  EXPECT_FALSE(winsim::SaveWindowPng(top, (win32_test::OutputFolder() / "missing-folder" / "x.png").string()));
}
