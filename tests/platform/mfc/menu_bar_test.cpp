#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "mfc/menu_bar.h"
#include "mfc_fixture.h"
#include "win32/simulation.h"

namespace {

// An editor-like frame: a menu bar built from a File and an Edit menu, and a bar-level command.
class MenuFrame : public CFrameWnd {
 public:
  std::vector<UINT> commands;
  BOOL canSaveFunction = FALSE;
  CMFCMenuBar bar;
  HMENU menu = nullptr;

  ~MenuFrame() override {
    if (menu != nullptr) ::DestroyMenu(menu);
  }

 protected:
  int OnCreate(LPCREATESTRUCT cs) {
    if (CFrameWnd::OnCreate(cs) == -1) return -1;
    menu = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, 108, L"Save Profile: Current");
    ::AppendMenuW(file, MF_STRING, 110, L"Save Function: Current");
    ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(file, MF_STRING, 112, L"Export Current Profile To File");
    HMENU edit = ::CreatePopupMenu();
    ::AppendMenuW(edit, MF_STRING, 116, L"Undo");
    ::AppendMenuW(edit, MF_STRING, 117, L"Show grid");
    ::AppendMenuW(edit, MF_STRING | MF_GRAYED, 118, L"Snap");
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"Edit");
    ::AppendMenuW(menu, MF_STRING, 125, L"Help");
    if (!bar.Create(this)) return -1;
    bar.CreateFromMenu(menu, FALSE, TRUE);
    RecalcLayout();
    return 0;
  }
  void OnCommandId(UINT id) { commands.push_back(id); }
  void OnUpdateSaveFunction(CCmdUI* pCmdUI) { pCmdUI->Enable(canSaveFunction); }
  void OnUpdateShowGrid(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(1);
    pCmdUI->SetText(L"Hide grid");
  }
  void OnUpdateSnap(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND_RANGE(108, 112, &MenuFrame::OnCommandId)
  ON_COMMAND_RANGE(125, 125, &MenuFrame::OnCommandId)
  ON_UPDATE_COMMAND_UI(110, &MenuFrame::OnUpdateSaveFunction)
  ON_UPDATE_COMMAND_UI(117, &MenuFrame::OnUpdateShowGrid)
  ON_UPDATE_COMMAND_UI(118, &MenuFrame::OnUpdateSnap)
END_MESSAGE_MAP()

class MenuBarTest : public MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    frame = new MenuFrame;
    ASSERT_TRUE(frame->Create(nullptr, L"Quillon Editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 660, 360)));
  }
  CPoint ItemOnScreen(int item) const {
    CPoint point = frame->bar.GetMenuItem(item)->Rect().CenterPoint();
    frame->bar.ClientToScreen(&point);
    return point;
  }
  MenuFrame* frame = nullptr;  // deletes itself with its window (mfcsim::Reset)
};

TEST_F(MenuBarTest, ButtonsComeFromTheMenusTopLevelItems) {
  CMFCMenuBar& bar = frame->bar;
  ASSERT_EQ(bar.GetCount(), 3);
  EXPECT_EQ(bar.GetMenuItem(0)->m_strText, L"&File");
  EXPECT_TRUE(bar.GetMenuItem(0)->IsKindOf(RUNTIME_CLASS(CMFCToolBarMenuButton)));
  EXPECT_EQ(static_cast<CMFCToolBarMenuButton*>(bar.GetMenuItem(0))->GetMenu(), ::GetSubMenu(frame->menu, 0));
  EXPECT_EQ(bar.GetMenuItem(2)->m_nID, 125u);
  EXPECT_EQ(bar.GetMenuItem(3), nullptr);
  // Side by side, each under its own hit test.
  EXPECT_EQ(bar.GetMenuItem(0)->Rect().right, bar.GetMenuItem(1)->Rect().left);
  EXPECT_EQ(bar.HitTest(bar.GetMenuItem(1)->Rect().CenterPoint()), 1);
  EXPECT_EQ(bar.HitTest(CPoint(590, 5)), -1);

  // The frame's layout docks the bar on top at its row height, across the client area.
  CRect client;
  frame->GetClientRect(&client);
  CRect rect;
  bar.GetWindowRect(&rect);
  frame->ScreenToClient(&rect);
  EXPECT_EQ(rect, CRect(0, 0, client.right, bar.GetRowHeight()));

  // The same menu again changes nothing unless forced; a changed menu shows after a forced rebuild.
  ::AppendMenuW(frame->menu, MF_STRING, 122, L"Options");
  bar.CreateFromMenu(frame->menu);
  EXPECT_EQ(bar.GetCount(), 3);
  bar.CreateFromMenu(frame->menu, TRUE, TRUE);
  EXPECT_EQ(bar.GetCount(), 4);
}

TEST_F(MenuBarTest, TheHighlightFollowsTheMouseAndGoesWhenItLeavesTheBar) {
  CMFCMenuBar& bar = frame->bar;
  const CPoint edit = ItemOnScreen(1);
  winsim::MouseMove(edit.x, edit.y);
  EXPECT_EQ(bar.GetHighlightedButton(), bar.GetMenuItem(1));
  const CPoint file = ItemOnScreen(0);
  winsim::MouseMove(file.x, file.y);
  EXPECT_EQ(bar.GetHighlightedButton(), bar.GetMenuItem(0));
  // Onto the frame's client area below the bar: another window, so the bar hears the mouse leave.
  winsim::MouseMove(file.x, file.y + 100);
  EXPECT_EQ(bar.GetHighlightedButton(), nullptr);
  // And again on the next visit.
  winsim::MouseMove(edit.x, edit.y);
  winsim::MouseMove(edit.x, edit.y + 100);
  EXPECT_EQ(bar.GetHighlightedButton(), nullptr);
}

TEST_F(MenuBarTest, AClickOpensThePopupWithUpdatedItemsAndTheCommandGoesToTheFrame) {
  winsim::AnswerPopupMenu(108);
  const CPoint file = ItemOnScreen(0);
  winsim::Click(file.x, file.y);
  mfcsim::PumpMessages();
  EXPECT_EQ(frame->commands, (std::vector<UINT>{108}));

  const std::vector<winsim::ModalRecord> log = winsim::ModalLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].kind, winsim::ModalKind::PopupMenu);
  ASSERT_EQ(log[0].items.size(), 4u);
  EXPECT_TRUE(log[0].items[0].enabled);
  EXPECT_FALSE(log[0].items[1].enabled);  // its update handler greyed it

  // The handler's answer is asked again each time the popup opens.
  frame->canSaveFunction = TRUE;
  winsim::ClearModalLog();
  winsim::AnswerPopupMenu(110);
  winsim::Click(file.x, file.y);
  mfcsim::PumpMessages();
  ASSERT_EQ(winsim::ModalLog().size(), 1u);
  EXPECT_TRUE(winsim::ModalLog()[0].items[1].enabled);
  EXPECT_EQ(frame->commands, (std::vector<UINT>{108, 110}));

  // Dismissing the popup sends nothing; a bar-level command goes straight to the frame.
  winsim::AnswerPopupMenu(0);
  winsim::Click(file.x, file.y);
  const CPoint help = ItemOnScreen(2);
  winsim::Click(help.x, help.y);
  mfcsim::PumpMessages();
  EXPECT_EQ(frame->commands, (std::vector<UINT>{108, 110, 125}));
}

