// hFunctionRenameDlg: shown when an imported function's name is already taken in the function folder.
// It names the clash, proposes the first free name, and OK renames the imported document (which marks it
// unsaved) before ending with IDOK; Cancel leaves the document as it was.
#pragma once

#include "editing/h_rename_dlg.h"

namespace Talvo {

class XmlFunction;

class hFunctionRenameDlg : public hRenameDlg {
  DECLARE_DYNAMIC(hFunctionRenameDlg)
 public:
  explicit hFunctionRenameDlg(CWnd* parent);
  ~hFunctionRenameDlg() override;

  // Registers the template, then runs the dialog: IDOK once the document carries the new name, else IDCANCEL.
  INT_PTR DoModal() override;

  // The imported function to rename; set before DoModal. Without it the dialog proposes nothing and OK
  // ends it with IDCANCEL.
  XmlFunction* document = nullptr;

 protected:
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnOK() override;

  DECLARE_MESSAGE_MAP()
};

// Runs the dialog for an imported function, owned by `owner`: IDOK once the function carries the new name.
INT_PTR RunFunctionRenameDlg(CWnd* owner, XmlFunction& function);

}  // namespace Talvo
