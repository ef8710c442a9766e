// The program's visual manager: paints the class library's tab controls, menu bar, menu buttons and
// push buttons in the host's colours and font, and follows the host theme (it repaints everything on
// the host's colour-change notification). The theme helpers below are what the program's own
// controls use for the same look.
#pragma once

#include <afxcontrolbars.h>
#include <afxvisualmanager.h>
#include <afxwin.h>
#include <host/colors.h>

#include <string>

namespace Talvo {

// The host's colour of an id in the current theme.
COLORREF HostColor(ColorId id);
// Whether the host shows its dark theme.
bool HostThemeIsDark();
// The fill of a control under the mouse, and while pressed.
COLORREF HostHotColor();
COLORREF HostPressedColor();
// Text of disabled controls: readable but clearly fainter than kControlText.
COLORREF HostDisabledTextColor();
// The host's interface font (owned by the host).
HFONT HostFont();
// The icon folder of the current theme: the host's icon directory followed by "Icons/", or
// "IconsDark/" under the dark theme.
std::wstring ThemedIconFolder();
// Draws an icon image: bitmaps ("bmp") mark transparent pixels with magenta (255, 0, 255), other
// images carry their own alpha.
void DrawIconImage(HDC dc, const CImage& image, int x, int y, bool magentaKey);
// Whether images of a file extension use the magenta key.
bool UsesMagentaKey(const std::wstring& extension);
// a mixed into b by weight/255.
COLORREF BlendColors(COLORREF a, COLORREF b, int weight);

class TalvoVisualManager : public CMFCVisualManager {
  DECLARE_DYNCREATE(TalvoVisualManager)
 public:
  TalvoVisualManager();
  ~TalvoVisualManager() override;

  // Installs this manager as the default one (and listens to the host's colour changes).
  static void Install();

  // Tabs: a flat strip in the panel colour, the active tab in the window colour with an accent line.
  void OnEraseTabsArea(CDC* pDC, CRect rect, const CMFCBaseTabCtrl* pTabWnd) override;
  BOOL OnEraseTabsFrame(CDC* pDC, CRect rect, const CMFCBaseTabCtrl* pTabWnd) override;
  void OnFillTab(CDC* pDC, CRect rectFill, CBrush* pbrFill, int iTab, BOOL bIsActive,
                 const CMFCBaseTabCtrl* pTabWnd) override;
  COLORREF GetTabTextColor(const CMFCBaseTabCtrl* pTabWnd, int iTab, BOOL bIsActive) override;
  COLORREF GetTabBackColor(const CMFCBaseTabCtrl* pTabWnd, BOOL bIsActive) override;
  void OnDrawTabCloseButton(CDC* pDC, CRect rect, const CMFCBaseTabCtrl* pTabWnd, BOOL bIsHighlighted,
                            BOOL bIsPressed, BOOL bIsDisabled) override;
  void OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, UINT uiState, const CMFCBaseTabCtrl* pWndTab) override;

  // The menu bar.
  void OnFillBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip, BOOL bNCArea) override;
  void OnFillButtonInterior(CDC* pDC, CMFCToolBarButton* pButton, CRect rect, AFX_BUTTON_STATE state) override;
  void OnDrawButtonBorder(CDC* pDC, CMFCToolBarButton* pButton, CRect rect, AFX_BUTTON_STATE state) override;
  COLORREF GetMenuItemTextColor(CMFCToolBarMenuButton* pButton, BOOL bHighlighted, BOOL bDisabled) override;
  CFont* GetMenuFont() override;

  // Popup menus: the menu bar's background, separators a faint line of the text colour.
  void OnFillPopupMenuBackground(CDC* pDC, CRect rect) override;
  void OnDrawPopupMenuSeparator(CDC* pDC, CRect rect) override;

  // Push buttons and menu buttons.
  void OnDrawPushButton(CDC* pDC, CRect rect, CMFCButton* pButton, UINT uiState) override;
  COLORREF GetButtonTextColor(CMFCButton* pButton, UINT uiState) override;
  COLORREF GetLinkTextColor(CMFCLinkCtrl* pLink) override;
  COLORREF GetGlyphColor(BOOL bDisabled) override;

 private:
  CFont font_;
};

}  // namespace Talvo
