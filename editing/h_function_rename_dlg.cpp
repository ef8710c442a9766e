#include "editing/h_function_rename_dlg.h"

#include "model/talvo.h"
#include "resources/dialogs/function_rename_dlg.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(hFunctionRenameDlg, hRenameDlg)

BEGIN_MESSAGE_MAP(hFunctionRenameDlg, hRenameDlg)
  ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

hFunctionRenameDlg::hFunctionRenameDlg(CWnd* parent) : hRenameDlg(IDD_FUNCTION_RENAME, parent) {}
hFunctionRenameDlg::~hFunctionRenameDlg() = default;

INT_PTR hFunctionRenameDlg::DoModal() {
  RegisterFunctionRenameDlgTemplate();
  return hRenameDlg::DoModal();
}

// The proposal is made when the dialog appears; names are counted over the whole function folder.
void hFunctionRenameDlg::OnShowWindow(BOOL bShow, UINT nStatus) {
  hRenameDlg::OnShowWindow(bShow, nStatus);
  if (!bShow || document == nullptr) return;
  ProposeName(document->GetName(), [](const std::wstring& name) { return GetTalvo().CountFunctionsNamed(name); });
}

void hFunctionRenameDlg::OnOK() {
  if (document == nullptr) {
    EndDialog(IDCANCEL);
    return;
  }
  document->SetName(GetResultName());
  EndDialog(IDOK);
}

INT_PTR RunFunctionRenameDlg(CWnd* owner, XmlFunction& function) {
  hFunctionRenameDlg dialog(owner);
  dialog.document = &function;
  return dialog.DoModal();
}

}  // namespace Talvo
