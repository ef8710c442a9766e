#include "editor/options_tab.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(OptionsTab, CDialog)

BEGIN_MESSAGE_MAP(OptionsTab, CDialog)
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void OptionsTab::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar != VK_RETURN) CDialog::OnKeyDown(nChar, nRepCnt, nFlags);
}

}  // namespace Talvo
