#include "editing/function_viewer_owner.h"

#include "model/talvo.h"

namespace Talvo {

XmlFunction* FindShownFunction(CWnd* owner) {
  Talvo& talvo = GetTalvo();
  const auto* page = dynamic_cast<const iFunctionViewerOwner*>(owner);
  // A viewer outside a key-assignment page has no key to look up: it shows the function being edited.
  if (page == nullptr) return talvo.GetCurrentFunction();
  XmlProfile* profile = talvo.GetCurrentProfile();
  if (profile == nullptr) return nullptr;
  const int index = talvo.IndexOfFunctionById(profile->GetFunctionIdOfKey(page->GetViewerKey()));
  XmlFunctionDir* functions = talvo.GetFunctions();
  if (functions == nullptr || index < 0 || index >= functions->Count()) return nullptr;
  return functions->GetFunction(index);
}

}  // namespace Talvo
