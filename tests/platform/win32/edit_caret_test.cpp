// The caret of an edit control stands left of the character it precedes and never covers its ink.
#include "win32_fixture.h"

namespace {

class EditCaretTest : public Win32Test {};

TEST_F(EditCaretTest, TheCaretBeforeTheFirstLetterLeavesItsInkAlone) {
  HWND parent = TopLevel(100, 100, 300, 100);
  HWND edit = CreateWindowExW(0, WC_EDITW, L"Tour", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 200,
                              24, parent, reinterpret_cast<HMENU>(5), nullptr, nullptr);
  const winsim::Image without = winsim::CaptureWindow(edit);
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, 0);
  const winsim::Image with = winsim::CaptureWindow(edit);
  ASSERT_EQ(with.width, without.width);
  const COLORREF background = without.Pixel(without.width - 4, without.height / 2);
  int inkLeft = without.width, caretLeft = without.width, caretRight = -1;
  for (int y = 1; y < with.height - 1; ++y) {
    for (int x = 1; x < with.width - 1; ++x) {  // inside the border
      if (without.Pixel(x, y) != background) inkLeft = std::min(inkLeft, x);
      if (with.Pixel(x, y) == without.Pixel(x, y)) continue;
      caretLeft = std::min(caretLeft, x);
      caretRight = std::max(caretRight, x);
    }
  }
  ASSERT_LE(caretLeft, caretRight);  // the caret shows
  EXPECT_LT(caretRight, inkLeft);     // and stands clear of the "T"
}

}  // namespace
