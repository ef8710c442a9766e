// The overlay's two rows of entries for tap counts 1 to 4: the cases of the resolved context (row A)
// and the function's "Override Mode" cases (row B), each with its text and whether a click may run it.
#pragma once

#include <string>
#include <vector>

#include "model/xml_function.h"

namespace Talvo {

struct OverlayRow {
  std::vector<std::wstring> names;
  std::vector<bool> flags;  // true when the entry is runnable from the overlay
};

// Appends four entries for the cases of (input, mode, selection, modifier byte) by tap count.
void FillContextRow(const XmlFunction& function, const std::wstring& input, const std::wstring& mode, int selection,
                    unsigned char modifiers, OverlayRow& row);
// Appends four entries for the function's "Override Mode" cases of a modifier byte.
void FillOverrideRow(const XmlFunction& function, unsigned char modifiers, OverlayRow& row);
// The name of a custom script as the custom-scripts document holds it now; "Not Selected" when it is gone.
std::wstring CustomScriptName(const std::wstring& scriptId);

}  // namespace Talvo
