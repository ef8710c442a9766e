// Popup menus opened through the class library take the installed visual manager's look: its background,
// separators and text colours, and one separator between groups of items.
#include <gtest/gtest.h>

#include "afxwin.h"
#include "mfc_fixture.h"
#include "win32/simulation.h"

namespace {

constexpr COLORREF kMenuBack = RGB(50, 52, 54);
constexpr COLORREF kMenuText = RGB(230, 231, 232);
constexpr COLORREF kMenuGreyText = RGB(150, 151, 152);
constexpr COLORREF kMenuLine = RGB(120, 10, 10);

class DarkMenuManager : public CMFCVisualManager {
  DECLARE_DYNCREATE(DarkMenuManager)
 public:
  void OnFillPopupMenuBackground(CDC* pDC, CRect rect) override { pDC->FillSolidRect(&rect, kMenuBack); }
  void OnDrawPopupMenuSeparator(CDC* pDC, CRect rect) override {
    pDC->FillSolidRect(rect.left, rect.CenterPoint().y, rect.Width(), 1, kMenuLine);
  }
  COLORREF GetMenuItemTextColor(CMFCToolBarMenuButton*, BOOL, BOOL bDisabled) override {
    return bDisabled ? kMenuGreyText : kMenuText;
  }
};
IMPLEMENT_DYNCREATE(DarkMenuManager, CMFCVisualManager)

int CountPixels(const winsim::Image& image, COLORREF colour) {
  int count = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) count += image.Pixel(x, y) == colour ? 1 : 0;
  return count;
}

class PopupMenuLookTest : public MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                               nullptr));
  }
  void TearDown() override {
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CMFCVisualManager));
    owner.DestroyWindow();
    MfcTest::TearDown();
  }
  // The open menu as the user sees it, before the responder closes it.
  winsim::Image Shown(CMenu& menu) {
    winsim::Image shown;
    winsim::ObserveNextPopupMenu([&](HWND window, HMENU) { shown = winsim::CaptureWindow(window); });
    winsim::AnswerPopupMenu(0);
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 20, 20, &owner);
    return shown;
  }
  CWnd owner;
};

TEST_F(PopupMenuLookTest, TheInstalledManagerPaintsBackgroundTextAndSeparators) {
  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_STRING, 10, L"Copy");
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING | MF_GRAYED, 11, L"Paste");

  const winsim::Image plain = Shown(menu);
  ASSERT_GT(plain.height, 0);
  EXPECT_EQ(plain.Pixel(plain.width / 2, 3), ::GetSysColor(COLOR_MENU));

  CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(DarkMenuManager));
  const winsim::Image dark = Shown(menu);
  EXPECT_EQ(dark.Pixel(dark.width / 2, 3), kMenuBack);
  EXPECT_EQ(dark.Pixel(dark.width - 3, dark.height - 3), kMenuBack);
  EXPECT_EQ(CountPixels(dark, ::GetSysColor(COLOR_MENU)), 0);
  EXPECT_GT(CountPixels(dark, kMenuText), 0);      // "Copy"
  EXPECT_GT(CountPixels(dark, kMenuGreyText), 0);  // the greyed "Paste"
  EXPECT_GT(CountPixels(dark, kMenuLine), 10);
}

TEST_F(PopupMenuLookTest, SeparatorsAtTheEndsOrInARowTakeNoRoom) {
  CMenu tidy;
  ASSERT_TRUE(tidy.CreatePopupMenu());
  tidy.AppendMenu(MF_STRING, 10, L"Copy");
  tidy.AppendMenu(MF_SEPARATOR);
  tidy.AppendMenu(MF_STRING, 11, L"Paste");
  CMenu untidy;
  ASSERT_TRUE(untidy.CreatePopupMenu());
  untidy.AppendMenu(MF_SEPARATOR);
  untidy.AppendMenu(MF_STRING, 10, L"Copy");
  untidy.AppendMenu(MF_SEPARATOR);
  untidy.AppendMenu(MF_SEPARATOR);
  untidy.AppendMenu(MF_STRING, 11, L"Paste");
  untidy.AppendMenu(MF_SEPARATOR);
  untidy.AppendMenu(MF_SEPARATOR);

  CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(DarkMenuManager));
  const winsim::Image expected = Shown(tidy);
  const winsim::Image shown = Shown(untidy);
  EXPECT_EQ(shown.height, expected.height);
  EXPECT_EQ(CountPixels(shown, kMenuLine), CountPixels(expected, kMenuLine));  // one line, drawn once
}

}  // namespace
