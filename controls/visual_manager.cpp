#include "controls/visual_manager.h"

#include <host/core_interface.h>
#include <host/directories.h>
#include <host/notify.h>
#include <max.h>

#include <afxtabctrl.h>

#include "controls/readable_colour.h"

namespace Talvo {

IMPLEMENT_DYNCREATE(TalvoVisualManager, CMFCVisualManager)

COLORREF HostColor(ColorId id) { return ColorMan()->GetColor(id); }

bool HostThemeIsDark() { return ColorMan()->GetAppFrameColorTheme() == kDarkTheme; }

COLORREF BlendColors(COLORREF a, COLORREF b, int weight) {
  auto mix = [weight](int x, int y) { return (x * weight + y * (255 - weight)) / 255; };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

COLORREF HostHotColor() { return BlendColors(HostColor(kAccent), HostColor(kBackground), 60); }

COLORREF HostPressedColor() { return BlendColors(HostColor(kAccent), HostColor(kBackground), 130); }

// Half-way to the background, but never below the contrast text needs.
COLORREF HostDisabledTextColor() {
  const COLORREF background = HostColor(kBackground);
  return ReadableOn(BlendColors(HostColor(kControlText), background, 110), background, kTextContrast);
}

HFONT HostFont() { return GetCOREInterface()->GetAppHFont(); }

std::wstring ThemedIconFolder() {
  const MCHAR* root = GetCOREInterface()->GetDir(APP_ICONS_DIR);
  return std::wstring(root != nullptr ? root : L"") + (HostThemeIsDark() ? L"IconsDark/" : L"Icons/");
}

bool UsesMagentaKey(const std::wstring& extension) {
  return extension == L"bmp" || extension == L"BMP" || extension == L"Bmp";
}

void DrawIconImage(HDC dc, const CImage& image, int x, int y, bool magentaKey) {
  if (image.IsNull()) return;
  if (!magentaKey) {
    image.Draw(dc, x, y);
    return;
  }
  HDC source = image.GetDC();
  ::TransparentBlt(dc, x, y, image.GetWidth(), image.GetHeight(), source, 0, 0, image.GetWidth(), image.GetHeight(),
                   RGB(255, 0, 255));
  image.ReleaseDC();
}

namespace {

// The host changed its theme: every window repaints in the new colours.
void OnHostColorChange(void*, NotifyInfo*) { CMFCVisualManager::RedrawAll(); }

void FillFramed(CDC* pDC, const CRect& rect, COLORREF fill, COLORREF frame) {
  pDC->FillSolidRect(&rect, fill);
  pDC->Draw3dRect(&rect, frame, frame);
}

}  // namespace

TalvoVisualManager::TalvoVisualManager() = default;
TalvoVisualManager::~TalvoVisualManager() = default;

void TalvoVisualManager::Install() {
  CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(TalvoVisualManager));
  RegisterNotification(&OnHostColorChange, nullptr, NOTIFY_COLOR_CHANGE);
}

// ---- Tabs ----

void TalvoVisualManager::OnEraseTabsArea(CDC* pDC, CRect rect, const CMFCBaseTabCtrl*) {
  pDC->FillSolidRect(&rect, HostColor(kBackground));
}

BOOL TalvoVisualManager::OnEraseTabsFrame(CDC* pDC, CRect rect, const CMFCBaseTabCtrl*) {
  FillFramed(pDC, rect, HostColor(kBackground), HostColor(kAppWorkspace));
  return TRUE;
}

void TalvoVisualManager::OnFillTab(CDC* pDC, CRect rectFill, CBrush* pbrFill, int, BOOL bIsActive,
                                   const CMFCBaseTabCtrl*) {
  pDC->FillRect(&rectFill, pbrFill);
  const COLORREF frame = HostColor(kAppWorkspace);
  // Sides and the outer (top) edge; the edge facing the page below stays open on the active tab.
  CPen pen(PS_SOLID, 1, frame);
  CPen* oldPen = pDC->SelectObject(&pen);
  const int outer = rectFill.top;
  const int inner = rectFill.bottom - 1;
  pDC->MoveTo(rectFill.left, inner);
  pDC->LineTo(rectFill.left, outer);
  pDC->LineTo(rectFill.right - 1, outer);
  pDC->LineTo(rectFill.right - 1, inner);
  if (!bIsActive) {
    pDC->MoveTo(rectFill.left, inner);
    pDC->LineTo(rectFill.right, inner);
  }
  pDC->SelectObject(oldPen);
  if (bIsActive) {
    // The accent line marks the active tab on its outer edge.
    pDC->FillSolidRect(rectFill.left, outer, rectFill.Width(), 2, HostColor(kAccent));
  }
}

COLORREF TalvoVisualManager::GetTabTextColor(const CMFCBaseTabCtrl*, int, BOOL bIsActive) {
  return bIsActive ? HostColor(kControlText) : BlendColors(HostColor(kControlText), HostColor(kBackground), 190);
}

COLORREF TalvoVisualManager::GetTabBackColor(const CMFCBaseTabCtrl*, BOOL bIsActive) {
  return bIsActive ? HostColor(kWindow) : HostColor(kBackground);
}

void TalvoVisualManager::OnDrawTabCloseButton(CDC* pDC, CRect rect, const CMFCBaseTabCtrl*, BOOL bIsHighlighted,
                                              BOOL bIsPressed, BOOL bIsDisabled) {
  COLORREF cross = bIsDisabled ? HostDisabledTextColor() : HostColor(kControlText);
  if (bIsHighlighted || bIsPressed) pDC->FillSolidRect(&rect, bIsPressed ? HostPressedColor() : HostHotColor());
  DrawCloseCross(pDC, rect, cross);
}

void TalvoVisualManager::OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, UINT uiState, const CMFCBaseTabCtrl*) {
  if (uiState & ODS_SELECTED) {
    FillFramed(pDC, rect, HostPressedColor(), HostColor(kAccent));
  } else if (uiState & ODS_HOTLIGHT) {
    FillFramed(pDC, rect, HostHotColor(), HostColor(kAccent));
  } else {
    pDC->FillSolidRect(&rect, HostColor(kBackground));
  }
}

