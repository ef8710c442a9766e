#include "overlay/visual_interface.h"

#include "engine/class_descs.h"
#include "overlay/case_context.h"
#include "overlay/host_selection.h"
#include "overlay/overlay_rows.h"
#include "overlay/radial_chart.h"

namespace Talvo {

Class_ID VisualInterface::ClassID() { return kVisualInterfaceClassID; }

RefResult VisualInterface::NotifyRefChanged(const Interval& /*changeInt*/, RefTargetHandle /*target*/,
                                            PartID& /*partID*/, RefMessage /*message*/, BOOL /*propagate*/) {
  return REF_SUCCEED;
}

void VisualInterface::GetWorldBoundBox(TimeValue /*t*/, INode* /*node*/, ViewExp* /*view*/, Box3& box) {
  if (!m_drawingEnabled || !IsPlaced()) return;
  for (int i = 0; i < m_mesh.getNumVerts(); ++i) box += m_mesh.getVert(i);
}

void VisualInterface::GetLocalBoundBox(TimeValue /*t*/, INode* /*node*/, ViewExp* /*view*/, Box3& /*box*/) {}

ObjectState VisualInterface::Eval(TimeValue /*t*/) { return ObjectState(this); }

Interval VisualInterface::ObjectValidity(TimeValue /*t*/) { return FOREVER; }

void VisualInterface::SetScreenPoint(int x, int y) {
  m_screenPoint = IPoint2{x, y};
  m_screenPointStored = true;
}

bool VisualInterface::ResolveContext(const XmlFunction* function) {
  m_inputType.clear();
  m_mode.clear();
  m_selection = 0;
  if (!function) return false;
  CaseContext context;
  const bool resolved = ApplyFunctionKind(*function, ReadHostSelection(), context);
  m_inputType = context.inputType;
  m_mode = context.mode;
  m_selection = static_cast<unsigned short>(context.selection);
  return resolved;
}

std::wstring VisualInterface::GetAssignedFunctionName(bool contextual, const XmlFunction* function, int tap,
                                                      unsigned char modifiers) const {
  if (!contextual || !function || tap < 1 || tap > kChartTapCounts) return kNothingAssigned;
  // The same entries the overlay shows for this context, so both name a case alike.
  OverlayRow row;
  FillContextRow(*function, GetModeName(), GetContextName(), m_selection, modifiers, row);
  const std::wstring& name = row.names[static_cast<size_t>(tap - 1)];
  return name.empty() ? std::wstring(kNothingAssigned) : name;
}

}  // namespace Talvo
