// The "General" page of the options dialog: the rows it builds from the options document, the check cells
// and the tap-threshold editor, the keys it swallows, and the page switching of the tab control.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/tree_grid_cell.h"
#include "model/string_table.h"
#include "options_fixture.h"
#include "resources/dialogs/options_editor_tab.h"

namespace Talvo::testing {
namespace {

using OptionsEditorTabTest = OptionsDialogTest;

// The screen point at the centre of a cell's check box (the grid must have been painted).
POINT CheckBoxCentre(CGridCtrl& grid, int row) {
  auto* check = dynamic_cast<CGridCellCheck*>(grid.GetCell(row, 1));
  const CRect box = check->GetCheckPlacement();
  POINT point{box.CenterPoint().x, box.CenterPoint().y};
  ::ClientToScreen(grid.m_hWnd, &point);
  return point;
}

TEST_F(OptionsEditorTabTest, TheGridListsTheOptionsAndTheTapThreshold) {
  TapWindow = 450;
  RunDialog([&](OptionsDlg& dialog, HWND) {
    OptionsEditorTab& page = Page(dialog);
    OptionsGridCtrl& grid = Grid(dialog);
    // Five options of the default document and the threshold.
    ASSERT_EQ(grid.GetRowCount(), 6);
    ASSERT_EQ(grid.GetColumnCount(), 2);
    EXPECT_EQ(page.GetThresholdRow(), 5);

    // "learningoff" keeps an empty row.
    EXPECT_EQ(grid.GetItemText(0, 0), L"");
    EXPECT_EQ(dynamic_cast<CGridCellCheck*>(grid.GetCell(0, 1)), nullptr);
    // The others show their titles and checks as stored.
    EXPECT_EQ(grid.GetItemText(1, 0), L"Switch Quillon off");
    auto* deactivate = dynamic_cast<CTreeGridCellCheck*>(grid.GetCell(1, 1));
    ASSERT_NE(deactivate, nullptr);
    EXPECT_FALSE(deactivate->GetCheck());
    auto* overrideShortcuts = dynamic_cast<CTreeGridCellCheck*>(grid.GetCell(4, 1));
    ASSERT_NE(overrideShortcuts, nullptr);
    EXPECT_TRUE(overrideShortcuts->GetCheck());

    // The last row edits the tap window in a spin editor that is shown.
    EXPECT_EQ(grid.GetItemText(5, 0), GetString(264));
    auto* threshold = dynamic_cast<GridCellSpinEdit*>(grid.GetCell(5, 1));
    ASSERT_NE(threshold, nullptr);
    ASSERT_NE(threshold->GetSpinEdit(), nullptr);
    EXPECT_EQ(threshold->GetSpinEdit()->GetIntValue(), 450);
    EXPECT_TRUE(threshold->GetSpinEdit()->IsWindowVisible());

    // Layout: the grid fills the page less 5 pixels; the value column is 120 wide, the title column the rest,
    // so that no horizontal scroll bar shows.
    CRect pageClient;
    page.GetClientRect(&pageClient);
    CRect gridRect;
    grid.GetWindowRect(&gridRect);
    page.ScreenToClient(&gridRect);
    EXPECT_EQ(gridRect, CRect(5, 5, pageClient.right - 5, pageClient.bottom - 5));
    CRect gridClient;
    grid.GetClientRect(&gridClient);
    EXPECT_EQ(grid.GetColumnWidth(0), gridClient.Width() - 120);
    EXPECT_EQ(grid.GetStyle() & WS_HSCROLL, 0U);
    EXPECT_EQ(grid.GetColumnWidth(1), 120);

    // The page sits below the tab in the tab control's display area.
    CRect item;
    ASSERT_TRUE(dialog.GetTabs().GetItemRect(0, &item));
    CRect tabsClient;
    dialog.GetTabs().GetClientRect(&tabsClient);
    CRect pageRect;
    page.GetWindowRect(&pageRect);
    dialog.GetTabs().ScreenToClient(&pageRect);
    EXPECT_EQ(pageRect, CRect(item.left + 3, item.bottom + 4, tabsClient.right - 1, tabsClient.bottom - 4));

    // Showing the options changes nothing in the document.
    EXPECT_TRUE(Options().IsSaved());
  });
}

TEST_F(OptionsEditorTabTest, FillingChangesNothingAndAddsAMissingNoVerbositySwitch) {
  const std::string withoutSwitch =
      "<talvooptions><general>"
      "<option name=\"deactivate\" value=\"1\" title=\"Off\"/>"
      "<option name=\"allcategories\" value=\"0\" title=\"All\"/>"
      "</general><tapthreshold value=\"300\"/></talvooptions>";
  ASSERT_EQ(Options().Parse(withoutSwitch), kXmlOk);
  const std::filesystem::path file = Options().GetFilePath();
  ASSERT_TRUE(Options().Save());
  RunDialog([&](OptionsDlg& dialog, HWND) {
    OptionsGridCtrl& grid = Grid(dialog);
    ASSERT_EQ(grid.GetRowCount(), 4);
    EXPECT_TRUE(Options().HasOption(kOptionsGeneral, L"noverbosity"));
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"noverbosity"), 0);
    auto* added = dynamic_cast<CGridCellCheck*>(grid.GetCell(2, 1));
    ASSERT_NE(added, nullptr);
    EXPECT_FALSE(added->GetCheck());
    // The stored checks were shown without being written back as changes.
    EXPECT_TRUE(dynamic_cast<CGridCellCheck*>(grid.GetCell(0, 1))->GetCheck());
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"deactivate"), 1);
  });
}

