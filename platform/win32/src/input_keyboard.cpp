// The simulated US keyboard layout, MapVirtualKey and TranslateMessage.
#include "input_keyboard.h"

#include <cwctype>

#include "input_state.h"
#include "message_queue_internal.h"

namespace win32_internal {

namespace {

struct Punctuation {
  UINT vk;
  wchar_t plain;
  wchar_t shifted;
};

constexpr Punctuation kPunctuation[] = {
    {VK_OEM_1, L';', L':'},  {VK_OEM_PLUS, L'=', L'+'}, {VK_OEM_COMMA, L',', L'<'}, {VK_OEM_MINUS, L'-', L'_'},
    {VK_OEM_PERIOD, L'.', L'>'}, {VK_OEM_2, L'/', L'?'}, {VK_OEM_3, L'`', L'~'},  {VK_OEM_4, L'[', L'{'},
    {VK_OEM_5, L'\\', L'|'}, {VK_OEM_6, L']', L'}'},    {VK_OEM_7, L'\'', L'"'},
};

constexpr wchar_t kShiftedDigits[] = L")!@#$%^&*(";

// Scan codes of the set-1 keyboard for the main block.
constexpr struct {
  UINT vk;
  UINT scan;
} kScanCodes[] = {
    {VK_ESCAPE, 0x01}, {'1', 0x02}, {'2', 0x03}, {'3', 0x04}, {'4', 0x05}, {'5', 0x06}, {'6', 0x07}, {'7', 0x08},
    {'8', 0x09}, {'9', 0x0A}, {'0', 0x0B}, {VK_OEM_MINUS, 0x0C}, {VK_OEM_PLUS, 0x0D}, {VK_BACK, 0x0E},
    {VK_TAB, 0x0F}, {'Q', 0x10}, {'W', 0x11}, {'E', 0x12}, {'R', 0x13}, {'T', 0x14}, {'Y', 0x15}, {'U', 0x16},
    {'I', 0x17}, {'O', 0x18}, {'P', 0x19}, {VK_OEM_4, 0x1A}, {VK_OEM_6, 0x1B}, {VK_RETURN, 0x1C},
    {VK_CONTROL, 0x1D}, {'A', 0x1E}, {'S', 0x1F}, {'D', 0x20}, {'F', 0x21}, {'G', 0x22}, {'H', 0x23},
    {'J', 0x24}, {'K', 0x25}, {'L', 0x26}, {VK_OEM_1, 0x27}, {VK_OEM_7, 0x28}, {VK_OEM_3, 0x29},
    {VK_SHIFT, 0x2A}, {VK_OEM_5, 0x2B}, {'Z', 0x2C}, {'X', 0x2D}, {'C', 0x2E}, {'V', 0x2F}, {'B', 0x30},
    {'N', 0x31}, {'M', 0x32}, {VK_OEM_COMMA, 0x33}, {VK_OEM_PERIOD, 0x34}, {VK_OEM_2, 0x35}, {VK_MENU, 0x38},
    {VK_SPACE, 0x39}, {VK_CAPITAL, 0x3A}, {VK_F1, 0x3B}, {VK_F2, 0x3C}, {VK_F3, 0x3D}, {VK_F4, 0x3E},
    {VK_F5, 0x3F}, {VK_F6, 0x40}, {VK_F7, 0x41}, {VK_F8, 0x42}, {VK_F9, 0x43}, {VK_F10, 0x44},
    {VK_HOME, 0x47}, {VK_UP, 0x48}, {VK_PRIOR, 0x49}, {VK_LEFT, 0x4B}, {VK_RIGHT, 0x4D}, {VK_END, 0x4F},
    {VK_DOWN, 0x50}, {VK_NEXT, 0x51}, {VK_INSERT, 0x52}, {VK_DELETE, 0x53}, {VK_F11, 0x57}, {VK_F12, 0x58},
};

}  // namespace

wchar_t CharacterOfKey(UINT vk, bool shift, bool capsLock) {
  if (vk >= 'A' && vk <= 'Z') return static_cast<wchar_t>((shift != capsLock) ? vk : vk - 'A' + 'a');
  if (vk >= '0' && vk <= '9') return shift ? kShiftedDigits[vk - '0'] : static_cast<wchar_t>(vk);
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return static_cast<wchar_t>(L'0' + (vk - VK_NUMPAD0));
  switch (vk) {
    case VK_SPACE: return L' ';
    case VK_RETURN: return L'\r';
    case VK_ESCAPE: return 0x1B;
    case VK_BACK: return 0x08;
    case VK_TAB: return L'\t';
    case VK_MULTIPLY: return L'*';
    case VK_ADD: return L'+';
    case VK_SUBTRACT: return L'-';
    case VK_DECIMAL: return L'.';
    case VK_DIVIDE: return L'/';
    default: break;
  }
  for (const Punctuation& p : kPunctuation)
    if (p.vk == vk) return shift ? p.shifted : p.plain;
  return 0;
}

bool KeyOfCharacter(wchar_t c, UINT* vk, bool* shift) {
  if (c >= L'a' && c <= L'z') return *vk = c - L'a' + 'A', *shift = false, true;
  if (c >= L'A' && c <= L'Z') return *vk = c, *shift = true, true;
  if (c >= L'0' && c <= L'9') return *vk = c, *shift = false, true;
  for (int d = 0; d < 10; ++d)
    if (kShiftedDigits[d] == c) return *vk = '0' + d, *shift = true, true;
  switch (c) {
    case L' ': return *vk = VK_SPACE, *shift = false, true;
    case L'\r':
    case L'\n': return *vk = VK_RETURN, *shift = false, true;
    case L'\t': return *vk = VK_TAB, *shift = false, true;
    case 0x08: return *vk = VK_BACK, *shift = false, true;
    case 0x1B: return *vk = VK_ESCAPE, *shift = false, true;
    default: break;
  }
  for (const Punctuation& p : kPunctuation) {
    if (p.plain == c) return *vk = p.vk, *shift = false, true;
    if (p.shifted == c) return *vk = p.vk, *shift = true, true;
  }
  return false;
}

UINT ScanCodeOfKey(UINT vk) {
  for (const auto& entry : kScanCodes)
    if (entry.vk == vk) return entry.scan;
  return 0;
}

}  // namespace win32_internal

