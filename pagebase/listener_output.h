// Lines the editor prints to the host's MAXScript listener. They are printed only while the program-wide
// no-verbosity switch is off, so a user who asked for silence hears nothing.
#pragma once

#include <string>

namespace Talvo {

// Prints the text as it is (callers end their lines in "\n").
void PrintToListener(const std::wstring& text);

}  // namespace Talvo
