// The virtual-key code of each key number of the keyboard view, for key-assignment pages that are made
// again from a profile's open keys (pages opened from a key button take the code from the layout).
#pragma once

namespace Talvo {

inline constexpr int kKeyNumberCount = 105;

// The virtual-key code of key number `key` (0..104); 0 for any other number.
int VirtualKeyOfKeyNumber(int key);

}  // namespace Talvo
