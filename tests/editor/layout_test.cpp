// The keyboard view: one button per key of the current layout with its captions, the assigned function's
// name and the learning-interface key from the current profile, refreshing, clearing, resizing, and the
// view's screenshots for both layout kinds in both themes.
#include "editor/layout.h"

#include <vector>

#include "layout_view_fixture.h"
#include "model/vocabulary.h"

namespace Talvo::testing {

namespace {

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

}  // namespace

TEST_F(LayoutViewTest, BuildsOneButtonPerKeyOfTheAnsiLayout) {
  Layout& view = MakeView();
  ASSERT_TRUE(view.BuildKeys());
  EXPECT_EQ(view.GetKind(), kLayoutKindAnsi);
  ASSERT_EQ(view.GetKeyButtonCount(), 104);
  EXPECT_EQ(ChildrenOf(view.m_hWnd).size(), 104U);
  EXPECT_EQ(view.GetKeyButton(104), nullptr);
  for (int key = 0; key < 104; ++key) {
    KeyButton& button = *view.GetKeyButton(key);
    EXPECT_EQ(button.keyNumber, key);
    EXPECT_EQ(button.GetDlgCtrlID(), 5000);
    EXPECT_EQ(button.GetStyle() & 0xFFFF00FFu, 0x5000000Bu);
    CRect expected;
    ASSERT_TRUE(view.GetKeyRect(key, expected));
    EXPECT_EQ(PlacementOf(button), CRect(expected.left, expected.top, expected.right + 1, expected.bottom + 1)) << key;
  }
  KeyButton& one = *view.GetKeyButton(17);
  EXPECT_EQ(one.GetCaption(), L"1");
  EXPECT_EQ(one.secondText, L"!");
  EXPECT_EQ(one.virtualKey, 49U);
  EXPECT_EQ(view.GetKeyButton(0)->GetCaption(), L"Esc");
  EXPECT_EQ(view.GetKeyButton(0)->virtualKey, 27U);
  // The default profile assigns nothing.
  EXPECT_TRUE(one.assignedText.empty());
  EXPECT_FALSE(one.assigned);
  EXPECT_EQ(one.displayState, kKeyOrdinary);
}

TEST_F(LayoutViewTest, TheLayoutsTypeChoosesTheKind) {
  Layout& view = MakeView();
  UseLayout(L"US-ISO");
  ASSERT_TRUE(view.BuildKeys());
  EXPECT_EQ(view.GetKind(), kLayoutKindIso);
  ASSERT_EQ(view.GetKeyButtonCount(), 105);
  const XmlKeyboard& iso = *GetTalvo().GetCurrentKeyboard();
  EXPECT_EQ(view.GetKeyButton(104)->GetCaption(), iso.GetKeyText(104));
  EXPECT_EQ(view.GetKeyButton(104)->virtualKey, static_cast<UINT>(iso.GetVirtOfKey(104)));
  // Enter spans two rows on ISO.
  EXPECT_GT(PlacementOf(*view.GetKeyButton(56)).Height(), 2 * PlacementOf(*view.GetKeyButton(55)).Height());

  UseLayout(L"US-ANSI");
  view.ClearKeys();
  ASSERT_TRUE(view.BuildKeys());
  EXPECT_EQ(view.GetKind(), kLayoutKindAnsi);
  EXPECT_EQ(view.GetKeyButtonCount(), 104);
  EXPECT_EQ(ChildrenOf(view.m_hWnd).size(), 104U);
}

TEST_F(LayoutViewTest, WithoutALayoutTheKeysAreBlankAnsiKeys) {
  Layout& view = MakeView();
  UseLayout(L"Missing");
  GetTalvo().GetMainDocument()->SetSelectedLayout(L"Missing");
  ASSERT_EQ(GetTalvo().GetCurrentKeyboard(), nullptr);
  Profile().Assign(17, 49, L"", false, false);
  ASSERT_TRUE(view.BuildKeys());
  EXPECT_EQ(view.GetKind(), kLayoutKindAnsi);
  ASSERT_EQ(view.GetKeyButtonCount(), 104);
  EXPECT_TRUE(view.GetKeyButton(17)->GetCaption().empty());
  EXPECT_TRUE(view.GetKeyButton(17)->secondText.empty());
  EXPECT_EQ(view.GetKeyButton(17)->virtualKey, 49U);  // the standard code stands in for the layout's
  EXPECT_EQ(view.GetKeyButton(17)->assignedText, L"Undefined");  // the profile still counts
}

TEST_F(LayoutViewTest, AssignedKeysShowTheirFunctionOrUndefinedOrTheLearningInterface) {
  XmlFunction* extrude = GetTalvo().CreateFunction(kKindMultiTapModifiers);
  ASSERT_NE(extrude, nullptr);
  extrude->SetName(L"Extrude");
  Profile().Assign(17, 49, extrude->GetId(), false, false);
  Profile().Assign(18, 50, L"0123456789abcdef0123456789abcdef", false, false);  // a deleted function
  Profile().Assign(19, 51, L"", true, true);
  Profile().Assign(31, 81, extrude->GetId(), false, false);
  Profile().AddVisualAssignment(31);

  Layout& view = MakeView();
  ASSERT_TRUE(view.BuildKeys());
  const KeyButton& one = *view.GetKeyButton(17);
  EXPECT_EQ(one.assignedText, L"Extrude");
  EXPECT_TRUE(one.assigned);
  EXPECT_EQ(view.GetKeyButton(18)->assignedText, L"Undefined");
  EXPECT_EQ(view.GetKeyButton(19)->assignedText, L"Undefined");
  KeyButton& learning = *view.GetKeyButton(31);
  EXPECT_EQ(learning.assignedText, L"Learning Interface");
  EXPECT_EQ(learning.displayState, kKeyLearningInterface);
  EXPECT_EQ(GetTalvo().GetLearningKeyButton(), &learning);
  EXPECT_TRUE(view.GetKeyButton(20)->assignedText.empty());

  // Clearing the keys destroys the buttons and forgets the learning-interface button.
  const HWND learningWindow = learning.m_hWnd;
  view.ClearKeys();
  EXPECT_EQ(view.GetKeyButtonCount(), 0);
  EXPECT_FALSE(IsWindow(learningWindow));
  EXPECT_TRUE(ChildrenOf(view.m_hWnd).empty());
  EXPECT_EQ(GetTalvo().GetLearningKeyButton(), nullptr);
}

TEST_F(LayoutViewTest, RefreshingTakesNewAssignmentsAndRepaints) {
  XmlFunction* extrude = GetTalvo().CreateFunction(kKindMultiTapModifiers);
  extrude->SetName(L"Extrude");
  Profile().Assign(17, 49, extrude->GetId(), false, false);
  Profile().Assign(21, 53, extrude->GetId(), false, false);
  Profile().AddVisualAssignment(22);
  Layout& view = MakeView();
  ASSERT_TRUE(view.BuildKeys());
  winsim::PumpMessages();
  EXPECT_FALSE(view.GetKeyButton(17)->textChanged);  // painted
  const winsim::Image before = winsim::CaptureWindow(view.GetKeyButton(20)->m_hWnd);
  const winsim::Image unassignedBefore = winsim::CaptureWindow(view.GetKeyButton(21)->m_hWnd);

  extrude->SetName(L"Bevel");
  Profile().Assign(20, 52, extrude->GetId(), false, false);
  Profile().AddVisualAssignment(33);
  Profile().RemoveAssignment(21);
  Profile().RemoveVisualAssignment(22);
  view.RefreshCaptions();
  EXPECT_EQ(view.GetKeyButton(17)->assignedText, L"Bevel");
  EXPECT_EQ(view.GetKeyButton(20)->assignedText, L"Bevel");
  EXPECT_TRUE(view.GetKeyButton(20)->assigned);
  EXPECT_TRUE(view.GetKeyButton(20)->textChanged);
  // Keys that lost their assignment or their learning interface show nothing any more.
  EXPECT_TRUE(view.GetKeyButton(21)->assignedText.empty());
  EXPECT_FALSE(view.GetKeyButton(21)->assigned);
  EXPECT_TRUE(view.GetKeyButton(22)->assignedText.empty());
  EXPECT_EQ(view.GetKeyButton(22)->displayState, kKeyOrdinary);
  EXPECT_EQ(view.GetKeyButton(33)->displayState, kKeyLearningInterface);
  EXPECT_EQ(GetTalvo().GetLearningKeyButton(), view.GetKeyButton(33));
  winsim::PumpMessages();
  EXPECT_FALSE(view.GetKeyButton(20)->textChanged);
  EXPECT_NE(winsim::CaptureWindow(view.GetKeyButton(20)->m_hWnd).rgba, before.rgba);
  EXPECT_NE(winsim::CaptureWindow(view.GetKeyButton(21)->m_hWnd).rgba, unassignedBefore.rgba);

  // A learning interface taken off its key leaves no learning-interface button behind.
  Profile().RemoveVisualAssignment(33);
  view.RefreshCaptions();
  EXPECT_EQ(GetTalvo().GetLearningKeyButton(), nullptr);

  // Without a current profile nothing changes.
  GetTalvo().SetCurrentProfile(99);
  ASSERT_EQ(GetTalvo().GetCurrentProfile(), nullptr);
  view.GetKeyButton(17)->assignedText = L"Untouched";
  view.RefreshCaptions();
  EXPECT_EQ(view.GetKeyButton(17)->assignedText, L"Untouched");
}

TEST_F(LayoutViewTest, BuildingAgainReplacesTheButtons) {
  Layout& view = MakeView();
  ASSERT_TRUE(view.BuildKeys());
  const HWND first = view.GetKeyButton(0)->m_hWnd;
  ASSERT_TRUE(view.BuildKeys());
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(view.GetKeyButtonCount(), 104);
  EXPECT_EQ(ChildrenOf(view.m_hWnd).size(), 104U);
}

TEST_F(LayoutViewTest, WithoutAWindowNothingIsBuilt) {
  Layout view;
  CRect rect;
  EXPECT_FALSE(view.BuildKeys());
  EXPECT_EQ(view.GetKeyButtonCount(), 0);
  EXPECT_FALSE(view.GetKeyRect(0, rect));
  view.RefreshCaptions();
  view.ClearKeys();
}

TEST_F(LayoutViewTest, ResizingMovesEveryButtonAndATinyViewKeepsThePlacement) {
  Layout& view = MakeView(900, 300);
  UseLayout(L"US-ISO");
  ASSERT_TRUE(view.BuildKeys());
  view.MoveWindow(10, 10, 1250, 420);
  for (int key = 0; key < view.GetKeyButtonCount(); ++key) {
    CRect expected;
    ASSERT_TRUE(view.GetKeyRect(key, expected));
    EXPECT_EQ(PlacementOf(*view.GetKeyButton(key)),
              CRect(expected.left, expected.top, expected.right + 1, expected.bottom + 1))
        << key;
  }
  const CRect placed = PlacementOf(*view.GetKeyButton(72));
  view.MoveWindow(10, 10, 32, 200);
  CRect none;
  EXPECT_FALSE(view.GetKeyRect(72, none));
  EXPECT_EQ(PlacementOf(*view.GetKeyButton(72)), placed);
}

TEST_F(LayoutViewTest, AViewBoundToAPagesStaticWorksLikeACreatedOne) {
  CWnd* page = CreateParent(1000, 360, 40, 40);
  const HWND frame = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, 8, 8, 980, 340,
                                     page->m_hWnd, reinterpret_cast<HMENU>(1028), nullptr, nullptr);
  view_ = std::make_unique<Layout>();
  ASSERT_TRUE(view_->SubclassWindow(frame));
  EXPECT_TRUE(view_->GetStyle() & WS_CLIPCHILDREN);  // the buttons are never painted over
  ASSERT_TRUE(view_->BuildKeys());
  EXPECT_EQ(view_->GetKeyButtonCount(), 104);
}

