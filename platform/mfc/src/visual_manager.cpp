// The installed visual manager and the base class's plain light look.
#include "mfc/visual_manager.h"

#include <memory>

#include "visual_manager_font.h"
#include "visual_manager_popup_menu.h"
#include "mfc/tab_ctrl_mfc.h"

IMPLEMENT_DYNCREATE(CMFCVisualManager, CObject)

namespace {

constexpr COLORREF kFace = RGB(240, 240, 240);
constexpr COLORREF kBorder = RGB(160, 160, 160);
constexpr COLORREF kActiveTab = RGB(255, 255, 255);
constexpr COLORREF kInactiveTab = RGB(222, 222, 222);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kDisabledText = RGB(150, 150, 150);
constexpr COLORREF kHotFill = RGB(204, 228, 247);
constexpr COLORREF kHotBorder = RGB(0, 120, 215);
constexpr COLORREF kPressedFill = RGB(168, 206, 240);
constexpr COLORREF kButtonFace = RGB(225, 225, 225);
constexpr COLORREF kButtonBorder = RGB(173, 173, 173);
constexpr COLORREF kLink = RGB(0, 102, 204);
constexpr COLORREF kCloseHot = RGB(232, 17, 35);

struct Installed {
  CRuntimeClass* type = RUNTIME_CLASS(CMFCVisualManager);
  std::unique_ptr<CMFCVisualManager> instance;
};

Installed& State() {
  static Installed state;
  return state;
}

// A filled triangle pointing left, right or down, centred in rect.
void DrawArrow(CDC* pDC, CRect rect, UINT direction, COLORREF color) {
  const CPoint c = rect.CenterPoint();
  POINT points[3];
  if (direction == DFCS_SCROLLLEFT) {
    points[0] = {c.x + 2, c.y - 4};
    points[1] = {c.x + 2, c.y + 4};
    points[2] = {c.x - 2, c.y};
  } else if (direction == DFCS_SCROLLRIGHT) {
    points[0] = {c.x - 2, c.y - 4};
    points[1] = {c.x - 2, c.y + 4};
    points[2] = {c.x + 2, c.y};
  } else {
    points[0] = {c.x - 4, c.y - 2};
    points[1] = {c.x + 4, c.y - 2};
    points[2] = {c.x, c.y + 2};
  }
  CPen pen(PS_SOLID, 1, color);
  CBrush brush(color);
  CPen* oldPen = pDC->SelectObject(&pen);
  CBrush* oldBrush = pDC->SelectObject(&brush);
  pDC->Polygon(points, 3);
  pDC->SelectObject(oldBrush);
  pDC->SelectObject(oldPen);
}

}  // namespace

CMFCVisualManager::CMFCVisualManager() = default;
CMFCVisualManager::~CMFCVisualManager() = default;

void CMFCVisualManager::SetDefaultManager(CRuntimeClass* pRTI) {
  if (pRTI == nullptr || !pRTI->IsDerivedFrom(RUNTIME_CLASS(CMFCVisualManager)) || pRTI->m_pfnCreateObject == nullptr) {
    return;
  }
  Installed& state = State();
  state.type = pRTI;
  state.instance.reset();
  GetInstance();
  RedrawAll();
}

CMFCVisualManager* CMFCVisualManager::GetInstance() {
  Installed& state = State();
  if (!state.instance) {
    state.instance.reset(static_cast<CMFCVisualManager*>(state.type->CreateObject()));
    mfc_internal::PaintPopupMenusWithVisualManager();
  }
  return state.instance.get();
}

void CMFCVisualManager::DestroyInstance() { State().instance.reset(); }

void CMFCVisualManager::RedrawAll() {
  for (HWND top = ::GetWindow(::GetDesktopWindow(), GW_CHILD); top != nullptr; top = ::GetWindow(top, GW_HWNDNEXT)) {
    ::RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  }
}

// ---- Tab controls ----

void CMFCVisualManager::OnEraseTabsArea(CDC* pDC, CRect rect, const CMFCBaseTabCtrl*) {
  pDC->FillSolidRect(&rect, kFace);
}

