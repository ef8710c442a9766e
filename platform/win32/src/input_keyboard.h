// The simulated keyboard layout (US): virtual keys, scan codes and the characters they type.
#pragma once

#include <windows.h>

namespace win32_internal {

// The character a key types with the given Shift and Caps Lock state, or 0 when it types none.
wchar_t CharacterOfKey(UINT virtualKey, bool shift, bool capsLock);
// The key (and whether Shift is needed) that types a character; false when no key types it.
bool KeyOfCharacter(wchar_t character, UINT* virtualKey, bool* shift);
UINT ScanCodeOfKey(UINT virtualKey);

}  // namespace win32_internal
