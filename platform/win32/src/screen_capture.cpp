// The screenshot API of the test driver: RGBA pixel buffers and PNG files.
#include <algorithm>
#include <cstring>

#include "win32/simulation.h"
#include "paint_internal.h"
#include "png_file.h"
#include "screen_compose.h"
#include "window_internal.h"

namespace winsim {

namespace {

// Unpremultiplies cairo's pixels into RGBA bytes; `area` selects part of the surface (clipped to it).
Image ToImage(cairo_surface_t* surface, RECT area) {
  Image image;
  if (!surface) return image;
  cairo_surface_flush(surface);
  int width = cairo_image_surface_get_width(surface), height = cairo_image_surface_get_height(surface);
  area = win32_internal::IntersectRects(area, {0, 0, width, height});
  image.width = area.right - area.left;
  image.height = area.bottom - area.top;
  image.rgba.resize(static_cast<size_t>(image.width) * image.height * 4);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t p;
      std::memcpy(&p, data + (y + area.top) * stride + 4 * (x + area.left), sizeof p);
      std::uint32_t a = p >> 24;
      std::uint8_t* out = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
      if (a == 255) {  // opaque, nearly every pixel of a window: nothing to unpremultiply
        out[0] = static_cast<std::uint8_t>(p >> 16);
        out[1] = static_cast<std::uint8_t>(p >> 8);
        out[2] = static_cast<std::uint8_t>(p);
        out[3] = 255;
        continue;
      }
      auto channel = [&](int shift) {
        std::uint32_t c = (p >> shift) & 0xFF;
        return static_cast<std::uint8_t>(a ? std::min<std::uint32_t>(255, (c * 255 + a / 2) / a) : 0);
      };
      out[0] = channel(16);
      out[1] = channel(8);
      out[2] = channel(0);
      out[3] = static_cast<std::uint8_t>(a);
    }
  return image;
}

RECT Whole(cairo_surface_t* surface) {
  return surface ? RECT{0, 0, cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface)}
                 : RECT{0, 0, 0, 0};
}

bool WritePng(cairo_surface_t* surface, const std::string& path) {
  if (!surface) return false;
  const Image image = ToImage(surface, Whole(surface));
  cairo_surface_destroy(surface);
  return win32_internal::WriteRgbaPng(image.rgba, image.width, image.height, path);
}

// Pending paints run first, so that a shot shows what the windows would show.
cairo_surface_t* ShootWindow(HWND hwnd) {
  win32_internal::RunPendingPaints(10000);
  return win32_internal::ComposeWindow(hwnd);
}

cairo_surface_t* ShootScreen(const RECT& area) {
  win32_internal::RunPendingPaints(10000);
  return win32_internal::ComposeScreen(area);
}

RECT WholeScreen() {
  const SIZE size = ScreenSize();
  return RECT{0, 0, size.cx, size.cy};
}

Image TakeImage(cairo_surface_t* surface, RECT area) {
  Image image = ToImage(surface, area);
  if (surface) cairo_surface_destroy(surface);
  return image;
}

}  // namespace

COLORREF Image::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  const std::uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
  return RGB(p[0], p[1], p[2]);
}

std::uint8_t Image::Alpha(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  return rgba[(static_cast<size_t>(y) * width + x) * 4 + 3];
}

Image CaptureWindow(HWND hwnd) {
  cairo_surface_t* shot = ShootWindow(hwnd);
  return TakeImage(shot, Whole(shot));
}

Image CaptureScreen() {
  cairo_surface_t* shot = ShootScreen(WholeScreen());
  return TakeImage(shot, Whole(shot));
}

Image CaptureScreenRect(const RECT& rect) {
  cairo_surface_t* shot = ShootScreen(rect);
  return TakeImage(shot, Whole(shot));
}

bool SaveWindowPng(HWND hwnd, const std::string& path) { return WritePng(ShootWindow(hwnd), path); }
bool SaveScreenRectPng(const RECT& rect, const std::string& path) { return WritePng(ShootScreen(rect), path); }

}  // namespace winsim
