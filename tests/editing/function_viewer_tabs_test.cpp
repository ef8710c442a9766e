#include "editing/function_viewer_tabs.h"

#include "editing/viewer_levels.h"
#include "function_editor_fixture.h"
#include "resources/dialogs/function_viewer_tab.h"

namespace Talvo::testing {
namespace {

using FunctionViewerTest = FunctionEditorTest;

TEST_F(FunctionViewerTest, StripWithoutOwnerWindowFailsCleanly) {
  FunctionViewerTabs strip;
  EXPECT_FALSE(strip.Init(nullptr));
  strip.Rebuild();
  strip.Reposition();
  EXPECT_EQ(strip.GetPageCount(), 0);
  EXPECT_EQ(strip.GetPage(0), nullptr);
}

TEST_F(FunctionViewerTest, TapKindsShowOneModePage) {
  AssignNewFunction(kKindSingleTap);
  FunctionViewerTabs& strip = MakeViewerStrip();
  ASSERT_EQ(strip.GetPageCount(), 1);
  EXPECT_EQ(strip.GetPage(0)->GetPageName(), L"SingleTap");
  EXPECT_EQ(TabLabel(strip, 0), L"    Add Modifier Case");

  AssignNewFunction(kKindMultiTap);
  strip.Rebuild();
  ASSERT_EQ(strip.GetPageCount(), 1);
  EXPECT_EQ(strip.GetPage(0)->GetPageName(), L"MultiTap");
  EXPECT_EQ(strip.GetPage(0)->GetLevelCode(), kLevelOverride);
}

TEST_F(FunctionViewerTest, ClassicAndMultiPressShowTheirPageWithoutAddingAMissingInput) {
  XmlFunction* function = AssignNewFunction(kKindMultiPress);
  ASSERT_TRUE(function->RemoveInput(L"MultiPress"));
  FunctionViewerTabs& strip = MakeViewerStrip();
  ASSERT_EQ(strip.GetPageCount(), 1);
  EXPECT_EQ(TabLabel(strip, 0), L"MultiPress");
  EXPECT_FALSE(function->HasInput(L"MultiPress"));

  AssignNewFunction(kKindClassic);
  strip.Rebuild();
  ASSERT_EQ(strip.GetPageCount(), 1);
  EXPECT_EQ(strip.GetPage(0)->GetPageName(), L"3DSMax Classic");
}

TEST_F(FunctionViewerTest, ModifierCasesInFixedOrderWithTableLabels) {
  XmlFunction* function = AssignNewFunction(kKindContextSensitive);
  SetTableCase(*function, {L"Unwrap UVW", L"vertex", 0, 1, 3}, L"Extrude");
  SetTableCase(*function, {L"Editable Poly", L"edge", 0, 1, 3}, L"Extrude");
  FunctionViewerTabs& strip = MakeViewerStrip();
  ASSERT_EQ(strip.GetPageCount(), 4);
  const wchar_t* names[] = {L"Editable Poly", L"Unwrap UVW", L"No modifier", L"Override Mode"};
  const wchar_t* labels[] = {L"Editable Poly", L"Unwrap UVW", L"Objects Mode", L"Default Mode"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(strip.GetPage(i)->GetPageName(), names[i]);
    EXPECT_EQ(TabLabel(strip, i), labels[i]);
  }

  // Rebuilding after the key lost its function empties the strip and destroys the old pages.
  const HWND oldPage = strip.GetPage(0)->GetSafeHwnd();
  GetTalvo().GetCurrentProfile()->SetFunctionIdOfKey(host_->key, L"no-such-id");
  strip.Rebuild();
  EXPECT_EQ(strip.GetTabsNum(), 0);
  EXPECT_FALSE(::IsWindow(oldPage));
}

TEST_F(FunctionViewerTest, MarkingRefillsOnlyPagesOfThatInput) {
  XmlFunction* function = AssignNewFunction(kKindContextSensitive);
  SetTableCase(*function, {L"Editable Poly", L"vertex", 0, 1, 3}, L"Extrude");
  FunctionViewerTabs& strip = MakeViewerStrip();
  ASSERT_EQ(strip.GetPageCount(), 3);
  for (int i = 0; i < strip.GetPageCount(); ++i) EXPECT_FALSE(strip.GetPage(i)->NeedsRefill());
  strip.MarkPagesNamed(L"Editable Poly");
  EXPECT_TRUE(strip.GetPage(0)->NeedsRefill());
  EXPECT_FALSE(strip.GetPage(1)->NeedsRefill());

  // The edited case shows after the next layout.
  SetTableCase(*function, {L"Editable Poly", L"vertex", 0, 1, 3}, L"Renamed", 100);
  strip.GetPage(0)->Relayout();
  EXPECT_FALSE(strip.GetPage(0)->NeedsRefill());
  EXPECT_EQ(strip.GetPage(0)->GetGrid().GetItemText(2, 1), L"Renamed");
}

}  // namespace
}  // namespace Talvo::testing