// ---- The menu bar ----

void TalvoVisualManager::OnFillBarBackground(CDC* pDC, CWnd*, CRect rectClient, CRect, BOOL) {
  pDC->FillSolidRect(&rectClient, HostColor(kBackground));
}

void TalvoVisualManager::OnFillButtonInterior(CDC* pDC, CMFCToolBarButton*, CRect rect, AFX_BUTTON_STATE state) {
  if (state == ButtonsIsRegular) return;
  pDC->FillSolidRect(&rect, state == ButtonsIsPressed ? HostPressedColor() : HostHotColor());
}

void TalvoVisualManager::OnDrawButtonBorder(CDC* pDC, CMFCToolBarButton*, CRect rect, AFX_BUTTON_STATE state) {
  if (state == ButtonsIsRegular) return;
  pDC->Draw3dRect(&rect, HostColor(kAccent), HostColor(kAccent));
}

COLORREF TalvoVisualManager::GetMenuItemTextColor(CMFCToolBarMenuButton*, BOOL, BOOL bDisabled) {
  return bDisabled ? HostDisabledTextColor() : HostColor(kControlText);
}

CFont* TalvoVisualManager::GetMenuFont() {
  if (font_.m_hObject == nullptr) font_.CreateFontIndirect(&GetCOREInterface()->GetAppLogFont());
  return &font_;
}

void TalvoVisualManager::OnFillPopupMenuBackground(CDC* pDC, CRect rect) {
  pDC->FillSolidRect(&rect, HostColor(kBackground));
}

void TalvoVisualManager::OnDrawPopupMenuSeparator(CDC* pDC, CRect rect) {
  const int y = rect.CenterPoint().y;
  pDC->FillSolidRect(rect.left + 4, y, rect.Width() - 8, 1,
                     BlendColors(HostColor(kControlText), HostColor(kBackground), 90));
}

// ---- Push buttons and menu buttons ----

void TalvoVisualManager::OnDrawPushButton(CDC* pDC, CRect rect, CMFCButton*, UINT uiState) {
  COLORREF face = BlendColors(HostColor(kWindow), HostColor(kBackground), 110);
  COLORREF frame = HostColor(kAppWorkspace);
  if (uiState & ODS_DISABLED) {
    face = HostColor(kBackground);
  } else if (uiState & ODS_SELECTED) {
    face = HostPressedColor();
    frame = HostColor(kAccent);
  } else if (uiState & ODS_HOTLIGHT) {
    face = HostHotColor();
    frame = HostColor(kAccent);
  }
  FillFramed(pDC, rect, face, frame);
}

COLORREF TalvoVisualManager::GetButtonTextColor(CMFCButton*, UINT uiState) {
  return (uiState & ODS_DISABLED) ? HostDisabledTextColor() : HostColor(kControlText);
}

COLORREF TalvoVisualManager::GetLinkTextColor(CMFCLinkCtrl*) { return HostColor(kAccent); }

COLORREF TalvoVisualManager::GetGlyphColor(BOOL bDisabled) {
  return bDisabled ? HostDisabledTextColor() : HostColor(kControlText);
}

}  // namespace Talvo
