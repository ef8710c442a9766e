// KeyButton: a click asks the page strip to open the key's page, a right click opens the key's menu for the
// editor window with the button remembered, and the looks of its states in both themes.
#include "controls/key_button.h"

#include "cell_editor_fakes.h"
#include "model/editor_window.h"
#include "model/talvo.h"

namespace Talvo::testing {

// Carries the page strip's run-time class name, which is all the key button looks for.
class WindowTabs : public RecordingWnd {
  DECLARE_DYNAMIC(WindowTabs)
};
IMPLEMENT_DYNAMIC(WindowTabs, CWnd)

namespace {

class KeyButtonTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    CWnd* top = CreateParent(420, 240);
    ASSERT_TRUE(strip_.Make(top, CRect(0, 0, 420, 240)));
    ASSERT_TRUE(page_.Make(&strip_, CRect(0, 0, 420, 240)));
    ASSERT_TRUE(key_.Create(L"Q", 0x5000000B, CRect(20, 20, 80, 80), &page_, 5000));
    key_.keyNumber = 17;
    key_.virtualKey = 'Q';
    editor_ = CreateParent(200, 100, 700, 500);
  }
  void TearDown() override {
    SetEditorWindow(nullptr);
    ControlsTest::TearDown();
  }
  void RightClick(KeyButton& key) {
    const POINT centre = CentreOf(key.m_hWnd);
    winsim::Click(centre.x, centre.y, winsim::MouseButton::Right);
  }
  int EditorCommands(UINT id) const {
    int count = 0;
    for (const ParentMessage& message : ParentMessages()) {
      count += message.message == WM_COMMAND && LOWORD(message.wParam) == id ? 1 : 0;
    }
    return count;
  }

  WindowTabs strip_;
  RecordingWnd page_;
  KeyButton key_;
  CWnd* editor_ = nullptr;
};

TEST_F(KeyButtonTest, ClickAsksThePageStripToOpenTheKey) {
  const POINT centre = CentreOf(key_.m_hWnd);
  winsim::Click(centre.x, centre.y);
  ASSERT_EQ(strip_.Count(OpenAssignmentTabMessage), 1);
  EXPECT_EQ(strip_.Last(OpenAssignmentTabMessage)->wParam, 17U);
  EXPECT_EQ(strip_.Last(OpenAssignmentTabMessage)->lParam, reinterpret_cast<LPARAM>(&key_));
  EXPECT_EQ(page_.Count(OpenAssignmentTabMessage), 0);

  // A press that leaves the button before the release is no click; a disabled key is no button at all.
  winsim::MouseMove(centre.x, centre.y);
  winsim::MouseDown();
  winsim::MouseMove(centre.x + 100, centre.y);
  winsim::MouseUp();
  key_.EnableWindow(FALSE);
  winsim::Click(centre.x, centre.y);
  EXPECT_EQ(strip_.Count(OpenAssignmentTabMessage), 1);
}

TEST_F(KeyButtonTest, AKeyOutsideThePagesOpensNothing) {
  CWnd* alone = CreateParent(100, 100, 600, 100);
  KeyButton key;
  ASSERT_TRUE(key.Create(L"W", 0x5000000B, CRect(10, 10, 60, 60), alone, 5000));
  const POINT centre = CentreOf(key.m_hWnd);
  winsim::Click(centre.x, centre.y);
  EXPECT_EQ(CountParentMessages(OpenAssignmentTabMessage), 0);
}

