// The window of an observed message box (see win32/message_box_observer.h).
#pragma once

#include <string>

#include "win32/types.h"

namespace win32_internal {

// Shows the message box as a window while the pending observer runs, then removes it; nothing without one.
void ShowObservedMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);
void ResetMessageBoxObserver();

}  // namespace win32_internal
