#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "afxcmn.h"
#include "mfc_fixture.h"

namespace {

using ImageListTest = MfcTest;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);

// A 16 x 16 bitmap in the mask colour with a green square in its middle (4..11).
void MakeGlyph(CBitmap& bitmap) {
  HDC screen = ::GetDC(nullptr);
  ASSERT_TRUE(bitmap.Attach(::CreateCompatibleBitmap(screen, 16, 16)));
  ::ReleaseDC(nullptr, screen);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, bitmap.m_hObject);
  HBRUSH magenta = ::CreateSolidBrush(kMagenta), green = ::CreateSolidBrush(kGreen);
  RECT all{0, 0, 16, 16}, square{4, 4, 12, 12};
  ::FillRect(dc, &all, magenta);
  ::FillRect(dc, &square, green);
  ::SelectObject(dc, old);
  ::DeleteObject(magenta);
  ::DeleteObject(green);
  ::DeleteDC(dc);
}

// A memory DC over a 32 x 32 blue bitmap.
class Canvas {
 public:
  Canvas() {
    HDC screen = ::GetDC(nullptr);
    bitmap_ = ::CreateCompatibleBitmap(screen, 32, 32);
    ::ReleaseDC(nullptr, screen);
    dc_.Attach(::CreateCompatibleDC(nullptr));
    old_ = ::SelectObject(dc_.m_hDC, bitmap_);
    HBRUSH blue = ::CreateSolidBrush(kBlue);
    RECT all{0, 0, 32, 32};
    ::FillRect(dc_.m_hDC, &all, blue);
    ::DeleteObject(blue);
  }
  ~Canvas() {
    ::SelectObject(dc_.m_hDC, old_);
    ::DeleteDC(dc_.Detach());
    ::DeleteObject(bitmap_);
  }
  CDC* dc() { return &dc_; }
  COLORREF Pixel(int x, int y) { return ::GetPixel(dc_.m_hDC, x, y); }

