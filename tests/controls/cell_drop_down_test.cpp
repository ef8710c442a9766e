// CellDropDown: the page hears about the user's choices only, the editor re-synchronises through its cell,
// a right click reaches the grid's case menu, and the selection field follows the editor's height.
#include "controls/cell_drop_down.h"

#include <host/accelerators.h>

#include "cell_editor_fakes.h"
#include "controls/visual_manager.h"
#include "model/xml_custom_scripts.h"

namespace Talvo::testing {

namespace {

const std::vector<std::wstring> kModifierKeys = {L"ALT", L"CTRL", L"SHIFT"};

class CellDropDownTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    page_ = CreateParent(420, 200);
    ASSERT_TRUE(grid_.Make(page_, CRect(10, 10, 410, 190)));
  }
  std::unique_ptr<CellDropDown> MakeDropDown(const std::wstring& current, bool scriptList = false) {
    return std::make_unique<CellDropDown>(&grid_, &cell_, CRect(20, 20, 140, 44), CBS_DROPDOWNLIST,
                                          MAKELONG(3, 4), 3, 4, HostColor(kControlText), HostColor(kWindow),
                                          kModifierKeys, current, scriptList);
  }
  CWnd* page_ = nullptr;
  FakeGrid grid_;
  FakeDropDownCell cell_;
};

TEST_F(CellDropDownTest, AppliesTheUsersChoiceButNotTheProgramsSelection) {
  auto dropDown = MakeDropDown(L"CTRL");
  ASSERT_NE(dropDown->m_hWnd, nullptr);
  EXPECT_EQ(dropDown->GetParent()->m_hWnd, grid_.m_hWnd);
  EXPECT_EQ(dropDown->GetDlgCtrlID(), MAKELONG(3, 4));
  EXPECT_EQ(dropDown->GetCount(), 3);
  EXPECT_EQ(dropDown->GetSelectedText(), L"CTRL");
  EXPECT_EQ(dropDown->GetRow(), 3);
  EXPECT_EQ(dropDown->GetColumn(), 4);

  // The program selects: the page hears nothing.
  dropDown->SetCurSel(0);
  dropDown->SelectString(-1, L"SHIFT");
  winsim::PumpMessages();
  EXPECT_EQ(CountParentMessages(WM_APPLY_CELL), 0);

  // The user picks the item above: one WM_APPLY_CELL to the grid's parent, naming the editor.
  dropDown->SetFocus();
  winsim::KeyPress(VK_UP);
  ASSERT_EQ(CountParentMessages(WM_APPLY_CELL), 1);
  const ParentMessage& applied = ParentMessages().back();
  EXPECT_EQ(applied.wParam, 0U);
  EXPECT_EQ(applied.lParam, reinterpret_cast<LPARAM>(dropDown.get()));
  EXPECT_EQ(dropDown->GetSelectedText(), L"CTRL");
  EXPECT_EQ(grid_.Count(WM_APPLY_CELL), 0);  // the page gets it, not the grid

  // Choosing from the open list with the mouse is a user choice too; choosing the same item is not a change.
  dropDown->ShowDropDown(TRUE);
  winsim::KeyPress(VK_DOWN);
  winsim::KeyPress(VK_RETURN);
  EXPECT_EQ(CountParentMessages(WM_APPLY_CELL), 2);
  EXPECT_EQ(dropDown->GetSelectedText(), L"SHIFT");
  dropDown->ShowDropDown(TRUE);
  winsim::KeyPress(VK_RETURN);
  EXPECT_EQ(CountParentMessages(WM_APPLY_CELL), 2);
}

TEST_F(CellDropDownTest, CurrentTextOutsideTheOptionsLeavesNoSelection) {
  auto dropDown = MakeDropDown(L"META");
  EXPECT_EQ(dropDown->GetCurSel(), CB_ERR);
  EXPECT_TRUE(dropDown->GetSelectedText().empty());
}

TEST_F(CellDropDownTest, ScriptListsTheProgramsScriptsAndSyncsThroughItsCell) {
  RefreshScriptNames();
  auto dropDown = MakeDropDown(L"ALT", true);
  EXPECT_TRUE(dropDown->IsScriptList());
  EXPECT_EQ(dropDown->GetCount(), 0);  // the cell fills it
  const int added = dropDown->FillScriptList();
  ASSERT_EQ(added, static_cast<int>(ScriptNames().size()));
  ASSERT_GE(added, 1);
  std::wstring first;
  dropDown->GetLBText(0, first);
  EXPECT_EQ(first, ScriptNames()[0]);

  dropDown->SetItems({L"a", L"b"});
  EXPECT_EQ(dropDown->GetCount(), 2);
  EXPECT_EQ(dropDown->FillScriptList(), added);  // refilling empties first
  EXPECT_EQ(dropDown->GetCount(), added);

  dropDown->SendMessage(WM_SYNC_DROPDOWN);
  dropDown->SendMessage(WM_SYNC_DROPDOWN);
  EXPECT_EQ(cell_.syncs, 2);
}

TEST_F(CellDropDownTest, PositioningSetsTheSelectionFieldHeight) {
  auto dropDown = MakeDropDown(L"ALT");
  EXPECT_TRUE(dropDown->SetWindowPos(nullptr, 60, 30, 150, 28, SWP_NOZORDER | SWP_FRAMECHANGED));
  EXPECT_EQ(dropDown->GetItemHeight(-1), 24);
  CRect placed;
  dropDown->GetWindowRect(&placed);
  grid_.ScreenToClient(&placed);
  EXPECT_EQ(placed.left, 60);
  EXPECT_EQ(placed.top, 30);
  EXPECT_EQ(placed.Width(), 150);
}

TEST_F(CellDropDownTest, RightReleaseOpensTheGridsMenuAtTheGridPoint) {
  auto dropDown = MakeDropDown(L"ALT");
  CRect editor;
  dropDown->GetWindowRect(&editor);
  const CPoint screen(editor.left + 7, editor.top + 5);
  winsim::Click(screen.x, screen.y, winsim::MouseButton::Right);
  ASSERT_EQ(grid_.menuPoints.size(), 1U);
  CPoint expected = screen;
  grid_.ScreenToClient(&expected);
  EXPECT_EQ(grid_.menuPoints[0], expected);
  EXPECT_EQ(grid_.menuFlags[0], 0U);
  EXPECT_EQ(CountParentMessages(WM_APPLY_CELL), 0);
}

TEST_F(CellDropDownTest, AcceleratorsAreOffWhileFocused) {
  auto dropDown = MakeDropDown(L"ALT");
  ASSERT_TRUE(AcceleratorsEnabled());
  dropDown->SetFocus();
  EXPECT_FALSE(AcceleratorsEnabled());
  grid_.SetFocus();
  EXPECT_TRUE(AcceleratorsEnabled());
}

}  // namespace
}  // namespace Talvo::testing
