// Dialog 129: the rename prompt for an imported profile whose name is taken. No caption; the clashing
// name stands on its own line between the two texts, the new name is typed below.
#include <windows.h>

#include "editor/profile_rename_dlg.h"

namespace Talvo {

namespace {

DLGITEMTEMPLATE Item(const wchar_t* windowClass, WORD id, DWORD style, short x, short y, short cx, short cy,
                     const wchar_t* title = L"") {
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

}  // namespace

void RegisterProfileRenameDlgTemplate() {
  if (FindDialogTemplate(hProfileRenameDlg::IDD) != nullptr) return;
  DLGTEMPLATE dialog;
  dialog.style = WS_POPUP | WS_BORDER | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
  dialog.cx = 210;
  dialog.cy = 86;
  dialog.pointsize = 8;
  dialog.typeface = L"MS Shell Dlg";
  dialog.items = {
      Item(WC_STATICW, 1078, SS_LEFT, 8, 8, 194, 10, L"The profile with name: "),
      Item(WC_STATICW, 1079, SS_LEFT, 8, 20, 194, 10),
      Item(WC_STATICW, 1005, SS_LEFT, 8, 32, 194, 10, L"already exists. Plese rename the imported one"),
      Item(WC_EDITW, 1077, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 46, 194, 14),
      Item(WC_BUTTONW, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 98, 66, 50, 14, L"OK"),
      Item(WC_BUTTONW, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 152, 66, 50, 14, L"Cancel"),
  };
  RegisterDialogTemplate(hProfileRenameDlg::IDD, dialog);
}

}  // namespace Talvo
