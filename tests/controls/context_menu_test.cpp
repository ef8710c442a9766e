// ContextMenu: items stay readable when they become owner-drawn, are drawn in the host's colours,
// and an empty menu is never shown.
#include "controls/context_menu.h"

#include "controls/visual_manager.h"
#include "controls_fixture.h"
#include "model/editor_window.h"

namespace Talvo::testing {
namespace {

constexpr UINT kCopyItem = 3012;
constexpr UINT kGreyedItem = 3013;

// A menu like the grid's: two items from the string table, a separator and a greyed item.
class TwoItemMenu : public ContextMenu {
 public:
  BOOL Build() override {
    if (!CreatePopupMenu()) return FALSE;
    AppendStringItem(kCopyItem, 224);
    AppendMenu(MF_SEPARATOR);
    AppendStringItem(kGreyedItem, 225, MF_GRAYED);
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
  EXPECT_TRUE(record.items[1].separator);
  EXPECT_EQ(record.items[2].text, L"Paste");
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

TEST_F(ContextMenuTest, MeasuresAndDrawsItemsInHostColours) {
  TwoItemMenu menu;
  ASSERT_TRUE(menu.Build());
  menu.MakeOwnerDrawn();
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = 3012;
  menu.MeasureItem(&measure);
  EXPECT_EQ(measure.itemHeight, static_cast<UINT>(ContextMenu::kItemHeight));
  EXPECT_GT(measure.itemWidth, 30u);

  // Draw the selected item and the greyed one into a bitmap and look at the pixels.
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 160, 44);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_MENU;
  item.hDC = dc;
  item.itemID = 3012;
  item.itemState = ODS_SELECTED;
  item.rcItem = {0, 0, 160, 22};
  menu.DrawItem(&item);
  item.itemID = 3013;
  item.itemState = ODS_GRAYED;
  item.rcItem = {0, 22, 160, 44};
  menu.DrawItem(&item);
  EXPECT_EQ(::GetPixel(dc, 1, 10), HostColor(kAccent));       // the selection's accent bar
  EXPECT_EQ(::GetPixel(dc, 150, 2), HostHotColor());          // the selection's fill
  EXPECT_EQ(::GetPixel(dc, 150, 24), HostColor(kBackground));  // a greyed item is never highlighted
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
}

TEST_F(ContextMenuTest, CommandsGoToTheEditorWindowWhenThereIsOne) {
  CWnd* page = CreateParent();
  EXPECT_EQ(MenuCommandOwner(page), page);
  CWnd* editor = CreateParent(300, 200, 500, 100);
  SetEditorWindow(editor->m_hWnd);
  EXPECT_EQ(MenuCommandOwner(page)->m_hWnd, editor->m_hWnd);
  SetEditorWindow(nullptr);
}

}  // namespace
}  // namespace Talvo::testing
