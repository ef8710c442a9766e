#include "model/modifiers.h"

#include "model/string_table.h"

namespace Talvo {

bool ModifiersEqual(unsigned char a, unsigned char b) { return ((a ^ b) & 0x1F) == 0; }

int ModifierName(std::wstring_view caseName) {
  for (int id : {136, 137, 138, 232}) {
    const wchar_t* text = GetString(id);
    if (text && caseName == text) return id;
  }
  return -1;
}

}  // namespace Talvo
