// The keyboard view: one button per key of the current layout with its captions, the assigned function's
// name and the learning-interface key from the current profile, refreshing, resizing and the buttons' life.
#include "editor/layout.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "controls/controls_fixture.h"
#include "model/talvo.h"
#include "model/vocabulary.h"

// Readable rectangles in failure messages.
inline void PrintTo(const CRect& rect, std::ostream* out) {
  *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}

namespace Talvo::testing {

namespace {

constexpr UINT kLayoutViewId = 1028;  // the view's control id on the profiles page

class LayoutViewTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(GetTalvo().Load());
  }
  void TearDown() override {
    view_.reset();
    GetTalvo().Clear();
    ControlsTest::TearDown();
  }

  XmlProfile& Profile() { return *GetTalvo().GetCurrentProfile(); }

  // Makes the current profile use the layout of that name.
  void UseLayout(const std::wstring& name) { Profile().SetLayout(name); }

  // A keyboard view of the given client size in a test parent, as the profiles page holds it.
  Layout& MakeView(int width = 1317, int height = 451) {
    CWnd* parent = CreateParent(width + 20, height + 20, 40, 40);
    view_ = std::make_unique<Layout>();
    EXPECT_TRUE(
        view_->Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + width, 10 + height), parent, kLayoutViewId));
    return *view_;
  }

  // A button's window rectangle in the view's client coordinates.
  CRect PlacementOf(const KeyButton& button) const {
    CRect rect;
    button.GetWindowRect(&rect);
    view_->ScreenToClient(&rect);
    return rect;
  }

  std::unique_ptr<Layout> view_;
};

int ChildCount(HWND parent) {
  int count = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

}  // namespace

TEST_F(LayoutViewTest, BuildsOneButtonPerKeyOfTheLayoutAndBuildingAgainReplacesThem) {
  Layout& view = MakeView();
  ASSERT_TRUE(view.BuildKeys());
  EXPECT_EQ(view.GetKind(), kLayoutKindAnsi);
  ASSERT_EQ(view.GetKeyButtonCount(), 104);
  EXPECT_EQ(view.GetKeyButton(104), nullptr);
  const KeyButton& one = *view.GetKeyButton(17);
  EXPECT_EQ(one.keyNumber, 17);
  EXPECT_EQ(one.GetCaption(), L"1");
  EXPECT_EQ(one.secondText, L"!");
  EXPECT_EQ(one.virtualKey, 49U);
  const HWND first = view.GetKeyButton(0)->m_hWnd;

  // The layout's type chooses the kind.
  UseLayout(L"US-ISO");
  ASSERT_TRUE(view.BuildKeys());
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(view.GetKind(), kLayoutKindIso);
  ASSERT_EQ(view.GetKeyButtonCount(), 105);
  EXPECT_EQ(ChildCount(view.m_hWnd), 105);
  EXPECT_EQ(view.GetKeyButton(104)->GetCaption(), GetTalvo().GetCurrentKeyboard()->GetKeyText(104));
}

TEST_F(LayoutViewTest, WithoutALayoutTheKeysAreBlankAnsiKeys) {
  Layout& view = MakeView();
  UseLayout(L"Missing");
  GetTalvo().GetMainDocument()->SetSelectedLayout(L"Missing");
  ASSERT_EQ(GetTalvo().GetCurrentKeyboard(), nullptr);
  Profile().Assign(17, 49, L"", false, false);
  ASSERT_TRUE(view.BuildKeys());
  ASSERT_EQ(view.GetKeyButtonCount(), 104);
  EXPECT_TRUE(view.GetKeyButton(17)->GetCaption().empty());
  EXPECT_EQ(view.GetKeyButton(17)->virtualKey, 49U);             // the standard code stands in for the layout's
  EXPECT_EQ(view.GetKeyButton(17)->assignedText, L"Undefined");  // the profile still counts
}