TEST_F(LayoutViewTest, TheButtonsGoWithTheViewInEitherOrder) {
  // The page's window goes first: the buttons' windows go with it, the objects with the view.
  Layout& view = MakeView();
  ASSERT_TRUE(view.BuildKeys());
  Profile().AddVisualAssignment(5);
  view.RefreshCaptions();
  ::DestroyWindow(::GetParent(view.m_hWnd));
  view_.reset();
  EXPECT_EQ(GetTalvo().GetLearningKeyButton(), nullptr);

  // The view object goes first: it takes its buttons' windows along.
  Layout& second = MakeView();
  ASSERT_TRUE(second.BuildKeys());
  const HWND button = second.GetKeyButton(3)->m_hWnd;
  view_.reset();
  EXPECT_FALSE(IsWindow(button));
}

TEST_F(LayoutViewTest, ScreenshotsOfBothLayoutsInBothThemes) {
  XmlFunction* extrude = GetTalvo().CreateFunction(kKindMultiTapModifiers);
  extrude->SetName(L"Extrude Polygons");
  Profile().Assign(32, 87, extrude->GetId(), false, false);  // W
  Profile().Assign(46, 83, extrude->GetId(), false, false);  // S
  Profile().Assign(72, 32, L"", false, false);               // space: an assignment without a function
  Profile().AddVisualAssignment(0);                          // Esc carries the learning interface
  for (const wchar_t* layout : {L"US-ANSI", L"US-ISO"}) {
    for (AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
      SetTheme(theme);
      UseLayout(layout);
      Layout& view = MakeView(1317, 451);
      ASSERT_TRUE(view.BuildKeys());
      const std::string name = std::string("keyboard_view_") + (view.GetKind() == kLayoutKindAnsi ? "ansi" : "iso") +
                               (theme == kLightTheme ? "_light" : "_dark") + ".png";
      EXPECT_TRUE(winsim::SaveWindowPng(view.m_hWnd, (ControlsTestOutput() / name).string()));
      // An assigned key stands out from the view's background in both themes.
      const winsim::Image image = winsim::CaptureWindow(view.m_hWnd);
      const CRect w = PlacementOf(*view.GetKeyButton(32));
      EXPECT_NE(image.Pixel(8, 8), image.Pixel(w.right - 6, w.top + w.Height() / 2));
      view_.reset();
    }
  }
}

}  // namespace Talvo::testing

namespace Talvo::testing {

TEST_F(LayoutViewTest, VirtualKeysComeFromTheLayoutAndTheStandardTableStandsIn) {
  const XmlKeyboard* keyboard = GetTalvo().GetCurrentKeyboard();
  ASSERT_NE(keyboard, nullptr);
  struct Case {
    int key;
    UINT standard;
  };
  for (const Case& c : {Case{0, 27}, Case{13, 154}, Case{17, 49}, Case{26, 48}, Case{31, 81}, Case{56, 13},
                        Case{72, 32}, Case{104, 163}, Case{105, 0}, Case{-1, 0}}) {
    EXPECT_EQ(DefaultVirtualKey(c.key), c.standard) << c.key;
    EXPECT_EQ(VirtualKeyOfKey(nullptr, c.key), c.standard) << c.key;
  }
  // A key the layout gives a code of its own keeps it.
  EXPECT_EQ(VirtualKeyOfKey(keyboard, 17), static_cast<UINT>(keyboard->GetVirtOfKey(17)));
}

}  // namespace Talvo::testing
