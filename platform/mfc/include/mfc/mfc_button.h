// CMFCButton: an owner-drawn push button painted by the visual manager. Created with Create or
// adopted from a dialog template (DDX_Control): either way it becomes
// BS_OWNERDRAW and paints itself when its parent reflects WM_DRAWITEM to it. While the mouse is
// over it, it is highlighted and draws with ODS_HOTLIGHT.
#pragma once

#include <string>

#include "mfc/controls.h"
#include "mfc/dc.h"

class CMFCButton : public CButton {
  DECLARE_DYNCREATE(CMFCButton)
 public:
  CMFCButton();
  ~CMFCButton() override;

  BOOL Create(LPCWSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  BOOL IsHighlighted() const { return m_bHighlighted; }

 protected:
  void PreSubclassWindow() override;
  // The face and border (the visual manager's push button).
  virtual void OnFillBackground(CDC* pDC, const CRect& rect, UINT uiState);
  // The content: the caption, centred.
  virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState);
  // Whether the button shows pressed apart from the mouse (a menu button while its menu is open).
  virtual BOOL IsPressed() const { return FALSE; }

  void OnMouseMove(UINT nFlags, CPoint point);
  void OnMouseLeave();

  BOOL m_bHighlighted = FALSE;

  DECLARE_MESSAGE_MAP()
};
