// Cursors and icons by id: the system's stock cursors (LoadCursor with IDC_*) and icons (LoadIcon
// with IDI_*). SetCursor and GetCursor are in win32/input.h.
#pragma once

#include "win32/types.h"

#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_UPARROW MAKEINTRESOURCE(32516)
#define IDC_SIZENWSE MAKEINTRESOURCE(32642)
#define IDC_SIZENESW MAKEINTRESOURCE(32643)
#define IDC_SIZEWE MAKEINTRESOURCE(32644)
#define IDC_SIZENS MAKEINTRESOURCE(32645)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_NO MAKEINTRESOURCE(32648)
#define IDC_HAND MAKEINTRESOURCE(32649)
#define IDC_APPSTARTING MAKEINTRESOURCE(32650)
#define IDC_HELP MAKEINTRESOURCE(32651)

#define IDI_APPLICATION MAKEINTRESOURCE(32512)
#define IDI_ERROR MAKEINTRESOURCE(32513)
#define IDI_QUESTION MAKEINTRESOURCE(32514)
#define IDI_WARNING MAKEINTRESOURCE(32515)
#define IDI_INFORMATION MAKEINTRESOURCE(32516)
#define IDI_HAND IDI_ERROR
#define IDI_EXCLAMATION IDI_WARNING
#define IDI_ASTERISK IDI_INFORMATION

// With a null instance, the stock cursor or icon of that id: the same shared handle on every call
// (never destroyed). Null, with ERROR_RESOURCE_NAME_NOT_FOUND, for unknown ids and for the
// module's own resources, which this system loads from files instead (LoadImage).
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);

#define LoadCursor LoadCursorW
#define LoadIcon LoadIconW
