// The viewport helper object: its identity and descriptor, where it places its chart in a recorded
// view, and what it draws there.
#include "overlay/visual_interface.h"

#include <afxwin.h>

#include <algorithm>
#include <cmath>

#include "engine/messages.h"
#include "engine/module.h"
#include "model/string_table.h"
#include "model/text.h"
#include "overlay/overlay_setup.h"
#include "overlay/radial_chart.h"
#include "overlay/visual_interface_desc.h"
#include "overlay_fixture.h"

namespace Talvo::testing {
namespace {

using Kind = GraphicsWindow::CallKind;

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

  // The label drawn for a cell (texts: the key, then caption and label of each cell in drawing order),
  // unwrapped again.
  std::wstring LabelOf(ViewExp& view, unsigned char modifiers, int tap) {
    std::wstring label = WrappedLabelOf(view, modifiers, tap);
    std::replace(label.begin(), label.end(), L'\n', L' ');
    return label;
  }

  std::wstring WrappedLabelOf(ViewExp& view, unsigned char modifiers, int tap) {
    const auto texts = CallsOf(view, Kind::Text);
    const auto at = std::find(kChartTextModifiers.begin(), kChartTextModifiers.end(), modifiers);
    const size_t index = 1 + 2 * (static_cast<size_t>(at - kChartTextModifiers.begin()) * 4 + tap - 1) + 1;
    return index < texts.size() ? texts[index].text : L"<none>";
  }

