// The test driver's clock, screen and reset.
#include <algorithm>

#include "win32/simulation.h"
#include "menu_internal.h"
#include "message_box_window.h"
#include "message_queue_internal.h"
#include "screen_state.h"
#include "simulation_internal.h"
#include "window_internal.h"

namespace winsim {

void SetScreenSize(int width, int height) { win32_internal::SetScreenSize({width, height}); }
SIZE ScreenSize() { return win32_internal::ScreenSize(); }
void SetWorkArea(const RECT& area) { win32_internal::SetWorkArea(area); }

void SetClock(std::uint64_t milliseconds) { win32_internal::SetNow(milliseconds); }
std::uint64_t Clock() { return win32_internal::Now(); }

// Moves the clock in steps, stopping at each timer's due time so that a timer fires once per period that passes.
void AdvanceClock(std::uint64_t milliseconds) {
  std::uint64_t target = win32_internal::Now() + milliseconds;
  std::uint64_t due = 0;
  // A pump that stops early (its guard tripped, or WM_QUIT waits) leaves due timers undelivered: the stepping
  // ends there rather than spinning on them.
  while (win32_internal::NextTimerDue(&due) && due <= target) {
    win32_internal::SetNow(std::max(win32_internal::Now(), due));
    PumpResult pumped = PumpMessages();
    if (!pumped.idle || pumped.quit) break;
  }
  win32_internal::SetNow(target);
  PumpMessages();
}

void Reset() {
  using namespace win32_internal;
  // This thread's windows are destroyed with their messages; whatever is left (other threads' windows) is dropped.
  std::vector<HWND> tops = Desktop()->children;
  for (HWND top : tops) {
    Window* window = PeekWindow(top);
    if (window && window->threadId == GetCurrentThreadId() && !window->destroying) DestroyWindow(top);
  }
  for (std::uintptr_t value : WindowTable().Handles()) {
    HWND hwnd = ToHwnd(value);
    if (hwnd == DesktopHandle()) continue;
    if (Window* window = PeekWindow(hwnd)) ReleaseSurface(*window);
    WindowTable().Remove(value);
  }
  ClearTopLevelList();
  ResetMenus();
  ResetPopupMenuObserver();
  ResetMessageBoxObserver();
  ResetClasses();
  ResetQueues();
  ResetHooks();
  ResetInput();
  ResetClock();
  ResetScreen();
  ResetMouseMemory();
  ResetClipboard();
}

}  // namespace winsim
