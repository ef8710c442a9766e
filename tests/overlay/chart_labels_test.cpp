// The radial chart's cell labels name what each case stores, and the helper claims no room in the scene.
#include "overlay/visual_interface.h"

#include "model/xml_custom_scripts.h"
#include "overlay_fixture.h"

namespace Talvo::testing {
namespace {

struct LabelCase {
  int tap;
  unsigned char modifiers;
  const wchar_t* label;
};

class ChartLabelsTest : public OverlayTest {
 protected:
  void SetUp() override {
    OverlayTest::SetUp();
    function_ = AssignNewFunction('Q', kKindSingleTap);
    chart_.SetKey(static_cast<unsigned short>(KeyOf('Q')));
    chart_.SetDrawingEnabled(true);
  }
  // Draws once, which looks the key's context up.
  void Draw() { EXPECT_EQ(chart_.Display(0, nullptr, &view_, 0), 0); }
  CaseKeys Keys(int tap, unsigned char modifiers) const { return {kInputSingleTap, kModeGlobal, 0, tap, modifiers}; }

  XmlFunction* function_ = nullptr;
  VisualInterface chart_;
  ViewExp view_;
};

TEST_F(ChartLabelsTest, EachCellNamesWhatItsCaseStores) {
  AddActionCase(*function_, Keys(1, 3), L"Weld");
  AddActionCase(*function_, Keys(2, 3), L"Gone", kMissingCommand);
  AddScriptCase(*function_, Keys(3, 3), L"Relax");
  GetTalvo().GetCustomScripts()->DeleteScript(AddScriptCase(*function_, Keys(4, 3), L"Old"));
  function_->AddAction(Keys(1, 7));
  function_->SetCaseGroup(Keys(1, 7), kGroupCustomCode);  // no script id
  AddOriginalKeyCase(*function_, Keys(2, 7));              // no action text
  Draw();
  ASSERT_EQ(chart_.GetModeName(), kInputSingleTap);

  const LabelCase cases[] = {{1, 3, L"Weld"},           {2, 3, L"Gone"},           {3, 3, L"Relax"},
                             {4, 3, L"Not Selected"},   {1, 7, kNothingAssigned},  {2, 7, kNothingAssigned},
                             {3, 7, kNothingAssigned},  {5, 3, kNothingAssigned}};
  for (const LabelCase& c : cases) {
    EXPECT_EQ(chart_.GetAssignedFunctionName(true, function_, c.tap, c.modifiers), c.label)
        << "tap " << c.tap << ", modifiers " << int{c.modifiers};
  }
  EXPECT_EQ(chart_.GetAssignedFunctionName(false, function_, 1, 3), kNothingAssigned);
  EXPECT_EQ(chart_.GetAssignedFunctionName(true, nullptr, 1, 3), kNothingAssigned);
}

TEST_F(ChartLabelsTest, ThePlacedChartLeavesBothBoundBoxesAsGiven) {
  Draw();
  ASSERT_GT(chart_.ChartMesh().getNumVerts(), 0);
  for (bool world : {true, false}) {
    Box3 box;
    box += Point3(1, 2, 3);
    box += Point3(4, 5, 6);
    if (world) chart_.GetWorldBoundBox(0, nullptr, &view_, box);
    else chart_.GetLocalBoundBox(0, nullptr, &view_, box);
    EXPECT_EQ(box.pmin, Point3(1, 2, 3)) << world;
    EXPECT_EQ(box.pmax, Point3(4, 5, 6)) << world;
  }
}

}  // namespace
}  // namespace Talvo::testing
