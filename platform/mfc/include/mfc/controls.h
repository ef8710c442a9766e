// The standard control wrappers: each is a CWnd whose members send the control's messages.
// Create makes the control as a child with the given style; a wrapper also adopts a dialog's
// control through DDX_Control. CWnd's window-class Create stays callable beside
// each control's own.
#pragma once

#include <string>

#include "mfc/wnd.h"

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)
 public:
  CButton() = default;
  using CWnd::Create;
  BOOL Create(LPCWSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCheck() const;
  void SetCheck(int nCheck);
  UINT GetState() const;
  void SetState(BOOL bHighlight);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
  HBITMAP SetBitmap(HBITMAP hBitmap);

  // Draws a BS_OWNERDRAW button; called for the parent's WM_DRAWITEM.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
 public:
  CStatic() = default;
  using CWnd::Create;
  BOOL Create(LPCWSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);

  // SS_BITMAP statics; returns the image shown before.
  HBITMAP SetBitmap(HBITMAP hBitmap);

  // Draws an SS_OWNERDRAW static; called for the parent's WM_DRAWITEM.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
 public:
  CEdit() = default;
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void Copy();
  void Cut();
  void Paste();
};

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)
 public:
  CComboBox() = default;
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int AddString(LPCWSTR lpszString);
  int InsertString(int nIndex, LPCWSTR lpszString);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  int GetLBText(int nIndex, LPWSTR lpszText) const;
  void GetLBText(int nIndex, std::wstring& rString) const;
  int GetLBTextLen(int nIndex) const;
  int FindStringExact(int nIndexStart, LPCWSTR lpszFind) const;
  int SelectString(int nStartAfter, LPCWSTR lpszString);
  int SetItemHeight(int nIndex, UINT cyItemHeight);
  int GetItemHeight(int nIndex) const;
  void ShowDropDown(BOOL bShowIt = TRUE);
  BOOL GetDroppedState() const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  DWORD_PTR GetItemData(int nIndex) const;
};

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)
 public:
  CListBox() = default;
  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int AddString(LPCWSTR lpszItem);
  int InsertString(int nIndex, LPCWSTR lpszItem);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  int GetText(int nIndex, LPWSTR lpszBuffer) const;
  void GetText(int nIndex, std::wstring& rString) const;
  int GetTextLen(int nIndex) const;
  int FindStringExact(int nIndexStart, LPCWSTR lpszFind) const;
  int SelectString(int nStartAfter, LPCWSTR lpszItem);
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  DWORD_PTR GetItemData(int nIndex) const;
  int GetItemRect(int nIndex, LPRECT lpRect) const;
  int SetItemHeight(int nIndex, UINT cyItemHeight);
  int GetItemHeight(int nIndex) const;
  int GetSel(int nIndex) const;
  int SetSel(int nIndex, BOOL bSelect = TRUE);
};
