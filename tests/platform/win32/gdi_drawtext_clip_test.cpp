// DrawTextW clips its text and background to the rectangle: the pixels are those of the same text drawn
// unclipped, cut to the rectangle, whether or not the text needs cutting.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>

#include "gdi_test_canvas.h"

namespace {

using gditest::Canvas;

constexpr int kWidth = 160;
constexpr int kHeight = 60;
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct ClipCase {
  const char* name;
  const wchar_t* text;
  RECT rect;
  UINT format;
  int bkMode;
};
void PrintTo(const ClipCase& clipCase, std::ostream* out) { *out << clipCase.name; }

// Draws the case in red with a yellow background (when opaque) on a white canvas.
void Draw(Canvas& canvas, HFONT font, const ClipCase& clipCase, UINT extraFormat) {
  HGDIOBJ old = SelectObject(canvas.dc, font);
  SetTextColor(canvas.dc, RGB(200, 0, 0));
  SetBkColor(canvas.dc, RGB(255, 255, 0));
  SetBkMode(canvas.dc, clipCase.bkMode);
  RECT rect = clipCase.rect;
  DrawTextW(canvas.dc, clipCase.text, -1, &rect, clipCase.format | extraFormat);
  SelectObject(canvas.dc, old);
}

bool Inside(const RECT& rect, int x, int y) { return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom; }

class DrawTextClip : public ::testing::TestWithParam<ClipCase> {
 protected:
  DrawTextClip()
      : font_(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Segoe UI")) {}
  ~DrawTextClip() override { DeleteObject(font_); }

  HFONT font_;
};

TEST_P(DrawTextClip, ShowsTheUnclippedPixelsInsideTheRectangleAndNoneOutside) {
  const ClipCase& clipCase = GetParam();
  Canvas clipped(kWidth, kHeight);
  Canvas unclipped(kWidth, kHeight);
  Draw(clipped, font_, clipCase, 0);
  Draw(unclipped, font_, clipCase, DT_NOCLIP);
  int outside = 0;
  int differing = 0;
  int shown = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const COLORREF pixel = clipped.At(x, y);
      if (!Inside(clipCase.rect, x, y)) {
        outside += pixel != kWhite;
        continue;
      }
      differing += pixel != unclipped.At(x, y);
      shown += pixel != kWhite;
    }
  EXPECT_EQ(outside, 0) << "pixels drawn outside the rectangle";
  EXPECT_EQ(differing, 0) << "pixels inside the rectangle unlike the unclipped text's";
  EXPECT_GT(shown, 0) << "nothing drawn";
}

constexpr UINT kLine = DT_SINGLELINE | DT_NOPREFIX;

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawTextClip,
    ::testing::Values(ClipCase{"FitsCentred", L"Editable Poly", {10, 10, 150, 40}, kLine | DT_CENTER | DT_VCENTER, TRANSPARENT},
                      ClipCase{"TooWide", L"Editable Poly", {10, 10, 50, 40}, kLine | DT_VCENTER, TRANSPARENT},
                      ClipCase{"TooWideRightAligned", L"Editable Poly", {10, 10, 50, 40}, kLine | DT_RIGHT, TRANSPARENT},
                      ClipCase{"TooLow", L"Editable Poly", {10, 10, 150, 18}, kLine | DT_VCENTER, TRANSPARENT},
                      ClipCase{"TouchesTheRightEdge", L"Poly", {10, 10, 34, 40}, kLine, TRANSPARENT},
                      ClipCase{"Underlined", L"&Poly gj", {10, 10, 150, 40}, DT_SINGLELINE | DT_CENTER, TRANSPARENT},
                      ClipCase{"OpaqueFits", L"Editable Poly", {10, 10, 150, 40}, kLine | DT_CENTER, OPAQUE},
                      ClipCase{"OpaqueTallerThanItsInk", L"-", {10, 10, 150, 22}, kLine | DT_CENTER | DT_VCENTER, OPAQUE},
                      ClipCase{"OpaqueTooWide", L"Editable Poly", {10, 10, 50, 40}, kLine | DT_CENTER, OPAQUE},
                      ClipCase{"WrappedFits", L"Editable Poly with words", {10, 5, 90, 55}, DT_WORDBREAK | DT_CENTER, TRANSPARENT},
                      ClipCase{"WrappedTooLow", L"Editable Poly with words", {10, 5, 90, 20}, DT_WORDBREAK, TRANSPARENT},
                      ClipCase{"Ellipsized", L"Editable Poly with words", {10, 10, 70, 40}, kLine | DT_END_ELLIPSIS, OPAQUE}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
