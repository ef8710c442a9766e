// The keyboard drawing: key rectangles of both layout kinds at an odd size, the 6-pixel gap, no overlaps,
// and the sizes and key numbers that have no rectangle.
#include "editor/layout_key_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Talvo::testing {

namespace {

RECT Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

::testing::AssertionResult RectIs(int kind, int key, const RECT& client, const RECT& expected) {
  RECT rect{};
  if (!KeyRectInClient(kind, key, client, &rect)) return ::testing::AssertionFailure() << "key " << key << ": none";
  if (rect == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "key " << key << ": (" << rect.left << ", " << rect.top << ", " << rect.right
                                       << ", " << rect.bottom << ")";
}

bool Intersect(const RECT& a, const RECT& b) {
  return std::max(a.left, b.left) <= std::min(a.right, b.right) &&
         std::max(a.top, b.top) <= std::min(a.bottom, b.bottom);
}

}  // namespace

TEST(LayoutKeyGeometry, KindsAndKeyCounts) {
  EXPECT_EQ(LayoutKindOfType(L"0"), kLayoutKindAnsi);
  EXPECT_EQ(LayoutKindOfType(L"1"), kLayoutKindIso);
  EXPECT_EQ(LayoutKindOfType(L"2"), kLayoutKindIso);
  EXPECT_EQ(LayoutKindOfType(L""), kLayoutKindIso);
  EXPECT_EQ(LayoutKeyCount(kLayoutKindAnsi), 104);
  EXPECT_EQ(LayoutKeyCount(kLayoutKindIso), 105);
}

// An odd client size, so that every fraction is truncated; the drawing area is 1285 x 419 pixels.
TEST(LayoutKeyGeometry, KeysOfBothKindsLieWhereTheDrawingPutsThem) {
  const RECT client = Rect(0, 0, 1317, 451);
  for (int kind : {kLayoutKindAnsi, kLayoutKindIso}) {
    EXPECT_TRUE(RectIs(kind, 0, client, Rect(16, 16, 67, 77)));       // Esc
    EXPECT_TRUE(RectIs(kind, 5, client, Rect(362, 16, 413, 77)));     // F5 after the first gap
    EXPECT_TRUE(RectIs(kind, 29, client, Rect(767, 103, 848, 164)));  // Backspace
    EXPECT_TRUE(RectIs(kind, 72, client, Rect(239, 372, 550, 433)));  // space bar
    EXPECT_TRUE(RectIs(kind, 77, client, Rect(991, 103, 1042, 164)));  // Insert, right of Home
    EXPECT_TRUE(RectIs(kind, 79, client, Rect(876, 103, 927, 164)));
    EXPECT_TRUE(RectIs(kind, 83, client, Rect(876, 372, 927, 433)));    // the arrows
    EXPECT_TRUE(RectIs(kind, 84, client, Rect(933, 305, 984, 366)));
    EXPECT_TRUE(RectIs(kind, 91, client, Rect(1246, 171, 1297, 299)));  // number-pad plus, two rows
    EXPECT_TRUE(RectIs(kind, 92, client, Rect(1246, 305, 1297, 433)));  // number-pad Enter
    EXPECT_TRUE(RectIs(kind, 102, client, Rect(1072, 372, 1181, 433)));
    EXPECT_TRUE(RectIs(kind, 104, client, Rect(729, 238, 780, 299)));  // a place on either kind
  }
  // ANSI: the backslash above a one-row Enter, a wide Caps Lock and left Shift.
  EXPECT_TRUE(RectIs(kLayoutKindAnsi, 43, client, Rect(787, 171, 849, 232)));
  EXPECT_TRUE(RectIs(kLayoutKindAnsi, 44, client, Rect(16, 238, 109, 299)));
  EXPECT_TRUE(RectIs(kLayoutKindAnsi, 45, client, Rect(116, 238, 167, 299)));
  EXPECT_TRUE(RectIs(kLayoutKindAnsi, 56, client, Rect(752, 238, 847, 299)));
  EXPECT_TRUE(RectIs(kLayoutKindAnsi, 57, client, Rect(16, 305, 139, 366)));
  // ISO: Enter spans two rows, the extra key sits beside a short left Shift.
  EXPECT_TRUE(RectIs(kLayoutKindIso, 43, client, Rect(87, 305, 138, 366)));
  EXPECT_TRUE(RectIs(kLayoutKindIso, 44, client, Rect(16, 238, 87, 299)));
  EXPECT_TRUE(RectIs(kLayoutKindIso, 45, client, Rect(93, 238, 144, 299)));
  EXPECT_TRUE(RectIs(kLayoutKindIso, 56, client, Rect(787, 171, 849, 299)));
  EXPECT_TRUE(RectIs(kLayoutKindIso, 57, client, Rect(16, 305, 81, 366)));
}

TEST(LayoutKeyGeometry, KeysStayInsideTheDrawingWithoutOverlapping) {
  for (const RECT& client : {Rect(0, 0, 1317, 451), Rect(0, 0, 900, 300), Rect(10, 20, 1930, 700)}) {
    for (int kind : {kLayoutKindAnsi, kLayoutKindIso}) {
      const int count = LayoutKeyCount(kind);
      for (int a = 0; a < count; ++a) {
        RECT first{};
        ASSERT_TRUE(KeyRectInClient(kind, a, client, &first)) << a;
        EXPECT_GE(first.left, client.left + 16);
        EXPECT_GE(first.top, client.top + 16);
        EXPECT_LE(first.right, client.right - 16);
        EXPECT_LE(first.bottom, client.bottom - 16);
        EXPECT_LT(first.left, first.right);
        EXPECT_LT(first.top, first.bottom);
        for (int b = a + 1; b < count; ++b) {
          RECT second{};
          ASSERT_TRUE(KeyRectInClient(kind, b, client, &second));
          EXPECT_FALSE(Intersect(first, second)) << "kind " << kind << ": keys " << a << " and " << b;
        }
      }
    }
  }
}

TEST(LayoutKeyGeometry, NeighboursKeepTheGapAtEverySize) {
  // Neighbours in a row (Q and W) and in a column (Home above End).
  for (int width = 200; width <= 1940; width += 37) {
    for (int height = 120; height <= 1040; height += 53) {
      const RECT client = Rect(0, 0, width, height);
      RECT q{}, w{}, home{}, end{};
      ASSERT_TRUE(KeyRectInClient(kLayoutKindAnsi, 31, client, &q));
      ASSERT_TRUE(KeyRectInClient(kLayoutKindAnsi, 32, client, &w));
      ASSERT_TRUE(KeyRectInClient(kLayoutKindAnsi, 78, client, &home));
      ASSERT_TRUE(KeyRectInClient(kLayoutKindAnsi, 81, client, &end));
      // Truncating each fraction on its own may add one pixel.
      EXPECT_GE(w.left - q.right, 6) << width << " x " << height;
      EXPECT_LE(w.left - q.right, 7) << width << " x " << height;
      EXPECT_GE(end.top - home.bottom, 6) << width << " x " << height;
      EXPECT_LE(end.top - home.bottom, 7) << width << " x " << height;
    }
  }
}

TEST(LayoutKeyGeometry, NoRectangleWithoutRoomOrForUnknownKeys) {
  RECT rect = Rect(1, 2, 3, 4);
  EXPECT_FALSE(KeyRectInClient(kLayoutKindAnsi, 0, Rect(0, 0, 32, 400), &rect));
  EXPECT_FALSE(KeyRectInClient(kLayoutKindAnsi, 0, Rect(0, 0, 400, 32), &rect));
  EXPECT_FALSE(KeyRectInClient(kLayoutKindAnsi, 0, Rect(0, 0, 0, 0), &rect));
  EXPECT_FALSE(KeyRectInClient(kLayoutKindAnsi, 0, Rect(50, 50, 10, 400), &rect));
  EXPECT_TRUE(rect == Rect(1, 2, 3, 4));  // left alone
  EXPECT_TRUE(KeyRectInClient(kLayoutKindAnsi, 0, Rect(0, 0, 33, 33), &rect));
  for (int key : {-1, 105, 1000}) EXPECT_FALSE(KeyRectInClient(kLayoutKindIso, key, Rect(0, 0, 800, 300), &rect));
  EXPECT_FALSE(KeyRectInClient(kLayoutKindIso, 0, Rect(0, 0, 800, 300), nullptr));
}

}  // namespace Talvo::testing
