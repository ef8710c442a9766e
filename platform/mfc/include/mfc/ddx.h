// Dialog data exchange: the DDX_ routines that DoDataExchange calls move a value between a member
// and a control in the direction UpdateData asks. A routine that rejects a control's value tells
// the user, puts the focus on the control and calls Fail(), which ends the exchange.
#pragma once

#include <string>

#include "mfc/exceptions.h"
#include "mfc/wnd.h"

// Ends a data exchange (thrown by CDataExchange::Fail as a heap pointer, caught by UpdateData).
class CUserException : public CException {
  DECLARE_DYNAMIC(CUserException)
 public:
  std::wstring GetMessageText() const override;
};
[[noreturn]] void AfxThrowUserException();

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls to members
  CWnd* m_pDlgWnd;          // the dialog (or any window) whose controls take part

  // The control's window; throws CNotSupportedException when the dialog has no such control.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }
  // Puts the focus on the last prepared control and ends the exchange.
  [[noreturn]] void Fail();

 private:
  HWND m_hWndLastControl = nullptr;
};

// Subclasses the dialog's control onto rControl once (FromHandle then gives rControl).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Window text of the control; the integer forms reject text that is not a number.
void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
// Check state of a check box (BST_UNCHECKED, BST_CHECKED).
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Selected index of a combo box (-1: none).
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
