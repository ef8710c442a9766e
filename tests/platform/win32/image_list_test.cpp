#include <gtest/gtest.h>
#include <windows.h>

#include "gdi_test_canvas.h"

namespace {

using gditest::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A bitmap of `count` 4 × 4 images: image i is red, or green for odd i, with a magenta
// top-left pixel.
HBITMAP Strip(int count) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 4 * count, 4);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int i = 0; i < count; ++i) {
    HBRUSH brush = CreateSolidBrush(i % 2 ? kGreen : kRed);
    RECT rect{4 * i, 0, 4 * i + 4, 4};
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    SetPixel(dc, 4 * i, 0, kMagenta);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

TEST(ImageList, WideBitmapsSplitAndMaskColoursBecomeTransparent) {
  HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR24 | ILC_MASK, 4, 4);
  HBITMAP strip = Strip(3);
  EXPECT_EQ(ImageList_AddMasked(list, strip, kMagenta), 0);
  EXPECT_EQ(ImageList_GetImageCount(list), 3);
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(list, &width, &height);
  EXPECT_EQ(width, 4);

  Canvas canvas(8, 4);
  ImageList_Draw(list, 1, canvas.dc, 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(canvas.At(0, 0), kWhite);  // masked
  EXPECT_EQ(canvas.At(1, 0), kGreen);
  EXPECT_EQ(canvas.At(4, 0), kWhite);  // nothing beyond the image

  ImageList_SetBkColor(list, RGB(0, 0, 255));
  ImageList_Draw(list, 0, canvas.dc, 4, 0, ILD_NORMAL);
  EXPECT_EQ(canvas.At(4, 0), RGB(0, 0, 255));  // the background shows through the mask
  EXPECT_EQ(canvas.At(5, 0), kRed);

  EXPECT_TRUE(ImageList_Remove(list, 0));
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  EXPECT_FALSE(ImageList_Draw(list, 5, canvas.dc, 0, 0, ILD_NORMAL));
  EXPECT_TRUE(ImageList_Remove(list, -1));
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
  EXPECT_TRUE(ImageList_SetImageCount(list, 2));
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  DeleteObject(strip);
  EXPECT_TRUE(ImageList_Destroy(list));
  EXPECT_FALSE(ImageList_Destroy(list));
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
}

TEST(ImageList, MaskBitmapsAndImageInfo) {
  HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR32 | ILC_MASK, 1, 1);
  HBITMAP image = Strip(1);
  const WORD maskRows[4] = {0x00F0, 0, 0, 0};  // a white top row (each row padded to 16 bits)
  HBITMAP mask = CreateBitmap(4, 4, 1, 1, maskRows);
  EXPECT_EQ(ImageList_Add(list, image, mask), 0);
  Canvas canvas(4, 4);
  ImageList_Draw(list, 0, canvas.dc, 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(canvas.At(2, 0), kWhite);
  EXPECT_EQ(canvas.At(2, 1), kRed);

  IMAGEINFO info{};
  ASSERT_TRUE(ImageList_GetImageInfo(list, 0, &info));
  EXPECT_EQ(info.rcImage.right - info.rcImage.left, 4);
  EXPECT_NE(info.hbmImage, nullptr);
  EXPECT_NE(info.hbmMask, nullptr);

  // Replacing keeps the count; selected drawing tints the image.
  HBITMAP green = Strip(2);
  EXPECT_TRUE(ImageList_Replace(list, 0, green, nullptr));
  EXPECT_EQ(ImageList_GetImageCount(list), 1);
  ImageList_Draw(list, 0, canvas.dc, 0, 0, ILD_SELECTED | ILD_TRANSPARENT);
  EXPECT_NE(canvas.At(2, 2), kRed);
  EXPECT_LT(GetRValue(canvas.At(2, 2)), 255);
  DeleteObject(green);
  DeleteObject(image);
  DeleteObject(mask);
  ImageList_Destroy(list);
}

}  // namespace
