// Drawing on a device context: shapes with the selected pen and brush, pixels and block transfers.
#pragma once

#include "win32/types.h"

// Ternary raster operations of the block transfers.
#define SRCCOPY 0x00CC0020
#define PATCOPY 0x00F00021
#define DSTINVERT 0x00550009

// AlphaBlend.
#define AC_SRC_OVER 0x00
#define AC_SRC_ALPHA 0x01
struct BLENDFUNCTION {
  BYTE BlendOp;
  BYTE BlendFlags;
  BYTE SourceConstantAlpha;
  BYTE AlphaFormat;
};

// GradientFill.
using COLOR16 = USHORT;
struct TRIVERTEX {
  LONG x;
  LONG y;
  COLOR16 Red;
  COLOR16 Green;
  COLOR16 Blue;
  COLOR16 Alpha;
};
struct GRADIENT_RECT {
  ULONG UpperLeft;
  ULONG LowerRight;
};
#define GRADIENT_FILL_RECT_H 0x00000000
#define GRADIENT_FILL_RECT_V 0x00000001

BOOL FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL FrameRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC hdc, const RECT* rect);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
BOOL Polygon(HDC hdc, const POINT* points, int count);
BOOL Polyline(HDC hdc, const POINT* points, int count);
BOOL LineTo(HDC hdc, int x, int y);

COLORREF GetPixel(HDC hdc, int x, int y);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, int sourceWidth,
                int sourceHeight, DWORD rop);
BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource,
                    int sourceWidth, int sourceHeight, UINT transparentColor);
BOOL AlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int xSource, int ySource, int sourceWidth,
                int sourceHeight, BLENDFUNCTION blend);
BOOL GradientFill(HDC hdc, TRIVERTEX* vertices, ULONG vertexCount, PVOID mesh, ULONG meshCount, ULONG mode);
