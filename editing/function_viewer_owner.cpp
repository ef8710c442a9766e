#include "editing/function_viewer_owner.h"

#include "model/talvo.h"

namespace Talvo {

XmlFunction* FindShownFunction(CWnd* owner) {
  Talvo& talvo = GetTalvo();
  XmlProfile* profile = talvo.GetCurrentProfile();
  if (profile == nullptr) return nullptr;
  int key = -1;
  if (const auto* page = dynamic_cast<const iFunctionViewerOwner*>(owner)) {
    key = page->GetViewerKey();
  } else if (XmlTalvo* main = talvo.GetMainDocument()) {
    key = main->GetSelectedFunction();
  }
  const int index = talvo.IndexOfFunctionById(profile->GetFunctionIdOfKey(key));
  XmlFunctionDir* functions = talvo.GetFunctions();
  if (functions == nullptr || index < 0 || index >= functions->Count()) return nullptr;
  return functions->GetFunction(index);
}

}  // namespace Talvo
