// "Script name: " with its field on one line, "Ok" and "Cancel and Close" below at the right; no caption.
#include "resources/dialogs/script_name_dlg.h"

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE ScriptNameTemplate() {
  DLGTEMPLATE dialog = ModalDialogFrame(249, 56);
  dialog.items = {
      DialogItem(WC_STATICW, IDC_SCRIPT_NAME_LABEL, WS_VISIBLE | SS_LEFT, 7, 11, 50, 10, L"Script name: "),
      DialogItem(WC_EDITW, IDC_SCRIPT_NAME, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 58, 9, 184, 12, L""),
      DialogItem(WC_BUTTONW, IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 112, 35, 50, 14, L"Ok"),
      DialogItem(WC_BUTTONW, IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 167, 35, 75, 14, L"Cancel and Close"),
  };
  return dialog;
}

}  // namespace

void RegisterScriptNameDlgTemplate() {
  if (FindDialogTemplate(IDD_SCRIPT_NAME) == nullptr) RegisterDialogTemplate(IDD_SCRIPT_NAME, ScriptNameTemplate());
}

}  // namespace Talvo
