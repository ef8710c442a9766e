// The viewport helper object: its descriptor, where it places its chart in a recorded view, and what it
// draws there.
#include "overlay/visual_interface.h"

#include <afxwin.h>

#include <algorithm>
#include <cmath>

#include "engine/messages.h"
#include "engine/module.h"
#include "model/text.h"
#include "overlay/overlay_setup.h"
#include "overlay/radial_chart.h"
#include "overlay/visual_interface_desc.h"
#include "overlay_fixture.h"

namespace Talvo::testing {
namespace {

using Kind = GraphicsWindow::CallKind;

constexpr float kChartRadiusPixels = 240;

struct Pixel {
  double x;
  double y;
};

// Where a world point shows in the view's window.
Pixel Project(ViewExp& view, const Point3& world) {
  Matrix3 tm;
  view.GetAffineTM(tm);
  const Point3 p = world * tm;
  const double halfWidth = view.getGW()->getWinSizeX() / 2.0;
  const double halfHeight = view.getGW()->getWinSizeY() / 2.0;
  const double focal = halfWidth / std::tan(view.GetFieldOfView() / 2);
  return {halfWidth + focal * p.x / -p.z, halfHeight - focal * p.y / -p.z};
}

std::vector<GraphicsWindow::Call> CallsOf(ViewExp& view, Kind kind) {
  std::vector<GraphicsWindow::Call> calls;
  for (const auto& call : view.getGW()->Calls()) {
    if (call.kind == kind) calls.push_back(call);
  }
  return calls;
}

bool TakeViewChanged() {
  MSG msg{};
  return PeekMessageW(&msg, nullptr, WM_VISUAL_INTERFACE_VIEW_CHANGED, WM_VISUAL_INTERFACE_VIEW_CHANGED, PM_REMOVE) &&
         msg.hwnd == nullptr;
}

class VisualInterfaceTest : public OverlayTest {
 protected:
  void SetUp() override {
    OverlayTest::SetUp();
    while (TakeViewChanged()) {
    }
  }

  // Switches drawing on and draws once into the view.
  void Draw(ViewExp& view) {
    chart_.SetDrawingEnabled(true);
    view.getGW()->ClearCalls();
    EXPECT_EQ(chart_.Display(0, nullptr, &view, 0), 0);
  }

  // The label drawn for a cell (texts: the key, then caption and label of each cell in drawing order).
  std::wstring WrappedLabelOf(unsigned char modifiers, int tap) {
    const auto texts = CallsOf(view_, Kind::Text);
    const auto at = std::find(kChartTextModifiers.begin(), kChartTextModifiers.end(), modifiers);
    const size_t index = 1 + 2 * (static_cast<size_t>(at - kChartTextModifiers.begin()) * 4 + tap - 1) + 1;
    return index < texts.size() ? texts[index].text : L"<none>";
  }

  Pixel ProjectedVertex(int vertex) { return Project(view_, chart_.ChartMesh().getVert(vertex)); }