  VisualInterface chart_;
  ViewExp view_;
};

TEST_F(VisualInterfaceTest, IsAHelperThatDrawsNothingUntilSwitchedOn) {
  EXPECT_EQ(chart_.Eval(0).obj, &chart_);
  EXPECT_FALSE(chart_.IsDrawingEnabled());
  EXPECT_EQ(chart_.Display(0, nullptr, &view_, 0), 0);
  EXPECT_TRUE(view_.getGW()->Calls().empty());
  EXPECT_EQ(chart_.BoundView(), nullptr);
  EXPECT_EQ(chart_.ChartMesh().getNumVerts(), 0);
  Box3 box;
  chart_.GetWorldBoundBox(0, nullptr, &view_, box);
  EXPECT_TRUE(box.IsEmpty());

  chart_.SetDrawingEnabled(true);
  EXPECT_EQ(chart_.Display(0, nullptr, nullptr, 0), 0);
  EXPECT_FALSE(TakeViewChanged());
}

TEST_F(VisualInterfaceTest, FacesTheViewerAroundTheScreenPoint) {
  chart_.SetScreenPoint(400, 300);
  Draw(view_);
  const Mesh& mesh = chart_.ChartMesh();
  ASSERT_EQ(mesh.getNumVerts(), kChartVertexCount);
  ASSERT_EQ(mesh.getNumFaces(), kChartFaceCount);
  EXPECT_EQ(chart_.BoundView(), &view_);

  // The centre is on the construction plane the view looks at; angle 0 points up the screen and the
  // chart turns counter-clockwise; its radius is 240 pixels.
  const Pixel centre = Project(view_, mesh.getVert(kChartCentreVertex));
  EXPECT_NEAR(centre.x, 400, 0.01);
  EXPECT_NEAR(centre.y, 300, 0.01);
  EXPECT_NEAR(mesh.getVert(kChartCentreVertex).z, 0, 1e-3);
  const Pixel up = Project(view_, mesh.getVert(0));
  EXPECT_NEAR(up.x, 400, 0.01);
  EXPECT_NEAR(up.y, 60, 0.05);
  const Pixel left = Project(view_, mesh.getVert(4));
  EXPECT_NEAR(left.x, 160, 0.05);
  EXPECT_NEAR(left.y, 300, 0.01);

  // Every face turns its front to the viewer.
  for (int f = 0; f < kChartFaceCount; ++f) {
    const Face* face = mesh.getFace(f);
    const Point3 a = mesh.getVert(static_cast<int>(face->v[0]));
    const Point3 normal =
        (mesh.getVert(static_cast<int>(face->v[1])) - a) ^ (mesh.getVert(static_cast<int>(face->v[2])) - a);
    EXPECT_LT(normal % chart_.ViewRay().dir, 0) << "face " << f;
  }

  // The world box takes in the chart; the local box stays as given.
  Box3 world;
  chart_.GetWorldBoundBox(0, nullptr, &view_, world);
  EXPECT_NEAR(world.pmax.y, mesh.getVert(0).y, 1e-4);
  EXPECT_NEAR(world.pmin.x, mesh.getVert(4).x, 1e-4);
  Box3 local;
  chart_.GetLocalBoundBox(0, nullptr, &view_, local);
  EXPECT_TRUE(local.IsEmpty());
}

TEST_F(VisualInterfaceTest, KeepsItsPointAwayFromTheWindowEdges) {
  chart_.SetScreenPoint(10, 590);
  Draw(view_);
  Pixel centre = Project(view_, chart_.ViewRay().p);
  EXPECT_NEAR(centre.x, 250, 0.01);
  EXPECT_NEAR(centre.y, 350, 0.01);
  // Off the view's axis the chart still faces along its own ray.
  for (int f = 0; f < kChartFaceCount; f += 13) {
    const Face* face = chart_.ChartMesh().getFace(f);
    const Point3 a = chart_.ChartMesh().getVert(static_cast<int>(face->v[0]));
    const Point3 normal = (chart_.ChartMesh().getVert(static_cast<int>(face->v[1])) - a) ^
                          (chart_.ChartMesh().getVert(static_cast<int>(face->v[2])) - a);
    EXPECT_NEAR((normal.Normalize() % chart_.ViewRay().dir), -1, 1e-4);
  }

  // A window too small for the margin keeps the chart in its middle.
  VisualInterface small;
  ViewExp smallView;
  smallView.getGW()->setWinSize(400, 300);
  small.SetScreenPoint(10, 10);
  small.SetDrawingEnabled(true);
  small.Display(0, nullptr, &smallView, 0);
  centre = Project(smallView, small.ViewRay().p);
  EXPECT_NEAR(centre.x, 200, 0.01);
  EXPECT_NEAR(centre.y, 150, 0.01);

  // A window without area gives the chart no place, and nothing is drawn.
  VisualInterface none;
  ViewExp emptyView;
  emptyView.getGW()->setWinSize(0, 0);
  none.SetDrawingEnabled(true);
  EXPECT_EQ(none.Display(0, nullptr, &emptyView, 0), 0);
  EXPECT_EQ(none.ChartMesh().getNumVerts(), 0);
  EXPECT_TRUE(emptyView.getGW()->Calls().empty());
}

TEST_F(VisualInterfaceTest, KeepsUpTheScreenInTurnedAndTiltedViews) {
  for (const Point3& axis : {Point3(0, 0, 1), Point3(1, 0, 0)}) {
    VisualInterface chart;
    ViewExp view;
    Matrix3 tm = RotAngleAxisMatrix(axis, 0.5f);
    tm.SetTrans(Point3(0, 0, -200));
    view.SetAffineTM(tm);
    chart.SetDrawingEnabled(true);
    chart.Display(0, nullptr, &view, 0);
    const Pixel centre = Project(view, chart.ChartMesh().getVert(kChartCentreVertex));
    const Pixel up = Project(view, chart.ChartMesh().getVert(0));
    EXPECT_NEAR(centre.x, 400, 0.01);
    EXPECT_NEAR(up.x, 400, 0.01);
    EXPECT_NEAR(centre.y - up.y, 240, 0.05);
  }
}

TEST_F(VisualInterfaceTest, BindsToItsFirstViewAndFollowsItsChanges) {
  chart_.SetScreenPoint(400, 300);
  Draw(view_);
  const float radius = chart_.Radius();
  EXPECT_FALSE(TakeViewChanged());

  // Another view shows nothing.
  ViewExp other;
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
  const Pixel up = Project(view_, chart_.ChartMesh().getVert(0));
  EXPECT_NEAR(up.y, 60, 0.05);
  Draw(view_);
  EXPECT_FALSE(TakeViewChanged());
}

TEST_F(VisualInterfaceTest, DrawsFacesOutlinesAndTextsInOrder) {
  Draw(view_);
  const auto& calls = view_.getGW()->Calls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0].kind, Kind::RenderLimits);
  EXPECT_EQ(calls[0].limits, static_cast<DWORD>(GW_COLOR_VERTS));
  EXPECT_EQ(calls[1].kind, Kind::Transform);
  EXPECT_TRUE(calls[1].transform.IsIdentity());
  EXPECT_EQ(calls[2].kind, Kind::Color);
  EXPECT_EQ(calls[2].color, Point3(0, 0, 0));
  // The render limits are given back at the end.
  EXPECT_EQ(calls.back().kind, Kind::RenderLimits);
  EXPECT_EQ(calls.back().limits, static_cast<DWORD>(GW_Z_BUFFER | GW_ILLUM));
  EXPECT_EQ(view_.getGW()->getRndLimits(), static_cast<DWORD>(GW_Z_BUFFER | GW_ILLUM));

  // Faces in their sector colours, then the outlines, then the texts.
  const auto triangles = CallsOf(view_, Kind::Triangle);
  ASSERT_EQ(triangles.size(), static_cast<size_t>(kChartFaceCount));
  for (int f = 0; f < kChartFaceCount; ++f) {
    const auto& colours = triangles[static_cast<size_t>(f)].colors;
    ASSERT_EQ(colours.size(), 3u);
    EXPECT_EQ(colours[0], VisualInterface::GetSectorColor(f) / 255.0f);
    EXPECT_EQ(colours[2], colours[0]);
  }
  EXPECT_EQ(triangles[47].colors[0], Point3(163, 88, 88) / 255.0f);
  EXPECT_EQ(CallsOf(view_, Kind::Polyline).size(), 4u + 32u);
  EXPECT_EQ(CallsOf(view_, Kind::Text).size(), 65u);
  size_t lastTriangle = 0, firstPolyline = calls.size(), lastPolyline = 0, firstText = calls.size();
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].kind == Kind::Triangle) lastTriangle = i;
    if (calls[i].kind == Kind::Polyline) firstPolyline = std::min(firstPolyline, i), lastPolyline = i;
    if (calls[i].kind == Kind::Text) firstText = std::min(firstText, i);
  }
  EXPECT_LT(lastTriangle, firstPolyline);
  EXPECT_LT(lastPolyline, firstText);
  EXPECT_TRUE(CallsOf(view_, Kind::Polyline)[0].closed);
  EXPECT_FALSE(CallsOf(view_, Kind::Polyline).back().closed);
}