using namespace win32_internal;

UINT MapVirtualKeyW(UINT code, UINT mapType) {
  switch (mapType) {
    case MAPVK_VK_TO_VSC:
      return ScanCodeOfKey(code);
    case MAPVK_VSC_TO_VK:
    case MAPVK_VSC_TO_VK_EX:
      for (UINT vk = 1; vk < 256; ++vk)
        if (ScanCodeOfKey(vk) == code && code != 0) return vk;
      return 0;
    case MAPVK_VK_TO_CHAR: {
      wchar_t c = CharacterOfKey(code, false, false);
      return static_cast<UINT>(std::towupper(c));
    }
    default:
      return 0;
  }
}

namespace {

// The character a key types with Ctrl held (and Alt not): letters give the control codes 1 to 26, the bracket
// and backslash keys 0x1B to 0x1D, Enter a line feed and Backspace DEL; Escape and Space stay what they are.
// Other keys type nothing.
wchar_t ControlCharacterOfKey(UINT vk) {
  if (vk >= 'A' && vk <= 'Z') return static_cast<wchar_t>(vk - 'A' + 1);
  switch (vk) {
    case VK_OEM_4: return 0x1B;
    case VK_OEM_5: return 0x1C;
    case VK_OEM_6: return 0x1D;
    case VK_RETURN: return 0x0A;
    case VK_BACK: return 0x7F;
    case VK_ESCAPE: return 0x1B;
    case VK_SPACE: return L' ';
    default: return 0;
  }
}

}  // namespace

// Key-down messages of keys that type a character post WM_CHAR (WM_SYSCHAR with Alt) right after themselves.
BOOL TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  bool keyDown = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
  bool keyUp = msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
  if (!keyDown) return keyUp;
  UINT vk = static_cast<UINT>(msg->wParam);
  bool control = IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_MENU);
  wchar_t c = control ? ControlCharacterOfKey(vk)
                      : CharacterOfKey(vk, IsKeyDown(VK_SHIFT), (KeyStateByte(VK_CAPITAL) & 1) != 0);
  if (!c) return TRUE;
  UINT charMessage = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  MSG typed{msg->hwnd, charMessage, static_cast<WPARAM>(c), msg->lParam, msg->time, msg->pt};
  PostToThread(GetCurrentThreadId(), typed, true);
  return TRUE;
}
