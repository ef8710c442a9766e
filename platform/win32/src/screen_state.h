// The simulated display: one monitor whose size tests may change.
#pragma once

#include "win32/types.h"

namespace win32_internal {

SIZE ScreenSize();
void SetScreenSize(SIZE size);
RECT ScreenRect();
// The part of the screen that windows use (the screen less a task bar); the whole screen unless a test sets it.
RECT WorkArea();
void SetWorkArea(const RECT& area);
// The one monitor's handle.
HMONITOR PrimaryMonitor();

}  // namespace win32_internal
