// The system control classes, registered on the first class lookup of the process.
#include <mutex>

#include "controls_internal.h"
#include "scrollbar_window.h"

namespace win32_internal {

void RegisterControlClass(const wchar_t* name, WNDPROC proc, UINT style) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_GLOBALCLASS | CS_DBLCLKS | style;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = kControlExtraBytes;
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

void RegisterStandardControlClasses() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterButtonClass();
    RegisterStaticClass();
    RegisterEditClass();
    RegisterScrollBarTrackerClass();
    RegisterListControlClasses();
  });
}

}  // namespace win32_internal