TEST_F(VisualInterfaceTest, HighlightsEveryFaceOfTheCellButNotTheCentre) {
  const Point3 raise(0.1f, 0.1f, 0.1f);
  struct Case {
    int face;
    std::vector<int> lit;
  };
  for (const Case& c : {Case{41, {40, 41, 42}}, Case{95, {80, 81, 94, 95}}, Case{3, {2, 3, 4}}, Case{100, {}},
                        Case{104, {}}, Case{-1, {}}}) {
    chart_.SetHighlightedFace(c.face);
    Draw(view_);
    const auto triangles = CallsOf(view_, Kind::Triangle);
    ASSERT_EQ(triangles.size(), kChartFaceCount + c.lit.size()) << "face " << c.face;
    for (size_t i = 0; i < c.lit.size(); ++i) {
      const auto& drawn = triangles[kChartFaceCount + i];
      const Point3 expected = VisualInterface::GetSectorColor(c.lit[i]) / 255.0f + raise;
      EXPECT_NEAR(drawn.colors[1].x, expected.x, 1e-6);
      EXPECT_NEAR(drawn.colors[1].z, expected.z, 1e-6);
      EXPECT_EQ(drawn.points, triangles[static_cast<size_t>(c.lit[i])].points);
    }
  }
}

TEST_F(VisualInterfaceTest, LabelsTheKeysCasesByTapAndModifiers) {
  XmlFunction* function = AssignNewFunction('Q', kKindSingleTap);
  AddActionCase(*function, {kInputSingleTap, kModeGlobal, 0, 1, 3}, L"Weld");
  AddActionCase(*function, {kInputSingleTap, kModeGlobal, 0, 3, 3}, L"Extrude Polygons Along Spline");
  AddActionCase(*function, {kInputSingleTap, kModeGlobal, 0, 2, 11}, L"Ctrl Weld");
  AddScriptCase(*function, {kInputSingleTap, kModeGlobal, 0, 4, 23}, L"Shift Alt Script");
  AddOriginalKeyCase(*function, {kInputSingleTap, kModeGlobal, 0, 1, 19});
  chart_.SetKey(static_cast<unsigned short>(KeyOf('Q')));
  Draw(view_);

  const auto texts = CallsOf(view_, Kind::Text);
  ASSERT_EQ(texts.size(), 65u);
  EXPECT_EQ(texts[0].text, Layout().GetKeyText(KeyOf('Q')));
  EXPECT_EQ(LabelOf(view_, 3, 1), L"Weld");
  EXPECT_EQ(LabelOf(view_, 3, 2), kNothingAssigned);
  EXPECT_EQ(WrappedLabelOf(view_, 3, 3), WrapText(L"Extrude Polygons Along Spline", 10));
  EXPECT_NE(WrappedLabelOf(view_, 3, 3).find(L'\n'), std::wstring::npos);
  EXPECT_EQ(LabelOf(view_, 11, 2), L"Ctrl Weld");
  EXPECT_EQ(WrappedLabelOf(view_, 23, 4), L"Shift Alt\nScript");
  EXPECT_EQ(LabelOf(view_, 19, 1), GetString(228));
  EXPECT_EQ(LabelOf(view_, 31, 1), kNothingAssigned);
  EXPECT_EQ(chart_.GetModeName(), kInputSingleTap);
  EXPECT_EQ(chart_.GetContextName(), kModeGlobal);

  // Each cell's tap caption comes first, with one mark per tap, at its place in the chart.
  EXPECT_EQ(texts[1].text, RepeatText(1, L"\u2022"));
  EXPECT_EQ(texts[7].text, RepeatText(4, L"\u2022"));
  const ChartTextPlace shiftTap1 = ChartTextPlacesOf(1, 1).caption;
  const Point3 expected =
      Point3(-std::sin(shiftTap1.angle), std::cos(shiftTap1.angle), 0) * (chart_.Radius() * shiftTap1.fraction);
  const Point3 drawn = texts[1 + 2 * 4].points[0];
  EXPECT_NEAR((drawn - expected).Length(), 0, 1e-3);
}

