// Drawing the chart through the view's graphics window: coloured faces, the highlighted cell, the
// outlines, then the key's caption and each cell's tap caption and case name.
#include <array>
#include <string>
#include <vector>

#include "model/talvo.h"
#include "model/text.h"
#include "overlay/radial_chart.h"
#include "overlay/visual_interface.h"

namespace Talvo {

namespace {

constexpr float kHighlightRaise = 0.1f;
// One mark per tap in a cell's tap caption.
constexpr const wchar_t* kTapMark = L"\u2022";

Point3 Fraction(const Point3& colour255) { return colour255 / 255.0f; }

const XmlFunction* FunctionOfKey(unsigned short key) {
  Talvo& root = GetTalvo();
  const XmlProfile* profile = root.GetCurrentProfile();
  if (!profile || !profile->HasAssignment(key)) return nullptr;
  return root.FindFunctionById(profile->GetFunctionIdOfKey(key));
}

std::wstring CaptionOfKey(unsigned short key) {
  const XmlKeyboard* layout = GetTalvo().GetCurrentKeyboard();
  return layout ? layout->GetKeyText(key) : std::wstring();
}

}  // namespace

int VisualInterface::Display(TimeValue /*t*/, INode* /*node*/, ViewExp* view, int /*flags*/) {
  // Bound to the first view that draws it; every other view shows nothing.
  if (!m_drawingEnabled || !view || (m_view && view != m_view)) return 0;
  GraphicsWindow* gw = view->getGW();
  UpdatePlacement(view, IPoint2{gw->getWinSizeX() / 2, gw->getWinSizeY() / 2});
  if (!IsPlaced()) return 0;

  const DWORD savedLimits = gw->getRndLimits();
  gw->setRndLimits(GW_COLOR_VERTS);
  gw->setTransform(Matrix3());
  gw->setColor(LINE_COLOR, 0, 0, 0);
  DrawFaces(*gw);
  DrawHighlight(*gw);
  DrawOutlines(*gw);
  DrawTexts(*gw);
  gw->setRndLimits(savedLimits);
  return 0;
}

void VisualInterface::DrawFaces(GraphicsWindow& gw) {
  gw.startTriangles();
  for (int f = 0; f < kChartFaceCount; ++f) {
    const Face* face = m_mesh.getFace(f);
    const Point3 colour = Fraction(GetSectorColor(f));
    const std::array<Point3, 3> corners{m_mesh.getVert(static_cast<int>(face->v[0])),
                                        m_mesh.getVert(static_cast<int>(face->v[1])),
                                        m_mesh.getVert(static_cast<int>(face->v[2]))};
    const std::array<Point3, 3> colours{colour, colour, colour};
    gw.triangle(corners.data(), colours.data());
  }
  gw.endTriangles();
}

void VisualInterface::DrawHighlight(GraphicsWindow& gw) {
  if (m_highlightedFace < 0 || m_highlightedFace >= kChartFaceCount) return;
  const ChartCell cell = ChartCellOfFace(m_highlightedFace);
  gw.startTriangles();
  // The centre disc is the key itself, not a case, so it never lights up.
  for (int f = 0; f < kChartFirstCentreFace; ++f) {
    if (!(ChartCellOfFace(f) == cell)) continue;
    const Face* face = m_mesh.getFace(f);
    const Point3 raised = Fraction(GetSectorColor(f)) + Point3(kHighlightRaise, kHighlightRaise, kHighlightRaise);
    const std::array<Point3, 3> corners{m_mesh.getVert(static_cast<int>(face->v[0])),
                                        m_mesh.getVert(static_cast<int>(face->v[1])),
                                        m_mesh.getVert(static_cast<int>(face->v[2]))};
    const std::array<Point3, 3> colours{raised, raised, raised};
    gw.triangle(corners.data(), colours.data());
  }
  gw.endTriangles();
}

void VisualInterface::DrawOutlines(GraphicsWindow& gw) {
  const auto& rings = ChartRingOutlines();
  // The outer ring from its working points, the inner rings from the mesh.
  gw.polyline(static_cast<int>(m_ringPoints.size()), m_ringPoints.data(), nullptr, TRUE, nullptr);
  for (size_t r = 1; r < rings.size(); ++r) {
    std::vector<Point3> loop;
    for (int index : rings[r]) loop.push_back(m_mesh.getVert(index));
    gw.polyline(static_cast<int>(loop.size()), loop.data(), nullptr, TRUE, nullptr);
  }
  gw.startSegments();
  for (const auto& [inner, outer] : ChartBorderOutlines()) {
    const std::array<Point3, 2> segment{m_mesh.getVert(inner), m_mesh.getVert(outer)};
    gw.polyline(2, segment.data(), nullptr, FALSE, nullptr);
  }
  gw.endSegments();
}

void VisualInterface::DrawTexts(GraphicsWindow& gw) {
  const XmlFunction* function = FunctionOfKey(m_key);
  const bool contextual = ResolveContext(function);
  gw.setColor(TEXT_COLOR, 0, 0, 0);
  const std::wstring keyCaption = CaptionOfKey(m_key);
  const Point3 centreAt = ChartPoint(kChartCentreText.angle, kChartCentreText.fraction);
  gw.text(&centreAt, keyCaption.c_str());
  for (size_t m = 0; m < kChartTextModifiers.size(); ++m) {
    const unsigned char modifiers = kChartTextModifiers[m];
    for (int tap = 1; tap <= kChartTapCounts; ++tap) {
      const ChartCellTextPlaces& places = ChartTextPlacesOf(static_cast<int>(m), tap);
      const std::wstring caption = RepeatText(tap, kTapMark);
      const std::wstring label =
          WrapText(GetAssignedFunctionName(contextual, function, tap, modifiers), ChartLabelWrapWidth(modifiers));
      const Point3 captionAt = ChartPoint(places.caption.angle, places.caption.fraction);
      const Point3 labelAt = ChartPoint(places.label.angle, places.label.fraction);
      gw.text(&captionAt, caption.c_str());
      gw.text(&labelAt, label.c_str());
    }
  }
}

Point3 VisualInterface::GetSectorColor(int face) { return ChartSectorColor(face); }

}  // namespace Talvo
