// The pixels that matter on the function editor and the key page's viewer, measured from drawn pictures in
// both host themes: every heading and label shows whole inside its row and cell, the viewer's values sit
// beside their labels at their height, and group rows and titles keep the contrast text needs.
#include "editing/function_viewer_tab.h"
#include "editing/function_viewer_tabs.h"
#include "function_editor_fixture.h"
#include "grid/grid_cell_editors.h"
#include "support/picture_measure.h"

namespace Talvo::testing {
namespace {

const CaseKeys kVertexTap{L"Editable Poly", L"vertex", 0, 1, 3};
constexpr AppFrameColorTheme kThemes[] = {kLightTheme, kDarkTheme};

// The pixels of a window's client area as the screen shows them (child windows included).
winsim::Image ClientPicture(const CWnd& window) {
  CRect client;
  window.GetClientRect(&client);
  window.ClientToScreen(&client);
  return winsim::CaptureScreenRect(client);
}

CRect CellRect(CGridCtrl& grid, int row, int column) {
  CRect rect;
  EXPECT_TRUE(grid.GetCellRect(row, column, &rect)) << row << ", " << column;
  return CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
}

// A window's rectangle in the client coordinates of `parent`.
CRect RectIn(const CWnd& window, const CWnd& parent) {
  CRect rect;
  window.GetWindowRect(&rect);
  parent.ScreenToClient(&rect);
  return rect;
}

// The ink of a cell's text, against the cell's own main colour.
CRect CellInk(const winsim::Image& picture, const CRect& cell) {
  return InkBox(picture, cell, DominantColourIn(picture, cell));
}

// The width of a text in the font a cell draws with.
int TextWidth(CGridCtrl& grid, int row, int column, const std::wstring& text) {
  CClientDC dc(&grid);
  CFont* old = dc.SelectObject(grid.GetCell(row, column)->GetFontObject());
  const int width = dc.GetTextExtent(text).cx;
  dc.SelectObject(old);
  return width;
}

class PagePixelsTest : public FunctionEditorTest {
 protected:
  FunctionViewerTab& ViewerPage() {
    XmlFunction* function = AssignNewFunction(kKindContextSensitive);
    SetTableCase(*function, kVertexTap, L"Extrude");
    // Wide enough that fitting the columns to the window gives the value columns more than their 140 pixels.
    host_->SetWindowPos(nullptr, 0, 0, 1900, 760, SWP_NOZORDER | SWP_NOMOVE);
    MakeViewerStrip();
    FunctionViewerTab* page = viewerStrip_->GetPage(0);
    EXPECT_NE(page, nullptr);
    return *page;
  }
};

TEST_F(PagePixelsTest, ViewerLabelsAndValuesSitSideBySideAfterEveryRefreshInBothThemes) {
  FunctionViewerTab& page = ViewerPage();
  CTreeGridCtrl& grid = page.GetGrid();
  for (const AppFrameColorTheme theme : kThemes) {
    SetTheme(theme);
    for (int i = 0; i < viewerStrip_->GetPageCount(); ++i) viewerStrip_->GetPage(i)->FollowHostTheme();
    winsim::PumpMessages();
    const winsim::Image picture = ClientPicture(grid);
    for (int row : {2, 3, 4, 5, 7, 8, 9, 10}) {
      for (int pair = 0; pair < 4; ++pair) {
        const CRect label = CellRect(grid, row, 2 * pair);
        const CRect value = CellRect(grid, row, 2 * pair + 1);
        auto* cell = dynamic_cast<GridCellEdit*>(grid.GetCell(row, 2 * pair + 1));
        ASSERT_TRUE(cell != nullptr && cell->GetEditor() != nullptr) << row << ", " << pair;
        // The value's field lies on its own cell, clear of the label beside it.
        const CRect field = RectIn(*cell->GetEditor(), grid);
        EXPECT_GE(field.left, value.left) << theme << " row " << row << " pair " << pair;
        EXPECT_LE(field.right, value.right) << theme << " row " << row << " pair " << pair;
        // The label's text shows whole inside its cell.
        const CRect ink = CellInk(picture, label);
        EXPECT_GT(ink.Width(), 0);
        EXPECT_LE(ink.right, label.right) << theme << " row " << row << " pair " << pair;
        EXPECT_LE(ink.right, field.left) << theme << " row " << row << " pair " << pair;
      }
    }
    // "Extrude" reads at the height of its label "Single Tap" (both start with a capital).
    const CRect labelInk = CellInk(picture, CellRect(grid, 2, 0));
    const CRect field = RectIn(*dynamic_cast<GridCellEdit*>(grid.GetCell(2, 1))->GetEditor(), grid);
    const CRect valueInk = InkBox(picture, field, DominantColourIn(picture, field));
    EXPECT_LE(std::abs(valueInk.top - labelInk.top), 1) << theme;
  }
}

TEST_F(PagePixelsTest, ViewerHeadingsGroupRowsAndLevelCaptionReadInBothThemes) {
  FunctionViewerTab& page = ViewerPage();
  CTreeGridCtrl& grid = page.GetGrid();
  for (const AppFrameColorTheme theme : kThemes) {
    SetTheme(theme);
    for (int i = 0; i < viewerStrip_->GetPageCount(); ++i) viewerStrip_->GetPage(i)->FollowHostTheme();
    winsim::PumpMessages();
    const winsim::Image picture = ClientPicture(grid);
    // The block's header and its two group rows ("Tap" ... and "Shift + Ctrl + Tap" ...).
    EXPECT_GE(TextContrastIn(picture, CellRect(grid, 0, 0)), kTextContrast) << theme;
    for (int row : {1, 6}) {
      for (int pair = 0; pair < 4; ++pair) {
        const CRect label = CellRect(grid, row, 2 * pair);
        EXPECT_GE(TextContrastIn(picture, label), kTextContrast) << theme << " row " << row << " pair " << pair;
        EXPECT_LE(CellInk(picture, label).right, label.right + CellRect(grid, row, 2 * pair + 1).Width());
      }
    }
    // The level caption is a title in the page's 28-pixel font: its capitals stand about 20 pixels high.
    const winsim::Image caption = ClientPicture(page.GetModeLabel());
    const CRect captionRect(0, 0, caption.width, caption.height);
    const CRect ink = InkBox(caption, captionRect, DominantColourIn(caption, captionRect));
    EXPECT_GE(ink.Height(), 18) << theme;
    EXPECT_GE(TextContrastIn(caption, captionRect), kLargeTextContrast) << theme;
    SaveThemedPicture(page.m_hWnd, "viewer_page");
  }
}

TEST_F(PagePixelsTest, ClassicViewerGridGetsThePagesImageList) {
  XmlFunction* function = AssignNewFunction(kKindClassic);
  ASSERT_NE(function, nullptr);
  MakeViewerStrip();
  FunctionViewerTab* page = viewerStrip_->GetPage(0);
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->GetPageName(), L"3DSMax Classic");
  EXPECT_NE(page->GetGrid().GetImageList(), nullptr);
}

TEST_F(PagePixelsTest, AModePageHasOneAddModifierCaseTitleWithTheModeButtonInItsBlanks) {
  NewFunction(kKindSingleTap);
  FunctionEditorTabs& strip = MakeStrip();
  ASSERT_EQ(strip.GetTabsNum(), 2);
  // The "+" tab shows only its icon, with its label as the tooltip.
  EXPECT_TRUE(strip.IsTabIconOnly(0));
  EXPECT_EQ(strip.GetTabToolTip(0), L"Add Modifier Case");
  ASSERT_NE(strip.GetModeButton(), nullptr);
  const CRect button = RectIn(*strip.GetModeButton(), strip);
  CRect tab;
  ASSERT_TRUE(strip.GetTabRect(1, tab));
  EXPECT_TRUE(tab.PtInRect(button.TopLeft()) && tab.PtInRect(CPoint(button.right - 1, button.bottom - 1)));
  // The title's text starts after the button.
  CClientDC dc(&strip);
  EXPECT_GE(dc.GetTextExtent(std::wstring(L"    ")).cx + strip.GetTabContentRect(1).left, button.right - 1);
}

TEST_F(PagePixelsTest, EditorHeadingsRunOverTheirRowAndLabelsShowWholeInBothThemes) {
  XmlFunction& function = NewFunction(kKindContextSensitive);
  function.AddAction(kVertexTap);
  FunctionEditorTab& page = MakePage(L"Editable Poly");
  Expand(0, 3);
  CTreeGridCtrl& grid = page.GetGrid();
  ASSERT_TRUE(RowShown(3));
  CRect client;
  grid.GetClientRect(&client);
  for (const AppFrameColorTheme theme : kThemes) {
    SetTheme(theme);
    page.FollowHostTheme();
    Expand(0, 3);
    const winsim::Image picture = ClientPicture(grid);
    // Row 0's heading, wider than its column, runs on over the empty cells and shows whole.
    const std::wstring heading = grid.GetItemText(0, 2);
    const CRect headingCell = CellRect(grid, 0, 2);
    const CRect headingRow(headingCell.left, headingCell.top, client.right, headingCell.bottom);
    const CRect headingInk = CellInk(picture, headingRow);
    EXPECT_GE(headingInk.Width(), TextWidth(grid, 0, 2, heading) - 3) << theme;
    EXPECT_LT(headingInk.right, client.right) << theme;
    // The group row "Tap" (row 2) reads on its shade.
    EXPECT_GE(TextContrastIn(picture, CellRect(grid, 2, 2)), kTextContrast) << theme;
    // The tap row's labels, colons included, lie whole inside their cells.
    for (int column : {3, 5, 7, 9}) {
      const CRect cell = CellRect(grid, 3, column);
      const CRect ink = CellInk(picture, cell);
      std::wstring label = grid.GetItemText(3, column);
      while (!label.empty() && label.front() == L' ') label.erase(label.begin());
      while (!label.empty() && label.back() == L' ') label.pop_back();
      EXPECT_EQ(label.back(), L':');
      EXPECT_LE(ink.right, cell.right) << theme << " column " << column;
      EXPECT_GE(ink.Width(), TextWidth(grid, 3, column, label) - 3) << theme << " column " << column;
    }
    // The script buttons of a case without custom code are disabled, in the theme's icons, and still stand
    // out from the cell as icons need.
    GridCellDropDown* script = DropDown(3, 10);
    ASSERT_TRUE(script != nullptr && !script->GetButtons().empty());
    for (const auto& button : script->GetButtons()) {
      ASSERT_FALSE(button->IsWindowEnabled());
      EXPECT_EQ(button->ImagePath(0).find(L"IconsDark/") != std::wstring::npos, theme == kDarkTheme) << theme;
      const winsim::Image icon = ClientPicture(*button);
      EXPECT_GE(TextContrastIn(icon, CRect(0, 0, icon.width, icon.height)), kLargeTextContrast) << theme;
    }
    // The page's title reads as a large title.
    const winsim::Image title = ClientPicture(page.GetTitle());
    EXPECT_GE(TextContrastIn(title, CRect(0, 0, title.width, title.height)), kLargeTextContrast) << theme;
    SaveThemedPicture(page.m_hWnd, "function_editor_page");
  }
}

}  // namespace
}  // namespace Talvo::testing
