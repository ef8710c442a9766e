#include "editing/h_rename_dlg.h"

#include "pagebase/rename_proposal.h"
#include "resources/dialogs/rename_dlg_ids.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(hRenameDlg, hThemedDlg)

BEGIN_MESSAGE_MAP(hRenameDlg, hThemedDlg)
  ON_EN_CHANGE(IDC_RENAME_NAME, &hRenameDlg::OnNameChange)
END_MESSAGE_MAP()

hRenameDlg::hRenameDlg(UINT templateId, CWnd* parent) : hThemedDlg(templateId, parent) {}
hRenameDlg::~hRenameDlg() = default;

void hRenameDlg::DoDataExchange(CDataExchange* pDX) {
  hThemedDlg::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RENAME_CLASH_NAME, clashLabel_);
  DDX_Control(pDX, IDC_RENAME_NAME, nameField_);
  DDX_Control(pDX, IDOK, okButton_);
  DDX_Control(pDX, IDCANCEL, cancelButton_);
}

void hRenameDlg::ProposeName(const std::wstring& currentName, const NameCounter& count) {
  clashLabel_.SetText(currentName);
  const std::wstring proposal = ProposeFreeName(currentName, count);
  nameField_.SetWindowText(proposal);
  resultName_ = proposal;
}

void hRenameDlg::OnNameChange() {
  resultName_ = ReadRenameField(nameField_);
}

}  // namespace Talvo
