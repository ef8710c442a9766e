// hFunctionNewDlg: asks which kind of function to create. Each kind button ends the dialog at once with
// its kind code (1105 Single Tap, 1106 MultiTap, 1108 context sensitive); closing it any other way gives
// IDCANCEL. The two retired kinds (1100, 1101) keep their buttons, hidden and disabled.
#pragma once

#include <afxwin.h>

#include "pagebase/h_themed_dlg.h"

namespace Talvo {

class hFunctionNewDlg : public hThemedDlg {
  DECLARE_DYNAMIC(hFunctionNewDlg)
 public:
  explicit hFunctionNewDlg(CWnd* parent);
  ~hFunctionNewDlg() override;

  // Registers the template, then runs the dialog: a kind code 1100..1108 or IDCANCEL.
  INT_PTR DoModal() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  void OnMultiTapModifiers();
  void OnMultiTapModifiersElements();
  void OnContextSensitive();
  void OnSingleTap();
  void OnMultiTap();

  DECLARE_MESSAGE_MAP()

 private:
  CMFCButton multiTapModifiersButton_;
  CMFCButton multiTapModifiersElementsButton_;
  CMFCButton contextSensitiveButton_;
  CMFCButton singleTapButton_;
  CMFCButton multiTapButton_;
};

}  // namespace Talvo
