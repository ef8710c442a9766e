// "Switch Layout": the three choices stacked in one column, wide enough for their long texts.
#include "resources/dialogs/layout_switch_dlg.h"

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE LayoutSwitchTemplate() {
  DLGTEMPLATE dialog = ModalDialogFrame(280, 84);
  dialog.style |= WS_CAPTION | WS_SYSMENU;
  dialog.title = L"Switch Layout";
  constexpr DWORD kChoice = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  dialog.items = {
      DialogItem(WC_BUTTONW, IDC_LAYOUT_SWITCH_MOVE, kChoice, 7, 7, 266, 20,
                 L"Move actual Function Assignment to new Layout"),
      DialogItem(WC_BUTTONW, IDC_LAYOUT_SWITCH_SAVE, kChoice, 7, 31, 266, 20,
                 L"Save Current Layout with assignated Function before switching"),
      DialogItem(WC_BUTTONW, IDC_LAYOUT_SWITCH_CLEAR, kChoice, 7, 55, 266, 20,
                 L"Delete Current Function Assignments and switch to new blank Layout"),
  };
  return dialog;
}

}  // namespace

void RegisterLayoutSwitchDlgTemplate() {
  if (FindDialogTemplate(IDD_LAYOUT_SWITCH) == nullptr) RegisterDialogTemplate(IDD_LAYOUT_SWITCH, LayoutSwitchTemplate());
}

}  // namespace Talvo
