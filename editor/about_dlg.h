// AboutDlg: the editor's about box: the logo, the version line and a link to the maker's web page.
// The editor window runs it modally from its Help menu and ignores the result.
#pragma once

#include <afxwin.h>
#include <mfc/link_ctrl.h>

#include <memory>

#include "editor/logo_bitmap.h"

namespace Talvo {

class AboutDlg : public CDialog {
 public:
  explicit AboutDlg(CWnd* pParent = nullptr);
  ~AboutDlg() override;

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDestroy();
  // "Close" ends the dialog as a cancel.
  void OnCloseButton();

  DECLARE_MESSAGE_MAP()

 private:
  CStatic m_logo;
  CStatic m_version;
  CMFCLinkCtrl m_link;
  CButton m_close;
  std::unique_ptr<LogoBitmap> logoBitmap_;
};

}  // namespace Talvo
