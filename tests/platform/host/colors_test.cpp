#include "host/colors.h"

#include <cstdlib>

#include "host_fixture.h"

namespace {

using ColorsTest = HostTest;

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

TEST_F(ColorsTest, TheProgramsColoursReadWellInBothThemes) {
  for (AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    hostsim::SetTheme(theme);
    const int background = Brightness(ColorMan()->GetColor(kBackground));
    const int text = Brightness(ColorMan()->GetColor(kControlText));
    EXPECT_GT(std::abs(background - text), 300) << theme;
    EXPECT_EQ(ColorMan()->GetAccentColor(), GetThemeColor(theme, kAccent));
  }
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
