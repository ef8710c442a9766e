// CMFCMenuBar: buttons built from a menu, laid out along the bar, painted by the visual manager;
// a click opens the button's popup or sends its command to the frame.
#include "mfc/menu_bar.h"

#include <algorithm>

#include "menu_bar_update.h"
#include "menu_update.h"
#include "mouse_leave.h"
#include "visual_manager_font.h"
#include "mfc/visual_manager.h"

IMPLEMENT_DYNAMIC(CMFCToolBarButton, CObject)
IMPLEMENT_DYNAMIC(CMFCToolBarMenuButton, CMFCToolBarButton)
IMPLEMENT_DYNCREATE(CMFCMenuBar, CWnd)

BEGIN_MESSAGE_MAP(CMFCMenuBar, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSELEAVE()
  ON_MESSAGE(WM_SIZEPARENT, &CMFCMenuBar::OnSizeParent)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, &CMFCMenuBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {

constexpr int kItemPadding = 8;  // left and right of an item's text
constexpr int kBarMargin = 2;    // before the first item
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

CSize TextSize(HWND hWnd, const std::wstring& text) {
  HDC dc = ::GetDC(hWnd);
  HGDIOBJ old = ::SelectObject(dc, mfc_internal::MenuFont().m_hObject);
  RECT rect{0, 0, 0, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, kTextFormat | DT_CALCRECT);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(hWnd, dc);
  return CSize(rect.right - rect.left, std::max<int>(rect.bottom - rect.top, metrics.tmHeight));
}

}  // namespace

CMFCMenuBar::CMFCMenuBar() = default;
CMFCMenuBar::~CMFCMenuBar() = default;

BOOL CMFCMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  if (pParentWnd == nullptr) return FALSE;
  // Only the window bits go to the window; the bar bits (CBRS_*) describe docking here.
  const DWORD windowStyle = (dwStyle & (WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN)) | WS_CHILD;
  CRect rect;
  pParentWnd->GetClientRect(&rect);
  rect.bottom = rect.top + GetRowHeight();
  LPCWSTR className = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW));
  return CWnd::Create(className, L"", windowStyle, rect, pParentWnd, nID);
}

void CMFCMenuBar::CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu, BOOL bForceUpdate) {
  if (hMenu == m_hMenu && !bForceUpdate) return;
  m_hMenu = hMenu;
  if (bDefaultMenu) m_hDefaultMenu = hMenu;
  m_buttons.clear();
  m_iHighlighted = m_iOpened = -1;
  const int count = ::IsMenu(hMenu) ? ::GetMenuItemCount(hMenu) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    ::GetMenuStringW(hMenu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    if (HMENU popup = ::GetSubMenu(hMenu, i)) {
      m_buttons.push_back(std::make_unique<CMFCToolBarMenuButton>(0, popup, text));
    } else if (const UINT id = ::GetMenuItemID(hMenu, i); id != 0) {  // separators have no place on the bar
      m_buttons.push_back(std::make_unique<CMFCToolBarButton>(id, text));
    }
    if (!m_buttons.empty() && (::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED)) {
      m_buttons.back()->m_nStyle |= TBBS_DISABLED;
    }
  }
  RecalcLayout();
  if (m_hWnd != nullptr) Invalidate();
}

CMFCToolBarButton* CMFCMenuBar::GetMenuItem(int iItem) const {
  if (iItem < 0 || iItem >= GetCount()) return nullptr;
  return m_buttons[static_cast<size_t>(iItem)].get();
}

int CMFCMenuBar::HitTest(CPoint point) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (m_buttons[static_cast<size_t>(i)]->Rect().PtInRect(point)) return i;
  }
  return -1;
}

int CMFCMenuBar::GetRowHeight() const { return TextSize(m_hWnd, L"Ag").cy + 8; }

const CFont& CMFCMenuBar::GetMenuFont(BOOL) { return mfc_internal::MenuFont(); }

void CMFCMenuBar::RecalcLayout() {
  if (m_hWnd == nullptr) return;
  CRect client;
  GetClientRect(&client);
  int x = client.left + kBarMargin;
  for (auto& button : m_buttons) {
    const int width = TextSize(m_hWnd, button->m_strText).cx + 2 * kItemPadding;
    // Items past the bar's end are not shown.
    button->SetRect(x < client.right ? CRect(x, client.top, x + width, client.bottom) : CRect());
    x += width;
  }
}

void CMFCMenuBar::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  RecalcLayout();
}

LRESULT CMFCMenuBar::OnSizeParent(WPARAM, LPARAM lParam) {
  auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  if (layout == nullptr || !IsWindowVisible()) return 0;
  // The bar takes a row from the top of the space still free.
  CRect rect(layout->rect);
  rect.bottom = std::min(rect.bottom, rect.top + GetRowHeight());
  AfxRepositionWindow(layout, m_hWnd, &rect);
  layout->rect.top = rect.bottom;
  return 0;
}

