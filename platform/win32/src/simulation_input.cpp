// Injected mouse and keyboard input, routed as the platform routes it, then pumped.
#include <cstdlib>

#include "win32/simulation.h"
#include "input_keyboard.h"
#include "input_state.h"
#include "input_track_mouse.h"
#include "message_queue_internal.h"
#include "paint_internal.h"
#include "simulation_internal.h"
#include "window_internal.h"

namespace winsim {

namespace {

using win32_internal::PeekWindow;
using win32_internal::Window;

// The previous button press, which a second press may pair with into a double click.
struct LastPress {
  bool valid = false;
  HWND hwnd = nullptr;
  MouseButton button = MouseButton::Left;
  std::uint64_t time = 0;
  POINT point{};
};
LastPress lastPress;

constexpr UINT kNonClientOffset = WM_LBUTTONDOWN - WM_NCLBUTTONDOWN;

int ButtonKey(MouseButton button) {
  return button == MouseButton::Left ? VK_LBUTTON : button == MouseButton::Right ? VK_RBUTTON : VK_MBUTTON;
}

UINT DownMessage(MouseButton button) {
  return button == MouseButton::Left ? WM_LBUTTONDOWN : button == MouseButton::Right ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
}

bool PairsIntoDoubleClick(const Window& window, MouseButton button, POINT point) {
  if (!lastPress.valid || lastPress.hwnd != window.handle || lastPress.button != button) return false;
  if (!window.windowClass || !(window.windowClass->style & CS_DBLCLKS)) return false;
  if (win32_internal::Now() - lastPress.time > GetDoubleClickTime()) return false;
  return std::abs(point.x - lastPress.point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(point.y - lastPress.point.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

// A press on an inactive top-level window activates it, unless WM_MOUSEACTIVATE says otherwise.
// Returns false when the press is to be eaten.
bool ActivateOnPress(HWND target, LRESULT hit, UINT message) {
  HWND root = win32_internal::RootOf(target);
  if (!root || root == GetActiveWindow()) return true;
  LRESULT answer = SendMessageW(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(root), MAKELPARAM(hit, message));
  Window* top = PeekWindow(root);
  if (top && (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && !(top->exStyle & WS_EX_NOACTIVATE))
    win32_internal::ActivateWindow(root, WA_CLICKACTIVE);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

// Sends one mouse event to the window that gets it: the capture window, or the one under the cursor.
void DeliverMouse(UINT clientMessage, MouseButton button, bool press) {
  POINT point;
  GetCursorPos(&point);
  win32_internal::RunPendingPaints(10000);
  HWND target = GetCapture();
  LRESULT hit = HTCLIENT;
  if (!target) {
    win32_internal::Hit found = win32_internal::HitTestScreen(point);
    target = found.hwnd;
    hit = found.code;
  }
  win32_internal::NoteMouseTarget(target, hit == HTCLIENT || GetCapture() == target);
  Window* window = PeekWindow(target);
  if (!window || (window->style & WS_DISABLED)) return;
  bool captured = GetCapture() == target;
  if (press && !captured && !ActivateOnPress(target, hit, clientMessage)) return;
  if (!captured && PeekWindow(target))
    SendMessageW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(hit, clientMessage));
  window = PeekWindow(target);
  if (!window) return;
  if (press) {
    if (hit == HTCLIENT && PairsIntoDoubleClick(*window, button, point)) {
      clientMessage += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
      lastPress.valid = false;
    } else {
      lastPress = {true, target, button, win32_internal::Now(), point};
    }
  }
  if (hit == HTCLIENT || captured) {
    POINT client = point;
    ScreenToClient(target, &client);
    PostMessageW(target, clientMessage, win32_internal::MouseKeyFlags(), MAKELPARAM(client.x, client.y));
  } else {
    PostMessageW(target, clientMessage - kNonClientOffset, static_cast<WPARAM>(hit), MAKELPARAM(point.x, point.y));
  }
}

HWND KeyboardTarget() {
  HWND focus = GetFocus();
  return focus ? focus : GetActiveWindow();
}

void DeliverKey(int vk, bool down) {
  bool wasDown = win32_internal::IsKeyDown(vk);
  bool alt = win32_internal::IsKeyDown(VK_MENU) || vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU;
  bool system = (alt && !win32_internal::IsKeyDown(VK_CONTROL)) || vk == VK_F10 || !GetFocus();
  UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  UINT scan = win32_internal::ScanCodeOfKey(static_cast<UINT>(vk));
  win32_internal::SetKeyDown(vk, down);
  HWND target = KeyboardTarget();
  if (!target) return;
  LPARAM lParam = 1 | (static_cast<LPARAM>(scan) << 16) | (alt ? (1 << 29) : 0);
  if (down && wasDown) lParam |= 1 << 30;
  if (!down) lParam |= (1u << 30) | (1u << 31);
  PostMessageW(target, message, static_cast<WPARAM>(vk), lParam);
}

}  // namespace

void ResetMouseMemory() { lastPress = LastPress{}; }

void MouseMove(int x, int y) {
  SetCursorPos(x, y);
  DeliverMouse(WM_MOUSEMOVE, MouseButton::Left, false);
  PumpMessages();
}

void MouseDown(MouseButton button) {
  win32_internal::SetKeyDown(ButtonKey(button), true);
  DeliverMouse(DownMessage(button), button, true);
  PumpMessages();
}

void MouseUp(MouseButton button) {
  win32_internal::SetKeyDown(ButtonKey(button), false);
  DeliverMouse(DownMessage(button) + 1, button, false);
  PumpMessages();
}

void Click(int x, int y, MouseButton button) {
  MouseMove(x, y);
  MouseDown(button);
  MouseUp(button);
}

void DoubleClick(int x, int y, MouseButton button) {
  Click(x, y, button);
  Click(x, y, button);
}

void Wheel(int delta) {
  HWND target = KeyboardTarget();
  if (target) {
    POINT point;
    GetCursorPos(&point);
    PostMessageW(target, WM_MOUSEWHEEL, MAKEWPARAM(win32_internal::MouseKeyFlags(), delta),
                 MAKELPARAM(point.x, point.y));
  }
  PumpMessages();
}

void KeyDown(int virtualKey) {
  DeliverKey(virtualKey, true);
  PumpMessages();
}

void KeyUp(int virtualKey) {
  DeliverKey(virtualKey, false);
  PumpMessages();
}

void KeyPress(int virtualKey) {
  KeyDown(virtualKey);
  KeyUp(virtualKey);
}

// Each character is typed with its key (and Shift when needed): control characters press theirs ("\n" and "\r"
// Enter, and "\r\n" only once; "\t" Tab, "\b" Backspace, "\x1B" Escape); characters no key types arrive as
// WM_CHAR.
void TypeText(const std::wstring& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (c == L'\n' && i > 0 && text[i - 1] == L'\r') continue;
    UINT vk = 0;
    bool shift = false;
    if (!win32_internal::KeyOfCharacter(c, &vk, &shift)) {
      if (HWND target = KeyboardTarget()) PostMessageW(target, WM_CHAR, static_cast<WPARAM>(c), 1);
      PumpMessages();
      continue;
    }
    bool capsLock = (win32_internal::KeyStateByte(VK_CAPITAL) & 1) != 0;
    if (capsLock && vk >= 'A' && vk <= 'Z') shift = !shift;
    bool pressShift = shift && !win32_internal::IsKeyDown(VK_SHIFT);
    if (pressShift) KeyDown(VK_SHIFT);
    KeyPress(static_cast<int>(vk));
    if (pressShift) KeyUp(VK_SHIFT);
  }
}

}  // namespace winsim