  VisualInterface chart_;
  ViewExp view_;
};

TEST_F(VisualInterfaceTest, DrawsNothingUntilSwitchedOnThenFacesTheViewerAroundTheScreenPoint) {
  EXPECT_EQ(chart_.Display(0, nullptr, &view_, 0), 0);
  EXPECT_TRUE(view_.getGW()->Calls().empty());
  chart_.SetScreenPoint(400, 300);
  Draw(view_);
  const Mesh& mesh = chart_.ChartMesh();
  ASSERT_EQ(mesh.getNumFaces(), kChartFaceCount);
  // The centre is on the construction plane the view looks at; angle 0 points up the screen and the
  // chart turns counter-clockwise.
  EXPECT_NEAR(ProjectedVertex(kChartCentreVertex).x, 400, 0.01);
  EXPECT_NEAR(ProjectedVertex(kChartCentreVertex).y, 300, 0.01);
  EXPECT_NEAR(mesh.getVert(kChartCentreVertex).z, 0, 1e-3);
  EXPECT_NEAR(ProjectedVertex(0).y, 300 - kChartRadiusPixels, 0.05);
  EXPECT_NEAR(ProjectedVertex(4).x, 400 - kChartRadiusPixels, 0.05);
  for (int f = 0; f < kChartFaceCount; ++f) {
    const Face* face = mesh.getFace(f);
    const Point3 a = mesh.getVert(static_cast<int>(face->v[0]));
    const Point3 normal =
        (mesh.getVert(static_cast<int>(face->v[1])) - a) ^ (mesh.getVert(static_cast<int>(face->v[2])) - a);
    EXPECT_LT(normal % chart_.ViewRay().dir, 0) << "face " << f;
  }
}

TEST_F(VisualInterfaceTest, KeepsItsPointAwayFromTheWindowEdges) {
  chart_.SetScreenPoint(10, 590);
  Draw(view_);
  EXPECT_NEAR(Project(view_, chart_.ViewRay().p).x, 250, 0.01);
  EXPECT_NEAR(Project(view_, chart_.ViewRay().p).y, 350, 0.01);
  // A window too small for the margin keeps the chart in its middle.
  view_.getGW()->setWinSize(400, 300);
  Draw(view_);
  EXPECT_NEAR(Project(view_, chart_.ViewRay().p).x, 200, 0.01);


  // A window without area gives the chart no place, and nothing is drawn.
  VisualInterface none;
  ViewExp emptyView;
  emptyView.getGW()->setWinSize(0, 0);
  none.SetDrawingEnabled(true);
  EXPECT_EQ(none.Display(0, nullptr, &emptyView, 0), 0);
  EXPECT_TRUE(emptyView.getGW()->Calls().empty());
}

TEST_F(VisualInterfaceTest, KeepsUpTheScreenInATurnedAndTiltedView) {
  Matrix3 tm = RotAngleAxisMatrix(Point3(1, 0, 0), 0.5f) * RotAngleAxisMatrix(Point3(0, 0, 1), 0.5f);
  tm.SetTrans(Point3(0, 0, -200));
  view_.SetAffineTM(tm);
  Draw(view_);
  const Pixel centre = ProjectedVertex(kChartCentreVertex);
  EXPECT_NEAR(ProjectedVertex(0).x, centre.x, 0.01);
  EXPECT_NEAR(centre.y - ProjectedVertex(0).y, kChartRadiusPixels, 0.05);
}

TEST_F(VisualInterfaceTest, BindsToItsFirstViewAndFollowsItsChanges) {
  chart_.SetScreenPoint(400, 300);
  Draw(view_);
  const float radius = chart_.Radius();
  EXPECT_FALSE(TakeViewChanged());
  ViewExp other;  // another view shows nothing
  EXPECT_EQ(chart_.Display(0, nullptr, &other, 0), 0);
  EXPECT_TRUE(other.getGW()->Calls().empty());

  // Moving the view back: the plug-in hears of it once, and the chart follows at the same screen size.
  Matrix3 tm;
  tm.SetTrans(Point3(0, 0, -400));
  view_.SetAffineTM(tm);
  Draw(view_);
  EXPECT_TRUE(TakeViewChanged());
  EXPECT_FALSE(TakeViewChanged());
  EXPECT_NEAR(chart_.Radius(), 2 * radius, 1e-3);
  EXPECT_NEAR(ProjectedVertex(0).y, 300 - kChartRadiusPixels, 0.05);
}

TEST_F(VisualInterfaceTest, DrawsColouredFacesThenOutlinesThenTextsAndRestoresTheRenderLimits) {
  const DWORD limits = view_.getGW()->getRndLimits();
  Draw(view_);
  const auto& calls = view_.getGW()->Calls();
  EXPECT_EQ(view_.getGW()->getRndLimits(), limits);
  const auto triangles = CallsOf(view_, Kind::Triangle);
  ASSERT_EQ(triangles.size(), static_cast<size_t>(kChartFaceCount));
  for (int f = 0; f < kChartFaceCount; ++f) {
    EXPECT_EQ(triangles[static_cast<size_t>(f)].colors[0], VisualInterface::GetSectorColor(f) / 255.0f);
  }
  size_t lastTriangle = 0, firstPolyline = calls.size(), lastPolyline = 0, firstText = calls.size();
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].kind == Kind::Triangle) lastTriangle = i;
    if (calls[i].kind == Kind::Polyline) firstPolyline = std::min(firstPolyline, i), lastPolyline = i;
    if (calls[i].kind == Kind::Text) firstText = std::min(firstText, i);
  }
  EXPECT_LT(lastTriangle, firstPolyline);
  EXPECT_LT(lastPolyline, firstText);
}

