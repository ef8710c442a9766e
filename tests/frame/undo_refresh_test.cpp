// After undo and redo every page of the editor window shows the documents that are current, and the
// layout switch that clears the assignments is an undo step that gives them back.
#include <host/undo.h>
#include <win32/modal_responder.h>

#include "editing/wheel_events_tab.h"
#include "editing/wheel_events_tab_template.h"
#include "editor/h_layout_switch_dlg.h"
#include "engine/restore_obj.h"
#include "frame_fixture.h"
#include "model/vocabulary.h"
#include "resources/dialogs/layout_switch_dlg.h"

namespace Talvo::testing {
namespace {

class UndoRefreshTest : public FrameTest {
 protected:
  static WheelEventsTab& WheelPage(Frame& frame) {
    return *DYNAMIC_DOWNCAST(WheelEventsTab, frame.GetTabs().GetPageAt(2));
  }
  static std::wstring TextOf(CWnd& window) {
    wchar_t text[512] = {};
    window.GetWindowText(text, 512);
    return text;
  }
  // One editing step as the functions page makes it.
  static void CreateFunctionStep() {
    theHold.Begin();
    theHold.Put(new TalvoDataRestoreObj(1, 65535));
    GetTalvo().CreateFunction(kKindSingleTap);
    theHold.Accept(L"Create Function");
  }
  // Opens a menu button of a window and picks item `item` (1-based).
  static void ChooseMenuItem(CWnd& owner, int buttonId, int item) {
    owner.UpdateWindow();
    winsim::AnswerPopupMenu(static_cast<UINT>(item));
    ClickItem(owner.m_hWnd, buttonId);
    winsim::PumpMessages();
  }
};

TEST_F(UndoRefreshTest, TheWheelEventsPageShowsTheSetThatUndoMakesCurrent) {
  Talvo& root = GetTalvo();
  root.GetWheelEventsDir()->CreateNew()->SetDisplayName(L"Set B");
  root.GetMainDocument()->SetSelectedWheelEvents(0);
  const std::wstring setA = root.GetWheelEvents(0)->GetDisplayName();
  Frame& frame = OpenFrame();
  WheelEventsTab& page = WheelPage(frame);
  CreateFunctionStep();  // taken while the first set is current

  frame.GetTabs().SetActiveTab(2);
  winsim::PumpMessages();
  ChooseMenuItem(page, IDC_WHEEL_EVENTS_MENU, 2);
  ASSERT_EQ(root.GetMainDocument()->GetSelectedWheelEvents(), 1);
  ASSERT_EQ(TextOf(page.GetNameEdit()), L"Set B");

  ASSERT_TRUE(hostsim::Undo());
  winsim::PumpMessages();
  EXPECT_EQ(root.GetMainDocument()->GetSelectedWheelEvents(), 0);
  EXPECT_EQ(TextOf(page.GetNameEdit()), setA);
  EXPECT_EQ(TextOf(page.GetSetsMenu()), setA);
  // Typing renames the set the page shows, which is the current one.
  page.GetNameEdit().SetWindowText(L"");
  page.GetNameEdit().SetFocus();
  for (wchar_t c : std::wstring(L"Mine")) page.GetNameEdit().SendMessage(WM_CHAR, c, 0);
  winsim::PumpMessages();
  EXPECT_EQ(root.GetWheelEvents(0)->GetDisplayName(), L"Mine");
  EXPECT_EQ(root.GetWheelEvents(1)->GetDisplayName(), L"Set B");
}

TEST_F(UndoRefreshTest, ClearingTheAssignmentsWithALayoutSwitchIsUndoneInOneStep) {
  Talvo& root = GetTalvo();
  ASSERT_GE(root.GetKeyboards()->Count(), 2);
  XmlProfile& profile = *root.GetCurrentProfile();
  const XmlFunction* function = root.CreateFunction(kKindSingleTap);
  constexpr int kKey = 16;
  profile.Assign(kKey, 'Q', function->GetId(), false, false);
  const int other = root.GetCurrentKeyboardIndex() == 0 ? 1 : 0;
  const std::wstring before = root.GetCurrentKeyboard()->GetName();
  const std::wstring chosen = root.GetKeyboards()->GetKeyboard(other)->GetName();
  Frame& frame = OpenFrame();
  const int steps = theHold.UndoCount();

  winsim::AnswerModalDialog(IDD_LAYOUT_SWITCH, [](HWND dialog) { EndDialog(dialog, kLayoutSwitchClearAssignments); });
  ChooseMenuItem(frame, Frame::kLayoutsButtonId, other + 1);
  ASSERT_FALSE(profile.HasAssignment(kKey));
  ASSERT_EQ(root.GetCurrentKeyboard()->GetName(), chosen);
  EXPECT_EQ(theHold.UndoCount(), steps + 1);

  ASSERT_TRUE(hostsim::Undo());
  winsim::PumpMessages();
  XmlProfile& restored = *root.GetCurrentProfile();
  EXPECT_EQ(restored.GetFunctionIdOfKey(kKey), function->GetId());
  EXPECT_EQ(root.GetCurrentKeyboard()->GetName(), before);
  EXPECT_EQ(TextOf(frame.GetLayoutsButton()), before);

  ASSERT_TRUE(hostsim::Redo());
  winsim::PumpMessages();
  EXPECT_FALSE(root.GetCurrentProfile()->HasAssignment(kKey));
  EXPECT_EQ(TextOf(frame.GetLayoutsButton()), chosen);
}

}  // namespace
}  // namespace Talvo::testing
