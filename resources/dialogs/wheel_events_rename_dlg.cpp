#include "resources/dialogs/wheel_events_rename_dlg.h"

#include "resources/dialogs/rename_dlg_template.h"

namespace Talvo {

void RegisterWheelEventsRenameDlgTemplate() {
  if (FindDialogTemplate(IDD_WHEEL_EVENTS_RENAME) == nullptr)
    RegisterDialogTemplate(IDD_WHEEL_EVENTS_RENAME, RenameDlgTemplate(L"The Settings file with name: "));
}

}  // namespace Talvo
