// KeyButtonVI: a click on a runnable, enabled function button posts RunFromVisualInterfaceMessage to the
// button's own window with the key, tap count and modifiers of its row; nothing otherwise.
#include "controls/key_button_vi.h"

#include <filesystem>

#include "controls_fixture.h"
#include "engine/messages.h"

namespace Talvo::testing {
namespace {

constexpr unsigned char kCtrlHeld = 11;
constexpr LPARAM kOverrideRowBit = 0x10000;

class KeyButtonVITest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    parent_ = CreateParent(519, 270);
    previous_ = winsim::SetPreDispatchFilter([this](MSG& message) {
      if (message.message == RunFromVisualInterfaceMessage) posted_.push_back(message);
      return false;
    });
  }
  void TearDown() override {
    winsim::SetPreDispatchFilter(previous_);
    ControlsTest::TearDown();
  }
  // A function button of the overlay for key Q with Ctrl held, clicked.
  void ClickFunctionButton(KeyButtonVI& button, int tap, bool overrideRow, bool runnable) {
    ASSERT_TRUE(button.Create(L"Extrude", WS_CHILD | WS_VISIBLE, CRect(10, 10 + 40 * tap, 190, 44 + 40 * tap),
                              parent_, 6000));
    button.key = 'Q';
    button.modifiers = kCtrlHeld;
    button.tapCount = tap;
    button.runnable = runnable;
    button.overrideRow = overrideRow;
    const POINT centre = CentreOf(button.m_hWnd);
    winsim::Click(centre.x, centre.y);
  }

  CWnd* parent_ = nullptr;
  winsim::PreDispatchFilter previous_;
  std::vector<MSG> posted_;
};

TEST_F(KeyButtonVITest, RunnableButtonsPostTheirCaseForRowsAAndB) {
  KeyButtonVI rowA;
  KeyButtonVI rowB;
  ClickFunctionButton(rowA, 3, false, true);
  ClickFunctionButton(rowB, 2, true, true);
  ASSERT_EQ(posted_.size(), 2U);
  EXPECT_EQ(posted_[0].hwnd, rowA.m_hWnd);
  EXPECT_EQ(posted_[0].wParam, (static_cast<WPARAM>('Q') << 16) + 3);
  EXPECT_EQ(posted_[0].lParam, kCtrlHeld);
  EXPECT_EQ(posted_[1].wParam, (static_cast<WPARAM>('Q') << 16) + 2);
  EXPECT_EQ(posted_[1].lParam, kOverrideRowBit + kCtrlHeld);
}

TEST_F(KeyButtonVITest, NothingRunsFromAButtonThatIsNotRunnableOrDisabled) {
  KeyButtonVI idle;
  KeyButtonVI disabled;
  ClickFunctionButton(idle, 1, false, false);
  disabled.Create(L"Weld", WS_CHILD | WS_VISIBLE | WS_DISABLED, CRect(300, 10, 480, 44), parent_, 6000);
  disabled.runnable = true;
  const POINT centre = CentreOf(disabled.m_hWnd);
  winsim::Click(centre.x, centre.y);
  EXPECT_TRUE(posted_.empty());
}

TEST_F(KeyButtonVITest, EveryTapCountHasItsPicture) {
  KeyButtonVI button;
  for (button.tapCount = 1; button.tapCount <= 4; ++button.tapCount) {
    EXPECT_TRUE(std::filesystem::exists(button.TapPicturePath())) << button.tapCount;
  }
}

}  // namespace
}  // namespace Talvo::testing
