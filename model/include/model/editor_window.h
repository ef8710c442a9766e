// The editor window as the documents see it: the window that hears about every document change.
#pragma once

#include <windows.h>

namespace Talvo {

// Sent to the editor window after every document change (wParam 0, lParam the editor window).
inline constexpr UINT DocumentChangedMessage = 0xC3D;

// The editor registers its window when it is created and null when it is destroyed.
void SetEditorWindow(HWND window);
HWND EditorWindow();

// Sends DocumentChangedMessage to the registered editor window, when there is one.
void NotifyDocumentChanged();

}  // namespace Talvo
