// What the overlay looks like: a transparent background around opaque boxes with text, and the tour's
// pictures of it in both themes.
#include <cstdlib>
#include <set>

#include "form_fixture.h"
#include "overlay/overlay_tour.h"

namespace Talvo::testing {
namespace {

std::filesystem::path TestOutput() {
  const char* folder = std::getenv("TALVO_TEST_OUTPUT");
  std::filesystem::path path = folder && *folder ? std::filesystem::path(folder) : std::filesystem::temp_directory_path();
  std::filesystem::create_directories(path);
  return path;
}

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

TEST_F(FormTest, TourSavesThePicturesInBothThemes) {
  const std::filesystem::path folder = TestOutput();
  std::filesystem::remove(folder / "overlay-light.png");
  std::filesystem::remove(folder / "overlay-dark.png");
  INode* node = hostsim::AddEditablePoly(L"Plane", hostsim::MakeGridMesh(2, 2), EP_SL_OBJECT);
  hostsim::SelectNodes({node});
  AddActionCase(*function_, {kInputOverrideMode, kModeGlobal, 0, 2, 3}, L"Cut");
  ASSERT_TRUE(ShowOverlayForTour('Q', 11, folder, {"light", "dark"}));
  EXPECT_TRUE(std::filesystem::exists(folder / "overlay-light.png"));
  EXPECT_TRUE(std::filesystem::exists(folder / "overlay-dark.png"));
  EXPECT_EQ(viFormDlg, nullptr);
  EXPECT_TRUE(AcceleratorsEnabled());

  // Without an overlay to show there is nothing to save.
  EXPECT_FALSE(ShowOverlayForTour('Z', 3, folder, {"light"}));
}

}  // namespace
}  // namespace Talvo::testing
