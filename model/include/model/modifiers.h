// Modifier bytes (the accelerator flag bits: 1 and 2 always set, 4 Shift, 8 Ctrl, 16 Alt) and the
// modifier-case names of functions.
#pragma once

#include <string_view>

namespace Talvo {

inline constexpr unsigned char kModifierNone = 3;
inline constexpr unsigned char kModifierShift = 4;
inline constexpr unsigned char kModifierCtrl = 8;
inline constexpr unsigned char kModifierAlt = 16;

// Two modifier bytes are equal when bits 0 to 4 agree.
bool ModifiersEqual(unsigned char a, unsigned char b);

// The string id (136 "Editable Poly", 137 "Edit Poly", 138 "Unwrap UVW", 232 "No Modifier") whose text
// equals `caseName`; -1 for any other name.
int ModifierName(std::wstring_view caseName);

}  // namespace Talvo
