// CDialog and CDialogEx: the C++ object of a dialog made from a registered template (by id).
//
// DoModal runs the dialog through DialogBoxIndirectParam, so its loop is played by the modal
// responder; Create makes a modeless dialog, or a WS_CHILD page inside another window. The object
// is attached to the dialog window at the first message the dialog procedure sees, so it handles
// WM_INITDIALOG (OnInitDialog) and everything after through its message map. Unhandled messages
// go to the dialog's default procedure.
#pragma once

#include <string>

#include "mfc/wnd.h"

class CDataExchange;

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Modal: the dialog's EndDialog result, IDCANCEL when the responder cancelled it, -1 when the
  // template is not registered or the dialog could not be made.
  virtual INT_PTR DoModal();
  // Modeless (a page when the template says WS_CHILD). FALSE when the template is unknown.
  using CWnd::Create;
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Fills the controls (UpdateData(FALSE)); TRUE lets the dialog give the focus to its first control.
  virtual BOOL OnInitDialog();
  virtual void OnOK();      // UpdateData(TRUE), then EndDialog(IDOK) when the data was valid
  virtual void OnCancel();  // EndDialog(IDCANCEL)
  void EndDialog(int nResult);

  // Moves data between members and controls through DoDataExchange: from the controls when
  // bSaveAndValidate, else to them. FALSE when a DDX_ routine rejected a control's value.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  // Control helpers.
  void SetDlgItemText(int nID, LPCWSTR lpszString);
  void SetDlgItemText(int nID, const std::wstring& text) { SetDlgItemText(nID, text.c_str()); }
  int GetDlgItemText(int nID, LPWSTR lpStr, int nMaxCount) const;
  std::wstring GetDlgItemText(int nID) const;
  void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
  UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
  void CheckDlgButton(int nIDButton, UINT nCheck);
  UINT IsDlgButtonChecked(int nIDButton) const;
  void GotoDlgCtrl(CWnd* pWndCtrl);

  // Modeless dialogs run the dialog manager's keys (Tab, Enter, Escape) for their controls.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  LPCWSTR m_lpszTemplateName = nullptr;  // MAKEINTRESOURCE of the template id
  UINT m_nIDHelp = 0;                     // the template id
  CWnd* m_pParentWnd = nullptr;

 protected:
  // The DDX_ calls of the dialog's members; nothing here.
  virtual void DoDataExchange(CDataExchange* pDX);

  DECLARE_MESSAGE_MAP()

 private:
  // The registered template, or null.
  const DLGTEMPLATE* FindTemplate() const;
  UINT TemplateId() const;
};

// A dialog that may paint its own background colour.
class CDialogEx : public CDialog {
  DECLARE_DYNAMIC(CDialogEx)
 public:
  CDialogEx();
  explicit CDialogEx(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialogEx() override;

  // The dialog and its static controls paint this colour (WM_CTLCOLORDLG / WM_CTLCOLORSTATIC).
  void SetBackgroundColor(COLORREF color, BOOL bRepaint = TRUE);

 protected:
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

  DECLARE_MESSAGE_MAP()

 private:
  HBRUSH m_brBackground = nullptr;
  COLORREF m_clrBackground = CLR_NONE;
};
