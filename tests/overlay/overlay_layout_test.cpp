// Where the modifier keys go for each combination (the window's own tests check the other boxes).
#include "overlay/overlay_layout.h"

#include <gtest/gtest.h>

namespace Talvo::testing {
namespace {

::testing::AssertionResult Placed(const RECT& rect, int x, int y, int width, int height) {
  if (rect.left == x && rect.top == y && rect.right - rect.left == width && rect.bottom - rect.top == height)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << rect.left << ", " << rect.top << ", " << rect.right - rect.left
                                       << " x " << rect.bottom - rect.top << ") instead of (" << x << ", " << y
                                       << ", " << width << " x " << height << ")";
}

TEST(OverlayLayoutTest, ModifierKeysSitOnTheBottomEdgeAroundTheCentre) {
  ModifierLayout layout = ComputeModifierLayout(ModifierKeysOf(11), 519, 270);
  EXPECT_TRUE(Placed(layout.ctrl, 227, 224, 65, 46));  // alone: centred
  EXPECT_TRUE(Placed(layout.shift, 0, 0, 0, 0));

  layout = ComputeModifierLayout(ModifierKeysOf(27), 519, 270);
  EXPECT_TRUE(Placed(layout.ctrl, 192, 224, 65, 46));  // left of centre
  EXPECT_TRUE(Placed(layout.alt, 257, 224, 65, 46));   // right of centre

  layout = ComputeModifierLayout(ModifierKeysOf(15), 519, 270);
  EXPECT_TRUE(Placed(layout.ctrl, 192, 224, 65, 46));
  EXPECT_TRUE(Placed(layout.shift, 257, 224, 65, 46));

  layout = ComputeModifierLayout(ModifierKeysOf(23), 519, 270);
  EXPECT_TRUE(Placed(layout.shift, 192, 224, 65, 46));
  EXPECT_TRUE(Placed(layout.alt, 257, 224, 65, 46));

  layout = ComputeModifierLayout(ModifierKeysOf(31), 519, 270);
  EXPECT_TRUE(Placed(layout.ctrl, 159, 224, 65, 46));
  EXPECT_TRUE(Placed(layout.shift, 227, 224, 65, 46));
  EXPECT_TRUE(Placed(layout.alt, 294, 224, 65, 46));
}

}  // namespace
}  // namespace Talvo::testing
