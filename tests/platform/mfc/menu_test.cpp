#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "test_windows.h"
#include "win32/simulation.h"

namespace {

using MenuTest = MfcTest;

constexpr UINT kEditMenu = 9201;
constexpr UINT kOpen = 200, kShowGrid = 201, kOrphan = 202, kLocked = 203, kSave = 204;

MENUITEMTEMPLATE Command(const wchar_t* text, UINT id, UINT options = MF_STRING) {
  MENUITEMTEMPLATE item;
  item.mtOption = options;
  item.mtID = id;
  item.mtString = text;
  return item;
}

void RegisterEditMenu() {
  MENUITEMTEMPLATE popup;
  popup.mtOption = MF_POPUP;
  popup.mtString = L"&Edit";
  popup.items = {Command(L"&Open", kOpen), Command(L"Show grid", kShowGrid), Command(L"", 0, MF_SEPARATOR),
                 Command(L"Orphan", kOrphan), Command(L"Locked", kLocked), Command(L"Save", kSave, MF_GRAYED)};
  RegisterMenuTemplate(kEditMenu, MENUTEMPLATE{{popup}});
}

class EditorFrame : public CFrameWnd {
 public:
  std::vector<UINT> commands;
  bool gridShown = true;

 protected:
  void OnOpen() { commands.push_back(kOpen); }
  void OnShowGrid() { commands.push_back(kShowGrid); }
  void OnLocked() { commands.push_back(kLocked); }
  void OnSave() { commands.push_back(kSave); }
  void OnUpdateShowGrid(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(gridShown ? 1 : 0);
    pCmdUI->SetText(gridShown ? L"Hide grid" : L"Show grid");
  }
  void OnUpdateLocked(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EditorFrame, CFrameWnd)
  ON_COMMAND(kOpen, &EditorFrame::OnOpen)
  ON_COMMAND(kShowGrid, &EditorFrame::OnShowGrid)
  ON_COMMAND(kLocked, &EditorFrame::OnLocked)
  ON_COMMAND(kSave, &EditorFrame::OnSave)
  ON_UPDATE_COMMAND_UI(kShowGrid, &EditorFrame::OnUpdateShowGrid)
  ON_UPDATE_COMMAND_UI(kLocked, &EditorFrame::OnUpdateLocked)
  ON_UPDATE_COMMAND_UI(kSave, &EditorFrame::OnUpdateSave)
END_MESSAGE_MAP()

EditorFrame* NewFrame() {
  auto* frame = new EditorFrame;
  if (!frame->Create(nullptr, L"Editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 450, 350))) return nullptr;
  return frame;
}

const winsim::MenuItemRecord* FindItem(const std::vector<winsim::MenuItemRecord>& items, UINT id) {
  for (const winsim::MenuItemRecord& item : items) {
    if (!item.separator && item.id == id) return &item;
  }
  return nullptr;
}

TEST_F(MenuTest, LoadsTemplatesAndKeepsAHandleMap) {
  RegisterEditMenu();
  CMenu bar;
  ASSERT_TRUE(bar.LoadMenu(kEditMenu));
  EXPECT_FALSE(bar.LoadMenu(kEditMenu));  // already holds a menu
  EXPECT_EQ(bar.GetMenuItemCount(), 1u);
  EXPECT_EQ(CMenu::FromHandle(bar.m_hMenu), &bar);

  CMenu* edit = bar.GetSubMenu(0);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(CMenu::FromHandlePermanent(edit->m_hMenu), nullptr);  // a temporary wrapper
  EXPECT_EQ(edit->GetMenuItemCount(), 6u);
  EXPECT_EQ(edit->GetMenuItemID(2), 0u);  // the separator
  std::wstring text;
  EXPECT_EQ(edit->GetMenuString(kShowGrid, text, MF_BYCOMMAND), 9);
  EXPECT_EQ(text, L"Show grid");
  EXPECT_TRUE(edit->GetMenuState(kSave, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_EQ(bar.GetMenuState(kSave, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));  // submenus searched

  // Edits through the wrapper.
  EXPECT_TRUE(edit->ModifyMenu(kOrphan, MF_BYCOMMAND | MF_STRING, kOrphan, L"Adopted"));
  edit->CheckMenuItem(kOpen, MF_BYCOMMAND | MF_CHECKED);
  EXPECT_TRUE(edit->GetMenuState(kOpen, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(edit->DeleteMenu(2, MF_BYPOSITION));
  EXPECT_EQ(edit->GetMenuItemCount(), 5u);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STATE;
  ASSERT_TRUE(edit->GetMenuItemInfo(2, &info, TRUE));
  EXPECT_EQ(info.wID, kOrphan);

  // Temporaries go at idle time; an attached menu is found again until it is detached.
  HMENU hEdit = edit->m_hMenu;
  AfxUnlockTempMaps();
  CMenu owned;
  EXPECT_TRUE(owned.Attach(hEdit));
  EXPECT_EQ(CMenu::FromHandle(hEdit), &owned);
  EXPECT_EQ(owned.Detach(), hEdit);
  EXPECT_EQ(CMenu::FromHandlePermanent(hEdit), nullptr);

  CMenu unknown;
  EXPECT_FALSE(unknown.LoadMenu(4242u));
  EXPECT_TRUE(bar.DestroyMenu());
  EXPECT_FALSE(::IsMenu(hEdit));
  EXPECT_EQ(bar.m_hMenu, nullptr);
}

TEST_F(MenuTest, UpdateHandlersShapeThePopupAndTheCommandReachesTheFrame) {
  RegisterEditMenu();
  EditorFrame* frame = NewFrame();
  ASSERT_NE(frame, nullptr);
  CMenu bar;
  ASSERT_TRUE(bar.LoadMenu(kEditMenu));
  // A permanent object for the popup: temporaries don't outlive the pump's idle time.
  CMenu edit;
  ASSERT_TRUE(edit.Attach(::GetSubMenu(bar.m_hMenu, 0)));
  CMenu* popup = &edit;

  winsim::AnswerPopupMenu(kOpen);
  EXPECT_TRUE(popup->TrackPopupMenu(TPM_LEFTALIGN, 60, 60, frame));
  mfcsim::PumpMessages();
  EXPECT_EQ(frame->commands, std::vector<UINT>{kOpen});

  const std::vector<winsim::ModalRecord> log = winsim::ModalLog();
  ASSERT_EQ(log.size(), 1u);
  const auto& items = log.back().items;
  ASSERT_NE(FindItem(items, kOpen), nullptr);
  EXPECT_TRUE(FindItem(items, kOpen)->enabled);
  ASSERT_NE(FindItem(items, kShowGrid), nullptr);
  EXPECT_TRUE(FindItem(items, kShowGrid)->checked);
  EXPECT_EQ(FindItem(items, kShowGrid)->text, L"Hide grid");
  EXPECT_FALSE(FindItem(items, kOrphan)->enabled);  // no handler at all: greyed
  EXPECT_FALSE(FindItem(items, kLocked)->enabled);  // its update handler says so
  EXPECT_TRUE(FindItem(items, kSave)->enabled);     // greyed in the template, enabled by its handler

  // With TPM_RETURNCMD the choice comes back instead of a WM_COMMAND.
  frame->gridShown = false;
  winsim::AnswerPopupMenu(kShowGrid);
  EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 60, 60, frame), static_cast<BOOL>(kShowGrid));
  mfcsim::PumpMessages();
  EXPECT_EQ(frame->commands.size(), 1u);
  EXPECT_FALSE(winsim::ModalLog().back().items.empty());
  EXPECT_FALSE(FindItem(winsim::ModalLog().back().items, kShowGrid)->checked);

  // Without automatic disabling, items without handlers stay as they are.
  frame->m_bAutoMenuEnable = FALSE;
  popup->EnableMenuItem(kOrphan, MF_BYCOMMAND | MF_ENABLED);
  winsim::AnswerPopupMenu(0);
  popup->TrackPopupMenu(TPM_LEFTALIGN, 60, 60, frame);
  EXPECT_TRUE(FindItem(winsim::ModalLog().back().items, kOrphan)->enabled);
  edit.Detach();  // the menu bar owns it
  frame->DestroyWindow();
}

// A context menu whose items draw themselves.
class SwatchMenu : public CMenu {
 public:
  std::vector<UINT> measured;
  std::vector<UINT> drawn;
  void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
    measured.push_back(mis->itemID);
    mis->itemWidth = 120;
    mis->itemHeight = 30;
  }
  void DrawItem(LPDRAWITEMSTRUCT dis) override {
    drawn.push_back(dis->itemID);
    HBRUSH brush = ::CreateSolidBrush(static_cast<COLORREF>(dis->itemData));
    ::FillRect(dis->hDC, &dis->rcItem, brush);
    ::DeleteObject(brush);
  }
};

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheMenu) {
  CWnd owner;
  ASSERT_TRUE(mfctest::CreatePopup(owner));
  SwatchMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_OWNERDRAW, 300, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(RGB(200, 0, 0))));
  menu.AppendMenu(MF_OWNERDRAW, 301, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(RGB(0, 0, 200))));
  winsim::Image shot;
  winsim::ObserveNextPopupMenu([&](HWND window, HMENU) { shot = winsim::CaptureWindow(window); });
  winsim::AnswerPopupMenu(0);
  EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 100, 100, &owner));
  EXPECT_EQ(menu.measured, (std::vector<UINT>{300, 301}));
  EXPECT_EQ(menu.drawn, (std::vector<UINT>{300, 301}));
  ASSERT_GT(shot.height, 60);
  // Each item is a 30-pixel row in its own colour.
  const int x = shot.width / 2;
  int redRows = 0, blueRows = 0;
  for (int y = 0; y < shot.height; ++y) {
    redRows += shot.Pixel(x, y) == RGB(200, 0, 0);
    blueRows += shot.Pixel(x, y) == RGB(0, 0, 200);
  }
  EXPECT_EQ(redRows, 30);
  EXPECT_EQ(blueRows, 30);
}

}  // namespace
