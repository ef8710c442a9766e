// Copy, cut, paste, delete and select-all through the clipboard, the edit commands' states, and the drop
// target that refuses every drop.
#include <cstring>
#include <string>

#include "grid_fixture.h"
#include "notify_hook.h"

namespace Talvo::testing {
namespace {

// A grid whose drop target the tests reach.
class DropGrid : public CGridCtrl {
 public:
  CGridDropTarget& DropTarget() { return m_DropTarget; }
};

// The bytes of a CF_TEXT block, its terminator included.
std::string BlockBytes(HGLOBAL block) {
  const auto* bytes = static_cast<const char*>(::GlobalLock(block));
  std::string text(bytes, ::GlobalSize(block));
  ::GlobalUnlock(block);
  return text;
}

// The CF_TEXT on the clipboard ("<none>" when there is none).
std::string ClipboardBytes() {
  if (!::OpenClipboard(nullptr)) return "<closed>";
  HGLOBAL block = static_cast<HGLOBAL>(::GetClipboardData(CF_TEXT));
  std::string text = block != nullptr ? BlockBytes(block) : "<none>";
  ::CloseClipboard();
  return text;
}

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

class GridClipboardTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    grid_ = MakeGrid<DropGrid>();
    ASSERT_NE(grid_, nullptr);
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
  // The text a copy of the selection gives, terminator included ("<null>" without a data source).
  std::string CopiedBytes() {
    COleDataSource* source = grid_->CopyTextFromGrid();
    if (source == nullptr) return "<null>";
    HGLOBAL block = source->CopyGlobalData(CF_TEXT);
    std::string bytes = BlockBytes(block);
    ::GlobalFree(block);
    delete source;
    return bytes;
  }
  // Pastes ANSI text at a cell through a data object, as a drop or the paste command would.
  BOOL Paste(const std::string& text, CCellID target, BOOL select = TRUE) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(::GlobalLock(block), text.c_str(), text.size() + 1);
    ::GlobalUnlock(block);
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, block);
    COleDataObject data;
    data.Attach(&source);
    return grid_->PasteTextToGrid(target, &data, select);
  }
  void Command(UINT id) { grid_->SendMessage(WM_COMMAND, id, 0); }
  BOOL CommandEnabled(UINT id) {
    CCmdUI state;
    state.m_nID = id;
    EXPECT_TRUE(state.DoUpdate(grid_, FALSE));
    return state.m_bEnabled;
  }

  DropGrid* grid_ = nullptr;
  NotifyHook owner_;
};

TEST_F(GridClipboardTest, CopyGivesTabsBetweenCellsAndLineBreaksBetweenRows) {
  SetTexts({{L"a", L"b", L"x"}, {L"c", L"d", L"y"}});
  EXPECT_EQ(CopiedBytes(), "<null>");  // nothing selected
  grid_->SetSelectedRange(0, 0, 1, 1);
  EXPECT_EQ(CopiedBytes(), std::string("a\tb\r\nc\td\0", 9));

  // The range is the bounding box; unselected cells inside it are empty.
  grid_->ResetSelectedRange();
  grid_->SetItemState(0, 0, GVIS_SELECTED);
  grid_->SetItemState(1, 1, GVIS_SELECTED);
  EXPECT_EQ(CopiedBytes(), std::string("a\t\r\n\td\0", 7));

  // The copy command puts the text on the clipboard.
  Command(ID_EDIT_COPY);
  EXPECT_EQ(ClipboardBytes(), std::string("a\t\r\n\td\0", 7));
}

TEST_F(GridClipboardTest, CopyLeavesOutHiddenRowsAndColumnsAndConvertsToAnsi) {
  SetTexts({{L"a", L"b", L"c"}, {L"d", L"e", L"f"}, {L"caf\u00e9", L"\u4e2d", L"i"}});
  grid_->SetRowHeight(1, 0);
  grid_->SetColumnWidth(1, 0);
  grid_->SetSelectedRange(0, 0, 2, 2);
  EXPECT_EQ(CopiedBytes(), std::string("a\tc\r\ncaf\xe9\ti\0", 12));
  grid_->SetSelectedRange(0, 1, 2, 1);
  EXPECT_EQ(CopiedBytes(), std::string("\r\n\0", 3));
}

