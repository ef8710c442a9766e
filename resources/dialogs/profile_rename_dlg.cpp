// Dialog 129: the rename prompt for an imported profile whose name is taken. No caption; the clashing
// name stands on its own line between the two texts, the new name is typed below.
#include <windows.h>

#include "editor/profile_rename_dlg.h"
#include "resources/dialogs/dialog_item.h"

namespace Talvo {

void RegisterProfileRenameDlgTemplate() {
  if (FindDialogTemplate(hProfileRenameDlg::IDD) != nullptr) return;
  DLGTEMPLATE dialog;
  dialog.style = WS_POPUP | WS_BORDER | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
  dialog.cx = 210;
  dialog.cy = 86;
  dialog.pointsize = 8;
  dialog.typeface = L"MS Shell Dlg";
  dialog.items = {
      DialogItem(WC_STATICW, 1078, WS_VISIBLE | SS_LEFT, 8, 8, 194, 10, L"The profile with name: "),
      DialogItem(WC_STATICW, 1079, WS_VISIBLE | SS_LEFT, 8, 20, 194, 10, L""),
      DialogItem(WC_STATICW, 1005, WS_VISIBLE | SS_LEFT, 8, 32, 194, 10,
                 L"already exists. Plese rename the imported one"),
      DialogItem(WC_EDITW, 1077, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 46, 194, 14, L""),
      DialogItem(WC_BUTTONW, IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 98, 66, 50, 14, L"OK"),
      DialogItem(WC_BUTTONW, IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 152, 66, 50, 14, L"Cancel"),
  };
  RegisterDialogTemplate(hProfileRenameDlg::IDD, dialog);
}

}  // namespace Talvo
