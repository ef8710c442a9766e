// Copy, cut, paste, delete and select-all through the clipboard, and the drop target that refuses every drop.
#include <cstring>
#include <string>

#include "grid_fixture.h"
#include "notify_hook.h"

namespace Talvo::testing {
namespace {

// A movable block holding the bytes.
HGLOBAL MakeBlock(const std::string& bytes) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(::GlobalLock(block), bytes.data(), bytes.size());
  ::GlobalUnlock(block);
  return block;
}

// The CF_TEXT on the clipboard, its terminator included ("<none>" when there is none).
std::string ClipboardBytes() {
  if (!::OpenClipboard(nullptr)) return "<closed>";
  std::string text = "<none>";
  if (HGLOBAL block = static_cast<HGLOBAL>(::GetClipboardData(CF_TEXT))) {
    text.assign(static_cast<const char*>(::GlobalLock(block)), ::GlobalSize(block));
    ::GlobalUnlock(block);
  }
  ::CloseClipboard();
  return text;
}

// Puts ANSI text on the clipboard as CF_TEXT, terminator included.
void PutOnClipboard(const std::string& text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  ::SetClipboardData(CF_TEXT, MakeBlock(text + '\0'));
  ::CloseClipboard();
}

class GridClipboardTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    grid_ = MakeGrid();
    Fill(*grid_, 4, 3);
    ASSERT_TRUE(owner_.Make());
    grid_->SetOwner(&owner_);
  }
  void TearDown() override {
    owner_.DestroyWindow();
    GridTest::TearDown();
  }
  void SetTexts(std::initializer_list<std::initializer_list<const wchar_t*>> rows) {
    int row = 0;
    for (const auto& texts : rows) {
      int col = 0;
      for (const wchar_t* text : texts) grid_->SetItemText(row, col++, text);
      ++row;
    }
  }
  // The texts of a row, joined by "|".
  std::wstring Row(int row) const {
    std::wstring texts;
    for (int col = 0; col < grid_->GetColumnCount(); ++col)
      texts += (col > 0 ? L"|" : L"") + grid_->GetItemText(row, col);
    return texts;
  }
  // Pastes ANSI bytes at a cell through a data object, as a drop or the paste command would.
  BOOL Paste(const std::string& bytes, CCellID target, BOOL select = TRUE) {
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, MakeBlock(bytes));
    COleDataObject data;
    data.Attach(&source);
    return grid_->PasteTextToGrid(target, &data, select);
  }

  CGridCtrl* grid_ = nullptr;
  NotifyHook owner_;
};

TEST_F(GridClipboardTest, CopyGivesTheSelectionsBoundingBoxWithTabsAndLineBreaks) {
  SetTexts({{L"a", L"b", L"x"}, {L"c", L"d", L"y"}});
  EXPECT_EQ(grid_->CopyTextFromGrid(), nullptr);  // nothing selected
  grid_->SetItemState(0, 0, GVIS_SELECTED);
  grid_->SetItemState(1, 1, GVIS_SELECTED);
  grid_->OnEditCopy();  // unselected cells inside the box are empty
  EXPECT_EQ(ClipboardBytes(), std::string("a\t\r\n\td\0", 7));
}

TEST_F(GridClipboardTest, CopyLeavesOutHiddenRowsAndColumnsAndConvertsToAnsi) {
  SetTexts({{L"a", L"b", L"c"}, {L"d", L"e", L"f"}, {L"caf\u00e9", L"\u4e2d", L"i"}});
  grid_->SetRowHeight(1, 0);
  grid_->SetColumnWidth(1, 0);
  grid_->SetSelectedRange(0, 0, 2, 2);
  grid_->OnEditCopy();
  EXPECT_EQ(ClipboardBytes(), std::string("a\tc\r\ncaf\xe9\ti\0", 12));
}

TEST_F(GridClipboardTest, PasteSplitsAtTabsCommasAndLinesAndSelectsWhatItFilled) {
  EXPECT_TRUE(Paste(std::string(" p ,x\r\n\tq\t\r\n", 13), CCellID(1, 0)));  // no cell after the last tab
  EXPECT_EQ(Row(1), L"p|x|");
  EXPECT_EQ(Row(2), L"|q|");
  EXPECT_EQ(grid_->GetSelectedCellRange(), CCellRange(1, 0, 2, 1));
  EXPECT_TRUE(Paste(std::string("caf\xe9\0", 5), CCellID(3, 2), FALSE));  // ANSI bytes come back as characters
  EXPECT_EQ(grid_->GetItemText(3, 2), L"caf\u00e9");
}

TEST_F(GridClipboardTest, PasteDropsWhatFallsOutsideAndSkipsHiddenRows) {
  EXPECT_TRUE(Paste("1\t2\t3\t4\r\n5\r\n6\r\n7", CCellID(2, 1)));
  EXPECT_EQ(Row(3), L"|5|");
  EXPECT_EQ(grid_->GetRowCount(), 4);

  // Each line goes to the next visible row, so no line overwrites another.
  grid_->SetRowHeight(1, 0);
  grid_->SetColumnWidth(1, 0);
  EXPECT_TRUE(Paste("a,b\nc,d\ne,f", CCellID(0, 0)));
  EXPECT_EQ(Row(0), L"a||b");
  EXPECT_EQ(Row(1), L"||");
  EXPECT_EQ(Row(2), L"c|1|d");
  EXPECT_EQ(Row(3), L"e|5|f");
}

