#include <gtest/gtest.h>

#include "region.h"

using win32_internal::Region;

namespace {
int Area(const Region& region) {
  int area = 0;
  for (const RECT& r : region.Rects()) area += (r.right - r.left) * (r.bottom - r.top);
  return area;
}
}  // namespace

TEST(Region, SetOperationsKeepDisjointRectangles) {
  Region a(RECT{0, 0, 10, 10});
  Region b(RECT{5, 5, 15, 15});
  Region sum = a;
  sum.Union(b);
  EXPECT_EQ(Area(sum), 100 + 100 - 25);
  EXPECT_TRUE(sum.Contains({14, 14}));
  EXPECT_FALSE(sum.Contains({14, 0}));
  EXPECT_EQ(sum.Bounds().right, 15);

  Region cut = a;
  cut.Subtract(b);
  EXPECT_EQ(Area(cut), 75);
  EXPECT_FALSE(cut.Contains({5, 5}));

  Region both = a;
  both.Intersect(b);
  EXPECT_TRUE(both.SamePixels(Region(RECT{5, 5, 10, 10})));

  Region odd = a;
  odd.Xor(b);
  EXPECT_EQ(Area(odd), 150);
  odd.Offset(100, 0);
  EXPECT_TRUE(odd.Contains({100, 0}));
  EXPECT_FALSE(odd.Intersects(RECT{105, 5, 110, 10}));

  EXPECT_TRUE(Region(RECT{3, 3, 3, 10}).IsEmpty());
  EXPECT_EQ(Region().Bounds().right, 0);
}