TEST_F(VisualInterfaceTest, HighlightsEveryFaceOfTheCellButNotTheCentre) {
  const Point3 raise(0.1f, 0.1f, 0.1f);
  struct Case {
    int face;
    std::vector<int> lit;
  };
  for (const Case& c : {Case{41, {40, 41, 42}}, Case{95, {80, 81, 94, 95}}, Case{100, {}}, Case{-1, {}}}) {
    chart_.SetHighlightedFace(c.face);
    Draw(view_);
    const auto triangles = CallsOf(view_, Kind::Triangle);
    ASSERT_EQ(triangles.size(), kChartFaceCount + c.lit.size()) << "face " << c.face;
    for (size_t i = 0; i < c.lit.size(); ++i) {
      const auto& drawn = triangles[kChartFaceCount + i];
      const Point3 expected = VisualInterface::GetSectorColor(c.lit[i]) / 255.0f + raise;
      EXPECT_NEAR(drawn.colors[1].x, expected.x, 1e-6);
      EXPECT_EQ(drawn.points, triangles[static_cast<size_t>(c.lit[i])].points);
    }
  }
}

TEST_F(VisualInterfaceTest, LabelsTheKeysCasesByTapAndModifiers) {
  XmlFunction* function = AssignNewFunction('Q', kKindSingleTap);
  AddActionCase(*function, {kInputSingleTap, kModeGlobal, 0, 1, 3}, L"Weld");
  AddActionCase(*function, {kInputSingleTap, kModeGlobal, 0, 2, 11}, L"Ctrl Weld");
  AddScriptCase(*function, {kInputSingleTap, kModeGlobal, 0, 4, 23}, L"Shift Alt Script");
  AddOriginalKeyCase(*function, {kInputSingleTap, kModeGlobal, 0, 1, 19});
  chart_.SetKey(static_cast<unsigned short>(KeyOf('Q')));
  Draw(view_);
  const auto texts = CallsOf(view_, Kind::Text);
  EXPECT_EQ(texts[0].text, Layout().GetKeyText(KeyOf('Q')));
  EXPECT_EQ(WrappedLabelOf(3, 1), L"Weld");
  EXPECT_EQ(WrappedLabelOf(3, 2), WrapText(kNothingAssigned, 10));
  EXPECT_EQ(WrappedLabelOf(11, 2), L"Ctrl Weld");
  EXPECT_EQ(WrappedLabelOf(23, 4), L"Shift Alt\nScript");
  // A case that stores no action text (the key's own behaviour) names nothing.
  EXPECT_EQ(WrappedLabelOf(19, 1), WrapText(kNothingAssigned, ChartLabelWrapWidth(19)));

  // Each cell's tap caption comes first, with one mark per tap, at its place in the chart.
  EXPECT_EQ(texts[7].text, RepeatText(4, L"\u2022"));
  const ChartTextPlace shiftTap1 = ChartTextPlacesOf(1, 1).caption;
  const Point3 expected =
      Point3(-std::sin(shiftTap1.angle), std::cos(shiftTap1.angle), 0) * (chart_.Radius() * shiftTap1.fraction);
  EXPECT_NEAR((texts[1 + 2 * 4].points[0] - expected).Length(), 0, 1e-3);
}

TEST_F(VisualInterfaceTest, LooksCasesUpInTheResolvedContext) {
  // Nothing selected: a context-sensitive function is looked up for "No modifier" at object level.
  XmlFunction* function = AssignNewFunction('W', kKindContextSensitive);
  AddActionCase(*function, {kInputNoModifier, kModeObjects, 0, 2, 7}, L"Select All");
  chart_.SetKey(static_cast<unsigned short>(KeyOf('W')));
  Draw(view_);
  EXPECT_EQ(chart_.GetContextName(), kModeObjects);
  EXPECT_EQ(WrappedLabelOf(7, 2), L"Select All");
  // A tap out of range runs nothing.
  EXPECT_EQ(chart_.GetAssignedFunctionName(true, function, 5, 7), kNothingAssigned);

  chart_.SetKey(static_cast<unsigned short>(KeyOf('E')));  // a key without a function
  Draw(view_);
  EXPECT_EQ(WrappedLabelOf(7, 2), WrapText(kNothingAssigned, 10));
}

TEST_F(VisualInterfaceTest, ModuleHandsOutTheRealDescriptorOnceInstalled) {
  InstallVisualInterface();
  ClassDesc* desc = LibClassDesc(2);
  EXPECT_EQ(desc, &VisualInterfaceDesc::Instance());
  // Scenes store the class id: it must not change.
  EXPECT_EQ(desc->ClassID(), Class_ID(0x1d3e0fa0, 0x29b80ae9));
  RemoveVisualInterface();
}

}  // namespace
}  // namespace Talvo::testing
