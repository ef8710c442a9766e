#include <gtest/gtest.h>
#include <host/actions.h>
#include <host/simulation.h>

#include "editing/viewer_case_text.h"
#include "editing/viewer_levels.h"
#include "model/xml_custom_scripts.h"
#include "naming_dialogs_fixture.h"

namespace Talvo {
namespace {

TEST(ViewerLevels, RingFollowsLevelWordOrderAndRepeatsModesWithTwoWords) {
  const std::vector<std::wstring> modes = {L"polygon", L"global", L"Edge", L"vertex", L"vertexedge"};
  const std::list<std::wstring> expected = {L"vertex", L"vertexedge", L"Edge", L"vertexedge", L"polygon"};
  EXPECT_EQ(BuildLevelRing(modes), expected);
  EXPECT_TRUE(BuildLevelRing({L"global", L"objects"}).empty());
}

TEST(ViewerLevels, TablesAndReducedIconList) {
  EXPECT_EQ(LevelCode(L"global"), kLevelOverride);
  EXPECT_EQ(LevelCode(L"border"), kLevelBorder);
  EXPECT_EQ(LevelCode(L"Vertex"), -1);
  EXPECT_EQ(LevelKeyword(7), L"");
  EXPECT_EQ(LevelCaptionId(kLevelObjects), 281);
  EXPECT_EQ(LevelIconNames(false).size(), 7u);
  const auto reduced = LevelIconNames(true);
  ASSERT_EQ(reduced.size(), 4u);
  EXPECT_EQ(reduced[3], L"Talvo_Override_32x32");
  // The override level on the reduced list shows the fourth icon; the full list keeps the code.
  EXPECT_EQ(LevelIconIndex(kLevelOverride, true), 3);
  EXPECT_EQ(LevelIconIndex(kLevelPolygon, true), 2);
  EXPECT_EQ(LevelIconIndex(kLevelOverride, false), 6);
}

TEST(ViewerText, BlockHeadersAndPairLabels) {
  EXPECT_EQ(BlockHeaderText(0, kLevelEdge, false, false), L"If 0 edge selected");
  EXPECT_EQ(BlockHeaderText(2, kLevelEdge, false, false), L"If 2 edges selected");
  EXPECT_EQ(BlockHeaderText(3, kLevelVertex, false, false), L"If more than 2 vertices selected");
  EXPECT_EQ(BlockHeaderText(1, kLevelObjects, true, false), L"If 1 object selected");
  EXPECT_EQ(BlockHeaderText(3, kLevelObjects, true, false), L"If more than 2 objects selected");
  EXPECT_EQ(BlockHeaderText(2, kLevelVertex, false, true), L"Global [Not context sensitive]");

  EXPECT_EQ(PairLabel(0, 0, 0), L"Tap");
  EXPECT_EQ(PairLabel(0, 3, 2), L"Alt + Double Tap");
  EXPECT_EQ(PairLabel(1, 3, 4), L"Shift + Ctrl + Alt + Quadra Tap");
  EXPECT_EQ(PairLabel(2, 0, 1), L"");
  const unsigned char expected[2][4] = {{3, 7, 11, 19}, {15, 23, 27, 31}};
  for (int group = 0; group < 2; ++group) {
    for (int pair = 0; pair < 4; ++pair) EXPECT_EQ(PairModifierByte(group, pair), expected[group][pair]);
  }
}

using ViewerValueTest = testing::NamingDialogTest;

TEST_F(ViewerValueTest, ValueOfEachKindOfCase) {
  hostsim::InstallStandardActions();
  XmlFunction function;
  const CaseKeys keys{L"Editable Poly", L"vertex", 0, 1, 3};
  EXPECT_EQ(ViewerCaseValue(function, keys).kind, kViewerValueNone);  // no such case

  function.AddAction(keys);
  EXPECT_TRUE(ViewerCaseValue(function, keys).text.empty());  // empty group

  function.SetCaseGroup(keys, L"Editable Polygon Object");
  function.SetCaseTableAction(keys, L"Extrude", kActionEditablePolyTable, 100);
  ViewerValue value = ViewerCaseValue(function, keys);
  EXPECT_EQ(value.text, L"Extrude");
  EXPECT_EQ(value.kind, kViewerValueTableAction);

  function.SetCaseTableAction(keys, L"Gone", kActionEditablePolyTable, 999);
  value = ViewerCaseValue(function, keys);
  EXPECT_EQ(value.text, L"\u00ABmissing\u00BB");
  EXPECT_EQ(value.kind, kViewerValueTableAction);

  function.SetCaseGroup(keys, L"Original key behavior");
  EXPECT_EQ(ViewerCaseValue(function, keys).kind, kViewerValueOriginalKey);

  std::wstring scriptId;
  GetTalvo().GetCustomScripts()->AddScript(L"Weld them", L"print 1", scriptId);
  RefreshScriptNames();
  function.SetCaseGroup(keys, L"Custom Code");
  EXPECT_TRUE(ViewerCaseValue(function, keys).text.empty());  // no script stored yet
  function.SetCaseScript(keys, scriptId);
  value = ViewerCaseValue(function, keys);
  EXPECT_EQ(value.text, L"Weld them");
  EXPECT_EQ(value.kind, kViewerValueCustomScript);

  const CaseKeys macroCase{L"Editable Poly", L"vertex", 0, 2, 3};
  const MacroID id = hostsim::AddMacro({L"Talvo Tests", L"Probe", L"Probe", L"Probe tip", L"", L""});
  function.AddAction(macroCase);
  function.SetCaseGroup(macroCase, L"Macro Scripts");
  function.SetCaseMacroScript(macroCase, {L"Talvo Tests", L"Talvo Tests", L"Probe", L"", L"Probe tip", id});
  value = ViewerCaseValue(function, macroCase);
  EXPECT_EQ(value.text, L"Probe");
  EXPECT_EQ(value.kind, kViewerValueMacroScript);
  ASSERT_TRUE(hostsim::RemoveMacro(id));
  EXPECT_EQ(ViewerCaseValue(function, macroCase).text, L"\u00ABmissing\u00BB");
}

}  // namespace
}  // namespace Talvo
