// The about box: logo, version line, the maker's link and "Close", in dialog units.
#include "resources/dialogs/about_dlg.h"

#include <windows.h>

#include "editor/product_info.h"

namespace Talvo {

namespace {

DLGITEMTEMPLATE Item(const wchar_t* windowClass, WORD id, DWORD style, short x, short y, short cx, short cy,
                     const wchar_t* title) {
  DLGITEMTEMPLATE item;
  item.windowClass = windowClass;
  item.id = id;
  item.style = WS_CHILD | WS_VISIBLE | style;
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = cy;
  item.title = title;
  return item;
}

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
      Item(WC_STATICW, IDC_ABOUT_LOGO, SS_BITMAP | SS_CENTERIMAGE, 33, 3, 87, 157, L""),
      Item(WC_STATICW, IDC_ABOUT_VERSION, SS_CENTER, 35, 165, 84, 10, L"version: "),
      Item(WC_BUTTONW, IDC_ABOUT_LINK, BS_PUSHBUTTON | WS_TABSTOP, 42, 181, 69, 14, kMakerWebPageText),
      Item(WC_BUTTONW, IDC_ABOUT_CLOSE, BS_PUSHBUTTON | WS_TABSTOP, 83, 266, 64, 15, L"Close"),
  };
  return dialog;
}

}  // namespace

void RegisterAboutDlgTemplate() {
  if (FindDialogTemplate(IDD_ABOUT) == nullptr) RegisterDialogTemplate(IDD_ABOUT, AboutTemplate());
}

}  // namespace Talvo
