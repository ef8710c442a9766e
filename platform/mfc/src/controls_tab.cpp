// CTabCtrl: the TCM_ messages of the tab control.
#include "mfc/image_list.h"
#include "mfc/tab_ctrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  InitCommonControls();
  return CWnd::Create(WC_TABCONTROLW, nullptr, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, LPCWSTR lpszItem) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<LPWSTR>(lpszItem);
  return InsertItem(nItem, &item);
}

LONG CTabCtrl::InsertItem(int nItem, LPCWSTR lpszItem, int nImage) {
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = const_cast<LPWSTR>(lpszItem);
  item.iImage = nImage;
  return InsertItem(nItem, &item);
}

LONG CTabCtrl::InsertItem(int nItem, TCITEMW* pTabCtrlItem) {
  if (nItem < 0) return -1;
  return static_cast<LONG>(
      SendMessage(TCM_INSERTITEMW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(nItem))); }
BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
int CTabCtrl::GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }

BOOL CTabCtrl::GetItem(int nItem, TCITEMW* pTabCtrlItem) const {
  return static_cast<BOOL>(SendMessage(TCM_GETITEMW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}
BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const {
  return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)));
}
int CTabCtrl::GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
int CTabCtrl::SetCurSel(int nItem) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(nItem))); }
int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const {
  return static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}
void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) {
  SendMessage(TCM_ADJUSTRECT, static_cast<WPARAM>(bLarger), reinterpret_cast<LPARAM>(lpRect));
}

CImageList* CTabCtrl::SetImageList(CImageList* pImageList) {
  HIMAGELIST list = pImageList != nullptr ? pImageList->GetSafeHandle() : nullptr;
  auto previous = reinterpret_cast<HIMAGELIST>(SendMessage(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list)));
  return CImageList::FromHandle(previous);
}

HIMAGELIST CTabCtrl::GetImageList() const { return reinterpret_cast<HIMAGELIST>(SendMessage(TCM_GETIMAGELIST)); }
