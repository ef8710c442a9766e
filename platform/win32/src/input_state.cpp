// The simulated keyboard and the cursor; read from any thread (GetAsyncKeyState), changed by the test driver.
#include "input_state.h"

#include <array>
#include <atomic>

#include "window_internal.h"

namespace win32_internal {

namespace {

std::array<std::atomic<BYTE>, 256> keys{};
std::atomic<LONG> cursorX{0};
std::atomic<LONG> cursorY{0};
std::atomic<HCURSOR> currentCursor{nullptr};

bool Toggles(int virtualKey) { return virtualKey == VK_CAPITAL || virtualKey == VK_NUMLOCK || virtualKey == VK_SCROLL; }

// The generic modifier keys follow their left and right variants.
int GenericOf(int virtualKey) {
  switch (virtualKey) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    default: return 0;
  }
}

}  // namespace

BYTE KeyStateByte(int virtualKey) { return virtualKey >= 0 && virtualKey < 256 ? keys[virtualKey].load() : 0; }

bool IsKeyDown(int virtualKey) { return (KeyStateByte(virtualKey) & 0x80) != 0; }

void SetKeyDown(int virtualKey, bool down) {
  if (virtualKey < 0 || virtualKey >= 256) return;
  BYTE state = keys[virtualKey].load();
  if (down && !(state & 0x80) && Toggles(virtualKey)) state ^= 0x01;
  state = down ? (state | 0x80) : (state & ~0x80);
  keys[virtualKey] = state;
  if (int generic = GenericOf(virtualKey)) {
    bool anyDown = false;
    for (int variant : {generic == VK_SHIFT ? VK_LSHIFT : generic == VK_CONTROL ? VK_LCONTROL : VK_LMENU,
                        generic == VK_SHIFT ? VK_RSHIFT : generic == VK_CONTROL ? VK_RCONTROL : VK_RMENU})
      anyDown = anyDown || (keys[variant].load() & 0x80);
    keys[generic] = anyDown ? BYTE(keys[generic].load() | 0x80) : BYTE(keys[generic].load() & ~0x80);
  }
}

WPARAM MouseKeyFlags() {
  WPARAM flags = 0;
  if (IsKeyDown(VK_LBUTTON)) flags |= MK_LBUTTON;
  if (IsKeyDown(VK_RBUTTON)) flags |= MK_RBUTTON;
  if (IsKeyDown(VK_MBUTTON)) flags |= MK_MBUTTON;
  if (IsKeyDown(VK_SHIFT)) flags |= MK_SHIFT;
  if (IsKeyDown(VK_CONTROL)) flags |= MK_CONTROL;
  return flags;
}

void ResetKeyboardAndCursor() {
  for (auto& key : keys) key = 0;
  cursorX = 0;
  cursorY = 0;
  currentCursor = nullptr;
}

}  // namespace win32_internal

using namespace win32_internal;

SHORT GetKeyState(int virtualKey) {
  BYTE state = KeyStateByte(virtualKey);
  return static_cast<SHORT>(((state & 0x80) ? 0xFF80 : 0) | (state & 0x01));
}

BOOL GetCursorPos(LPPOINT point) {
  if (!point) return FALSE;
  *point = {cursorX.load(), cursorY.load()};
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  cursorX = x;
  cursorY = y;
  return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) { return currentCursor.exchange(cursor); }
HCURSOR GetCursor() { return currentCursor.load(); }
UINT GetDoubleClickTime() { return 500; }