TEST_F(OptionsEditorTabTest, ClickingACheckBoxSwitchesTheOptionAndTheListenerSwitch) {
  RunDialog([&](OptionsDlg& dialog, HWND) {
    OptionsGridCtrl& grid = Grid(dialog);
    winsim::CaptureWindow(grid.m_hWnd);  // paints, so the cells know where their boxes are
    const POINT box = CheckBoxCentre(grid, 3);
    winsim::Click(box.x, box.y);
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"noverbosity"), 1);
    EXPECT_TRUE(NoVerbosity);
    EXPECT_FALSE(Options().IsSaved());

    // A click outside the box of the selected cell leaves it alone; a second click on the box clears it.
    CRect cell;
    grid.GetCellRect(3, 1, &cell);
    POINT away{cell.right - 10, cell.CenterPoint().y};
    ::ClientToScreen(grid.m_hWnd, &away);
    winsim::Click(away.x, away.y);
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"noverbosity"), 1);
    winsim::Click(box.x, box.y);
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"noverbosity"), 0);
    EXPECT_FALSE(NoVerbosity);

    // A change message that names no check cell of the grid does nothing.
    CGridCellCheck stranger;
    Page(dialog).SendMessage(WM_GRID_CHECK_CHANGED, 0, reinterpret_cast<LPARAM>(&stranger));
    Page(dialog).SendMessage(WM_GRID_CHECK_CHANGED, 0, 0);
    EXPECT_EQ(Options().GetOption(kOptionsGeneral, L"noverbosity"), 0);
  });
}

TEST_F(OptionsEditorTabTest, TheThresholdEditorStoresTheTapWindow) {
  RunDialog([&](OptionsDlg& dialog, HWND) {
    OptionsGridCtrl& grid = Grid(dialog);
    auto* threshold = dynamic_cast<GridCellSpinEdit*>(grid.GetCell(5, 1));
    ASSERT_NE(threshold, nullptr);
    CellSpinEdit* editor = threshold->GetSpinEdit();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetIntValue(), 300);

    // The user's edit, as the editor reports it.
    editor->SetUserValue(640);
    editor->FinishUserEdit(300);
    EXPECT_EQ(TapWindow, 640);
    EXPECT_EQ(Options().GetTapThreshold(), 640);
    EXPECT_EQ(threshold->value, 640);

    // The editor clamps to 50..1000.
    editor->SetUserValue(5000);
    editor->FinishUserEdit(640);
    EXPECT_EQ(TapWindow, 1000);

    // A report that names another cell or another editor is ignored.
    grid.SendMessage(NEN_CHANGED, MAKEWPARAM(5, 1), 0x1234);
    grid.SendMessage(NEN_CHANGED, MAKEWPARAM(2, 1), reinterpret_cast<LPARAM>(editor));
    grid.SendMessage(NEN_CHANGED, MAKEWPARAM(99, 7), reinterpret_cast<LPARAM>(editor));
    EXPECT_EQ(TapWindow, 1000);
    EXPECT_EQ(Options().GetTapThreshold(), 1000);
  });
}

