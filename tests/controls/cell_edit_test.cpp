// CellEdit: column 10 reports every character to the page, the editor carries the page's tags, and the
// host's accelerators are off while it has the focus.
#include "controls/cell_edit.h"

#include <host/accelerators.h>

#include "cell_editor_fakes.h"

namespace Talvo::testing {
namespace {

class CellEditTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    page_ = CreateParent(420, 200);
    ASSERT_TRUE(grid_.Make(page_, CRect(10, 10, 410, 190)));
  }
  std::unique_ptr<CellEdit> MakeEdit(int column, const std::wstring& text = L"") {
    return std::make_unique<CellEdit>(&grid_, CRect(20, 20, 220, 44), WS_CLIPCHILDREN, MAKELONG(2, column), 2,
                                      column, text);
  }
  CWnd* page_ = nullptr;
  FakeGrid grid_;
};

TEST_F(CellEditTest, OnlyColumnTenReportsEveryCharacterToThePage) {
  auto edit = MakeEdit(10, L"go");
  ASSERT_NE(edit->m_hWnd, nullptr);
  EXPECT_EQ(edit->GetWindowText(), L"go");
  EXPECT_EQ(edit->GetParent()->m_hWnd, grid_.m_hWnd);
  EXPECT_NE(edit->GetStyle() & WS_CLIPCHILDREN, 0U);
  edit->SetFocus();
  edit->SetSel(2, 2);
  winsim::TypeText(L"abc");
  EXPECT_EQ(edit->GetWindowText(), L"goabc");  // the character is in the text when the page hears of it
  ASSERT_EQ(CountParentMessages(WM_CELL_EDIT_END), 3);
  for (const ParentMessage& message : ParentMessages()) {
    if (message.message != WM_CELL_EDIT_END) continue;
    EXPECT_EQ(message.wParam, 0U);
    EXPECT_EQ(message.lParam, reinterpret_cast<LPARAM>(edit.get()));
  }
  winsim::KeyPress(VK_BACK);
  EXPECT_EQ(CountParentMessages(WM_CELL_EDIT_END), 4);
  EXPECT_EQ(grid_.Count(WM_CELL_EDIT_END), 0);

  // Other columns stay quiet.
  auto other = MakeEdit(9);
  other->SetFocus();
  winsim::TypeText(L"xyz");
  EXPECT_EQ(other->GetWindowText(), L"xyz");
  EXPECT_EQ(CountParentMessages(WM_CELL_EDIT_END), 4);
}

TEST_F(CellEditTest, AcceleratorsAreOffWhileFocusedAndRestoredAfter) {
  auto edit = MakeEdit(10);
  auto other = MakeEdit(9);
  edit->SetFocus();
  EXPECT_FALSE(AcceleratorsEnabled());
  other->SetFocus();  // from one editor to the next: still off
  EXPECT_FALSE(AcceleratorsEnabled());
  grid_.SetFocus();
  EXPECT_TRUE(AcceleratorsEnabled());

  // Accelerators that were off before stay off.
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
