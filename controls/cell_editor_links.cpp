#include "controls/cell_editor_links.h"

#include <host/accelerators.h>

#include <cstring>

namespace Talvo {

bool IsWindowOfRuntimeClass(HWND window, const char* className) {
  CWnd* object = CWnd::FromHandlePermanent(window);
  if (object == nullptr || className == nullptr) return false;
  for (const CRuntimeClass* runtimeClass = object->GetRuntimeClass(); runtimeClass != nullptr;
       runtimeClass = runtimeClass->m_pBaseClass) {
    if (std::strcmp(runtimeClass->m_lpszClassName, className) == 0) return true;
  }
  return false;
}

bool IsWheelEventsGrid(HWND grid) {
  return IsWindow(grid) && IsWindowOfRuntimeClass(GetParent(grid), "WheelEventsEditorTab");
}

void FocusAccelerators::FocusGained() {
  if (holding_) return;
  holding_ = true;
  wereOn_ = AcceleratorsEnabled() != FALSE;
  DisableAccelerators();
}

void FocusAccelerators::FocusLost() {
  if (!holding_) return;
  holding_ = false;
  if (wereOn_) EnableAccelerators();
}

}  // namespace Talvo
