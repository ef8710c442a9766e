// How the function editor tells the editor window's page strip that the current function changed, so that
// the strip refreshes the function viewers of the key-assignment pages.
#pragma once

#include <afxwin.h>

namespace Talvo {

// Sends FunctionEditedMessage (wParam 0, lParam `sender`) to the page strip, when `functionsPage` is a page
// of the editor window (a WindowTab whose parent is a tab control). Nothing otherwise.
void NotifyFunctionEditedFrom(CWnd* functionsPage, CWnd* sender);

// The same from a function editor page: its grand-parent is the functions page.
void NotifyFunctionEdited(CWnd* editorPage);

}  // namespace Talvo