TEST_F(LayoutViewTest, AssignedKeysShowTheirFunctionOrUndefinedOrTheLearningInterface) {
  XmlFunction* extrude = GetTalvo().CreateFunction(kKindMultiTapModifiers);
  extrude->SetName(L"Extrude");
  Profile().Assign(17, 49, extrude->GetId(), false, false);
  Profile().Assign(18, 50, L"0123456789abcdef0123456789abcdef", false, false);  // a deleted function
  Profile().Assign(31, 81, extrude->GetId(), false, false);
  Profile().AddVisualAssignment(31);

  Layout& view = MakeView();
  ASSERT_TRUE(view.BuildKeys());
  EXPECT_EQ(view.GetKeyButton(17)->assignedText, L"Extrude");
  EXPECT_TRUE(view.GetKeyButton(17)->assigned);
  EXPECT_EQ(view.GetKeyButton(18)->assignedText, L"Undefined");
  EXPECT_TRUE(view.GetKeyButton(20)->assignedText.empty());
  KeyButton& learning = *view.GetKeyButton(31);
  EXPECT_EQ(learning.assignedText, L"Learning Interface");
  EXPECT_EQ(learning.displayState, kKeyLearningInterface);
  EXPECT_EQ(GetTalvo().GetLearningKeyButton(), &learning);

  // Clearing the keys destroys the buttons and forgets the learning-interface button.
  view.ClearKeys();
  EXPECT_EQ(ChildCount(view.m_hWnd), 0);
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
  const winsim::Image before = winsim::CaptureWindow(view.GetKeyButton(20)->m_hWnd);

  extrude->SetName(L"Bevel");
  Profile().Assign(20, 52, extrude->GetId(), false, false);
  Profile().AddVisualAssignment(33);
  Profile().RemoveAssignment(21);
  Profile().RemoveVisualAssignment(22);
  view.RefreshCaptions();
  EXPECT_EQ(view.GetKeyButton(17)->assignedText, L"Bevel");
  EXPECT_TRUE(view.GetKeyButton(20)->assigned);
  // Keys that lost their assignment or their learning interface show nothing any more.
  EXPECT_FALSE(view.GetKeyButton(21)->assigned);
  EXPECT_TRUE(view.GetKeyButton(21)->assignedText.empty());
  EXPECT_EQ(view.GetKeyButton(22)->displayState, kKeyOrdinary);
  EXPECT_EQ(GetTalvo().GetLearningKeyButton(), view.GetKeyButton(33));
  winsim::PumpMessages();
  EXPECT_NE(winsim::CaptureWindow(view.GetKeyButton(20)->m_hWnd).rgba, before.rgba);

  Profile().RemoveVisualAssignment(33);
  view.RefreshCaptions();
  EXPECT_EQ(GetTalvo().GetLearningKeyButton(), nullptr);

  // Without a current profile nothing changes.
  GetTalvo().SetCurrentProfile(99);
  view.GetKeyButton(17)->assignedText = L"Untouched";
  view.RefreshCaptions();
  EXPECT_EQ(view.GetKeyButton(17)->assignedText, L"Untouched");
}

TEST_F(LayoutViewTest, ResizingMovesEveryButtonAndATinyViewKeepsThePlacement) {
  Layout& view = MakeView(900, 300);
  UseLayout(L"US-ISO");
  ASSERT_TRUE(view.BuildKeys());
  view.MoveWindow(10, 10, 1250, 420);
  for (int key = 0; key < view.GetKeyButtonCount(); ++key) {
    CRect expected;
    ASSERT_TRUE(view.GetKeyRect(key, expected));
    expected.InflateRect(0, 0, 1, 1);  // the button covers the rectangle's edges
    EXPECT_EQ(PlacementOf(*view.GetKeyButton(key)), expected) << key;
  }
  const CRect placed = PlacementOf(*view.GetKeyButton(72));
  view.MoveWindow(10, 10, 32, 200);
  EXPECT_EQ(PlacementOf(*view.GetKeyButton(72)), placed);
}

TEST_F(LayoutViewTest, AViewBoundToAPagesStaticClipsItsButtons) {
  CWnd* page = CreateParent(1000, 360, 40, 40);
  const HWND frame = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, 8, 8, 980, 340,
                                     page->m_hWnd, nullptr, nullptr, nullptr);
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

TEST(LayoutVirtualKeys, KeysOutsideTheStandardTableHaveNone) {
  for (int key : {-1, 105}) EXPECT_EQ(VirtualKeyOfKey(nullptr, key), 0U) << key;
}

// A profile whose layout is gone gets blank keys, never the captions of the layout the main document names,
// whose key numbers mean other keys.
TEST_F(LayoutViewTest, AProfileWhoseLayoutIsGoneGetsBlankKeys) {
  GetTalvo().GetMainDocument()->SetSelectedLayout(L"US-ISO");
  UseLayout(L"Gone");
  Layout& view = MakeView();
  ASSERT_TRUE(view.BuildKeys());
  ASSERT_EQ(view.GetKeyButtonCount(), 104);  // no ISO layout's 105 keys
  for (int key = 0; key < view.GetKeyButtonCount(); ++key) {
    EXPECT_TRUE(view.GetKeyButton(key)->GetCaption().empty()) << key;
    EXPECT_TRUE(view.GetKeyButton(key)->secondText.empty()) << key;
  }
}

}  // namespace Talvo::testing
