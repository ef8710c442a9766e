#include "resources/dialogs/options_editor_tab.h"

#include <windows.h>

namespace Talvo {

namespace {

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE page;
  page.style = WS_CHILD | DS_CONTROL | DS_SETFONT | WS_CLIPCHILDREN;
  page.cx = 300;
  page.cy = 180;
  page.pointsize = 8;
  page.typeface = L"MS Shell Dlg";

  DLGITEMTEMPLATE grid;
  grid.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  grid.x = 3;
  grid.y = 3;
  grid.cx = 294;
  grid.cy = 174;
  grid.id = IDC_OPTIONS_GRID;
  grid.windowClass = L"MFCGridCtrl";
  page.items.push_back(grid);
  return page;
}

}  // namespace

void RegisterOptionsEditorTabTemplate() {
  if (FindDialogTemplate(IDD_OPTIONS_EDITOR) == nullptr) RegisterDialogTemplate(IDD_OPTIONS_EDITOR, MakeTemplate());
}

}  // namespace Talvo
