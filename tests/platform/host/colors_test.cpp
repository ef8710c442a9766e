#include "host/colors.h"

#include <cstdlib>

#include "host_fixture.h"

namespace {

using ColorsTest = HostTest;

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

TEST_F(ColorsTest, BothPalettesDefineEveryIdAndTheyDiffer) {
  int differing = 0;
  for (ColorId id = 0; id < kColorCount; ++id) {
    const COLORREF light = GetThemeColor(kLightTheme, id);
    const COLORREF dark = GetThemeColor(kDarkTheme, id);
    EXPECT_EQ(light & 0xFF000000u, 0u) << id;
    EXPECT_EQ(dark & 0xFF000000u, 0u) << id;
    differing += light != dark;
  }
  EXPECT_GT(differing, kColorCount / 2);
  EXPECT_EQ(GetThemeColor(kLightTheme, kColorCount), RGB(0, 0, 0));
  EXPECT_EQ(GetThemeColor(kDarkTheme, -1), RGB(0, 0, 0));
}

TEST_F(ColorsTest, TheProgramsColoursReadWellInBothThemes) {
  for (AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    hostsim::SetTheme(theme);
    const int background = Brightness(ColorMan()->GetColor(kBackground));
    const int text = Brightness(ColorMan()->GetColor(kControlText));
    EXPECT_GT(std::abs(background - text), 300) << theme;
    EXPECT_NE(ColorMan()->GetColor(kAppWorkspace), ColorMan()->GetColor(kBackground));
    EXPECT_NE(ColorMan()->GetColor(kWindow), ColorMan()->GetColor(kControlText));
    EXPECT_EQ(ColorMan()->GetAccentColor(), GetThemeColor(theme, kAccent));
  }
  hostsim::SetTheme(kDarkTheme);
  EXPECT_LT(Brightness(ColorMan()->GetColor(kBackground)), Brightness(GetThemeColor(kLightTheme, kBackground)));
}

TEST_F(ColorsTest, BrushesAreSolidInTheThemesColourAndKeptPerTheme) {
  const HBRUSH light = ColorMan()->GetBrush(kBackground);
  ASSERT_NE(light, nullptr);
  EXPECT_EQ(ColorMan()->GetBrush(kBackground), light);
  LOGBRUSH info{};
  ASSERT_NE(GetObjectW(light, sizeof(info), &info), 0);
  EXPECT_EQ(info.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(info.lbColor, GetThemeColor(kLightTheme, kBackground));

  hostsim::SetTheme(kDarkTheme);
  const HBRUSH dark = ColorMan()->GetBrush(kBackground);
  EXPECT_NE(dark, light);
  EXPECT_EQ(GetObjectType(light), static_cast<DWORD>(OBJ_BRUSH)) << "the light brush stays valid";
  EXPECT_EQ(ColorMan()->GetBrush(kColorCount), nullptr);
}

TEST_F(ColorsTest, ResetReturnsToTheLightTheme) {
  hostsim::SetTheme(kDarkTheme);
  hostsim::Reset();
  EXPECT_EQ(ColorMan()->GetAppFrameColorTheme(), kLightTheme);
}

}  // namespace
