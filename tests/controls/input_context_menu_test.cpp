// InputContextMenu: the "+" tab's four pages, with the string table's texts.
#include "controls/input_context_menu.h"

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

using InputContextMenuTest = ControlsTest;

TEST_F(InputContextMenuTest, OffersTheFourModifierPages) {
  CWnd* frame = CreateParent();
  InputContextMenu menu;
  ASSERT_TRUE(menu.Build());
  winsim::AnswerPopupMenuItem(L"Add Unwrap UVW");
  menu.Track(frame, CPoint(120, 120));
  winsim::PumpMessages();  // the chosen command is posted
  const winsim::ModalRecord record = winsim::ModalLog().back();
  ASSERT_EQ(record.items.size(), 4u);
  const std::pair<UINT, std::wstring> expected[] = {
      {ID_INPUT_MENU_EDITABLE_POLY, L"Add Editable Poly"},
      {ID_INPUT_MENU_EDIT_POLY, L"Add Edit Poly"},
      {ID_INPUT_MENU_UNWRAP_UVW, L"Add Unwrap UVW"},
      {ID_INPUT_MENU_OBJECTS, L"Add Object Mode"}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(record.items[i].id, expected[i].first);
    EXPECT_EQ(record.items[i].text, expected[i].second);
  }
  ASSERT_EQ(CountParentMessages(WM_COMMAND), 1);
  EXPECT_EQ(LOWORD(ParentMessages()[0].wParam), ID_INPUT_MENU_UNWRAP_UVW);
}

}  // namespace
}  // namespace Talvo::testing
