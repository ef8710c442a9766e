// What the overlay looks like: a transparent background around opaque boxes with text.
#include <set>

#include "form_fixture.h"

namespace Talvo::testing {
namespace {

// How many different colours a box of the picture holds (a box with text holds several).
size_t ColoursIn(const winsim::Image& image, const RECT& box) {
  std::set<COLORREF> colours;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) colours.insert(image.Pixel(x, y));
  return colours.size();
}

TEST_F(FormTest, BoxesAreOpaqueAndTheRestIsTransparent) {
  Press('Q', 27);
  VisualInterfaceForm* form = Form();
  ASSERT_NE(form, nullptr);
  const winsim::Image image = winsim::CaptureWindow(form->m_hWnd);
  ASSERT_EQ(image.width, 519);
  ASSERT_EQ(image.height, 270);
  for (POINT empty : {POINT{60, 20}, POINT{260, 120}, POINT{10, 260}, POINT{500, 230}})
    EXPECT_EQ(image.Alpha(empty.x, empty.y), 0) << empty.x << ", " << empty.y;
  for (CWnd* box : {static_cast<CWnd*>(form->FunctionButton(0)), static_cast<CWnd*>(form->FunctionButton(4)),
                    static_cast<CWnd*>(form->KeyBox()), static_cast<CWnd*>(form->CtrlButton()),
                    static_cast<CWnd*>(form->AltButton()), static_cast<CWnd*>(form->InputTypeBox()),
                    static_cast<CWnd*>(form->ModeBox()), static_cast<CWnd*>(form->CountBox())}) {
    const RECT rect = ClientRectOf(box);
    EXPECT_EQ(image.Alpha((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2), 255) << Caption(box);
    EXPECT_GT(ColoursIn(image, rect), 2u) << Caption(box);
  }
}

}  // namespace
}  // namespace Talvo::testing
