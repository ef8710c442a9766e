#include "editing/function_viewer_tab.h"

#include "editing/viewer_case_text.h"
#include "editing/viewer_levels.h"
#include "function_editor_fixture.h"
#include "grid/grid_cell_editors.h"
#include "resources/dialogs/function_viewer_tab.h"

namespace Talvo::testing {
namespace {

class FunctionViewerTabTest : public FunctionEditorTest {
 protected:
  // A context-sensitive function with Editable Poly cases on three levels.
  XmlFunction* ContextFunction() {
    XmlFunction* function = AssignNewFunction(kKindContextSensitive);
    SetTableCase(*function, {L"Editable Poly", L"vertex", 0, 1, 3}, L"Extrude");
    SetTableCase(*function, {L"Editable Poly", L"vertex", 1, 2, 23}, L"Extrude");
    SetTableCase(*function, {L"Editable Poly", L"vertex", 3, 4, 31}, L"Extrude");
    SetTableCase(*function, {L"Editable Poly", L"edge", 0, 1, 3}, L"Gone", 999);
    SetTableCase(*function, {L"Editable Poly", L"polygon", 0, 1, 7}, L"Extrude");
    return function;
  }

  FunctionViewerTab& Page(int index) {
    FunctionViewerTab* page = viewerStrip_->GetPage(index);
    EXPECT_NE(page, nullptr);
    return *page;
  }

  static bool Visible(FunctionViewerTab& page, int id) { return ::IsWindowVisible(::GetDlgItem(page.m_hWnd, id)) != 0; }

  static int ValueKind(FunctionViewerTab& page, int row, int column) {
    auto* cell = dynamic_cast<GridCellEdit*>(page.GetGrid().GetCell(row, column));
    return cell != nullptr ? cell->valueKind : -1;
  }
};

TEST_F(FunctionViewerTabTest, CaseGridShowsTwoBlocksWithLabelsAndValues) {
  ContextFunction();
  MakeViewerStrip();
  FunctionViewerTab& page = Page(0);
  ASSERT_EQ(page.GetPageName(), L"Editable Poly");
  CTreeGridCtrl& grid = page.GetGrid();
  ASSERT_EQ(grid.GetRowCount(), 22);
  EXPECT_EQ(page.GetModeLabel().GetText(), L"Vertex Mode");
  EXPECT_EQ(grid.GetItemText(11, 0), L"If 1 vertex selected");
  EXPECT_EQ(grid.GetItemText(2, 2), L"Shift + Single Tap");

  // Selection 0, single tap, no modifier key; selection 1, double tap, Shift + Alt (group 2, pair 1).
  EXPECT_EQ(grid.GetItemText(2, 1), L"Extrude");
  EXPECT_EQ(ValueKind(page, 2, 1), kViewerValueTableAction);
  EXPECT_EQ(grid.GetItemText(11 + 8, 3), L"Extrude");
  EXPECT_EQ(ValueKind(page, 3, 1), kViewerValueNone);
  // Title rows carry no values; value editors are read-only.
  EXPECT_EQ(dynamic_cast<GridCellEdit*>(grid.GetCell(1, 1)), nullptr);
  auto* cell = dynamic_cast<GridCellEdit*>(grid.GetCell(2, 1));
  ASSERT_TRUE(cell != nullptr && cell->GetEditor() != nullptr);
  EXPECT_NE(::GetWindowLongPtrW(cell->GetEditor()->m_hWnd, GWL_STYLE) & ES_READONLY, 0);
}

TEST_F(FunctionViewerTabTest, LevelRingWrapsBothWaysAndSelectionStepsWithinZeroToThree) {
  ContextFunction();
  MakeViewerStrip();
  FunctionViewerTab& page = Page(0);
  page.NextLevel();
  EXPECT_EQ(page.GetGrid().GetItemText(0, 0), L"If 0 edge selected");
  EXPECT_EQ(page.GetGrid().GetItemText(2, 1), L"\u00ABmissing\u00BB");
  page.NextLevel();
  EXPECT_EQ(page.GetModeLabel().GetText(), L"Polygon Mode");
  EXPECT_EQ(page.GetGrid().GetItemText(2, 3), L"Extrude");
  page.NextLevel();  // past the last level: back to the first
  EXPECT_EQ(page.GetCurrentRingEntry(), L"vertex");
  page.PreviousLevel();  // before the first: the last
  EXPECT_EQ(page.GetLevelIcon().GetImage(), kLevelPolygon);
  page.NextLevel();  // back to the vertex level for the selection steps
  page.FewerSelected();
  EXPECT_EQ(page.GetSelectionIndex(), 0);

  page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_VIEWER_MORE_SELECTED, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(page.m_hWnd, IDC_VIEWER_MORE_SELECTED)));
  EXPECT_EQ(page.GetSelectionIndex(), 1);
  page.MoreSelected();
  page.MoreSelected();
  page.MoreSelected();
  EXPECT_EQ(page.GetSelectionIndex(), 3);
  ASSERT_EQ(page.GetGrid().GetRowCount(), 11);  // the last count has one block
  EXPECT_EQ(page.GetGrid().GetItemText(10, 7), L"Extrude");
  page.FewerSelected();
  EXPECT_EQ(page.GetGrid().GetRowCount(), 22);
}

