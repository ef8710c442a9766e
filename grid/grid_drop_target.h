// CGridDropTarget: the grid's OLE drop target. It registers once for its grid and forwards drags over it
// to the grid's drag operations, which refuse every drop.
#pragma once

#include <afxole.h>

namespace Talvo {

class CGridCtrl;

class CGridDropTarget : public COleDropTarget {
  DECLARE_DYNAMIC(CGridDropTarget)
 public:
  CGridDropTarget() = default;
  ~CGridDropTarget() override;

  // Registers for the grid window (a CGridCtrl only), once; later calls do nothing.
  BOOL Register(CGridCtrl* pGridCtrl);
  // Forgets the registration first.
  void Revoke() override;
  BOOL IsRegistered() const { return m_bRegistered; }

  DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
  DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
  void OnDragLeave(CWnd* pWnd) override;
  BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
  // Copy with Ctrl held, else move, for the registered grid; never scrolls.
  DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point) override;

 protected:
  // Whether the window is the registered grid.
  BOOL IsRegisteredGrid(CWnd* pWnd) const;

  CGridCtrl* m_pGridCtrl = nullptr;  // the grid served
  BOOL m_bRegistered = FALSE;        // registered with the window
};

}  // namespace Talvo