TEST_F(GridClipboardTest, PasteSplitsAtTabsCommasAndLines) {
  EXPECT_TRUE(Paste("x,y", CCellID(0, 0)));
  EXPECT_EQ(grid_->GetItemText(0, 0), L"x");
  EXPECT_EQ(grid_->GetItemText(0, 1), L"y");
  EXPECT_TRUE(Paste(" p \r\n\tq\t\r\n", CCellID(1, 0)));  // no cell after the last tab
  EXPECT_EQ(grid_->GetItemText(1, 0), L"p");
  EXPECT_EQ(grid_->GetItemText(2, 0), L"");
  EXPECT_EQ(grid_->GetItemText(2, 1), L"q");
  // The pasted cells end up selected.
  EXPECT_EQ(grid_->GetSelectedCellRange(), CCellRange(1, 0, 2, 1));
  EXPECT_EQ(grid_->GetSelectedCount(), 4);
  // ANSI bytes come back as their characters.
  EXPECT_TRUE(Paste("caf\xe9", CCellID(3, 2), FALSE));
  EXPECT_EQ(grid_->GetItemText(3, 2), L"caf\u00e9");
  EXPECT_EQ(grid_->GetSelectedCount(), 0);
}

TEST_F(GridClipboardTest, PasteDropsWhatFallsOutsideAndSkipsHiddenRows) {
  EXPECT_TRUE(Paste("1\t2\t3\t4\r\n5\r\n6\r\n7", CCellID(2, 1)));
  EXPECT_EQ(grid_->GetItemText(2, 1), L"1");
  EXPECT_EQ(grid_->GetItemText(2, 2), L"2");
  EXPECT_EQ(grid_->GetItemText(3, 1), L"5");
  EXPECT_EQ(grid_->GetColumnCount(), 3);
  EXPECT_EQ(grid_->GetRowCount(), 4);

  // Each line goes to the next visible row, so no line overwrites another.
  grid_->SetRowHeight(1, 0);
  grid_->SetColumnWidth(1, 0);
  EXPECT_TRUE(Paste("a,b\nc,d\ne,f", CCellID(0, 0)));
  EXPECT_EQ(grid_->GetItemText(0, 0), L"a");
  EXPECT_EQ(grid_->GetItemText(0, 2), L"b");
  EXPECT_EQ(grid_->GetItemText(1, 0), L"");
  EXPECT_EQ(grid_->GetItemText(2, 0), L"c");
  EXPECT_EQ(grid_->GetItemText(2, 2), L"d");
  EXPECT_EQ(grid_->GetItemText(3, 0), L"e");
  EXPECT_EQ(grid_->GetItemText(3, 2), L"f");
}

TEST_F(GridClipboardTest, PasteIsRefusedWithoutTextOrTarget) {
  EXPECT_FALSE(Paste("x", CCellID(4, 0)));
  EXPECT_FALSE(Paste("x", CCellID(-1, -1)));
  grid_->SetItemState(0, 0, GVIS_READONLY);
  EXPECT_FALSE(Paste("x", CCellID(0, 0)));
  COleDataSource empty;
  COleDataObject data;
  data.Attach(&empty);
  EXPECT_FALSE(grid_->PasteTextToGrid(CCellID(1, 1), &data));
  EXPECT_FALSE(grid_->PasteTextToGrid(CCellID(1, 1), nullptr));
  grid_->SetEditable(FALSE);
  EXPECT_FALSE(Paste("x", CCellID(1, 1)));
  EXPECT_EQ(grid_->GetItemText(1, 1), L"");
  EXPECT_TRUE(owner_.received.empty());
}

TEST_F(GridClipboardTest, PasteReadsAnUnterminatedBlockToItsEnd) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 2);
  std::memcpy(::GlobalLock(block), "ab", 2);
  ::GlobalUnlock(block);
  COleDataSource source;
  source.CacheGlobalData(CF_TEXT, block);
  COleDataObject data;
  data.Attach(&source);
  EXPECT_TRUE(grid_->PasteTextToGrid(CCellID(0, 0), &data));
  EXPECT_EQ(grid_->GetItemText(0, 0), L"ab");
}

TEST_F(GridClipboardTest, ParentVetoesSingleCellsWhilePasteGoesOn) {
  owner_.answer = [](const NM_GRIDVIEW& record) {
    const bool veto = record.hdr.code == static_cast<UINT>(GVN_BEGINLABELEDIT) && record.iColumn == 1;
    return LRESULT{veto ? -1 : 0};
  };
  SetTexts({{L"k", L"keep", L"k"}});
  EXPECT_TRUE(Paste("p,q,r", CCellID(0, 0)));
  EXPECT_EQ(grid_->GetItemText(0, 0), L"p");
  EXPECT_EQ(grid_->GetItemText(0, 1), L"keep");
  EXPECT_EQ(grid_->GetItemText(0, 2), L"r");
}