CWnd* CMFCMenuBar::GetCommandTarget() const { return GetOwner(); }

// ---- Commands and updates ----

void CMFCMenuBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  if (pTarget == nullptr) return;
  bool changed = false;
  for (int i = 0; i < GetCount(); ++i) {
    CMFCToolBarButton& button = *m_buttons[static_cast<size_t>(i)];
    if (button.m_nID == 0) continue;  // popups have no command of their own
    const UINT before = button.m_nStyle;
    mfc_internal::ToolBarButtonCmdUI state(button);
    state.m_nID = button.m_nID;
    state.m_nIndex = static_cast<UINT>(i);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    state.DoUpdate(pTarget, bDisableIfNoHndler);
    changed = changed || before != button.m_nStyle;
  }
  if (changed) Invalidate();
}

LRESULT CMFCMenuBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
  CWnd* target = GetCommandTarget();
  if (target != nullptr && target->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
    OnUpdateCmdUI(static_cast<CFrameWnd*>(target), static_cast<BOOL>(wParam));
  }
  return 0;
}

void CMFCMenuBar::OpenPopup(int iButton) {
  auto* button = dynamic_cast<CMFCToolBarMenuButton*>(m_buttons[static_cast<size_t>(iButton)].get());
  CWnd* target = GetCommandTarget();
  if (button == nullptr || target == nullptr) return;
  const HMENU popup = button->GetMenu();
  CFrameWnd* frame = target->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(target) : nullptr;
  mfc_internal::UpdatePopupMenu(popup, target, frame != nullptr && frame->m_bAutoMenuEnable);
  CPoint at(button->Rect().left, button->Rect().bottom);
  ClientToScreen(&at);
  m_iOpened = iButton;
  Invalidate();
  UpdateWindow();
  const HWND targetWnd = target->m_hWnd;
  const UINT command = static_cast<UINT>(
      ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, targetWnd,
                       nullptr));
  // The command may rebuild this bar; it is posted, as a menu's command is, after the bar is repainted.
  m_iOpened = -1;
  Invalidate();
  if (command != 0) ::PostMessageW(targetWnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// ---- Mouse and painting ----

void CMFCMenuBar::OnLButtonDown(UINT nFlags, CPoint point) {
  const int hit = HitTest(point);
  if (hit < 0 || m_buttons[static_cast<size_t>(hit)]->IsDisabled()) {
    CWnd::OnLButtonDown(nFlags, point);
    return;
  }
  const UINT id = m_buttons[static_cast<size_t>(hit)]->m_nID;
  if (id == 0) {
    OpenPopup(hit);
  } else if (CWnd* target = GetCommandTarget()) {
    target->PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
  }
}

void CMFCMenuBar::OnMouseMove(UINT nFlags, CPoint point) {
  mfc_internal::TrackMouseLeave(m_hWnd);
  const int hit = HitTest(point);
  if (hit != m_iHighlighted) {
    m_iHighlighted = hit;
    Invalidate();
  }
  CWnd::OnMouseMove(nFlags, point);
}

void CMFCMenuBar::OnMouseLeave() {
  if (m_iHighlighted != -1) {
    m_iHighlighted = -1;
    Invalidate();
  }
  CWnd::OnMouseLeave();
}

BOOL CMFCMenuBar::OnEraseBkgnd(CDC*) { return TRUE; }  // OnPaint fills the whole bar

void CMFCMenuBar::OnPaint() {
  CPaintDC dc(this);
  CMFCVisualManager* manager = CMFCVisualManager::GetInstance();
  CRect client;
  GetClientRect(&client);
  manager->OnFillBarBackground(&dc, this, client, client);
  CFont* oldFont = dc.SelectObject(manager->GetMenuFont());
  dc.SetBkMode(TRANSPARENT);
  for (int i = 0; i < GetCount(); ++i) {
    CMFCToolBarButton* button = m_buttons[static_cast<size_t>(i)].get();
    if (button->Rect().IsRectEmpty()) continue;
    const BOOL disabled = button->IsDisabled();
    AFX_BUTTON_STATE state = ButtonsIsRegular;
    if (i == m_iOpened) {
      state = ButtonsIsPressed;
    } else if (i == m_iHighlighted && !disabled) {
      state = ButtonsIsHighlighted;
    }
    CRect rect = button->Rect();
    rect.DeflateRect(0, 1);
    manager->OnFillButtonInterior(&dc, button, rect, state);
    manager->OnDrawButtonBorder(&dc, button, rect, state);
    auto* menuButton = dynamic_cast<CMFCToolBarMenuButton*>(button);
    dc.SetTextColor(manager->GetMenuItemTextColor(menuButton, state != ButtonsIsRegular, disabled));
    dc.DrawText(button->m_strText, &rect, kTextFormat);
  }
  dc.SelectObject(oldFont);
}
