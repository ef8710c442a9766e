#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "gdi_test_canvas.h"

namespace {

using gditest::Canvas;

class GdiText : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Segoe UI");
    old_ = SelectObject(canvas_.dc, font_);
  }
  void TearDown() override {
    SelectObject(canvas_.dc, old_);
    DeleteObject(font_);
  }
  SIZE Extent(const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(canvas_.dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
  }
  RECT Calc(const std::wstring& text, RECT rect, UINT format) {
    DrawTextW(canvas_.dc, text.c_str(), -1, &rect, format | DT_CALCRECT);
    return rect;
  }

  Canvas canvas_{200, 80};
  HFONT font_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

TEST_F(GdiText, MeasuresTheReferenceText) {
  const SIZE size = Extent(L"Editable Poly");
  EXPECT_NEAR(size.cx, 77, 1);
  EXPECT_EQ(size.cy, 15);
  TEXTMETRICW metrics{};
  ASSERT_TRUE(GetTextMetricsW(canvas_.dc, &metrics));
  EXPECT_EQ(metrics.tmHeight, 15);
  EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, metrics.tmHeight);
  EXPECT_EQ(metrics.tmInternalLeading, 3);
  EXPECT_GT(metrics.tmAveCharWidth, 4);
  EXPECT_GE(metrics.tmMaxCharWidth, metrics.tmAveCharWidth);
  WCHAR face[LF_FACESIZE] = {};
  EXPECT_EQ(GetTextFaceW(canvas_.dc, LF_FACESIZE, face), 8);
  EXPECT_EQ(std::wstring(face), L"Segoe UI");
  EXPECT_EQ(Extent(L"").cx, 0);
  EXPECT_EQ(Extent(L"").cy, 15);
}