TEST_F(GridClipboardTest, PasteIsRefusedWithoutTextOrTargetAndReadsAnUnterminatedBlockToItsEnd) {
  EXPECT_FALSE(Paste("x", CCellID(4, 0)));
  grid_->SetItemState(0, 0, GVIS_READONLY);
  EXPECT_FALSE(Paste("x", CCellID(0, 0)));
  EXPECT_FALSE(grid_->PasteTextToGrid(CCellID(1, 1), nullptr));
  EXPECT_TRUE(owner_.received.empty());
  EXPECT_TRUE(Paste("ab", CCellID(1, 1)));  // no terminator
  EXPECT_EQ(grid_->GetItemText(1, 1), L"ab");
}

// Texts that only label their rows survive delete, cut and paste around them.
TEST_F(GridClipboardTest, LabelTextsRefuseDeleteCutAndPaste) {
  SetTexts({{L"a", L"b", L"c"}});
  ASSERT_TRUE(grid_->SetLabelText(0, 1, L"Group: "));
  grid_->SetSelectedRange(0, 0, 0, 2);
  grid_->CutSelectedText();
  EXPECT_EQ(Row(0), L"|Group: |");
  EXPECT_TRUE(Paste("p,q,r", CCellID(0, 0)));
  EXPECT_EQ(Row(0), L"p|Group: |r");
  EXPECT_FALSE(Paste("x", CCellID(0, 1)));
}

// Cyrillic and CJK texts go through the clipboard's wide text whole, though the ANSI text loses them.
TEST_F(GridClipboardTest, CopyAndPasteKeepEveryScriptThroughWideText) {
  SetTexts({{L"\u041f\u0440\u0438\u0432\u0435\u0442", L"\u4e2d\u6587"}});
  grid_->SetSelectedRange(0, 0, 0, 1);
  grid_->OnEditCopy();
  grid_->SetSelectedRange(2, 0, 2, 0);
  grid_->SetFocusCell(2, 0);
  grid_->OnEditPaste();
  EXPECT_EQ(Row(2), L"\u041f\u0440\u0438\u0432\u0435\u0442|\u4e2d\u6587|");
}

TEST_F(GridClipboardTest, PasteCommandTargetsSelectionThenFocusThenTopLeft) {
  PutOnClipboard("v");
  grid_->SetSelectedRange(2, 1, 3, 2);
  grid_->SetFocusCell(0, 0);
  grid_->OnEditPaste();
  EXPECT_EQ(grid_->GetItemText(2, 1), L"v");
  PutOnClipboard("w");
  grid_->ResetSelectedRange();
  grid_->SetFocusCell(1, 2);
  grid_->OnEditPaste();
  EXPECT_EQ(grid_->GetItemText(1, 2), L"w");
  // Without selection or focus cell it pastes at the top-left visible cell.
  grid_->ResetSelectedRange();
  grid_->SetFocusCell(-1, -1);
  grid_->OnEditPaste();
  EXPECT_EQ(grid_->GetItemText(0, 0), L"w");
}

TEST_F(GridClipboardTest, CutCopiesThenEmpties) {
  SetTexts({{L"a", L"b", L"c"}, {L"d", L"e", L"f"}});
  grid_->SetSelectedRange(0, 0, 0, 1);
  grid_->OnEditCut();
  EXPECT_EQ(ClipboardBytes(), std::string("a\tb\0", 4));
  EXPECT_EQ(Row(0), L"||c");
}

TEST_F(GridClipboardTest, SelectAllTellsTheParentAroundTheChange) {
  grid_->OnEditSelectAll();
  EXPECT_EQ(owner_.Codes(), (std::vector<int>{GVN_SELCHANGING, GVN_SELCHANGED}));
  EXPECT_EQ(grid_->GetSelectedCount(), 12);
}

TEST_F(GridClipboardTest, TheDropTargetRefusesDrops) {
  grid_->SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);  // sizing registers it
  COleDropTarget* target = COleDropTarget::FromRegisteredWindow(grid_->m_hWnd);
  ASSERT_TRUE(dynamic_cast<CGridDropTarget*>(target) != nullptr);
  COleDataSource source;
  source.CacheGlobalData(CF_TEXT, MakeBlock(std::string("x\0", 2)));
  CRect rect;
  grid_->GetWindowRect(&rect);
  const DROPEFFECT effect =
      mfcsim::DragAndDrop(source, rect.TopLeft() + CPoint(5, 5), rect.TopLeft() + CPoint(40, 40), MK_LBUTTON);
  EXPECT_EQ(effect, static_cast<DROPEFFECT>(DROPEFFECT_NONE));

  target->Revoke();  // revoked, the target forgets the grid
  EXPECT_EQ(target->OnDragScroll(grid_, MK_LBUTTON, CPoint(5, 5)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
}

}  // namespace
}  // namespace Talvo::testing
