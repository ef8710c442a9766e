#include "editor/profile_rename_dlg.h"

#include "pagebase/rename_proposal.h"
#include "model/talvo.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(hProfileRenameDlg, hThemedDlg)

BEGIN_MESSAGE_MAP(hProfileRenameDlg, hThemedDlg)
  ON_WM_SHOWWINDOW()
  ON_EN_CHANGE(1077, &hProfileRenameDlg::OnNameChange)
END_MESSAGE_MAP()

hProfileRenameDlg::hProfileRenameDlg(XmlProfile* profile, CWnd* parent)
    : hThemedDlg(IDD, parent), profile_(profile) {
  RegisterProfileRenameDlgTemplate();
}

hProfileRenameDlg::~hProfileRenameDlg() = default;

void hProfileRenameDlg::DoDataExchange(CDataExchange* pDX) {
  hThemedDlg::DoDataExchange(pDX);
  DDX_Control(pDX, 1079, clashLabel_);
  DDX_Control(pDX, 1077, nameField_);
}

void hProfileRenameDlg::OnShowWindow(BOOL bShow, UINT nStatus) {
  hThemedDlg::OnShowWindow(bShow, nStatus);
  // Only on showing: the hide at the end must not replace the name just applied by a new proposal.
  if (!bShow || profile_ == nullptr) return;
  const std::wstring name = profile_->GetName();
  clashLabel_.SetText(name);
  resultName_ = ProposeFreeName(name, [](const std::wstring& candidate) {
    return GetTalvo().CountProfilesNamed(candidate);
  });
  nameField_.SetWindowText(resultName_.c_str());
}

void hProfileRenameDlg::OnNameChange() { resultName_ = ReadRenameField(nameField_); }

void hProfileRenameDlg::OnOK() {
  if (profile_ != nullptr) profile_->SetName(resultName_);
  EndDialog(IDOK);
}

}  // namespace Talvo