BOOL CMFCVisualManager::OnEraseTabsFrame(CDC* pDC, CRect rect, const CMFCBaseTabCtrl*) {
  pDC->FillSolidRect(&rect, kFace);
  pDC->Draw3dRect(&rect, kBorder, kBorder);
  return TRUE;
}

void CMFCVisualManager::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                  const CMFCBaseTabCtrl* pTabWnd) {
  COLORREF fill = pTabWnd->GetTabBkColor(iTab);
  if (fill == static_cast<COLORREF>(-1)) fill = GetTabBackColor(pTabWnd, bIsActive);
  CBrush brush(fill);
  OnFillTab(pDC, rectTab, &brush, iTab, bIsActive, pTabWnd);
  OnDrawTabContent(pDC, rectTab, iTab, bIsActive, pTabWnd, GetTabTextColor(pTabWnd, iTab, bIsActive));
}

void CMFCVisualManager::OnFillTab(CDC* pDC, CRect rectFill, CBrush* pbrFill, int, BOOL bIsActive,
                                  const CMFCBaseTabCtrl* pTabWnd) {
  // The outline of a tab hanging from the top edge of the strip down to the page.
  const int slant = pTabWnd->IsOneNoteStyle() ? rectFill.Height() / 2 : 0;
  const int edge = rectFill.top;
  const int base = rectFill.bottom;
  const POINT outline[] = {{rectFill.left, base},
                           {rectFill.left + slant, edge + 2},
                           {rectFill.left + slant + 2, edge},
                           {rectFill.right - 3, edge},
                           {rectFill.right - 1, edge + 2},
                           {rectFill.right - 1, base}};
  CPen pen(PS_SOLID, 1, kBorder);
  CPen* oldPen = pDC->SelectObject(&pen);
  CBrush* oldBrush = pDC->SelectObject(pbrFill);
  pDC->Polygon(outline, 6);
  if (bIsActive) {
    // The active tab opens into its page: no line between them.
    LOGBRUSH logBrush{};
    pbrFill->GetLogBrush(&logBrush);
    CPen open(PS_SOLID, 1, logBrush.lbColor);
    pDC->SelectObject(&open);
    pDC->MoveTo(rectFill.left + 1, base);
    pDC->LineTo(rectFill.right - 1, base);
    pDC->SelectObject(&pen);
  }
  pDC->SelectObject(oldBrush);
  pDC->SelectObject(oldPen);
}

void CMFCVisualManager::OnDrawTabContent(CDC* pDC, CRect, int iTab, BOOL, const CMFCBaseTabCtrl* pTabWnd,
                                         COLORREF clrText) {
  CRect content = pTabWnd->GetTabContentRect(iTab);
  if (content.IsRectEmpty()) return;
  const UINT icon = pTabWnd->GetTabIcon(iTab);
  if (pTabWnd->GetImageListHandle() != nullptr && icon != static_cast<UINT>(-1)) {
    const CSize size = pTabWnd->GetImageSize();
    ::ImageList_Draw(pTabWnd->GetImageListHandle(), static_cast<int>(icon), pDC->m_hDC, content.left,
                     content.top + (content.Height() - size.cy) / 2, ILD_TRANSPARENT);
    if (pTabWnd->IsTabIconOnly(iTab)) return;
    content.left += size.cx + 4;
  }
  std::wstring label;
  pTabWnd->GetTabLabel(iTab, label);
  if (label.empty()) return;
  pDC->SetTextColor(clrText);
  pDC->SetBkMode(TRANSPARENT);
  pDC->DrawText(label, &content, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
}

COLORREF CMFCVisualManager::GetTabTextColor(const CMFCBaseTabCtrl*, int, BOOL) { return kText; }

COLORREF CMFCVisualManager::GetTabBackColor(const CMFCBaseTabCtrl*, BOOL bIsActive) {
  return bIsActive ? kActiveTab : kInactiveTab;
}

void CMFCVisualManager::OnDrawTabCloseButton(CDC* pDC, CRect rect, const CMFCBaseTabCtrl*, BOOL bIsHighlighted,
                                             BOOL bIsPressed, BOOL bIsDisabled) {
  COLORREF cross = bIsDisabled ? kDisabledText : kText;
  if (bIsHighlighted || bIsPressed) {
    pDC->FillSolidRect(&rect, bIsPressed ? RGB(180, 12, 25) : kCloseHot);
    cross = RGB(255, 255, 255);
  }
  DrawCloseCross(pDC, rect, cross);
}

void CMFCVisualManager::DrawCloseCross(CDC* pDC, const CRect& rect, COLORREF color) {
  CPen pen(PS_SOLID, 2, color);
  CPen* oldPen = pDC->SelectObject(&pen);
  CRect inner = rect;
  inner.DeflateRect(4, 4);
  pDC->MoveTo(inner.left, inner.top);
  pDC->LineTo(inner.right, inner.bottom);
  pDC->MoveTo(inner.right, inner.top);
  pDC->LineTo(inner.left, inner.bottom);
  pDC->SelectObject(oldPen);
}

void CMFCVisualManager::OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, UINT uiState, const CMFCBaseTabCtrl*) {
  if (uiState & ODS_SELECTED) {
    pDC->FillSolidRect(&rect, kPressedFill);
    pDC->Draw3dRect(&rect, kHotBorder, kHotBorder);
  } else if (uiState & ODS_HOTLIGHT) {
    pDC->FillSolidRect(&rect, kHotFill);
    pDC->Draw3dRect(&rect, kHotBorder, kHotBorder);
  } else {
    pDC->FillSolidRect(&rect, kFace);
  }
}

