#include "editor/profile_rename_dlg.h"

#include <host/colors.h>

#include "pagebase/rename_proposal.h"
#include "model/talvo.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(hProfileRenameDlg, CDialogEx)

BEGIN_MESSAGE_MAP(hProfileRenameDlg, CDialogEx)
  ON_WM_SHOWWINDOW()
  ON_WM_CTLCOLOR()
  ON_EN_CHANGE(1077, &hProfileRenameDlg::OnNameChange)
END_MESSAGE_MAP()

hProfileRenameDlg::hProfileRenameDlg(XmlProfile* profile, CWnd* parent)
    : CDialogEx(IDD, parent), profile_(profile) {
  RegisterProfileRenameDlgTemplate();
}

hProfileRenameDlg::~hProfileRenameDlg() = default;

void hProfileRenameDlg::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, 1079, clashLabel_);
  DDX_Control(pDX, 1077, nameField_);
}

BOOL hProfileRenameDlg::OnInitDialog() {
  const BOOL result = CDialogEx::OnInitDialog();
  // The host's colours, so the prompt matches the editor under either theme.
  SetBackgroundColor(ColorMan()->GetColor(kBackground));
  background_.CreateSolidBrush(ColorMan()->GetColor(kBackground));
  return result;
}

void hProfileRenameDlg::OnShowWindow(BOOL bShow, UINT nStatus) {
  CDialogEx::OnShowWindow(bShow, nStatus);
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

HBRUSH hProfileRenameDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_DLG) {
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(ColorMan()->GetColor(kText));
    return static_cast<HBRUSH>(background_.GetSafeHandle());
  }
  return CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
}

}  // namespace Talvo
