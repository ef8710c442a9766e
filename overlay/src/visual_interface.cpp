#include "overlay/visual_interface.h"

#include "engine/class_descs.h"
#include "model/vocabulary.h"
#include "overlay/case_context.h"
#include "overlay/host_selection.h"
#include "overlay/overlay_rows.h"

namespace Talvo {

Class_ID VisualInterface::ClassID() { return kVisualInterfaceClassID; }

RefResult VisualInterface::NotifyRefChanged(const Interval& /*changeInt*/, RefTargetHandle /*target*/,
                                            PartID& /*partID*/, RefMessage /*message*/, BOOL /*propagate*/) {
  return REF_SUCCEED;
}

// The chart is drawn for its view: the helper claims no room in the scene, whichever box is asked for.
void VisualInterface::GetWorldBoundBox(TimeValue t, INode* node, ViewExp* view, Box3& box) {
  GetLocalBoundBox(t, node, view, box);
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
  if (!contextual || !function) return kNothingAssigned;
  // The chart names what the case stores, without asking the host whether it still has it.
  const CaseKeys keys{GetModeName(), GetContextName(), m_selection, tap, modifiers};
  std::wstring group;
  if (!function->GetCaseGroup(keys, group)) return kNothingAssigned;
  std::wstring text;
  if (group == kGroupCustomCode) return function->GetCaseScript(keys, text) ? CustomScriptName(text) : kNothingAssigned;
  return function->GetCaseAction(keys, text) ? text : kNothingAssigned;
}

}  // namespace Talvo
