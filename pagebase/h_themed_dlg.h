// hThemedDlg: the base of the program's small modal dialogs. The dialog face and its static texts take
// the host's panel and text colours of the current theme, so that the dialogs match the editor in the
// light and the dark theme; the derived dialogs bind their push buttons to CMFCButton, which the
// program's visual manager paints.
#pragma once

#include <afxdialogex.h>

namespace Talvo {

class hThemedDlg : public CDialogEx {
  DECLARE_DYNAMIC(hThemedDlg)
 public:
  hThemedDlg(UINT templateId, CWnd* parent);
  ~hThemedDlg() override;

 protected:
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

  DECLARE_MESSAGE_MAP()
};

}  // namespace Talvo
