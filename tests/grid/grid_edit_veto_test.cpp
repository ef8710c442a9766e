// The validated text change puts the old text back whenever the parent or the cell refuses the new one.
#include "grid_fixture.h"
#include "notify_hook.h"

namespace Talvo::testing {
namespace {

// A cell that refuses texts starting with "!".
class RefusingCell : public CGridCell {
  DECLARE_DYNCREATE(RefusingCell)
 public:
  BOOL ValidateEdit(LPCWSTR str) override { return str[0] != L'!'; }
};
IMPLEMENT_DYNCREATE(RefusingCell, CGridCell)

class GridEditVetoTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    grid_ = MakeGrid();
    grid_->SetDefaultCellType(RUNTIME_CLASS(RefusingCell));
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

  CGridCtrl* grid_ = nullptr;
  NotifyHook owner_;
};

TEST_F(GridEditVetoTest, TheParentVetoesBeforeAndUndoesAfter) {
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

TEST_F(GridEditVetoTest, AValidatedChangeRespectsTheCellAndTheGrid) {
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

}  // namespace
}  // namespace Talvo::testing
