#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "bmp_file.h"
#include "gdi_test_canvas.h"

namespace {

namespace fs = std::filesystem;

class ImageLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("talvo_image_test_" + std::to_string(getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // A 3 × 2 BMP: top row red, green, blue; bottom row white, black, grey.
  fs::path WriteBmp() {
    const COLORREF rows[2][3] = {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
                                 {RGB(255, 255, 255), RGB(0, 0, 0), RGB(128, 128, 128)}};
    const fs::path path = folder_ / "test.bmp";
    bmptest::WriteBmp(path, 3, 2, [&](int x, int y) { return rows[y][x]; });
    return path;
  }

  // A 4 × 4 PNG: opaque red with a transparent top-left pixel.
  fs::path WritePng() {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, 0, 0, 1, 1);
    cairo_fill(cr);
    cairo_destroy(cr);
    const fs::path path = folder_ / "test.png";
    cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    return path;
  }

  fs::path folder_;
};

TEST_F(ImageLoad, LoadsABmpWithItsSizeAndPixels) {
  const fs::path path = WriteBmp();
  auto bitmap = static_cast<HBITMAP>(
      LoadImageW(nullptr, path.wstring().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  ASSERT_TRUE(GetObjectW(bitmap, sizeof(info), &info));
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 2, 1), RGB(128, 128, 128));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST_F(ImageLoad, LoadsAPngKeepingAlphaAndScalesOnRequest) {
  const fs::path path = WritePng();
  auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path.wstring().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(bitmap, nullptr);
  gditest::Canvas canvas(4, 4);
  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(source, bitmap);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(canvas.dc, 0, 0, 4, 4, source, 0, 0, 4, 4, blend);
  EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255));  // transparent
  EXPECT_EQ(canvas.At(1, 0), RGB(255, 0, 0));
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(bitmap);

  auto scaled = static_cast<HBITMAP>(LoadImageW(nullptr, path.wstring().c_str(), IMAGE_BITMAP, 8, 6, LR_LOADFROMFILE));
  BITMAP info{};
  GetObjectW(scaled, sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, 8);
  EXPECT_EQ(info.bmHeight, 6);
  DeleteObject(scaled);

  auto icon = static_cast<HICON>(LoadImageW(nullptr, path.wstring().c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(icon, nullptr);
  gditest::Canvas iconCanvas(4, 4);
  EXPECT_TRUE(DrawIconEx(iconCanvas.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(iconCanvas.At(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(iconCanvas.At(3, 3), RGB(255, 0, 0));
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
}

TEST_F(ImageLoad, MissingOrBrokenFilesFail) {
  SetLastError(0);
  EXPECT_EQ(LoadImageW(nullptr, (folder_ / "none.png").wstring().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  const fs::path broken = folder_ / "broken.png";
  std::ofstream(broken) << "not an image";
  EXPECT_EQ(LoadImageW(nullptr, broken.wstring().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(LoadImageW(nullptr, L"x.png", IMAGE_BITMAP, 0, 0, 0), nullptr);  // resources are not supported
}

}  // namespace