TEST_F(GdiText, CellHeightFontsAreSmallerThanCharacterHeightFonts) {
  HFONT cell = CreateFontW(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
  SelectObject(canvas_.dc, cell);
  EXPECT_LT(Extent(L"Editable Poly").cx, 77);
  SelectObject(canvas_.dc, font_);
  DeleteObject(cell);
}

TEST_F(GdiText, CalcRectAgreesWithTheExtent) {
  const SIZE size = Extent(L"Editable Poly");
  const RECT single = Calc(L"Editable Poly", RECT{10, 20, 11, 21}, DT_SINGLELINE | DT_LEFT);
  EXPECT_EQ(single.left, 10);
  EXPECT_EQ(single.right - single.left, size.cx);
  EXPECT_EQ(single.bottom - single.top, size.cy);
  RECT wide{0, 0, 500, 100};
  EXPECT_EQ(DrawTextW(canvas_.dc, L"Editable Poly", -1, &wide, DT_CALCRECT | DT_SINGLELINE), size.cy);
  EXPECT_EQ(wide.right, size.cx);  // shrinks as well as grows
}

TEST_F(GdiText, WordBreakWrapsIntoLines) {
  const RECT wrapped = Calc(L"one two three four five six", RECT{0, 0, 60, 0}, DT_WORDBREAK);
  EXPECT_GE(wrapped.bottom, 3 * 15);
  EXPECT_EQ(wrapped.bottom % 15, 0);
  EXPECT_LE(wrapped.right, 60);
  const RECT lines = Calc(L"a\nb\r\nc", RECT{0, 0, 100, 0}, 0);
  EXPECT_EQ(lines.bottom, 3 * 15);
  const RECT single = Calc(L"a\nb", RECT{0, 0, 100, 0}, DT_SINGLELINE);
  EXPECT_EQ(single.bottom, 15);
  EXPECT_EQ(single.right, Extent(L"ab").cx);
}

TEST_F(GdiText, PrefixesUnderlineAndDoubleAmpersandsShowOne) {
  EXPECT_EQ(Calc(L"&File", RECT{0, 0, 0, 0}, DT_SINGLELINE).right, Extent(L"File").cx);
  EXPECT_EQ(Calc(L"A && B", RECT{0, 0, 0, 0}, DT_SINGLELINE).right, Extent(L"A & B").cx);
  EXPECT_EQ(Calc(L"A && B", RECT{0, 0, 0, 0}, DT_SINGLELINE | DT_NOPREFIX).right, Extent(L"A && B").cx);

  // The prefixed letter gets an underline: more ink below the baseline of its first letter.
  SetBkMode(canvas_.dc, TRANSPARENT);
  RECT plain{0, 0, 100, 20};
  RECT prefixed{0, 30, 100, 50};
  DrawTextW(canvas_.dc, L"File", -1, &plain, DT_SINGLELINE);
  DrawTextW(canvas_.dc, L"&File", -1, &prefixed, DT_SINGLELINE);
  const int width = Extent(L"F").cx;
  const COLORREF white = RGB(255, 255, 255);
  EXPECT_LT(canvas_.Count(RECT{0, 30 + 12, width, 30 + 15}, white), canvas_.Count(RECT{0, 12, width, 15}, white));
}

TEST_F(GdiText, EndEllipsisKeepsTextInsideTheRectangle) {
  SetBkMode(canvas_.dc, TRANSPARENT);
  RECT rect{10, 10, 60, 30};
  DrawTextW(canvas_.dc, L"A rather long line of text that does not fit", -1, &rect,
            DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  const RECT drawn = canvas_.Drawn(RECT{0, 0, 200, 80});
  EXPECT_GE(drawn.left, 10);
  EXPECT_LE(drawn.right, 60);
  EXPECT_GT(drawn.right, 40);
}

struct ModifyStringCase {
  const wchar_t* text;
  UINT format;
  bool cut;  // the buffer takes the shown text: a start of the text and "..."
};

class GdiTextModifyString : public GdiText, public ::testing::WithParamInterface<ModifyStringCase> {};

TEST_P(GdiTextModifyString, TheBufferHoldsWhatIsShown) {
  const ModifyStringCase& c = GetParam();
  const std::wstring original = c.text;
  std::wstring buffer = original + std::wstring(4, L'#');  // room for four more characters
  RECT rect{10, 10, 70, 30};
  DrawTextW(canvas_.dc, buffer.data(), static_cast<int>(original.size()), &rect, c.format);
  const std::wstring shown = buffer.c_str();
  if (!c.cut) {
    EXPECT_EQ(buffer, original + L"####");
    return;
  }
  ASSERT_GT(shown.size(), 3U);
  const std::wstring kept = shown.substr(0, shown.size() - 3);
  EXPECT_EQ(shown.substr(kept.size()), L"...");
  EXPECT_EQ(original.substr(0, kept.size()), kept);
  EXPECT_LE(Extent(shown).cx, 60);
  EXPECT_GT(Extent(original.substr(0, kept.size() + 1) + L"...").cx, 60);  // the longest start that fits
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GdiTextModifyString,
    ::testing::Values(ModifyStringCase{L"A rather long line of text", DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, true},
                      ModifyStringCase{L"Short", DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, false},
                      ModifyStringCase{L"A rather long line of text", DT_SINGLELINE | DT_END_ELLIPSIS, false},
                      ModifyStringCase{L"A rather long line of text", DT_SINGLELINE | DT_MODIFYSTRING, false},
                      ModifyStringCase{L"A rather long line of text",
                                       DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT, false}));

TEST_F(GdiText, DrawTextAlignsAndClips) {
  SetBkMode(canvas_.dc, TRANSPARENT);
  SetTextColor(canvas_.dc, RGB(0, 0, 0));
  RECT rect{0, 0, 200, 80};
  const int bottom = DrawTextW(canvas_.dc, L"Hi", -1, &rect, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
  EXPECT_EQ(bottom, 80);
  const RECT drawn = canvas_.Drawn(rect);
  EXPECT_GT(drawn.left, 180);
  EXPECT_GT(drawn.top, 60);

  Canvas clipped(100, 40);
  SelectObject(clipped.dc, font_);
  RECT narrow{0, 0, 20, 20};
  DrawTextW(clipped.dc, L"Editable Poly", -1, &narrow, DT_SINGLELINE);
  EXPECT_LE(clipped.Drawn(RECT{0, 0, 100, 40}).right, 20);
  SelectObject(clipped.dc, GetStockObject(SYSTEM_FONT));
}

TEST_F(GdiText, OpaqueBackgroundFillsTheCell) {
  SetBkColor(canvas_.dc, RGB(0, 0, 255));
  TextOutW(canvas_.dc, 5, 5, L"x", 1);
  const SIZE size = Extent(L"x");
  EXPECT_EQ(canvas_.At(5, 5), RGB(0, 0, 255));
  EXPECT_EQ(canvas_.At(5 + size.cx - 1, 5 + size.cy - 1), RGB(0, 0, 255));
  EXPECT_EQ(canvas_.At(5 + size.cx, 5), RGB(255, 255, 255));

  SetBkMode(canvas_.dc, TRANSPARENT);
  SetTextAlign(canvas_.dc, TA_CENTER | TA_BASELINE);
  TextOutW(canvas_.dc, 100, 50, L"W", 1);
  const RECT drawn = canvas_.Drawn(RECT{60, 20, 140, 70});
  EXPECT_LE(drawn.bottom, 51);
  EXPECT_NEAR((drawn.left + drawn.right) / 2, 100, 2);
}

TEST_F(GdiText, ExtentsOfEveryPrefixForEditFields) {
  int fit = 0;
  int extents[5] = {};
  SIZE size{};
  ASSERT_TRUE(GetTextExtentExPointW(canvas_.dc, L"abcde", 5, Extent(L"abc").cx, &fit, extents, &size));
  EXPECT_EQ(fit, 3);
  EXPECT_EQ(extents[0], Extent(L"a").cx);
  EXPECT_EQ(extents[2], Extent(L"abc").cx);
  EXPECT_EQ(extents[4], size.cx);
  int widths[2] = {};
  ASSERT_TRUE(GetCharWidth32W(canvas_.dc, L'a', L'b', widths));
  EXPECT_EQ(widths[0], Extent(L"a").cx);
}

TEST_F(GdiText, VerticalTextRunsUpwardsFromItsReferencePoint) {
  HFONT vertical = CreateFontW(-12, 0, 900, 900, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Segoe UI");
  SelectObject(canvas_.dc, vertical);
  SetBkMode(canvas_.dc, TRANSPARENT);
  TextOutW(canvas_.dc, 20, 79, L"Editable Poly", 13);
  const RECT drawn = canvas_.Drawn(RECT{0, 0, 200, 80});
  EXPECT_GT(drawn.bottom - drawn.top, 60);
  EXPECT_LE(drawn.right - drawn.left, 15);
  EXPECT_GE(drawn.left, 20);
  EXPECT_LE(drawn.bottom, 80);
  SelectObject(canvas_.dc, font_);
  DeleteObject(vertical);
}

TEST_F(GdiText, ExtTextOutFillsAndClipsToItsRectangle) {
  SetBkColor(canvas_.dc, RGB(0, 255, 0));
  RECT rect{10, 10, 30, 30};
  ExtTextOutW(canvas_.dc, 10, 10, ETO_OPAQUE | ETO_CLIPPED, &rect, L"Editable Poly", 13, nullptr);
  EXPECT_EQ(canvas_.At(29, 29), RGB(0, 255, 0));
  EXPECT_TRUE(gditest::SameRect(canvas_.Drawn(RECT{0, 0, 200, 80}), rect));
}

}  // namespace
