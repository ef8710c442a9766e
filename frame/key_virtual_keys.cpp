#include "frame/key_virtual_keys.h"

#include <array>
#include <cstddef>

namespace Talvo {

namespace {

constexpr std::array<int, kKeyNumberCount> kVirtualKeys = {
    27,                                                   // 0 Escape
    112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123,  // 1-12 F1-F12
    154, 145, 19, 192,                                    // 13-16
    49, 50, 51, 52, 53, 54, 55, 56, 57, 48,               // 17-26 digits
    189, 187, 8, 9,                                       // 27-30
    81, 87, 69, 82, 84, 89, 85, 73, 79, 80,               // 31-40 Q-P
    219, 221, 220, 20,                                    // 41-44
    65, 83, 68, 70, 71, 72, 74, 75, 76,                   // 45-53 A-L
    186, 222, 13, 16,                                     // 54-57
    90, 88, 67, 86, 66, 78, 77,                           // 58-64 Z-M
    188, 190, 191, 16, 17, 91, 18, 32, 18, 92, 93, 17,    // 65-76
    45, 36, 33, 46, 35, 34, 37, 38, 40, 39,               // 77-86 navigation and arrows
    144, 111, 106, 109, 107, 13,                          // 87-92 number pad operators
    103, 104, 105, 100, 101, 102, 97, 98, 99, 96, 110,    // 93-103 number pad digits
    163,                                                  // 104
};

}  // namespace

int VirtualKeyOfKeyNumber(int key) {
  if (key < 0 || key >= kKeyNumberCount) return 0;
  return kVirtualKeys[static_cast<std::size_t>(key)];
}

}  // namespace Talvo
