// The host's main window and the windows registered with the host as its dialogs.
#pragma once

#include <vector>

#include "win32/types.h"

namespace host_internal {
// Creates the main window when it does not exist.
void CreateMainWindow();
void DestroyMainWindow();
HWND MainWindow();
std::vector<HWND>& DialogWindows();
}  // namespace host_internal
