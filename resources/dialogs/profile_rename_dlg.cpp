// Dialog 129: the rename prompt for an imported profile whose name is taken, laid out as every import's
// rename dialog.
#include "editor/profile_rename_dlg.h"
#include "resources/dialogs/rename_dlg_template.h"

namespace Talvo {

void RegisterProfileRenameDlgTemplate() {
  if (FindDialogTemplate(hProfileRenameDlg::IDD) == nullptr)
    RegisterDialogTemplate(hProfileRenameDlg::IDD, RenameDlgTemplate(L"The profile with name: "));
}

}  // namespace Talvo
