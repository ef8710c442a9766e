// The simulated display: one monitor whose size tests may change.
#pragma once

#include "win32/types.h"

namespace win32_internal {

SIZE ScreenSize();
void SetScreenSize(SIZE size);
RECT ScreenRect();
// The one monitor's handle.
HMONITOR PrimaryMonitor();

}  // namespace win32_internal
