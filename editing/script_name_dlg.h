// ScriptNameDlg: asks for a custom script's name. The caller points `name` at its own string holding the
// proposed name; the field shows it when the dialog appears and every edit writes the field's text back
// into it, so after IDOK the string holds the final text (empty text included). Cancel gives IDCANCEL.
#pragma once

#include <afxwin.h>

#include <string>

#include "controls/edit.h"
#include "pagebase/h_themed_dlg.h"

namespace Talvo {

class ScriptNameDlg : public hThemedDlg {
  DECLARE_DYNAMIC(ScriptNameDlg)
 public:
  explicit ScriptNameDlg(CWnd* parent);
  ~ScriptNameDlg() override;

  // Registers the template, then runs the dialog: IDOK or IDCANCEL.
  INT_PTR DoModal() override;

  // The caller's name string; without one the field starts empty and edits go nowhere.
  std::wstring* name = nullptr;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnNameChange();
  void OnOK() override;

  DECLARE_MESSAGE_MAP()

 private:
  Edit nameField_;
  CMFCButton okButton_;
  CMFCButton cancelButton_;
};

}  // namespace Talvo
