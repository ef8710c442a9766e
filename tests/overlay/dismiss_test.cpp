// Every way the overlay goes away ends the same: no overlay left in viFormDlg, its window destroyed once,
// and the host's accelerators as they were before it appeared. Clicks on its transparent parts reach
// the host beneath it.
#include "form_fixture.h"

namespace Talvo::testing {
namespace {

// Records the clicks that reach the host's main window.
struct HostClicks {
  static inline WNDPROC original = nullptr;
  static inline int count = 0;
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) ++count;
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
  }
};

class DismissTest : public FormTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    // The host's accelerators were on, or already off (a text field had them), before the key press.
    if (!GetParam()) DisableAccelerators();
    Press('Q');
    ASSERT_NE(Form(), nullptr);
    ASSERT_FALSE(AcceleratorsEnabled());
  }

  void ExpectGone() {
    EXPECT_EQ(viFormDlg, nullptr);
    EXPECT_EQ(Traces(L"VI_OnDestroy"), 1);
    EXPECT_EQ(AcceleratorsEnabled() != FALSE, GetParam());
    EXPECT_TRUE(hostsim::RegisteredDialogWindows().empty());
  }
};

TEST_P(DismissTest, ByDeactivation) {
  SetActiveWindow(GetCOREInterface()->GetMAXHWnd());
  winsim::PumpMessages();
  ExpectGone();
}

TEST_P(DismissTest, ByAClickInTheKeyBox) {
  // The key box is disabled: its click reaches the form, which hides.
  const POINT centre = CentreOf(Form()->KeyBox());
  winsim::Click(centre.x, centre.y);
  ExpectGone();
  EXPECT_EQ(Traces(L"VI OnLButtonDown Hide\n"), 1);
}

TEST_P(DismissTest, ByRunningACaseFromIt) {
  const POINT centre = CentreOf(Form()->FunctionButton(0));
  winsim::Click(centre.x, centre.y);
  ExpectGone();
  const std::vector<hostsim::ActionRun> runs = hostsim::ActionLog();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].command, kTestCommand);
}

TEST_P(DismissTest, ByTheCloseTimerAfterAKeyWasAssigned) {
  PostThreadMessageW(GetCurrentThreadId(), KeyAssignedMessage, 0, 0);
  winsim::PumpMessages();
  winsim::AdvanceClock(49);
  EXPECT_NE(viFormDlg, nullptr);
  winsim::AdvanceClock(1);
  ExpectGone();
}

TEST_P(DismissTest, ByClickingACommandTheHostLacksWhichTheDispatcherReports) {
  ASSERT_EQ(Caption(Form()->FunctionButton(2)), L"«missing»");
  const POINT centre = CentreOf(Form()->FunctionButton(2));
  winsim::Click(centre.x, centre.y);
  ExpectGone();
  const std::vector<hostsim::ActionRun> runs = hostsim::ActionLog();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_FALSE(runs[0].found);
  EXPECT_EQ(Traces(L"cannot run"), 1);
}

TEST_P(DismissTest, ClicksOnBoxesThatDoNothingKeepIt) {
  // An entry without a case, and a disabled context box away from the key box. Each target is looked up
  // on the form the click before left: a click that closed it ends the test instead of reaching a window
  // that is gone.
  using Target = CWnd* (*)(VisualInterfaceForm&);
  const Target targets[] = {[](VisualInterfaceForm& form) -> CWnd* { return form.FunctionButton(3); },
                            [](VisualInterfaceForm& form) -> CWnd* { return form.CountBox(); }};
  for (Target target : targets) {
    ASSERT_NE(Form(), nullptr) << "a click closed the overlay";
    CWnd* window = target(*Form());
    ASSERT_NE(window, nullptr);
    const POINT centre = CentreOf(window);
    winsim::Click(centre.x, centre.y);
  }
  EXPECT_NE(viFormDlg, nullptr);
  EXPECT_TRUE(hostsim::ActionLog().empty());
  EXPECT_EQ(Traces(L"VI_OnDestroy"), 0);
}

TEST_P(DismissTest, ClickOnATransparentPartReachesTheHost) {
  HWND host = GetCOREInterface()->GetMAXHWnd();
  HostClicks::count = 0;
  HostClicks::original =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostClicks::Proc)));
  POINT empty{60, 20};  // left of the input-type box, above row B
  Form()->ClientToScreen(&empty);
  ASSERT_EQ(WindowFromPoint(empty), host);
  winsim::Click(empty.x, empty.y);
  SetWindowLongPtrW(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostClicks::original));
  EXPECT_EQ(HostClicks::count, 1);
  ExpectGone();  // the host became active
}

INSTANTIATE_TEST_SUITE_P(AcceleratorsBefore, DismissTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "On" : "Off"; });

// Forms whose window cannot be made: before it exists, and when its creation fails half-way.
int deletedForms = 0;

class NoWindowForm : public VisualInterfaceForm {
 public:
  ~NoWindowForm() override { ++deletedForms; }
  BOOL PreCreateWindow(CREATESTRUCT&) override { return FALSE; }
};

class FailingCreateForm : public VisualInterfaceForm {
 public:
  ~FailingCreateForm() override { ++deletedForms; }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CREATE) return -1;
    return VisualInterfaceForm::WindowProc(message, wParam, lParam);
  }
};

TEST_F(FormTest, AFormWhoseWindowCannotBeMadeIsDeletedOnce) {
  for (bool acceleratorsOn : {true, false}) {
    if (acceleratorsOn) EnableAccelerators(); else DisableAccelerators();
    deletedForms = 0;
    EXPECT_EQ(OpenVisualInterfaceForm('Q', 3, L"Q", new NoWindowForm), nullptr);
    EXPECT_EQ(OpenVisualInterfaceForm('Q', 3, L"Q", new FailingCreateForm), nullptr);
    EXPECT_EQ(deletedForms, 2);
    EXPECT_EQ(viFormDlg, nullptr);
    EXPECT_EQ(AcceleratorsEnabled() != FALSE, acceleratorsOn);
  }
}

TEST_F(FormTest, DestroyingAnotherFormLeavesTheCurrentOneAlone) {
  Press('Q');
  iVisualInterface* current = viFormDlg;
  ASSERT_NE(current, nullptr);
  // A second form that is not the current one goes without touching viFormDlg.
  auto* stray = new VisualInterfaceForm;
  ASSERT_TRUE(stray->Create(nullptr, L"Stray"));
  stray->DestroyWindow();
  EXPECT_EQ(viFormDlg, current);
  EXPECT_FALSE(AcceleratorsEnabled());
}

}  // namespace
}  // namespace Talvo::testing
