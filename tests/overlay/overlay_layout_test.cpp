// Where the overlay's boxes go: taps 1 and 2 on the right and 4 and 3 on the left with row B above row A,
// the context boxes and the key box down the middle, the held modifier keys side by side on the bottom edge.
#include "overlay/overlay_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace Talvo::testing {
namespace {

constexpr int kCentre = kOverlayWidth / 2;

bool Centred(const RECT& box) { return std::abs(box.left + box.right - kOverlayWidth) <= 1; }

TEST(OverlayLayoutTest, TapsSitInTheSideColumnsAndTheContextDownTheMiddle) {
  const OverlayLayout layout = ComputeOverlayLayout(kOverlayWidth, kOverlayHeight);
  for (int tap = 0; tap < 4; ++tap) {
    const bool right = tap < 2;
    EXPECT_EQ(layout.rowA[tap].left > kCentre, right) << tap + 1;
    EXPECT_EQ(layout.rowB[tap].left, layout.rowA[tap].left) << tap + 1;
    EXPECT_LE(layout.rowB[tap].bottom, layout.rowA[tap].top) << tap + 1;
  }
  EXPECT_GT(layout.rowB[1].top, layout.rowA[0].top);  // tap 2 below tap 1, tap 3 below tap 4
  EXPECT_GT(layout.rowB[2].top, layout.rowA[3].top);
  for (const RECT& box : {layout.inputTypeBox, layout.modeBox, layout.countBox, layout.keyBox}) {
    EXPECT_TRUE(Centred(box)) << box.left << ", " << box.top;
  }
  EXPECT_LE(layout.inputTypeBox.bottom, layout.modeBox.top);
  EXPECT_LE(layout.modeBox.bottom, layout.countBox.top);
  EXPECT_LE(layout.countBox.bottom, layout.keyBox.top);
}

TEST(OverlayLayoutTest, OnlyExactShiftCtrlAndAltBytesShowModifierKeys) {
  struct Row {
    unsigned char byte;
    bool shift, ctrl, alt;
  };
  for (const Row& row : {Row{3, false, false, false}, Row{7, true, false, false}, Row{11, false, true, false},
                         Row{15, true, true, false}, Row{19, false, false, true}, Row{23, true, false, true},
                         Row{27, false, true, true}, Row{31, true, true, true}, Row{12, false, false, false}}) {
    const ModifierKeys keys = ModifierKeysOf(row.byte);
    EXPECT_EQ(keys.shift, row.shift) << int{row.byte};
    EXPECT_EQ(keys.ctrl, row.ctrl) << int{row.byte};
    EXPECT_EQ(keys.alt, row.alt) << int{row.byte};
  }
}

TEST(OverlayLayoutTest, ModifierKeysSitSideBySideOnTheBottomEdgeAcrossTheCentre) {
  for (unsigned char byte : {3, 7, 11, 15, 19, 23, 27, 31}) {
    const ModifierKeys keys = ModifierKeysOf(byte);
    const ModifierLayout layout = ComputeModifierLayout(keys, kOverlayWidth, kOverlayHeight);
    std::vector<RECT> shown;  // left to right: Ctrl, Shift, Alt
    for (const auto& [isShown, box] : {std::pair{keys.ctrl, layout.ctrl}, std::pair{keys.shift, layout.shift},
                                       std::pair{keys.alt, layout.alt}}) {
      EXPECT_EQ(box.right > box.left, isShown) << int{byte};
      if (isShown) shown.push_back(box);
    }
    for (size_t i = 0; i < shown.size(); ++i) {
      EXPECT_EQ(shown[i].bottom, kOverlayHeight) << int{byte};
      EXPECT_TRUE(i == 0 || shown[i].left >= shown[i - 1].right) << int{byte};
    }
    // One key is centred; several span the centre.
    EXPECT_TRUE(shown.size() != 1 || Centred(shown[0])) << int{byte};
    EXPECT_TRUE(shown.empty() || (shown.front().left < kCentre && kCentre < shown.back().right)) << int{byte};
  }
}

}  // namespace
}  // namespace Talvo::testing
