#include "grid/function_editor_page.h"

#include "controls/cell_editor_links.h"

namespace Talvo {

bool IsFunctionEditorGrid(HWND grid) {
  return ::IsWindow(grid) && IsWindowOfRuntimeClass(::GetParent(grid), "FunctionEditorTab");
}

iFunctionEditorPage* FunctionEditorPageOf(HWND grid) {
  if (!IsFunctionEditorGrid(grid)) return nullptr;
  return dynamic_cast<iFunctionEditorPage*>(CWnd::FromHandlePermanent(::GetParent(grid)));
}

}  // namespace Talvo
