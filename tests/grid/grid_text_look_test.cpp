// What a grid's texts look like on the screen: a text runs on over the blank cells to its right and ends in an
// ellipsis where it still does not fit, every text keeps the contrast it needs on its cell's background, and
// the tree lines take the host's text colour, also after the host changes its theme.
#include "grid/grid_cell.h"
#include "grid/tree_grid_ctrl.h"
#include "support/picture_measure.h"
#include "tree_grid_fixture.h"

namespace Talvo::testing {
namespace {

constexpr COLORREF kPaper = RGB(230, 230, 230);
constexpr COLORREF kInk = RGB(20, 20, 20);
constexpr const wchar_t* kLongText = L"A heading far wider than its own column";

class GridTextLookTest : public TreeGridTest {
 protected:
  // One row of four 80-pixel columns with a long text in column 0 and what the other columns get.
  CGridCtrl* MakeRow(const wchar_t* second) {
    CGridCtrl* grid = MakeSizedGrid(1, 4, 80, 24);
    grid->SetGridLines(GVL_NONE);
    grid->SetGridBkColor(kPaper);
    grid->GetDefaultCell(FALSE, FALSE)->SetBackClr(kPaper);
    grid->GetDefaultCell(FALSE, FALSE)->SetTextClr(kInk);
    grid->SetItemText(0, 0, kLongText);
    if (second != nullptr) grid->SetItemText(0, 1, second);
    grid->Invalidate();
    winsim::PumpMessages();
    return grid;
  }
};

struct SpanCase {
  const char* name;
  const wchar_t* second;  // the text of column 1
  COLORREF secondBack;    // CLR_DEFAULT: the row's own background
  bool runsOn;            // column 0's text shows beyond its column
};

class GridTextSpanTest : public GridTextLookTest, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(GridTextSpanTest, ATextRunsOnOnlyOverBlankCellsOfItsBackground) {
  const SpanCase& c = GetParam();
  CGridCtrl* grid = MakeRow(c.second);
  if (c.secondBack != CLR_DEFAULT) {
    grid->SetItemBkColour(0, 1, c.secondBack);
    grid->Invalidate();
    winsim::PumpMessages();
  }
  const winsim::Image picture = ClientPicture(*grid);
  // The ink right of column 0 (in column 1, where a text of its own would start only after the margin).
  const RECT beyond = InkBox(picture, RECT{80, 0, 84, 24}, c.secondBack != CLR_DEFAULT ? c.secondBack : kPaper);
  EXPECT_EQ(beyond.right > beyond.left, c.runsOn);
  // However far it runs, the text stays inside the row and ends before the grid's last column ends.
  const RECT ink = InkBox(picture, RECT{0, 0, 320, 24}, kPaper);
  EXPECT_GE(ink.top, 0);
  EXPECT_LE(ink.bottom, 24);
  EXPECT_LT(ink.right, 320);
}

INSTANTIATE_TEST_SUITE_P(
    Neighbours, GridTextSpanTest,
    ::testing::Values(SpanCase{"BlankCells", nullptr, CLR_DEFAULT, true},
                      SpanCase{"ACellWithText", L"x", CLR_DEFAULT, false},
                      SpanCase{"ABlankCellOfAnotherColour", nullptr, RGB(120, 160, 200), false}),
    [](const ::testing::TestParamInfo<SpanCase>& info) { return std::string(info.param.name); });

TEST_F(GridTextLookTest, ATextThatStillDoesNotFitEndsInAnEllipsisInsideItsCell) {
  CGridCtrl* grid = MakeRow(L"x");
  const winsim::Image picture = ClientPicture(*grid);
  const RECT ink = InkBox(picture, RECT{0, 0, 80, 24}, kPaper);
  EXPECT_LE(ink.right, 80);
  // An ellipsis ends the line in dots on the text's middle height: the last columns of ink are low and short.
  int lastColumnInk = 0;
  for (int y = 0; y < 24; ++y) lastColumnInk += picture.Pixel(ink.right - 1, y) != kPaper ? 1 : 0;
  EXPECT_LE(lastColumnInk, 3);
}

TEST_F(GridTextLookTest, ATextColourTooCloseToItsBackgroundIsDrawnReadable) {
  struct Case {
    COLORREF back;
    COLORREF text;
  };
  for (const Case c : {Case{RGB(153, 153, 153), RGB(78, 78, 78)}, Case{RGB(68, 68, 68), RGB(110, 110, 110)},
                       Case{RGB(232, 232, 232), RGB(200, 200, 200)}}) {
    CGridCtrl* grid = MakeRow(L"");
    grid->SetItemText(0, 0, L"Tap");
    grid->SetItemBkColour(0, 0, c.back);
    grid->SetItemFgColour(0, 0, c.text);
    grid->Invalidate();
    winsim::PumpMessages();
    EXPECT_GE(TextContrastIn(ClientPicture(*grid), RECT{0, 0, 80, 24}), kTextContrast) << std::hex << c.text;
  }
}

TEST_F(GridTextLookTest, TreeConnectorsOfTheDefaultColourAreDottedInTheHostTextColourAndFollowItsTheme) {
  for (const AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(kLightTheme);
    CTreeGridCtrl* grid = MakeTreeGrid();
    grid->m_crConnector = CLR_DEFAULT;
    MakeSampleTree(*grid);
    SetTheme(theme);  // a grid made in the light theme draws in the theme the host has now
    grid->Invalidate();
    winsim::PumpMessages();
    const winsim::Image picture = ClientPicture(*grid);
    const COLORREF text = ColorMan()->GetColor(kControlText);
    // Row 1's connector (y 28, x 57..72): the dotted pen's dots in the host's text colour, runs of a few
    // pixels with gaps between (the alternate pen would set single pixels).
    int dots = 0;
    int run = 0;
    int longestRun = 0;
    for (int x = 57; x <= 72; ++x) {
      const bool dot = picture.Pixel(x, 28) == text;
      dots += dot ? 1 : 0;
      run = dot ? run + 1 : 0;
      longestRun = std::max(longestRun, run);
    }
    EXPECT_GE(dots, 4) << theme;
    EXPECT_LE(dots, 12) << theme;
    EXPECT_GE(longestRun, 2) << theme;
    // The vertical lines kept the colour they were made with only while the host kept it.
    EXPECT_EQ(grid->m_crVertLine, text) << theme;
    grids_.clear();
  }
}

}  // namespace
}  // namespace Talvo::testing
