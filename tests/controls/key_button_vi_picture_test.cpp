// KeyButtonVI's tap picture is decoded once per file and theme: the same file gives the same bitmap again,
// and a theme change gives that theme's picture, with the pixels of its file.
#include <vector>

#include "controls/key_button_vi.h"
#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

// The pixels of a 24-pixel picture, row by row.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap) {
  std::vector<COLORREF> pixels;
  HDC memory = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) pixels.push_back(::GetPixel(memory, x, y));
  }
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  return pixels;
}

// The picture of a file read on its own, for comparison.
std::vector<COLORREF> PixelsOfFile(const std::wstring& path) {
  auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 24, 24, LR_LOADFROMFILE));
  std::vector<COLORREF> pixels = PixelsOf(bitmap);
  ::DeleteObject(bitmap);
  return pixels;
}

using KeyButtonVIPictureTest = ControlsTest;

TEST_F(KeyButtonVIPictureTest, ThePictureIsReadOnceAndFollowsTheTheme) {
  KeyButtonVI button;
  button.tapCount = 2;
  SetTheme(kLightTheme);
  const HBITMAP light = button.TapPicture();
  ASSERT_NE(light, nullptr);
  EXPECT_EQ(button.TapPicture(), light);
  EXPECT_EQ(PixelsOf(light), PixelsOfFile(button.TapPicturePath()));

  SetTheme(kDarkTheme);
  const HBITMAP dark = button.TapPicture();
  ASSERT_NE(dark, nullptr);
  EXPECT_NE(dark, light);
  EXPECT_EQ(PixelsOf(dark), PixelsOfFile(button.TapPicturePath()));
  EXPECT_NE(PixelsOf(dark), PixelsOf(light));

  SetTheme(kLightTheme);
  EXPECT_EQ(button.TapPicture(), light);
  button.tapCount = 3;
  EXPECT_NE(button.TapPicture(), light);
}

}  // namespace
}  // namespace Talvo::testing
