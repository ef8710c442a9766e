#include "editor/profile_rename_dlg.h"

#include "model/talvo.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(hProfileRenameDlg, hRenameDlg)

BEGIN_MESSAGE_MAP(hProfileRenameDlg, hRenameDlg)
  ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

hProfileRenameDlg::hProfileRenameDlg(XmlProfile* profile, CWnd* parent) : hRenameDlg(IDD, parent), profile_(profile) {
  RegisterProfileRenameDlgTemplate();
}

hProfileRenameDlg::~hProfileRenameDlg() = default;

void hProfileRenameDlg::OnShowWindow(BOOL bShow, UINT nStatus) {
  hRenameDlg::OnShowWindow(bShow, nStatus);
  // Only on showing: the hide at the end must not replace the name just applied by a new proposal.
  if (!bShow || profile_ == nullptr) return;
  ProposeName(profile_->GetName(), [](const std::wstring& name) { return GetTalvo().CountProfilesNamed(name); });
}

void hProfileRenameDlg::OnOK() {
  if (profile_ != nullptr) profile_->SetName(GetResultName());
  EndDialog(IDOK);
}

}  // namespace Talvo
