#include "resources/dialogs/options_dlg.h"

#include <windows.h>

namespace Talvo {

namespace {

DLGITEMTEMPLATE Button(WORD id, const wchar_t* text, short x, short y, short cx) {
  DLGITEMTEMPLATE item;
  item.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = 14;
  item.id = id;
  item.windowClass = L"BUTTON";
  item.title = text;
  return item;
}

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
  dialog.cx = 330;
  dialog.cy = 236;
  dialog.title = L"Configuration";
  dialog.pointsize = 8;
  dialog.typeface = L"MS Shell Dlg";

  DLGITEMTEMPLATE tabs;
  tabs.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN;
  tabs.x = 7;
  tabs.y = 7;
  tabs.cx = 316;
  tabs.cy = 200;
  tabs.id = IDC_OPTIONS_TABS;
  tabs.windowClass = WC_TABCONTROLW;
  dialog.items.push_back(tabs);

  dialog.items.push_back(Button(IDC_OPTIONS_LOAD, L"Load...", 7, 215, 60));
  dialog.items.push_back(Button(IDC_OPTIONS_SAVE, L"Save...", 71, 215, 60));
  dialog.items.push_back(Button(IDC_OPTIONS_WRITE_CHART, L"Write Keyboard Chart...", 135, 215, 110));
  dialog.items.push_back(Button(IDC_OPTIONS_RESET, L"Reset", 263, 215, 60));
  return dialog;
}

}  // namespace

void RegisterOptionsDlgTemplate() {
  // The tab control's class comes with the common controls, which a template does not initialise.
  InitCommonControls();
  if (FindDialogTemplate(IDD_OPTIONS) == nullptr) RegisterDialogTemplate(IDD_OPTIONS, MakeTemplate());
}

}  // namespace Talvo
