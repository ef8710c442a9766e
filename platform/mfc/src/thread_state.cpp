#include "handle_map.h"
#include "mfc/dc.h"
#include "mfc/gdi_objects.h"
#include "mfc/image_list.h"
#include "mfc/menu.h"
#include "mfc/wnd.h"

namespace mfc_internal {

ThreadState& GetThreadState() {
  // Never destroyed: windows that outlive the thread's static objects may still detach at exit.
  thread_local ThreadState* state = new ThreadState;
  return *state;
}

void ClearWrapperHandle(CWnd* wrapper) { wrapper->m_hWnd = nullptr; }
void ClearWrapperHandle(CDC* wrapper) {
  wrapper->m_hDC = nullptr;
  wrapper->m_hAttribDC = nullptr;
}
void ClearWrapperHandle(CGdiObject* wrapper) { wrapper->m_hObject = nullptr; }

}  // namespace mfc_internal

void AfxUnlockTempMaps() {
  mfc_internal::ThreadState& state = mfc_internal::GetThreadState();
  state.windows.DeleteTemporaries();
  state.deviceContexts.DeleteTemporaries();
  state.gdiObjects.DeleteTemporaries();
  state.menus.DeleteTemporaries();
  state.imageLists.DeleteTemporaries();
}
