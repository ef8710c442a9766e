// The host's view in the story's pictures: the edited box with its selected vertex where the mesh has it,
// the undo list as the host keeps it, in the host's theme.
#include <host/scene_builder.h>
#include <host/undo.h>

#include "story_host_view.h"
#include "support/data_folder_fixture.h"

namespace {

constexpr COLORREF kSelectedMark = RGB(230, 40, 40);

// A step that changes nothing, for the undo list.
class NoChange : public RestoreObj {
 public:
  void Restore(int) override {}
  void Redo() override {}
};

// The mean row of the pixels that mark selected vertices; -1 without any.
double MarkRow(const winsim::Image& image) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (image.Pixel(x, y) == kSelectedMark) {
        sum += y;
        ++count;
      }
  return count > 0 ? sum / count : -1;
}

class StoryHostViewTest : public Talvo::testing::DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    MNMesh mesh = hostsim::MakeBoxMesh();
    hostsim::SelectVertices(mesh, {0});
    node_ = hostsim::AddEditablePoly(L"Box001", mesh, EP_SL_VERTEX);
    view_.Show(node_);
    winsim::PumpMessages();
  }
  void TearDown() override {
    view_.Close();
    DataFolderTest::TearDown();
  }
  winsim::Image Picture() {
    ::InvalidateRect(view_.Window(), nullptr, TRUE);
    return winsim::CaptureWindow(view_.Window());
  }
  INode* node_ = nullptr;
  Talvo::StoryHostView view_;
};

TEST_F(StoryHostViewTest, TheMarkOfTheSelectedVertexFollowsItsHeight) {
  const double before = MarkRow(Picture());
  ASSERT_GE(before, 0);
  hostsim::GetPolyObject(node_)->GetMeshPtr()->V(0)->p.z += 10.0f;
  const double after = MarkRow(Picture());
  EXPECT_LT(after, before - 50) << "a vertex lifted by 10 units is drawn well above where it was";
}

TEST_F(StoryHostViewTest, ShowsEachNewUndoStepInBothThemes) {
  const winsim::Image empty = Picture();
  theHold.Begin();
  theHold.Put(new NoChange);
  theHold.Accept(L"New Function");
  const winsim::Image withStep = Picture();
  ASSERT_EQ(empty.rgba.size(), withStep.rgba.size());
  EXPECT_NE(empty.rgba, withStep.rgba);
  for (const AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    SetTheme(theme);
    Picture();  // the host repaints its windows in the new colours
    Talvo::testing::SaveThemedPicture(view_.Window(), "story_host_view");
  }
}

}  // namespace