void CMFCVisualManager::OnDrawTabsButtonGlyph(CDC* pDC, CRect rect, UINT nGlyph, UINT uiState,
                                              const CMFCBaseTabCtrl*) {
  DrawArrow(pDC, rect, nGlyph, GetGlyphColor((uiState & ODS_DISABLED) != 0));
}

// ---- Bars ----

void CMFCVisualManager::OnFillBarBackground(CDC* pDC, CWnd*, CRect rectClient, CRect, BOOL) {
  pDC->FillSolidRect(&rectClient, kFace);
}

void CMFCVisualManager::OnFillButtonInterior(CDC* pDC, CMFCToolBarButton*, CRect rect, AFX_BUTTON_STATE state) {
  if (state == ButtonsIsRegular) return;
  pDC->FillSolidRect(&rect, state == ButtonsIsPressed ? kPressedFill : kHotFill);
}

void CMFCVisualManager::OnDrawButtonBorder(CDC* pDC, CMFCToolBarButton*, CRect rect, AFX_BUTTON_STATE state) {
  if (state == ButtonsIsRegular) return;
  pDC->Draw3dRect(&rect, kHotBorder, kHotBorder);
}

COLORREF CMFCVisualManager::GetMenuItemTextColor(CMFCToolBarMenuButton*, BOOL, BOOL bDisabled) {
  return bDisabled ? kDisabledText : kText;
}

CFont* CMFCVisualManager::GetMenuFont() { return &mfc_internal::MenuFont(); }

// ---- Push buttons ----

void CMFCVisualManager::OnDrawPushButton(CDC* pDC, CRect rect, CMFCButton*, UINT uiState) {
  COLORREF face = kButtonFace;
  COLORREF border = kButtonBorder;
  if (uiState & ODS_DISABLED) {
    face = kFace;
  } else if (uiState & ODS_SELECTED) {
    face = kPressedFill;
    border = kHotBorder;
  } else if (uiState & ODS_HOTLIGHT) {
    face = kHotFill;
    border = kHotBorder;
  }
  pDC->FillSolidRect(&rect, face);
  pDC->Draw3dRect(&rect, border, border);
}

COLORREF CMFCVisualManager::GetButtonTextColor(CMFCButton*, UINT uiState) {
  return (uiState & ODS_DISABLED) ? kDisabledText : kText;
}

void CMFCVisualManager::OnDrawMenuButtonArrow(CDC* pDC, CRect rect, CMFCMenuButton*, BOOL bRightArrow,
                                              BOOL bDisabled) {
  DrawArrow(pDC, rect, bRightArrow ? DFCS_SCROLLRIGHT : DFCS_SCROLLDOWN, GetGlyphColor(bDisabled));
}

COLORREF CMFCVisualManager::GetLinkTextColor(CMFCLinkCtrl*) { return kLink; }

COLORREF CMFCVisualManager::GetGlyphColor(BOOL bDisabled) { return bDisabled ? kDisabledText : kText; }
