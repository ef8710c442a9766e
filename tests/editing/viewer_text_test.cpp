#include <gtest/gtest.h>
#include <host/actions.h>
#include <host/simulation.h>

#include "editing/viewer_case_text.h"
#include "editing/viewer_levels.h"
#include "naming_dialogs_fixture.h"

namespace Talvo {
namespace {

TEST(ViewerLevels, RingFollowsLevelWordOrderAndRepeatsModesWithTwoWords) {
  const std::vector<std::wstring> modes = {L"polygon", L"global", L"Edge", L"vertex", L"vertexedge"};
  const std::list<std::wstring> expected = {L"vertex", L"vertexedge", L"Edge", L"vertexedge", L"polygon"};
  EXPECT_EQ(BuildLevelRing(modes), expected);
  EXPECT_TRUE(BuildLevelRing({L"global", L"objects"}).empty());
}

TEST(ViewerLevels, ReducedIconListShowsTheOverrideAsItsFourth) {
  EXPECT_EQ(LevelCode(L"Vertex"), -1);
  EXPECT_EQ(LevelKeyword(7), L"");
  ASSERT_EQ(LevelIconNames(true).size(), 4u);
  EXPECT_EQ(LevelIconIndex(kLevelOverride, true), 3);
  EXPECT_EQ(LevelIconIndex(kLevelPolygon, true), 2);
  EXPECT_EQ(LevelIconIndex(kLevelOverride, false), kLevelOverride);
}

TEST(ViewerText, BlockHeadersAndPairLabels) {
  EXPECT_EQ(BlockHeaderText(0, kLevelEdge, false, false), L"If 0 edge selected");
  EXPECT_EQ(BlockHeaderText(2, kLevelEdge, false, false), L"If 2 edges selected");
  EXPECT_EQ(BlockHeaderText(3, kLevelVertex, false, false), L"If more than 2 vertices selected");
  EXPECT_EQ(BlockHeaderText(3, kLevelObjects, true, false), L"If more than 2 objects selected");
  EXPECT_EQ(BlockHeaderText(2, kLevelVertex, false, true), L"Global [Not context sensitive]");

  EXPECT_EQ(PairLabel(0, 0, 0), L"Tap");
  EXPECT_EQ(PairLabel(0, 3, 2), L"Alt + Double Tap");
  EXPECT_EQ(PairLabel(1, 3, 4), L"Shift + Ctrl + Alt + Quadra Tap");
  EXPECT_EQ(PairLabel(2, 0, 1), L"");
}

using ViewerValueTest = testing::NamingDialogTest;

// Table actions, missing ones and custom scripts are checked on the viewer's grid.
TEST_F(ViewerValueTest, ValueOfTheOtherKindsOfCase) {
  hostsim::InstallStandardActions();
  XmlFunction function;
  const CaseKeys keys{L"Editable Poly", L"vertex", 0, 1, 3};
  function.AddAction(keys);
  EXPECT_TRUE(ViewerCaseValue(function, keys).text.empty());  // empty group
  function.SetCaseGroup(keys, L"Original key behavior");
  EXPECT_EQ(ViewerCaseValue(function, keys).kind, kViewerValueOriginalKey);
  function.SetCaseGroup(keys, L"Custom Code");
  EXPECT_TRUE(ViewerCaseValue(function, keys).text.empty());  // no script stored yet

  const MacroID id = hostsim::AddMacro({L"Talvo Tests", L"Probe", L"Probe", L"Probe tip", L"", L""});
  function.SetCaseGroup(keys, L"Macro Scripts");
  function.SetCaseMacroScript(keys, {L"Talvo Tests", L"Talvo Tests", L"Probe", L"", L"Probe tip", id});
  const ViewerValue value = ViewerCaseValue(function, keys);
  EXPECT_EQ(value.text, L"Probe");
  EXPECT_EQ(value.kind, kViewerValueMacroScript);
  ASSERT_TRUE(hostsim::RemoveMacro(id));
  EXPECT_EQ(ViewerCaseValue(function, keys).text, L"\u00ABmissing\u00BB");
}

}  // namespace
}  // namespace Talvo