 private:
  CDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

TEST_F(ImageListTest, IconDrawnWithItsMaskColourTransparent) {
  CBitmap glyph;
  MakeGlyph(glyph);
  CImageList bitmaps;
  ASSERT_TRUE(bitmaps.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
  EXPECT_FALSE(bitmaps.Create(16, 16, ILC_COLOR24, 0, 4));  // already made
  EXPECT_EQ(bitmaps.Add(&glyph, kMagenta), 0);

  // The icon made from the masked image keeps its transparency in another list.
  HICON icon = bitmaps.ExtractIcon(0);
  ASSERT_NE(icon, nullptr);
  CImageList icons;
  ASSERT_TRUE(icons.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
  EXPECT_EQ(icons.Add(icon), 0);
  ::DestroyIcon(icon);
  IMAGEINFO info{};
  ASSERT_TRUE(icons.GetImageInfo(0, &info));
  EXPECT_EQ(info.rcImage.right - info.rcImage.left, 16);
  EXPECT_EQ(info.rcImage.bottom - info.rcImage.top, 16);

  Canvas canvas;
  EXPECT_TRUE(icons.Draw(canvas.dc(), 0, CPoint(8, 8), ILD_TRANSPARENT));
  EXPECT_EQ(canvas.Pixel(8, 8), kBlue);     // the mask colour let the background through
  EXPECT_EQ(canvas.Pixel(16, 16), kGreen);  // the glyph itself
  EXPECT_EQ(canvas.Pixel(4, 4), kBlue);     // outside the image
  EXPECT_FALSE(icons.Draw(canvas.dc(), 3, CPoint(0, 0), ILD_NORMAL));  // no such image
}

TEST_F(ImageListTest, AddRemoveReplaceAndTheHandleMap) {
  CBitmap glyph;
  MakeGlyph(glyph);
  CImageList list;
  ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list.Add(&glyph, kMagenta), i);
  EXPECT_EQ(list.GetImageCount(), 3);
  EXPECT_TRUE(list.Remove(1));
  EXPECT_FALSE(list.Remove(5));
  EXPECT_EQ(list.GetImageCount(), 2);
  EXPECT_TRUE(list.Replace(1, &glyph, nullptr));
  EXPECT_FALSE(list.Replace(4, &glyph, nullptr));
  EXPECT_TRUE(list.SetImageCount(5));
  EXPECT_EQ(list.GetImageCount(), 5);
  EXPECT_TRUE(list.Remove(-1));
  EXPECT_EQ(list.GetImageCount(), 0);

  HIMAGELIST handle = list.GetSafeHandle();
  EXPECT_EQ(CImageList::FromHandle(handle), &list);
  EXPECT_EQ(list.Detach(), handle);
  EXPECT_EQ(CImageList::FromHandlePermanent(handle), nullptr);
  CImageList* temporary = CImageList::FromHandle(handle);
  ASSERT_NE(temporary, nullptr);
  EXPECT_EQ(temporary->GetImageCount(), 0);
  AfxUnlockTempMaps();  // the wrapper goes, the list stays
  CImageList adopted;
  ASSERT_TRUE(adopted.Attach(handle));
  EXPECT_TRUE(adopted.DeleteImageList());
  EXPECT_EQ(adopted.m_hImageList, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(handle), 0);  // destroyed
}

// A 24-bit bottom-up BMP file of 3 x 2 pixels: the top row red, green, blue; the bottom row white.
std::string WriteBmp() {
  const std::vector<std::uint8_t> rows = {
      255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 0,  // bottom row (white) + padding
      0,   0,   255, 0,   255, 0,   255, 0,   0,   0, 0, 0,  // top row: red, green, blue (BGR) + padding
  };
  std::vector<std::uint8_t> file = {'B', 'M'};
  auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto put16 = [&](std::uint16_t v) {
    file.push_back(static_cast<std::uint8_t>(v));
    file.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  put32(54 + static_cast<std::uint32_t>(rows.size()));
  put32(0);
  put32(54);
  put32(40);
  put32(3);
  put32(2);
  put16(1);
  put16(24);
  put32(0);
  put32(static_cast<std::uint32_t>(rows.size()));
  put32(2835);
  put32(2835);
  put32(0);
  put32(0);
  file.insert(file.end(), rows.begin(), rows.end());
  const std::string path = ::testing::TempDir() + "cimage_test.bmp";
  std::FILE* out = std::fopen(path.c_str(), "wb");
  std::fwrite(file.data(), 1, file.size(), out);
  std::fclose(out);
  return path;
}

TEST_F(ImageListTest, ImageLoadsAFileAndDrawsIt) {
  const std::string path = WriteBmp();
  CImage image;
  EXPECT_TRUE(image.IsNull());
  ASSERT_EQ(image.Load(std::wstring(path.begin(), path.end()).c_str()), S_OK);
  EXPECT_FALSE(image.IsNull());
  EXPECT_EQ(image.GetWidth(), 3);
  EXPECT_EQ(image.GetHeight(), 2);
  EXPECT_EQ(image.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(image.GetPixel(2, 0), RGB(0, 0, 255));

  Canvas canvas;
  EXPECT_TRUE(image.Draw(canvas.dc()->m_hDC, 1, 1));
  EXPECT_EQ(canvas.Pixel(2, 1), RGB(0, 255, 0));
  EXPECT_EQ(canvas.Pixel(2, 2), RGB(255, 255, 255));
  EXPECT_EQ(canvas.Pixel(4, 1), kBlue);
  EXPECT_TRUE(image.StretchBlt(canvas.dc()->m_hDC, CRect(10, 10, 16, 14)));
  EXPECT_EQ(canvas.Pixel(10, 10), RGB(255, 0, 0));
  EXPECT_EQ(canvas.Pixel(15, 13), RGB(255, 255, 255));

  // Drawing into the image through its own DC.
  HDC dc = image.GetDC();
  ::SetPixel(dc, 1, 1, RGB(1, 2, 3));
  image.ReleaseDC();
  EXPECT_EQ(image.GetPixel(1, 1), RGB(1, 2, 3));

  image.Destroy();
  EXPECT_TRUE(image.IsNull());
  EXPECT_EQ(image.Load(L"/no/such/file.png"), E_FAIL);
  EXPECT_TRUE(image.IsNull());
  EXPECT_FALSE(image.Draw(canvas.dc()->m_hDC, 0, 0));
  std::remove(path.c_str());
}

}  // namespace