// Texts that only label their rows survive delete, cut and paste around them.
TEST_F(GridClipboardTest, LabelTextsRefuseDeleteCutAndPaste) {
  SetTexts({{L"a", L"b", L"c"}});
  ASSERT_TRUE(grid_->SetLabelText(0, 1, L"Group: "));
  grid_->SetSelectedRange(0, 0, 0, 2);
  grid_->CutSelectedText();
  EXPECT_EQ(grid_->GetItemText(0, 0), L"");
  EXPECT_EQ(grid_->GetItemText(0, 1), L"Group: ");
  EXPECT_TRUE(Paste("p,q,r", CCellID(0, 0)));
  EXPECT_EQ(grid_->GetItemText(0, 1), L"Group: ");
  EXPECT_EQ(grid_->GetItemText(0, 2), L"r");
  EXPECT_FALSE(Paste("x", CCellID(0, 1)));
}

// Cyrillic and CJK texts go through the clipboard's wide text whole, though the ANSI text loses them.
TEST_F(GridClipboardTest, CopyAndPasteKeepEveryScriptThroughWideText) {
  SetTexts({{L"\u041f\u0440\u0438\u0432\u0435\u0442", L"\u4e2d\u6587"}});
  grid_->SetSelectedRange(0, 0, 0, 1);
  Command(ID_EDIT_COPY);
  grid_->SetSelectedRange(2, 0, 2, 0);
  grid_->SetFocusCell(2, 0);
  Command(ID_EDIT_PASTE);
  EXPECT_EQ(grid_->GetItemText(2, 0), L"\u041f\u0440\u0438\u0432\u0435\u0442");
  EXPECT_EQ(grid_->GetItemText(2, 1), L"\u4e2d\u6587");
}

TEST_F(GridClipboardTest, PasteCommandTargetsSelectionThenFocusThenTopLeft) {
  PutOnClipboard("v");
  grid_->SetSelectedRange(2, 1, 3, 2);
  grid_->SetFocusCell(0, 0);
  Command(ID_EDIT_PASTE);
  EXPECT_EQ(grid_->GetItemText(2, 1), L"v");
  EXPECT_EQ(grid_->GetItemText(0, 0), L"");

  PutOnClipboard("w");
  grid_->ResetSelectedRange();
  grid_->SetFocusCell(1, 2);
  Command(ID_EDIT_PASTE);
  EXPECT_EQ(grid_->GetItemText(1, 2), L"w");

  // Without a focus cell the command is disabled; run directly, it pastes at the top-left visible cell.
  PutOnClipboard("t");
  grid_->ResetSelectedRange();
  grid_->SetFocusCell(-1, -1);
  Command(ID_EDIT_PASTE);
  EXPECT_EQ(grid_->GetItemText(0, 0), L"");
  grid_->OnEditPaste();
  EXPECT_EQ(grid_->GetItemText(0, 0), L"t");

  PutOnClipboard("n");
  grid_->SetEditable(FALSE);
  grid_->OnEditPaste();
  EXPECT_EQ(grid_->GetItemText(0, 0), L"t");
}

TEST_F(GridClipboardTest, CutCopiesThenEmptiesWhatTheParentAllows) {
  SetTexts({{L"a", L"b", L"c"}, {L"d", L"e", L"f"}});
  grid_->SetSelectedRange(0, 0, 0, 1);
  Command(ID_EDIT_CUT);
  EXPECT_EQ(ClipboardBytes(), std::string("a\tb\0", 4));
  EXPECT_EQ(grid_->GetItemText(0, 0), L"");
  EXPECT_EQ(grid_->GetItemText(0, 1), L"");
  EXPECT_EQ(grid_->GetItemText(0, 2), L"c");

  // A parent that refuses every change keeps the texts under delete and cut.
  owner_.answer = [](const NM_GRIDVIEW&) { return LRESULT{-1}; };
  grid_->SetSelectedRange(1, 0, 1, 2);
  grid_->CutSelectedText();
  Command(ID_EDIT_CUT);
  EXPECT_EQ(grid_->GetItemText(1, 0), L"d");
  EXPECT_EQ(grid_->GetItemText(1, 2), L"f");
  EXPECT_EQ(ClipboardBytes(), std::string("d\te\tf\0", 6));

  // A read-only grid neither cuts nor copies through the cut command.
  owner_.answer = nullptr;
  grid_->SetEditable(FALSE);
  grid_->SetSelectedRange(0, 2, 0, 2);
  Command(ID_EDIT_CUT);
  grid_->CutSelectedText();
  EXPECT_EQ(grid_->GetItemText(0, 2), L"c");
  EXPECT_EQ(ClipboardBytes(), std::string("d\te\tf\0", 6));
}

