// Text that reads in both host themes: the contrast rule, the names fitted into a key's lines, the themed
// check box and the disabled text colour.
#include "controls/check_box.h"
#include "controls/key_caption_fit.h"
#include "controls/readable_colour.h"
#include "controls/visual_manager.h"
#include "controls_fixture.h"
#include "support/picture_measure.h"

namespace Talvo::testing {
namespace {

TEST(ReadableColour, ContrastFollowsTheLuminanceOfBothColours) {
  EXPECT_NEAR(ContrastRatio(RGB(0, 0, 0), RGB(255, 255, 255)), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(RGB(255, 255, 255), RGB(0, 0, 0)), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(RGB(119, 119, 119), RGB(255, 255, 255)), 4.48, 0.01);
  EXPECT_DOUBLE_EQ(ContrastRatio(RGB(40, 90, 200), RGB(40, 90, 200)), 1.0);
}

struct ReadableCase {
  COLORREF wanted;
  COLORREF background;
  double ratio;
  COLORREF expected;  // CLR_INVALID: some other colour, checked by ratio and direction
};

class ReadableOnTest : public ::testing::TestWithParam<ReadableCase> {};

TEST_P(ReadableOnTest, KeepsAReadableColourAndOtherwiseMovesItJustFarEnough) {
  const ReadableCase& c = GetParam();
  const COLORREF result = ReadableOn(c.wanted, c.background, c.ratio);
  if (c.expected != CLR_INVALID) {
    EXPECT_EQ(result, c.expected);
    return;
  }
  EXPECT_GE(ContrastRatio(result, c.background), c.ratio);
  // The nearest such colour: one step less would not do.
  const bool darker = GetRValue(result) < GetRValue(c.wanted);
  const int back = darker ? 1 : -1;
  const COLORREF lessMoved =
      RGB(GetRValue(result) + back, GetGValue(result) + back, GetBValue(result) + back);
  EXPECT_LT(ContrastRatio(lessMoved, c.background), c.ratio + 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ReadableOnTest,
    ::testing::Values(ReadableCase{RGB(20, 20, 20), RGB(232, 232, 232), kTextContrast, RGB(20, 20, 20)},
                      // the dark theme's group rows: light-grey text on mid grey moves towards black
                      ReadableCase{RGB(78, 78, 78), RGB(153, 153, 153), kTextContrast, CLR_INVALID},
                      // faint text on a dark background moves towards white
                      ReadableCase{RGB(110, 110, 110), RGB(68, 68, 68), kLargeTextContrast, CLR_INVALID},
                      // a ratio nothing reaches: the better of black and white
                      ReadableCase{RGB(128, 128, 128), RGB(128, 128, 128), 21.0, RGB(0, 0, 0)}));

TEST(ReadableColour, LargeTitlesNeedLessContrastThanText) {
  EXPECT_EQ(NeededContrast(12, false), kTextContrast);
  EXPECT_EQ(NeededContrast(-28, true), kLargeTextContrast);
  EXPECT_EQ(NeededContrast(19, true), kLargeTextContrast);
  EXPECT_EQ(NeededContrast(19, false), kTextContrast);
  EXPECT_EQ(NeededContrast(24, false), kLargeTextContrast);
}

// Every character 6 pixels wide.
int Monospace(const std::wstring& text) { return 6 * static_cast<int>(text.size()); }

struct LinesCase {
  const char* name;
  std::wstring text;
  int width;
  int maxLines;
  std::vector<std::wstring> lines;
};

class FitKeyLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(FitKeyLinesTest, BreaksAtBlanksAndEndsWhatIsLeftOverInAnEllipsis) {
  const LinesCase& c = GetParam();
  const std::vector<std::wstring> lines = FitKeyLines(c.text, c.width, c.maxLines, Monospace);
  EXPECT_EQ(lines, c.lines);
  for (const std::wstring& line : lines) EXPECT_LE(Monospace(line), c.width);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FitKeyLinesTest,
    ::testing::Values(LinesCase{"OneLine", L"Chamfer", 60, 2, {L"Chamfer"}},
                      LinesCase{"TwoWordsTwoLines", L"Editor Tour", 42, 2, {L"Editor", L"Tour"}},
                      LinesCase{"TooManyWords", L"New Function Of Mine", 42, 2, {L"New", L"Func..."}},
                      LinesCase{"WordsShareALine", L"A B C", 30, 1, {L"A B C"}},
                      LinesCase{"AWordWiderThanTheKey", L"Backspace", 36, 2, {L"Bac..."}},
                      LinesCase{"NoRoom", L"Tour", 42, 0, {}},
                      LinesCase{"NoText", L"", 42, 2, {}},
                      LinesCase{"BlanksAround", L"  Num  Lock ", 24, 2, {L"Num", L"Lock"}}),
    [](const ::testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

using ReadableControlsTest = ControlsTest;

TEST_F(ReadableControlsTest, TheDisabledTextColourIsFainterButReadableInBothThemes) {
  for (const AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    const COLORREF background = HostColor(kBackground);
    EXPECT_GE(ContrastRatio(HostDisabledTextColor(), background), kTextContrast) << theme;
    EXPECT_LT(ContrastRatio(HostDisabledTextColor(), background), ContrastRatio(HostColor(kControlText), background))
        << theme;
  }
}

TEST_F(ReadableControlsTest, TheCheckBoxPaintsItsBoxAndCheckInTheHostTheme) {
  CWnd* parent = CreateParent();
  CheckBox box;
  ASSERT_TRUE(box.Create(L"Learning Mode", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10, 10, 150, 30), parent, 7));
  box.SetCheck(BST_CHECKED);
  for (const AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    box.Invalidate();
    winsim::PumpMessages();
    const winsim::Image picture = winsim::CaptureWindow(box.m_hWnd);
    const int top = (20 - CheckBox::kBoxSize) / 2;
    // Inside the box: the window colour around a check in the text colour; beside it the page's background.
    EXPECT_EQ(picture.Pixel(1, top + 1), HostColor(kWindow)) << theme;
    EXPECT_EQ(picture.Pixel(CheckBox::kBoxSize + 1, 0), HostColor(kBackground)) << theme;
    EXPECT_GE(TextContrastIn(picture, RECT{1, top + 1, CheckBox::kBoxSize - 1, top + CheckBox::kBoxSize - 1}),
              kLargeTextContrast)
        << theme;
    // The caption reads on the background.
    EXPECT_GE(TextContrastIn(picture, RECT{CheckBox::kBoxSize + 2, 0, 140, 20}), kTextContrast) << theme;
    SaveThemedPicture(box.m_hWnd, "check_box");
  }
  // A click still flips the check as a check box's does.
  box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 10));
  box.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 10));
  EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);
}

}  // namespace
}  // namespace Talvo::testing
