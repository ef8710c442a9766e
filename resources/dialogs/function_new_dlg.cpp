// "New Function": the three offered kinds stacked in one column; the two retired kinds stay in the
// template hidden and disabled, below the frame, so that no click can reach them.
#include "resources/dialogs/function_new_dlg.h"

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE FunctionNewTemplate() {
  DLGTEMPLATE dialog = ModalDialogFrame(229, 94);
  dialog.style |= WS_CAPTION | WS_SYSMENU;
  dialog.title = L"New Function";
  constexpr DWORD kShown = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  constexpr DWORD kRetired = WS_DISABLED | BS_PUSHBUTTON;
  dialog.items = {
      DialogItem(WC_BUTTONW, IDC_KIND_SINGLE_TAP, kShown, 7, 7, 215, 24, L"Single Tap"),
      DialogItem(WC_BUTTONW, IDC_KIND_MULTITAP, kShown, 7, 35, 215, 24, L"MultiTap"),
      DialogItem(WC_BUTTONW, IDC_KIND_CONTEXT_SENSITIVE, kShown, 7, 63, 215, 24, L"Conext Sensitive"),
      DialogItem(WC_BUTTONW, IDC_KIND_MULTITAP_MODIFIERS, kRetired, 7, 94, 215, 24, L"MultiTap + Modifiers"),
      DialogItem(WC_BUTTONW, IDC_KIND_MULTITAP_MODIFIERS_ELEMENTS, kRetired, 7, 122, 215, 24,
                 L"MultiTap + Modifiers + Elements"),
  };
  return dialog;
}

}  // namespace

void RegisterFunctionNewDlgTemplate() {
  if (FindDialogTemplate(IDD_FUNCTION_NEW) == nullptr) RegisterDialogTemplate(IDD_FUNCTION_NEW, FunctionNewTemplate());
}

}  // namespace Talvo
