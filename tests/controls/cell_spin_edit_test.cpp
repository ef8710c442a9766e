// CellSpinEdit: clamping in both modes, changes the user makes (typed, stepped, dragged, picked in the
// popup) reported to the grid and to a wheel-events page, and changes the program makes never reported.
#include "controls/cell_spin_edit.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "cell_editor_fakes.h"

namespace Talvo::testing {

IMPLEMENT_DYNAMIC(WheelEventsEditorTab, CWnd)

namespace {

class CellSpinEditTest : public CellEditorTest {
 protected:
  std::unique_ptr<CellSpinEdit> MakeInteger(int minimum, int maximum, int value) {
    return std::make_unique<CellSpinEdit>(&grid_, CRect(20, 20, 220, 46), 5, 8, minimum, maximum, value, &cell_);
  }
  // A point of the editor's client area on the screen.
  static POINT OnScreen(CellSpinEdit& spin, CPoint point) {
    spin.ClientToScreen(&point);
    return point;
  }
  // Types a text into the text part and presses Enter.
  static void Enter(CellSpinEdit& spin, const std::wstring& text) {
    spin.GetTextPart().SetFocus();
    spin.GetTextPart().SetSel(0, -1);
    winsim::TypeText(text);
    winsim::KeyPress(VK_RETURN);
  }
  int Reports() const { return grid_.Count(NEN_CHANGED); }
  int PageReports() const { return page_.Count(WM_WHEEL_VALUE_EDITED); }

