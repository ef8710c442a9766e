// The open list of a cell's drop-down: in the cell's colours, and wide enough for its longest entry.
#include "cell_editor_fakes.h"
#include "controls/cell_drop_down.h"
#include "support/picture_measure.h"

namespace Talvo::testing {
namespace {

constexpr COLORREF kCellText = RGB(225, 225, 225);
constexpr COLORREF kCellBack = RGB(43, 43, 43);

class CellDropDownListTest : public CellEditorTest {
 protected:
  // Opens a 90-pixel drop-down with the options and captures its list.
  winsim::Image OpenList(const std::vector<std::wstring>& options) {
    dropDown_ = std::make_unique<CellDropDown>(&grid_, &cell_, CRect(20, 20, 110, 44), CBS_DROPDOWNLIST, 7, 3, 4,
                                               kCellText, kCellBack, options, L"", false);
    dropDown_->ShowDropDown(TRUE);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ::GetComboBoxInfo(dropDown_->m_hWnd, &info);
    return winsim::CaptureWindow(info.hwndList);
  }
  void TearDown() override {
    if (dropDown_) dropDown_->ShowDropDown(FALSE);
    dropDown_.reset();
    CellEditorTest::TearDown();
  }
  FakeDropDownCell cell_;
  std::unique_ptr<CellDropDown> dropDown_;
};

TEST_F(CellDropDownListTest, ShortEntriesKeepTheBoxWidthInTheCellsColours) {
  const winsim::Image list = OpenList({L"Edit", L"Tools"});
  EXPECT_EQ(list.width, 90);
  EXPECT_EQ(DominantColourIn(list, RECT{0, 0, list.width, list.height}), kCellBack);
  EXPECT_GE(TextContrastIn(list, RECT{0, 0, list.width, list.height}), 4.5);
}

TEST_F(CellDropDownListTest, ALongEntryWidensTheListUntilItFits) {
  const winsim::Image list = OpenList({L"Edit", L"Original key behaviour of the host"});
  ASSERT_GT(list.width, 90);
  // The long entry is the second row (the first may be highlighted): its ink ends inside the list.
  const int rowHeight = static_cast<int>(dropDown_->GetItemHeight(0));
  const RECT row{1, 1 + rowHeight, list.width - 1, 1 + 2 * rowHeight};  // inside the border
  const RECT ink = InkBox(list, row, kCellBack);
  ASSERT_GT(ink.right, ink.left);
  EXPECT_LE(ink.right, list.width - 4);
  EXPECT_GE(ink.right, list.width - 20);  // no more width than the entry needs
}

}  // namespace
}  // namespace Talvo::testing
