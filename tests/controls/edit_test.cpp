// Edit: its notify message after every change the user makes, and the host's accelerators while it
// has the focus.
#include "controls/edit.h"

#include <host/accelerators.h>

#include "controls_fixture.h"

namespace Talvo::testing {
namespace {

constexpr UINT kNameEdited = 0xC37;

class EditTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    CWnd* parent = CreateParent();
    ASSERT_TRUE(edit_.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 210, 32), parent, 1));
    other_.Create(L"Other", WS_CHILD | WS_VISIBLE, CRect(10, 50, 110, 72), parent, 2);
  }
  void TearDown() override {
    edit_.DestroyWindow();
    other_.DestroyWindow();
    ControlsTest::TearDown();
  }
  int Notifications() const { return CountParentMessages(kNameEdited); }

  Edit edit_;
  CButton other_;
};

TEST_F(EditTest, NotifiesAfterEveryChangeTheUserMakes) {
  edit_.notifyMessage = kNameEdited;
  edit_.SetFocus();
  winsim::TypeText(L"abc");
  EXPECT_EQ(Notifications(), 3);
  winsim::KeyPress(VK_HOME);
  winsim::KeyPress(VK_DELETE);
  EXPECT_EQ(edit_.GetWindowText(), L"bc");
  EXPECT_EQ(Notifications(), 4);
  edit_.SetSel(0, 1);
  edit_.Cut();
  edit_.Paste();
  EXPECT_EQ(Notifications(), 6);

  // Enter is not inserted and still notifies.
  winsim::KeyPress(VK_RETURN);
  EXPECT_EQ(edit_.GetWindowText(), L"bc");
  EXPECT_EQ(Notifications(), 7);

  // The program setting the text is not a user's change; neither is a copy or a key that moves.
  edit_.SetWindowText(L"Profile 2");
  edit_.SetSel(0, -1);
  edit_.Copy();
  winsim::KeyPress(VK_LEFT);
  EXPECT_EQ(Notifications(), 7);
}

TEST_F(EditTest, AcceleratorsAreOffWhileFocusedAndBackOnAfter) {
  edit_.SetFocus();
  EXPECT_FALSE(AcceleratorsEnabled());
  other_.SetFocus();
  EXPECT_TRUE(AcceleratorsEnabled());

  // Focused again, then destroyed while focused: the accelerators come back.
  edit_.SetFocus();
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
