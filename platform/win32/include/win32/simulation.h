// The test and driver interface of the window stand-in: reset, the clock, the pump, input and screenshots.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "win32/messages.h"
#include "win32/types.h"

namespace winsim {

// Destroys every window and every menu, drops a pending popup menu observer, clears classes registered by tests,
// queues, timers, hooks, the clock, the keyboard, the cursor, focus, capture, activation and the clipboard, and
// restores the default 1920 x 1080 screen. Registered dialog templates stay (the program registers them once).
void Reset();

// The screen (one monitor).
void SetScreenSize(int width, int height);
SIZE ScreenSize();
// The work area of the screen (the screen less a task bar, in screen coordinates); setting the screen size
// makes it the whole screen again.
void SetWorkArea(const RECT& area);

// The clock behind GetTickCount and friends. AdvanceClock moves it and then pumps, so that timers that fell due
// are delivered when the queue is idle.
void SetClock(std::uint64_t milliseconds);
std::uint64_t Clock();
void AdvanceClock(std::uint64_t milliseconds);

// The calling thread's pump: posted messages, then paints, then due timers, until nothing is left. It stops after
// `maxRounds` messages and returns false when the queue never ran dry (a message that keeps posting itself);
// WM_QUIT stops it too and is left in the queue.
struct PumpResult {
  bool idle = true;        // false when the round limit was reached
  bool quit = false;       // a WM_QUIT was seen (it stays queued)
  int exitCode = 0;        // the WM_QUIT's wParam
  int dispatched = 0;      // messages dispatched
};
PumpResult PumpMessages(int maxRounds = 10000);
// Whether the calling thread has nothing posted, nothing to paint and no timer due.
bool IsQueueIdle();

// The calling thread's pre-dispatch filter: the pump hands it every message it retrieves, after the get-message
// hooks and before TranslateMessage and DispatchMessage, as an application's own message loop would pre-translate
// it. Returning true means the filter handled the message, which is then neither translated nor dispatched.
// Returns the previous filter (empty when there was none); an empty filter removes it. Reset leaves the filter
// alone: it belongs to whoever installed it (the class library installs one while its module is loaded).
using PreDispatchFilter = std::function<bool(MSG&)>;
PreDispatchFilter SetPreDispatchFilter(PreDispatchFilter filter);

// Input, in screen coordinates, routed as the real system routes it; each call pumps afterwards.
enum class MouseButton { Left, Right, Middle };
void MouseMove(int x, int y);
void MouseDown(MouseButton button = MouseButton::Left);
void MouseUp(MouseButton button = MouseButton::Left);
void Click(int x, int y, MouseButton button = MouseButton::Left);
void DoubleClick(int x, int y, MouseButton button = MouseButton::Left);
void Wheel(int delta);
void KeyDown(int virtualKey);
void KeyUp(int virtualKey);
void KeyPress(int virtualKey);
void TypeText(const std::wstring& text);

// Screenshots: a window with its visible children, or the screen with every visible top-level window.
// Pending paints are run first. Pixels are RGBA, row by row; colour-keyed pixels of layered windows have alpha 0.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
  // The pixel at (x, y) as a COLORREF (alpha dropped); CLR_INVALID outside the image.
  COLORREF Pixel(int x, int y) const;
  std::uint8_t Alpha(int x, int y) const;
};
Image CaptureWindow(HWND hwnd);
Image CaptureScreen();
Image CaptureScreenRect(const RECT& rect);
bool SaveWindowPng(HWND hwnd, const std::string& path);
bool SaveScreenRectPng(const RECT& rect, const std::string& path);

}  // namespace winsim
