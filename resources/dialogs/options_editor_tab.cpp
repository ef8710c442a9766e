#include "resources/dialogs/options_editor_tab.h"

#include <windows.h>

#include "resources/dialogs/dialog_item.h"

namespace Talvo {

namespace {

DLGTEMPLATE MakeTemplate() {
  DLGTEMPLATE page = ChildPageFrame(300, 180);

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
