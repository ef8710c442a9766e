// Edit: its notify message after every change the user makes, and the host's accelerators while it
// has the focus.
#include "controls/edit.h"

#include <host/accelerators.h>
#include <host/simulation.h>

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

constexpr UINT kNameEdited = 0xC37;

class EditTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    parent_ = CreateParent();
    ASSERT_TRUE(edit_.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 210, 32), parent_, 1051));
    other_.Create(L"Other", WS_CHILD | WS_VISIBLE, CRect(10, 50, 110, 72), parent_, 1052);
  }
  void TearDown() override {
    edit_.DestroyWindow();
    other_.DestroyWindow();
    ControlsTest::TearDown();
  }
  int Notifications() const { return CountParentMessages(kNameEdited); }
  void Chord(int modifier, int key) {
    winsim::KeyDown(modifier);
    winsim::KeyPress(key);
    winsim::KeyUp(modifier);
  }

  CWnd* parent_ = nullptr;
  Edit edit_;
  CButton other_;
};

TEST_F(EditTest, NotifiesAfterEveryChangeTheUserMakes) {
  edit_.notifyMessage = kNameEdited;
  edit_.SetFocus();
  winsim::TypeText(L"abc");
  EXPECT_EQ(Notifications(), 3);
  winsim::KeyPress(VK_BACK);
  EXPECT_EQ(edit_.GetWindowText(), L"ab");
  EXPECT_EQ(Notifications(), 4);
  winsim::KeyPress(VK_HOME);
  winsim::KeyPress(VK_DELETE);
  EXPECT_EQ(edit_.GetWindowText(), L"b");
  EXPECT_EQ(Notifications(), 5);

  Chord(VK_CONTROL, 'A');  // selecting changes nothing
  Chord(VK_CONTROL, 'X');
  EXPECT_EQ(edit_.GetWindowText(), L"");
  EXPECT_EQ(Notifications(), 6);
  Chord(VK_CONTROL, 'V');
  EXPECT_EQ(edit_.GetWindowText(), L"b");
  EXPECT_EQ(Notifications(), 7);
  edit_.SetSel(0, -1);
  edit_.Cut();
  edit_.Paste();
  edit_.Paste();
  EXPECT_EQ(edit_.GetWindowText(), L"bb");
  EXPECT_EQ(Notifications(), 10);

  // Enter is not inserted and still notifies; wParam and lParam are 0.
  winsim::KeyPress(VK_RETURN);
  EXPECT_EQ(edit_.GetWindowText(), L"bb");
  EXPECT_EQ(Notifications(), 11);
  EXPECT_EQ(ParentMessages().back().wParam, 0u);
  EXPECT_EQ(ParentMessages().back().lParam, 0);

  // The program setting the text is not a user's change; neither is a copy or a key that moves.
  edit_.SetWindowText(L"Profile 2");
  edit_.SetSel(0, -1);
  edit_.Copy();
  winsim::KeyPress(VK_LEFT);
  EXPECT_EQ(Notifications(), 11);
}

TEST_F(EditTest, WithoutNotifyMessageSendsNothing) {
  edit_.SetFocus();
  winsim::TypeText(L"xy");
  winsim::KeyPress(VK_RETURN);
  EXPECT_EQ(edit_.GetWindowText(), L"xy");
  for (const ParentMessage& record : ParentMessages()) EXPECT_LT(record.message, 0xC00u);
}

TEST_F(EditTest, AcceleratorsAreOffWhileFocusedAndBackOnAfter) {
  ASSERT_TRUE(AcceleratorsEnabled());
  edit_.SetFocus();
  EXPECT_FALSE(AcceleratorsEnabled());
  other_.SetFocus();
  EXPECT_TRUE(AcceleratorsEnabled());
  EXPECT_EQ(hostsim::GetAcceleratorCalls().disables, 1);
  EXPECT_EQ(hostsim::GetAcceleratorCalls().enables, 1);

  // Focused again, then destroyed while focused: the accelerators come back.
  edit_.SetFocus();
  EXPECT_FALSE(AcceleratorsEnabled());
  edit_.DestroyWindow();
  EXPECT_TRUE(AcceleratorsEnabled());
}

TEST_F(EditTest, LeavesAcceleratorsOffWhenSomebodyElseSwitchedThemOff) {
  DisableAccelerators();  // as the editor window does while it is active
  edit_.SetFocus();
  other_.SetFocus();
  EXPECT_FALSE(AcceleratorsEnabled());
  EnableAccelerators();
}

}  // namespace
}  // namespace Talvo::testing
