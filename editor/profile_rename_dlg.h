// hProfileRenameDlg: asks for a new name for an imported profile whose name is already taken. It shows
// the clashing name, proposes the first free "<name> 01", "<name> 02", ... and, on OK, renames the
// imported profile to what the name field holds (any text is accepted; the caller checks again).
#pragma once

#include "pagebase/h_themed_dlg.h"

#include <string>

#include "controls/edit.h"
#include "controls/label.h"

namespace Talvo {

class XmlProfile;

// Registers dialog template 129 (once).
void RegisterProfileRenameDlgTemplate();

class hProfileRenameDlg : public hThemedDlg {
  DECLARE_DYNAMIC(hProfileRenameDlg)
 public:
  static constexpr UINT IDD = 129;

  // `profile` is the imported document; it must outlive the dialog.
  hProfileRenameDlg(XmlProfile* profile, CWnd* parent);
  ~hProfileRenameDlg() override;

  const std::wstring& GetResultName() const { return resultName_; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnNameChange();

  DECLARE_MESSAGE_MAP()

 private:
  Label clashLabel_;
  Edit nameField_;
  XmlProfile* profile_;
  std::wstring resultName_;
};

}  // namespace Talvo
