// CellDropDown: the page hears about the user's choices only, the editor re-synchronises through its cell,
// a right click reaches the grid's case menu, and the selection field follows the editor's height.
#include "controls/cell_drop_down.h"

#include "cell_editor_fakes.h"
#include "model/xml_custom_scripts.h"

namespace Talvo::testing {
namespace {

class CellDropDownTest : public CellEditorTest {
 protected:
  std::unique_ptr<CellDropDown> MakeDropDown(const std::wstring& current, bool scriptList = false) {
    return std::make_unique<CellDropDown>(&grid_, &cell_, CRect(20, 20, 140, 44), CBS_DROPDOWNLIST,
                                          MAKELONG(3, 4), 3, 4, HostColor(kControlText), HostColor(kWindow),
                                          std::vector<std::wstring>{L"ALT", L"CTRL", L"SHIFT"}, current,
                                          scriptList);
  }
  FakeDropDownCell cell_;
};

TEST_F(CellDropDownTest, AppliesTheUsersChoiceButNotTheProgramsSelection) {
  auto dropDown = MakeDropDown(L"CTRL");
  EXPECT_EQ(dropDown->GetSelectedText(), L"CTRL");
  dropDown->SetCurSel(0);
  dropDown->SelectString(-1, L"SHIFT");
  winsim::PumpMessages();
  EXPECT_EQ(page_.Count(WM_APPLY_CELL), 0);

  // The user picks the item above: one WM_APPLY_CELL to the grid's parent, naming the editor.
  dropDown->SetFocus();
  winsim::KeyPress(VK_UP);
  ASSERT_EQ(page_.Count(WM_APPLY_CELL), 1);
  EXPECT_EQ(page_.Last(WM_APPLY_CELL)->lParam, reinterpret_cast<LPARAM>(dropDown.get()));
  EXPECT_EQ(dropDown->GetSelectedText(), L"CTRL");
  EXPECT_EQ(grid_.Count(WM_APPLY_CELL), 0);

  // Choosing from the open list is a user choice too; choosing the same item is not a change.
  dropDown->ShowDropDown(TRUE);
  winsim::KeyPress(VK_DOWN);
  winsim::KeyPress(VK_RETURN);
  EXPECT_EQ(page_.Count(WM_APPLY_CELL), 2);
  EXPECT_EQ(dropDown->GetSelectedText(), L"SHIFT");
  dropDown->ShowDropDown(TRUE);
  winsim::KeyPress(VK_RETURN);
  EXPECT_EQ(page_.Count(WM_APPLY_CELL), 2);
}

TEST_F(CellDropDownTest, CurrentTextOutsideTheOptionsLeavesNoSelection) {
  auto dropDown = MakeDropDown(L"META");
  EXPECT_EQ(dropDown->GetCurSel(), CB_ERR);
  EXPECT_TRUE(dropDown->GetSelectedText().empty());
}

TEST_F(CellDropDownTest, ScriptListIsRefilledWithTheProgramsScriptsAndSyncsThroughItsCell) {
  RefreshScriptNames();
  auto dropDown = MakeDropDown(L"ALT", true);
  dropDown->SetItems({L"a", L"b"});
  const int added = dropDown->FillScriptList();
  ASSERT_GE(added, 1);
  EXPECT_EQ(added, static_cast<int>(ScriptNames().size()));
  EXPECT_EQ(dropDown->GetCount(), added);  // refilling empties first
  std::wstring first;
  dropDown->GetLBText(0, first);
  EXPECT_EQ(first, ScriptNames()[0]);

  dropDown->SendMessage(WM_SYNC_DROPDOWN);
  EXPECT_EQ(cell_.syncs, 1);
}

TEST_F(CellDropDownTest, PositioningFitsTheSelectionFieldIntoTheEditorsHeight) {
  auto dropDown = MakeDropDown(L"ALT");
  EXPECT_TRUE(dropDown->SetWindowPos(nullptr, 60, 30, 150, 28, SWP_NOZORDER | SWP_FRAMECHANGED));
  EXPECT_EQ(dropDown->GetItemHeight(-1), 24);
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
  EXPECT_EQ(page_.Count(WM_APPLY_CELL), 0);
}

}  // namespace
}  // namespace Talvo::testing
