// OptionsTab: the base of the option pages that the options dialog's tab control shows. A page is a child
// dialog; Enter pressed on it does nothing, so that it never ends the options dialog.
#pragma once

#include <afxwin.h>

namespace Talvo {

class OptionsTab : public CDialog {
  DECLARE_DYNAMIC(OptionsTab)
 public:
  OptionsTab(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

 protected:
  // Swallows Enter; every other key takes its usual course.
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()
};

}  // namespace Talvo
