// Where a row of a function editor's case grid sits: the selection block, the modifier group and the tap count.
#include "grid/case_row_layout.h"

#include <gtest/gtest.h>

namespace Talvo::testing {
namespace {

TEST(CaseRowLayoutTest, LargeGridsHaveBlocksOf41RowsAndGroupsOf5) {
  constexpr int kRows = 165;  // 164 rows below the first
  EXPECT_FALSE(LocateCaseRow(1, kRows).IsTapRow());  // the first block's own row
  EXPECT_FALSE(LocateCaseRow(2, kRows).IsTapRow());  // the first group's own row

  const CaseRowPosition firstTap = LocateCaseRow(3, kRows);
  EXPECT_TRUE(firstTap.IsTapRow());
  EXPECT_EQ(firstTap.selectionCount, 0);
  EXPECT_EQ(firstTap.press, 1U);
  EXPECT_EQ(firstTap.modifierByte, 3);

  const CaseRowPosition shift = LocateCaseRow(8, kRows);
  EXPECT_EQ(shift.press, 1U);
  EXPECT_EQ(shift.modifierByte, 7);
  EXPECT_EQ(LocateCaseRow(6, kRows).press, 4U);  // the fourth tap of the first group

  EXPECT_FALSE(LocateCaseRow(43, kRows).IsTapRow());  // the second block's first group row
  const CaseRowPosition secondBlock = LocateCaseRow(44, kRows);
  EXPECT_TRUE(secondBlock.IsTapRow());
  EXPECT_EQ(secondBlock.selectionCount, 1);
  EXPECT_EQ(secondBlock.modifierByte, 3);
  EXPECT_EQ(LocateCaseRow(164, kRows).selectionCount, 3);
}

TEST(CaseRowLayoutTest, SmallGridsHaveOneBlockWithGroupsOfTwo) {
  constexpr int kRows = 18;  // 17 rows below the first
  const CaseRowPosition row3 = LocateCaseRow(3, kRows);
  EXPECT_TRUE(row3.IsTapRow());
  EXPECT_EQ(row3.selectionCount, 0);
  EXPECT_EQ(row3.press, 1U);
  EXPECT_EQ(row3.modifierByte, 3);
  EXPECT_EQ(LocateCaseRow(5, kRows).modifierByte, 7);
  EXPECT_EQ(LocateCaseRow(17, kRows).modifierByte, 31);
  for (int row = 2; row < kRows; row += 2) EXPECT_FALSE(LocateCaseRow(row, kRows).IsTapRow()) << row;
  // A block's own row wraps to no group; it holds no case.
  const CaseRowPosition own = LocateCaseRow(1, kRows);
  EXPECT_EQ(own.blockRow, 0);
  EXPECT_EQ(own.modifierByte, 3);
  EXPECT_EQ(own.press, 1U);
  EXPECT_FALSE(own.IsTapRow());
}

TEST(CaseRowLayoutTest, RowsOutsideTheGridHoldNoCase) {
  EXPECT_EQ(LocateCaseRow(0, 165).selectionCount, -1);
  EXPECT_EQ(LocateCaseRow(-1, 165).selectionCount, -1);
  EXPECT_EQ(LocateCaseRow(165, 165).selectionCount, -1);
  EXPECT_EQ(LocateCaseRow(1, 1).selectionCount, -1);
  EXPECT_EQ(LocateCaseRow(1, 0).selectionCount, -1);
  EXPECT_FALSE(LocateCaseRow(3, 0).IsTapRow());
}

TEST(CaseRowLayoutTest, GroupsMapToModifierBytes) {
  const unsigned char expected[] = {3, 7, 11, 19, 15, 23, 27, 31};
  for (unsigned group = 0; group < 8; ++group) EXPECT_EQ(GroupModifierByte(group), expected[group]);
  EXPECT_EQ(GroupModifierByte(8), 3);
  EXPECT_EQ(GroupModifierByte(0xFFFFFFFFU), 3);
}

}  // namespace
}  // namespace Talvo::testing
