// The rename dialog's layout, 269 x 82 dialog units without a caption: the clash sentence on two lines
// with the taken name after its first part, the new name's field, then OK and Cancel at the bottom right.
#include "resources/dialogs/rename_dlg_template.h"

#include "resources/dialogs/dialog_item.h"
#include "resources/dialogs/rename_dlg_ids.h"

namespace Talvo {

DLGTEMPLATE RenameDlgTemplate(const wchar_t* clashText) {
  DLGTEMPLATE dialog = ModalDialogFrame(269, 82);
  dialog.items = {
      DialogItem(WC_STATICW, IDC_RENAME_CLASH_BEFORE, WS_VISIBLE | SS_LEFT, 7, 10, 96, 10, clashText),
      DialogItem(WC_STATICW, IDC_RENAME_CLASH_AFTER, WS_VISIBLE | SS_LEFT, 7, 24, 255, 10,
                 L"already exists. Plese rename the imported one"),
      DialogItem(WC_STATICW, IDC_RENAME_CLASH_NAME, WS_VISIBLE | SS_LEFT, 104, 9, 158, 11, L""),
      DialogItem(WC_EDITW, IDC_RENAME_NAME, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 40, 255, 12, L""),
      DialogItem(WC_BUTTONW, IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 157, 61, 50, 14, L"OK"),
      DialogItem(WC_BUTTONW, IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 212, 61, 50, 14, L"Cancel"),
  };
  return dialog;
}

}  // namespace Talvo
