#include "editor/about_dlg.h"

#include <mfc/ddx.h>

#include <string>

#include "editor/product_info.h"
#include "resources/dialogs/about_dlg.h"

namespace Talvo {

BEGIN_MESSAGE_MAP(AboutDlg, CDialog)
  ON_WM_DESTROY()
  ON_BN_CLICKED(IDC_ABOUT_CLOSE, &AboutDlg::OnCloseButton)
END_MESSAGE_MAP()

AboutDlg::AboutDlg(CWnd* pParent) : CDialog(IDD_ABOUT, pParent) { RegisterAboutDlgTemplate(); }

AboutDlg::~AboutDlg() = default;

void AboutDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ABOUT_LOGO, m_logo);
  DDX_Control(pDX, IDC_ABOUT_VERSION, m_version);
  DDX_Control(pDX, IDC_ABOUT_LINK, m_link);
  DDX_Control(pDX, IDC_ABOUT_CLOSE, m_close);
}

BOOL AboutDlg::OnInitDialog() {
  const BOOL result = CDialog::OnInitDialog();
  m_version.SetWindowText((std::wstring(L"version: ") + kProductVersion).c_str());
  m_link.SetURL(kMakerWebPage);
  m_link.SetTooltip(kMakerWebPage);
  logoBitmap_ = std::make_unique<LogoBitmap>();
  m_logo.SetBitmap(logoBitmap_->Get());
  return result;
}

void AboutDlg::OnDestroy() {
  // The picture does not own its bitmap: take it back before the bitmap goes.
  if (m_logo.GetSafeHwnd() != nullptr) m_logo.SetBitmap(nullptr);
  logoBitmap_.reset();
  CDialog::OnDestroy();
}

void AboutDlg::OnCloseButton() { OnCancel(); }

}  // namespace Talvo
