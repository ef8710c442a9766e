// Wrappers of GDI objects. An object owns its handle (the destructor deletes it) unless it is a
// temporary wrapper from FromHandle, which the idle-time cleanup frees without touching the handle.
#pragma once

#include "mfc/geometry.h"
#include "mfc/object.h"

class CBitmap;
class CDC;

class CGdiObject : public CObject {
  DECLARE_DYNCREATE(CGdiObject)
 public:
  CGdiObject() = default;
  ~CGdiObject() override;

  HGDIOBJ m_hObject = nullptr;
  operator HGDIOBJ() const { return m_hObject; }
  HGDIOBJ GetSafeHandle() const { return m_hObject; }

  // The permanent wrapper of the handle, else a temporary one of the handle's kind (CPen for a pen, ...).
  static CGdiObject* FromHandle(HGDIOBJ hObject);
  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  // Deletes the handle (and detaches it); FALSE when there is none or GDI refuses.
  BOOL DeleteObject();
  int GetObject(int nCount, LPVOID lpObject) const;
  UINT GetObjectType() const;

 protected:
  // The wrapper of `type` for the handle: the permanent one when it is of that class, else a temporary.
  static CGdiObject* FromHandleOfClass(HGDIOBJ hObject, const CRuntimeClass* type, CGdiObject* (*make)());
};

class CPen : public CGdiObject {
  DECLARE_DYNCREATE(CPen)
 public:
  CPen() = default;
  // Throws CResourceException when the pen cannot be made.
  CPen(int nPenStyle, int nWidth, COLORREF crColor);
  static CPen* FromHandle(HPEN hPen);
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
  BOOL CreatePenIndirect(const LOGPEN* lpLogPen);
};

class CBrush : public CGdiObject {
  DECLARE_DYNCREATE(CBrush)
 public:
  CBrush() = default;
  // A solid brush; throws CResourceException when it cannot be made.
  explicit CBrush(COLORREF crColor);
  static CBrush* FromHandle(HBRUSH hBrush);
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
  BOOL CreateSolidBrush(COLORREF crColor);
  BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
  BOOL CreatePatternBrush(CBitmap* pBitmap);
  BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
  int GetLogBrush(LOGBRUSH* pLogBrush) const;
};

class CFont : public CGdiObject {
  DECLARE_DYNCREATE(CFont)
 public:
  static CFont* FromHandle(HFONT hFont);
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
  BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                  BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                  BYTE nQuality, BYTE nPitchAndFamily, LPCWSTR lpszFacename);
  // nPointSize in tenths of a point, converted with the device's vertical resolution (the screen's
  // when pDC is null).
  BOOL CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC = nullptr);
  // Like CreateFontIndirect, with lfHeight in tenths of a point.
  BOOL CreatePointFontIndirect(const LOGFONTW* lpLogFont, CDC* pDC = nullptr);
  int GetLogFont(LOGFONTW* pLogFont) const;
};

class CBitmap : public CGdiObject {
  DECLARE_DYNCREATE(CBitmap)
 public:
  static CBitmap* FromHandle(HBITMAP hBitmap);
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
  BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
};

class CRgn : public CGdiObject {
  DECLARE_DYNCREATE(CRgn)
 public:
  static CRgn* FromHandle(HRGN hRgn);
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }
  BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
  BOOL CreateRectRgnIndirect(LPCRECT lpRect);
  BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
  BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
  void SetRectRgn(int x1, int y1, int x2, int y2);
  void SetRectRgn(LPCRECT lpRect);
  // This region := pRgn1 combined with pRgn2 (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY);
  // returns NULLREGION, SIMPLEREGION, COMPLEXREGION or ERROR.
  int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
  BOOL EqualRgn(const CRgn* pRgn) const;
  int OffsetRgn(int x, int y);
  int OffsetRgn(POINT point);
  int GetRgnBox(LPRECT lpRect) const;
  BOOL PtInRegion(int x, int y) const;
  BOOL PtInRegion(POINT point) const;
  BOOL RectInRegion(LPCRECT lpRect) const;
};
