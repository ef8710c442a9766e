// Starting and ending edits, the validated text change and the notifications that let the parent veto and
// undo them.
#include "grid_fixture.h"
#include "notify_hook.h"

namespace Talvo::testing {
namespace {

// A cell that records how the grid drives its edit hooks and refuses texts starting with "!".
class RecordingCell : public CGridCell {
  DECLARE_DYNCREATE(RecordingCell)
 public:
  BOOL Edit(int /*nRow*/, int /*nCol*/, CRect rect, CPoint point, UINT /*nID*/, UINT nChar) override {
    edits.push_back({rect, point, nChar});
    return FALSE;
  }
  BOOL ValidateEdit(LPCWSTR str) override { return str[0] != L'!'; }
  void EndEdit() override { ++endEdits; }
  void OnEndEdit() override { ++endEditCallbacks; }

  struct EditCall {
    CRect rect;
    CPoint point;
    UINT character;
  };
  std::vector<EditCall> edits;
  int endEdits = 0;
  int endEditCallbacks = 0;
};
IMPLEMENT_DYNCREATE(RecordingCell, CGridCell)

class GridEditTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    grid_ = MakeGrid();
    grid_->SetDefaultCellType(RUNTIME_CLASS(RecordingCell));
    Fill(*grid_, 4, 3);
    for (int row = 0; row < 4; ++row) {
      for (int col = 0; col < 3; ++col) grid_->SetItemText(row, col, L"old");
    }
    ASSERT_TRUE(owner_.Make());
    grid_->SetOwner(&owner_);
  }
  void TearDown() override {
    owner_.DestroyWindow();
    GridTest::TearDown();
  }
  RecordingCell& Cell(int row, int col) { return *static_cast<RecordingCell*>(grid_->GetCell(row, col)); }
  // An in-place control's end of edit for a cell, ended with a key.
  void EndInPlaceEdit(int row, int col, const wchar_t* text, UINT endKey = 0) {
    NM_GRIDENDEDIT record{};
    record.hdr.hwndFrom = grid_->m_hWnd;
    record.hdr.idFrom = IDC_INPLACE_CONTROL;
    record.hdr.code = static_cast<UINT>(GVN_ENDLABELEDIT);
    record.iRow = row;
    record.iColumn = col;
    record.pszText = const_cast<wchar_t*>(text);
    record.nEndKey = endKey;
    grid_->SendMessage(WM_NOTIFY, IDC_INPLACE_CONTROL, reinterpret_cast<LPARAM>(&record));
  }

  CGridCtrl* grid_ = nullptr;
  NotifyHook owner_;
};

TEST_F(GridEditTest, NotificationsGoToTheOwnerElseTheParentAndReturnTheAnswer) {
  owner_.answer = [](const NM_GRIDVIEW&) { return LRESULT{42}; };
  EXPECT_EQ(grid_->SendMessageToParent(2, 1, GVN_SELCHANGED), 42);
  ASSERT_EQ(owner_.received.size(), 1U);
  const NM_GRIDVIEW& record = owner_.received[0];
  EXPECT_EQ(record.hdr.hwndFrom, grid_->m_hWnd);
  EXPECT_EQ(record.hdr.idFrom, kGridId);
  EXPECT_EQ(CCellID(record.iRow, record.iColumn), CCellID(2, 1));
  EXPECT_EQ(parent_->Count(WM_NOTIFY), 0);
  grid_->SetOwner(nullptr);
  parent_->notifyReply = 7;
  EXPECT_EQ(grid_->SendMessageToParent(0, 0, GVN_CLICK), 7);
  CGridCtrl unbound;  // a grid without a window sends nothing and answers 0
  EXPECT_EQ(unbound.SendMessageToParent(0, 0, GVN_CLICK), 0);
}

TEST_F(GridEditTest, AValidatedChangeAsksFirstAndTellsAfterWithTheNewText) {
  std::wstring textDuringEnd;
  owner_.answer = [&](const NM_GRIDVIEW& record) {
    if (record.hdr.code == static_cast<UINT>(GVN_ENDLABELEDIT)) textDuringEnd = grid_->GetItemText(1, 2);
    return LRESULT{0};
  };
  grid_->SetItemTextValidated(1, 2, L"new");
  EXPECT_EQ(owner_.Codes(), (std::vector<int>{GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}));
  EXPECT_EQ(textDuringEnd, L"new");
  EXPECT_TRUE(grid_->GetItemState(1, 2) & GVIS_MODIFIED);
  owner_.received.clear();  // the same text again is asked about but changes nothing
  grid_->SetItemTextValidated(1, 2, L"new");
  EXPECT_EQ(owner_.Codes(), (std::vector<int>{GVN_BEGINLABELEDIT}));
}