  struct : iEditorCell {} cell_;
};

TEST_F(CellSpinEditTest, IntegerModeClampsWhateverTheProgramSets) {
  auto spin = MakeInteger(-10, 10, 50);
  EXPECT_EQ(spin->GetIntValue(), 10);
  spin->SetRange(9, 3);  // upside down: turned round, the value follows
  EXPECT_EQ(spin->GetIntValue(), 9);
  spin->SetPos(std::numeric_limits<int>::min());
  EXPECT_EQ(spin->GetTextPart().GetWindowText(), L"3");
  EXPECT_EQ(Reports() + PageReports(), 0);
}

TEST_F(CellSpinEditTest, FloatModeClampsAndCarriesTheValueAcrossModes) {
  CellSpinEdit spin(&grid_, CRect(20, 20, 220, 46), 5, 8, -1.5F, 1.5F, 0.25F, &cell_);
  spin.SetPos(std::nanf(""));
  EXPECT_EQ(spin.GetTextPart().GetWindowText(), L"0.250");
  spin.SetPos(-std::numeric_limits<float>::infinity());
  EXPECT_EQ(spin.GetFloatValue(), -1.5F);

  // Switching modes carries the value over, truncated and clamped into the mode's range.
  spin.SetRange(-100, 100);
  spin.SetIntegerMode();
  EXPECT_EQ(spin.GetIntValue(), -1);
  spin.SetFloatMode();
  EXPECT_EQ(spin.GetTextPart().GetWindowText(), L"-1.000");
  EXPECT_EQ(PageReports(), 0);
}

TEST_F(CellSpinEditTest, TypedValuesAreClampedAndReported) {
  auto spin = MakeInteger(-5000, 5000, 5);
  Enter(*spin, L"12");
  ASSERT_EQ(Reports(), 1);
  EXPECT_EQ(grid_.Last(NEN_CHANGED)->wParam, static_cast<WPARAM>(MAKEWPARAM(5, 8)));
  EXPECT_EQ(grid_.Last(NEN_CHANGED)->lParam, reinterpret_cast<LPARAM>(spin.get()));
  ASSERT_EQ(PageReports(), 1);
  EXPECT_EQ(page_.Last(WM_WHEEL_VALUE_EDITED)->wParam, 12U);

  Enter(*spin, L"99999");
  EXPECT_EQ(spin->GetTextPart().GetWindowText(), L"5000");
  Enter(*spin, L"abc");  // not a number: the value stays and nothing is reported
  EXPECT_EQ(spin->GetTextPart().GetWindowText(), L"5000");
  Enter(*spin, L"5000");  // the same value is no change
  EXPECT_EQ(PageReports(), 2);

  // Float mode: the page gets the float's bits; a decimal comma is read too.
  spin->SetRange(-5000.0F, 5000.0F);
  spin->SetFloatMode();
  Enter(*spin, L"0,25");
  EXPECT_EQ(page_.Last(WM_WHEEL_VALUE_EDITED)->wParam, std::bit_cast<std::uint32_t>(0.25F));
}

TEST_F(CellSpinEditTest, LeavingTheTextCommitsButDestroyingTheEditorDoesNot) {
  auto spin = MakeInteger(0, 100, 5);
  spin->GetTextPart().SetFocus();
  spin->GetTextPart().SetSel(0, -1);
  winsim::TypeText(L"7");
  grid_.SetFocus();
  EXPECT_EQ(spin->GetIntValue(), 7);
  EXPECT_EQ(PageReports(), 1);
  spin->GetTextPart().SetFocus();
  winsim::TypeText(L"9");
  spin.reset();
  winsim::PumpMessages();
  EXPECT_EQ(PageReports(), 1);
}

TEST_F(CellSpinEditTest, OnlyAWheelEventsPageHearsOfValues) {
  FakeGrid grid;
  ASSERT_TRUE(grid.Make(CreateParent(460, 220, 100, 400), CRect(10, 10, 450, 210)));
  CellSpinEdit spin(&grid, CRect(20, 20, 220, 46), 1, 2, 0, 100, 50, &cell_);
  Enter(spin, L"60");
  EXPECT_EQ(grid.Count(NEN_CHANGED), 1);
  EXPECT_EQ(CountParentMessages(WM_WHEEL_VALUE_EDITED), 0);
  spin.ArrangeParts(4, 30);  // too narrow for its parts: nothing goes negative
  EXPECT_GE(spin.GetTextRect().Width(), 0);
  EXPECT_GE(spin.GetSpinRect().left, 0);
}

TEST_F(CellSpinEditTest, SpinClicksStepAndDragsChangeContinuously) {
  auto spin = MakeInteger(0, 1000, 100);
  const CRect spinPart = spin->GetSpinRect();
  const POINT up = OnScreen(*spin, CPoint(spinPart.CenterPoint().x, spinPart.top + 3));
  const POINT down = OnScreen(*spin, CPoint(spinPart.CenterPoint().x, spinPart.bottom - 3));
  winsim::Click(up.x, up.y);
  EXPECT_EQ(spin->GetIntValue(), 101);
  winsim::Click(down.x, down.y);
  EXPECT_EQ(spin->GetIntValue(), 100);
  EXPECT_EQ(PageReports(), 2);

  // Dragging 10 pixels up adds 10, reported once when the button is released.
  winsim::MouseMove(down.x, down.y);
  winsim::MouseDown();
  winsim::MouseMove(down.x, down.y - 4);
  winsim::MouseMove(down.x, down.y - 10);
  EXPECT_EQ(spin->GetIntValue(), 110);
  EXPECT_EQ(PageReports(), 2);
  winsim::MouseUp();
  EXPECT_EQ(PageReports(), 3);
}

TEST_F(CellSpinEditTest, TheHoveredPartLightsUpUntilTheMouseMovesOntoAnotherWindow) {
  auto spin = MakeInteger(0, 100, 5);
  const winsim::Image normal = winsim::CaptureWindow(spin->m_hWnd);
  const POINT button = OnScreen(*spin, spin->GetPopupButtonRect().CenterPoint());
  winsim::MouseMove(button.x, button.y);
  EXPECT_NE(winsim::CaptureWindow(spin->m_hWnd).rgba, normal.rgba);
  const POINT onGrid = OnScreen(*spin, CPoint(spin->GetPopupButtonRect().CenterPoint().x, 60));
  winsim::MouseMove(onGrid.x, onGrid.y);
  EXPECT_EQ(winsim::CaptureWindow(spin->m_hWnd).rgba, normal.rgba);
}

TEST_F(CellSpinEditTest, PopupPicksFromTheWholeRange) {
  auto spin = MakeInteger(-50, 50, 0);
  const POINT at = OnScreen(*spin, spin->GetPopupButtonRect().CenterPoint());
  winsim::Click(at.x, at.y);
  ASSERT_TRUE(spin->IsPopupOpen());
  winsim::Click(5, 5);  // a press outside closes it unchanged
  EXPECT_FALSE(spin->IsPopupOpen());
  EXPECT_EQ(PageReports(), 0);

  winsim::Click(at.x, at.y);
  HWND popup = ::GetCapture();
  ASSERT_NE(popup, nullptr);
  RECT area{};
  ::GetWindowRect(popup, &area);
  winsim::MouseMove(area.right - 2, (area.top + area.bottom) / 2);
  winsim::MouseDown();
  winsim::MouseMove(area.left + 2, (area.top + area.bottom) / 2);
  EXPECT_EQ(spin->GetIntValue(), -50);
  EXPECT_EQ(PageReports(), 0);  // reported when the popup closes
  winsim::MouseUp();
  EXPECT_FALSE(::IsWindow(popup));
  EXPECT_EQ(PageReports(), 1);
}

}  // namespace
}  // namespace Talvo::testing
