#include "editing/function_editor_tab_notice.h"

#include <afxtabctrl.h>

#include "engine/messages.h"
#include "pagebase/window_tab.h"

namespace Talvo {

void NotifyFunctionEditedFrom(CWnd* functionsPage, CWnd* sender) {
  if (functionsPage == nullptr || !functionsPage->IsKindOf(RUNTIME_CLASS(WindowTab))) return;
  CWnd* strip = functionsPage->GetParent();
  if (strip == nullptr || !strip->IsKindOf(RUNTIME_CLASS(CMFCBaseTabCtrl))) return;
  strip->SendMessage(FunctionEditedMessage, 0, reinterpret_cast<LPARAM>(sender));
}

void NotifyFunctionEdited(CWnd* editorPage) {
  if (editorPage == nullptr || editorPage->GetSafeHwnd() == nullptr) return;
  CWnd* strip = editorPage->GetParent();
  NotifyFunctionEditedFrom(strip != nullptr ? strip->GetParent() : nullptr, editorPage);
}

}  // namespace Talvo
