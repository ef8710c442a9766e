// CTabCtrl: the wrapper of the tab control ("SysTabControl32"). A click on a tab sends
// TCN_SELCHANGING and TCN_SELCHANGE to the parent through WM_NOTIFY (ON_NOTIFY).
#pragma once

#include <string>

#include "mfc/wnd.h"

class CImageList;

class CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)
 public:
  CTabCtrl() = default;
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // The new item's index, -1 on failure.
  LONG InsertItem(int nItem, LPCWSTR lpszItem);
  LONG InsertItem(int nItem, LPCWSTR lpszItem, int nImage);
  LONG InsertItem(int nItem, TCITEMW* pTabCtrlItem);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  BOOL GetItem(int nItem, TCITEMW* pTabCtrlItem) const;
  BOOL GetItemRect(int nItem, LPRECT lpRect) const;
  int GetCurSel() const;
  // The previous selection, -1 when nItem is out of range. Sends no notification.
  int SetCurSel(int nItem);
  int HitTest(TCHITTESTINFO* pHitTestInfo) const;
  // bLarger FALSE: the display area inside a window rectangle; TRUE: the window for a display area.
  void AdjustRect(BOOL bLarger, LPRECT lpRect);
  CImageList* SetImageList(CImageList* pImageList);
  HIMAGELIST GetImageList() const;
};
