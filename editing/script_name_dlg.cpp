#include "editing/script_name_dlg.h"

#include "pagebase/rename_proposal.h"
#include "resources/dialogs/script_name_dlg.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(ScriptNameDlg, hThemedDlg)

BEGIN_MESSAGE_MAP(ScriptNameDlg, hThemedDlg)
  ON_WM_SHOWWINDOW()
  ON_EN_CHANGE(IDC_SCRIPT_NAME, &ScriptNameDlg::OnNameChange)
END_MESSAGE_MAP()

ScriptNameDlg::ScriptNameDlg(CWnd* parent) : hThemedDlg(IDD_SCRIPT_NAME, parent) {}
ScriptNameDlg::~ScriptNameDlg() = default;

INT_PTR ScriptNameDlg::DoModal() {
  RegisterScriptNameDlgTemplate();
  return hThemedDlg::DoModal();
}

void ScriptNameDlg::DoDataExchange(CDataExchange* pDX) {
  hThemedDlg::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SCRIPT_NAME, nameField_);
  DDX_Control(pDX, IDOK, okButton_);
  DDX_Control(pDX, IDCANCEL, cancelButton_);
}

void ScriptNameDlg::OnShowWindow(BOOL bShow, UINT nStatus) {
  hThemedDlg::OnShowWindow(bShow, nStatus);
  if (bShow && name != nullptr) nameField_.SetWindowText(*name);
}

void ScriptNameDlg::OnNameChange() {
  if (name == nullptr) return;
  *name = ReadRenameField(nameField_);  // at most 511 characters, as the rename dialogs read their field
}

// The name is already in the caller's string; OK only closes.
void ScriptNameDlg::OnOK() { EndDialog(IDOK); }

}  // namespace Talvo