TEST_F(VisualInterfaceTest, LooksCasesUpInTheResolvedContext) {
  // Nothing selected: a context-sensitive function is looked up for "No modifier" at object level.
  XmlFunction* function = AssignNewFunction('W', kKindContextSensitive);
  AddActionCase(*function, {kInputNoModifier, kModeObjects, 0, 2, 7}, L"Select All");
  chart_.SetKey(static_cast<unsigned short>(KeyOf('W')));
  Draw(view_);
  EXPECT_EQ(chart_.GetModeName(), kInputNoModifier);
  EXPECT_EQ(chart_.GetContextName(), kModeObjects);
  EXPECT_EQ(chart_.SelectionClass(), 0);
  EXPECT_EQ(LabelOf(view_, 7, 2), L"Select All");

  // Without a context, a tap out of range or a function, every cell runs nothing.
  EXPECT_EQ(chart_.GetAssignedFunctionName(false, function, 2, 7), kNothingAssigned);
  EXPECT_EQ(chart_.GetAssignedFunctionName(true, function, 0, 7), kNothingAssigned);
  EXPECT_EQ(chart_.GetAssignedFunctionName(true, function, 5, 7), kNothingAssigned);
  EXPECT_EQ(chart_.GetAssignedFunctionName(true, nullptr, 2, 7), kNothingAssigned);

  // A key without a function.
  chart_.SetKey(static_cast<unsigned short>(KeyOf('E')));
  Draw(view_);
  EXPECT_EQ(LabelOf(view_, 7, 2), kNothingAssigned);
  EXPECT_EQ(chart_.GetModeName(), L"");
}

TEST_F(VisualInterfaceTest, ModuleHandsOutTheRealDescriptorOnceInstalled) {
  InstallVisualInterface();
  ClassDesc* desc = LibClassDesc(2);
  EXPECT_EQ(desc, &VisualInterfaceDesc::Instance());
  // Scenes store the class id: it must not change.
  EXPECT_EQ(desc->ClassID(), Class_ID(0x1d3e0fa0, 0x29b80ae9));

  auto* object = static_cast<HelperObject*>(desc->Create(FALSE));
  ASSERT_NE(dynamic_cast<VisualInterface*>(object), nullptr);
  EXPECT_EQ(object->ClassID(), desc->ClassID());
  EXPECT_FALSE(static_cast<VisualInterface*>(object)->IsDrawingEnabled());
  object->DeleteThis();
  RemoveVisualInterface();
}

}  // namespace
}  // namespace Talvo::testing
