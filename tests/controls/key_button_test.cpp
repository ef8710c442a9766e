// KeyButton: a click asks the page strip to open the key's page, a right click opens the key's menu for the
// editor window with the button remembered, and its looks.
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

constexpr DWORD kKeyStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
constexpr int kKeyNumber = 17;

// A key on a page of the page strip; a test parent stands for the editor window.
class KeyButtonTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(strip_.Make(CreateParent(420, 240), CRect(0, 0, 420, 240)));
    ASSERT_TRUE(page_.Make(&strip_, CRect(0, 0, 420, 240)));
    ASSERT_TRUE(key_.Create(L"Q", kKeyStyle, CRect(20, 20, 80, 80), &page_, 1));
    key_.keyNumber = kKeyNumber;
    editor_ = CreateParent(200, 100, 700, 500);
  }
  void TearDown() override {
    SetEditorWindow(nullptr);
    ControlsTest::TearDown();
  }
  static void Click(KeyButton& key, winsim::MouseButton button = winsim::MouseButton::Left) {
    const POINT centre = CentreOf(key.m_hWnd);
    winsim::Click(centre.x, centre.y, button);
  }

  WindowTabs strip_;
  RecordingWnd page_;
  KeyButton key_;
  CWnd* editor_ = nullptr;
};

TEST_F(KeyButtonTest, ClickAsksThePageStripToOpenTheKey) {
  Click(key_);
  ASSERT_EQ(strip_.Count(OpenAssignmentTabMessage), 1);
  EXPECT_EQ(strip_.Last(OpenAssignmentTabMessage)->wParam, static_cast<WPARAM>(kKeyNumber));
  EXPECT_EQ(strip_.Last(OpenAssignmentTabMessage)->lParam, reinterpret_cast<LPARAM>(&key_));
  key_.EnableWindow(FALSE);  // a disabled key is no button at all
  Click(key_);
  EXPECT_EQ(strip_.Count(OpenAssignmentTabMessage), 1);

  KeyButton alone;  // a key outside the pages opens nothing
  ASSERT_TRUE(alone.Create(L"W", kKeyStyle, CRect(10, 10, 60, 60), CreateParent(100, 100, 600, 100), 1));
  Click(alone);
  EXPECT_EQ(CountParentMessages(OpenAssignmentTabMessage), 0);
}

TEST_F(KeyButtonTest, MenuOffersTheCommandsOfTheKeysStateToTheEditor) {
  Click(key_, winsim::MouseButton::Right);
  EXPECT_TRUE(winsim::ModalLog().empty());  // no editor window, no menu
  SetEditorWindow(editor_->m_hWnd);
  struct Row {
    bool assigned;
    int displayState;
    std::vector<UINT> offered;
  };
  const Row rows[] = {
      {false, kKeyOrdinary, {ID_KEY_CREATE_FUNCTION, 0, ID_KEY_ASSIGN_LEARNING_INTERFACE}},
      {true, kKeyOrdinary,
       {ID_KEY_EDIT_FUNCTION, ID_KEY_CREATE_FUNCTION, ID_KEY_DELETE_ASSIGNMENT, 0, ID_KEY_ASSIGN_LEARNING_INTERFACE}},
      {true, kKeyLearningInterface, {ID_KEY_DELETE_LEARNING_INTERFACE, 0, ID_KEY_CREATE_FUNCTION}},
  };
  for (const Row& row : rows) {
    key_.assigned = row.assigned;
    key_.displayState = row.displayState;
    winsim::AnswerPopupMenu(row.offered.front());
    Click(key_, winsim::MouseButton::Right);
    EXPECT_EQ(OfferedCommands(), row.offered);
    EXPECT_EQ(LOWORD(ParentMessages().back().wParam), row.offered.front());
  }
  EXPECT_EQ(GetMenuKeyButton(), &key_);
  EXPECT_EQ(strip_.Count(OpenAssignmentTabMessage), 0);  // a right click opens no page
  winsim::AnswerPopupMenu(0);  // cancelling sends nothing
  Click(key_, winsim::MouseButton::Right);
  EXPECT_EQ(ParentMessages().size(), 3U);
}

TEST_F(KeyButtonTest, AGoneButtonIsForgotten) {
  SetEditorWindow(editor_->m_hWnd);
  auto key = std::make_unique<KeyButton>();
  ASSERT_TRUE(key->Create(L"E", kKeyStyle, CRect(100, 20, 160, 80), &page_, 2));
  winsim::AnswerPopupMenu(0);
  Click(*key, winsim::MouseButton::Right);
  ASSERT_EQ(GetMenuKeyButton(), key.get());
  GetTalvo().SetLearningKeyButton(key.get());
  key.reset();
  EXPECT_EQ(GetMenuKeyButton(), nullptr);
  EXPECT_EQ(GetTalvo().GetLearningKeyButton(), nullptr);
}

TEST_F(KeyButtonTest, HoverPressAndNewTextsShowInThePicture) {
  key_.CreateFonts();
  const winsim::Image normal = winsim::CaptureWindow(key_.m_hWnd);
  const POINT centre = CentreOf(key_.m_hWnd);
  winsim::MouseMove(centre.x, centre.y);
  const winsim::Image hover = winsim::CaptureWindow(key_.m_hWnd);
  winsim::MouseDown();
  EXPECT_NE(winsim::CaptureWindow(key_.m_hWnd).rgba, hover.rgba);
  winsim::MouseMove(300, 200);  // released over the page: the key is left
  winsim::MouseUp();
  EXPECT_NE(normal.rgba, hover.rgba);
  EXPECT_EQ(winsim::CaptureWindow(key_.m_hWnd).rgba, normal.rgba);
  key_.assignedText = L"Extrude";
  key_.assigned = true;
  key_.textChanged = true;
  key_.Invalidate();
  EXPECT_NE(winsim::CaptureWindow(key_.m_hWnd).rgba, normal.rgba);
  EXPECT_FALSE(key_.textChanged);  // the paint took the new texts
}

}  // namespace
}  // namespace Talvo::testing