TEST_F(KeyButtonTest, MenuOffersTheCommandsOfTheKeysStateToTheEditor) {
  SetEditorWindow(editor_->m_hWnd);
  winsim::AnswerPopupMenu(ID_KEY_CREATE_FUNCTION);
  RightClick(key_);
  EXPECT_EQ(OfferedCommands(), (std::vector<UINT>{ID_KEY_CREATE_FUNCTION, 0, ID_KEY_ASSIGN_LEARNING_INTERFACE}));
  EXPECT_EQ(EditorCommands(ID_KEY_CREATE_FUNCTION), 1);
  EXPECT_EQ(GetMenuKeyButton(), &key_);

  key_.assigned = true;
  key_.assignedText = L"Extrude";
  winsim::AnswerPopupMenu(ID_KEY_EDIT_FUNCTION);
  RightClick(key_);
  EXPECT_EQ(OfferedCommands(), (std::vector<UINT>{ID_KEY_EDIT_FUNCTION, ID_KEY_CREATE_FUNCTION, ID_KEY_DELETE_ASSIGNMENT, 0,
                                                 ID_KEY_ASSIGN_LEARNING_INTERFACE}));
  EXPECT_EQ(EditorCommands(ID_KEY_EDIT_FUNCTION), 1);

  key_.displayState = kKeyLearningInterface;
  winsim::AnswerPopupMenu(ID_KEY_DELETE_LEARNING_INTERFACE);
  RightClick(key_);
  EXPECT_EQ(OfferedCommands(), (std::vector<UINT>{ID_KEY_DELETE_LEARNING_INTERFACE, 0, ID_KEY_CREATE_FUNCTION}));
  EXPECT_EQ(EditorCommands(ID_KEY_DELETE_LEARNING_INTERFACE), 1);
  EXPECT_EQ(strip_.Count(OpenAssignmentTabMessage), 0);  // a right click opens no page

  // Cancelling sends nothing.
  winsim::AnswerPopupMenu(0);
  RightClick(key_);
  EXPECT_EQ(ParentMessages().size(), 3U);
}

TEST_F(KeyButtonTest, WithoutAnEditorWindowThereIsNoMenu) {
  winsim::ClearModalLog();
  RightClick(key_);
  EXPECT_TRUE(winsim::ModalLog().empty());
}

TEST_F(KeyButtonTest, AGoneButtonIsForgotten) {
  SetEditorWindow(editor_->m_hWnd);
  auto key = std::make_unique<KeyButton>();
  ASSERT_TRUE(key->Create(L"E", 0x5000000B, CRect(100, 20, 160, 80), &page_, 5000));
  winsim::AnswerPopupMenu(0);
  RightClick(*key);
  ASSERT_EQ(GetMenuKeyButton(), key.get());
  GetTalvo().SetLearningKeyButton(key.get());
  key.reset();
  EXPECT_EQ(GetMenuKeyButton(), nullptr);
  EXPECT_EQ(GetTalvo().GetLearningKeyButton(), nullptr);
}

TEST_F(KeyButtonTest, StatesLookDifferent) {
  key_.CreateFonts();
  const winsim::Image normal = winsim::CaptureWindow(key_.m_hWnd);
  const POINT centre = CentreOf(key_.m_hWnd);
  winsim::MouseMove(centre.x, centre.y);
  EXPECT_EQ(key_.CurrentLook(), KeyButton::Look::Hover);
  const winsim::Image hover = winsim::CaptureWindow(key_.m_hWnd);
  winsim::MouseDown();
  EXPECT_EQ(key_.CurrentLook(), KeyButton::Look::Pushed);
  const winsim::Image pushed = winsim::CaptureWindow(key_.m_hWnd);
  // While pressed the button holds the mouse; released over the page, it is left.
  winsim::MouseMove(300, 200);
  winsim::MouseUp();
  EXPECT_EQ(key_.CurrentLook(), KeyButton::Look::Normal);
  winsim::MouseMove(centre.x, centre.y);
  EXPECT_EQ(key_.CurrentLook(), KeyButton::Look::Hover);
  winsim::MouseMove(300, 200);
  EXPECT_EQ(key_.CurrentLook(), KeyButton::Look::Normal);
  EXPECT_NE(normal.rgba, hover.rgba);
  EXPECT_NE(hover.rgba, pushed.rgba);
  key_.assignedText = L"Extrude";
  key_.assigned = true;
  key_.textChanged = true;
  key_.Invalidate();
  EXPECT_NE(winsim::CaptureWindow(key_.m_hWnd).rgba, normal.rgba);
  EXPECT_FALSE(key_.textChanged);  // the paint took the new texts
}

}  // namespace
}  // namespace Talvo::testing
