#include <host/undo.h>

#include "function_editor_fixture.h"

namespace Talvo::testing {
namespace {

struct StripCase {
  const char* name;
  int kind;
  std::vector<std::wstring> inputs;  // added to the kind's defaults
  std::wstring removed;              // taken from them before the strip is built
  std::vector<std::wstring> labels;
  std::vector<bool> closable;        // per tab, when that tab is active
  bool modeButton;
};

class FunctionEditorTabsTest : public FunctionEditorTest, public ::testing::WithParamInterface<StripCase> {};

TEST_P(FunctionEditorTabsTest, PagesFollowTheKindAndOnlyModifierPagesClose) {
  const StripCase& c = GetParam();
  XmlFunction& function = NewFunction(c.kind);
  for (const std::wstring& input : c.inputs) function.AddInput(input);
  if (!c.removed.empty()) function.RemoveInput(c.removed);
  FunctionEditorTabs& strip = MakeStrip();
  // Building the pages adds nothing to the function.
  if (!c.removed.empty()) {
    EXPECT_FALSE(function.HasInput(c.removed));
  }
  ASSERT_EQ(strip.GetTabsNum(), static_cast<int>(c.labels.size()));
  for (int tab = 0; tab < strip.GetTabsNum(); ++tab) {
    EXPECT_EQ(TabLabel(strip, tab), c.labels[static_cast<size_t>(tab)]);
    strip.SetActiveTab(tab);
    EXPECT_EQ(strip.IsActiveTabCloseButton() != FALSE, c.closable[static_cast<size_t>(tab)]) << tab;
  }
  EXPECT_EQ(strip.GetModeButton() != nullptr, c.modeButton);
  EXPECT_EQ(strip.GetPage(strip.GetPageCount()), nullptr);
  EXPECT_EQ(strip.GetPage(-1), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FunctionEditorTabsTest,
    ::testing::Values(
        StripCase{"ContextSensitive", kKindContextSensitive, {L"Edit Poly"}, L"",
                  {L"Add Modifier Case", L"Edit Poly", L"Objects Mode", L"Default Mode"}, {false, true, true, false}, false},
        StripCase{"SingleTap", kKindSingleTap, {}, L"", {L"Add Modifier Case", L"    Add Modifier Case"}, {false, false}, true},
        StripCase{"ClassicWithoutItsInput", kKindClassic, {}, L"3DSMax Classic", {L"Add Modifier Case", L"3DSMax Classic"}, {false, false}, false},
        StripCase{"ContextElementsOverridePage", kKindContextElements, {L"Editable Poly"}, L"",
                  {L"Add Modifier Case", L"Editable Poly", L"Objects Mode", L"Default Mode"}, {false, true, true, false},
                  false}),
    [](const ::testing::TestParamInfo<StripCase>& info) { return std::string(info.param.name); });

TEST_F(FunctionEditorTest, ClosingAModifierPageRemovesItsInputAsOneUndoStep) {
  XmlFunction& function = NewFunction(kKindContextSensitive);
  function.RemoveInput(L"No modifier");
  function.AddInput(L"Edit Poly");
  FunctionEditorTabs& strip = MakeStrip();
  ASSERT_EQ(strip.GetPageCount(), 2);
  strip.SetActiveTab(1);
  ClickCloseButtonOfActiveTab(strip);
  EXPECT_FALSE(function.HasInput(L"Edit Poly"));
  EXPECT_EQ(strip.GetPageCount(), 1);
  EXPECT_EQ(strip.GetTabsNum(), 2);
  EXPECT_EQ(theHold.UndoLabels().front(), MSTR(L"Close Edit Poly"));
  // The override page that is left never closes.
  EXPECT_FALSE(strip.IsActiveTabCloseButton());
  ClickCloseButtonOfActiveTab(strip);
  EXPECT_EQ(strip.GetPageCount(), 1);
  EXPECT_TRUE(function.HasInput(L"Override Mode"));
}

}  // namespace
}  // namespace Talvo::testing
