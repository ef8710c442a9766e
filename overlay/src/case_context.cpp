#include "overlay/case_context.h"

#include <algorithm>

#include "model/vocabulary.h"

namespace Talvo {

namespace {

int CountClass(int count) { return std::clamp(count, 0, 3); }

}  // namespace

bool ApplyFunctionKind(const XmlFunction& function, const HostSelection& host, CaseContext& context) {
  context = CaseContext{host.inputType, host.mode, host.count, 0};
  const int kind = function.GetDependent();
  bool resolved = host.levelResolved;
  // A context-sensitive function may declare an input global: its cases then ignore level and count.
  const bool globalInput =
      kind == kKindContextSensitive && !host.inputType.empty() && function.IsInputGlobal(host.inputType);
  switch (kind) {
    case kKindMultiTapModifiers:
      resolved = host.modifierCode != kModifierCodeUnresolved;
      context.mode = kModeGlobal;
      break;
    case kKindClassic:
    case kKindMultiPress:
    case kKindSingleTap:
    case kKindMultiTap:
    case kKindModifierCases:
      resolved = true;
      context.mode = kModeGlobal;
      break;
    case kKindContextSensitive:
      if (host.modifierCode == kModifierCodeNone) resolved = true;
      if (globalInput) {
        resolved = true;
        context.mode = kModeGlobal;
      }
      break;
    default:
      break;
  }
  if (!resolved) return false;

  switch (kind) {
    case kKindMultiTapModifiers:
    case kKindMultiTapModifiersElements:
    case kKindModifierCases:
      break;
    // These kinds keep their cases under an input type of their own.
    case kKindClassic:
      context.inputType = kInputClassic;
      break;
    case kKindMultiPress:
      context.inputType = kInputMultiPress;
      break;
    case kKindSingleTap:
      context.inputType = kInputSingleTap;
      break;
    case kKindMultiTap:
      context.inputType = kInputMultiTap;
      break;
    case kKindContextSensitive:
      if (!globalInput && context.mode != kModeGlobal) context.selection = CountClass(context.count);
      break;
    default:  // kKindContextElements and unknown kinds count the selection
      context.selection = CountClass(context.count);
      break;
  }
  return true;
}

}  // namespace Talvo
