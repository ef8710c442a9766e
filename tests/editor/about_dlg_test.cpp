// The about box: its texts, its logo, its link to the maker's web page and closing it.
#include <windows.h>
#include <win32/simulation.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/controls_fixture.h"
#include "editor/about_dlg.h"
#include "editor/logo_bitmap.h"
#include "editor/product_info.h"
#include "editor_test_helpers.h"
#include "resources/dialogs/about_dlg.h"

namespace Talvo {
namespace {

using testing::ControlsTest;
using testing::TextOf;

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (GetObjectW(bitmap, sizeof info, &info) == 0) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

void PressButton(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }

class AboutDlgTest : public ControlsTest {
 protected:
  // Runs the about box as the editor does; `look` sees it open and closes it.
  INT_PTR RunAbout(winsim::DialogAnswer look) {
    CWnd* parent = CreateParent(600, 600, 50, 50);
    winsim::AnswerModalDialog(IDD_ABOUT, std::move(look));
    AboutDlg dialog(parent);
    return dialog.DoModal();
  }
};

TEST_F(AboutDlgTest, ShowsTheVersionLineTheLogoAndTheLinkEveryTimeItOpens) {
  winsim::ClearShellExecuteLog();
  for (int opening = 0; opening < 2; ++opening) {
    HBITMAP shown = nullptr;
    const INT_PTR result = RunAbout([&](HWND dialog) {
      EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_ABOUT_VERSION)), L"version: 2.0.00");
      EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_ABOUT_LINK)), kMakerWebPageText);
      shown = reinterpret_cast<HBITMAP>(SendDlgItemMessageW(dialog, IDC_ABOUT_LOGO, STM_GETIMAGE, IMAGE_BITMAP, 0));
      const SIZE size = BitmapSize(shown);
      EXPECT_EQ(size.cx, LogoBitmap::kWidth);
      EXPECT_EQ(size.cy, LogoBitmap::kHeight);
      // The link opens the maker's page and leaves the dialog open.
      PressButton(dialog, IDC_ABOUT_LINK);
      EXPECT_TRUE(IsWindowVisible(dialog));
      PressButton(dialog, IDC_ABOUT_CLOSE);
    });
    EXPECT_EQ(result, IDCANCEL) << "\"Close\" ends the dialog as a cancel";
    // The logo went with the dialog.
    EXPECT_EQ(BitmapSize(shown).cx, 0);
  }
  const std::vector<winsim::ShellExecuteRecord> log = winsim::ShellExecuteLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].operation, L"open");
  EXPECT_EQ(log[0].file, kMakerWebPage);
}

TEST_F(AboutDlgTest, TheLogoShowsALightKeyCapWithAnOrangeTapDotOnADarkBlueBackground) {
  const LogoBitmap logo;
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, logo.Get());
  const COLORREF background = GetPixel(memory, 3, 3);
  const COLORREF keyFace = GetPixel(memory, 30, 50);
  const COLORREF tapDot = GetPixel(memory, 64, 153);
  SelectObject(memory, old);
  DeleteDC(memory);
  EXPECT_GT(GetBValue(background), GetRValue(background) + 40);
  EXPECT_GT(GetRValue(keyFace) + GetBValue(keyFace), 400);
  EXPECT_GT(GetRValue(tapDot), GetBValue(tapDot) + 100);
}

}  // namespace
}  // namespace Talvo
