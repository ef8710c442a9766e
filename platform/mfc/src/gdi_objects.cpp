#include "mfc/gdi_objects.h"

#include <cstdlib>
#include <cwchar>

#include "handle_map.h"
#include "mfc/dc.h"
#include "mfc/exceptions.h"

using mfc_internal::GetThreadState;

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNCREATE(CPen, CGdiObject)
IMPLEMENT_DYNCREATE(CBrush, CGdiObject)
IMPLEMENT_DYNCREATE(CFont, CGdiObject)
IMPLEMENT_DYNCREATE(CBitmap, CGdiObject)
IMPLEMENT_DYNCREATE(CRgn, CGdiObject)

namespace {

template <class T>
CGdiObject* Make() {
  return new T;
}

}  // namespace

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandleOfClass(HGDIOBJ hObject, const CRuntimeClass* type, CGdiObject* (*make)()) {
  if (hObject == nullptr) return nullptr;
  mfc_internal::ThreadState& state = GetThreadState();
  CGdiObject* permanent = state.gdiObjects.LookupPermanent(hObject);
  if (permanent != nullptr && permanent->IsKindOf(type)) return permanent;
  CGdiObject* temporary = state.gdiObjects.Temporary(hObject, type, make);
  temporary->m_hObject = hObject;
  return temporary;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
  if (hObject == nullptr) return nullptr;
  if (CGdiObject* permanent = GetThreadState().gdiObjects.LookupPermanent(hObject)) return permanent;
  switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
      return FromHandleOfClass(hObject, RUNTIME_CLASS(CPen), Make<CPen>);
    case OBJ_BRUSH:
      return FromHandleOfClass(hObject, RUNTIME_CLASS(CBrush), Make<CBrush>);
    case OBJ_FONT:
      return FromHandleOfClass(hObject, RUNTIME_CLASS(CFont), Make<CFont>);
    case OBJ_BITMAP:
      return FromHandleOfClass(hObject, RUNTIME_CLASS(CBitmap), Make<CBitmap>);
    case OBJ_REGION:
      return FromHandleOfClass(hObject, RUNTIME_CLASS(CRgn), Make<CRgn>);
    default:
      return FromHandleOfClass(hObject, RUNTIME_CLASS(CGdiObject), Make<CGdiObject>);
  }
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr || m_hObject != nullptr) return FALSE;
  GetThreadState().gdiObjects.SetPermanent(hObject, this);
  m_hObject = hObject;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  if (hObject != nullptr && GetThreadState().gdiObjects.LookupPermanent(hObject) == this) {
    GetThreadState().gdiObjects.RemovePermanent(hObject);
  }
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectW(m_hObject, nCount, lpObject); }

UINT CGdiObject::GetObjectType() const { return m_hObject != nullptr ? ::GetObjectType(m_hObject) : 0; }

// ---- Pens ----

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
  if (!CreatePen(nPenStyle, nWidth, crColor)) AfxThrowResourceException();
}
CPen* CPen::FromHandle(HPEN hPen) {
  return static_cast<CPen*>(FromHandleOfClass(hPen, RUNTIME_CLASS(CPen), Make<CPen>));
}
BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
  return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}
BOOL CPen::CreatePenIndirect(const LOGPEN* lpLogPen) { return Attach(::CreatePenIndirect(lpLogPen)); }

// ---- Brushes ----

CBrush::CBrush(COLORREF crColor) {
  if (!CreateSolidBrush(crColor)) AfxThrowResourceException();
}
CBrush* CBrush::FromHandle(HBRUSH hBrush) {
  return static_cast<CBrush*>(FromHandleOfClass(hBrush, RUNTIME_CLASS(CBrush), Make<CBrush>));
}
BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) { return Attach(::CreateHatchBrush(nIndex, crColor)); }
BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
  return pBitmap != nullptr && Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->GetSafeHandle())));
}
BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) { return Attach(::CreateBrushIndirect(lpLogBrush)); }
int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const { return GetObject(sizeof(LOGBRUSH), pLogBrush); }

// ---- Fonts ----

CFont* CFont::FromHandle(HFONT hFont) {
  return static_cast<CFont*>(FromHandleOfClass(hFont, RUNTIME_CLASS(CFont), Make<CFont>));
}
BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont) { return Attach(::CreateFontIndirectW(lpLogFont)); }

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCWSTR lpszFacename) {
  return Attach(::CreateFontW(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                              nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC) {
  LOGFONTW logFont{};
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfHeight = nPointSize;
  if (lpszFaceName != nullptr) std::wcsncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
  return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTW* lpLogFont, CDC* pDC) {
  if (lpLogFont == nullptr) return FALSE;
  HDC hDC = pDC != nullptr ? pDC->m_hAttribDC : ::GetDC(nullptr);
  LOGFONTW logFont = *lpLogFont;
  // Tenths of a point to pixels: 72 points an inch, LOGPIXELSY pixels an inch.
  logFont.lfHeight = -std::abs(::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lpLogFont->lfHeight, 720));
  if (pDC == nullptr) ::ReleaseDC(nullptr, hDC);
  return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONTW* pLogFont) const { return GetObject(sizeof(LOGFONTW), pLogFont); }

// ---- Bitmaps ----

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
  return static_cast<CBitmap*>(FromHandleOfClass(hBitmap, RUNTIME_CLASS(CBitmap), Make<CBitmap>));
}
BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
  return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}
BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  return pDC != nullptr && Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

// ---- Regions ----

CRgn* CRgn::FromHandle(HRGN hRgn) {
  return static_cast<CRgn*>(FromHandleOfClass(hRgn, RUNTIME_CLASS(CRgn), Make<CRgn>));
}
BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateRectRgn(x1, y1, x2, y2)); }
BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }
BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateEllipticRgn(x1, y1, x2, y2)); }
BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
  return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}
void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) { ::SetRectRgn(*this, x1, y1, x2, y2); }
void CRgn::SetRectRgn(LPCRECT lpRect) { SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
  return ::CombineRgn(*this, pRgn1 != nullptr ? static_cast<HRGN>(*pRgn1) : nullptr,
                      pRgn2 != nullptr ? static_cast<HRGN>(*pRgn2) : nullptr, nCombineMode);
}
BOOL CRgn::EqualRgn(const CRgn* pRgn) const { return pRgn != nullptr && ::EqualRgn(*this, *pRgn); }
int CRgn::OffsetRgn(int x, int y) { return ::OffsetRgn(*this, x, y); }
int CRgn::OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }
int CRgn::GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox(*this, lpRect); }
BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }
BOOL CRgn::PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
BOOL CRgn::RectInRegion(LPCRECT lpRect) const { return ::RectInRegion(*this, lpRect); }
