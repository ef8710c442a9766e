// VisualInterface: the plug-in's helper object. In one viewport it draws a radial chart of one key's
// assignments: a disc facing the viewer with a sector per modifier combination, each cut into a cell
// per tap count, coloured by sector and labelled with the case the tap would run. Nothing draws until
// a feeder has chosen the key and switched drawing on.
#pragma once

#include <max.h>

#include <array>
#include <string>

namespace Talvo {

class XmlFunction;

// Shown on a cell that runs nothing.
inline constexpr const wchar_t* kNothingAssigned = L"Nothing Assign";

class VisualInterface : public HelperObject {
 public:
  VisualInterface() = default;
  VisualInterface(const VisualInterface&) = delete;
  VisualInterface& operator=(const VisualInterface&) = delete;
  ~VisualInterface() override = default;

  // The host's object interface.
  void DeleteThis() override { delete this; }
  Class_ID ClassID() override;
  RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle target, PartID& partID, RefMessage message,
                             BOOL propagate) override;
  // Draws the chart in the helper's view while drawing is enabled; 0 always.
  int Display(TimeValue t, INode* node, ViewExp* view, int flags) override;
  // Leaves the box as given, as GetLocalBoundBox does.
  void GetWorldBoundBox(TimeValue t, INode* node, ViewExp* view, Box3& box) override;
  // Leaves the box as given: the chart belongs to the view, not to the node's space.
  void GetLocalBoundBox(TimeValue t, INode* node, ViewExp* view, Box3& box) override;
  CreateMouseCallBack* GetCreateMouseCallBack() override { return nullptr; }
  const MCHAR* GetObjectName() override { return _M("TalvoObject"); }
  ObjectState Eval(TimeValue t) override;
  Interval ObjectValidity(TimeValue t) override;

  // What a feeder sets before drawing is switched on.
  void SetDrawingEnabled(bool enabled) { m_drawingEnabled = enabled; }
  bool IsDrawingEnabled() const { return m_drawingEnabled; }
  // The layout key number whose function the chart shows.
  void SetKey(unsigned short key) { m_key = key; }
  // The chart's centre in window pixels, used by every placement from now on.
  void SetScreenPoint(int x, int y);
  // The face drawn highlighted; anything outside 0..103 highlights nothing.
  void SetHighlightedFace(int face) { m_highlightedFace = face; }

  // Binds the helper to the first view it is given and places the chart in front of it, around the
  // world ray through the screen point (the given one, unless one was stored before). A later change
  // of the view's transform posts WM_VISUAL_INTERFACE_VIEW_CHANGED and places the chart anew. A placed
  // chart has drawing switched on.
  void UpdatePlacement(ViewExp* view, IPoint2 screenPoint);
  // Places the 65 vertices and sets the 104 faces of the chart mesh around the current placement.
  void BuildRadialMesh();
  // The colour of a face's sector, channels 0..255.
  static Point3 GetSectorColor(int face);

  // A cell's label: for the case of the tap count and modifier byte in the helper's context, the name of
  // a custom-code case's script ("Not Selected" when the script is gone) or any other case's stored action
  // text; "Nothing Assign" without a context or a function, and whenever one of these is not stored.
  std::wstring GetAssignedFunctionName(bool contextual, const XmlFunction* function, int tap,
                                       unsigned char modifiers) const;
  // The context the labels were last looked up in: the case input type (a modifier or a mode page,
  // such as "Edit Poly" or "SingleTap") and the case mode (a level keyword, such as "edge" or "global").
  std::wstring GetModeName() const { return m_inputType; }
  std::wstring GetContextName() const { return m_mode; }

  // What tests read back.
  const Mesh& ChartMesh() const { return m_mesh; }
  float Radius() const { return m_radius; }
  const Ray& ViewRay() const { return m_viewRay; }
  ViewExp* BoundView() const { return m_view; }
  int SelectionClass() const { return m_selection; }

 private:
  // Works out the context of the key's function from the host's selection; false when it has none.
  bool ResolveContext(const XmlFunction* function);
  // The point at angle `angle` (radians) and `fraction` of the radius in the chart's plane.
  Point3 ChartPoint(float angle, float fraction) const;
  void DrawFaces(GraphicsWindow& gw);
  void DrawHighlight(GraphicsWindow& gw);
  void DrawOutlines(GraphicsWindow& gw);
  void DrawTexts(GraphicsWindow& gw);
  bool IsPlaced() const { return m_mesh.getNumVerts() > 0; }

  bool m_drawingEnabled = false;
  std::array<Point3, 16> m_ringPoints{};  // the outer ring, for its outline
  float m_radius = 0;
  Ray m_viewRay{};  // chart centre and the viewing direction through it
  Point3 m_baseDirection;
  Mesh m_mesh;
  unsigned short m_key = 0;
  float m_halfSize = 0;  // half the view's world width at the chart's depth
  std::wstring m_mode;
  std::wstring m_inputType;
  unsigned short m_selection = 0;
  bool m_screenPointStored = false;
  IPoint2 m_screenPoint;
  int m_highlightedFace = -1;
  Point3 m_cachedBaseDirection;
  ViewExp* m_view = nullptr;
  Matrix3 m_lastViewTransform;
};

}  // namespace Talvo
