// The options dialog's "Write Keyboard Chart..." command.
#pragma once

#include <windows.h>

namespace Talvo {

// With a current profile: asks for a text file (save dialog on the desktop, ".txt" appended to a name
// without extension) and writes the profile's keyboard chart there. A file that cannot be written is
// reported in a message box and leaves an existing file as it was. True when a chart was written;
// false without a current profile, when the dialog was cancelled, or on failure.
bool WriteKeyboardChart(HWND owner);

}  // namespace Talvo
