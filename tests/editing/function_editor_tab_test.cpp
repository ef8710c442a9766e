#include <host/undo.h>

#include "editing/case_pickers.h"
#include "function_editor_fixture.h"
#include "model/vocabulary.h"
#include "model/xml_custom_scripts.h"

namespace Talvo::testing {
namespace {

constexpr int kGroup = 4;
constexpr int kCategory = 6;
constexpr int kAction = 8;
constexpr int kScript = 10;
constexpr LPARAM kPolygonLevelText = 148;  // the string id a level command of the editor window carries
const CaseKeys kVertexTap{L"Editable Poly", L"vertex", 0, 1, 3};

std::wstring StoredGroup(const XmlFunction& function, const CaseKeys& keys) {
  std::wstring group;
  function.GetCaseGroup(keys, group);
  return group;
}

TEST_F(FunctionEditorTest, ReexpandingAParentBringsItsOpenChildsRowsBack) {
  XmlFunction& function = NewFunction(kKindContextSensitive);
  function.AddAction(kVertexTap);
  FunctionEditorTab& page = MakePage(L"Editable Poly");
  Expand(0, 3);
  ASSERT_TRUE(RowShown(3));
  CTreeGridCtrl& grid = page.GetGrid();
  grid.Collapse(grid.GetRowNode(1));
  EXPECT_FALSE(RowShown(3));
  grid.Expand(grid.GetRowNode(1));
  EXPECT_TRUE(RowShown(2));
  EXPECT_TRUE(RowShown(3));
  // The rows of cases the function lacks stay hidden through it all.
  EXPECT_FALSE(RowShown(4));
}

TEST_F(FunctionEditorTest, ClassicGridOpensTheSelectedCaseWithOnlyItsGroupUsable) {
  NewFunction(kKindClassic);
  FunctionEditorTab& page = MakePage(L"3DSMax Classic");
  Expand(0, 7);
  EXPECT_EQ(page.GetGrid().GetRowCount(), 18);
  EXPECT_TRUE(RowShown(5));
  EXPECT_FALSE(RowShown(3));
  EXPECT_FALSE(page.GetAddCaseButton().IsWindowVisible());
  // Without a stored case only the Group drop-downs can be used.
  ASSERT_NE(DropDown(5, kCategory), nullptr);
  EXPECT_EQ(DropDown(5, kGroup)->enabled, 1);
  EXPECT_EQ(DropDown(5, kCategory)->enabled, 0);
  EXPECT_EQ(DropDown(5, kAction)->enabled, 0);
}

TEST_F(FunctionEditorTest, PickerChainStoresTableAndActionAsOneUndoStepEach) {
  XmlFunction& function = NewFunction(kKindContextSensitive);
  function.AddAction(kVertexTap);
  FunctionEditorTab& page = MakePage(L"Editable Poly");
  Expand(0, 3);
  const int undoBefore = theHold.UndoCount();

  Choose(3, kGroup, L"Editable Polygon Object");
  EXPECT_EQ(StoredGroup(function, kVertexTap), L"Editable Polygon Object");
  EXPECT_EQ(DropDown(3, kCategory)->enabled, 1);
  Choose(3, kCategory, L"Editable Polygon");
  Choose(3, kAction, L"Extrude");
  std::wstring text;
  int tableId = -1;
  int actionId = -1;
  ASSERT_TRUE(function.GetCaseTableAction(kVertexTap, text, tableId, actionId));
  EXPECT_EQ(actionId, 100);  // "Extrude"
  EXPECT_EQ(theHold.UndoCount(), undoBefore + 3);
  EXPECT_EQ(theHold.UndoLabels().front(), MSTR(L"In Grid Changes"));

  // Another category drops the stored command but keeps the group and the new category.
  Choose(3, kCategory, L"All Commands");
  std::wstring category;
  EXPECT_FALSE(function.GetCaseAction(kVertexTap, text));
  EXPECT_TRUE(function.GetCaseCategory(kVertexTap, category));
  EXPECT_EQ(category, L"All Commands");
  EXPECT_EQ(StoredGroup(function, kVertexTap), L"Editable Polygon Object");

  // Custom code: the script drop-down opens, the others fall back to their fixed entries.
  Choose(3, kGroup, L"Custom Code");
  EXPECT_EQ(DropDown(3, kScript)->enabled, 1);
  EXPECT_EQ(DropDown(3, kCategory)->enabled, 0);
  EXPECT_EQ(theHold.UndoCount(), undoBefore + 5);
  EXPECT_EQ(page.GetExpandedCase().modifiers, 3);
}

TEST_F(FunctionEditorTest, MacroDeletedInTheHostShowsMissingAndMissingStoresNothing) {
  XmlFunction& function = NewFunction(kKindContextSensitive);
  const MacroID id = hostsim::AddMacro({L"Selection", L"Loop Twice", L"", L"", L"", L""});
  function.AddAction(kVertexTap);
  function.SetCaseGroup(kVertexTap, L"Main UI");
  function.SetCaseCategory(kVertexTap, L"Selection");
  function.SetCaseMacroScript(kVertexTap, {L"Selection", L"Selection", L"Loop Twice", L"", L"", id});
  FunctionEditorTab& page = MakePage(L"Editable Poly");
  Expand(0, 3);
  EXPECT_EQ(std::wstring(DropDown(3, kAction)->GetText()), L"Loop Twice");

  ASSERT_TRUE(hostsim::RemoveMacro(id));
  page.RefreshGrid();
  EXPECT_EQ(std::wstring(DropDown(3, kAction)->GetText()), MissingText());

  const int undoBefore = theHold.UndoCount();
  Choose(3, kAction, MissingText());
  Choose(3, kGroup, MissingText());
  EXPECT_EQ(theHold.UndoCount(), undoBefore);
  EXPECT_EQ(StoredGroup(function, kVertexTap), L"Main UI");
  CaseMacroScript macro;
  EXPECT_TRUE(function.GetCaseMacroScript(kVertexTap, macro));
}

TEST_F(FunctionEditorTest, ANewFunctionOpensItsPlainTapGroupOnce) {
  NewFunction(kKindMultiTap);
  SetExpandDefault(true);
  FunctionEditorTab& page = MakePage(L"MultiTap");
  EXPECT_EQ(page.GetExpandedCase().selection, 0);
  EXPECT_TRUE(RowShown(3));
  EXPECT_FALSE(TakeExpandDefault());
  // The header of a mode page: no level buttons, the add-case button shown but disabled.
  EXPECT_FALSE(page.GetBackButton().IsWindowVisible());
  EXPECT_TRUE(page.GetAddCaseButton().IsWindowVisible());
  EXPECT_FALSE(page.GetAddCaseButton().IsWindowEnabled());
  EXPECT_EQ(page.GetTitle().GetText(), L"Add element type case");
}

TEST_F(FunctionEditorTest, LevelButtonsStepRoundTheDeclaredLevels) {
  XmlFunction& function = NewFunction(kKindContextSensitive);
  function.AddAction({L"Editable Poly", L"edge", 0, 1, 3});
  function.AddAction({L"Editable Poly", L"polygon", 0, 1, 3});
  FunctionEditorTab& page = MakePage(L"Editable Poly");
  EXPECT_EQ(page.GetCurrentLevel(), kEditorEdge);
  page.PreviousLevel();
  EXPECT_EQ(page.GetCurrentLevel(), kEditorPolygon);
  page.NextLevel();
  EXPECT_EQ(page.GetCurrentLevel(), kEditorEdge);
  EXPECT_EQ(page.GetTitle().GetText(), L"Edge Mode");
  page.SendMessage(WM_SELECT_LEVEL, 0, kPolygonLevelText);
  EXPECT_EQ(page.GetCurrentLevel(), kEditorPolygon);
  page.SendMessage(WM_SELECT_LEVEL, 0, 999);
  EXPECT_EQ(page.GetCurrentLevel(), kEditorPolygon);
}

TEST_F(FunctionEditorTest, EveryStoredChangeTellsThePageStrip) {
  XmlFunction& function = NewFunction(kKindContextSensitive);
  function.RemoveInput(L"No modifier");
  function.AddAction(kVertexTap);
  FunctionEditorTabs& strip = MakeStripInEditorWindow();
  ASSERT_EQ(strip.GetPageCount(), 2);
  strip.SetActiveTab(1);
  page_ = strip.GetPage(0);
  Expand(0, 3);
  Choose(3, kGroup, L"Main UI");
  Choose(3, kCategory, L"Edit");
  Choose(3, kAction, L"Hold");
  EXPECT_EQ(pageStrip_->senders, std::vector<LPARAM>(3, reinterpret_cast<LPARAM>(page_)));
  // Closing a page tells it too, so that the viewers drop the closed case.
  ClickCloseButtonOfActiveTab(strip);
  ASSERT_EQ(pageStrip_->senders.size(), 4U);
  EXPECT_EQ(pageStrip_->senders.back(), reinterpret_cast<LPARAM>(&strip));
  EXPECT_FALSE(function.HasInput(L"Editable Poly"));
}

TEST_F(FunctionEditorTest, AScriptForTheKeysOwnBehaviourKeepsThatGroup) {
  XmlFunction& function = NewFunction(kKindClassic);
  const CaseKeys shiftTap{L"3DSMax Classic", L"global", 0, 1, 7};
  function.AddAction(shiftTap);
  function.SetCaseGroup(shiftTap, kGroupOriginalKey);
  std::wstring scriptId;
  GetTalvo().GetCustomScripts()->AddScript(L"Nudge", L"move $ [1,0,0]", scriptId);
  RefreshScriptNames();
  MakePage(L"3DSMax Classic");
  Expand(0, 7);
  ASSERT_EQ(DropDown(5, kScript)->enabled, 1);
  Choose(5, kScript, L"Nudge");
  EXPECT_EQ(StoredGroup(function, shiftTap), kGroupOriginalKey);
  std::wstring stored;
  EXPECT_TRUE(function.GetCaseScript(shiftTap, stored));
  EXPECT_EQ(stored, scriptId);
}

}  // namespace
}  // namespace Talvo::testing
