// CImage: a 32-bit bitmap loaded from a file, drawn with or without its alpha channel.
#include "mfc/image.h"

#include <windows.h>

namespace {

// Whether any pixel of a 32-bit DIB section is less than opaque (bitmaps without bits count as opaque).
bool HasTransparency(const BITMAP& info) {
  if (info.bmBits == nullptr || info.bmBitsPixel != 32) return false;
  const auto* bytes = static_cast<const BYTE*>(info.bmBits);
  const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  for (int y = 0; y < height; ++y) {
    const BYTE* row = bytes + static_cast<size_t>(y) * static_cast<size_t>(info.bmWidthBytes);
    for (int x = 0; x < info.bmWidth; ++x) {
      if (row[x * 4 + 3] != 0xFF) return true;
    }
  }
  return false;
}

}  // namespace

CImage::~CImage() { Destroy(); }

HRESULT CImage::Load(LPCWSTR pszFileName) {
  Destroy();
  if (pszFileName == nullptr) return E_FAIL;
  auto bitmap = static_cast<HBITMAP>(
      ::LoadImageW(nullptr, pszFileName, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return E_FAIL;
  Attach(bitmap);
  return S_OK;
}

BOOL CImage::Create(int nWidth, int nHeight, int nBPP, DWORD) {
  Destroy();
  if (nWidth <= 0 || nHeight == 0 || (nBPP != 24 && nBPP != 32)) return FALSE;
  HBITMAP bitmap = ::CreateBitmap(nWidth, nHeight < 0 ? -nHeight : nHeight, 1, 32, nullptr);
  if (bitmap == nullptr) return FALSE;
  Attach(bitmap);
  m_bHasAlpha = false;  // a new image is opaque black until drawn into
  return TRUE;
}

void CImage::Destroy() {
  HBITMAP bitmap = Detach();
  if (bitmap != nullptr) ::DeleteObject(bitmap);
}

void CImage::Attach(HBITMAP hBitmap) {
  Destroy();
  BITMAP info{};
  if (hBitmap == nullptr || ::GetObjectW(hBitmap, sizeof info, &info) == 0) return;
  m_hBitmap = hBitmap;
  m_nWidth = info.bmWidth;
  m_nHeight = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  m_bHasAlpha = HasTransparency(info);
}

HBITMAP CImage::Detach() {
  while (m_nDCRefs > 0) ReleaseDC();
  HBITMAP bitmap = m_hBitmap;
  m_hBitmap = nullptr;
  m_nWidth = m_nHeight = 0;
  m_bHasAlpha = false;
  return bitmap;
}

HDC CImage::GetDC() const {
  if (m_hBitmap == nullptr) return nullptr;
  if (m_nDCRefs++ == 0) {
    m_hDC = ::CreateCompatibleDC(nullptr);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
  }
  return m_hDC;
}

void CImage::ReleaseDC() const {
  if (m_nDCRefs == 0 || --m_nDCRefs > 0) return;
  ::SelectObject(m_hDC, m_hOldBitmap);
  ::DeleteDC(m_hDC);
  m_hDC = nullptr;
  m_hOldBitmap = nullptr;
}

BOOL CImage::Draw(HDC hDestDC, const RECT& rectDest, const RECT& rectSrc) const {
  if (m_hBitmap == nullptr || hDestDC == nullptr) return FALSE;
  HDC source = GetDC();
  const int width = rectDest.right - rectDest.left, height = rectDest.bottom - rectDest.top;
  const int sourceWidth = rectSrc.right - rectSrc.left, sourceHeight = rectSrc.bottom - rectSrc.top;
  BOOL result = FALSE;
  if (m_bHasAlpha) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 0xFF, AC_SRC_ALPHA};
    result = ::AlphaBlend(hDestDC, rectDest.left, rectDest.top, width, height, source, rectSrc.left, rectSrc.top,
                          sourceWidth, sourceHeight, blend);
  } else {
    result = ::StretchBlt(hDestDC, rectDest.left, rectDest.top, width, height, source, rectSrc.left, rectSrc.top,
                          sourceWidth, sourceHeight, SRCCOPY);
  }
  ReleaseDC();
  return result;
}

BOOL CImage::Draw(HDC hDestDC, const RECT& rectDest) const {
  return Draw(hDestDC, rectDest, RECT{0, 0, m_nWidth, m_nHeight});
}

BOOL CImage::Draw(HDC hDestDC, int xDest, int yDest) const {
  return Draw(hDestDC, RECT{xDest, yDest, xDest + m_nWidth, yDest + m_nHeight});
}

BOOL CImage::BitBlt(HDC hDestDC, int xDest, int yDest, DWORD dwROP) const {
  if (m_hBitmap == nullptr || hDestDC == nullptr) return FALSE;
  HDC source = GetDC();
  const BOOL result = ::BitBlt(hDestDC, xDest, yDest, m_nWidth, m_nHeight, source, 0, 0, dwROP);
  ReleaseDC();
  return result;
}

BOOL CImage::StretchBlt(HDC hDestDC, const RECT& rectDest, DWORD dwROP) const {
  if (m_hBitmap == nullptr || hDestDC == nullptr) return FALSE;
  HDC source = GetDC();
  const BOOL result = ::StretchBlt(hDestDC, rectDest.left, rectDest.top, rectDest.right - rectDest.left,
                                   rectDest.bottom - rectDest.top, source, 0, 0, m_nWidth, m_nHeight, dwROP);
  ReleaseDC();
  return result;
}

BOOL CImage::AlphaBlend(HDC hDestDC, int xDest, int yDest, BYTE bSrcAlpha, BYTE bBlendOp) const {
  if (m_hBitmap == nullptr || hDestDC == nullptr) return FALSE;
  HDC source = GetDC();
  const BLENDFUNCTION blend{bBlendOp, 0, bSrcAlpha, static_cast<BYTE>(m_bHasAlpha ? AC_SRC_ALPHA : 0)};
  const BOOL result =
      ::AlphaBlend(hDestDC, xDest, yDest, m_nWidth, m_nHeight, source, 0, 0, m_nWidth, m_nHeight, blend);
  ReleaseDC();
  return result;
}

COLORREF CImage::GetPixel(int x, int y) const {
  if (m_hBitmap == nullptr) return CLR_INVALID;
  HDC source = GetDC();
  const COLORREF color = ::GetPixel(source, x, y);
  ReleaseDC();
  return color;
}
