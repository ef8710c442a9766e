// Open popup menus painted by an installed painter: its colours instead of the system's, and, when it asks,
// no room for separators at either end or in a row.
#include "win32_fixture.h"

namespace {

constexpr COLORREF kBack = RGB(30, 31, 32);
constexpr COLORREF kLine = RGB(200, 20, 20);

class MenuPainterTest : public Win32Test {
 protected:
  void TearDown() override {
    winsim::SetPopupMenuPainter({});
    Win32Test::TearDown();
  }
  // The open menu's height, and how many pixels of it have the colour.
  std::pair<int, int> Shown(HMENU menu, COLORREF colour) {
    HWND owner = TopLevel(0, 0, 200, 100);
    winsim::Image image;
    winsim::ObserveNextPopupMenu([&](HWND window, HMENU) { image = winsim::CaptureWindow(window); });
    winsim::AnswerPopupMenu(0);
    TrackPopupMenuEx(menu, TPM_RETURNCMD, 10, 10, owner, nullptr);
    DestroyWindow(owner);
    int count = 0;
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) count += image.Pixel(x, y) == colour ? 1 : 0;
    return {image.height, count};
  }
  static HMENU Menu(std::initializer_list<const wchar_t*> items) {
    HMENU menu = CreatePopupMenu();
    UINT id = 1;
    for (const wchar_t* text : items) AppendMenuW(menu, text ? MF_STRING : MF_SEPARATOR, text ? id++ : 0, text);
    return menu;
  }
};

TEST_F(MenuPainterTest, ThePainterChoosesTheColoursAndMayHideExtraSeparators) {
  HMENU tidy = Menu({L"Copy", nullptr, L"Paste"});
  HMENU untidy = Menu({nullptr, L"Copy", nullptr, nullptr, L"Paste", nullptr});
  const auto [systemHeight, systemLines] = Shown(untidy, GetSysColor(COLOR_3DSHADOW));
  EXPECT_GT(systemHeight, Shown(tidy, kBack).first);  // without a painter every separator has its row
  EXPECT_GT(systemLines, 0);

  winsim::PopupMenuPainter painter;
  painter.fillBackground = [](HDC dc, const RECT& client) {
    HBRUSH brush = CreateSolidBrush(kBack);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
  };
  painter.drawSeparator = [](HDC dc, const RECT& row) {
    RECT line{row.left, row.top + 2, row.right, row.top + 3};
    HBRUSH brush = CreateSolidBrush(kLine);
    FillRect(dc, &line, brush);
    DeleteObject(brush);
  };
  winsim::SetPopupMenuPainter(painter);
  const auto [tidyHeight, tidyLines] = Shown(tidy, kLine);
  EXPECT_EQ(Shown(untidy, kLine), std::make_pair(systemHeight, tidyLines * 4));
  EXPECT_GT(Shown(tidy, kBack).second, 0);

  painter.hideExtraSeparators = true;
  winsim::SetPopupMenuPainter(painter);
  EXPECT_EQ(Shown(untidy, kLine), std::make_pair(tidyHeight, tidyLines));
  DestroyMenu(tidy);
  DestroyMenu(untidy);
}

}  // namespace
