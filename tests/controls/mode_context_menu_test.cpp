// ModeContextMenu: the items of each request, with the string table's texts.
#include "controls/mode_context_menu.h"

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

using ModeContextMenuTest = ControlsTest;

std::vector<std::pair<UINT, std::wstring>> Items(ModeMenuRequest request) {
  ModeContextMenu menu(request);
  EXPECT_TRUE(menu.Build());
  std::vector<std::pair<UINT, std::wstring>> items;
  for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
    std::wstring text;
    menu.GetMenuString(i, text, MF_BYPOSITION);
    items.emplace_back(menu.GetMenuItemID(static_cast<int>(i)), text);
  }
  return items;
}

TEST_F(ModeContextMenuTest, EachRequestOffersItsCommands) {
  using Items_ = std::vector<std::pair<UINT, std::wstring>>;
  EXPECT_EQ(Items({ModeMenuItems::Levels, false}),
            (Items_{{3100, L"Vertex Mode"}, {3101, L"Edge Mode"}, {3102, L"Polygon Mode"}, {3103, L"Border Mode"},
                    {3104, L"Element Mode"}}));
  EXPECT_EQ(Items({ModeMenuItems::SubObjectCases, true}),
            (Items_{{3210, L"Add Vertex Mode"}, {3211, L"Add Edge Mode"}, {3213, L"Add Polygon Mode"}}));
  EXPECT_EQ(Items({ModeMenuItems::ModifierCases, true}),
            (Items_{{3201, L"Add Editable Poly"}, {3202, L"Add Edit Poly"}, {3203, L"Add Unwrap UVW"},
                    {3204, L"Add Object Mode"}}));
}

}  // namespace
}  // namespace Talvo::testing
