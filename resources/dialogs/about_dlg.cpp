// The about box: logo, version line, the maker's link and "Close", in dialog units.
#include "resources/dialogs/about_dlg.h"

#include <windows.h>

#include "editor/product_info.h"
#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE AboutTemplate() {
  DLGTEMPLATE dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  dialog.cx = 153;
  dialog.cy = 287;
  dialog.title = L"Version";
  dialog.pointsize = 8;
  dialog.typeface = L"MS Shell Dlg";
  dialog.items = {
      // The logo bitmap is drawn when the dialog starts and put into the picture then.
      DialogItem(WC_STATICW, IDC_ABOUT_LOGO, WS_VISIBLE | SS_BITMAP | SS_CENTERIMAGE, 33, 3, 87, 157, L""),
      DialogItem(WC_STATICW, IDC_ABOUT_VERSION, WS_VISIBLE | SS_CENTER, 35, 165, 84, 10, L"version: "),
      DialogItem(WC_BUTTONW, IDC_ABOUT_LINK, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 42, 181, 69, 14,
                 kMakerWebPageText),
      DialogItem(WC_BUTTONW, IDC_ABOUT_CLOSE, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 83, 266, 64, 15, L"Close"),
  };
  return dialog;
}

}  // namespace

void RegisterAboutDlgTemplate() {
  if (FindDialogTemplate(IDD_ABOUT) == nullptr) RegisterDialogTemplate(IDD_ABOUT, AboutTemplate());
}

}  // namespace Talvo
