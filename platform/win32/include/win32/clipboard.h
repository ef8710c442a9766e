// The clipboard: one per process here, opened by a window, holding HGLOBAL blocks by format.
//
// CF_TEXT holds ANSI text (Windows-1252 here) and CF_UNICODETEXT wide text (UTF-32 wchar_t here); each is
// synthesized from the other on request, as the platform does. The clipboard owns every block it is given.
#pragma once

#include "win32/types.h"

#define CF_TEXT 1
#define CF_BITMAP 2
#define CF_METAFILEPICT 3
#define CF_SYLK 4
#define CF_DIF 5
#define CF_TIFF 6
#define CF_OEMTEXT 7
#define CF_DIB 8
#define CF_PALETTE 9
#define CF_RIFF 11
#define CF_WAVE 12
#define CF_UNICODETEXT 13
#define CF_ENHMETAFILE 14
#define CF_HDROP 15
#define CF_LOCALE 16
#define CF_DIBV5 17
#define CF_PRIVATEFIRST 0x0200
#define CF_PRIVATELAST 0x02FF
#define CF_GDIOBJFIRST 0x0300
#define CF_GDIOBJLAST 0x03FF

BOOL OpenClipboard(HWND hWndNewOwner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
HANDLE GetClipboardData(UINT uFormat);
BOOL IsClipboardFormatAvailable(UINT format);
UINT EnumClipboardFormats(UINT format);
int CountClipboardFormats();
UINT RegisterClipboardFormatW(LPCWSTR lpszFormat);
int GetClipboardFormatNameW(UINT format, LPWSTR lpszFormatName, int cchMaxCount);
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();

namespace winsim {

// Empties and closes the clipboard and clears the forced failure; registered format names stay registered.
void ResetClipboard();
// While set, OpenClipboard fails as when another program holds the clipboard.
void SetClipboardOpenFails(bool fails);

}  // namespace winsim
