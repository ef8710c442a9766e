#include <set>
#include <vector>

#include "editing/case_rows.h"
#include "editing/classic_case_grid.h"
#include "function_editor_fixture.h"

namespace Talvo::testing {
namespace {

struct RowsCase {
  const char* name;
  int kind;
  std::wstring page;
  std::vector<CaseKeys> cases;  // stored besides the kind's defaults
  int level;
  bool hasRingEntry;
  ExpandedCase expanded;
  bool openedFromNew;
  size_t rowCount;
  std::vector<int> shownRows;   // every row that is not hidden (all rows when empty and `nothingHidden`)
  bool nothingHidden;
  std::vector<std::pair<int, std::wstring>> captions;
  std::vector<int> openRows;    // rows not collapsed among the count and group rows
  bool cornerButton;
};

class FunctionEditorRowsTest : public FunctionEditorTest, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(FunctionEditorRowsTest, RowsMirrorTheFunctionsDeclarations) {
  const RowsCase& c = GetParam();
  XmlFunction& function = NewFunction(c.kind);
  for (const CaseKeys& keys : c.cases) function.AddAction(keys);

  CaseGridPlan plan;
  if (c.kind == kKindClassic) {
    plan = PlanClassicGrid(c.expanded);
  } else {
    plan = PlanCaseGrid({&function, c.page, c.level, c.hasRingEntry, c.expanded, c.openedFromNew});
  }
  ASSERT_EQ(plan.rows.size(), c.rowCount);
  EXPECT_EQ(plan.cornerButton, c.cornerButton);
  std::vector<int> shown;
  for (size_t row = 0; row < plan.rows.size(); ++row)
    if (!plan.rows[row].hidden) shown.push_back(static_cast<int>(row));
  if (c.nothingHidden) EXPECT_EQ(shown.size(), c.rowCount);
  else EXPECT_EQ(shown, c.shownRows);
  for (const auto& [row, caption] : c.captions) EXPECT_EQ(plan.rows[static_cast<size_t>(row)].caption, caption) << row;
  std::vector<int> open;
  for (size_t row = 0; row < plan.rows.size(); ++row) {
    const CaseRow& r = plan.rows[row];
    if ((r.kind == CaseRowKind::Count || r.kind == CaseRowKind::Group) && !r.collapsed) open.push_back(static_cast<int>(row));
  }
  EXPECT_EQ(open, c.openRows);
}

const ExpandedCase kNone{};

INSTANTIATE_TEST_SUITE_P(
    Kinds, FunctionEditorRowsTest,
    ::testing::Values(
        // Kinds whose cases are all shown: one global block, nothing hidden.
        RowsCase{"MultiTapModifiers", kKindMultiTapModifiers, L"No modifier", {}, 5, false, kNone, false, 42, {}, true,
                 {{1, L"Global [Not context sensitive]"}, {2, L"Tap"}, {3, L"Single Tap"}, {42 - 1, L"Shift + Ctrl + Alt + Quadra Tap"}},
                 {}, false},
        RowsCase{"MultiTapModifiersElementsOwnPage", kKindMultiTapModifiersElements, L"No modifier", {}, 5, false, kNone, false, 42, {}, true,
                 {{1, L"Global [Not context sensitive]"}}, {}, false},
        RowsCase{"MultiTapModifiersElementsWithoutLevel", kKindMultiTapModifiersElements, L"Edit Poly", {}, 0, false, kNone, false, 0, {}, false, {}, {}, false},
        RowsCase{"MultiPress", kKindMultiPress, L"MultiPress", {}, 6, false, {0, 11}, false, 42, {}, true,
                 {{12, L"Ctrl + Tap"}, {14, L"Ctrl + Double Tap"}}, {1, 12}, false},
        // A context page shows only what is declared, with the level's words in the count captions.
        RowsCase{"ContextElementsVertexLevel", kKindContextElements, L"Editable Poly", {{L"Editable Poly", L"vertex", 2, 3, 7}}, 0, true,
                 kNone, false, 165, {0, 83, 89, 92}, false,
                 {{1, L"If 0 vertex selected"}, {42, L"If 1 vertex selected"}, {83, L"If 2 vertices selected"},
                  {124, L"If more than 2 vertices selected"}, {89, L"Shift + Tap"}, {92, L"Shift + Triple Tap"}},
                 {}, false},
        RowsCase{"ContextElementsLevelWithoutCases", kKindContextElements, L"Editable Poly", {{L"Editable Poly", L"vertex", 0, 1, 3}}, 1, true,
                 kNone, false, 165, {}, false, {{42, L"If 1 edge selected"}}, {}, true},
        RowsCase{"ClassicAlwaysEighteenRows", kKindClassic, L"3DSMax Classic", {}, 6, false, {0, 7}, false, 18, {}, true,
                 {{1, L"Global [Not context sensitive]"}, {4, L"Shift + Tap"}, {5, L"Shift + Single Tap"},
                  {17, L"Shift + Ctrl + Alt + Single Tap"}},
                 {1, 4}, false},
        // Single-tap and multi-tap pages: one block; a new function opens its plain tap group once.
        RowsCase{"SingleTapFromNew", kKindSingleTap, L"SingleTap", {}, 6, false, kNone, true, 42, {0, 1, 2, 3}, false,
                 {{1, L"Add Keyboard Modifier Case"}}, {1, 2}, false},
        RowsCase{"MultiTap", kKindMultiTap, L"MultiTap", {{L"MultiTap", L"global", 0, 4, 19}}, 6, false, kNone, false, 42,
                 {0, 1, 2, 3, 17, 21}, false, {{17, L"Alt + Tap"}, {21, L"Alt + Quadra Tap"}}, {}, false},
        RowsCase{"ModifierCasesNoModifierPage", kKindModifierCases, L"No modifier", {{L"No modifier", L"global", 1, 2, 3}}, 6, false,
                 {1, 3}, false, 165, {0, 1, 2, 3, 42, 43, 45}, false, {{42, L"Add Keyboard Modifier Case"}}, {42, 43}, false},
        RowsCase{"ContextSensitivePolygonLevel", kKindContextSensitive, L"Editable Poly",
                 {{L"Editable Poly", L"vertex", 0, 1, 3}, {L"Editable Poly", L"polygon", 3, 2, 31}}, 2, true, kNone, false,
                 165, {0, 124, 160, 162}, false,
                 {{83, L"If 2 polygons selected"}, {124, L"If more than 2 polygons selected"}, {160, L"Shift + Ctrl + Alt + Tap"}},
                 {}, false},
        RowsCase{"ContextSensitiveLevelWithoutCases", kKindContextSensitive, L"Editable Poly", {{L"Editable Poly", L"vertex", 0, 1, 3}}, 1,
                 true, kNone, false, 0, {}, false, {}, {}, true}),
    [](const ::testing::TestParamInfo<RowsCase>& info) { return std::string(info.param.name); });

TEST_F(FunctionEditorTest, LevelRingSkipsBorderAndElementOnAnUnwrapPage) {
  const std::vector<std::wstring> modes = {L"element", L"Vertex", L"border", L"edge"};
  EXPECT_EQ(BuildEditorLevelRing(modes, false), (std::list<std::wstring>{L"Vertex", L"edge", L"border", L"element"}));
  EXPECT_EQ(BuildEditorLevelRing(modes, true), (std::list<std::wstring>{L"Vertex", L"edge"}));
  EXPECT_EQ(EditorLevelCode(L"global", false), kEditorGlobal);
  EXPECT_EQ(EditorLevelCode(L"border", true), -1);
}

}  // namespace
}  // namespace Talvo::testing
