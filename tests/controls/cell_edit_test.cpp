// CellEdit: column 10 reports every character to the page; the host's accelerators are off while any cell
// editor has the focus.
#include "controls/cell_edit.h"

#include <host/accelerators.h>

#include "cell_editor_fakes.h"
#include "controls/cell_drop_down.h"
#include "controls/cell_spin_edit.h"

namespace Talvo::testing {
namespace {

constexpr int kReportingColumn = 10;

class CellEditTest : public CellEditorTest {
 protected:
  std::unique_ptr<CellEdit> MakeEdit(int column, const std::wstring& text = L"") {
    return std::make_unique<CellEdit>(&grid_, CRect(20, 20, 220, 44), 0, MAKELONG(2, column), 2, column, text);
  }
};

TEST_F(CellEditTest, OnlyColumnTenReportsEveryCharacterToThePage) {
  auto edit = MakeEdit(kReportingColumn, L"go");
  edit->SetFocus();
  edit->SetSel(2, 2);
  winsim::TypeText(L"abc");
  EXPECT_EQ(edit->GetWindowText(), L"goabc");  // the character is in the text when the page hears of it
  ASSERT_EQ(page_.Count(WM_CELL_EDIT_END), 3);
  EXPECT_EQ(page_.Last(WM_CELL_EDIT_END)->lParam, reinterpret_cast<LPARAM>(edit.get()));
  winsim::KeyPress(VK_BACK);
  EXPECT_EQ(page_.Count(WM_CELL_EDIT_END), 4);
  EXPECT_EQ(grid_.Count(WM_CELL_EDIT_END), 0);

  auto other = MakeEdit(kReportingColumn - 1);
  other->SetFocus();
  winsim::TypeText(L"xyz");
  EXPECT_EQ(other->GetWindowText(), L"xyz");
  EXPECT_EQ(page_.Count(WM_CELL_EDIT_END), 4);
}

TEST_F(CellEditTest, EveryCellEditorTurnsAcceleratorsOffWhileFocused) {
  FakeDropDownCell cell;
  CellDropDown dropDown(&grid_, &cell, CRect(20, 60, 140, 84), CBS_DROPDOWNLIST, 1, 1, 1, HostColor(kControlText),
                        HostColor(kWindow), {L"ALT"}, L"ALT", false);
  CellSpinEdit spin(&grid_, CRect(20, 100, 220, 126), 2, 2, 0, 10, 1, &cell);
  auto edit = MakeEdit(3);
  for (CWnd* editor : {static_cast<CWnd*>(edit.get()), static_cast<CWnd*>(&dropDown),
                         static_cast<CWnd*>(&spin.GetTextPart())}) {
    editor->SetFocus();
    EXPECT_FALSE(AcceleratorsEnabled()) << editor->GetDlgCtrlID();
    grid_.SetFocus();
    EXPECT_TRUE(AcceleratorsEnabled()) << editor->GetDlgCtrlID();
  }
}

TEST_F(CellEditTest, AcceleratorsComeBackOnlyWhenTheyWereOn) {
  auto edit = MakeEdit(kReportingColumn);
  auto other = MakeEdit(kReportingColumn - 1);
  edit->SetFocus();
  other->SetFocus();  // from one editor to the next: still off
  EXPECT_FALSE(AcceleratorsEnabled());
  grid_.SetFocus();
  EXPECT_TRUE(AcceleratorsEnabled());

  DisableAccelerators();
  edit->SetFocus();
  grid_.SetFocus();
  EXPECT_FALSE(AcceleratorsEnabled());
  EnableAccelerators();

  // An editor destroyed while focused gives them back.
  edit->SetFocus();
  edit.reset();
  EXPECT_TRUE(AcceleratorsEnabled());
}

}  // namespace
}  // namespace Talvo::testing
