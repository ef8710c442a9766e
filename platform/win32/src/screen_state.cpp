// The simulated display's size.
#include "screen_state.h"

#include <atomic>

#include "window_internal.h"

namespace win32_internal {

namespace {
std::atomic<LONG> screenWidth{1920};
std::atomic<LONG> screenHeight{1080};
std::atomic<LONG> workLeft{0};
std::atomic<LONG> workTop{0};
std::atomic<LONG> workRight{1920};
std::atomic<LONG> workBottom{1080};
}  // namespace

SIZE ScreenSize() { return {screenWidth.load(), screenHeight.load()}; }

void SetScreenSize(SIZE size) {
  screenWidth = size.cx;
  screenHeight = size.cy;
  Window* desktop = Desktop();
  desktop->windowRect = desktop->clientRect = ScreenRect();
  SetWorkArea(ScreenRect());
}

RECT ScreenRect() { return {0, 0, screenWidth.load(), screenHeight.load()}; }

RECT WorkArea() { return {workLeft.load(), workTop.load(), workRight.load(), workBottom.load()}; }

void SetWorkArea(const RECT& area) {
  workLeft = area.left;
  workTop = area.top;
  workRight = area.right;
  workBottom = area.bottom;
}

HMONITOR PrimaryMonitor() { return reinterpret_cast<HMONITOR>(static_cast<std::uintptr_t>(0x00010001)); }

void ResetScreen() { SetScreenSize({1920, 1080}); }

}  // namespace win32_internal
