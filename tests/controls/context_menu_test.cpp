// ContextMenu: items stay readable when they become owner-drawn, are drawn in the host's colours, an
// empty menu is never shown; and the items of the program's menus with the string table's texts.
#include "controls/context_menu.h"

#include "controls/input_context_menu.h"
#include "controls/mode_context_menu.h"
#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

constexpr UINT kCopyItem = 3012;
constexpr UINT kGreyedItem = 3013;
constexpr int kCopyText = 224;
constexpr int kPasteText = 225;

// A menu like the grid's: two items from the string table, a separator and a greyed item.
class TwoItemMenu : public ContextMenu {
 public:
  BOOL Build() override {
    if (!CreatePopupMenu()) return FALSE;
    AppendStringItem(kCopyItem, kCopyText);
    AppendMenu(MF_SEPARATOR);
    AppendStringItem(kGreyedItem, kPasteText, MF_GRAYED);
    return TRUE;
  }
};

class EmptyMenu : public ContextMenu {
 public:
  BOOL Build() override { return CreatePopupMenu(); }
};

using ContextMenuTest = ControlsTest;

TEST_F(ContextMenuTest, TracksOwnerDrawnItemsThatKeepTheirTexts) {
  CWnd* owner = CreateParent();
  TwoItemMenu menu;
  ASSERT_TRUE(menu.Build());
  winsim::AnswerPopupMenu(kCopyItem);
  EXPECT_TRUE(menu.Track(owner, CPoint(150, 150)));
  winsim::PumpMessages();  // the chosen command is posted
  const winsim::ModalRecord record = winsim::ModalLog().back();
  ASSERT_EQ(record.items.size(), 3u);
  EXPECT_EQ(record.items[0].text, L"Copy");
  EXPECT_FALSE(record.items[2].enabled);
  EXPECT_TRUE(menu.GetMenuState(kCopyItem, MF_BYCOMMAND) & MF_OWNERDRAW);
  EXPECT_FALSE(menu.GetMenuState(1, MF_BYPOSITION) & MF_OWNERDRAW);  // the separator
  ASSERT_EQ(CountParentMessages(WM_COMMAND), 1);
  EXPECT_EQ(LOWORD(ParentMessages()[0].wParam), kCopyItem);

  EmptyMenu empty;
  ASSERT_TRUE(empty.Build());
  const size_t modals = winsim::ModalLog().size();
  EXPECT_FALSE(empty.Track(owner, CPoint(150, 150)));
  EXPECT_EQ(winsim::ModalLog().size(), modals);
}

TEST_F(ContextMenuTest, DrawsTheSelectionButNeverAGreyedItemHighlighted) {
  TwoItemMenu menu;
  ASSERT_TRUE(menu.Build());
  menu.MakeOwnerDrawn();
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 160, 44);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_MENU;
  item.hDC = dc;
  item.itemID = kCopyItem;
  item.itemState = ODS_SELECTED;
  item.rcItem = {0, 0, 160, 22};
  menu.DrawItem(&item);
  item.itemID = kGreyedItem;
  item.itemState = ODS_GRAYED | ODS_SELECTED;
  item.rcItem = {0, 22, 160, 44};
  menu.DrawItem(&item);
  EXPECT_EQ(::GetPixel(dc, 1, 10), HostColor(kAccent));       // the selection's accent bar
  EXPECT_EQ(::GetPixel(dc, 150, 2), HostHotColor());          // the selection's fill
  EXPECT_EQ(::GetPixel(dc, 150, 24), HostColor(kBackground));
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
}

// With an editor window the commands go there (see the icon button's menus); without one, to the page.
TEST_F(ContextMenuTest, CommandsGoToThePageWithoutAnEditorWindow) {
  CWnd* page = CreateParent();
  EXPECT_EQ(MenuCommandOwner(page), page);
}

using MenuItems = std::vector<std::pair<UINT, std::wstring>>;

MenuItems ItemsOf(ContextMenu& menu) {
  EXPECT_TRUE(menu.Build());
  MenuItems items;
  for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
    std::wstring text;
    menu.GetMenuString(i, text, MF_BYPOSITION);
    items.emplace_back(menu.GetMenuItemID(static_cast<int>(i)), text);
  }
  return items;
}

TEST_F(ContextMenuTest, TheProgramsMenusOfferTheirCommands) {
  InputContextMenu input;
  EXPECT_EQ(ItemsOf(input), (MenuItems{{ID_INPUT_MENU_EDITABLE_POLY, L"Add Editable Poly"},
                                       {ID_INPUT_MENU_EDIT_POLY, L"Add Edit Poly"},
                                       {ID_INPUT_MENU_UNWRAP_UVW, L"Add Unwrap UVW"},
                                       {ID_INPUT_MENU_OBJECTS, L"Add Object Mode"}}));
  ModeContextMenu levels({ModeMenuItems::Levels, false});
  EXPECT_EQ(ItemsOf(levels), (MenuItems{{ID_MODE_VERTEX, L"Vertex Mode"}, {ID_MODE_EDGE, L"Edge Mode"},
                                        {ID_MODE_POLYGON, L"Polygon Mode"}, {ID_MODE_BORDER, L"Border Mode"},
                                        {ID_MODE_ELEMENT, L"Element Mode"}}));
  ModeContextMenu unwrapCases({ModeMenuItems::SubObjectCases, true});
  EXPECT_EQ(ItemsOf(unwrapCases), (MenuItems{{ID_ADD_VERTEX_MODE, L"Add Vertex Mode"},
                                             {ID_ADD_EDGE_MODE, L"Add Edge Mode"},
                                             {ID_ADD_POLYGON_MODE, L"Add Polygon Mode"}}));
  ModeContextMenu modifiers({ModeMenuItems::ModifierCases, true});
  EXPECT_EQ(ItemsOf(modifiers), (MenuItems{{ID_ADD_EDITABLE_POLY, L"Add Editable Poly"},
                                           {ID_ADD_EDIT_POLY, L"Add Edit Poly"},
                                           {ID_ADD_UNWRAP_UVW, L"Add Unwrap UVW"},
                                           {ID_ADD_OBJECT_MODE, L"Add Object Mode"}}));
}

}  // namespace
}  // namespace Talvo::testing
