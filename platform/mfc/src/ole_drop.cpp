// Drop targets, their registry by window, and the drag driver that plays the system's drag loop.
#include <map>

#include "mfc/ole.h"
#include "mfc/wnd.h"
#include "ole_internal.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

namespace {

std::map<HWND, COleDropTarget*>& Registry() {
  static std::map<HWND, COleDropTarget*> registry;
  return registry;
}

// The registered target of the window under the screen point or of its nearest ancestor.
HWND TargetWindowAt(POINT screen) {
  for (HWND hWnd = ::WindowFromPoint(screen); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    if (COleDropTarget::FromRegisteredWindow(hWnd) != nullptr) return hWnd;
  }
  return nullptr;
}

CPoint ClientPoint(HWND hWnd, POINT screen) {
  POINT point = screen;
  ::ScreenToClient(hWnd, &point);
  return CPoint(point.x, point.y);
}

// The effect a target reported, limited to what the source allows.
DROPEFFECT Allowed(DROPEFFECT effect, DWORD allowed) {
  const DROPEFFECT kept = effect & (allowed | DROPEFFECT_SCROLL);
  return (kept & ~DROPEFFECT_SCROLL) == (effect & ~DROPEFFECT_SCROLL) ? kept : DROPEFFECT_NONE;
}

// One step of the drag at a screen point: enter (or over) at the target there, leave at the one
// before. Returns the effect the target there reports, and the target's window in `current`.
DROPEFFECT MoveTo(COleDataObject& data, HWND& current, POINT screen, DWORD keyState, DWORD allowed) {
  HWND target = TargetWindowAt(screen);
  if (current != nullptr && current != target) {
    if (COleDropTarget* previous = COleDropTarget::FromRegisteredWindow(current)) {
      previous->OnDragLeave(CWnd::FromHandle(current));
    }
  }
  const bool entering = target != current;
  current = target;
  COleDropTarget* dropTarget = COleDropTarget::FromRegisteredWindow(target);
  if (dropTarget == nullptr) return DROPEFFECT_NONE;
  CWnd* wnd = CWnd::FromHandle(target);
  const CPoint point = ClientPoint(target, screen);
  const DROPEFFECT scroll = dropTarget->OnDragScroll(wnd, keyState, point);
  if (scroll & DROPEFFECT_SCROLL) return Allowed(scroll, allowed);
  const DROPEFFECT effect = entering ? dropTarget->OnDragEnter(wnd, &data, keyState, point)
                                     : dropTarget->OnDragOver(wnd, &data, keyState, point);
  return Allowed(effect, allowed);
}

}  // namespace

COleDropTarget::COleDropTarget() = default;

COleDropTarget::~COleDropTarget() {
  // The registry must not keep a dead target, whatever a derived Revoke did.
  if (m_hWnd != nullptr && FromRegisteredWindow(m_hWnd) == this) Registry().erase(m_hWnd);
}

BOOL COleDropTarget::Register(CWnd* pWnd) {
  if (pWnd == nullptr || !::IsWindow(pWnd->m_hWnd) || m_hWnd != nullptr) return FALSE;
  if (FromRegisteredWindow(pWnd->m_hWnd) != nullptr) return FALSE;
  Registry()[pWnd->m_hWnd] = this;
  m_hWnd = pWnd->m_hWnd;
  return TRUE;
}

void COleDropTarget::Revoke() {
  if (m_hWnd != nullptr && FromRegisteredWindow(m_hWnd) == this) Registry().erase(m_hWnd);
  m_hWnd = nullptr;
}

COleDropTarget* COleDropTarget::FromRegisteredWindow(HWND hWnd) {
  auto it = Registry().find(hWnd);
  // A window destroyed without revoking its target takes no drops.
  return it != Registry().end() && ::IsWindow(hWnd) ? it->second : nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint) { return DROPEFFECT_NONE; }
void COleDropTarget::OnDragLeave(CWnd*) {}
BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }

namespace mfcsim {

DROPEFFECT DragAndDrop(COleDataSource& source, POINT from, POINT to, DWORD dwKeyState, DWORD dwEffects) {
  COleDataObject data;
  data.Attach(&source);
  HWND current = nullptr;
  MoveTo(data, current, from, dwKeyState, dwEffects);
  DROPEFFECT effect = MoveTo(data, current, to, dwKeyState, dwEffects) & ~DROPEFFECT_SCROLL;
  COleDropTarget* target = COleDropTarget::FromRegisteredWindow(current);
  if (target == nullptr) return DROPEFFECT_NONE;
  CWnd* wnd = CWnd::FromHandle(current);
  if (effect == DROPEFFECT_NONE) {
    // Released where nothing is accepted: the target sees the drag leave.
    target->OnDragLeave(wnd);
    return DROPEFFECT_NONE;
  }
  const CPoint point = ClientPoint(current, to);
  return Allowed(target->OnDrop(wnd, &data, effect, point) ? effect : DROPEFFECT_NONE, dwEffects);
}

void ResetOle() {
  mfc_internal::ResetOleData();
}

}  // namespace mfcsim