TEST_F(GridClipboardTest, SelectAllTellsTheParentAroundTheChange) {
  Command(ID_EDIT_SELECT_ALL);
  EXPECT_EQ(owner_.Codes(), (std::vector<int>{GVN_SELCHANGING, GVN_SELCHANGED}));
  EXPECT_EQ(grid_->GetSelectedCount(), 12);

  // Without selection the command is disabled; run directly, it still tells the parent.
  grid_->ResetSelectedRange();
  grid_->EnableSelection(FALSE);
  owner_.received.clear();
  Command(ID_EDIT_SELECT_ALL);
  EXPECT_TRUE(owner_.received.empty());
  grid_->OnEditSelectAll();
  EXPECT_EQ(owner_.Codes(), (std::vector<int>{GVN_SELCHANGING, GVN_SELCHANGED}));
  EXPECT_EQ(grid_->GetSelectedCount(), 0);
}

TEST_F(GridClipboardTest, EditCommandStatesFollowSelectionFocusAndClipboard) {
  ::OpenClipboard(nullptr);
  ::EmptyClipboard();
  ::CloseClipboard();
  EXPECT_FALSE(CommandEnabled(ID_EDIT_COPY));
  EXPECT_FALSE(CommandEnabled(ID_EDIT_CUT));
  EXPECT_FALSE(CommandEnabled(ID_EDIT_PASTE));
  EXPECT_TRUE(CommandEnabled(ID_EDIT_SELECT_ALL));

  grid_->SetSelectedRange(0, 0, 0, 0);
  grid_->SetFocusCell(0, 0);
  PutOnClipboard("x");
  EXPECT_TRUE(CommandEnabled(ID_EDIT_COPY));
  EXPECT_TRUE(CommandEnabled(ID_EDIT_CUT));
  EXPECT_TRUE(CommandEnabled(ID_EDIT_PASTE));

  grid_->SetItemState(0, 0, GVIS_READONLY | GVIS_SELECTED);
  EXPECT_FALSE(CommandEnabled(ID_EDIT_PASTE));
  grid_->SetEditable(FALSE);
  EXPECT_TRUE(CommandEnabled(ID_EDIT_COPY));
  EXPECT_FALSE(CommandEnabled(ID_EDIT_CUT));
  grid_->EnableSelection(FALSE);
  EXPECT_FALSE(CommandEnabled(ID_EDIT_SELECT_ALL));
}

TEST_F(GridClipboardTest, DropTargetServesItsGridAndRefusesDrops) {
  CGridDropTarget& target = grid_->DropTarget();
  // Sizing the grid registers it once; asking again changes nothing.
  grid_->SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(target.IsRegistered());
  EXPECT_TRUE(target.Register(grid_));
  EXPECT_EQ(COleDropTarget::FromRegisteredWindow(grid_->m_hWnd), &target);

  EXPECT_EQ(target.OnDragScroll(grid_, MK_LBUTTON | MK_CONTROL, CPoint(5, 5)),
            static_cast<DROPEFFECT>(DROPEFFECT_COPY));
  EXPECT_EQ(target.OnDragScroll(grid_, MK_LBUTTON, CPoint(5, 5)), static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
  EXPECT_EQ(target.OnDragScroll(parent_.get(), MK_LBUTTON, CPoint(5, 5)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));

  // A drag of text across the grid is refused, and the drop marks it had are gone afterwards.
  grid_->SetItemState(1, 1, GVIS_DROPHILITED);
  COleDataSource source;
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 2);
  source.CacheGlobalData(CF_TEXT, block);
  CRect rect;
  grid_->GetWindowRect(&rect);
  const DROPEFFECT effect =
      mfcsim::DragAndDrop(source, rect.TopLeft() + CPoint(5, 5), rect.TopLeft() + CPoint(40, 40), MK_LBUTTON);
  EXPECT_EQ(effect, static_cast<DROPEFFECT>(DROPEFFECT_NONE));
  EXPECT_EQ(grid_->GetItemState(1, 1) & GVIS_DROPHILITED, 0U);
  EXPECT_EQ(grid_->GetItemText(0, 0), L"");

  // Revoked, the target forgets the grid.
  target.Revoke();
  EXPECT_FALSE(target.IsRegistered());
  EXPECT_EQ(COleDropTarget::FromRegisteredWindow(grid_->m_hWnd), nullptr);
  EXPECT_EQ(target.OnDragScroll(grid_, MK_LBUTTON, CPoint(5, 5)), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
  EXPECT_TRUE(target.Register(grid_));
}

}  // namespace
}  // namespace Talvo::testing
