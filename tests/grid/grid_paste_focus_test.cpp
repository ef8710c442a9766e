// A paste that fills no cell leaves the user where they were: the focus cell stays.
#include <cstring>
#include <string>

#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

// Puts ANSI text on the clipboard as CF_TEXT, terminator included.
void PutOnClipboard(const std::string& text) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(::GlobalLock(block), text.c_str(), text.size() + 1);
  ::GlobalUnlock(block);
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  ::SetClipboardData(CF_TEXT, block);
  ::CloseClipboard();
}

class GridPasteFocusTest : public GridTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(GridPasteFocusTest, APasteOfNothingKeepsTheFocusCell) {
  CGridCtrl* grid = MakeGrid();
  Fill(*grid, 4, 3);
  grid->SetFocusCell(2, 1);
  PutOnClipboard(GetParam());
  grid->OnEditPaste();
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
  EXPECT_EQ(grid->GetSelectedCount(), 0);

  // A paste that fills a cell selects it and keeps the focus cell too.
  PutOnClipboard("x");
  grid->OnEditPaste();
  EXPECT_EQ(grid->GetItemText(2, 1), L"x");
  EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
  EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(2, 1, 2, 1));
}

INSTANTIATE_TEST_SUITE_P(EmptyTexts, GridPasteFocusTest, ::testing::Values("", "\r\n", "\n\n"));

}  // namespace
}  // namespace Talvo::testing
