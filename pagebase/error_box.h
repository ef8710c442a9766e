// The editor's message box for file failures: caption "Error" and the stop icon.
#pragma once

#include <windows.h>

#include <string>

namespace Talvo {

void ShowErrorBox(HWND owner, const std::wstring& text);

}  // namespace Talvo
