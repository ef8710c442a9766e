// The keyboard drawing: where the keys that differ between the layout kinds lie, no overlaps at two sizes,
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

bool Intersect(const RECT& a, const RECT& b) {
  return std::max(a.left, b.left) <= std::min(a.right, b.right) &&
         std::max(a.top, b.top) <= std::min(a.bottom, b.bottom);
}

struct KeyPlace {
  int kind;
  int key;
  RECT rect;
};

// An odd client size of 1317 x 451, so that every fraction is truncated.
const KeyPlace kPlaces[] = {
    {kLayoutKindAnsi, 0, {16, 16, 67, 77}},         // Esc
    {kLayoutKindIso, 5, {362, 16, 413, 77}},        // F5 after the first gap
    {kLayoutKindAnsi, 29, {767, 103, 848, 164}},    // Backspace
    {kLayoutKindIso, 77, {991, 103, 1042, 164}},    // Insert, right of Home
    {kLayoutKindAnsi, 84, {933, 305, 984, 366}},    // the up arrow
    {kLayoutKindIso, 102, {1072, 372, 1181, 433}},  // number-pad 0
    {kLayoutKindIso, 72, {239, 372, 550, 433}},     // the space bar
    {kLayoutKindIso, 91, {1246, 171, 1297, 299}},   // number-pad plus, two rows
    {kLayoutKindAnsi, 43, {787, 171, 849, 232}},    // ANSI: the backslash above a one-row Enter
    {kLayoutKindAnsi, 56, {752, 238, 847, 299}},   {kLayoutKindAnsi, 57, {16, 305, 139, 366}},  // a wide left Shift
    {kLayoutKindIso, 43, {87, 305, 138, 366}},   // ISO: the extra key beside a short left Shift
    {kLayoutKindIso, 56, {787, 171, 849, 299}},  // Enter spans two rows
    {kLayoutKindIso, 57, {16, 305, 81, 366}},
};

}  // namespace

TEST(LayoutKeyGeometry, KeysLieWhereTheDrawingPutsThem) {
  EXPECT_EQ(LayoutKindOfType(L"0"), kLayoutKindAnsi);
  EXPECT_EQ(LayoutKindOfType(L"2"), kLayoutKindIso);
  for (const KeyPlace& place : kPlaces) {
    RECT rect{};
    ASSERT_TRUE(KeyRectInClient(place.kind, place.key, Rect(0, 0, 1317, 451), &rect)) << place.key;
    EXPECT_TRUE(rect == place.rect) << "kind " << place.kind << " key " << place.key << ": " << rect.left << ", "
                                    << rect.top << ", " << rect.right << ", " << rect.bottom;
  }
}

TEST(LayoutKeyGeometry, KeysStayInsideTheDrawingWithoutOverlapping) {
  for (const RECT& client : {Rect(0, 0, 1317, 451), Rect(10, 20, 1930, 700)}) {
    for (int kind : {kLayoutKindAnsi, kLayoutKindIso}) {
      const int count = LayoutKeyCount(kind);
      for (int a = 0; a < count; ++a) {
        RECT first{};
        ASSERT_TRUE(KeyRectInClient(kind, a, client, &first)) << a;
        EXPECT_GE(first.left, client.left + 16);
        EXPECT_GE(first.top, client.top + 16);
        EXPECT_LE(first.right, client.right - 16);
        EXPECT_LE(first.bottom, client.bottom - 16);
        for (int b = a + 1; b < count; ++b) {
          RECT second{};
          ASSERT_TRUE(KeyRectInClient(kind, b, client, &second));
          EXPECT_FALSE(Intersect(first, second)) << "kind " << kind << ": keys " << a << " and " << b;
        }
      }
    }
  }
}

TEST(LayoutKeyGeometry, NoRectangleWithoutRoomOrForUnknownKeys) {
  RECT rect = Rect(1, 2, 3, 4);
  EXPECT_FALSE(KeyRectInClient(kLayoutKindAnsi, 0, Rect(0, 0, 32, 400), &rect));
  EXPECT_FALSE(KeyRectInClient(kLayoutKindAnsi, 0, Rect(0, 0, 400, 32), &rect));
  EXPECT_FALSE(KeyRectInClient(kLayoutKindAnsi, 0, Rect(50, 50, 10, 400), &rect));
  EXPECT_TRUE(rect == Rect(1, 2, 3, 4));  // left alone
  EXPECT_TRUE(KeyRectInClient(kLayoutKindAnsi, 0, Rect(0, 0, 33, 33), &rect));
  for (int key : {-1, 105}) {
    EXPECT_FALSE(KeyRectInClient(kLayoutKindIso, key, Rect(0, 0, 800, 300), &rect));
    EXPECT_EQ(DefaultVirtualKey(key), 0U);
  }
  EXPECT_FALSE(KeyRectInClient(kLayoutKindIso, 0, Rect(0, 0, 800, 300), nullptr));
}

}  // namespace Talvo::testing
