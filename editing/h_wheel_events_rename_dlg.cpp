#include "editing/h_wheel_events_rename_dlg.h"

#include "model/talvo.h"
#include "resources/dialogs/wheel_events_rename_dlg.h"

namespace Talvo {

IMPLEMENT_DYNAMIC(hWheelEventsRenameDlg, hRenameDlg)

BEGIN_MESSAGE_MAP(hWheelEventsRenameDlg, hRenameDlg)
  ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

hWheelEventsRenameDlg::hWheelEventsRenameDlg(CWnd* parent) : hRenameDlg(IDD_WHEEL_EVENTS_RENAME, parent) {}
hWheelEventsRenameDlg::~hWheelEventsRenameDlg() = default;

INT_PTR hWheelEventsRenameDlg::DoModal() {
  RegisterWheelEventsRenameDlgTemplate();
  return hRenameDlg::DoModal();
}

// The proposal is made when the dialog appears; display names are counted over the whole folder.
void hWheelEventsRenameDlg::OnShowWindow(BOOL bShow, UINT nStatus) {
  hRenameDlg::OnShowWindow(bShow, nStatus);
  if (!bShow || wheelEvents == nullptr) return;
  ProposeName(wheelEvents->GetDisplayName(),
              [](const std::wstring& name) { return GetTalvo().CountWheelEventsNamed(name); });
}

void hWheelEventsRenameDlg::OnOK() {
  if (wheelEvents == nullptr) {
    EndDialog(IDCANCEL);
    return;
  }
  wheelEvents->SetDisplayName(GetResultName());
  EndDialog(IDOK);
}

}  // namespace Talvo
