#include "pagebase/h_themed_dlg.h"

#include <host/colors.h>

#include "controls/visual_manager.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(hThemedDlg, CDialogEx)

BEGIN_MESSAGE_MAP(hThemedDlg, CDialogEx)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

hThemedDlg::hThemedDlg(UINT templateId, CWnd* parent) : CDialogEx(templateId, parent) {}
hThemedDlg::~hThemedDlg() = default;

// The colours are read at every paint, so a theme switch shows at the next repaint.
HBRUSH hThemedDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  if (nCtlColor != CTLCOLOR_DLG && nCtlColor != CTLCOLOR_STATIC) return CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
  pDC->SetTextColor(HostColor(kControlText));
  pDC->SetBkColor(HostColor(kBackground));
  return ColorMan()->GetBrush(kBackground);
}

}  // namespace Talvo
