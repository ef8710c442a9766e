#include "resources/dialogs/function_rename_dlg.h"

#include "resources/dialogs/rename_dlg_template.h"

namespace Talvo {

void RegisterFunctionRenameDlgTemplate() {
  if (FindDialogTemplate(IDD_FUNCTION_RENAME) == nullptr)
    RegisterDialogTemplate(IDD_FUNCTION_RENAME, RenameDlgTemplate(L"The function with name: "));
}

}  // namespace Talvo
