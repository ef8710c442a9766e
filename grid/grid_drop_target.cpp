// The grid's drop target: registered once for its grid, it hands drags over the grid to the grid.
#include "grid/grid_drop_target.h"

#include "grid/grid_ctrl.h"

namespace Talvo {

namespace {

// Registering can size the window again, which asks for the registration once more.
bool inRegister = false;

}  // namespace

IMPLEMENT_DYNAMIC(CGridDropTarget, COleDropTarget)

CGridDropTarget::~CGridDropTarget() { Revoke(); }

BOOL CGridDropTarget::Register(CGridCtrl* pGridCtrl) {
  if (m_bRegistered) return pGridCtrl == m_pGridCtrl;
  if (inRegister || pGridCtrl == nullptr || !pGridCtrl->IsKindOf(RUNTIME_CLASS(CGridCtrl)) ||
      !::IsWindow(pGridCtrl->m_hWnd)) {
    return FALSE;
  }
  inRegister = true;
  m_bRegistered = COleDropTarget::Register(pGridCtrl);
  m_pGridCtrl = m_bRegistered ? pGridCtrl : nullptr;
  inRegister = false;
  return m_bRegistered;
}

void CGridDropTarget::Revoke() {
  m_bRegistered = FALSE;
  m_pGridCtrl = nullptr;
  COleDropTarget::Revoke();
}

BOOL CGridDropTarget::IsRegisteredGrid(CWnd* pWnd) const {
  return m_bRegistered && pWnd != nullptr && m_pGridCtrl != nullptr && pWnd->m_hWnd == m_pGridCtrl->m_hWnd;
}

DROPEFFECT CGridDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) {
  return IsRegisteredGrid(pWnd) ? m_pGridCtrl->OnDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT CGridDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) {
  return IsRegisteredGrid(pWnd) ? m_pGridCtrl->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

void CGridDropTarget::OnDragLeave(CWnd* pWnd) {
  if (IsRegisteredGrid(pWnd)) m_pGridCtrl->OnDragLeave();
}

BOOL CGridDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) {
  return IsRegisteredGrid(pWnd) && m_pGridCtrl->OnDrop(pDataObject, dropEffect, point);
}

DROPEFFECT CGridDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint /*point*/) {
  if (!IsRegisteredGrid(pWnd)) return DROPEFFECT_NONE;
  return (dwKeyState & MK_CONTROL) != 0 ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

}  // namespace Talvo
