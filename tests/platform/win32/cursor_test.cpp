#include "win32_fixture.h"

namespace {

using CursorTest = Win32Test;

TEST_F(CursorTest, StockCursorsAreSharedHandles) {
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), arrow);
  HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  EXPECT_NE(hand, nullptr);
  EXPECT_NE(hand, arrow);
  for (LPCWSTR id : {IDC_SIZEWE, IDC_SIZENS, IDC_IBEAM, IDC_NO, IDC_CROSS, IDC_WAIT, IDC_SIZEALL})
    EXPECT_NE(LoadCursorW(nullptr, id), nullptr);

  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 5u);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);

  // SetCursor hands back the cursor it replaced.
  SetCursor(arrow);
  EXPECT_EQ(SetCursor(hand), arrow);
}

TEST_F(CursorTest, UnknownNamesFailWithAResourceError) {
  SetLastError(0);
  EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCE(1)), nullptr);
  EXPECT_EQ(GetLastError(), 1814u);
  EXPECT_EQ(LoadCursorW(nullptr, L"Custom"), nullptr);
  EXPECT_EQ(LoadCursorW(reinterpret_cast<HINSTANCE>(1), IDC_ARROW), nullptr);
}

}  // namespace
