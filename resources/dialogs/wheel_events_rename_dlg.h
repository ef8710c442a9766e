// The wheel-events set rename dialog's template (id 140); control ids in rename_dlg_ids.h.
#pragma once

#include "resources/dialogs/rename_dlg_ids.h"

namespace Talvo {

inline constexpr int IDD_WHEEL_EVENTS_RENAME = 140;

// Registers the template under IDD_WHEEL_EVENTS_RENAME; registering again changes nothing.
void RegisterWheelEventsRenameDlgTemplate();

}  // namespace Talvo
