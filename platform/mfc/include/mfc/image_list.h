// CImageList: the C++ object of an image list (ImageList_*): images of one size, each with an
// optional mask, drawn transparently where the mask is set.
#pragma once

#include "mfc/object.h"

class CBitmap;
class CDC;

class CImageList : public CObject {
  DECLARE_DYNCREATE(CImageList)
 public:
  CImageList();
  ~CImageList() override;  // destroys an image list that is still attached
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  HIMAGELIST m_hImageList = nullptr;
  operator HIMAGELIST() const { return m_hImageList; }
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }

  // The attached object, else a temporary wrapper (until the next idle time); null for null.
  static CImageList* FromHandle(HIMAGELIST hImageList);
  static CImageList* FromHandlePermanent(HIMAGELIST hImageList);
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();

  // Images cx by cy; nFlags ILC_COLORxx, plus ILC_MASK for masks. FALSE when already created.
  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  BOOL DeleteImageList();

  // Each returns the new image's index, -1 on failure. The mask colour's pixels become transparent.
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  int Add(HICON hIcon);
  BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
  int Replace(int nImage, HICON hIcon);
  // nImage -1 removes every image.
  BOOL Remove(int nImage);
  BOOL SetImageCount(UINT uNewCount);
  int GetImageCount() const;
  BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
  COLORREF SetBkColor(COLORREF cr);
  COLORREF GetBkColor() const;
  HICON ExtractIcon(int nImage);

  // nStyle ILD_NORMAL (over the list's background colour when it has one) or ILD_TRANSPARENT.
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
};
