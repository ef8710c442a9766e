// Where a row of a function editor's case grid sits: the selection block, the modifier group and the tap count.
#include "grid/case_row_layout.h"

#include <gtest/gtest.h>

namespace Talvo::testing {
namespace {

// A row of a grid of `rows` rows, and where it sits (selection -1: no case).
struct Placed {
  int row;
  int rows;
  bool tap;
  int selection;
  unsigned press;
  int modifiers;
};

class CaseRowLayoutTest : public ::testing::TestWithParam<Placed> {};

TEST_P(CaseRowLayoutTest, LocatesTheRow) {
  const Placed& expected = GetParam();
  const CaseRowPosition position = LocateCaseRow(expected.row, expected.rows);
  EXPECT_EQ(position.IsTapRow(), expected.tap);
  EXPECT_EQ(position.selectionCount, expected.selection);
  if (!expected.tap) return;
  EXPECT_EQ(position.press, expected.press);
  EXPECT_EQ(position.modifierByte, expected.modifiers);
}

// Large grids (165 rows) have blocks of 41 rows and groups of 5; small ones (18 rows) one block, groups of 2.
INSTANTIATE_TEST_SUITE_P(Rows, CaseRowLayoutTest,
                         ::testing::Values(Placed{1, 165, false, 0, 0, 0}, Placed{2, 165, false, 0, 0, 0},
                                           Placed{3, 165, true, 0, 1, 3}, Placed{6, 165, true, 0, 4, 3},
                                           Placed{8, 165, true, 0, 1, 7}, Placed{43, 165, false, 1, 0, 0},
                                           Placed{44, 165, true, 1, 1, 3}, Placed{164, 165, true, 3, 4, 31},
                                           Placed{3, 18, true, 0, 1, 3}, Placed{4, 18, false, 0, 0, 0},
                                           Placed{5, 18, true, 0, 1, 7}, Placed{17, 18, true, 0, 1, 31},
                                           Placed{0, 165, false, -1, 0, 0}, Placed{165, 165, false, -1, 0, 0},
                                           Placed{1, 1, false, -1, 0, 0}, Placed{3, 0, false, -1, 0, 0}));

TEST(CaseRowGroupTest, GroupsMapToModifierBytes) {
  const unsigned char expected[] = {3, 7, 11, 19, 15, 23, 27, 31};
  for (unsigned group = 0; group < 8; ++group) EXPECT_EQ(GroupModifierByte(group), expected[group]);
  EXPECT_EQ(GroupModifierByte(0xFFFFFFFFU), 3);
}

}  // namespace
}  // namespace Talvo::testing