TEST_F(GridEditTest, TheParentVetoesBeforeAndUndoesAfter) {
  grid_->SetItemState(0, 0, 0);
  owner_.answer = [](const NM_GRIDVIEW& record) {
    return LRESULT{record.hdr.code == static_cast<UINT>(GVN_BEGINLABELEDIT) ? -1 : 0};
  };
  grid_->SetItemTextValidated(0, 0, L"vetoed");
  EXPECT_EQ(grid_->GetItemText(0, 0), L"old");
  EXPECT_FALSE(grid_->GetItemState(0, 0) & GVIS_MODIFIED);
  owner_.answer = [](const NM_GRIDVIEW& record) {
    return LRESULT{record.hdr.code == static_cast<UINT>(GVN_ENDLABELEDIT) ? -1 : 0};
  };
  grid_->SetItemTextValidated(0, 0, L"undone");
  EXPECT_EQ(grid_->GetItemText(0, 0), L"old");
}

TEST_F(GridEditTest, AValidatedChangeRespectsTheCellAndTheGrid) {
  grid_->SetItemTextValidated(0, 1, L"!bad");  // the cell refuses: the parent hears no end
  EXPECT_EQ(grid_->GetItemText(0, 1), L"old");
  EXPECT_EQ(owner_.Codes(), (std::vector<int>{GVN_BEGINLABELEDIT}));
  // Read-only cells, a read-only grid and cells outside the grid are left alone without a word.
  owner_.received.clear();
  grid_->SetItemState(2, 0, GVIS_READONLY);
  grid_->SetItemTextValidated(2, 0, L"x");
  grid_->SetItemTextValidated(4, 0, L"x");
  grid_->SetEditable(FALSE);
  grid_->SetItemTextValidated(1, 1, L"x");
  EXPECT_TRUE(owner_.received.empty());
  EXPECT_EQ(grid_->GetItemText(1, 1), L"old");
}

TEST_F(GridEditTest, AParentThatShrinksTheGridDuringTheChangeIsSurvived) {
  owner_.answer = [&](const NM_GRIDVIEW& record) {
    if (record.hdr.code != static_cast<UINT>(GVN_ENDLABELEDIT)) return LRESULT{0};
    grid_->SetRowCount(1);
    return LRESULT{-1};
  };
  grid_->SetItemTextValidated(3, 0, L"gone");
  EXPECT_EQ(grid_->GetRowCount(), 1);
}

TEST_F(GridEditTest, EditStartsOnlyWhereTheParentAllows) {
  grid_->OnEditCell(1, 2, CPoint(-1, -1), 'a');
  ASSERT_EQ(Cell(1, 2).edits.size(), 1U);
  CRect rect;
  ASSERT_TRUE(grid_->GetCellRect(1, 2, &rect));
  EXPECT_EQ(Cell(1, 2).edits[0].rect, rect);
  EXPECT_EQ(Cell(1, 2).edits[0].character, static_cast<UINT>('a'));
  // A veto, a read-only cell and a cell outside the grid start nothing.
  owner_.answer = [](const NM_GRIDVIEW&) { return LRESULT{-1}; };
  grid_->OnEditCell(0, 0, CPoint(3, 4), VK_LBUTTON);
  EXPECT_TRUE(Cell(0, 0).edits.empty());
  owner_.answer = nullptr;
  owner_.received.clear();
  grid_->SetItemState(2, 2, GVIS_READONLY);
  grid_->OnEditCell(2, 2, CPoint(-1, -1), VK_F2);
  grid_->OnEditCell(9, 9, CPoint(-1, -1), VK_F2);
  EXPECT_TRUE(Cell(2, 2).edits.empty());
  EXPECT_TRUE(owner_.received.empty());
}

TEST_F(GridEditTest, EndingEditsReachesTheCells) {
  grid_->SetFocusCell(2, 1);
  grid_->EndEditing();
  EXPECT_EQ(Cell(2, 1).endEdits, 1);
  // An in-place control's end of edit sets its text through the validated change, then tells the cell.
  EndInPlaceEdit(1, 0, L"typed");
  EXPECT_EQ(grid_->GetItemText(1, 0), L"typed");
  EXPECT_EQ(Cell(1, 0).endEditCallbacks, 1);
  EXPECT_EQ(owner_.Codes(), (std::vector<int>{GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}));
}

TEST_F(GridEditTest, EndingAnEditWithAnArrowKeyEditsTheNextCell) {
  grid_->SetFocusCell(1, 0);
  EndInPlaceEdit(1, 0, L"typed", VK_DOWN);
  EXPECT_EQ(grid_->GetFocusCell(), CCellID(2, 0));
  ASSERT_EQ(Cell(2, 0).edits.size(), 1U);
  EXPECT_EQ(Cell(2, 0).edits[0].character, static_cast<UINT>(VK_DOWN));
}

}  // namespace
}  // namespace Talvo::testing
