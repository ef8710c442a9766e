// The function rename dialog's template (id 128); control ids in rename_dlg_ids.h.
#pragma once

#include "resources/dialogs/rename_dlg_ids.h"

namespace Talvo {

inline constexpr int IDD_FUNCTION_RENAME = 128;

// Registers the template under IDD_FUNCTION_RENAME; registering again changes nothing.
void RegisterFunctionRenameDlgTemplate();

}  // namespace Talvo