TEST_F(FunctionViewerTabTest, NotContextSensitiveKindsHideSelectionButtons) {
  XmlFunction* function = AssignNewFunction(kKindMultiTapModifiersElements);
  SetTableCase(*function, {L"Editable Poly", L"vertex", 0, 1, 3}, L"Extrude");
  MakeViewerStrip();
  FunctionViewerTab& page = Page(0);
  EXPECT_FALSE(Visible(page, IDC_VIEWER_FEWER_SELECTED));
  EXPECT_FALSE(Visible(page, IDC_VIEWER_MORE_SELECTED));
  EXPECT_TRUE(Visible(page, IDC_VIEWER_NEXT_LEVEL));
  EXPECT_EQ(page.GetGrid().GetItemText(0, 0), L"Global [Not context sensitive]");
  EXPECT_TRUE(page.GetGrid().GetItemText(11, 0).empty());  // one block only
  page.MoreSelected();
  EXPECT_EQ(page.GetSelectionIndex(), 0);
}

TEST_F(FunctionViewerTabTest, NoModifierPageWithoutGlobalInputShowsObjects) {
  XmlFunction* function = AssignNewFunction(kKindContextSensitive);
  SetTableCase(*function, {L"No modifier", L"objects", 2, 1, 3}, L"Extrude");
  MakeViewerStrip();
  FunctionViewerTab& page = Page(0);
  ASSERT_EQ(page.GetPageName(), L"No modifier");
  EXPECT_EQ(page.GetShownKeyword(), L"objects");
  EXPECT_FALSE(Visible(page, IDC_VIEWER_PREVIOUS_LEVEL));
  EXPECT_FALSE(Visible(page, IDC_VIEWER_MODE));
  EXPECT_EQ(page.GetGrid().GetItemText(0, 0), L"If 0 object selected");
  page.MoreSelected();
  EXPECT_EQ(page.GetGrid().GetItemText(11, 0), L"If 2 objects selected");
  EXPECT_EQ(page.GetGrid().GetItemText(13, 1), L"Extrude");
}

TEST_F(FunctionViewerTabTest, UnwrapPageKeepsFourIconsAndShowsOverrideAsFourth) {
  XmlFunction* function = AssignNewFunction(kKindContextSensitive);
  SetTableCase(*function, {L"Unwrap UVW", L"edge", 0, 1, 3}, L"Extrude");
  MakeViewerStrip();
  FunctionViewerTab& page = Page(0);
  ASSERT_EQ(page.GetPageName(), L"Unwrap UVW");
  EXPECT_EQ(page.GetLevelIcon().GetImageCount(), 4);
  EXPECT_EQ(page.GetLevelCode(), kLevelEdge);  // the ring has no vertex level: its first entry
  EXPECT_EQ(page.GetLevelIcon().GetImage(), kLevelEdge);
}

TEST_F(FunctionViewerTabTest, ClassicGridHasFiveRowsOfSingleTaps) {
  XmlFunction* function = AssignNewFunction(kKindClassic);
  SetTableCase(*function, {L"3DSMax Classic", L"global", 0, 1, 11}, L"Extrude");
  std::wstring scriptId;
  GetTalvo().GetCustomScripts()->AddScript(L"Weld them", L"print 1", scriptId);
  RefreshScriptNames();
  const CaseKeys scripted{L"3DSMax Classic", L"global", 0, 1, 27};
  function->SetCaseGroup(scripted, L"Custom Code");
  function->SetCaseScript(scripted, scriptId);
  MakeViewerStrip();
  FunctionViewerTab& page = Page(0);
  CTreeGridCtrl& grid = page.GetGrid();
  ASSERT_EQ(grid.GetRowCount(), 5);
  EXPECT_EQ(grid.GetItemText(4, 6), L"Shift + Ctrl + Alt + Single Tap");
  EXPECT_EQ(grid.GetItemText(2, 5), L"Extrude");
  EXPECT_EQ(grid.GetItemText(4, 5), L"Weld them");
  EXPECT_EQ(ValueKind(page, 4, 5), kViewerValueCustomScript);
  // Cases without a command stay plain cells.
  EXPECT_EQ(dynamic_cast<GridCellEdit*>(grid.GetCell(2, 1)), nullptr);
  for (int id : {IDC_VIEWER_PREVIOUS_LEVEL, IDC_VIEWER_FEWER_SELECTED, IDC_VIEWER_LEVEL_ICON, IDC_VIEWER_MODE}) {
    EXPECT_FALSE(Visible(page, id)) << id;
  }
}

}  // namespace
}  // namespace Talvo::testing
