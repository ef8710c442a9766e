// KeyButtonVI: a click on a runnable, enabled function button posts RunFromVisualInterfaceMessage to the
// button's own window with the key, tap count and modifiers of its row; nothing otherwise.
#include "controls/key_button_vi.h"

#include <filesystem>

#include "controls/key_button.h"
#include "controls_fixture.h"
#include "engine/messages.h"

namespace Talvo::testing {
namespace {

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
  // A function button of the overlay for key Q with Ctrl held.
  void MakeFunctionButton(KeyButtonVI& button, int tap, bool rowB, bool runnable) {
    ASSERT_TRUE(button.Create(L"Extrude", 0x50000000, CRect(10, 10 + 40 * tap, 190, 44 + 40 * tap), parent_, 6000));
    button.key = 'Q';
    button.modifiers = 11;
    button.tapCount = tap;
    button.tapPicture = true;
    button.accentFrame = true;
    button.runnable = runnable;
    button.overrideRow = rowB;
  }
  void ClickOn(const CWnd& window) {
    const POINT centre = CentreOf(window.m_hWnd);
    winsim::Click(centre.x, centre.y);
  }

  CWnd* parent_ = nullptr;
  winsim::PreDispatchFilter previous_;
  std::vector<MSG> posted_;
};

TEST_F(KeyButtonVITest, RunnableButtonsPostTheirCaseForRowsAAndB) {
  KeyButtonVI rowA;
  KeyButtonVI rowB;
  MakeFunctionButton(rowA, 3, false, true);
  MakeFunctionButton(rowB, 2, true, true);
  ClickOn(rowA);
  ASSERT_EQ(posted_.size(), 1U);
  EXPECT_EQ(posted_[0].hwnd, rowA.m_hWnd);
  EXPECT_EQ(posted_[0].wParam, (static_cast<WPARAM>('Q') << 16) + 3);
  EXPECT_EQ(posted_[0].lParam, 11);
  ClickOn(rowB);
  ASSERT_EQ(posted_.size(), 2U);
  EXPECT_EQ(posted_[1].hwnd, rowB.m_hWnd);
  EXPECT_EQ(posted_[1].wParam, (static_cast<WPARAM>('Q') << 16) + 2);
  EXPECT_EQ(posted_[1].lParam, 0x10000 + 11);
}

TEST_F(KeyButtonVITest, NothingRunsFromAButtonThatIsNotRunnableOrDisabled) {
  KeyButtonVI idle;
  KeyButtonVI disabled;
  KeyButtonVI box;
  MakeFunctionButton(idle, 1, false, false);
  MakeFunctionButton(disabled, 2, false, true);
  disabled.EnableWindow(FALSE);
  ASSERT_TRUE(box.Create(L"Edit Poly", 0x58000000, CRect(300, 10, 480, 44), parent_, 6000));
  box.informationBox = true;
  box.runnable = true;
  ClickOn(idle);
  ClickOn(disabled);
  ClickOn(box);
  EXPECT_TRUE(posted_.empty());
}

TEST_F(KeyButtonVITest, TapPicturesExistInBothThemes) {
  KeyButtonVI button;
  for (AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    for (int tap = 1; tap <= 4; ++tap) {
      button.tapCount = tap;
      EXPECT_TRUE(std::filesystem::exists(button.TapPicturePath())) << std::filesystem::path(button.TapPicturePath());
    }
  }
}

}  // namespace
}  // namespace Talvo::testing
