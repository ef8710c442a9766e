#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "afxcmn.h"
#include "mfc_fixture.h"
#include "platform/win32/bmp_file.h"
#include "test_windows.h"

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

TEST_F(ImageListTest, AnImageIsDrawnWithItsMaskColourTransparent) {
  CBitmap glyph;
  MakeGlyph(glyph);
  CImageList icons;
  ASSERT_TRUE(icons.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
  EXPECT_FALSE(icons.Create(16, 16, ILC_COLOR24, 0, 4));  // already made
  EXPECT_EQ(icons.Add(&glyph, kMagenta), 0);
  IMAGEINFO info{};
  ASSERT_TRUE(icons.GetImageInfo(0, &info));
  EXPECT_EQ(info.rcImage.right - info.rcImage.left, 16);
  EXPECT_EQ(info.rcImage.bottom - info.rcImage.top, 16);

  mfctest::MemoryCanvas canvas(32, 32, kBlue);
  EXPECT_TRUE(icons.Draw(&canvas.dc, 0, CPoint(8, 8), ILD_TRANSPARENT));
  EXPECT_EQ(canvas.dc.GetPixel(8, 8), kBlue);     // the mask colour let the background through
  EXPECT_EQ(canvas.dc.GetPixel(16, 16), kGreen);  // the glyph itself
  EXPECT_EQ(canvas.dc.GetPixel(4, 4), kBlue);     // outside the image
  EXPECT_FALSE(icons.Draw(&canvas.dc, 3, CPoint(0, 0), ILD_NORMAL));  // no such image
}

TEST_F(ImageListTest, AddRemoveAndTheHandleMap) {
  CBitmap glyph;
  MakeGlyph(glyph);
  CImageList list;
  ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list.Add(&glyph, kMagenta), i);
  EXPECT_EQ(list.GetImageCount(), 3);
  EXPECT_TRUE(list.Remove(1));
  EXPECT_FALSE(list.Remove(5));
  EXPECT_EQ(list.GetImageCount(), 2);
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

// A 3 x 2 BMP file: the top row red, green, blue; the bottom row white.
std::string WriteBmp() {
  const COLORREF top[3] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
  const std::string path = ::testing::TempDir() + "cimage_test.bmp";
  bmptest::WriteBmp(path, 3, 2, [&](int x, int y) { return y == 0 ? top[x] : RGB(255, 255, 255); });
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

  mfctest::MemoryCanvas canvas(32, 32, kBlue);
  EXPECT_TRUE(image.Draw(canvas.dc.m_hDC, 1, 1));
  EXPECT_EQ(canvas.dc.GetPixel(2, 1), RGB(0, 255, 0));
  EXPECT_EQ(canvas.dc.GetPixel(2, 2), RGB(255, 255, 255));
  EXPECT_EQ(canvas.dc.GetPixel(4, 1), kBlue);

  // Drawing into the image through its own DC.
  HDC dc = image.GetDC();
  ::SetPixel(dc, 1, 1, RGB(1, 2, 3));
  image.ReleaseDC();
  EXPECT_EQ(image.GetPixel(1, 1), RGB(1, 2, 3));

  image.Destroy();
  EXPECT_TRUE(image.IsNull());
  EXPECT_EQ(image.Load(L"/no/such/file.png"), E_FAIL);
  EXPECT_TRUE(image.IsNull());
  EXPECT_FALSE(image.Draw(canvas.dc.m_hDC, 0, 0));
  std::remove(path.c_str());
}

}  // namespace
