// A memory DC drawing on a white 32-bit DIB section, for tests that look at pixels.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace gditest {

class Canvas {
 public:
  Canvas(int width, int height, COLORREF background = RGB(255, 255, 255)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    width_ = width;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
  }
  ~Canvas() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Read from the bits: GetPixel fails outside the clip region.
  COLORREF At(int x, int y) const {
    const std::uint32_t pixel = static_cast<const std::uint32_t*>(bits)[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
  // How many pixels of `rect` have exactly `color`.
  int Count(const RECT& rect, COLORREF color) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x) count += At(x, y) == color ? 1 : 0;
    return count;
  }
  // The bounding box of the pixels that are not `background`; empty when there are none.
  RECT Drawn(const RECT& area, COLORREF background = RGB(255, 255, 255)) const {
    RECT box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (At(x, y) != background) {
          box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                 std::max<LONG>(box.bottom, y + 1)};
        }
    if (box.left >= box.right) return RECT{0, 0, 0, 0};
    return box;
  }

  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  void* bits = nullptr;

 private:
  HGDIOBJ previous = nullptr;
  int width_ = 0;
};

inline bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace gditest
