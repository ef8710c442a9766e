// hProfileRenameDlg: asks for a new name for an imported profile whose name is already taken. It shows
// the clashing name, proposes the first free "<name> 01", "<name> 02", ... and, on OK, renames the
// imported profile to what the name field holds (any text is accepted; the caller checks again). The
// field's handler is the one every import's rename dialog shares.
#pragma once

#include "editing/h_rename_dlg.h"

namespace Talvo {

class XmlProfile;

// Registers dialog template 129 (once).
void RegisterProfileRenameDlgTemplate();

class hProfileRenameDlg : public hRenameDlg {
  DECLARE_DYNAMIC(hProfileRenameDlg)
 public:
  static constexpr UINT IDD = 129;

  // `profile` is the imported document; it must outlive the dialog.
  hProfileRenameDlg(XmlProfile* profile, CWnd* parent);
  ~hProfileRenameDlg() override;

 protected:
  void OnOK() override;
  void OnShowWindow(BOOL bShow, UINT nStatus);

  DECLARE_MESSAGE_MAP()

 private:
  XmlProfile* profile_;
};

}  // namespace Talvo
