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
            (Items_{{ID_MODE_VERTEX, L"Vertex Mode"}, {ID_MODE_EDGE, L"Edge Mode"}, {ID_MODE_POLYGON, L"Polygon Mode"}, {ID_MODE_BORDER, L"Border Mode"},
                    {ID_MODE_ELEMENT, L"Element Mode"}}));
  EXPECT_EQ(Items({ModeMenuItems::SubObjectCases, true}),
            (Items_{{ID_ADD_VERTEX_MODE, L"Add Vertex Mode"}, {ID_ADD_EDGE_MODE, L"Add Edge Mode"}, {ID_ADD_POLYGON_MODE, L"Add Polygon Mode"}}));
  EXPECT_EQ(Items({ModeMenuItems::ModifierCases, true}),
            (Items_{{ID_ADD_EDITABLE_POLY, L"Add Editable Poly"}, {ID_ADD_EDIT_POLY, L"Add Edit Poly"}, {ID_ADD_UNWRAP_UVW, L"Add Unwrap UVW"},
                    {ID_ADD_OBJECT_MODE, L"Add Object Mode"}}));
}

}  // namespace
}  // namespace Talvo::testing