// Update handlers set the check, the text and the state of popup items; an item without any handler is greyed
// while the frame enables automatically, and left alone otherwise.
TEST_F(MenuBarTest, UpdateHandlersShapeThePopupItems) {
  winsim::AnswerPopupMenu(0);
  const CPoint edit = ItemOnScreen(1);
  winsim::Click(edit.x, edit.y);
  ASSERT_EQ(winsim::ModalLog().size(), 1u);
  const std::vector<winsim::MenuItemRecord> items = winsim::ModalLog()[0].items;
  ASSERT_EQ(items.size(), 3u);
  EXPECT_FALSE(items[0].enabled);
  EXPECT_TRUE(items[1].checked);
  EXPECT_EQ(items[1].text, L"Hide grid");
  EXPECT_TRUE(items[2].enabled);  // greyed in the menu, enabled by its handler

  frame->m_bAutoMenuEnable = FALSE;
  ::EnableMenuItem(frame->menu, 116, MF_BYCOMMAND | MF_ENABLED);
  winsim::AnswerPopupMenu(0);
  winsim::AdvanceClock(1000);  // not a double click
  winsim::Click(edit.x, edit.y);
  ASSERT_EQ(winsim::ModalLog().size(), 2u);
  EXPECT_TRUE(winsim::ModalLog()[1].items[0].enabled);
}

// A popup the program tracks for the frame itself goes through the same update handlers.
TEST_F(MenuBarTest, APopupTrackedForTheFrameIsShapedByItsHandlers) {
  CMenu edit;
  ASSERT_TRUE(edit.Attach(::GetSubMenu(frame->menu, 1)));
  winsim::AnswerPopupMenu(0);
  edit.TrackPopupMenu(TPM_LEFTALIGN, 60, 60, frame);
  edit.Detach();  // the menu bar owns it
  ASSERT_EQ(winsim::ModalLog().size(), 1u);
  EXPECT_TRUE(winsim::ModalLog()[0].items[1].checked);
}

// At idle time the bar's own command buttons are updated: one without a handler is disabled.
TEST_F(MenuBarTest, BarCommandsWithoutAHandlerAreDisabledAtIdleTime) {
  frame->bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  EXPECT_FALSE(frame->bar.GetMenuItem(2)->IsDisabled());  // 125 has a handler
  ::ModifyMenuW(frame->menu, 2, MF_BYPOSITION | MF_STRING, 126, L"Unhandled");
  frame->bar.CreateFromMenu(frame->menu, FALSE, TRUE);
  frame->bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  EXPECT_TRUE(frame->bar.GetMenuItem(2)->IsDisabled());
  // A disabled bar button sends nothing.
  const CPoint unhandled = ItemOnScreen(2);
  winsim::Click(unhandled.x, unhandled.y);
  mfcsim::PumpMessages();
  EXPECT_TRUE(frame->commands.empty());
}

}  // namespace
