// CImageList over the ImageList_ functions, with the handle map of image lists.
#include "mfc/image_list.h"

#include "handle_map.h"
#include "mfc/dc.h"
#include "mfc/gdi_objects.h"

using mfc_internal::GetThreadState;

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace mfc_internal {

void ClearWrapperHandle(CImageList* wrapper) { wrapper->m_hImageList = nullptr; }

}  // namespace mfc_internal

namespace {

HBITMAP BitmapOf(CBitmap* bitmap) { return bitmap != nullptr ? static_cast<HBITMAP>(bitmap->m_hObject) : nullptr; }

}  // namespace

CImageList::CImageList() = default;

CImageList::~CImageList() { DeleteImageList(); }

CImageList* CImageList::FromHandle(HIMAGELIST hImageList) {
  return GetThreadState().imageLists.FromHandle(hImageList, [hImageList] {
    auto* list = new CImageList;
    list->m_hImageList = hImageList;
    return list;
  });
}

CImageList* CImageList::FromHandlePermanent(HIMAGELIST hImageList) {
  return hImageList != nullptr ? GetThreadState().imageLists.LookupPermanent(hImageList) : nullptr;
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
  return GetThreadState().imageLists.Attach(this, m_hImageList, hImageList);
}

HIMAGELIST CImageList::Detach() { return GetThreadState().imageLists.Detach(this, m_hImageList); }

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
  if (m_hImageList != nullptr) return FALSE;
  return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::DeleteImageList() {
  if (m_hImageList == nullptr) return FALSE;
  return ::ImageList_Destroy(Detach());
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
  return ::ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask));
}
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
  return ::ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}
int CImageList::Add(HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
  return ::ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask));
}
int CImageList::Replace(int nImage, HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }

BOOL CImageList::Remove(int nImage) { return ::ImageList_Remove(m_hImageList, nImage); }
BOOL CImageList::SetImageCount(UINT uNewCount) { return ::ImageList_SetImageCount(m_hImageList, uNewCount); }
int CImageList::GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
  return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}
COLORREF CImageList::SetBkColor(COLORREF cr) { return ::ImageList_SetBkColor(m_hImageList, cr); }
COLORREF CImageList::GetBkColor() const { return ::ImageList_GetBkColor(m_hImageList); }
HICON CImageList::ExtractIcon(int nImage) { return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
  if (pDC == nullptr) return FALSE;
  return ::ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