TEST_F(OptionsEditorTabTest, EnterAndEscapeInsideThePageNeverCloseTheDialog) {
  RunDialog([&](OptionsDlg& dialog, HWND window) {
    OptionsGridCtrl& grid = Grid(dialog);
    grid.SetFocus();
    grid.SetFocusCell(1, 1);
    winsim::KeyPress(VK_RETURN);
    winsim::KeyPress(VK_ESCAPE);
    EXPECT_TRUE(::IsWindowVisible(window));
    // Other keys reach the grid.
    winsim::KeyPress(VK_DOWN);
    EXPECT_EQ(grid.GetFocusCell().row, 2);

    // In the threshold editor's text part too.
    auto* threshold = dynamic_cast<GridCellSpinEdit*>(grid.GetCell(5, 1));
    threshold->GetSpinEdit()->GetTextPart().SetFocus();
    winsim::KeyPress(VK_ESCAPE);
    winsim::KeyPress(VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(window));

    // The page takes both keys before they are translated; other keys and other windows' keys go on.
    MSG escape{grid.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    MSG enter{grid.m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    MSG elsewhere{::GetDlgItem(window, IDC_OPTIONS_RESET), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(Page(dialog).PreTranslateMessage(&escape));
    EXPECT_TRUE(Page(dialog).PreTranslateMessage(&enter));
    EXPECT_FALSE(Page(dialog).PreTranslateMessage(&elsewhere));
    EXPECT_EQ(grid.GetFocusCell().row, 2);

    // Escape on a button of the dialog itself closes it.
    ::SetFocus(::GetDlgItem(window, IDC_OPTIONS_RESET));
    winsim::KeyPress(VK_ESCAPE);
    EXPECT_FALSE(::IsWindowVisible(window));
  });
}

TEST_F(OptionsEditorTabTest, ClickingAnotherTabShowsItsPage) {
  OptionsDlg dialog(parent_);
  auto second = std::make_unique<OptionsEditorTab>();
  OptionsEditorTab* secondPage = second.get();
  ASSERT_EQ(dialog.GetTabs().AddPage(std::move(second)), 1);
  winsim::AnswerModalDialog(IDD_OPTIONS, [&](HWND window) {
    OptionsTabs& tabs = dialog.GetTabs();
    ASSERT_TRUE(secondPage->Create(IDD_OPTIONS_EDITOR, &tabs));
    tabs.InsertItem(1, L"Second");
    tabs.PlacePage(1);
    secondPage->ShowWindow(SW_HIDE);
    EXPECT_EQ(tabs.GetShownPage(), 0);

    CRect item;
    ASSERT_TRUE(tabs.GetItemRect(1, &item));
    POINT point = item.CenterPoint();
    tabs.ClientToScreen(&point);
    winsim::Click(point.x, point.y);
    EXPECT_EQ(tabs.GetShownPage(), 1);
    EXPECT_TRUE(secondPage->IsWindowVisible());
    EXPECT_FALSE(dialog.GetEditorTab()->IsWindowVisible());

    // A click on the tab already shown changes nothing.
    winsim::Click(point.x, point.y);
    EXPECT_EQ(tabs.GetShownPage(), 1);
    ::EndDialog(window, IDCANCEL);
  });
  dialog.DoModal();
  EXPECT_EQ(dialog.GetTabs().GetPage(2), nullptr);
  EXPECT_EQ(dialog.GetTabs().GetPage(-1), nullptr);
}

}  // namespace
}  // namespace Talvo::testing
