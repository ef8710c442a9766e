#include <gtest/gtest.h>

#include <vector>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "test_windows.h"
#include "win32/simulation.h"

namespace {

using MenuTest = MfcTest;

// A context menu whose items draw themselves.
class SwatchMenu : public CMenu {
 public:
  std::vector<UINT> measured;
  std::vector<UINT> drawn;
  void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
    measured.push_back(mis->itemID);
    mis->itemWidth = 120;
    mis->itemHeight = 30;
  }
  void DrawItem(LPDRAWITEMSTRUCT dis) override {
    drawn.push_back(dis->itemID);
    HBRUSH brush = ::CreateSolidBrush(static_cast<COLORREF>(dis->itemData));
    ::FillRect(dis->hDC, &dis->rcItem, brush);
    ::DeleteObject(brush);
  }
};

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheMenu) {
  CWnd owner;
  ASSERT_TRUE(mfctest::CreatePopup(owner));
  SwatchMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_OWNERDRAW, 300, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(RGB(200, 0, 0))));
  menu.AppendMenu(MF_OWNERDRAW, 301, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(RGB(0, 0, 200))));
  winsim::Image shot;
  winsim::ObserveNextPopupMenu([&](HWND window, HMENU) { shot = winsim::CaptureWindow(window); });
  winsim::AnswerPopupMenu(0);
  EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 100, 100, &owner));
  EXPECT_EQ(menu.measured, (std::vector<UINT>{300, 301}));
  EXPECT_EQ(menu.drawn, (std::vector<UINT>{300, 301}));
  ASSERT_GT(shot.height, 60);
  // Each item is a 30-pixel row in its own colour.
  const int x = shot.width / 2;
  int redRows = 0, blueRows = 0;
  for (int y = 0; y < shot.height; ++y) {
    redRows += shot.Pixel(x, y) == RGB(200, 0, 0);
    blueRows += shot.Pixel(x, y) == RGB(0, 0, 200);
  }
  EXPECT_EQ(redRows, 30);
  EXPECT_EQ(blueRows, 30);
}

}  // namespace
