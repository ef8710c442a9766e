// CDialog: creation from registered templates (modal and modeless), the dialog procedure that
// attaches the object, OnInitDialog / OnOK / OnCancel and the control helpers.
#include "mfc/dialog.h"

#include <utility>

#include "mfc/app.h"
#include "mfc/ddx.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

// The dialog object whose window is being made; the dialog procedure attaches it at the first
// message it sees. Kept here rather than in the creation hook, so that controls of the library's
// own classes made from the template before that message don't take it.
thread_local CDialog* pendingDialog = nullptr;

class PendingDialog {
 public:
  explicit PendingDialog(CDialog* dialog) : outer_(pendingDialog) { pendingDialog = dialog; }
  ~PendingDialog() { pendingDialog = outer_; }
  PendingDialog(const PendingDialog&) = delete;
  PendingDialog& operator=(const PendingDialog&) = delete;

 private:
  CDialog* outer_;
};

// The dialog procedure of every CDialog. It only attaches the object and answers WM_INITDIALOG
// with OnInitDialog; the object's message map sees every other message before the dialog's
// default procedure calls this one.
INT_PTR AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
  if (wnd == nullptr && pendingDialog != nullptr) {
    CDialog* dialog = std::exchange(pendingDialog, nullptr);
    AfxHookWindowCreate(dialog);
    wnd = AfxHookPendingWindow(hWnd);
    AfxUnhookWindowCreate();
  }
  if (message != WM_INITDIALOG) return FALSE;
  CDialog* dialog = DYNAMIC_DOWNCAST(CDialog, wnd);
  return dialog != nullptr ? dialog->OnInitDialog() : TRUE;
}

}  // namespace

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

UINT CDialog::TemplateId() const {
  if (m_lpszTemplateName != nullptr && IS_INTRESOURCE(m_lpszTemplateName)) {
    return static_cast<UINT>(reinterpret_cast<ULONG_PTR>(m_lpszTemplateName));
  }
  return m_nIDHelp;
}

const DLGTEMPLATE* CDialog::FindTemplate() const { return ::FindDialogTemplate(static_cast<int>(TemplateId())); }

INT_PTR CDialog::DoModal() {
  const DLGTEMPLATE* dialogTemplate = FindTemplate();
  if (dialogTemplate == nullptr || m_hWnd != nullptr) return -1;
  CWnd* parent = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
  HWND hWndParent = parent != nullptr && ::IsWindow(parent->m_hWnd) ? parent->m_hWnd : nullptr;
  PendingDialog pending(this);
  const INT_PTR result =
      ::DialogBoxIndirectParamW(AfxGetInstanceHandle(), dialogTemplate, hWndParent, AfxDlgProc, 0);
  // The modal loop destroyed the window; an object that missed WM_NCDESTROY lets go here.
  if (m_hWnd != nullptr && !::IsWindow(m_hWnd)) Detach();
  return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  if (m_hWnd != nullptr) return FALSE;
  m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
  m_nIDHelp = nIDTemplate;
  if (pParentWnd != nullptr) m_pParentWnd = pParentWnd;
  const DLGTEMPLATE* dialogTemplate = FindTemplate();
  if (dialogTemplate == nullptr) return FALSE;
  HWND hWndParent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
  PendingDialog pending(this);
  HWND hWnd = ::CreateDialogIndirectParamW(AfxGetInstanceHandle(), dialogTemplate, hWndParent, AfxDlgProc, 0);
  if (hWnd == nullptr) {
    if (m_hWnd != nullptr && !::IsWindow(m_hWnd)) Detach();
    return FALSE;
  }
  return m_hWnd == hWnd;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (CException* e) {
    // A rejected value (CUserException) has been reported to the user; anything else is a
    // missing control, which fails the exchange the same way.
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) {
  if (m_hWnd != nullptr) ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (m_hWnd == nullptr || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
  return ::IsDialogMessageW(m_hWnd, pMsg);
}

// ---- Control helpers ----

void CDialog::SetDlgItemText(int nID, LPCWSTR lpszString) { ::SetDlgItemTextW(m_hWnd, nID, lpszString); }

int CDialog::GetDlgItemText(int nID, LPWSTR lpStr, int nMaxCount) const {
  return static_cast<int>(::GetDlgItemTextW(m_hWnd, nID, lpStr, nMaxCount));
}

std::wstring CDialog::GetDlgItemText(int nID) const {
  HWND control = ::GetDlgItem(m_hWnd, nID);
  if (control == nullptr) return {};
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

void CDialog::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }

UINT CDialog::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
  return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
UINT CDialog::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (pWndCtrl != nullptr) ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}
