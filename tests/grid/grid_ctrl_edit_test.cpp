// Starting edits, the validated text change and the notifications around it.
#include "grid_fixture.h"
#include "notify_hook.h"

namespace Talvo::testing {
namespace {

// A cell that records the edits the grid starts on it.
class RecordingCell : public CGridCell {
  DECLARE_DYNCREATE(RecordingCell)
 public:
  BOOL Edit(int /*nRow*/, int /*nCol*/, CRect rect, CPoint point, UINT /*nID*/, UINT nChar) override {
    edits.push_back({rect, point, nChar});
    return FALSE;
  }

  struct EditCall {
    CRect rect;
    CPoint point;
    UINT character;
  };
  std::vector<EditCall> edits;
};
IMPLEMENT_DYNCREATE(RecordingCell, CGridCell)

class GridEditTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    grid_ = MakeGrid();
    grid_->SetDefaultCellType(RUNTIME_CLASS(RecordingCell));
    Fill(*grid_, 4, 3);
    ASSERT_TRUE(owner_.Make());
    grid_->SetOwner(&owner_);
  }
  void TearDown() override {
    owner_.DestroyWindow();
    GridTest::TearDown();
  }
  RecordingCell& Cell(int row, int col) { return *static_cast<RecordingCell*>(grid_->GetCell(row, col)); }

  CGridCtrl* grid_ = nullptr;
  NotifyHook owner_;
};

TEST_F(GridEditTest, ANotificationGoesToTheOwnerAndNamesTheGridAndTheCell) {
  grid_->SendMessageToParent(2, 1, GVN_SELCHANGED);
  ASSERT_EQ(owner_.received.size(), 1U);
  const NM_GRIDVIEW& record = owner_.received[0];
  EXPECT_EQ(record.hdr.hwndFrom, grid_->m_hWnd);
  EXPECT_EQ(record.hdr.idFrom, kGridId);
  EXPECT_EQ(CCellID(record.iRow, record.iColumn), CCellID(2, 1));
  EXPECT_EQ(parent_->Count(WM_NOTIFY), 0);
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

TEST_F(GridEditTest, EditStartsOnEditableCellsOfTheGrid) {
  grid_->OnEditCell(1, 2, CPoint(-1, -1), 'a');
  ASSERT_EQ(Cell(1, 2).edits.size(), 1U);
  CRect rect;
  ASSERT_TRUE(grid_->GetCellRect(1, 2, &rect));
  EXPECT_EQ(Cell(1, 2).edits[0].rect, rect);
  EXPECT_EQ(Cell(1, 2).edits[0].character, static_cast<UINT>('a'));
  // A read-only cell and a cell outside the grid start nothing.
  owner_.received.clear();
  grid_->SetItemState(2, 2, GVIS_READONLY);
  grid_->OnEditCell(2, 2, CPoint(-1, -1), VK_F2);
  grid_->OnEditCell(9, 9, CPoint(-1, -1), VK_F2);
  EXPECT_TRUE(Cell(2, 2).edits.empty());
  EXPECT_TRUE(owner_.received.empty());
}

}  // namespace
}  // namespace Talvo::testing
