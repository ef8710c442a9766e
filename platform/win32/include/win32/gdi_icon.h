// Icons made of a colour bitmap and a mask.
#pragma once

#include "win32/types.h"

struct ICONINFO {
  BOOL fIcon;
  DWORD xHotspot;
  DWORD yHotspot;
  HBITMAP hbmMask;
  HBITMAP hbmColor;
};
using PICONINFO = ICONINFO*;

#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003
#define DI_COMPAT 0x0004
#define DI_DEFAULTSIZE 0x0008

HICON CreateIconIndirect(PICONINFO info);
BOOL DestroyIcon(HICON icon);
BOOL GetIconInfo(HICON icon, PICONINFO info);
BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH flickerFree, UINT flags);
BOOL DrawIcon(HDC hdc, int x, int y, HICON icon);
