// Global and local memory blocks: the heap the clipboard and FormatMessage hand out.
//
// Moveable blocks are values in a handle table (GlobalLock turns one into a pointer), fixed blocks are their own
// pointer, as on the platform; a handle the table doesn't know fails cleanly with ERROR_INVALID_HANDLE.
#pragma once

#include "win32/types.h"

#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_SHARE 0x2000
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
// The most locks a moveable block counts.
#define GMEM_LOCKCOUNT 0x00FF

#define LMEM_FIXED 0x0000

HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
LPVOID GlobalLock(HGLOBAL hMem);
BOOL GlobalUnlock(HGLOBAL hMem);
SIZE_T GlobalSize(HGLOBAL hMem);
HGLOBAL GlobalFree(HGLOBAL hMem);

// The local heap is the same heap here (as on 32-bit and later Windows).
HLOCAL LocalAlloc(UINT uFlags, SIZE_T uBytes);
HLOCAL LocalFree(HLOCAL hMem);
