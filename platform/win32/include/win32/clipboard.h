// The clipboard: one per process here, opened by a window, holding HGLOBAL blocks by format.
//
// CF_TEXT holds ANSI text (Windows-1252 here) and CF_UNICODETEXT wide text (UTF-32 wchar_t here); each is
// synthesized from the other on request, as the platform does. The clipboard owns every block it is given.
#pragma once

#include "win32/types.h"

#define CF_TEXT 1
#define CF_UNICODETEXT 13
#define CF_HDROP 15

BOOL OpenClipboard(HWND hWndNewOwner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
HANDLE GetClipboardData(UINT uFormat);
BOOL IsClipboardFormatAvailable(UINT format);
int CountClipboardFormats();
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();

namespace winsim {

// Empties and closes the clipboard and clears the forced failure.
void ResetClipboard();
// While set, OpenClipboard fails as when another program holds the clipboard.
void SetClipboardOpenFails(bool fails);

}  // namespace winsim
