// The system control classes, registered on the first class lookup of the process.
#include <mutex>

#include "controls_internal.h"

namespace win32_internal {

void RegisterStandardControlClasses() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterButtonClass();
    RegisterStaticClass();
    RegisterEditClass();
    RegisterScrollBarClass();
    RegisterListControlClasses();
  });
}

}  // namespace win32_internal
