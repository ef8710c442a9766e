// CImage: a bitmap loaded from a BMP or PNG file (or made empty), drawn into device contexts, and
// drawable itself through GetDC / ReleaseDC.
#pragma once

#include "mfc/object.h"

#ifndef E_FAIL
#define E_FAIL ((HRESULT)0x80004005L)
#endif

class CImage {
 public:
  CImage() = default;
  ~CImage();
  CImage(const CImage&) = delete;
  CImage& operator=(const CImage&) = delete;

  // S_OK, or E_FAIL when the file can't be read as an image (the image stays null).
  HRESULT Load(LPCWSTR pszFileName);
  // A new 32-bit image; nBPP other than 24 or 32 fails. A negative height is accepted as its size.
  BOOL Create(int nWidth, int nHeight, int nBPP, DWORD dwFlags = 0);
  void Destroy();
  bool IsNull() const { return m_hBitmap == nullptr; }
  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  operator HBITMAP() const { return m_hBitmap; }
  void Attach(HBITMAP hBitmap);
  HBITMAP Detach();

  // Whole image at a point, into a rectangle, or a part of it; PNG transparency is kept
  // (alpha blending) when the image has any.
  BOOL Draw(HDC hDestDC, int xDest, int yDest) const;
  BOOL Draw(HDC hDestDC, const RECT& rectDest) const;
  BOOL Draw(HDC hDestDC, const RECT& rectDest, const RECT& rectSrc) const;
  BOOL BitBlt(HDC hDestDC, int xDest, int yDest, DWORD dwROP = SRCCOPY) const;
  BOOL StretchBlt(HDC hDestDC, const RECT& rectDest, DWORD dwROP = SRCCOPY) const;
  BOOL AlphaBlend(HDC hDestDC, int xDest, int yDest, BYTE bSrcAlpha = 0xFF, BYTE bBlendOp = AC_SRC_OVER) const;
  COLORREF GetPixel(int x, int y) const;

  // A memory DC with the image selected, for drawing into it; one ReleaseDC per GetDC.
  HDC GetDC() const;
  void ReleaseDC() const;

 private:
  HBITMAP m_hBitmap = nullptr;
  int m_nWidth = 0;
  int m_nHeight = 0;
  bool m_bHasAlpha = false;
  mutable HDC m_hDC = nullptr;
  mutable HGDIOBJ m_hOldBitmap = nullptr;
  mutable int m_nDCRefs = 0;
};
