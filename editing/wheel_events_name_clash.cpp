#include "editing/wheel_events_name_clash.h"

#include "editing/h_wheel_events_rename_dlg.h"
#include "model/xml_wheel_events.h"

namespace Talvo {

namespace {

bool NameTaken(const XmlWheelEvents& imported, const XmlWheelEventsDir& folder) {
  const std::wstring name = imported.GetDisplayName();
  for (int index = 0; index < folder.Count(); ++index) {
    const XmlWheelEvents* other = folder.GetWheelEvents(index);
    if (other != nullptr && other != &imported && other->GetDisplayName() == name) return true;
  }
  return false;
}

}  // namespace

void RenameWhileNameTaken(CWnd* parent, XmlWheelEvents& imported, const XmlWheelEventsDir& folder) {
  while (NameTaken(imported, folder)) {
    hWheelEventsRenameDlg dialog(parent);
    dialog.wheelEvents = &imported;
    if (dialog.DoModal() != IDOK) return;
  }
}

}  // namespace Talvo
