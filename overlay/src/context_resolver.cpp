#include "overlay/context_resolver.h"

#include "overlay/case_context.h"

namespace Talvo {

bool OverlayContextResolver::Resolve(const XmlFunction& function, SelectionContext& context) {
  CaseContext resolved;
  if (!ApplyFunctionKind(function, ReadHostSelection(), resolved)) return false;
  context = SelectionContext{resolved.inputType, resolved.mode, resolved.selection};
  return true;
}

}  // namespace Talvo
