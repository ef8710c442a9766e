// hWheelEventsRenameDlg: shown when an imported wheel-events set's display name is already taken in the
// wheel-events folder. It names the clash, proposes the first free name, and OK gives the imported set
// the new display name before ending with IDOK; Cancel leaves the set as it was.
#pragma once

#include "editing/h_rename_dlg.h"

namespace Talvo {

class XmlWheelEvents;

class hWheelEventsRenameDlg : public hRenameDlg {
  DECLARE_DYNAMIC(hWheelEventsRenameDlg)
 public:
  explicit hWheelEventsRenameDlg(CWnd* parent);
  ~hWheelEventsRenameDlg() override;

  // Registers the template, then runs the dialog: IDOK once the set carries the new name, else IDCANCEL.
  INT_PTR DoModal() override;

  // The imported set to rename; set before DoModal. Without it the dialog proposes nothing and OK ends
  // it with IDCANCEL.
  XmlWheelEvents* wheelEvents = nullptr;

 protected:
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnOK() override;

  DECLARE_MESSAGE_MAP()
};

}  // namespace Talvo
