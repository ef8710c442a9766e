// The grid's structure and cell storage: counts, inserting rows, cell classes and the selection
// map kept by the state setter.
#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

// A cell that counts how many of its kind are alive, to see which cells the grid frees.
class CountedCell : public CGridCell {
  DECLARE_DYNCREATE(CountedCell)
 public:
  CountedCell() { ++alive; }
  ~CountedCell() override { --alive; }
  static inline int alive = 0;
};
IMPLEMENT_DYNCREATE(CountedCell, CGridCell)

class GridStorageTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    CountedCell::alive = 0;
    grid_.SetDefaultCellType(RUNTIME_CLASS(CountedCell));
  }
  CGridCtrl grid_;
};

TEST_F(GridStorageTest, ShrinkingFreesTheCellsAndTheSameCountKeepsThem) {
  Fill(grid_, 4, 3);
  EXPECT_EQ(CountedCell::alive, 12);
  grid_.SetItemText(1, 0, L"kept");
  ASSERT_TRUE(grid_.SetColumnCount(1));
  EXPECT_EQ(CountedCell::alive, 4);
  ASSERT_TRUE(grid_.SetRowCount(2));
  EXPECT_EQ(CountedCell::alive, 2);
  EXPECT_TRUE(grid_.SetRowCount(2));
  EXPECT_EQ(grid_.GetItemText(1, 0), L"kept");
  EXPECT_FALSE(grid_.SetRowCount(-1));
  grid_.SetFocusCell(1, 0);
  grid_.DeleteAllItems();
  EXPECT_EQ(CountedCell::alive, 0);
  EXPECT_FALSE(grid_.GetFocusCell().IsValid());
}

TEST_F(GridStorageTest, RowsGoWhereInsertedAndCellsLearnTheirNewRows) {
  EXPECT_EQ(grid_.InsertRow(), 0);  // makes a column first
  EXPECT_EQ(grid_.GetColumnCount(), 1);
  grid_.SetItemText(0, 0, L"first");
  EXPECT_EQ(grid_.InsertRow(-1), 1);
  grid_.SetItemText(1, 0, L"last");
  EXPECT_EQ(grid_.InsertRow(1), 1);
  grid_.SetItemText(1, 0, L"middle");
  EXPECT_EQ(grid_.InsertRow(5), -1);  // beyond the end
  EXPECT_EQ(grid_.GetItemText(2, 0), L"last");
  EXPECT_EQ(static_cast<CGridCell*>(grid_.GetCell(2, 0))->GetRow(), 2);
}

TEST_F(GridStorageTest, OutOfRangeAccessorsAnswerNothing) {
  Fill(grid_, 2, 2);
  EXPECT_EQ(grid_.GetCell(2, 0), nullptr);
  EXPECT_EQ(grid_.GetCell(0, -1), nullptr);
  EXPECT_EQ(grid_.GetColumnWidth(2), -1);
  EXPECT_EQ(grid_.GetItemText(-1, -1), L"");
  EXPECT_FALSE(grid_.SetItemText(5, 0, L"x"));
  EXPECT_FALSE(grid_.SetItemState(0, 7, GVIS_SELECTED));
  EXPECT_FALSE(grid_.SetCell(2, 2, nullptr));
  EXPECT_FALSE(grid_.SetRowHeight(0, -1));
  EXPECT_FALSE(grid_.SetCellType(-1, 0, RUNTIME_CLASS(CGridCell)));
  EXPECT_EQ(grid_.GetRowArray(-1), nullptr);
}

TEST_F(GridStorageTest, SetCellTypeKeepsWhatAssignmentCopiesAndFreesTheOldCell) {
  Fill(grid_, 2, 2);
  grid_.SetItemText(1, 0, L"text");
  grid_.SetItemBkColour(1, 0, RGB(10, 20, 30));
  grid_.SetItemState(1, 0, GVIS_READONLY);
  LOGFONTW font{};
  font.lfHeight = -20;
  grid_.SetItemFont(1, 0, &font);
  ASSERT_TRUE(grid_.SetCellType(1, 0, RUNTIME_CLASS(CGridCell)));
  EXPECT_EQ(CountedCell::alive, 3);
  auto* cell = dynamic_cast<CGridCell*>(grid_.GetCell(1, 0));
  ASSERT_TRUE(cell != nullptr && !cell->IsKindOf(RUNTIME_CLASS(CountedCell)));
  EXPECT_STREQ(cell->GetText(), L"text");
  EXPECT_EQ(cell->GetBackClr(), RGB(10, 20, 30));
  EXPECT_TRUE(cell->IsReadOnly());
  EXPECT_EQ(cell->GetFont()->lfHeight, -20);
  EXPECT_EQ(cell->GetRow(), 1);
  EXPECT_FALSE(grid_.SetCellType(0, 0, RUNTIME_CLASS(CWnd)));  // a class that is no cell
}

TEST_F(GridStorageTest, TheSelectionMapFollowsTheSelectedBit) {
  Fill(grid_, 5, 4);
  ASSERT_TRUE(grid_.SetItemState(3, 2, GVIS_SELECTED | GVIS_FOCUSED));
  grid_.SetItemState(3, 2, GVIS_SELECTED);  // keeping the bit adds nothing
  grid_.SetItemState(1, 1, GVIS_SELECTED);
  EXPECT_EQ(grid_.GetSelectedCount(), 2);
  grid_.SetItemState(3, 2, GVIS_FOCUSED);
  EXPECT_EQ(grid_.GetSelectedCount(), 1);
  grid_.SetRowCount(1);  // destroying a selected cell drops it from the map
  EXPECT_EQ(grid_.GetSelectedCount(), 0);
}

}  // namespace
}  // namespace Talvo::testing
