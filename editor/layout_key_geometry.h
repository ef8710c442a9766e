// The keyboard drawing of the keyboard view: where every key number of an ANSI or ISO layout lies, as
// fractions of the drawing area, and the pixel rectangle that gives inside a view's client area; and the
// Win32 virtual-key code of every key number.
#pragma once

#include <windows.h>

#include <string>

namespace Talvo {

class XmlKeyboard;

// Layout kinds, as the keyboard view stores them.
inline constexpr int kLayoutKindIso = 0;   // 105 keys, key numbers 0..104
inline constexpr int kLayoutKindAnsi = 1;  // 104 keys, key numbers 0..103

// The number of keys (and key buttons) of a layout kind.
int LayoutKeyCount(int kind);

// The kind a layout document's "type" text names: "0" is ANSI, anything else ISO.
int LayoutKindOfType(const std::wstring& type);

// The rectangle of a key inside a client rectangle: the drawing area is the client rectangle inset by 16
// pixels, and keys keep a 6-pixel gap to their right and lower neighbours. False for a key number the
// drawing lacks, an empty client rectangle, a drawing area that is empty, or a key that starts outside it.
// Key 104 has a place on either kind.
bool KeyRectInClient(int kind, int key, const RECT& client, RECT* rect);

// The virtual-key code a key number has on a standard keyboard (0 for a number outside 0..104).
UINT DefaultVirtualKey(int key);

// The virtual-key code of a key number: the layout's own ("virt") when it has one, else the standard one.
// `keyboard` may be null.
UINT VirtualKeyOfKey(const XmlKeyboard* keyboard, int key);

}  // namespace Talvo
